#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "core/ui/Contexto.h"
#include "core/ui/GuardaResultados.h"
#include "core/ui/Janelas.h"
#include "core/ui/TrabalhoEmFundo.h"
#include "incerteza/Incerteza.h"

class QChart;
class QChartView;

// "Estudo de Incerteza": the uncertain inputs with their distributions, the sampling and
// the limits edited; the samples run on every core in a thread of its own with a
// progress bar that can be cancelled; the samples in a table, the summary, histograms of
// the three outputs with their limits and a tornado of the rank correlations.
class TfrmIncerteza : public QWidget, public JanelaSecaoRelatorio {
    Q_OBJECT
public:
    explicit TfrmIncerteza(Contexto& ctx, QWidget* parent = nullptr);
    ~TfrmIncerteza() override;

    void Abre();
    // The study as the fields give it; ErroConversao or ErroEntrada at the first bad field.
    TEstudoIncerteza MontaEstudo() const;
    bool Rodar();
    void Cancela();
    bool Rodando() const { return trabalho_.Rodando(); }
    void MostraEstudo(const TEstudoIncerteza& estudo);
    void AbrirEstudo();
    void SalvarEstudo();
    void SalvarResultados();
    void SalvarFiguras();
    void DesenhaTornado();

    const TResultadoIncerteza& Resultado() const { return resultado_; }
    const TResumoIncerteza& Resumo() const { return resumo_; }
    std::optional<OrigemResultados> Origem() const;
    // The study's section of the report, when its results are of the problem as it stands
    // (or of a base file).
    bool AcrescentaAoRelatorio(TRelatorio& relatorio) const override;
    // Bars of the histogram of output k (0 peak, 1 difference, 2 index) as drawn.
    int BarrasHistograma(int k) const;

    QRadioButton* rbProblemaAtual;
    QRadioButton* rbArquivo;
    QLineEdit* edProjeto;
    QPushButton* btnProjeto;
    // Column 0 "Incerta" (checkable, with the name), 1 the distribution (a combo box),
    // 2 its parameters, 3 the truncation "mín; máx".
    QTableWidget* sgdEntradas;
    QLineEdit* edAmostras;
    QComboBox* cbMetodo;
    QLineEdit* edSemente;
    QLineEdit* edLimTemperatura;
    QLineEdit* edLimDiferenca;
    QLineEdit* edLimIndice;
    QPushButton* btnRodar;
    QPushButton* btnCancelar;
    QProgressBar* pbEstudo;
    QLabel* lblSituacao;
    QLabel* lblProbabilidades;
    QTableWidget* sgdAmostras;
    QTableWidget* sgdResumo;
    QChartView* cHistogramas[3];
    QComboBox* cbSaidaTornado;
    QChartView* cTornado;
    QWidget* painelGraficos;

private:
    void Termina(TResultadoIncerteza resultado, const std::string& erro);
    void MostraResultados();
    void DesenhaHistograma(int k);
    QComboBox* Distribuicao(int linha) const;

    Contexto& ctx_;
    QChart* histogramas_[3] = {};
    QChart* tornado_ = nullptr;
    int barras_[3] = {};
    TrabalhoEmFundo trabalho_{this};
    long long total_ = 0;
    TEstudoIncerteza estudo_;
    TResultadoIncerteza resultado_;
    TResumoIncerteza resumo_;
    std::optional<long> revisao_;
};
