#include "app/ui/frmEntradaDados.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QSpinBox>
#include <QTemporaryDir>

#include "DialogosCamadasTeste.h"
#include "app/ui/frmInformacoes.h"
#include "core/Projeto.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCura.h"
#include "input/ui/frmMembro.h"
#include "results/ui/frmResultados.h"

namespace {

class EntradaDados : public DialogosCamadas {
protected:
    TfrmEntradaDados* f() { return j.frmEntradaDados; }

    // A valid member of `n` equal layers, placed one per hour from hour 1.
    void Membro(int n, double tempoTotal) {
        d.NCamadas = n;
        d.NCamadasMembro = n;
        d.PassoTempo = 1;
        d.TempoTotal = tempoTotal;
        for (int L = 1; L <= n; ++L) {
            TCamada& c = d.Camadas[L];
            c = TCamada{2.0, 0.5, 0.5 * (L - 1), 2400.0, 1000.0, 1e-5, L, 20.0};
            d.CalorCamadas[L].Constante = true;
            d.CalorCamadas[L].F = 0.0;
        }
        d.TAmbConstante = true;
        d.TAmbConst = 20.0;
        d.QRadiacao = 0.0;
    }
    void Executa(int elementos) {
        f()->spNelem->setValue(elementos);
        f()->HabilitaExecucao();
        Clica(f(), "btnRUN");
    }
};

TEST_F(EntradaDados, EstadoInicial) {
    EXPECT_EQ(f()->windowTitle(), "          Norvik - 1D");
    EXPECT_FALSE(f()->btnRUN->isEnabled());
    EXPECT_FALSE(f()->btnTensional->isEnabled());
    EXPECT_FALSE(f()->VisualizarResultados1->isEnabled());
    EXPECT_EQ(f()->spNelem->value(), 1);
    EXPECT_EQ(f()->spNelem->minimum(), 1);
    EXPECT_EQ(f()->gaTransiente->toolTip(), "Percentagem Concluída da Análise");
    EXPECT_EQ(f()->gaTransiente->progress(), 0);
    EXPECT_EQ(f()->pbarProcesso->value(), 0);
    EXPECT_EQ(f()->pbarProcesso->orientation(), Qt::Vertical);
    for (const char* b : {"btnMembro", "btnCalorInt", "btnCondCont", "btnCondIni"})
        EXPECT_TRUE(Filho<QAbstractButton>(f(), b)->isEnabled()) << b;
}

class FormulacaoExecutada : public EntradaDados, public ::testing::WithParamInterface<TFormulacao> {};

// The status bar names the formulation of the table in memory, and forgets it with the table.
TEST_P(FormulacaoExecutada, BarraDeStatusDizQualRodou) {
    Membro(2, 6);
    d.Formulacao = GetParam();
    EXPECT_EQ(f()->Painel(1)->text(), "");
    Executa(2);
    ASSERT_EQ(msg.informacoes.size(), 1) << msg.erros.join(" | ").toStdString();
    EXPECT_EQ(f()->Painel(1)->text(), GetParam() == TFormulacao::Consistente ? "Formulação consistente"
                                                                             : "Formulação clássica");
    f()->NovaAnalise();
    EXPECT_EQ(f()->Painel(1)->text(), "");
}
INSTANTIATE_TEST_SUITE_P(Formulacoes, FormulacaoExecutada,
                         ::testing::Values(TFormulacao::Classica, TFormulacao::Consistente),
                         [](const auto& info) {
                             return info.param == TFormulacao::Consistente ? "Consistente" : "Classica";
                         });

struct CasoPergunta {
    int camadas;
    int elementos;
    bool pergunta;
};

class PerguntaElementos : public EntradaDados, public ::testing::WithParamInterface<CasoPergunta> {};

TEST_P(PerguntaElementos, SoPerguntaAcimaDeCinquentaCamadasEDoisElementos) {
    const auto [camadas, elementos, pergunta] = GetParam();
    Membro(camadas, camadas + 1);
    Responde({false});
    Executa(elementos);
    if (pergunta) {
        ASSERT_EQ(msg.confirmacoes.size(), 1);
        EXPECT_EQ(msg.confirmacoes[0], "O número total de elementos está alto. Deseja mesmo assim iniciar Análise?");
        // "Não": nothing happens, not even the element count.
        EXPECT_EQ(d.NElemCamada, 0);
        EXPECT_FALSE(f()->btnTensional->isEnabled());
    } else {
        EXPECT_TRUE(msg.confirmacoes.isEmpty());
        EXPECT_EQ(d.NElemCamada, elementos);
        EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        EXPECT_TRUE(f()->btnTensional->isEnabled());
        EXPECT_TRUE(f()->VisualizarResultados1->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(EntradaDados, PerguntaElementos,
                         ::testing::Values(CasoPergunta{60, 2, false}, CasoPergunta{60, 3, true},
                                           CasoPergunta{50, 5, false}, CasoPergunta{51, 3, true}));

TEST_F(EntradaDados, MembroAlemDeTrezentosNosERecusadoAntesDePerguntarOuCalcular) {
    for (auto [camadas, elementos] : {std::pair{300, 1}, std::pair{100, 3}, std::pair{2, 150}}) {
        msg.limpa();
        Membro(camadas, camadas + 1);
        d.NElemCamada = 0;
        Executa(elementos);
        EXPECT_TRUE(msg.confirmacoes.isEmpty()) << camadas;
        ASSERT_EQ(msg.erros.size(), 1) << camadas;
        EXPECT_TRUE(msg.erros[0].contains("301 nós")) << msg.erros[0].toStdString();
        EXPECT_TRUE(msg.informacoes.isEmpty());
        EXPECT_EQ(d.NElemCamada, 0);
        EXPECT_FALSE(f()->btnTensional->isEnabled());
    }
}

TEST_F(EntradaDados, ExecucaoCompletaMostraAMensagemDoMotorEHabilitaResultados) {
    Membro(2, 30);
    Executa(2);
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith("A Temperatura Máxima de ")) << msg.informacoes[0].toStdString();
    EXPECT_TRUE(d.TermicoCompleto);
    EXPECT_EQ(f()->gaTransiente->progress(), f()->gaTransiente->maxValue());
    EXPECT_EQ(f()->gaTransiente->percentual(), 100);
    EXPECT_TRUE(f()->pbarProcesso->isVisibleTo(f()));
    EXPECT_TRUE(f()->btnTensional->isEnabled());
    EXPECT_TRUE(f()->VisualizarResultados1->isEnabled());
    // The results open only when asked.
    EXPECT_FALSE(j.frmResultados->isVisible());
    f()->VisualizarResultados1->trigger();
    EXPECT_TRUE(j.frmResultados->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty());
}

TEST_F(EntradaDados, ExecucaoQueFalhaNaoHabilitaNada) {
    Membro(2, 30);
    d.Camadas[2].Espessura = 0.0;  // an element of zero length
    Executa(1);
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.informacoes.isEmpty());
    EXPECT_FALSE(f()->btnTensional->isEnabled());
    EXPECT_FALSE(f()->VisualizarResultados1->isEnabled());
}

TEST_F(EntradaDados, NovaAnaliseDesabilitaAExecucaoAteAsCondicoesIniciais) {
    Membro(3, 10);
    Executa(2);
    d.Temperaturas[5] = 33.0;
    f()->ReinicializarNorvik1DCE1->trigger();
    EXPECT_FALSE(f()->btnRUN->isEnabled());
    EXPECT_FALSE(f()->btnTensional->isEnabled());
    EXPECT_TRUE(f()->VisualizarResultados1->isEnabled());
    EXPECT_EQ(f()->spNelem->value(), 1);
    EXPECT_EQ(f()->gaTransiente->progress(), 0);
    EXPECT_EQ(f()->pbarProcesso->value(), 0);
    EXPECT_EQ(d.Temperaturas[5], 0.0);
    for (int L = 1; L <= 3; ++L) EXPECT_EQ(d.Camadas[L].HoraConcretagem, 0) << L;
    EXPECT_EQ(d.NCamadas, 3);
    EXPECT_EQ(d.Camadas[2].Espessura, 0.5);
    EXPECT_EQ(f()->Painel(0)->text(), "                 Início de Nova Análise ");
    EXPECT_TRUE(Filho<QCheckBox>(j.frmMembro, "ckbFundacao")->isEnabled());
}

TEST_F(EntradaDados, SairPerguntaEPorMolduraNaoPergunta) {
    int encerramentos = 0;
    f()->encerraPrograma = [&] { ++encerramentos; };
    f()->show();
    Responde({false});
    f()->Sair->trigger();
    EXPECT_EQ(msg.confirmacoes, QStringList{"Deseja Sair do Programa Norvik 1D?"});
    EXPECT_TRUE(f()->isVisible());
    EXPECT_EQ(encerramentos, 0);

    Responde({true});
    f()->Sair->trigger();
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(encerramentos, 1);

    msg.limpa();
    f()->show();
    f()->close();
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
    EXPECT_EQ(encerramentos, 2);
}

TEST_F(EntradaDados, CondicoesContornoPerguntaPelaCura) {
    Responde({true});
    Clica(f(), "btnCondCont");
    EXPECT_EQ(msg.confirmacoes,
              QStringList{"Deseja Considerar a Influência da Cura do Concreto no Coeficiente de Convecção?"});
    EXPECT_TRUE(d.CuraAtiva);
    EXPECT_TRUE(j.frmCura->isVisible());
    EXPECT_FALSE(j.frmCoefConv->isVisible());

    Responde({false});
    Clica(f(), "btnCondCont");
    EXPECT_FALSE(d.CuraAtiva);
    EXPECT_TRUE(j.frmCoefConv->isVisible());
}

// The borderless information window opens over the main window, wherever that is.
class InformacoesSobreAPrincipal : public EntradaDados, public ::testing::WithParamInterface<QPoint> {};

TEST_P(InformacoesSobreAPrincipal, CentradaNaJanelaPrincipal) {
    f()->show();
    f()->move(GetParam());
    f()->Programa1->trigger();
    ASSERT_TRUE(j.frmInformacoes->isVisible());
    const QPoint diferenca = j.frmInformacoes->frameGeometry().center() - f()->frameGeometry().center();
    EXPECT_LE(diferenca.manhattanLength(), 2) << diferenca.x() << ", " << diferenca.y();
}
INSTANTIATE_TEST_SUITE_P(Posicoes, InformacoesSobreAPrincipal, ::testing::Values(QPoint(0, 0), QPoint(700, 350)));

TEST_F(EntradaDados, InformacoesAbreSempreAMesmaJanelaEFecharSoEsconde) {
    f()->show();
    f()->Programa1->trigger();
    f()->Programa1->trigger();
    EXPECT_TRUE(j.frmInformacoes->isVisible());
    EXPECT_EQ(j.frmInformacoes->windowTitle(), "Informações do Programa");
    Clica(j.frmInformacoes, "btnFechar");
    EXPECT_FALSE(j.frmInformacoes->isVisible());
    EXPECT_TRUE(f()->isVisible());
    f()->Programa1->trigger();
    EXPECT_TRUE(j.frmInformacoes->isVisible());
}

class ProjetoNaJanela : public EntradaDados {
protected:
    QTemporaryDir pasta;
    QString Caminho(const char* nome) { return QDir(pasta.path()).filePath(QString::fromLatin1(nome)); }
};

TEST_F(ProjetoNaJanela, SalvarEAbrirDevolvemOMesmoProblema) {
    Membro(2, 30);
    d.BetaSup = 54000.0;
    f()->spNelem->setValue(4);
    arquivos.caminhos.push_back(Caminho("viga"));
    f()->SalvarProjeto->trigger();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(arquivos.filtros, QStringList{"Projeto Norvik-1D|*.n1d.json"});
    ASSERT_TRUE(QFile::exists(Caminho("viga.n1d.json")));
    // Saving stores nothing in the state: a run does that.
    EXPECT_EQ(d.NElemCamada, 0);

    d.NCamadas = 7;
    d.BetaSup = 1.0;
    f()->spNelem->setValue(1);
    arquivos.caminhos.push_back(Caminho("viga.n1d.json"));
    f()->AbrirProjeto->trigger();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(d.NCamadas, 2);
    EXPECT_EQ(d.NElemCamada, 4);
    EXPECT_EQ(d.BetaSup, 54000.0);
    EXPECT_EQ(d.Camadas[2].HoraConcretagem, 2);
    EXPECT_EQ(f()->spNelem->value(), 4);
    EXPECT_TRUE(f()->btnRUN->isEnabled());
    // The narrow status panel names the file; the whole path is its hint.
    EXPECT_EQ(f()->Painel(0)->text(), QStringLiteral("Projeto aberto: viga.n1d.json"));
    EXPECT_EQ(f()->Painel(0)->toolTip(), Caminho("viga.n1d.json"));
}

// A project holds of the exchange records only what a dialog wrote: what it does
// not hold leaves the curing dialog's defaults, even after the fields were typed
// over and after "Nova Análise".
struct CasoCuraDoProjeto {
    const char* nome;
    TTrocaCalor registro1;
    const char *betaS, *betaI, *betaSC, *dias, *ini, *fim, *dia, *noite;
};
class CuraDoProjeto : public ProjetoNaJanela, public ::testing::WithParamInterface<CasoCuraDoProjeto> {};

TEST_P(CuraDoProjeto, NovaAnaliseAbreACuraSemZeros) {
    const CasoCuraDoProjeto& c = GetParam();
    Membro(2, 30);
    d.NElemCamada = 2;
    d.Superficie[1] = c.registro1;
    Projeto::Grava(Caminho("cura.n1d.json").toStdString(), d);
    j.frmCura->Abre();
    for (const char* campo : {"edBetaI", "edDiasCura", "edIniCura", "edFimCura", "edDia", "edNoite"})
        Digita(j.frmCura, campo, "5");
    Clica(j.frmCura, "btnCancelar");

    arquivos.caminhos.push_back(Caminho("cura.n1d.json"));
    f()->AbrirProjeto->trigger();
    f()->ReinicializarNorvik1DCE1->trigger();
    Responde({true});
    Clica(f(), "btnCondCont");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_TRUE(j.frmCura->isVisible());
    const QStringList vistos{Texto(j.frmCura, "edBetaS"),    Texto(j.frmCura, "edBetaI"),
                             Texto(j.frmCura, "edBetaSC"),   Texto(j.frmCura, "edDiasCura"),
                             Texto(j.frmCura, "edIniCura"),  Texto(j.frmCura, "edFimCura"),
                             Texto(j.frmCura, "edDia"),      Texto(j.frmCura, "edNoite")};
    const QStringList esperados{c.betaS, c.betaI, c.betaSC, c.dias, c.ini, c.fim, c.dia, c.noite};
    EXPECT_EQ(vistos, esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Registros, CuraDoProjeto,
    ::testing::Values(
        CasoCuraDoProjeto{"SemSuperficie", TTrocaCalor{}, "15", "0", "100", "1", "8", "17", "6", "18"},
        // Made with the convection dialog: day and night only.
        CasoCuraDoProjeto{"SoConveccao", TTrocaCalor{77760, 92160, 7, 19, 0, 0, 0, 0, 0, 0}, "15", "0", "100",
                          "1", "8", "17", "7", "19"},
        CasoCuraDoProjeto{"ComCura", TTrocaCalor{77760, 92160, 6, 18, 36000, 3600, 2, 9, 16, 180000}, "10", "1",
                          "50", "2", "9", "16", "6", "18"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ProjetoNaJanela, ArquivoRecusadoMostraAMensagemENaoMudaNada) {
    Membro(2, 30);
    QFile arquivo(Caminho("ruim.n1d.json"));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(R"({"formato": "norvik-1d/projeto", "versao": 1, "NCamadaz": 3})");
    arquivo.close();
    arquivos.caminhos.push_back(arquivo.fileName());
    f()->AbrirProjeto->trigger();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains("NCamadaz")) << msg.erros[0].toStdString();
    EXPECT_EQ(d.NCamadas, 2);
    EXPECT_FALSE(f()->btnRUN->isEnabled());

    // Cancelling the dialog does nothing at all.
    msg.limpa();
    f()->AbrirProjeto->trigger();
    EXPECT_TRUE(msg.todas.isEmpty());
}

}  // namespace

namespace {

TEST_F(EntradaDados, ExecucaoQueNaoAlcancaOTempoTotalAvisaENaoHabilitaResultados) {
    Membro(1, 11);  // t0 = 1: steps of 4 h reach hours 5 and 9, the third passes 11
    d.PassoTempo = 4;
    Executa(2);
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith("A análise parou em 9 h, antes do tempo total de 11 h"))
        << msg.informacoes[0].toStdString();
    EXPECT_FALSE(d.TermicoCompleto);
    EXPECT_FALSE(f()->btnTensional->isEnabled());
    EXPECT_FALSE(f()->VisualizarResultados1->isEnabled());
}

TEST_F(EntradaDados, CamadaUmDepoisDoTempoTotalDizPorQueNadaFoiCalculado) {
    Membro(1, 72);
    d.Camadas[1].HoraConcretagem = 2147483646;
    Executa(2);
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_EQ(msg.informacoes[0],
              "A análise não calculou nenhum passo: a camada 1 é concretada na hora 2147483646, depois do tempo "
              "total de 72 h. Corrija a hora de concretagem da camada 1 ou o tempo total. Nada foi pós-processado.");
    EXPECT_FALSE(f()->VisualizarResultados1->isEnabled());
}

// A slab 0,5 m thick in 20 elements at 20 °C, insulated below, its top exposed to air
// at 40 °C with h = 10 W/(m²·°C): run from the window with 1 h and 2 h steps, its top
// at 24 h differs only by the time error of the longer step (0,06 °C here, 0,12
// allowed); a face exchanging one hour's heat per step missed by over 2 °C.
TEST_F(EntradaDados, PassoDeDuasHorasAqueceOTopoComoODeUma) {
    double topo[3] = {};
    for (int passo : {1, 2}) {
        Membro(1, 24);
        d.Camadas[1].HoraConcretagem = 0;
        d.PassoTempo = passo;
        d.TAmbConst = 40.0;
        d.BetaInf = 0.0;
        d.BetaSup = 10.0 * 3600;
        msg.limpa();
        Executa(20);
        ASSERT_TRUE(d.TermicoCompleto) << msg.informacoes.join("\n").toStdString();
        const TabelaTexto& t = app.contexto().temperaturas;
        ASSERT_EQ(t.Linhas(), 24 / passo + 1);
        EXPECT_EQ(t.Celula(0, t.Linhas() - 1), "24");
        topo[passo] = t.Valor(21, t.Linhas() - 1);
    }
    EXPECT_GT(topo[1], 30.0);
    EXPECT_NEAR(topo[2], topo[1], 0.12);
}

}  // namespace
