// One problem, one set of results: what a new project, a new thermal run or a run
// of fewer layers than the member has leaves in the windows, driven as a user would.
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "app/RodaLote.h"
#include "app/ui/Aplicacao.h"
#include "stress/ui/JanelaGraficoTensao.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ui/frmGraficoTensional.h"
#include "results/ui/frmGrafAmpliado.h"
#include "results/ui/frmGrafico.h"
#include "core/Projeto.h"
#include "core/ui/Gauge.h"
#include "app/ui/frmEntradaDados.h"
#include "input/ui/frmMembro.h"
#include "results/ui/Form1.h"
#include "results/ui/frmResultadoTensoes.h"
#include "results/ui/frmResumoTermico.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmIndiceFissuracao.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";
const std::string TresCamadas = Exemplos + "bloco-fundacao-3-camadas.n1d.json";

class NovoProblema : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    Janelas& j = app.janelas();
    TDadosModelo& d = app.dados();
    TfrmEntradaDados* f = j.frmEntradaDados;
    PastaTemporaria pasta;

    std::string Caminho(const std::string& nome) const { return (pasta.Caminho() / nome).string(); }

    static void Clica(QWidget* janela, const char* botao) { JanelasTeste::Clica(janela, botao); }
    void Abre(const std::string& projeto) {
        arquivos.caminhos.push_back(QString::fromStdString(projeto));
        f->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    }
    void RodaTermico() {
        ASSERT_TRUE(f->btnRUN->isEnabled());
        Clica(f, "btnRUN");
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        ASSERT_TRUE(d.TermicoCompleto);
    }
    // Bureau with its defaults, ACI restraint, the strengths; then the run.
    void RodaTensional() {
        TfrmTensional* t = j.frmTensional;
        Clica(f, "btnTensional");
        JanelasTeste::EntraDadosTensionais(j);
        Clica(t, "btnRun");
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        ASSERT_TRUE(t->btnResult->isEnabled());
    }
    // What "Salvar Tudo" of the temperature table writes.
    std::string SalvarTudo(const std::string& nome) {
        arquivos.caminhos.push_back(QString::fromStdString(Caminho(nome + ".txt")));
        j.Form1->SalvarTudo1->trigger();
        msg.erros.removeAll(QStringLiteral("Atenção. O procedimento para salvar pode demorar."));
        EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        for (const auto& e : std::filesystem::directory_iterator(pasta.Caminho()))
            if (e.path().filename().string().rfind(nome, 0) == 0) return LeArquivo(e.path().string());
        ADD_FAILURE() << "nada gravado para " << nome;
        return {};
    }
};

// A member at the node capacity (299 layers of one element + 1 = 300 nodes), a layer
// placed every two hours: the nodes above the placed layers are written for hundreds
// of hours before their layer exists.
std::string ProjetoDeTrezentosNos(const std::string& caminho) {
    auto p = std::make_unique<TDadosModelo>();
    p->NCamadas = 299;
    p->NCamadasMembro = 299;
    p->NElemCamada = 1;
    p->PassoTempo = 1;
    p->TempoTotal = 700;
    p->TAmbConstante = true;
    p->TAmbConst = 20.0;
    p->QRadiacao = 0.0;
    p->BetaSup = 40000.0;
    for (int L = 1; L <= 299; ++L) {
        TCamada& c = p->Camadas[L];
        c.Espessura = 0.05;
        c.XIni = 0.05 * (L - 1);
        c.K = 2.0;
        c.Ro = 2400.0;
        c.CalorEsp = 1000.0;
        c.Alfa = 1e-5;
        c.HoraConcretagem = 1 + 2 * (L - 1);
        c.TInicial = 25.0;
        p->CalorCamadas[L].Constante = true;
        p->CalorCamadas[L].F = 0.0;
    }
    Projeto::Grava(caminho, *p);
    return caminho;
}

TEST_F(NovoProblema, AbrirOutroProjetoERodarDaATabelaDaFerramentaEmLote) {
    Abre(TresCamadas);
    RodaTermico();
    RodaTensional();
    const double maxEscalaA = d.TMaxEscala;
    ASSERT_GT(maxEscalaA, 40.0);
    j.frmResumoTermico->Abre();
    j.frmIndiceFissuracao->Abre();
    j.Form1->show();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();

    const std::string b = ProjetoDeTrezentosNos(Caminho("trezentos.n1d.json"));
    Abre(b);
    // Nothing of the earlier member is left to be shown.
    EXPECT_EQ(app.contexto().temperaturas.Linhas(), 0);
    EXPECT_EQ(app.contexto().tensoes.Linhas(), 0);
    EXPECT_EQ(d.TMaxEscala, 0.0);
    EXPECT_EQ(d.TMinEscala, 10000.0);
    EXPECT_FALSE(j.frmTensional->btnResult->isEnabled());
    EXPECT_FALSE(j.frmTensional->GroupBox2->isEnabled());
    EXPECT_EQ(j.frmTensional->pbarProcesso->value(), 0);
    EXPECT_FALSE(f->btnTensional->isEnabled());
    EXPECT_FALSE(f->VisualizarResultados1->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{j.frmResumoTermico, j.frmIndiceFissuracao, j.Form1,
                                                      j.frmResultadoTensoes})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(j.Form1->modelo->rowCount(), 0);

    RodaTermico();
    ASSERT_EQ(d.NElemAtivos + 1, 300);
    // The scale covers this run only: 20 to 25 °C, not the earlier member's peak.
    EXPECT_LT(d.TMaxEscala, maxEscalaA);
    EXPECT_EQ(d.TMinEscala, 0.0);  // nodes not yet placed are written as 0,00

    const Saida lote = Roda(pasta, Q(b) + " --temperaturas " + Q(Caminho("lote.txt")));
    ASSERT_EQ(lote.codigo, 0) << lote.err;
    const std::string esperado = LeArquivo(Caminho("lote.txt"));
    ASSERT_FALSE(esperado.empty());
    EXPECT_TRUE(SalvarTudo("janela") == esperado) << "o \"Salvar Tudo\" difere de norvik1d-lote --temperaturas";
}

