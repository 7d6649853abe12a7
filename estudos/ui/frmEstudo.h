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
#include "core/ui/TrabalhoEmFundo.h"
#include "estudos/Estudo.h"
#include "estudos/MapaCalor.h"
#include "estudos/RodaEstudo.h"

class QChart;
class QChartView;

// "Estudo de Cronograma": the study edited (base problem, one row per parameter with its
// list of values, draw, limits), run on every core in a thread of its own with a progress
// bar that can be cancelled while the window stays responsive, the cases in a table that
// sorts by any column, and a heat map of one output over two parameters with the cells
// whose cases all pass marked.
class TfrmEstudo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEstudo(Contexto& ctx, QWidget* parent = nullptr);
    ~TfrmEstudo() override;

    void Abre();
    // The study as the fields give it; ErroConversao or ErroEntrada at the first bad field.
    TEstudo MontaEstudo() const;
    // Starts the run (false when the study was refused); Cancela asks it to stop.
    bool Rodar();
    void Cancela();
    bool Rodando() const { return trabalho_.Rodando(); }
    // Shows a study in the fields (its base file chosen).
    void MostraEstudo(const TEstudo& estudo);
    void AbrirEstudo();
    void SalvarEstudo();
    void SalvarResultados();
    // Redraws the map from the combo boxes; false when the choice was refused.
    bool DesenhaMapa();

    const TResultadoEstudo& Resultado() const { return resultado_; }
    const TMapaCalor& Mapa() const { return mapa_; }
    // The revision of the problem the cases came from; none without cases or when
    // they came from a file.
    std::optional<OrigemResultados> Origem() const;

    QRadioButton* rbProblemaAtual;
    QRadioButton* rbArquivo;
    QLineEdit* edProjeto;
    QPushButton* btnProjeto;
    QLineEdit* edAlturaTotal;
    QTableWidget* sgdParametros;  // column 0 "Variar" (checkable) with the name, 1 the values
    QLineEdit* edSorteados;
    QLineEdit* edSemente;
    QLineEdit* edLimTemperatura;
    QLineEdit* edLimDiferenca;
    QLineEdit* edLimIndice;
    QPushButton* btnRodar;
    QPushButton* btnCancelar;
    QProgressBar* pbEstudo;
    QLabel* lblSituacao;
    QTableWidget* sgdCasos;
    QComboBox* cbEixoX;
    QComboBox* cbEixoY;
    QComboBox* cbSaida;
    QChartView* cMapa;

private:
    void Termina(TResultadoEstudo resultado, const std::string& erro);
    void MostraCasos();
    void PreencheEscolhasMapa();

    Contexto& ctx_;
    QChart* grafico_ = nullptr;
    TrabalhoEmFundo trabalho_{this};
    long long total_ = 0;
    TEstudo estudo_;             // of the results shown
    TResultadoEstudo resultado_;
    TMapaCalor mapa_;
    std::optional<long> revisao_;  // of the problem the study shown started from
};
