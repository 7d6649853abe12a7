// The report window with the uncertainty study's section: refused while the study has no
// results, then the section in the PDF before the conclusion.
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "incerteza/RelatorioIncerteza.h"
#include "incerteza/ui/frmIncerteza.h"
#include "relatorio/ui/frmRelatorio.h"
#include "results/ui/AmbienteResultados.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

// The PDF's text on one line, blanks collapsed.
std::string TextoPdf(const QString& pdf) {
    std::string s;
    const std::string comando = "pdftotext -layout '" + pdf.toStdString() + "' - 2>/dev/null";
    if (FILE* f = ::popen(comando.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) s.append(buffer, n);
        ::pclose(f);
    }
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

TEST_F(JanelaRelatorio, EstudoDeIncertezaNoPdf) {
    app->dados().TermicoCompleto = true;
    rel->cbIncerteza->setChecked(true);
    arquivos.caminhos.push_back(Caminho("cedo"));
    rel->btnGerar->click();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("não tem resultados do problema atual"))) << msg.erros[0].toStdString();
    EXPECT_FALSE(QFile::exists(Caminho("cedo.pdf")));
    arquivos.caminhos.clear();
    msg.limpa();

    TfrmIncerteza* inc = app->janelas().frmIncerteza;
    inc->rbArquivo->setChecked(true);
    inc->edProjeto->setText(Bloco);
    const int linha = Incerteza::IndiceEntrada("TemperaturaLancamento");
    inc->sgdEntradas->item(linha, 0)->setCheckState(Qt::Checked);
    inc->sgdEntradas->item(linha, 2)->setText(QStringLiteral("20; 2"));
    inc->edAmostras->setText(QStringLiteral("8"));
    ASSERT_TRUE(inc->Rodar());
    ASSERT_TRUE(QTest::qWaitFor([inc] { return !inc->Rodando(); }, 60000));
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();

    arquivos.caminhos.push_back(Caminho("com"));
    rel->btnGerar->click();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    const std::string com = TextoPdf(Caminho("com.pdf"));
    ASSERT_FALSE(com.empty()) << "pdftotext (poppler-utils) não está instalado?";
    const auto secao = com.find(Incerteza::TituloRelatorio);
    ASSERT_NE(secao, std::string::npos);
    EXPECT_NE(com.find("8 amostras (hipercubo latino, semente 1)"), std::string::npos);
    EXPECT_NE(com.find("Temperatura máxima > 70 °C"), std::string::npos);
    EXPECT_LT(secao, com.rfind(TRelatorio::TituloConclusao));
}


}  // namespace
