// The recovery copy: what was typed survives a program that did not end cleanly, and
// two programs open at once never take each other's copy.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "app/ui/Aplicacao.h"
#include "app/ui/CopiaRecuperacao.h"
#include "app/ui/frmEntradaDados.h"
#include "core/Projeto.h"
#include "core/ui/HistoricoProblema.h"
#include "input/ui/frmCondInic.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

// The user's data folder of the tests, emptied before and after each one.
class PastaDados {
public:
    PastaDados() {
        QStandardPaths::setTestModeEnabled(true);
        caminho_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recuperacao");
        QDir(caminho_).removeRecursively();
    }
    ~PastaDados() { QDir(caminho_).removeRecursively(); }
    const QString& Caminho() const { return caminho_; }
    QStringList Copias() const {
        return QDir(caminho_).entryList({QStringLiteral("recuperacao-*.json")}, QDir::Files | QDir::Hidden);
    }

private:
    QString caminho_;
};

// One run of the program: its windows and its copy, ended cleanly or not.
struct Programa {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    std::unique_ptr<Aplicacao> app = std::make_unique<Aplicacao>(msg, arquivos);
    TfrmEntradaDados* f = app->janelas().frmEntradaDados;

    explicit Programa(const PastaDados& pasta) {
        f->encerraPrograma = [] {};
        f->UsaRecuperacao(std::make_unique<CopiaRecuperacao>(pasta.Caminho()));
    }
    std::string Problema() const {
        auto copia = std::make_unique<TDadosModelo>(app->dados());
        copia->NElemCamada = f->spNelem->value();
        return Projeto::Conteudo(*copia);
    }
};

// The placing temperature of every layer, through the dialog, as a user confirms it.
void MudaTInicial(Programa& p, const char* t) {
    Janelas& j = p.app->janelas();
    JanelasTeste::Clica(p.f, "btnCondIni");
    j.frmCondInic->findChild<QLineEdit*>(QStringLiteral("edTinic"))->setText(QString::fromUtf8(t));
    JanelasTeste::Clica(j.frmCondInic, "btnOk");
    JanelasTeste::Clica(j.frmCondInic, "btnCancelar");
}

// A member entered in a fresh program, never saved and without a time step yet.
void EntraMembroNovo(Programa& p) {
    p.app->historico().Altera(QStringLiteral("Inserir Membro"), [&] {
        TDadosModelo& d = p.app->dados();
        d.NCamadas = d.NCamadasMembro = 2;
        for (int L = 1; L <= 2; ++L) {
            d.Camadas[L].Espessura = 0.75;
            d.Camadas[L].K = 2.1;
        }
    });
}

struct CasoRecupera {
    const char* nome;
    bool comArquivo;  // the project came from a file
    bool restaura;    // the answer to the question
    const char* origem;
};
class RecuperaDepoisDeQueda : public ::testing::TestWithParam<CasoRecupera> {};

// Edit, end without the clean exit, start again: the question names the project and
// the hour; "Sim" gives back the problem as typed, unsaved; "Não" deletes the copy.
TEST_P(RecuperaDepoisDeQueda, OfereceEDevolveOProblema) {
    const CasoRecupera& c = GetParam();
    PastaDados pasta;
    std::string digitado;
    {
        Programa antes(pasta);
        if (c.comArquivo) {
            antes.arquivos.caminhos.push_back(Bloco);
            antes.f->AbrirProjeto->trigger();
            ASSERT_TRUE(pasta.Copias().isEmpty()) << "nada mudou ainda";
            MudaTInicial(antes, "13,5");
        } else {
            EntraMembroNovo(antes);
        }
        ASSERT_TRUE(antes.msg.erros.isEmpty()) << antes.msg.erros.join("\n").toStdString();
        ASSERT_EQ(pasta.Copias().size(), 1) << "a cópia é gravada a cada alteração confirmada";
        digitado = antes.Problema();
        antes.app.reset();  // the program dies: no close, no clean exit
    }
    ASSERT_EQ(pasta.Copias().size(), 1);

    Programa depois(pasta);
    depois.msg.respostas.push_back(c.restaura);
    EXPECT_EQ(depois.f->OfereceRecuperacao(), c.restaura);
    ASSERT_EQ(depois.msg.confirmacoes.size(), 1);
    const QString pergunta = depois.msg.confirmacoes.front();
    EXPECT_TRUE(pergunta.startsWith(QStringLiteral("Foi encontrada uma cópia de recuperação de ") +
                                    QString::fromUtf8(c.origem) + QStringLiteral(" de ")))
        << pergunta.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(" de \\d\\d:\\d\\d\\. Restaurar\\?$")).match(pergunta).hasMatch())
        << pergunta.toStdString();
    EXPECT_TRUE(depois.msg.erros.isEmpty()) << depois.msg.erros.join("\n").toStdString();
    if (c.restaura) {
        EXPECT_EQ(depois.Problema(), digitado);
        EXPECT_TRUE(depois.f->ProblemaMudou());
        if (c.comArquivo) {
            EXPECT_TRUE(depois.f->windowTitle().endsWith(QStringLiteral("bloco-fundacao-3-camadas.n1d.json[*]")));
            EXPECT_TRUE(depois.f->isWindowModified());
        }
        // The restored problem is now this program's copy, still unsaved.
        EXPECT_EQ(pasta.Copias(), QStringList{QFileInfo(depois.f->Recuperacao()->Arquivo()).fileName()});
    } else {
        EXPECT_FALSE(depois.f->ProblemaMudou()) << "o problema de um programa recém-aberto";
        EXPECT_TRUE(pasta.Copias().isEmpty());
    }
    // Asked once: nothing else is left behind.
    EXPECT_TRUE(depois.f->Recuperacao()->Orfas().empty());
}
INSTANTIATE_TEST_SUITE_P(
    Casos, RecuperaDepoisDeQueda,
    ::testing::Values(CasoRecupera{"ProjetoRestaurado", true, true, "bloco-fundacao-3-camadas.n1d.json"},
                      CasoRecupera{"ProjetoDescartado", true, false, "bloco-fundacao-3-camadas.n1d.json"},
                      CasoRecupera{"SemNomeRestaurado", false, true, "um projeto sem nome"},
                      CasoRecupera{"SemNomeDescartado", false, false, "um projeto sem nome"}),
    [](const auto& info) { return std::string(info.param.nome); });

