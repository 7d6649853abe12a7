// The report window: refusals before the dialog, the PDF written through the dialog,
// and a missing folder refused with the reason; "Relatório..." of the results window opens it.
#include "relatorio/ui/frmRelatorio.h"

#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include "results/ui/AmbienteResultados.h"
#include "results/ui/frmResultados.h"

namespace {

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

}  // namespace
