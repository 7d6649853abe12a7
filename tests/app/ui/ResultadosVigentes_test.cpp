// Results know the problem they were made from: after a change, an undo or another
// project, every open window of results is marked (or closed) and nothing of it can be
// exported as current or written into the problem, until a run makes results again.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "PastaTemporaria.h"
#include "analise/Analise.h"
#include "app/ui/Aplicacao.h"
#include "app/ui/frmEntradaDados.h"
#include "core/Projeto.h"
#include "core/ui/GuardaResultados.h"
#include "core/ui/HistoricoProblema.h"
#include "estudos/ui/frmCalibracao.h"
#include "input/ui/frmCondCont.h"
#include "relatorio/ui/frmRelatorio.h"
#include "serpentinas/ui/frmResultadoSerpentinas.h"
#include "results/Medicoes.h"
#include "results/ui/Form1.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmGrafico.h"
#include "results/ui/frmResultadoTensoes.h"
#include "results/ui/frmResultados.h"
#include "results/ui/frmResumoTermico.h"
#include "stress/ui/frmGraficoTensional.h"
#include "stress/ui/frmIndiceFissuracao.h"
#include "stress/ui/frmTensional.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";
const std::string TresCamadas = Exemplos + "bloco-fundacao-3-camadas.n1d.json";
const std::string Muro = Exemplos + "muro-10-camadas-cura.n1d.json";

class ResultadosVigentes : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    Janelas& j = app.janelas();
    TDadosModelo& d = app.dados();
    TfrmEntradaDados* f = j.frmEntradaDados;

    void SemErros() { ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString(); }
    void Abre(const std::string& projeto) {
        arquivos.caminhos.push_back(QString::fromStdString(projeto));
        f->AbrirProjeto->trigger();
        SemErros();
    }
    void Roda() {
        JanelasTeste::Clica(f, "btnRUN");
        SemErros();
        ASSERT_TRUE(d.TermicoCompleto);
        JanelasTeste::Clica(f, "btnTensional");
        JanelasTeste::EntraDadosTensionais(j);
        JanelasTeste::Clica(j.frmTensional, "btnRun");
        SemErros();
    }
    // Every window of results a user can have open after both runs.
    void AbreJanelas() {
        f->VisualizarResultados1->trigger();
        j.Form1->show();
        j.frmGrafico->show();
        j.frmCores->show();
        j.frmResumoTermico->Abre();
        JanelasTeste::Clica(j.frmTensional, "btnResult");
        JanelasTeste::Clica(j.frmTensional, "btnGrafico");
        j.frmIndiceFissuracao->Abre();
        j.frmRelatorio->Abre();
        j.frmResultadoSerpentinas->Abre();
        SemErros();
    }
    std::vector<QWidget*> Termicas() const {
        return {j.Form1, j.frmGrafico, j.frmResultados, j.frmCores, j.frmResumoTermico, j.frmResultadoSerpentinas};
    }
    std::vector<QWidget*> DeTensoes() const {
        return {j.frmResultadoTensoes, j.frmGraficoTensional, j.frmIndiceFissuracao};
    }
    // Marked: closed, or open under the band.
    static bool Marcada(QWidget* w) {
        auto* faixa = w->findChild<QLabel*>(QStringLiteral("faixaRevisao"));
        EXPECT_NE(faixa, nullptr) << w->objectName().toStdString();
        if (!faixa) return false;
        EXPECT_EQ(faixa->text(), QStringLiteral("Resultados de uma versão anterior do problema"));
        return !w->isVisible() || faixa->isVisibleTo(w);
    }
    void ConfereMarcas(bool termicas, bool tensoes, const char* quando) {
        for (QWidget* w : Termicas()) EXPECT_EQ(Marcada(w), termicas) << quando << ": " << w->objectName().toStdString();
        for (QWidget* w : DeTensoes()) EXPECT_EQ(Marcada(w), tensoes) << quando << ": " << w->objectName().toStdString();
        EXPECT_EQ(Marcada(j.frmRelatorio), tensoes) << quando;
        // What would export them as current.
        EXPECT_EQ(j.Form1->SalvarTudo1->isEnabled(), !termicas) << quando;
        EXPECT_EQ(j.frmCores->SalvarFigura1->isEnabled(), !termicas) << quando;
        EXPECT_EQ(j.frmResultadoTensoes->SalvarTudo1->isEnabled(), !tensoes) << quando;
        EXPECT_EQ(j.frmRelatorio->btnGerar->isEnabled(), !tensoes) << quando;
    }
};

