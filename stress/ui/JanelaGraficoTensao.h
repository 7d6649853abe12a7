#pragma once
#include <QList>
#include <QPointF>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/PainelMalha.h"
#include "core/ui/CurvasTensao.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TPainelGrafico;
class QLineSeries;
class QVBoxLayout;

// What the two stress chart windows share: the chart with its legend below, the
// member drawing, the node (or hour) chooser, the extremes shown, the manual
// scale, and the menus of the four strength curves and of help.
class TJanelaGraficoTensao : public QWidget {
    Q_OBJECT
public:
    // Texts that differ between the two windows.
    struct Textos {
        QString janela, grafico, eixoX, rotuloEscolha, itemDiametral;
    };

    TJanelaGraficoTensao(Contexto& ctx, VarianteMalha variante, const Textos& textos, QWidget* parent = nullptr);

    // Redraws the layered member beside the chart.
    void DesenhaMalha();

    TPainelGrafico* cGrafico;
    TPainelMalha* painelMalha;
    QSpinBox* spseNo;
    QPushButton* btnVisualizar;
    QPushButton* btnApagar;
    QPushButton* btnVisuAmpliado;
    QGroupBox* gbxTensoes;
    QLineEdit* edTMax;
    QLineEdit* edTMin;
    QGroupBox* gbxEscala;
    QCheckBox* chkAutom;
    QLabel* lblEMax;
    QLabel* lblEMin;
    QLineEdit* edEMax;
    QLineEdit* edEMin;
    QPushButton* btnAplicar;
    QAction* TracaoFlexao;
    QAction* TracaoSimples;
    QAction* TracaoComprDiametral;
    QAction* Compressao;
    QAction* SalvarFigura;  // the chart as WMF, PNG, SVG or PDF

protected:
    // "Visualizar": the stress curve of the chosen node or hour.
    virtual void Visualizar() = 0;
    // A strength item: its curve for the chosen node or hour.
    virtual void Resistencia(CurvasTensao::TipoResistencia tipo) = 0;

    // Adds a strength curve; refuses one whose coefficients were never given, and
    // reports a vanishing denominator after keeping the points before it.
    void AdicionaResistencia(const QString& titulo, CurvasTensao::TipoResistencia tipo,
                             const CurvasTensao::CurvaResistencia& curva);
    // Puts a curve on the chart; the axis window also keeps its heights form.
    virtual QLineSeries* AdicionaCurva(const QString& titulo, const QList<QPointF>& pontos);
    // The column of controls beside the chart, for what a window adds of its own.
    QVBoxLayout* controles_ = nullptr;
    // Whether the strength window has given this kind its coefficients.
    bool ResistenciaDefinida(CurvasTensao::TipoResistencia tipo) const;

    Contexto& ctx_;

private:
    void chkAutomClick();
    void btnAplicarClick();
};
