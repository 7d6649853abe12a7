#include "core/Cp1252.h"

#include <gtest/gtest.h>

namespace {

struct CasoCp1252 {
    const char* nome;
    std::string utf8;
    std::string esperado;
};

class Cp1252Conversao : public ::testing::TestWithParam<CasoCp1252> {};

TEST_P(Cp1252Conversao, ConverteByteAByte) {
    EXPECT_EQ(Cp1252::DeUtf8(GetParam().utf8), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cp1252Conversao,
    ::testing::Values(
        CasoCp1252{"Ascii", "t[h]   25,31", "t[h]   25,31"},
        CasoCp1252{"NoComAcento", "    N\xC3\xB3 7", "    N\xF3 7"},
        CasoCp1252{"Latin1", "\xC3\x87\xC3\xA3o \xC2\xB0" "C \xC2\xB3", "\xC7\xE3o \xB0" "C \xB3"},
        CasoCp1252{"FaixaWindows", "\xE2\x82\xAC \xE2\x80\x93 \xE2\x80\x9C \xC5\xB8", "\x80 \x96 \x93 \x9F"},
        CasoCp1252{"ForaDaPagina", "\xCE\xB8=2/3 \xE2\x88\x9E", "?=2/3 ?"},
        CasoCp1252{"ForaDoBmp", "a\xF0\x9F\x99\x82" "b", "a?b"},
        CasoCp1252{"ControleC1NaoEhByte", "\xC2\x81", "?"},
        CasoCp1252{"Truncado", "N\xC3", "N?"},
        CasoCp1252{"ContinuacaoSolta", "a\x80\x80" "b", "a?b"},
        CasoCp1252{"Sobrelongo", "\xC0\xAF", "?"},
        CasoCp1252{"Surrogate", "\xED\xA0\x80", "?"},
        CasoCp1252{"Vazio", "", ""}),
    [](const ::testing::TestParamInfo<CasoCp1252>& info) { return std::string(info.param.nome); });

TEST(Cp1252, AcrescentaPreservaODestino) {
    std::string s = "x";
    Cp1252::Acrescenta(s, "N\xC3\xB3");
    EXPECT_EQ(s, "xN\xF3");
}

}  // namespace