// One change of the problem per row, made after both runs with every window open.
struct CasoMudanca {
    const char* nome;
    std::function<void(Contexto&, Janelas&)> muda;
    bool termicas;  // the temperatures' windows are marked
};
class MudancaDoProblema : public ResultadosVigentes, public ::testing::WithParamInterface<CasoMudanca> {};

TEST_P(MudancaDoProblema, MarcaAsJanelasAteNovaRodada) {
    Abre(TresCamadas);
    Roda();
    AbreJanelas();
    // The stress dialogs changed the problem after the thermal run: its results still stand.
    ConfereMarcas(false, false, "depois das rodadas");

    GetParam().muda(app.contexto(), j);
    SemErros();
    ConfereMarcas(GetParam().termicas, true, "depois da mudança");
    // A window opened again over old results shows the band at once.
    j.frmRelatorio->hide();
    j.frmRelatorio->Abre();
    EXPECT_TRUE(Marcada(j.frmRelatorio));
    // The window enabling its export again is overruled while the results are old.
    j.frmRelatorio->btnGerar->setEnabled(true);
    EXPECT_FALSE(j.frmRelatorio->btnGerar->isEnabled());

    Roda();
    AbreJanelas();
    ConfereMarcas(false, false, "depois de rodar de novo");
}

INSTANTIATE_TEST_SUITE_P(
    Mudancas, MudancaDoProblema,
    ::testing::Values(
        CasoMudanca{"CalorInterno",
                    [](Contexto& ctx, Janelas&) {
                        AlteraProblema(ctx, QStringLiteral("Calor Interno, camada 2"),
                                       [&] { ctx.dados.CalorCamadas[2].E += 5.0; });
                    },
                    true},
        // The stress data alone: the temperatures still belong to the problem.
        CasoMudanca{"Fluencia",
                    [](Contexto& ctx, Janelas&) {
                        AlteraProblema(ctx, QStringLiteral("Fluência"), [&] { ctx.dados.EBureauA *= 1.1; });
                    },
                    false},
        // Undo gives a new revision: what was computed before it is not taken for current.
        CasoMudanca{"Desfazer",
                    [](Contexto& ctx, Janelas&) {
                        AlteraProblema(ctx, QStringLiteral("Calor Interno, camada 3"),
                                       [&] { ctx.dados.CalorCamadas[3].C += 10.0; });
                        ctx.historico->Pilha().undo();
                    },
                    true},
        // A box that writes at once goes through the history like any dialog.
        CasoMudanca{"CaixaDaCondicaoDeContorno",
                    [](Contexto& ctx, Janelas& j) {
                        j.frmCondCont->Abre();
                        j.frmCondCont->chkTPrescEsq->click();
                        EXPECT_EQ(ctx.historico->Pilha().undoText(), QStringLiteral("Temperatura prescrita inferior"));
                        j.frmCondCont->hide();
                    },
                    true}),
    [](const ::testing::TestParamInfo<CasoMudanca>& i) { return std::string(i.param.nome); });

// Another project closes what showed the one before.
TEST_F(ResultadosVigentes, OutroProjetoFechaAsJanelas) {
    Abre(TresCamadas);
    Roda();
    AbreJanelas();
    Abre(Muro);
    for (QWidget* w : Termicas()) EXPECT_TRUE(Marcada(w)) << w->objectName().toStdString();
    for (QWidget* w : DeTensoes()) EXPECT_TRUE(Marcada(w)) << w->objectName().toStdString();
}

// Each box of the boundary conditions writes at once as one named change, undone alone.
struct CasoCaixa {
    const char* nome;
    QCheckBox* TfrmCondCont::*caixa;
    bool TDadosModelo::*campo;
    const char* comando;
};
class CaixaNoHistorico : public ResultadosVigentes, public ::testing::WithParamInterface<CasoCaixa> {};

