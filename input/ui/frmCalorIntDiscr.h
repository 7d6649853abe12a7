#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/LacoCamadas.h"

// "Discreto": per layer, the adiabatic temperature-rise curve as a grid of
// (days, °C) points, turned into the layer's hourly heat rates.
class TfrmCalorIntDiscr : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalorIntDiscr(Contexto& ctx, QWidget* parent = nullptr);
    // Grid headings, layer counter at "1", shown.
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

    QLabel* lbCamada;
    QTableWidget* sgdVertices;
    QCheckBox* cbxCalorZero;
    QPushButton* btnDuvida;
    QPushButton* btnOk;
    QPushButton* btnCancela;
    QPushButton* btnArq;
    QPushButton* btnMaturidade;  // the maturity dialog, for the same layers

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void Ok();
    void Importa();
    QString Celula(int linha, int coluna) const;
    void DefineCelula(int linha, int coluna, const QString& texto);

    Contexto& ctx_;
    LacoCamadas laco_;
    // The points were typed or imported since the layer was shown.
    bool gradeAlterada_ = false;
};
