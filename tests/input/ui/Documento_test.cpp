// The project as a document: its file in the title with the unsaved mark, "Salvar"
// to that file, a question before replacing another file, "Novo", recent projects
// and the main window's help.
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "DialogosCamadasTeste.h"
#include "core/Projeto.h"
#include "core/ui/HistoricoProblema.h"
#include "input/ui/frmCondInic.h"
#include "app/ui/frmEntradaDados.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");
const QString Titulo = QStringLiteral("          Norvik - 1D");

class Documento : public DialogosCamadas {
protected:
    TfrmEntradaDados* f() { return j.frmEntradaDados; }
    QTemporaryDir pasta;
    void SetUp() override {
        f()->encerraPrograma = [] {};
        arquivos.caminhos.push_back(Bloco);
        f()->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        msg.limpa();
    }
    void MudaTInicial(const char* t) {
        Clica(f(), "btnCondIni");
        Digita(j.frmCondInic, "edTinic", QString::fromUtf8(t));
        Clica(j.frmCondInic, "btnOk");
        Clica(j.frmCondInic, "btnCancelar");
    }
    static QByteArray Le(const QString& caminho) {
        QFile a(caminho);
        return a.open(QIODevice::ReadOnly) ? a.readAll() : QByteArray();
    }
};

TEST_F(Documento, TituloMarcaAlteracoesESalvarGravaNoMesmoArquivo) {
    EXPECT_EQ(f()->windowTitle(), Titulo + " - bloco-fundacao-3-camadas.n1d.json[*]");
    EXPECT_FALSE(f()->isWindowModified());
    MudaTInicial("19");
    EXPECT_TRUE(f()->isWindowModified());
    // Undone, the problem is the file's again.
    f()->findChild<QAction*>(QStringLiteral("Desfazer"))->trigger();
    EXPECT_FALSE(f()->isWindowModified());
    f()->findChild<QAction*>(QStringLiteral("Refazer"))->trigger();
    EXPECT_TRUE(f()->isWindowModified());

    const QString copia = pasta.filePath(QStringLiteral("copia.n1d.json"));
    arquivos.caminhos.push_back(copia);
    f()->SalvarProjeto->trigger();
    EXPECT_EQ(f()->windowTitle(), Titulo + " - copia.n1d.json[*]");
    EXPECT_FALSE(f()->isWindowModified());
    MudaTInicial("17");
    f()->SalvarAtual->trigger();  // Ctrl+S: no file dialog, the same file
    EXPECT_TRUE(arquivos.caminhos.empty());
    EXPECT_TRUE(arquivos.filtros.size() == 2) << arquivos.filtros.join(", ").toStdString();
    EXPECT_FALSE(f()->isWindowModified());
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::Le(copia.toStdString(), *lido);
    EXPECT_EQ(lido->Camadas[1].TInicial, 17.0);
    EXPECT_EQ(f()->SalvarAtual->shortcut(), QKeySequence(QKeySequence::Save));
}

// The name typed gets the project's extension: a file of that name is replaced only
// when the user says so.
struct CasoSubstitui {
    const char* nome;
    bool resposta;
};
class SubstituiArquivo : public Documento, public ::testing::WithParamInterface<CasoSubstitui> {};

TEST_P(SubstituiArquivo, PerguntaAntesDeSubstituir) {
    const QString existente = pasta.filePath(QStringLiteral("obra.n1d.json"));
    QFile a(existente);
    ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    a.write("antigo");
    a.close();
    Responde({GetParam().resposta});
    arquivos.caminhos.push_back(pasta.filePath(QStringLiteral("obra")));
    f()->SalvarProjeto->trigger();
    EXPECT_EQ(msg.confirmacoes, QStringList{"O arquivo \"obra.n1d.json\" já existe. Deseja substituí-lo?"});
    EXPECT_EQ(Le(existente) == "antigo", !GetParam().resposta);
}
INSTANTIATE_TEST_SUITE_P(Respostas, SubstituiArquivo,
                         ::testing::Values(CasoSubstitui{"Sim", true}, CasoSubstitui{"Nao", false}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Documento, NovoComecaUmProblemaVazioSemHistorico) {
    MudaTInicial("19");
    msg.respostasCancela.push_back(false);  // "Não" to saving first
    f()->NovoProjeto->trigger();
    EXPECT_EQ(msg.perguntasCancela.size(), 1);
    EXPECT_EQ(d.NCamadas, 0);
    EXPECT_EQ(d.TempoTotal, 0.0);
    EXPECT_EQ(f()->windowTitle(), Titulo);
    EXPECT_FALSE(app.historico().Pilha().canUndo());
    EXPECT_FALSE(f()->ProblemaMudou());
}

TEST_F(Documento, RecentesAbremOProjeto) {
    const QString copia = pasta.filePath(QStringLiteral("recente.n1d.json"));
    arquivos.caminhos.push_back(copia);
    f()->SalvarProjeto->trigger();
    ASSERT_EQ(f()->recentes.size(), 2);
    EXPECT_TRUE(f()->recentes[0].endsWith("recente.n1d.json"));
    EXPECT_TRUE(f()->recentes[1].endsWith("bloco-fundacao-3-camadas.n1d.json"));
    emit f()->menuRecentes->aboutToShow();
    const QList<QAction*> acoes = f()->menuRecentes->actions();
    ASSERT_EQ(acoes.size(), 2);
    acoes[1]->trigger();
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(f()->windowTitle(), Titulo + " - bloco-fundacao-3-camadas.n1d.json[*]");
    EXPECT_TRUE(f()->recentes[0].endsWith("bloco-fundacao-3-camadas.n1d.json"));
}

TEST_F(Documento, AjudaDaJanelaPrincipal) {
    f()->GuiaRapido->trigger();
    f()->Definicoes->trigger();
    ASSERT_EQ(msg.informacoes.size(), 2);
    EXPECT_TRUE(msg.informacoes[0].contains("Ctrl+Z")) << msg.informacoes[0].toStdString();
    EXPECT_FALSE(msg.informacoes[1].isEmpty());
}

}  // namespace
