#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/LacoCamadas.h"

// "Curva de Calmon - Calor Interno": per layer, the hydration curve's parameters
// or a constant heat rate.
class TfrmCalorInterno : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalorInterno(Contexto& ctx, QWidget* parent = nullptr);
    // Layer counter at "1" and the rate label of the unit system (the choice dialog
    // does this whichever way the heat is entered).
    void Prepara();
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

    QLabel* lbNCamada;
    QGroupBox* gbxVariavel;
    QLineEdit* edC;
    QLineEdit* edE;
    QLineEdit* edTr;
    QLineEdit* edn;
    QLineEdit* edb;
    QCheckBox* chkCalorIntConst;
    QLabel* lbCalorInt;
    QLineEdit* edCalorInt;
    QPushButton* btnOk;
    QPushButton* btnApagar;
    QPushButton* btnCancelar;
    QPushButton* btnMaturidade;  // the maturity dialog, for the same layers

private:
    void Ok();
    void ConstanteClicado(bool marcado);
    void HabilitaCampos(bool constante);
    void PreencheCamada(int n);

    Contexto& ctx_;
    LacoCamadas laco_;
};