TEST_P(CaixaNoHistorico, UmComandoPorClique) {
    const CasoCaixa& c = GetParam();
    Abre(TresCamadas);
    QUndoStack& pilha = app.historico().Pilha();
    const int antes = pilha.count();
    const bool original = d.*c.campo;
    j.frmCondCont->Abre();
    (j.frmCondCont->*c.caixa)->click();
    EXPECT_EQ(d.*c.campo, !original);
    ASSERT_EQ(pilha.count(), antes + 1);
    EXPECT_EQ(pilha.undoText(), QString::fromUtf8(c.comando));
    pilha.undo();
    EXPECT_EQ(d.*c.campo, original);
    EXPECT_EQ((j.frmCondCont->*c.caixa)->isChecked(), original);
}
INSTANTIATE_TEST_SUITE_P(
    Caixas, CaixaNoHistorico,
    ::testing::Values(CasoCaixa{"Inferior", &TfrmCondCont::chkTPrescEsq, &TDadosModelo::TPrescInfAtiva,
                                "Temperatura prescrita inferior"},
                      CasoCaixa{"Superior", &TfrmCondCont::chkTPrescDir, &TDadosModelo::TPrescSupAtiva,
                                "Temperatura prescrita superior"},
                      CasoCaixa{"Ambiente", &TfrmCondCont::chkTAmbConst, &TDadosModelo::TAmbConstante,
                                "Temperatura ambiente constante"}),
    [](const ::testing::TestParamInfo<CasoCaixa>& i) { return std::string(i.param.nome); });

// Calibrate on one project, open another: "Aplicar ao Problema" cannot be pressed and
// refuses if called, and the new project keeps its values.
TEST_F(ResultadosVigentes, CalibracaoDeOutroProjetoNaoSeAplica) {
    Abre(Muro);
    {
        auto verdade = std::make_unique<TDadosModelo>();
        Projeto::Le(Muro, *verdade);
        Progresso nada;
        const Analise ex = Analise::Executa(std::move(verdade), OpcoesAnalise{}, nada);
        TSensor s{"S", 0.9, {}};
        for (double h = 3; h <= 45; h += 3)
            if (const auto t = Medicoes::Calculada(*ex.Dados, ex.Temperaturas, 0.9, h)) s.Leituras.push_back({h, *t});
        AlteraProblema(app.contexto(), QStringLiteral("Medições"), [&] {
            d.Medicoes = {s};
            for (int L = 1; L <= d.NCamadas; ++L) d.CalorCamadas[L].E = 70;
        });
    }
    TfrmCalibracao* c = j.frmCalibracao;
    c->Abre();
    c->findChild<QCheckBox*>(QStringLiteral("chkE"))->setChecked(true);
    c->edAte->setText(QStringLiteral("45"));
    QTest::mouseClick(c->btnCalibrar, Qt::LeftButton);
    SemErros();
    ASSERT_TRUE(c->Resultado().has_value());
    ASSERT_TRUE(c->btnAplicar->isEnabled());
    EXPECT_FALSE(Marcada(c));

    Abre(TresCamadas);
    std::vector<double> es;
    for (int L = 1; L <= d.NCamadas; ++L) es.push_back(d.CalorCamadas[L].E);
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(Marcada(c));
    EXPECT_FALSE(c->btnAplicar->isEnabled());
    c->btnAplicar->setEnabled(true);  // whatever enables it, the old fit stays unappliable
    EXPECT_FALSE(c->btnAplicar->isEnabled());
    msg.respostas = {true};
    EXPECT_FALSE(c->Aplicar());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("versão anterior do problema"))) << msg.erros[0].toStdString();
    for (int L = 1; L <= d.NCamadas; ++L) EXPECT_EQ(d.CalorCamadas[L].E, es[static_cast<std::size_t>(L - 1)]);
    EXPECT_EQ(app.historico().Pilha().count(), 0);
}

// The blanket of lift 1 of the site example comes off at 120 h, one hour before lift 2
// covers its top: the summary says so beside its figures.
TEST_F(ResultadosVigentes, ResumoDizDoTopoDescoberto) {
    Abre(Exemplos + "radier-verao-mantas.n1d.json");
    JanelasTeste::Clica(f, "btnRUN");
    SemErros();
    j.frmResumoTermico->Abre();
    SemErros();
    EXPECT_TRUE(j.frmResumoTermico->lblDescoberto->isVisible());
    EXPECT_EQ(j.frmResumoTermico->lblDescoberto->text(),
              QStringLiteral("O topo da camada 1 fica descoberto por 1 h entre a retirada da sua proteção e a "
                             "cobertura pela camada 2."));
}

}  // namespace
