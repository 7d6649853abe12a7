// The stress-time chart: node curves read back from the stress table and the
// strength curves of the node's layer.
#include <QApplication>
#include <QLineSeries>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

#include "TabelaNumerica.h"
#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/ui/Janelas.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ui/frmGraficoTensional.h"
#include "stress/Restricao.h"
#include "core/ui/CurvasTensao.h"
#include "stress/ui/MembroTensional.h"

namespace {

using CurvasTensao::TipoResistencia;

class GraficoTensional : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    TDadosModelo& d = app.dados();
    TabelaTexto& tensoes = app.contexto().tensoes;
    TfrmGraficoTensional* g = app.janelas().frmGraficoTensional;

    void SetUp() override {
        MembroTensional::Prepara(d, app.contexto().temperaturas);
        MembroTensional::PreparaTensoes(tensoes, [](int n, int r) { return -n * r / 1000.0; });
        SincronizaNumeros(app.contexto());
        d.ResistFlexaoA = 0.54128;
        d.ResistFlexaoB = 0.189165;
        d.ResistComprA = 0.0532665;
        d.ResistComprB = 0.0311677;
        g->Abre();
    }
    QLineSeries* Ultima() { return g->cGrafico->Series().back(); }
};

TEST_F(GraficoTensional, NoForaDaFaixaVaiAoUltimoEZeroEhPlotado) {
    tensoes.Celula(9, 30) = " 0,0000";
    SincronizaNumeros(app.contexto());  // the chart reads the numeric history
    g->spseNo->setMaximum(100000);
    g->spseNo->setValue(999);
    QTest::mouseClick(g->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(g->spseNo->value(), 9);
    EXPECT_EQ(g->spseNo->maximum(), 9);
    ASSERT_EQ(g->cGrafico->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->name(), QStringLiteral("Nó:9"));
    const QList<QPointF> pontos = Ultima()->points();
    ASSERT_EQ(pontos.size(), 48);  // the 24 empty cells before layer 2 are skipped
    EXPECT_EQ(pontos[0], QPointF(MembroTensional::Hora2 + 1, -9 * 25 / 1000.0));
    EXPECT_EQ(pontos[5], QPointF(36, 0.0));
    EXPECT_EQ(g->edTMax->text(), QStringLiteral("0"));
    EXPECT_EQ(g->edTMin->text(), QStringLiteral("-0,648"));
}

// Typed key by key, as a user does: the box refuses no whole number.
class NoDigitadoTensao : public GraficoTensional,
                         public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(NoDigitadoTensao, ForaDoMembroVaiAoNoMaisProximo) {
    g->spseNo->setValue(5);
    g->spseNo->selectAll();
    QTest::keyClicks(g->spseNo, QString::fromLatin1(GetParam().first));
    QTest::mouseClick(g->btnVisualizar, Qt::LeftButton);
    ASSERT_EQ(g->cGrafico->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->name(), QString::fromUtf8(GetParam().second));
}
INSTANTIATE_TEST_SUITE_P(Teclas, NoDigitadoTensao,
                         ::testing::Values(std::pair{"0", "Nó:1"}, std::pair{"999", "Nó:9"},
                                           std::pair{"12", "Nó:9"}));

// A lowest value of 15 significant digits shows its minus sign and all its digits.
TEST_F(GraficoTensional, MinimoLongoMostraOSinal) {
    g->resize(1000, 640);
    g->show();
    g->cGrafico->AdicionaSerie(QStringLiteral("Nó:1"), {QPointF(1, -0.123456789012345), QPointF(2, 1.5)});
    g->cGrafico->MostraExtremos(g->edTMax, g->edTMin);
    QApplication::processEvents();
    ASSERT_EQ(g->edTMin->text(), QStringLiteral("-0,123456789012345"));
    EXPECT_EQ(g->edTMin->cursorPosition(), 0);
    EXPECT_GE(g->edTMin->width(), g->edTMin->fontMetrics().horizontalAdvance(g->edTMin->text()) + 8);
}

// In a member of 4 elements per layer nodes 1 to 5 take layer 1 (the joint, node 5, is the
// lower layer's, as in the stress run) and nodes 6 to 9 layer 2: a node's strength starts
// with its own stresses.
struct CasoCamada {
    int no;
    int primeiraHora;
};
class ResistenciaPorNo : public GraficoTensional, public ::testing::WithParamInterface<CasoCamada> {};

TEST_P(ResistenciaPorNo, ComecaDepoisDaConcretagemDaCamadaCerta) {
    const CasoCamada c = GetParam();
    g->spseNo->setValue(c.no);
    g->TracaoFlexao->trigger();
    g->Compressao->trigger();
    ASSERT_EQ(g->cGrafico->NumeroSeries(), 2);
    const QList<QLineSeries*> series = g->cGrafico->Series();
    EXPECT_EQ(series[0]->name(), QStringLiteral("Tração Flexão"));
    EXPECT_EQ(series[1]->name(), QStringLiteral("Compressão"));
    const QList<QPointF> flexao = series[0]->points();
    ASSERT_EQ(flexao.size(), 78 - c.primeiraHora);
    EXPECT_EQ(flexao[0].x(), c.primeiraHora + 1);
    EXPECT_DOUBLE_EQ(flexao[0].y(), -CurvaResistencia(1.0 / 24, d.ResistFlexaoA, d.ResistFlexaoB));
    EXPECT_DOUBLE_EQ(series[1]->points()[23].y(), CurvaResistencia(1.0, d.ResistComprA, d.ResistComprB));
    int primeira = 1;
    while (tensoes.Celula(c.no, primeira).empty()) ++primeira;
    EXPECT_EQ(flexao[0].x(), tensoes.Valor(0, primeira));
}
INSTANTIATE_TEST_SUITE_P(Nos, ResistenciaPorNo,
                         ::testing::Values(CasoCamada{3, MembroTensional::Hora1}, CasoCamada{4, MembroTensional::Hora1},
                                           CasoCamada{5, MembroTensional::Hora1}, CasoCamada{6, MembroTensional::Hora2},
                                           CasoCamada{9, MembroTensional::Hora2}));

TEST_F(GraficoTensional, ResistenciaAntesDasTensoesResistentesPedeOsDados) {
    g->TracaoSimples->trigger();  // never confirmed: a and b are zero
    EXPECT_EQ(g->cGrafico->NumeroSeries(), 0);
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith(QStringLiteral("Entre primeiro com as Tensões Resistentes")));
    EXPECT_TRUE(msg.erros.isEmpty());
}

