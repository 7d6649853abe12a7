// "Calibrar..." from the temperature chart: the fit of E to readings written by a run
// with E = 80, the report, the forecast with its band, and the values applied after
// the user confirms (and not when he declines).
#include "estudos/ui/frmCalibracao.h"

#include <QAction>
#include <QLineSeries>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/Projeto.h"
#include "core/ui/Janelas.h"
#include "analise/Analise.h"
#include "results/Medicoes.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmGrafico.h"

namespace {

const std::string Muro = std::string(NORVIK_FONTES) + "/exemplos/muro-10-camadas-cura.n1d.json";

class CalibracaoJanela : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<Aplicacao>(msg, arquivos);
        TDadosModelo& d = app->dados();
        Projeto::Le(Muro, d);
        auto verdade = std::make_unique<TDadosModelo>();
        Projeto::Le(Muro, *verdade);
        Progresso nada;
        const Analise ex = Analise::Executa(std::move(verdade), OpcoesAnalise{}, nada);
        for (double altura : {0.4, 0.9}) {
            TSensor s{"S", altura, {}};
            for (double h = 3; h <= 45; h += 3)
                if (const auto t = Medicoes::Calculada(*ex.Dados, ex.Temperaturas, altura, h)) s.Leituras.push_back({h, *t});
            d.Medicoes.push_back(s);
        }
        for (int L = 1; L <= d.NCamadas; ++L) d.CalorCamadas[L].E = 70;
        // Opened from the chart's menu, as the user reaches it.
        for (QAction* a : app->contexto().janelas.frmGrafico->findChild<QMenuBar*>()->actions())
            if (a->text() == QStringLiteral("&Calibrar...")) a->trigger();
        j = app->contexto().janelas.frmCalibracao;
        ASSERT_TRUE(j->isVisible());
    }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    std::unique_ptr<Aplicacao> app;
    TfrmCalibracao* j = nullptr;
};

TEST_F(CalibracaoJanela, AjustaMostraAPrevisaoEAplicaQuandoConfirmado) {
    j->findChild<QCheckBox*>(QStringLiteral("chkE"))->setChecked(true);
    j->edAte->setText(QStringLiteral("45"));
    QTest::mouseClick(j->btnCalibrar, Qt::LeftButton);
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    ASSERT_TRUE(j->Resultado().has_value());
    const double e = j->Resultado()->Valores[0].Ajustado;
    EXPECT_NEAR(e, 80.0, 0.2);
    EXPECT_EQ(j->memoRelatorio->toPlainText().toStdString(), j->Resultado()->Texto());

    // Per sensor the forecast, its band and the readings.
    EXPECT_EQ(j->cPrevisao->NumeroSeries(), 8);
    const auto linhas = j->cPrevisao->Series();
    ASSERT_EQ(linhas.size(), 6);
    for (int i = 0; i < linhas[0]->count(); i += 50) {
        EXPECT_LE(linhas[2]->at(i).y(), linhas[0]->at(i).y());
        EXPECT_GE(linhas[1]->at(i).y(), linhas[0]->at(i).y());
    }
    EXPECT_EQ(linhas[0]->points().back().x(), app->dados().TempoTotal);  // the whole analysis

    msg.respostas = {false};
    EXPECT_FALSE(j->Aplicar());
    EXPECT_EQ(app->dados().CalorCamadas[3].E, 70);
    msg.respostas = {true};
    EXPECT_TRUE(j->Aplicar());
    EXPECT_EQ(app->dados().CalorCamadas[3].E, e);
    EXPECT_FALSE(j->btnAplicar->isEnabled());
}

TEST_F(CalibracaoJanela, SemParametroRecusaENaoMostraNada) {
    QTest::mouseClick(j->btnCalibrar, Qt::LeftButton);
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("Escolha ao menos um parâmetro para a calibração."));
    EXPECT_FALSE(j->Resultado().has_value());
    EXPECT_EQ(j->cPrevisao->NumeroSeries(), 0);
    EXPECT_FALSE(j->btnAplicar->isEnabled());
}

// The checkboxes of the maturity parameters exist, and one the problem does not use is
// refused with why, before any fit.
TEST_F(CalibracaoJanela, ParametroQueNaoInfluiERecusadoComOMotivo) {
    j->findChild<QCheckBox*>(QStringLiteral("chkE"))->setChecked(true);
    j->findChild<QCheckBox*>(QStringLiteral("chktau"))->setChecked(true);
    j->edAte->setText(QStringLiteral("45"));
    QTest::mouseClick(j->btnCalibrar, Qt::LeftButton);
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("tau não influi: as camadas não usam o calor pela maturidade")))
        << msg.erros[0].toStdString();
    EXPECT_FALSE(j->Resultado().has_value());
}

// The warnings of a fit are said aloud, not only in the report (these readings are noise
// free, so whether there is one depends on the fit; the window shows exactly its warnings).
TEST_F(CalibracaoJanela, AvisosDoAjusteSaoMostrados) {
    for (const char* nome : {"chkE", "chkn", "chkb"}) j->findChild<QCheckBox*>(QString::fromUtf8(nome))->setChecked(true);
    j->edAte->setText(QStringLiteral("12"));
    QTest::mouseClick(j->btnCalibrar, Qt::LeftButton);
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    ASSERT_TRUE(j->Resultado().has_value());
    const TResultadoCalibracao& r = *j->Resultado();
    EXPECT_EQ(msg.informacoes.isEmpty(), r.Avisos.empty() && r.Convergiu);
    for (const std::string& a : r.Avisos) EXPECT_TRUE(msg.informacoes.back().contains(QString::fromStdString(a)));
    EXPECT_TRUE(j->memoRelatorio->toPlainText().contains(QStringLiteral("Correlação dos parâmetros ajustados")));
}

}  // namespace
