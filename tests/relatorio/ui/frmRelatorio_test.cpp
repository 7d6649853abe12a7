// The report window: refusals before the dialog, the PDF written through the dialog,
// and a missing folder refused with the reason; "Relatório..." of the results window opens it.
#include "relatorio/ui/frmRelatorio.h"

#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "app/ui/frmEntradaDados.h"
#include "results/ComparacaoProjetos.h"
#include "results/ExecucaoProjeto.h"
#include "results/ui/AmbienteResultados.h"
#include "core/ui/ComparacaoGrafico.h"
#include "results/ui/frmResultados.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

// The PDF's text on one line, blanks collapsed, the "fi" glyph spelled out.
std::string TextoPdf(const QString& pdf) {
    std::string s;
    const std::string comando = "pdftotext -layout '" + pdf.toStdString() + "' - 2>/dev/null";
    if (FILE* f = ::popen(comando.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) s.append(buffer, n);
        ::pclose(f);
    }
    s = std::regex_replace(s, std::regex("ﬁ"), "fi");
    return std::regex_replace(s, std::regex("\\s+"), " ");
}

class JanelaRelatorio : public AmbienteResultados {
protected:
    void SetUp() override {
        AmbienteResultados::SetUp();
        rel = app->janelas().frmRelatorio;
        ASSERT_NE(rel, nullptr);
        Membro(2, 2, 8, 3);
    }
    TfrmRelatorio* rel = nullptr;
};

struct CasoRecusa {
    const char* nome;
    bool completo;
    const char* limiteTemperatura;
    const char* limiteDiferenca;
    const char* mensagem;
};
class RecusaDoRelatorio : public JanelaRelatorio, public ::testing::WithParamInterface<CasoRecusa> {};

TEST_P(RecusaDoRelatorio, SemPerguntarONome) {
    const CasoRecusa& c = GetParam();
    app->dados().TermicoCompleto = c.completo;
    rel->edLimiteTemperatura->setText(QString::fromUtf8(c.limiteTemperatura));
    rel->edLimiteDiferenca->setText(QString::fromUtf8(c.limiteDiferenca));
    arquivos.caminhos.push_back(Caminho("r"));
    rel->btnGerar->click();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QString::fromUtf8(c.mensagem));
    EXPECT_TRUE(arquivos.filtros.isEmpty());
    EXPECT_FALSE(QFile::exists(Caminho("r.pdf")));
}
INSTANTIATE_TEST_SUITE_P(
    Casos, RecusaDoRelatorio,
    ::testing::Values(CasoRecusa{"SemAnaliseCompleta", false, "70", "20",
                                 "O relatório precisa de uma análise térmica completa. Execute a análise térmica antes."},
                      CasoRecusa{"LimiteComPonto", true, "70.5", "20",
                                 "'70.5' não é um valor de ponto flutuante válido"},
                      CasoRecusa{"DiferencaVazia", true, "70", "", "'' não é um valor de ponto flutuante válido"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(JanelaRelatorio, GravaOPdfComONomeEscolhido) {
    app->dados().TermicoCompleto = true;
    app->janelas().frmResultados->Relatorio1->trigger();
    EXPECT_TRUE(rel->isVisible());
    arquivos.caminhos.push_back(Caminho("controle"));
    rel->btnGerar->click();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    EXPECT_EQ(arquivos.filtros, QStringList{"Documento PDF|*.pdf|Todos Arquivos|*.*"});
    const std::string pdf = Le(Caminho("controle.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith(QStringLiteral("Relatório gravado em")));

    // A missing folder: the reason, no file, and the earlier report untouched.
    msg.limpa();
    arquivos.caminhos.push_back(Caminho("nao/controle.pdf"));
    rel->btnGerar->click();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("a pasta não existe"))) << msg.erros[0].toStdString();
    EXPECT_EQ(Le(Caminho("controle.pdf")), pdf);
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"controle.pdf"});
    rel->close();
}

TEST_F(JanelaRelatorio, CancelarNaoGravaNada) {
    app->dados().TermicoCompleto = true;
    arquivos.caminhos.push_back(std::nullopt);
    rel->btnGerar->click();
    EXPECT_TRUE(msg.erros.isEmpty());
    EXPECT_TRUE(msg.informacoes.isEmpty());
    EXPECT_TRUE(QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// "Comparar com...": the table of the two runs in the PDF; refused while the other still runs; dropped by a new run of the current problem.
TEST_F(JanelaRelatorio, ComparacaoEntraNoPdfEDesapareceComNovaAnalise) {
    app->dados().TermicoCompleto = true;
    arquivos.caminhos.push_back(Bloco);
    rel->btnComparar->click();
    EXPECT_TRUE(rel->btnSemComparacao->isEnabled());
    arquivos.caminhos.push_back(Caminho("cedo"));
    rel->btnGerar->click();  // the run is still going: its end has not been delivered
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("ainda está sendo calculada"))) << msg.erros[0].toStdString();
    EXPECT_FALSE(QFile::exists(Caminho("cedo.pdf")));
    arquivos.caminhos.clear();
    rel->comparacao->Espera();
    ASSERT_NE(rel->comparacao->Resultado(), nullptr);
    EXPECT_TRUE(rel->lblComparacao->text().contains(QStringLiteral("bloco-fundacao-3-camadas")));

    msg.limpa();
    arquivos.caminhos.push_back(Caminho("com"));
    rel->btnGerar->click();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    const std::string com = TextoPdf(Caminho("com.pdf"));
    ASSERT_FALSE(com.empty()) << "pdftotext (poppler-utils) não está instalado?";
    // The figures of the other run, as the table gives them for the block alone.
    Progresso nada;
    const TExecucaoProjeto bloco = ExecucaoProjeto::ExecutaArquivo(Bloco.toStdString(), OpcoesExecucao{}, nada);
    const auto b = TComparacaoProjetos::FigurasDe({"bloco", bloco.Dados.get(), &bloco.Temperaturas, nullptr});
    EXPECT_NE(com.find(Relatorio::TituloComparacao), std::string::npos);
    EXPECT_NE(com.find("B: bloco-fundacao-3-camadas."), std::string::npos);
    EXPECT_NE(com.find(" " + Numeros::FormataFixo(b.TMaxima, 0, 2) + " "), std::string::npos);

    app->janelas().frmEntradaDados->NovaAnalise();
    EXPECT_EQ(rel->comparacao->Resultado(), nullptr);
    EXPECT_TRUE(rel->lblComparacao->text().isEmpty());
    EXPECT_FALSE(rel->btnSemComparacao->isEnabled());
    msg.limpa();
    arquivos.caminhos.push_back(Caminho("sem"));
    rel->btnGerar->click();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    EXPECT_EQ(TextoPdf(Caminho("sem.pdf")).find(Relatorio::TituloComparacao), std::string::npos);

    // A project that cannot run: its message, and nothing left to drop.
    msg.limpa();
    arquivos.caminhos.push_back(Caminho("nao-existe.n1d.json"));
    rel->btnComparar->click();
    rel->comparacao->Espera();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("nao-existe"))) << msg.erros[0].toStdString();
    EXPECT_EQ(rel->comparacao->Resultado(), nullptr);
    EXPECT_FALSE(rel->btnSemComparacao->isEnabled());
}

}  // namespace
