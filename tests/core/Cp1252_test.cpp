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

// The one decoding of the readers: each row bytes as a tool saves them and the UTF-8
// that enters the problem.
struct Decodificacao {
    const char* nome;
    std::string bytes;
    std::string utf8;
};

class ParaUtf8 : public ::testing::TestWithParam<Decodificacao> {};

TEST_P(ParaUtf8, DetectaEConverte) { EXPECT_EQ(Cp1252::ParaUtf8(GetParam().bytes), GetParam().utf8); }

INSTANTIATE_TEST_SUITE_P(
    Codificacoes, ParaUtf8,
    ::testing::Values(
        Decodificacao{"Utf8", "Radiação;°C", "Radiação;°C"},
        Decodificacao{"Utf8ComBom", "\xEF\xBB\xBFRadiação", "Radiação"},
        Decodificacao{"Windows1252", "Radia\xE7\xE3o \x80 \xB0", "Radiação € °"},
        Decodificacao{"Windows1252ByteIndefinido", "a\x81z", "a\xEF\xBF\xBDz"},
        Decodificacao{"Utf16LE", std::string("\xFF\xFEh\0\xE7\0\xAC\x20", 8), "hç€"},
        Decodificacao{"Utf16BE", std::string("\xFE\xFF\0h\0\xE7", 6), "hç"},
        Decodificacao{"Utf16ParSubstituto", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
        Decodificacao{"Utf16SubstitutoSozinho", std::string("\xFF\xFE\x3D\xD8", 4), "\xEF\xBF\xBD"},
        Decodificacao{"Utf16ByteImpar", std::string("\xFF\xFEh\0i", 5), "h\xEF\xBF\xBD"},
        Decodificacao{"Vazio", "", ""},
        Decodificacao{"SoBom", "\xEF\xBB\xBF", ""}),
    [](const auto& info) { return std::string(info.param.nome); });
