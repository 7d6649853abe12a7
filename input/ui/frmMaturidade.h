#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/LacoCamadas.h"

// "Maturidade - Calor Interno": per layer, whether the heat follows the equivalent
// age of the concrete at its own temperature, and the parameters of that model.
// With the hydration curve it takes the curve Q(te) (αu, τ, β) and the Arrhenius
// factor (Ea, TRef); with the calorimeter table only the factor, the curve being
// the table itself.
class TfrmMaturidade : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMaturidade(Contexto& ctx, QWidget* parent = nullptr);
    // Layer counter at "1", the labels of the unit system, the fields with what layer 1
    // holds; shown.
    void Abre();
    // After a project file is opened: an open dialog shows the new state.
    void MostraEstado();

    QLabel* lbNCamada;
    QCheckBox* chkMaturidade;
    QGroupBox* gbxCurva;
    QLineEdit* edAlfaU;
    QLineEdit* edTau;
    QLineEdit* edBetaHid;
    QGroupBox* gbxArrhenius;
    QLabel* lbEnergiaAtivacao;
    QLineEdit* edEnergiaAtivacao;
    QLineEdit* edTRef;
    QLabel* lbOrigem;
    QPushButton* btnOk;
    QPushButton* btnPadroes;
    QPushButton* btnCancelar;

private:
    void Ok();
    void Preenche(const TCalorInterno& c);
    void Habilita();

    Contexto& ctx_;
    LacoCamadas laco_;
};
