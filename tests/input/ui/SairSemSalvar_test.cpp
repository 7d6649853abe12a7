// Leaving with a problem changed since it was opened or saved offers to save it first.
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "DialogosCamadasTeste.h"
#include "core/Projeto.h"
#include "app/ui/frmEntradaDados.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");
const QString Pergunta =
    QStringLiteral("O problema foi alterado desde que foi aberto ou salvo. Deseja salvar o projeto antes de sair?");

class SairSemSalvar : public DialogosCamadas {
protected:
    TfrmEntradaDados* f() { return j.frmEntradaDados; }
    int encerramentos = 0;
    QTemporaryDir pasta;
    void SetUp() override {
        f()->encerraPrograma = [this] { ++encerramentos; };
        f()->show();
    }
    void AbreBloco() {
        arquivos.caminhos.push_back(Bloco);
        f()->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        msg.limpa();
    }
};

// What changes the problem, and what does not.
struct CasoMudanca {
    const char* nome;
    void (*muda)(TDadosModelo&, TfrmEntradaDados&);
    bool mudou;
};
class ProblemaMudou : public SairSemSalvar, public ::testing::WithParamInterface<CasoMudanca> {};

TEST_P(ProblemaMudou, UmaSoDefinicao) {
    AbreBloco();
    EXPECT_FALSE(f()->ProblemaMudou());
    GetParam().muda(d, *f());
    EXPECT_EQ(f()->ProblemaMudou(), GetParam().mudou);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ProblemaMudou,
    ::testing::Values(
        CasoMudanca{"Espessura", [](TDadosModelo& d, TfrmEntradaDados&) { d.Camadas[2].Espessura = 1.6; }, true},
        CasoMudanca{"ElementosDaJanela", [](TDadosModelo&, TfrmEntradaDados& f) { f.spNelem->setValue(5); }, true},
        CasoMudanca{"TabelaDoCalorimetro", [](TDadosModelo& d, TfrmEntradaDados&) { d.CalorCamadas[1].Tabela[9] = 1; }, true},
        CasoMudanca{"ValorNaoFinito", [](TDadosModelo& d, TfrmEntradaDados&) { d.TAmbMax = NAN; }, true},
        // Results are not the problem.
        CasoMudanca{"Resultados", [](TDadosModelo& d, TfrmEntradaDados&) { d.Temperaturas[3] = 50; }, false},
        CasoMudanca{"MesmoValor", [](TDadosModelo& d, TfrmEntradaDados&) { d.Camadas[2].Espessura = 1.5; }, false}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(SairSemSalvar, SemMudancaSoAPerguntaDeSaida) {
    AbreBloco();
    f()->Sair->trigger();
    EXPECT_EQ(msg.todas, QStringList{"confirma: Deseja Sair do Programa Norvik 1D?"});
    EXPECT_EQ(encerramentos, 1);
}

// Sim saves and leaves; Cancelar stays; Não leaves without saving; a save cancelled in
// its dialog or failing stays too, and the problem is still "changed".
TEST_F(SairSemSalvar, SimNaoCancelar) {
    AbreBloco();
    d.Camadas[1].TInicial = 21;

    msg.respostasCancela = {std::nullopt};
    f()->Sair->trigger();
    EXPECT_EQ(msg.todas, (QStringList{"confirma: Deseja Sair do Programa Norvik 1D?", "confirma ou cancela: " + Pergunta}));
    EXPECT_TRUE(f()->isVisible());
    EXPECT_EQ(encerramentos, 0);

    msg.respostasCancela = {true};
    arquivos.caminhos.push_back(std::nullopt);  // the save dialog cancelled
    f()->close();
    EXPECT_TRUE(f()->isVisible());
    arquivos.caminhos.push_back(pasta.filePath(QStringLiteral("nao/ha/pasta.n1d.json")));
    msg.respostasCancela = {true};
    f()->close();
    EXPECT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(f()->isVisible());
    EXPECT_TRUE(f()->ProblemaMudou());

    const QString destino = pasta.filePath(QStringLiteral("salvo.n1d.json"));
    arquivos.caminhos.push_back(destino);
    msg.respostasCancela = {true};
    f()->close();  // by the frame: the save question too, not the exit question
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(encerramentos, 1);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::Le(destino.toStdString(), *lido);
    EXPECT_EQ(lido->Camadas[1].TInicial, 21.0);
}

TEST_F(SairSemSalvar, NaoSaiSemGravarESalvarZeraAMudanca) {
    AbreBloco();
    d.Camadas[1].TInicial = 21;
    const QString destino = pasta.filePath(QStringLiteral("p.n1d.json"));
    arquivos.caminhos.push_back(destino);
    f()->SalvarProjeto->trigger();
    EXPECT_FALSE(f()->ProblemaMudou());
    d.Camadas[1].TInicial = 25;
    msg.respostasCancela = {false};
    f()->Sair->trigger();
    EXPECT_EQ(encerramentos, 1);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::Le(destino.toStdString(), *lido);
    EXPECT_EQ(lido->Camadas[1].TInicial, 21.0);
}

}  // namespace
