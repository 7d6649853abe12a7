#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
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
    // Shown at layer `camada` with what it holds, the labels of the unit system; it
    // closes when `chamador` (the dialog it was called from) closes.
    void Abre(int camada = 1, QWidget* chamador = nullptr);
    // The problem changed: an open dialog shows it.
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
    QPushButton* btnDosagem;  // the heat parameters from the mix, for the layer shown

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void Ok();
    void PreencheCamada(int n);
    // "O calor total é αu·C·E = …" beside the curve's C·E.
    void MostraCalorTotal();
    void Preenche(const TCalorInterno& c);
    void Habilita();

    Contexto& ctx_;
    LacoCamadas laco_;
    QPointer<QWidget> chamador_;
    int camadaMostrada_ = 1;
};
