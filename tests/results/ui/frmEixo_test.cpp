#include "results/ui/frmEixo.h"

#include <QChart>
#include <QCheckBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/Numeros.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmGrafEixoAmpliado.h"
#include "results/ui/frmGrafico.h"

namespace {

// Two layers of one element (3 nodes); layer 1 placed at hour 10, the analysis
// running to hour 13,7: table row r holds hour 10 + r.
class EixoTeste : public ::testing::Test {
protected:
    EixoTeste() : app(msg, arquivos), j(app.janelas()), f(*j.frmEixo), amp(*j.frmGrafEixoAmpliado) {
        TDadosModelo& d = app.dados();
        d.NCamadas = 2;
        d.NElemCamada = 1;
        d.Camadas[1].HoraConcretagem = 10;
        d.TempoTotal = 13.7;
        TabelaTexto& t = app.contexto().temperaturas;
        t.Redimensiona(4, 10);
        t.Limpa();
        t.Celula(0, 0) = "  Tempo[h]";
        for (int n = 1; n <= 3; ++n) t.Celula(n, 0) = "    Nó " + std::to_string(n);
        const double valores[3][3] = {{20.0, 21.5, 0.0}, {22.0, 0.0, 24.25}, {23.0, 26.0, 25.0}};
        for (int r = 1; r <= 3; ++r) {
            t.Celula(0, r) = Numeros::FormataFixo(10 + r, 7, 0);
            for (int n = 1; n <= 3; ++n) t.Celula(n, r) = Numeros::FormataFixo(valores[r - 1][n - 1], 7, 2);
        }
    }

