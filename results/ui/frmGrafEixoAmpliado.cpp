#include "results/ui/frmGrafEixoAmpliado.h"

#include "core/ui/PainelGrafico.h"

TfrmGrafEixoAmpliado::TfrmGrafEixoAmpliado(Contexto& ctx, QWidget* parent)
    : TJanelaAmpliada(ctx, QStringLiteral("cGraficoEixoAmpl"), parent), cGraficoEixoAmpl(grafico_) {
    setObjectName(QStringLiteral("frmGrafEixoAmpliado"));
    setWindowTitle(QStringLiteral(" Gráfico do Eixo Ampliado"));
    cGraficoEixoAmpl->DefineTitulos(QStringLiteral("Nó X Temperatura"), QStringLiteral("Nó (m)"),
                                    QStringLiteral("Temperatura (Celcius)"));
    // Only the main profile chart has its legend below; here it stands at the side.
    cGraficoEixoAmpl->DefineLegenda(Qt::AlignRight);
}
