// The stress profile along the axis at a chosen hour.
#include <QLineEdit>
#include <QCheckBox>
#include <QLineSeries>
#include <QValueAxis>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/ui/Janelas.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ui/frmEixoTensional.h"
#include "stress/Restricao.h"
#include "stress/ui/MembroTensional.h"

namespace {

class EixoTensional : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    TDadosModelo& d = app.dados();
    TabelaTexto& tensoes = app.contexto().tensoes;
    TfrmEixoTensional* e = app.janelas().frmEixoTensional;

    void SetUp() override {
        MembroTensional::Prepara(d, app.contexto().temperaturas);
        MembroTensional::PreparaTensoes(tensoes, [](int n, int r) { return n + r / 100.0; });
        e->Abre();
    }
    QLineSeries* Ultima() { return e->cGrafico->Series().back(); }
};

struct CasoHora {
    int digitada;
    int usada;
    int linha;
    int pontos;
};
class PerfilHora : public EixoTensional, public ::testing::WithParamInterface<CasoHora> {};

TEST_P(PerfilHora, LeALinhaDaHoraLimitadaAoHistorico) {
    const CasoHora c = GetParam();
    e->spseNo->setMaximum(100000);
    e->spseNo->setMinimum(0);
    e->spseNo->setValue(c.digitada);
    QTest::mouseClick(e->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(e->spseNo->value(), c.usada);
    EXPECT_EQ(e->spseNo->minimum(), MembroTensional::Hora1 + 1);
    EXPECT_EQ(e->spseNo->maximum(), 78);
    ASSERT_EQ(e->cGrafico->NumeroSeries(), 1);
    EXPECT_EQ(Ultima()->name(), QStringLiteral("Hora:") + QString::number(c.usada));
    const QList<QPointF> pontos = Ultima()->points();
    ASSERT_EQ(pontos.size(), c.pontos);
    for (const QPointF& p : pontos)
        EXPECT_EQ(Numeros::FormataFixo(p.y(), 7, 4), tensoes.Celula(static_cast<int>(p.x()), c.linha));
}
INSTANTIATE_TEST_SUITE_P(Horas, PerfilHora,
                         ::testing::Values(CasoHora{7, 7, 1, 5},      // H1 + 1 reads row 1; layer 2 not yet placed
                                           CasoHora{2, 7, 1, 5},      // below the placement of layer 1
                                           CasoHora{40, 40, 34, 9},   // both layers
                                           CasoHora{500, 78, 72, 9}));  // beyond TempoTotal

// Typed key by key once the limits are set: "600" is not cut to "60" but plotted as
// the last hour, "3" as the first.
TEST_F(EixoTensional, HoraDigitadaForaDosLimitesVaiAoLimite) {
    QTest::mouseClick(e->btnVisualizar, Qt::LeftButton);
    ASSERT_EQ(e->spseNo->maximum(), 78);
    for (const auto& [digitada, usada] : {std::pair{"600", 78}, std::pair{"3", MembroTensional::Hora1 + 1}}) {
        e->spseNo->findChild<QLineEdit*>()->clear();
        QTest::keyClicks(e->spseNo, digitada);
        QTest::mouseClick(e->btnVisualizar, Qt::LeftButton);
        EXPECT_EQ(Ultima()->name(), QStringLiteral("Hora:") + QString::number(usada)) << digitada;
    }
    EXPECT_TRUE(msg.todas.isEmpty());
}

TEST_F(EixoTensional, ResistenciaNaIdadeDaHoraAbsoluta) {
    d.ResistComprA = 0.0532665;
    d.ResistComprB = 0.0311677;
    d.ResistDiametralA = 0.525694;
    d.ResistDiametralB = 0.272113;
    e->spseNo->setValue(48);
    e->Compressao->trigger();
    e->TracaoComprDiametral->trigger();
    ASSERT_EQ(e->cGrafico->NumeroSeries(), 2);
    const QList<QLineSeries*> series = e->cGrafico->Series();
    EXPECT_EQ(series[0]->name(), QStringLiteral("Compres.48"));
    EXPECT_EQ(series[1]->name(), QStringLiteral("TraçãoC.Diâm.48"));
    ASSERT_EQ(series[0]->count(), 9);
    EXPECT_DOUBLE_EQ(series[0]->at(8).y(), CurvaResistencia(2.0, d.ResistComprA, d.ResistComprB));
    EXPECT_DOUBLE_EQ(series[1]->at(0).y(), -CurvaResistencia(2.0, d.ResistDiametralA, d.ResistDiametralB));
    EXPECT_EQ(e->TracaoComprDiametral->text(), QStringLiteral("Tração por C. &Diâmetral"));
}

// Against heights: the stress profile and a strength line along the axis both move to
// y (two layers of 1 m, four elements each), and come back to the node numbers.
TEST_F(EixoTensional, PerfilEResistenciaEmAlturas) {
    d.ResistComprA = 0.0532665;
    d.ResistComprB = 0.0311677;
    e->spseNo->setValue(40);
    QTest::mouseClick(e->btnVisualizar, Qt::LeftButton);
    e->chkAlturas->click();
    e->Compressao->trigger();
    ASSERT_EQ(e->cGrafico->NumeroSeries(), 2);
    EXPECT_EQ(e->cGrafico->EixoX()->titleText(), QStringLiteral("Altura y (m)"));
    for (QLineSeries* s : e->cGrafico->Series()) {
        ASSERT_EQ(s->count(), 9) << s->name().toStdString();
        for (int i = 0; i < 9; ++i) EXPECT_EQ(s->at(i).x(), 0.25 * i) << s->name().toStdString();
    }
    EXPECT_EQ(Numeros::FormataFixo(e->cGrafico->Series()[0]->at(4).y(), 7, 4), tensoes.Celula(5, 34));
    e->chkAlturas->click();
    EXPECT_EQ(e->cGrafico->EixoX()->titleText(), QStringLiteral("Nó"));
    EXPECT_EQ(e->cGrafico->Series()[1]->at(8).x(), 9.0);
}

}  // namespace
