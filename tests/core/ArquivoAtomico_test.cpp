// The atomic save: each row a target and what the save does with it, the message of a
// refusal (naming the file and the reason) and the permissions the file keeps.
#include "core/ArquivoAtomico.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "PastaTemporaria.h"
#include "core/Erros.h"

namespace {

struct Alvo {
    const char* nome;
    const char* arquivo;      // inside the folder
    int modoAnterior;         // -1: no earlier file
    const char* motivo;       // empty: saved
};

class GravaAtomico : public ::testing::TestWithParam<Alvo> {};

mode_t Modo(const std::string& caminho) {
    struct stat s {};
    ::stat(caminho.c_str(), &s);
    return s.st_mode & 07777;
}

TEST_P(GravaAtomico, GravaOuRecusaSemMudarPermissoes) {
    const Alvo& a = GetParam();
    PastaTemporaria pasta;
    const std::string caminho = pasta / a.arquivo;
    if (a.modoAnterior >= 0) {
        GravaArquivo(caminho, "anterior");
        ::chmod(caminho.c_str(), static_cast<mode_t>(a.modoAnterior));
    }
    try {
        TArquivoAtomico::Grava(caminho, "novo");
        EXPECT_STREQ(a.motivo, "") << "gravou";
        EXPECT_EQ(LeArquivo(caminho), "novo");
    } catch (const ErroEntrada& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível salvar o arquivo \"" + caminho + "\": " + a.motivo);
        if (a.modoAnterior >= 0) {
            EXPECT_EQ(LeArquivo(caminho), "anterior");
        }
    }
    if (a.modoAnterior >= 0) {
        EXPECT_EQ(Modo(caminho), static_cast<mode_t>(a.modoAnterior));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Alvos, GravaAtomico,
    ::testing::Values(Alvo{"Novo", "a.txt", -1, ""},
                      Alvo{"SubstituiMantendo0640", "a.txt", 0640, ""},
                      Alvo{"SubstituiMantendo0600", "a.txt", 0600, ""},
                      Alvo{"SomenteLeitura0444", "a.txt", 0444, "o arquivo é somente leitura"},
                      Alvo{"SomenteLeitura0400", "a.txt", 0400, "o arquivo é somente leitura"}),
    [](const auto& i) { return std::string(i.param.nome); });

// The failures of the disk name the file and the reason.
TEST(GravaAtomico, DiscoCheioNomeiaOArquivoEOMotivo) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "grande.txt";
    try {
        DiscoCheio cheio(1000);
        TArquivoAtomico::Grava(caminho, std::string(200000, 'x'), "Não foi possível salvar o estudo");
        FAIL() << "gravou";
    } catch (const ErroEntrada& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível salvar o estudo \"" + caminho +
                                             "\": o arquivo passa do tamanho que o sistema permite");
    }
    EXPECT_EQ(pasta.QuantosArquivos(), 0);
}

TEST(GravaAtomico, PastaAusenteNomeiaOArquivo) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "nao-existe/a.txt";
    try {
        TArquivoAtomico::Grava(caminho, "x");
        FAIL() << "gravou";
    } catch (const ErroEntrada& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível criar o arquivo \"" + caminho + "\": a pasta não existe");
    }
}

}  // namespace
