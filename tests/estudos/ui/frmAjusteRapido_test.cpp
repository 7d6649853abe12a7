// "Ajuste Rápido" from the results window: the levers each problem has, a change that
// leaves the problem alone and shows the trial's own numbers, an older run dropped for a
// newer one, the values applied as one undoable change, and another project read again.
#include "estudos/ui/frmAjusteRapido.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "FalsosQt.h"
#include "analise/Analise.h"
#include "app/ui/Aplicacao.h"
#include "app/ui/frmEntradaDados.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/GuardaResultados.h"
#include "core/ui/Janelas.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmResultados.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

int Parametro(const char* chave) { return Estudo::IndiceParametro(chave); }

class AjusteJanela : public ::testing::Test {
protected:
    void Abre(const char* arquivo) {
        app = std::make_unique<Aplicacao>(msg, arquivos);
        Janelas& js = app->janelas();
        js.frmEntradaDados->AbreArquivo(QString::fromStdString(Exemplos + arquivo));
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
        // Reached from the results window, as the user does.
        js.frmResultados->AjusteRapido1->trigger();
        j = js.frmAjusteRapido;
        ASSERT_TRUE(j->isVisible());
        Espera();
    }

    void Espera() { ASSERT_TRUE(QTest::qWaitFor([this] { return !j->Calculando(); }, 60000)); }

    std::set<std::string> Visiveis() const {
        std::set<std::string> r;
        for (const auto& l : j->linhas) {
            EXPECT_EQ(l.Ativa, l.Barra->isVisible());
            EXPECT_EQ(l.Ativa, l.Campo->isVisible());
            if (l.Ativa) r.emplace(Estudo::Parametros()[static_cast<std::size_t>(l.Parametro)].Chave);
        }
        return r;
    }

    std::string Texto() { return Projeto::Conteudo(app->dados()); }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    std::unique_ptr<Aplicacao> app;
    TfrmAjusteRapido* j = nullptr;
};

struct CasoJanela {
    const char* arquivo;
    std::set<std::string> alavancas;
};

class AlavancasJanela : public AjusteJanela, public ::testing::WithParamInterface<CasoJanela> {};

