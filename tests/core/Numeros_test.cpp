#include "core/Numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Erros.h"

namespace {

struct CasoFixo { double valor; int largura, decimais; const char* texto; };

class FormataFixoTeste : public ::testing::TestWithParam<CasoFixo> {};

TEST_P(FormataFixoTeste, ComoPrintfComVirgula) {
    const auto& c = GetParam();
    EXPECT_EQ(Numeros::FormataFixo(c.valor, c.largura, c.decimais), c.texto);
}

INSTANTIATE_TEST_SUITE_P(Tabela, FormataFixoTeste, ::testing::Values(
    CasoFixo{25.314, 7, 2, "  25,31"}, CasoFixo{41.237, 6, 2, " 41,24"}, CasoFixo{-3.5, 7, 4, "-3,5000"},
    CasoFixo{0.0, 6, 2, "  0,00"}, CasoFixo{1234567.891, 7, 2, "1234567,89"}, CasoFixo{0.125, 5, 2, " 0,12"},
    CasoFixo{-0.001, 7, 2, "  -0,00"}));

struct CasoGeral { double valor; const char* texto; };
class FormataGeralTeste : public ::testing::TestWithParam<CasoGeral> {};

TEST_P(FormataGeralTeste, QuinzeDigitosSemZerosFinais) {
    EXPECT_EQ(Numeros::FormataGeral(GetParam().valor), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Tabela, FormataGeralTeste, ::testing::Values(
    CasoGeral{30.0, "30"}, CasoGeral{0.5, "0,5"}, CasoGeral{-12.25, "-12,25"}, CasoGeral{0.1 + 0.2, "0,3"},
    CasoGeral{1e20, "1E20"}, CasoGeral{1.5e-7, "1,5E-7"}));

struct CasoTexto { const char* texto; double valor; };
class TextoParaRealTeste : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TextoParaRealTeste, AceitaVirgula) {
    EXPECT_DOUBLE_EQ(Numeros::TextoParaReal(GetParam().texto), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(Tabela, TextoParaRealTeste, ::testing::Values(
    CasoTexto{"2,5", 2.5}, CasoTexto{"  -3,25 ", -3.25}, CasoTexto{"+7", 7.0}, CasoTexto{"1,5E3", 1500.0},
    CasoTexto{"2e-2", 0.02}, CasoTexto{",5", 0.5}, CasoTexto{"5,", 5.0}, CasoTexto{"  25,31", 25.31},
    CasoTexto{"1e-400", 0.0}));

class TextoInvalidoTeste : public ::testing::TestWithParam<const char*> {};

TEST_P(TextoInvalidoTeste, RecusaComMensagemQueCitaOTexto) {
    const std::string t = GetParam();
    try {
        Numeros::TextoParaReal(t);
        FAIL() << "aceitou '" << t << "'";
    } catch (const ErroConversao& e) {
        EXPECT_EQ(std::string(e.what()), "'" + t + "' não é um valor de ponto flutuante válido");
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, TextoInvalidoTeste, ::testing::Values(
    "", "   ", "abc", "2.5", "1,2,3", "NaN", "inf", "-", "1e", "1e400", "0x10", "1 2", "--1"));

TEST(TextoParaInteiro, AceitaEDeclina) {
    EXPECT_EQ(Numeros::TextoParaInteiro(" 42 "), 42);
    EXPECT_EQ(Numeros::TextoParaInteiro("-7"), -7);
    for (const char* t : {"", "4,0", "abc", "99999999999", "1.0"}) {
        try {
            Numeros::TextoParaInteiro(t);
            FAIL() << t;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(t) + "' não é um valor inteiro válido");
        }
    }
}

TEST(Arredondamento, MetadesParaOPar) {
    EXPECT_EQ(Numeros::Round(0.5), 0);
    EXPECT_EQ(Numeros::Round(1.5), 2);
    EXPECT_EQ(Numeros::Round(2.5), 2);
    EXPECT_EQ(Numeros::Round(-2.5), -2);
    EXPECT_EQ(Numeros::Trunc(-2.7), -2);
    EXPECT_EQ(Numeros::Trunc(2.7), 2);
}

}  // namespace
