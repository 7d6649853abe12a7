// The fixed format and the reading of the cells take a shortcut for the short
// decimals the tables hold; they must give exactly what the general conversions
// of the standard library give (the oracle here), digit for digit and bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace {

std::string FixoReferencia(double valor, int largura, int decimais) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, decimais);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == '.') c = ',';
    if (static_cast<int>(s.size()) < largura) s.insert(0, static_cast<std::size_t>(largura) - s.size(), ' ');
    return s;
}

double RealReferencia(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    for (char& c : s)
        if (c == ',') c = '.';
    double v = 0.0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

const double Min = std::numeric_limits<double>::denorm_min();
const double Max = std::numeric_limits<double>::max();
const double DoisA53 = 9007199254740992.0;

// Ties at the last decimal (exact binary halves), values that print as -0, the
// smallest and largest doubles, the edges of 2^53 and of 18 digits.
const std::vector<double> Especiais = {
    0.0, -0.0, 0.125, 0.375, 0.625, 0.875, -0.125, 2.5, 3.5, -2.5, 0.5, 1.5, 2.675, 1.005, 0.005, -0.005, -0.001,
    0.995, 9.995, 99.995, 123456.785, 0.03125, 0.09375, 1e-300, Min, -Min, 25.314, -273.15, 41.237, 1234567.891,
    DoisA53 - 1.0, DoisA53 - 0.5, DoisA53, DoisA53 + 2.0, 1e15 + 0.5, 1e17, 999999999.9999999, 1e18, 1e300, Max, -Max,
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};

TEST(FixoExato, ValoresDeBordaComoABibliotecaPadrao) {
    for (int decimais : {0, 1, 2, 3, 4, 7, 9, 10, 15})
        for (int largura : {0, 7})
            for (double v : Especiais)
                EXPECT_EQ(Numeros::FormataFixo(v, largura, decimais), FixoReferencia(v, largura, decimais))
                    << v << " com " << decimais << " decimais";
}

struct Faixa { const char* nome; double de, ate; int decimais; };

class FixoAleatorio : public ::testing::TestWithParam<Faixa> {};

// Temperatures and stresses as the runs write them, and multiples of 1/2^j whose
// third or fifth decimal is an exact tie.
TEST_P(FixoAleatorio, ComoABibliotecaPadraoELidoDeVoltaBitABit) {
    const Faixa& f = GetParam();
    std::mt19937_64 gerador(20261209);
    std::uniform_real_distribution<double> uniforme(f.de, f.ate);
    std::uniform_int_distribution<int> inteiros(-1 << 20, 1 << 20);
    int falhas = 0;
    for (int i = 0; i < 200000 && falhas < 5; ++i) {
        const double v = i % 2 == 0 ? uniforme(gerador) : std::ldexp(inteiros(gerador), -(i % 13));
        const std::string texto = Numeros::FormataFixo(v, 7, f.decimais);
        const std::string referencia = FixoReferencia(v, 7, f.decimais);
        const double lido = Numeros::TextoParaReal(texto);
        if (texto != referencia || Bits(lido) != Bits(RealReferencia(texto))) {
            ADD_FAILURE() << v << ": \"" << texto << "\" em vez de \"" << referencia << "\", lido " << lido;
            ++falhas;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, FixoAleatorio,
                         ::testing::Values(Faixa{"Temperaturas", -60.0, 200.0, 2}, Faixa{"Tensoes", -30.0, 30.0, 4},
                                           Faixa{"Grandes", -1e9, 1e9, 2}, Faixa{"Pequenos", -1e-3, 1e-3, 4}),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(FixoExato, PadroesDeBitsQuaisquer) {
    std::mt19937_64 gerador(7);
    int falhas = 0;
    for (int i = 0; i < 100000 && falhas < 5; ++i) {
        const double v = std::bit_cast<double>(gerador());
        if (std::isnan(v)) continue;
        const int decimais = i % 10;
        if (Numeros::FormataFixo(v, 7, decimais) != FixoReferencia(v, 7, decimais)) {
            ADD_FAILURE() << std::bit_cast<std::uint64_t>(v) << " com " << decimais << " decimais";
            ++falhas;
        }
    }
}

struct Leitura { const char* texto; };

class LeituraCurta : public ::testing::TestWithParam<Leitura> {};

// Forms the shortcut reads and those it leaves to the general reading (16 digits,
// exponents): the same double either way.
TEST_P(LeituraCurta, MesmoDoubleQueABibliotecaPadrao) {
    const std::string t = GetParam().texto;
    EXPECT_EQ(Bits(Numeros::TextoParaReal(t)), Bits(RealReferencia(t))) << t;
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, LeituraCurta,
    ::testing::Values(Leitura{"  25,31"}, Leitura{"-0,00"}, Leitura{"  -0,00"}, Leitura{"+1,5"}, Leitura{",5"},
                      Leitura{"5,"}, Leitura{" 12,34  "}, Leitura{"999999999999999"}, Leitura{"9007199254740993"},
                      Leitura{"1234567890123456"}, Leitura{"0,000000000000001"}, Leitura{"0,0000000000000001"},
                      Leitura{"1,7976931348623157"}, Leitura{"0,1"}, Leitura{"0,3"}, Leitura{"-273,15"},
                      Leitura{"1234567,89"}, Leitura{"00000000000000000001,5"}, Leitura{"1,5E3"}, Leitura{"-2e-3"},
                      Leitura{"4,9406564584124654E-324"}));

class LeituraRecusada : public ::testing::TestWithParam<Leitura> {};

TEST_P(LeituraRecusada, ComAMesmaMensagem) {
    const std::string t = GetParam().texto;
    try {
        Numeros::TextoParaReal(t);
        ADD_FAILURE() << t;
    } catch (const ErroConversao& e) {
        EXPECT_EQ(std::string(e.what()), "'" + t + "' não é um valor de ponto flutuante válido");
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraRecusada,
                         ::testing::Values(Leitura{""}, Leitura{"  "}, Leitura{"-"}, Leitura{","}, Leitura{"+,"},
                                           Leitura{"1,2,3"}, Leitura{"1.5"}, Leitura{"--1"}, Leitura{"1 2"},
                                           Leitura{"12a"}, Leitura{"1,5E"}));

}  // namespace
