#pragma once
#include <QWidget>
#include <vector>

#include "core/ui/CaixaHora.h"
#include "core/ui/Contexto.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TPainelGrafico;
class TPainelMalha;
class TComparacaoGrafico;
class QLineSeries;

// Temperature of every node at chosen hours (profiles along the member's axis),
// read from the temperature history; every curve also goes to the enlarged window.
class TfrmEixo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEixo(Contexto& ctx, QWidget* parent = nullptr);

    // Limits of the instant chooser seTempo (computed instants with a step above one hour).
    void DefineLimitesHora(int minimo, int maximo);
    // Redraws the layered member beside the chart.
    void DesenhaMalha();

    TPainelGrafico* cGraficoEixo;
    TPainelMalha* painelMalha;
    TCaixaHora* seTempo;
    QPushButton* btnVisualizar;
    QPushButton* btnApagar;
    QPushButton* btnAmpliar;
    QGroupBox* gbxTemperaturas;
    QLineEdit* edTMax;
    QLineEdit* edTMin;
    QGroupBox* gbxEscala;
    QCheckBox* chkAutom;
    QLabel* lblEMax;
    QLabel* lblEMin;
    QLineEdit* edEMax;
    QLineEdit* edEMin;
    QPushButton* btnAplicar;
    // Profiles against the node's height instead of its number.
    QCheckBox* chkAlturas;
    QPushButton* btnComparar;  // "Comparar com..."
    QLabel* lblComparacao;
    TComparacaoGrafico* comparacao;
    // The current problem ran again or was replaced: the comparison goes.
    void DescartaComparacao();
    QCheckBox* chkLimite;

    void btnVisualizarClick();
    void btnApagarClick();
    void chkAutomClick();
    void btnAplicarClick();
    void chkAlturasClick();
    bool EmAlturas() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // The other project's profile at hour `hora` over the window's own, in both charts.
    void AdicionaComparada(int hora, const QLineSeries* propria);
    void ComparacaoConcluida();
    // This chart and the enlarged one.
    std::vector<TPainelGrafico*> Paineis() const;

    Contexto& ctx_;
};
