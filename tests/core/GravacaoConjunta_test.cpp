// Files written together: when any one fails, at whatever point, every target is as
// it was before (an earlier file with its content, a new one absent) and nothing is
// left beside them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/GravacaoConjunta.h"

namespace {

namespace fs = std::filesystem;

// Three targets; a.txt and c.txt exist before the run, b.txt does not. The third
// is large, for a file-size limit that only it passes.
const char* const Nomes[] = {"a.txt", "b.txt", "c.txt"};
const bool Existia[] = {true, false, true};
std::string Novo(int i) { return i == 2 ? std::string(64 * 1024, 'c') : std::string("novo ") + Nomes[i]; }
std::string Antigo(int i) { return std::string("antigo ") + Nomes[i]; }

enum class Momento { Preparo, Troca };

struct CasoFalha {
    const char* nome;
    int arquivo;      // which one fails (-1: none)
    Momento momento;  // while its temporary is written, or while the targets are replaced
    // What makes it fail, given the folder and the target.
    std::function<void(const PastaTemporaria&, const std::string&)> provoca;
    const char* motivo;
};

class GravacaoConjuntaFalha : public ::testing::TestWithParam<CasoFalha> {};

TEST_P(GravacaoConjuntaFalha, TudoOuNada) {
    const CasoFalha& c = GetParam();
    PastaTemporaria pasta;
    for (int i = 0; i < 3; ++i)
        if (Existia[i]) GravaArquivo(pasta / Nomes[i], Antigo(i));
    std::string erro;
    try {
        TGravacaoConjunta g;
        for (int i = 0; i < 3; ++i) {
            if (i == c.arquivo && c.momento == Momento::Preparo) c.provoca(pasta, pasta / Nomes[i]);
            g.Acrescenta(pasta / Nomes[i], Novo(i));
        }
        if (c.arquivo >= 0 && c.momento == Momento::Troca) c.provoca(pasta, pasta / Nomes[c.arquivo]);
        g.Conclui();
    } catch (const ErroEntrada& e) {
        erro = e.what();
    }
    int esperados = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string alvo = pasta / Nomes[i];
        if (c.arquivo < 0) {
            EXPECT_EQ(LeArquivo(alvo), Novo(i)) << Nomes[i];
            ++esperados;
        } else if (i == c.arquivo && (fs::is_directory(alvo) || LeArquivo(alvo) == "protegido")) {
            ++esperados;  // what the case put in its place stays
        } else if (Existia[i]) {
            EXPECT_EQ(LeArquivo(alvo), Antigo(i)) << Nomes[i];
            ++esperados;
        } else {
            EXPECT_FALSE(fs::exists(alvo)) << Nomes[i] << " não existia e não deve ficar";
        }
    }
    EXPECT_EQ(pasta.QuantosArquivos(), esperados) << "nenhum temporário nem cópia anterior sobra";
    if (c.arquivo < 0) {
        EXPECT_EQ(erro, "");
    } else {
        EXPECT_NE(erro.find(std::string("\"") + (pasta / Nomes[c.arquivo]) + "\""), std::string::npos) << erro;
        EXPECT_NE(erro.find(c.motivo), std::string::npos) << erro;
    }
}

void SomenteLeitura(const PastaTemporaria&, const std::string& alvo) {
    GravaArquivo(alvo, "protegido");
    ::chmod(alvo.c_str(), 0444);
}
// A folder where the target was, after its temporary was written.
void VirouPasta(const PastaTemporaria&, const std::string& alvo) {
    fs::remove(alvo);
    fs::create_directory(alvo);
}
// The temporary of the target vanished before the targets were replaced.
void TemporarioSumiu(const PastaTemporaria& pasta, const std::string& alvo) {
    const std::string prefixo = "." + fs::path(alvo).filename().string() + ".tmp-";
    for (const auto& e : fs::directory_iterator(pasta.Caminho()))
        if (e.path().filename().string().rfind(prefixo, 0) == 0) fs::remove(e.path());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, GravacaoConjuntaFalha,
    ::testing::Values(
        CasoFalha{"Nenhuma", -1, Momento::Preparo, {}, ""},
        CasoFalha{"PrimeiroSomenteLeitura", 0, Momento::Preparo, SomenteLeitura, "somente leitura"},
        CasoFalha{"SegundoSomenteLeitura", 1, Momento::Preparo, SomenteLeitura, "somente leitura"},
        CasoFalha{"TerceiroEhPasta", 2, Momento::Preparo, VirouPasta, "o nome é de uma pasta"},
        CasoFalha{"PrimeiroVirouPastaNaTroca", 0, Momento::Troca, VirouPasta, "o nome é de uma pasta"},
        CasoFalha{"SegundoVirouPastaNaTroca", 1, Momento::Troca, VirouPasta, "o nome é de uma pasta"},
        CasoFalha{"TerceiroVirouPastaNaTroca", 2, Momento::Troca, VirouPasta, "o nome é de uma pasta"},
        CasoFalha{"SegundoSemTemporarioNaTroca", 1, Momento::Troca, TemporarioSumiu, "a pasta não existe"},
        CasoFalha{"TerceiroSemTemporarioNaTroca", 2, Momento::Troca, TemporarioSumiu, "a pasta não existe"}),
    [](const auto& info) { return std::string(info.param.nome); });

// Abandoned before Conclui (the run failed after the files were prepared): nothing changes.
TEST(GravacaoConjunta, SemConcluirNadaMuda) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "a.txt", "antigo");
    {
        TGravacaoConjunta g;
        g.Acrescenta(pasta / "a.txt", "novo");
        g.Acrescenta(pasta / "b.txt", "novo");
    }
    EXPECT_EQ(LeArquivo(pasta / "a.txt"), "antigo");
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

// Content handed over in pieces: a producer that fails midway leaves the set as it was,
// the earlier file intact, no temporary beside it.
TEST(GravacaoConjunta, PorPartesQueFalhaNaoDeixaNada) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "a.txt", "antigo");
    TGravacaoConjunta g;
    g.Acrescenta(pasta / "c.txt", "novo");
    EXPECT_THROW(g.AcrescentaPorPartes(pasta / "a.txt",
                                       [](const std::function<void(std::string_view)>& escreve) {
                                           escreve("metade");
                                           throw ErroEntrada("a tabela não pôde ser formada");
                                       }),
                 ErroEntrada);
    EXPECT_EQ(LeArquivo(pasta / "a.txt"), "antigo");
    EXPECT_FALSE(fs::exists(pasta / "c.txt"));
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

}  // namespace
