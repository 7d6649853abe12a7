#pragma once
#include <QProgressBar>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "results/ui/AnimacaoArquivo.h"

// " Salvando...": shown while a table or chosen nodes are written to a file.
class TfrmSalvaArq : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSalvaArq(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the window with the animation started and the bar at 0 of `maximo`.
    void Inicia(int maximo);
    // Bar at `posicao`, repainted; the pending window events are handled.
    void Avanca(int posicao);
    // Hides the window and stops the animation.
    void Termina();

    TAnimacaoArquivo* anFile;
    QProgressBar* pbStatus;

private:
    Contexto& ctx_;
};