// What removes the copy: the problem back as saved, a save, a clean exit.
struct CasoRemove {
    const char* nome;
    void (*acao)(Programa&, const QString& pasta);
};
class RemoveCopia : public ::testing::TestWithParam<CasoRemove> {};

TEST_P(RemoveCopia, NadaSobraParaRecuperar) {
    PastaDados pasta;
    QTemporaryDir projetos;
    Programa p(pasta);
    p.arquivos.caminhos.push_back(Bloco);
    p.f->AbrirProjeto->trigger();
    MudaTInicial(p, "13,5");
    ASSERT_EQ(pasta.Copias().size(), 1);
    GetParam().acao(p, projetos.path());
    EXPECT_TRUE(p.msg.erros.isEmpty()) << p.msg.erros.join("\n").toStdString();
    EXPECT_TRUE(pasta.Copias().isEmpty());
    p.app.reset();
    Programa seguinte(pasta);
    EXPECT_FALSE(seguinte.f->OfereceRecuperacao());
    EXPECT_TRUE(seguinte.msg.confirmacoes.isEmpty());
}
INSTANTIATE_TEST_SUITE_P(
    Casos, RemoveCopia,
    ::testing::Values(
        CasoRemove{"Desfeito",
                   [](Programa& p, const QString&) { p.f->findChild<QAction*>(QStringLiteral("Desfazer"))->trigger(); }},
        CasoRemove{"SalvoComo",
                   [](Programa& p, const QString& pasta) {
                       p.arquivos.caminhos.push_back(pasta + QStringLiteral("/salvo.n1d.json"));
                       p.f->SalvarProjeto->trigger();
                   }},
        CasoRemove{"SaidaLimpaSemSalvar",
                   [](Programa& p, const QString&) {
                       p.msg.respostasCancela.push_back(false);  // "Não" to saving
                       p.f->close();
                   }}),
    [](const auto& info) { return std::string(info.param.nome); });

// A real second process, killed: its lock names a dead process, and its copy is offered
// only then. The child is this test program, run with NORVIK_RECUPERACAO_FILHO.
TEST(Recuperacao, ProcessoMortoDeixaSuaCopia) {
    if (qEnvironmentVariableIsSet("NORVIK_RECUPERACAO_FILHO")) {
        CopiaRecuperacao copia(qEnvironmentVariable("NORVIK_RECUPERACAO_FILHO"));
        copia.Grava("{\"formato\": \"norvik-1d/projeto\", \"versao\": 1}\n", QStringLiteral("/obra/filho.n1d.json"));
        std::fputs(copia.Arquivo().isEmpty() ? "sem trava\n" : "pronto\n", stdout);
        std::fflush(stdout);
        for (int i = 0; i < 600; ++i) QThread::msleep(100);  // until killed
        return;
    }
    PastaDados pasta;
    QDir().mkpath(pasta.Caminho());
    QProcess filho;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("NORVIK_RECUPERACAO_FILHO"), pasta.Caminho());
    filho.setProcessEnvironment(ambiente);
    filho.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Recuperacao.ProcessoMortoDeixaSuaCopia")});
    ASSERT_TRUE(filho.waitForStarted());
    QByteArray dito;
    while (!dito.contains("pronto\n") && !dito.contains("sem trava") && filho.waitForReadyRead(30000))
        dito += filho.readAllStandardOutput();
    ASSERT_TRUE(dito.contains("pronto\n")) << dito.toStdString();
    {
        CopiaRecuperacao eu(pasta.Caminho());
        EXPECT_TRUE(eu.Orfas().empty()) << "o filho ainda vive";
    }
    filho.kill();
    ASSERT_TRUE(filho.waitForFinished());
    CopiaRecuperacao eu(pasta.Caminho());
    const auto orfas = eu.Orfas();
    ASSERT_EQ(orfas.size(), 1u);
    EXPECT_EQ(orfas[0].origem, QStringLiteral("/obra/filho.n1d.json"));
}

}  // namespace