    void Visualiza(const QString& hora) {
        f.seTempo->findChild<QLineEdit*>()->setText(hora);
        f.btnVisualizar->click();
    }
    QLineSeries* Ultima() { return f.cGraficoEixo->Series().back(); }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app;
    Janelas& j;
    TfrmEixo& f;
    TfrmGrafEixoAmpliado& amp;
};

TEST_F(EixoTeste, EstadoInicial) {
    EXPECT_EQ(f.windowTitle(),
              QStringLiteral("Norvik 1D") + QString(74, QLatin1Char(' ')) + QStringLiteral("Gráfico Eixo"));
    EXPECT_EQ(amp.windowTitle(), QStringLiteral(" Gráfico do Eixo Ampliado"));
    EXPECT_EQ(f.seTempo->value(), 1);
    EXPECT_EQ(f.edEMax->text(), QStringLiteral("Temper."));
    EXPECT_EQ(f.edEMin->text(), QStringLiteral("Temper."));
    EXPECT_FALSE(f.edEMin->isEnabled());
    EXPECT_TRUE(f.btnAplicar->isHidden());
    EXPECT_FALSE(f.btnAmpliar->isEnabled());
    EXPECT_EQ(f.cGraficoEixo->Grafico()->title(), QStringLiteral("Nó X Temperatura"));
    EXPECT_EQ(f.cGraficoEixo->EixoX()->titleText(), QStringLiteral("Nó (m)"));
}

// H1 + 1 reads row 1; zeros are left out; both charts get the curve.
TEST_F(EixoTeste, PerfilDaPrimeiraHoraDepoisDaConcretagem) {
    Visualiza("11");
    ASSERT_EQ(f.cGraficoEixo->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->name(), QStringLiteral("t= 11 h"));
    EXPECT_EQ(Ultima()->points(), (QList<QPointF>{{1, 20.0}, {2, 21.5}}));
    ASSERT_EQ(amp.cGraficoEixoAmpl->NumeroSeries(), 1);
    EXPECT_EQ(amp.cGraficoEixoAmpl->Series().front()->points(), Ultima()->points());
    EXPECT_EQ(amp.cGraficoEixoAmpl->Series().front()->name(), QStringLiteral("t= 11 h"));
    EXPECT_EQ(f.edTMax->text(), "21,5");
    EXPECT_EQ(f.edTMin->text(), "20");
    EXPECT_EQ(f.seTempo->minimum(), 11);
    EXPECT_EQ(f.seTempo->maximum(), 13);

    Visualiza("12");
    EXPECT_EQ(Ultima()->points(), (QList<QPointF>{{1, 22.0}, {3, 24.25}}));
    EXPECT_EQ(f.edTMax->text(), "24,25");
    EXPECT_EQ(f.edTMin->text(), "20");
}

struct CasoHora {
    const char* digitada;
    const char* titulo;
    int pontos;
};
class HoraForaDoIntervalo : public EixoTeste, public ::testing::WithParamInterface<CasoHora> {};

// Up to H1: the first computed hour (H1 itself holds no temperatures). Beyond the end: the last whole hour.
TEST_P(HoraForaDoIntervalo, VaiParaOLimite) {
    Visualiza(QString::fromUtf8(GetParam().digitada));
    ASSERT_EQ(f.cGraficoEixo->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->name(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(Ultima()->count(), GetParam().pontos);
    EXPECT_TRUE(msg.todas.isEmpty());
}
INSTANTIATE_TEST_SUITE_P(Eixo, HoraForaDoIntervalo,
                         ::testing::Values(CasoHora{"3", "t= 11 h", 2}, CasoHora{"10", "t= 11 h", 2},
                                           CasoHora{"13", "t= 13 h", 3}, CasoHora{"500", "t= 13 h", 3}));

// Typed key by key after the limits are set: "600" is not cut to "60" by the
// chooser but plotted as the last hour.
TEST_F(EixoTeste, HoraDigitadaAlemDoFimViraAUltima) {
    Visualiza("11");
    ASSERT_EQ(f.seTempo->maximum(), 13);
    f.seTempo->findChild<QLineEdit*>()->clear();
    QTest::keyClicks(f.seTempo, "600");
    EXPECT_EQ(f.seTempo->cleanText(), QStringLiteral("600"));
    f.btnVisualizar->click();
    EXPECT_EQ(Ultima()->name(), QStringLiteral("t= 13 h"));
    EXPECT_EQ(Ultima()->count(), 3);
    EXPECT_EQ(f.seTempo->value(), 13);
}

struct CasoPasso {
    const char* digitada;
    const char* titulo;
    int pontos;
};
class HoraComPassoDeDuas : public EixoTeste, public ::testing::WithParamInterface<CasoPasso> {};

// Steps of 2 h from hour 10 to 14: the table holds hours 12 and 14 in rows 1 and 2,
// and an hour between two steps goes to the nearest (halfway: the later).
TEST_P(HoraComPassoDeDuas, VaiAoInstanteCalculado) {
    TDadosModelo& d = app.dados();
    d.PassoTempo = 2;
    d.TempoTotal = 14;
    TabelaTexto& t = app.contexto().temperaturas;
    t.Redimensiona(4, 3);
    t.Celula(0, 1) = "12";
    t.Celula(0, 2) = "14";
    for (int n = 1; n <= 3; ++n) {
        t.Celula(n, 1) = Numeros::FormataFixo(30.0 + n, 7, 2);
        t.Celula(n, 2) = Numeros::FormataFixo(40.0 + n, 7, 2);
    }
    f.seTempo->findChild<QLineEdit*>()->clear();
    QTest::keyClicks(f.seTempo, GetParam().digitada);
    f.btnVisualizar->click();
    EXPECT_TRUE(msg.todas.isEmpty());
    ASSERT_EQ(f.cGraficoEixo->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->name(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(Ultima()->count(), GetParam().pontos);
    EXPECT_EQ(f.seTempo->minimum(), 12);
    EXPECT_EQ(f.seTempo->maximum(), 14);
    EXPECT_EQ(f.seTempo->singleStep(), 2);
}
INSTANTIATE_TEST_SUITE_P(Eixo, HoraComPassoDeDuas,
                         ::testing::Values(CasoPasso{"12", "t= 12 h", 3}, CasoPasso{"11", "t= 12 h", 3},
                                           CasoPasso{"13", "t= 14 h", 3}, CasoPasso{"600", "t= 14 h", 3},
                                           CasoPasso{"3", "t= 12 h", 3}));

TEST_F(EixoTeste, AplicarSoNoGraficoPrincipal) {
    Visualiza("13");
    const double maxAmpliado = amp.cGraficoEixoAmpl->EixoY()->max();
    f.chkAutom->click();
    EXPECT_TRUE(f.edEMax->isEnabled());
    EXPECT_FALSE(f.btnAplicar->isHidden());
    f.edEMin->setText("0");
    f.edEMax->setText("50");
    f.btnAplicar->click();
    EXPECT_DOUBLE_EQ(f.cGraficoEixo->EixoY()->min(), 0.0);
    EXPECT_DOUBLE_EQ(f.cGraficoEixo->EixoY()->max(), 50.0);
    EXPECT_DOUBLE_EQ(amp.cGraficoEixoAmpl->EixoY()->max(), maxAmpliado);

    f.edEMax->setText("Temper.");
    f.btnAplicar->click();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros.front(), QStringLiteral("'Temper.' não é um valor de ponto flutuante válido"));
    EXPECT_DOUBLE_EQ(f.cGraficoEixo->EixoY()->max(), 50.0);

    f.chkAutom->click();
    EXPECT_TRUE(f.btnAplicar->isHidden());
    EXPECT_DOUBLE_EQ(f.cGraficoEixo->EixoY()->min(), 23.0);
    EXPECT_DOUBLE_EQ(f.cGraficoEixo->EixoY()->max(), 26.0);
}

TEST_F(EixoTeste, ApagarLimpaOsDoisGraficos) {
    Visualiza("11");
    Visualiza("11");
    EXPECT_EQ(f.cGraficoEixo->NumeroSeries(), 2);
    f.btnApagar->click();
    EXPECT_EQ(f.cGraficoEixo->NumeroSeries(), 0);
    EXPECT_EQ(amp.cGraficoEixoAmpl->NumeroSeries(), 0);
    EXPECT_EQ(f.edTMax->text(), "21,5");
}

TEST_F(EixoTeste, MenuGraficoLevaAoGraficoComOLimiteDeNos) {
    f.show();
    const auto acoes = f.findChildren<QAction*>();
    QAction* grafico = nullptr;
    for (QAction* a : acoes)
        if (a->text() == QStringLiteral("Gráfico")) grafico = a;
    ASSERT_NE(grafico, nullptr);
    grafico->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(j.frmGrafico->isVisible());
    EXPECT_EQ(j.frmGrafico->spseNo->maximum(), 3);
    j.frmGrafico->close();
}

}  // namespace
