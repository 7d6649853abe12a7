#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>
#include <vector>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "obra/DadosObra.h"

// "Dimensões em Planta": the plan size of the block, or "membro extenso" (a member of
// unlimited plan, without side loss); the coefficient of its bare sides; per lift, the
// forms and blankets of its sides with the hours (after the lift's placement) they go
// on and come off, as for the top. It shows the plan Biot number of each lift and warns
// where the lumped side loss is inaccurate. The lifts' lists are edited together and
// "Ok" stores the whole as one change of the history (nothing when nothing changed).
class TfrmLaterais : public QWidget, public JanelaEstado {
    Q_OBJECT
public:
    explicit TfrmLaterais(Contexto& ctx, QWidget* parent = nullptr);
    void Abre() override;
    // Everything as the stored problem holds it.
    void MostraEstado() override;

    QRadioButton* rbExtenso;
    QRadioButton* rbFinito;
    QLineEdit* edComprimento;
    QLineEdit* edLargura;
    QLineEdit* edCoeficiente;
    QSpinBox* spnCamada;
    QTableWidget* sgdProtecoes;
    QComboBox* cbxPredefinicoes;
    QPushButton* btnAcrescentar;
    QPushButton* btnRemover;
    QPushButton* btnCopiarTodas;
    QTableWidget* sgdBiot;
    QLabel* lbAviso;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

private:
    // The rows of the lift shown into the lists being edited (ErroEntrada on a bad row).
    void GuardaTabela();
    void MostraCamada(int camada);
    // The sides as the dialog holds them, over the stored site (ErroEntrada on a bad field).
    TDadosObra Edicao();
    void AtualizaBiot();
    void Ok();

    Contexto& ctx_;
    std::vector<std::vector<TProtecao>> protecoes_;  // of lift L at index L
    int camadaMostrada_ = 1;
    bool mostrando_ = false;
};
