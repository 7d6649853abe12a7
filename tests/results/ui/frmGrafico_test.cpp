#include "results/ui/frmGrafico.h"

#include <QApplication>
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
#include "results/ui/frmGrafAmpliado.h"

namespace {

QList<QPointF> PontosDe(QLineSeries* s) { return s->points(); }

// A member of 1 layer with 2 elements (3 nodes) and a history of hours 1..5,
// where hour 6 was never written.
class GraficoTeste : public ::testing::Test {
protected:
    GraficoTeste() : app(msg, arquivos), j(app.janelas()), f(*j.frmGrafico), amp(*j.frmGrafAmpliado) {
        TDadosModelo& d = app.dados();
        d.NCamadas = 1;
        d.NElemCamada = 2;
        TabelaTexto& t = app.contexto().temperaturas;
        t.Redimensiona(4, 20);
        t.Limpa();
        t.Celula(0, 0) = "  Tempo[h]";
        const double valores[5][3] = {
            {20.5, 21.0, 22.0}, {25.25, 0.0, 23.0}, {30.0, 28.5, 24.0}, {0.0, 29.0, 25.0}, {27.75, 26.0, 18.5}};
        for (int r = 1; r <= 5; ++r) {
            t.Celula(0, r) = Numeros::FormataFixo(r, 7, 0);
            for (int n = 1; n <= 3; ++n) t.Celula(n, r) = Numeros::FormataFixo(valores[r - 1][n - 1], 7, 2);
        }
    }

    void Visualiza(const QString& no) {
        f.spseNo->findChild<QLineEdit*>()->setText(no);
        f.btnVisualizar->click();
    }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app;
    Janelas& j;
    TfrmGrafico& f;
    TfrmGrafAmpliado& amp;
};

TEST_F(GraficoTeste, EstadoInicial) {
    EXPECT_EQ(f.windowTitle(),
              QStringLiteral(" Norvik 1D") + QString(76, QLatin1Char(' ')) + QStringLiteral("Gráfico "));
    EXPECT_EQ(f.spseNo->value(), 1);
    EXPECT_EQ(f.spseNo->minimum(), 1);
    EXPECT_EQ(f.spseNo->toolTip(), QStringLiteral("Nó que se deseja Visualizar"));
    EXPECT_FALSE(f.btnVisuAmpliado->isEnabled());
    EXPECT_EQ(f.edTMax->text(), "30");
    EXPECT_EQ(f.edTMin->text(), "20");
    EXPECT_TRUE(f.chkAutom->isChecked());
    EXPECT_FALSE(f.edEMax->isEnabled());
    EXPECT_TRUE(f.edEMax->text().isEmpty());
    EXPECT_TRUE(f.btnAplicar->isHidden());
    EXPECT_FALSE(f.btnAplicarHoriz->isEnabled());
    EXPECT_EQ(f.edTMax->toolTip(), QStringLiteral("Temperaturas Máx. e Min. do(s)\n    Gráfico(s)  Visualizado(s) "));
    QChart* g = f.cGraficoNos->Grafico();
    EXPECT_EQ(g->title(), QStringLiteral(" Tempo X Temperatura"));
    EXPECT_EQ(f.cGraficoNos->EixoX()->titleText(), QStringLiteral("Tempo (horas)"));
    EXPECT_EQ(f.cGraficoNos->EixoY()->titleText(), QStringLiteral("Temperatura (Celcius)"));
    EXPECT_EQ(amp.windowTitle(), QStringLiteral("Gráfico Ampliado"));
    EXPECT_NE(f.findChild<QWidget*>("pbMalha"), nullptr);
}

// A zero cell is left out; the unwritten row ends the curve; both charts get it.
TEST_F(GraficoTeste, CurvaDoNoPulaZeroEParaNaLinhaVazia) {
    Visualiza("2");
    const QList<QPointF> esperado{{1, 21.0}, {3, 28.5}, {4, 29.0}, {5, 26.0}};
    ASSERT_EQ(f.cGraficoNos->NumeroSeries(), 1);
    QLineSeries* s = f.cGraficoNos->Series().front();
    EXPECT_EQ(s->name(), QStringLiteral("Nó:2"));
    EXPECT_EQ(PontosDe(s), esperado);
    ASSERT_EQ(amp.cGraficoNosAmpl->NumeroSeries(), 1);
    EXPECT_EQ(amp.cGraficoNosAmpl->Series().front()->name(), QStringLiteral("Nó:2"));
    EXPECT_EQ(PontosDe(amp.cGraficoNosAmpl->Series().front()), esperado);
    EXPECT_EQ(f.edTMax->text(), "29");
    EXPECT_EQ(f.edTMin->text(), "21");
    EXPECT_TRUE(f.btnVisuAmpliado->isEnabled());
    EXPECT_TRUE(msg.todas.isEmpty());
    // The automatic axes take the curve in.
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->min(), 21.0);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->max(), 29.0);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoX()->max(), 5.0);
}

