#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "stress/IndiceFissuracao.h"

class TPainelGrafico;
class TAvisoFormulacaoUi;

// "Índice de Fissuração": per node, the minimum of I = f(idade)/|σ| over the hours in
// tension with its hour and probability of cracking, and the lift whose strength judges
// it (the soil under the member is left out); nodes below a limit are marked, and the
// index of chosen nodes is charted against time.
class TfrmIndiceFissuracao : public QWidget, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmIndiceFissuracao(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the window with the index of the stress table. Without a stress run it says
    // so; before the strengths were entered it asks for them and opens their window.
    void Abre() override;
    // Reads the curve and the limit and recomputes; false when something was refused.
    bool Calcula();
    // Adds the chart of the node in spseNo; removes every chart.
    void Visualizar();
    void Apagar();
    // "Salvar Índice": the save dialog, then the text file.
    void SalvarIndice();

    const TIndiceFissuracao& Indice() const { return indice_; }

    QComboBox* cbxCurva;
    QLineEdit* edLimite;
    QPushButton* btnCalcular;
    QLabel* lblCritico;
    QLabel* lblAbaixo;
    QLabel* lblFundacao;  // the soil's nodes left out, with "Fundação"
    // The classic index the consistent formulation puts on the other side of the limit.
    TAvisoFormulacaoUi* avisoFormulacao;
    QTableWidget* sgdIndices;
    QSpinBox* spseNo;
    QPushButton* btnVisualizar;
    QPushButton* btnApagar;
    TPainelGrafico* cGraficoIndice;

private:
    TCurvaTracao CurvaEscolhida() const;
    void Mostra();
    void AdicionaNo(int no);

    Contexto& ctx_;
    TIndiceFissuracao indice_;
    bool calculado_ = false;
};
