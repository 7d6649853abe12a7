#include "core/ui/ProgressoJanela.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

#include "core/ui/Gauge.h"

namespace {

struct Janela {
    Gauge gauge;
    QProgressBar barra;
    QLabel painel;
    Janela() {
        barra.setRange(0, 100);
        barra.hide();
    }
};

TEST(ProgressoJanela, MuitosAvisosPoucasRepinturasEOUltimoValorNoFim) {
    Janela w;
    ProgressoJanela p(&w.gauge, &w.barra, &w.painel);
    constexpr int passos = 200000;
    p.MostraBarra();
    p.MaximoGauge(passos);
    for (int i = 1; i <= passos; ++i) {
        p.PosicaoBarra(i % 250);  // beyond the bar's range on large members
        p.Status(i % 2 ? "Resolvendo Sistema Linear ..." : "Fazendo Retrosubstituição...");
        p.PosicaoGauge(i);
        p.Repinta();
    }
    // Repaints are paced by the clock, not by the number of reports.
    EXPECT_LT(p.Repinturas(), passos / 100);
    p.PosicaoBarra(250);
    p.Status("                         Sistema Resolvido ");
    p.Conclui();
    EXPECT_EQ(w.gauge.maxValue(), passos);
    EXPECT_EQ(w.gauge.progress(), passos);
    EXPECT_EQ(w.gauge.percentual(), 100);
    EXPECT_FALSE(w.barra.isHidden());
    EXPECT_EQ(w.barra.value(), 100);
    EXPECT_EQ(w.painel.text(), QString::fromUtf8("                         Sistema Resolvido "));
}

TEST(Gauge, PercentualInteiroEMaximoNulo) {
    Gauge g;
    g.setMaxValue(3);
    g.setProgress(2);
    EXPECT_EQ(g.percentual(), 66);
    g.setProgress(7);
    EXPECT_EQ(g.progress(), 3);
    g.setMaxValue(0);  // a run whose total time equals its first placement
    EXPECT_EQ(g.percentual(), 0);
    EXPECT_EQ(g.progress(), 0);
}

}  // namespace
