// Bad import files and bad cells of the discrete heat grid: what each gives, and
// that the layer's hourly table keeps what it held.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <string>

#include "core/Erros.h"
#include "input/CalorDiscreto.h"

namespace {

// ---- Import file: time in hours and temperature with a decimal point. ----
struct ArquivoImportacao {
    const char* nome;
    const char* texto;
    int pontos;  // -1: refused (the import ends without a message, the grid stays)
};

class ImportacaoInvalida : public ::testing::TestWithParam<ArquivoImportacao> {};

TEST_P(ImportacaoInvalida, PontosLidosOuRecusa) {
    std::istringstream entrada(GetParam().texto);
    const auto pontos = CalorDiscreto::LeArquivo(entrada);
    if (GetParam().pontos < 0) {
        EXPECT_FALSE(pontos.has_value());
    } else {
        ASSERT_TRUE(pontos.has_value());
        EXPECT_EQ(static_cast<int>(pontos->size()), GetParam().pontos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arquivo, ImportacaoInvalida,
    ::testing::Values(ArquivoImportacao{"Vazio", "", 0}, ArquivoImportacao{"Branco", "  \n\t\r\n\n", 0},
                      ArquivoImportacao{"Letras", "0 20\ntempo temperatura\n", -1},
                      ArquivoImportacao{"VirgulaDecimal", "0 20\n1,5 30\n", -1},
                      ArquivoImportacao{"UmNumeroSo", "0 20\n24\n", -1},
                      ArquivoImportacao{"Enorme", "0 20\n1e400 30\n", -1},
                      ArquivoImportacao{"NaN", "0 20\n24 nan\n", -1},
                      ArquivoImportacao{"Infinito", "0 20\ninf 30\n", -1},
                      ArquivoImportacao{"InfinitoPorExtenso", "0 20\n24 -infinity\n", -1},
                      ArquivoImportacao{"Negativo", "-24 20\n0 -5\n", 2},
                      ArquivoImportacao{"ComentarioAposOsNumeros", "0 20 inicio\n24 40\n", 2}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- Grid cells, in days and °C with the decimal comma, turned into rates. ----
struct CelulaRuim {
    const char* nome;
    std::vector<CalorDiscreto::LinhaTexto> pontos;
    const char* mensagem;
};

class GradeInvalida : public ::testing::TestWithParam<CelulaRuim> {};

TEST_P(GradeInvalida, RecusaSemTocarATabela) {
    auto tabela = std::make_unique<std::array<double, MaxHoras + 1>>();
    tabela->fill(7.5);
    try {
        CalorDiscreto::PreencheTabela(GetParam().pontos, 2400, 1000, false, *tabela);
        FAIL() << "aceita";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().mensagem);
    }
    for (double v : *tabela) ASSERT_EQ(v, 7.5);
}

using L = CalorDiscreto::LinhaTexto;
INSTANTIATE_TEST_SUITE_P(
    Celulas, GradeInvalida,
    ::testing::Values(
        CelulaRuim{"Vazia", {L{"0", "20"}, L{"", "30"}}, "'' não é um valor de ponto flutuante válido"},
        CelulaRuim{"Branca", {L{" ", "20"}, L{"1", "30"}}, "' ' não é um valor de ponto flutuante válido"},
        CelulaRuim{"Letras", {L{"0", "vinte"}, L{"1", "30"}}, "'vinte' não é um valor de ponto flutuante válido"},
        CelulaRuim{"PontoDecimal", {L{"0", "20"}, L{"1.5", "30"}}, "'1.5' não é um valor de ponto flutuante válido"},
        CelulaRuim{"Enorme", {L{"0", "20"}, L{"1E400", "30"}}, "'1E400' não é um valor de ponto flutuante válido"},
        CelulaRuim{"NaN", {L{"0", "NaN"}, L{"1", "30"}}, "'NaN' não é um valor de ponto flutuante válido"},
        CelulaRuim{"Infinito", {L{"0", "20"}, L{"Infinity", "30"}},
                   "'Infinity' não é um valor de ponto flutuante válido"},
        CelulaRuim{"TaxaInfinita", {L{"0", "-1E308"}, L{"1", "1E308"}},
                   "A curva adiabática entre as linhas 1 e 2 dá uma taxa de calor que não é um número finito."}),
    [](const auto& info) { return std::string(info.param.nome); });

// A time going back moves the hour counter below hour 1, where nothing is written; a
// curve longer than the table fills it to hour 5000 and counts what was left out.
TEST(GradeForaDoAlcance, TemposNegativosEAlemDaCapacidade) {
    auto tabela = std::make_unique<std::array<double, MaxHoras + 1>>();
    auto r = CalorDiscreto::PreencheTabela({L{"0", "20"}, L{"-1", "30"}, L{"0", "40"}}, 2400, 1000, false, *tabela);
    EXPECT_EQ(r.horasEscritas, 0);
    for (double v : *tabela) ASSERT_EQ(v, 0.0);
    r = CalorDiscreto::PreencheTabela({L{"0", "20"}, L{"1000", "30"}}, 2400, 1000, false, *tabela);
    EXPECT_EQ(r.horasEscritas, MaxHoras);
    EXPECT_EQ(r.horasOmitidas, 24000 - MaxHoras);
    EXPECT_EQ((*tabela)[0], 0.0);
}

}  // namespace