TEST_F(GraficoTensional, DenominadorNuloGuardaOsPontosAnterioresEAvisa) {
    d.ResistTracaoA = 1.0;
    d.ResistTracaoB = -24.0;  // a + b·z = 0 at z = 1/24: the first point
    g->TracaoSimples->trigger();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("Divisão por zero")));
    ASSERT_EQ(g->cGrafico->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->count(), 0);
}

TEST_F(GraficoTensional, AjudaEscalaManualEApagar) {
    for (QAction* a : g->findChildren<QAction*>()) {
        if (a->text() == QStringLiteral("Convenção de Sinal")) a->trigger();
        if (a->text() == QStringLiteral("Visualização Gráfico")) a->trigger();
    }
    ASSERT_EQ(msg.informacoes.size(), 2);
    EXPECT_EQ(msg.informacoes[0], QStringLiteral("Tensão de Compressão => POSITIVA; Tensão de Tração => NEGATIVA."));
    EXPECT_EQ(msg.informacoes[1], QStringLiteral("Mover => Manter Pressionado Botão esq. Mouse; Ampliar => Manter "
                                                 "Pressionado Botão Dir. Mouse."));
    EXPECT_FALSE(g->edEMax->isEnabled());
    EXPECT_FALSE(g->btnAplicar->isVisibleTo(g));
    g->chkAutom->click();
    EXPECT_TRUE(g->edEMax->isEnabled());
    EXPECT_TRUE(g->lblEMin->isEnabled());
    EXPECT_TRUE(g->btnAplicar->isVisibleTo(g));
    g->edEMin->setText(QStringLiteral("-2,5"));
    g->edEMax->setText(QStringLiteral("4"));
    QTest::mouseClick(g->btnAplicar, Qt::LeftButton);
    EXPECT_FALSE(g->cGrafico->VerticalAutomatica());
    g->edEMax->setText(QStringLiteral("x"));
    QTest::mouseClick(g->btnAplicar, Qt::LeftButton);
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("'x' não é um valor de ponto flutuante válido"));
    g->chkAutom->click();
    EXPECT_TRUE(g->cGrafico->VerticalAutomatica());
    EXPECT_FALSE(g->edEMax->isEnabled());

    QTest::mouseClick(g->btnVisualizar, Qt::LeftButton);
    QTest::mouseClick(g->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(g->cGrafico->NumeroSeries(), 2);
    QTest::mouseClick(g->btnApagar, Qt::LeftButton);
    EXPECT_EQ(g->cGrafico->NumeroSeries(), 0);
}

}  // namespace