TEST_F(NovoProblema, NovaAnaliseTermicaTornaAsTensoesAntigasObsoletas) {
    Abre(TresCamadas);
    RodaTermico();
    RodaTensional();
    TfrmTensional* t = j.frmTensional;
    ASSERT_EQ(t->pbarProcesso->value(), 100);
    j.frmIndiceFissuracao->Abre();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_TRUE(j.frmIndiceFissuracao->isVisible());
    ASSERT_FALSE(j.frmIndiceFissuracao->lblCritico->text().isEmpty());
    j.frmResumoTermico->Abre();
    ASSERT_TRUE(j.frmResumoTermico->isVisible());
    Clica(t, "btnResult");
    ASSERT_TRUE(j.frmResultadoTensoes->isVisible());
    // A curve of each kind, read from the tables the next run replaces.
    j.frmGrafico->show();
    j.frmGrafico->btnVisualizarClick();
    Clica(t, "btnGrafico");
    j.frmGraficoTensional->btnVisualizar->click();
    ASSERT_GT(j.frmGrafico->cGraficoNos->NumeroSeries(), 0);
    ASSERT_GT(j.frmGraficoTensional->cGrafico->NumeroSeries(), 0);

    RodaTermico();
    for (TPainelGrafico* g : {j.frmGrafico->cGraficoNos, j.frmGrafAmpliado->cGraficoNosAmpl,
                              j.frmGraficoTensional->cGrafico})
        EXPECT_EQ(g->NumeroSeries(), 0);
    EXPECT_FALSE(j.frmGrafico->isVisible());
    EXPECT_FALSE(j.frmGraficoTensional->isVisible());
    EXPECT_FALSE(t->GroupBox2->isEnabled());
    EXPECT_FALSE(t->btnResult->isEnabled());
    EXPECT_EQ(t->pbarProcesso->value(), 0);
    EXPECT_EQ(t->gaTransiente->progress(), 0);
    EXPECT_EQ(app.contexto().tensoes.Linhas(), 0);
    EXPECT_EQ(j.frmResultadoTensoes->modelo->rowCount(), 0);
    EXPECT_FALSE(j.frmResultadoTensoes->isVisible());
    EXPECT_FALSE(j.frmIndiceFissuracao->isVisible());
    EXPECT_FALSE(j.frmResumoTermico->isVisible());
    // The old verdict cannot be brought back: without a stress run the window refuses to open.
    j.frmIndiceFissuracao->Abre();
    EXPECT_FALSE(j.frmIndiceFissuracao->isVisible());
    EXPECT_EQ(msg.erros.size(), 1);
}

// Walking an opened 3-layer member with one "Inserir" and leaving with "Sair" keeps
// the whole member. A problem that holds fewer layers for the run than its member (a
// project saved by an earlier version after such a walk) is run only after asking,
// and only "Sim" runs.
struct CasoCamadas {
    bool resposta;
    bool roda;
};

class MenosCamadas : public NovoProblema, public ::testing::WithParamInterface<CasoCamadas> {};

TEST_P(MenosCamadas, PerguntaAntesDeAnalisarMenosCamadasQueOMembro) {
    Abre(TresCamadas);
    Clica(f, "btnMembro");
    ASSERT_TRUE(j.frmMembro->isVisible());
    Clica(j.frmMembro, "btnInserir");  // "corretos?" Sim, "mais uma?" Sim: layer 2 shown
    Clica(j.frmMembro, "Button1");     // "Sair"
    ASSERT_EQ(d.NCamadas, 3);
    ASSERT_EQ(d.NCamadasMembro, 3);
    d.NCamadas = 2;

    msg.limpa();
    msg.respostas = {GetParam().resposta};
    Clica(f, "btnRUN");
    EXPECT_EQ(msg.confirmacoes,
              QStringList{"A análise considerará 2 das 3 camadas do membro. Deseja continuar?"});
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(d.TermicoCompleto, GetParam().roda);
    EXPECT_EQ(f->btnTensional->isEnabled(), GetParam().roda);
    if (GetParam().roda) {
        EXPECT_EQ(d.CamadaAtual, 2);
        EXPECT_EQ(app.contexto().temperaturas.Colunas(), 2 * 4 + 1 + 1);
    } else {
        EXPECT_EQ(d.NElemAtivos, 0);
        EXPECT_EQ(app.contexto().temperaturas.Linhas(), 0);
        EXPECT_TRUE(msg.informacoes.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Resposta, MenosCamadas, ::testing::Values(CasoCamadas{false, false}, CasoCamadas{true, true}));

}  // namespace
