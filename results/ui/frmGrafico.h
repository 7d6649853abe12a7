#pragma once
#include <QWidget>
#include <vector>

#include "core/ui/Contexto.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TPainelGrafico;
class TPainelMalha;
class TComparacaoGrafico;
class QLineSeries;

// Temperature against time of chosen nodes, one curve per node, read from the
// temperature history; every curve also goes to the enlarged chart window.
class TfrmGrafico : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGrafico(Contexto& ctx, QWidget* parent = nullptr);

    // Upper limit of the node chooser.
    void DefineNoMaximo(int no);
    // Redraws the layered member beside the chart.
    void DesenhaMalha();

    TPainelGrafico* cGraficoNos;
    TPainelMalha* painelMalha;
    QSpinBox* spseNo;
    QPushButton* btnVisualizar;
    QPushButton* btnApagar;
    QPushButton* btnVisuAmpliado;
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
    QPushButton* btnAplicarHoriz;
    QPushButton* btnComparar;     // "Comparar com..."
    QLabel* lblComparacao;
    TComparacaoGrafico* comparacao;
    // The current problem ran again or was replaced: the comparison goes.
    void DescartaComparacao();
    QCheckBox* chkLimite;

    void btnVisualizarClick();
    void btnApagarClick();
    void chkAutomClick();
    void btnAplicarClick();
    void btnAplicarHorizClick();

    // "Medições...": reads a sensors file into the problem (the origin of edOrigem for
    // dates) and overlays it; "Sobrepor Medições": each sensor as markers over the curve
    // computed at its height, with the RMS of their differences in lblRMS.
    void ImportaMedicoes();
    void SobrepoeMedicoes();
    QLineEdit* edOrigem;
    QPushButton* btnMedicoes;
    QLabel* lblRMS;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    int NumeroNos() const;
    // The other project's curve of node `no` over the window's own, in both charts.
    void AdicionaComparada(int no, const QLineSeries* propria);
    void ComparacaoConcluida();
    // This chart and the enlarged one.
    std::vector<TPainelGrafico*> Paineis() const;

    Contexto& ctx_;
};
