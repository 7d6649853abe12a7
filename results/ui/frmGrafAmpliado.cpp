#include "results/ui/frmGrafAmpliado.h"

#include "core/ui/PainelGrafico.h"

TfrmGrafAmpliado::TfrmGrafAmpliado(Contexto& ctx, QWidget* parent)
    : TJanelaAmpliada(ctx, QStringLiteral("cGraficoNosAmpl"), parent), cGraficoNosAmpl(grafico_) {
    setObjectName(QStringLiteral("frmGrafAmpliado"));
    setWindowTitle(QStringLiteral("Gráfico Ampliado"));
    cGraficoNosAmpl->DefineTitulos(QStringLiteral(" Tempo X Temperatura"), QStringLiteral("Tempo (horas)"),
                                   QStringLiteral("Temperatura (Celcius)"));
}