struct CasoNo {
    const char* digitado;
    const char* titulo;
};
class NoForaDoIntervalo : public GraficoTeste, public ::testing::WithParamInterface<CasoNo> {};

TEST_P(NoForaDoIntervalo, VaiParaONoMaisProximo) {
    Visualiza(QString::fromUtf8(GetParam().digitado));
    ASSERT_EQ(f.cGraficoNos->NumeroSeries(), 1);
    EXPECT_EQ(f.cGraficoNos->Series().front()->name(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(f.spseNo->maximum(), 3);
}
INSTANTIATE_TEST_SUITE_P(Grafico, NoForaDoIntervalo,
                         ::testing::Values(CasoNo{"0", "Nó:1"}, CasoNo{"-4", "Nó:1"}, CasoNo{"3", "Nó:3"},
                                           CasoNo{"99", "Nó:3"}));

// Typed key by key, as a user does: the box takes any whole number, the plot brings
// it into the member (the node shown before stays out of it).
struct CasoTeclas {
    const char* teclas;
    const char* titulo;
    const char* mostrado;
};
class NoDigitado : public GraficoTeste, public ::testing::WithParamInterface<CasoTeclas> {};

TEST_P(NoDigitado, ForaDoMembroVaiAoNoMaisProximo) {
    Visualiza("2");  // the chooser's limit is now the node count, 3
    f.spseNo->selectAll();
    QTest::keyClicks(f.spseNo, QString::fromUtf8(GetParam().teclas));
    QTest::mouseClick(f.btnVisualizar, Qt::LeftButton);
    ASSERT_EQ(f.cGraficoNos->NumeroSeries(), 2);
    EXPECT_EQ(f.cGraficoNos->Series().back()->name(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(f.spseNo->text(), QString::fromUtf8(GetParam().mostrado));
}
INSTANTIATE_TEST_SUITE_P(Grafico, NoDigitado,
                         ::testing::Values(CasoTeclas{"0", "Nó:1", "1"}, CasoTeclas{"999", "Nó:3", "3"},
                                           CasoTeclas{"30", "Nó:3", "3"}, CasoTeclas{"1", "Nó:1", "1"}));

// Ticking and unticking "Automática" shows and hides the vertical-axis button
// without moving any other control.
TEST_F(GraficoTeste, AutomaticaNaoMoveOsOutrosControles) {
    f.resize(900, 600);
    f.show();
    QApplication::processEvents();
    const QList<QWidget*> outros{f.btnAplicarHoriz, f.edEMin, f.edEMax, f.edTMin, f.btnVisualizar, f.chkAutom};
    auto posicoes = [&] {
        QList<QRect> r;
        for (QWidget* w : outros) r << QRect(w->mapTo(&f, QPoint(0, 0)), w->size());
        return r;
    };
    const QList<QRect> antes = posicoes();
    QTest::mouseClick(f.chkAutom, Qt::LeftButton, {}, QPoint(6, f.chkAutom->height() / 2));
    QApplication::processEvents();
    ASSERT_FALSE(f.chkAutom->isChecked());
    ASSERT_TRUE(f.btnAplicar->isVisible());
    EXPECT_EQ(posicoes(), antes);
    QTest::mouseClick(f.chkAutom, Qt::LeftButton, {}, QPoint(6, f.chkAutom->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(posicoes(), antes);
}

TEST_F(GraficoTeste, ExtremosSobreTodasAsCurvasEDepoisDeApagar) {
    Visualiza("1");
    EXPECT_EQ(f.edTMax->text(), "30");
    EXPECT_EQ(f.edTMin->text(), "20,5");
    Visualiza("3");
    EXPECT_EQ(f.edTMax->text(), "30");
    EXPECT_EQ(f.edTMin->text(), "18,5");
    Visualiza("3");  // the same node twice draws it twice
    EXPECT_EQ(f.cGraficoNos->NumeroSeries(), 3);
    EXPECT_EQ(amp.cGraficoNosAmpl->NumeroSeries(), 3);

    f.btnApagar->click();
    EXPECT_EQ(f.cGraficoNos->NumeroSeries(), 0);
    EXPECT_EQ(amp.cGraficoNosAmpl->NumeroSeries(), 0);
    EXPECT_EQ(f.edTMax->text(), "30");
    EXPECT_EQ(f.edTMin->text(), "18,5");
    Visualiza("2");
    EXPECT_EQ(f.edTMax->text(), "29");
    EXPECT_EQ(f.edTMin->text(), "21");
}

TEST_F(GraficoTeste, EscalaManualEEixoDoTempoQuePermaneceManual) {
    Visualiza("1");
    f.chkAutom->click();
    EXPECT_TRUE(f.edEMax->isEnabled());
    EXPECT_TRUE(f.edEMin->isEnabled());
    EXPECT_TRUE(f.btnAplicarHoriz->isEnabled());
    EXPECT_FALSE(f.btnAplicar->isHidden());
    EXPECT_TRUE(f.btnAplicar->isEnabled());

    f.edEMin->setText("10");
    f.edEMax->setText("40,5");
    f.btnAplicar->click();
    for (TPainelGrafico* p : {f.cGraficoNos, amp.cGraficoNosAmpl}) {
        EXPECT_DOUBLE_EQ(p->EixoY()->min(), 10.0);
        EXPECT_DOUBLE_EQ(p->EixoY()->max(), 40.5);
    }
    f.edEMin->setText("2");
    f.edEMax->setText("4");
    f.btnAplicarHoriz->click();
    for (TPainelGrafico* p : {f.cGraficoNos, amp.cGraficoNosAmpl}) {
        EXPECT_DOUBLE_EQ(p->EixoX()->min(), 2.0);
        EXPECT_DOUBLE_EQ(p->EixoX()->max(), 4.0);
    }
    // A new curve does not move manual axes.
    Visualiza("3");
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->min(), 10.0);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoX()->max(), 4.0);

    f.chkAutom->click();
    EXPECT_FALSE(f.edEMax->isEnabled());
    EXPECT_TRUE(f.btnAplicar->isHidden());
    EXPECT_FALSE(f.btnAplicarHoriz->isEnabled());
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->min(), 18.5);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->max(), 30.0);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoX()->min(), 2.0);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoX()->max(), 4.0);
    // The enlarged chart keeps the bounds applied to it.
    EXPECT_DOUBLE_EQ(amp.cGraficoNosAmpl->EixoY()->max(), 40.5);
    EXPECT_TRUE(msg.todas.isEmpty());
}

TEST_F(GraficoTeste, LimiteInvalidoDeixaOEixoManualComOsLimitesAnteriores) {
    Visualiza("1");
    f.chkAutom->click();
    const double minimo = f.cGraficoNos->EixoY()->min();
    const double maximo = f.cGraficoNos->EixoY()->max();
    f.edEMin->setText("abc");
    f.edEMax->setText("40");
    f.btnAplicar->click();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros.front(), QStringLiteral("'abc' não é um valor de ponto flutuante válido"));
    EXPECT_FALSE(f.cGraficoNos->VerticalAutomatica());
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->min(), minimo);
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->max(), maximo);
    // Being manual, a new curve no longer moves it.
    Visualiza("3");
    EXPECT_DOUBLE_EQ(f.cGraficoNos->EixoY()->min(), minimo);
}

TEST_F(GraficoTeste, AmpliarMostraAJanelaAmpliada) {
    Visualiza("1");
    f.btnVisuAmpliado->click();
    EXPECT_TRUE(amp.isVisible());
    amp.btnVoltar->click();
    EXPECT_FALSE(amp.isVisible());
    f.btnApagar->click();
    EXPECT_FALSE(f.btnVisuAmpliado->isEnabled());
}

}  // namespace
