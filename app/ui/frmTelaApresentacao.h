#pragma once
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "core/ui/Contexto.h"

// The borderless splash: one second after it appears its timer runs the progress
// sequence once (10 to 60 in tenths of a second, 70 to 100 a second each), then
// the main window takes its place. Timers pace the sequence, so the event loop
// keeps running throughout.
class TfrmTelaApresentacao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTelaApresentacao(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the splash centred on the desktop with its timer running.
    void Inicia();
    // The first tick of Timer1: hides the main window and starts the sequence.
    void Timer1Timer();
    bool Concluida() const { return concluida_; }

    QLabel* imgApresentacao;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

private:
    void ProximoPasso();

    Contexto& ctx_;
    QTimer* passo_;
    int indice_ = 0;
    bool concluida_ = false;
};