TEST_P(AlavancasJanela, SoMostraOQueOProblemaTem) {
    Abre(GetParam().arquivo);
    EXPECT_EQ(Visiveis(), GetParam().alavancas);
    ASSERT_TRUE(j->Resultado().has_value()) << j->lblSituacao->text().toStdString();
    EXPECT_EQ(j->cCurvas->NumeroSeries(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Problemas, AlavancasJanela,
    ::testing::Values(CasoJanela{"muro-10-camadas-cura.n1d.json",
                                 {"AlturaCamada", "IntervaloLancamento", "TemperaturaLancamento", "ConsumoCimento"}},
                      CasoJanela{"radier-verao-mantas.n1d.json",
                                 {"TemperaturaLancamento", "ConsumoCimento", "HoraRetiradaProtecao",
                                  "ResistenciaProtecaoTopo"}},
                      CasoJanela{"secao-barragem-15-camadas-serpentinas.n1d.json",
                                 {"AlturaCamada", "IntervaloLancamento", "TemperaturaLancamento", "ConsumoCimento",
                                  "TemperaturaAguaSerpentinas", "VazaoAguaSerpentinas"}}));

TEST_F(AjusteJanela, MoverUmaAlavancaNaoMudaOProblemaEMostraOEnsaio) {
    Abre("radier-verao-mantas.n1d.json");
    const std::string antes = Texto();
    const long revisao = app->historico().Revisao();
    QSlider* barra = j->findChild<QSlider*>(QStringLiteral("slTemperaturaLancamento"));
    ASSERT_NE(barra, nullptr);
    barra->setValue(barra->value() - 10);  // 5 °C colder
    Espera();
    const double t = *j->Valor(Parametro("TemperaturaLancamento"));
    EXPECT_EQ(t, app->dados().Camadas[1].TInicial - 5.0);
    EXPECT_EQ(j->findChild<QLineEdit*>(QStringLiteral("edTemperaturaLancamento"))->text(),
              CamposNumericos::Geral(t));
    EXPECT_EQ(Texto(), antes);
    EXPECT_EQ(app->historico().Revisao(), revisao);
    EXPECT_FALSE(app->contexto().analise.Dados) << "o ensaio virou resultado do problema";

    // The numbers are the trial's, with the stresses the project has.
    const auto problema = std::make_shared<const TDadosModelo>(app->dados());
    const auto r = AjusteRapido::Roda(AjusteRapido::Ensaio(problema, {{Parametro("TemperaturaLancamento"), t}}, 70, 20, 1));
    ASSERT_TRUE(r.Ok) << r.Erro;
    ASSERT_TRUE(j->Resultado().has_value());
    EXPECT_EQ(j->Resultado()->TMaxima, r.TMaxima);
    EXPECT_EQ(j->Resultado()->IndiceMinimo, r.IndiceMinimo);
    EXPECT_TRUE(j->lblTMaxima->text().contains(QString::fromStdString(Numeros::FormataFixo(r.TMaxima, 0, 2))));
    EXPECT_TRUE(j->lblIndice->text().contains(QString::fromStdString(Numeros::FormataFixo(r.IndiceMinimo, 0, 3))))
        << j->lblIndice->text().toStdString();
    EXPECT_EQ(j->lblAtende->text(), r.Atende ? QStringLiteral("Atende aos limites") : QStringLiteral("Não atende aos limites"));
}

TEST_F(AjusteJanela, MudancaMaisNovaDescartaAAnterior) {
    Abre("muro-10-camadas-cura.n1d.json");
    const int descartadas = j->Descartadas();
    // Two changes without the event loop between them: the first run's result, whenever
    // it ends, belongs to an older change.
    j->DefineValor(Parametro("TemperaturaLancamento"), 12);
    j->DefineValor(Parametro("TemperaturaLancamento"), 28);
    Espera();
    EXPECT_EQ(j->Descartadas(), descartadas + 1);
    const auto problema = std::make_shared<const TDadosModelo>(app->dados());
    const auto r = AjusteRapido::Roda(AjusteRapido::Ensaio(problema, {{Parametro("TemperaturaLancamento"), 28}}, 70, 20, 1));
    ASSERT_TRUE(j->Resultado().has_value());
    EXPECT_EQ(j->Resultado()->TMaxima, r.TMaxima);
    EXPECT_EQ(j->Resultado()->CurvaTopo, r.CurvaTopo);
}

TEST_F(AjusteJanela, AplicarEUmPassoQueDesfazerLevaDeVolta) {
    Abre("muro-10-camadas-cura.n1d.json");
    // Results of the problem as it stands, in the results windows.
    Contexto& ctx = app->contexto();
    OpcoesAnalise op;
    op.Revisao = app->historico().Revisao();
    Progresso nada;
    ctx.analise = Analise::Executa(ctx.dados, op, nada);
    app->historico().AnunciaResultados();
    ASSERT_TRUE(GuardaResultados::De(app->janelas().frmResultados)->Vigente());

    const std::string antes = Texto();
    const int passos = app->historico().Pilha().count();
    j->DefineValor(Parametro("IntervaloLancamento"), 24);
    j->DefineValor(Parametro("ConsumoCimento"), 300);
    Espera();
    EXPECT_EQ(Texto(), antes);
    QTest::mouseClick(j->btnAplicar, Qt::LeftButton);
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    EXPECT_EQ(app->historico().Pilha().count(), passos + 1);
    EXPECT_EQ(app->dados().Camadas[2].HoraConcretagem - app->dados().Camadas[1].HoraConcretagem, 24);
    EXPECT_EQ(app->dados().CalorCamadas[5].C, 300);
    EXPECT_FALSE(GuardaResultados::De(app->janelas().frmResultados)->Vigente());
    // The panel now reads the applied problem: nothing left to apply.
    Espera();
    EXPECT_EQ(*j->Valor(Parametro("IntervaloLancamento")), 24);
    EXPECT_FALSE(j->btnAplicar->isEnabled());

    app->historico().Pilha().undo();
    EXPECT_EQ(Texto(), antes);
    EXPECT_EQ(*j->Valor(Parametro("IntervaloLancamento")), 48);
    Espera();
}

TEST_F(AjusteJanela, OutroProjetoTrocaAsAlavancas) {
    Abre("muro-10-camadas-cura.n1d.json");
    j->DefineValor(Parametro("TemperaturaLancamento"), 12);
    app->janelas().frmEntradaDados->AbreArquivo(
        QString::fromStdString(Exemplos + "secao-barragem-15-camadas-serpentinas.n1d.json"));
    Espera();
    EXPECT_TRUE(Visiveis().count("VazaoAguaSerpentinas"));
    EXPECT_EQ(*j->Valor(Parametro("TemperaturaLancamento")), app->dados().Camadas[1].TInicial);
    ASSERT_TRUE(j->Resultado().has_value());
    EXPECT_EQ(j->Resultado()->NoTopo, 15 * app->dados().NElemCamada + 1);
}

TEST_F(AjusteJanela, AlturaQueNaoDivideOMembroDizPorqueENaoAplica) {
    Abre("muro-10-camadas-cura.n1d.json");
    auto* campo = j->findChild<QLineEdit*>(QStringLiteral("edAlturaCamada"));
    ASSERT_NE(campo, nullptr);
    const std::string antes = Texto();
    campo->setText(QStringLiteral("3"));
    campo->setModified(true);
    emit campo->editingFinished();
    Espera();
    EXPECT_FALSE(j->Resultado().has_value());
    EXPECT_TRUE(j->lblSituacao->text().contains(QStringLiteral("não se divide"))) << j->lblSituacao->text().toStdString();
    EXPECT_FALSE(j->btnAplicar->isEnabled());
    // Even asked directly, the value is refused before anything is written.
    EXPECT_FALSE(ExecutaAcao(msg, [this] { j->Aplicar(); }));
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("não se divide")));
    EXPECT_EQ(Texto(), antes);
}

}  // namespace
