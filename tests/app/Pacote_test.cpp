// What the Debian package installs, read from an installation into a temporary folder
// (the same install rules CPack packs): the binaries side by side, the desktop entry
// and the MIME type that let the file manager open a project, the manual page that
// documents every option of the batch tool, and the examples, which the installed
// tool runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "RodaLote.h"

namespace fs = std::filesystem;

namespace {

// Installs the build into `pasta`/usr, as the package lays it out.
void Instala(const PastaTemporaria& pasta) {
    const std::string comando = Q(NORVIK_CMAKE) + " --install " + Q(NORVIK_BINARIOS) + " --prefix " +
                                Q(pasta / "usr") + " >" + Q(pasta / "instala.log") + " 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0) << LeArquivo(pasta / "instala.log");
}

// The options the batch tool names in its own usage text.
std::set<std::string> OpcoesDoUso() {
    PastaTemporaria p;
    const Saida s = Roda(p, "--ajuda");
    std::set<std::string> opcoes;
    const std::regex opcao("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(s.out.begin(), s.out.end(), opcao); it != std::sregex_iterator(); ++it)
        opcoes.insert(it->str());
    return opcoes;
}

}  // namespace

TEST(Pacote, InstalaOsArquivosDoPacote) {
    PastaTemporaria pasta;
    Instala(pasta);
    const fs::path usr = pasta.Caminho() / "usr";
    struct Esperado {
        const char* caminho;
        bool soComJanelas;
    };
    const Esperado esperados[] = {
        {"bin/norvik1d-lote", false},
        {"share/man/man1/norvik1d-lote.1.gz", false},
        {"share/norvik1d/exemplos/bloco-fundacao-3-camadas.n1d.json", false},
        {"share/norvik1d/exemplos/radier-verao-clima.csv", false},
        {"bin/norvik1d", true},
        {"bin/norvik1d-lote-pdf", true},
        {"share/man/man1/norvik1d.1.gz", false},
        {"share/applications/norvik1d.desktop", true},
        {"share/mime/packages/norvik1d.xml", true},
        {"share/icons/hicolor/scalable/apps/norvik1d.svg", true},
    };
    for (const auto& e : esperados) {
#ifndef NORVIK_RELATORIO_PDF
        if (e.soComJanelas) continue;
#endif
        EXPECT_TRUE(fs::exists(usr / e.caminho)) << e.caminho;
    }
    // Every example of the source tree is installed.
    for (const auto& f : fs::directory_iterator(fs::path(NORVIK_FONTES) / "exemplos"))
        EXPECT_TRUE(fs::exists(usr / "share/norvik1d/exemplos" / f.path().filename())) << f.path().filename();
}

#ifdef NORVIK_RELATORIO_PDF
TEST(Pacote, EntradaDeMenuAbreProjetosPeloTipo) {
    const std::string fontes = NORVIK_FONTES;
    const std::string entrada = LeArquivo(fontes + "/pacote/norvik1d.desktop");
    const std::string mime = LeArquivo(fontes + "/pacote/norvik1d-mime.xml");
    EXPECT_NE(entrada.find("Categories=Science;Engineering;"), std::string::npos);
    EXPECT_NE(entrada.find("Exec=norvik1d %f"), std::string::npos);
    EXPECT_NE(entrada.find("Icon=norvik1d\n"), std::string::npos);
    // The desktop entry and the MIME definition name the same type.
    const std::regex tipo("MimeType=([^;\\n]+);");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(entrada, m, tipo));
    EXPECT_NE(mime.find("<mime-type type=\"" + m[1].str() + "\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.n1d.json\""), std::string::npos);
}
#endif

TEST(Pacote, ManualDocumentaCadaOpcaoDoLote) {
    const std::string manual = LeArquivo(std::string(NORVIK_FONTES) + "/pacote/norvik1d-lote.1");
    // The options the manual describes: the items (.TP) whose tag line is in bold.
    std::set<std::string> documentadas;
    const std::regex item("\\.TP\n\\.B[IR]? (\\\\-\\\\-[a-z\\\\-]+)");
    for (auto it = std::sregex_iterator(manual.begin(), manual.end(), item); it != std::sregex_iterator(); ++it)
        documentadas.insert(std::regex_replace(it->str(1), std::regex("\\\\-"), "-"));
    const auto opcoes = OpcoesDoUso();
    ASSERT_GT(opcoes.size(), 10u);
    for (const auto& o : opcoes) EXPECT_EQ(documentadas.count(o), 1u) << o << " falta no manual";
    for (const auto& o : documentadas) {
        if (o != "--ajuda") {
            EXPECT_EQ(opcoes.count(o), 1u) << o << " está no manual e não no uso";
        }
    }
}

TEST(Pacote, LoteInstaladoRodaUmExemploInstalado) {
    PastaTemporaria pasta;
    Instala(pasta);
    const fs::path usr = pasta.Caminho() / "usr";
    const std::string saida = pasta / "t.txt";
    const std::string comando = Q((usr / "bin/norvik1d-lote").string()) + " " +
                                Q((usr / "share/norvik1d/exemplos/bloco-fundacao-3-camadas.n1d.json").string()) +
                                " --temperaturas " + Q(saida) + " >" + Q(pasta / "out") + " 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0) << LeArquivo(pasta / "out");
    EXPECT_NE(LeArquivo(pasta / "out").find("63,75"), std::string::npos) << LeArquivo(pasta / "out");
    EXPECT_FALSE(LeArquivo(saida).empty());
}
