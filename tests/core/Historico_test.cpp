// The numbers of a history are the numbers of its text: a value rounded by
// ArredondaFixo is, bit for bit, what its printed text reads back as, and the text
// made from the numbers is the table the drivers printed.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/Erros.h"
#include "core/Historico.h"
#include "core/Numeros.h"
#include "core/TabelaTexto.h"

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

double PeloTexto(double v, int decimais) { return Numeros::TextoParaReal(Numeros::FormataFixo(v, 7, decimais)); }

// Ties at the printed decimal (exact binary halves), values just either side of one,
// values that print as -0, the sign of zero, and the range of the tables.
const std::vector<double> Bordas = {
    0.0, -0.0, 0.125, -0.125, 0.375, 0.625, 2.5, -2.5, 0.005, -0.005, 0.00005, -0.00005, 0.00015, -0.00015,
    1.005, 2.675, 9.995, 99.995, -99.995, 41.237, 25.314, -273.15, 1e-300, -1e-300,
    std::nextafter(0.125, 1.0), std::nextafter(0.125, 0.0), std::nextafter(-0.125, -1.0),
    std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::denorm_min(),
    12345678.125, 9007199254740.5, 1e15 + 0.5, 4503599627370495.5, 1e17, -1e17, 1e300};

TEST(ArredondaFixo, IgualAoTextoLidoDeVoltaNasBordas) {
    for (int decimais : {0, 1, 2, 4, 9})
        for (double v : Bordas)
            EXPECT_EQ(Bits(Numeros::ArredondaFixo(v, decimais)), Bits(PeloTexto(v, decimais)))
                << v << " com " << decimais << " decimais";
}

TEST(ArredondaFixo, IgualAoTextoLidoDeVoltaEmValoresAleatorios) {
    std::mt19937_64 gerador(20);
    std::uniform_real_distribution<double> temperatura(-60.0, 120.0), tensao(-8.0, 8.0);
    std::uniform_int_distribution<std::int64_t> centesimos(-1'000'000, 1'000'000);
    for (int i = 0; i < 200'000; ++i) {
        const double t = temperatura(gerador), s = tensao(gerador);
        // A value a half-hundredth from the grid: the rounding decides on the tie.
        const double empate = (static_cast<double>(centesimos(gerador)) + 0.5) / 100.0;
        for (auto [v, d] : {std::pair{t, 2}, std::pair{s, 4}, std::pair{empate, 2}, std::pair{empate / 100.0, 4}})
            ASSERT_EQ(Bits(Numeros::ArredondaFixo(v, d)), Bits(PeloTexto(v, d))) << v << " com " << d << " decimais";
    }
}

TEST(ArredondaFixo, NaoFinitoPassaComoE) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Numeros::ArredondaFixo(inf, 2), inf);
    EXPECT_EQ(Numeros::ArredondaFixo(-inf, 4), -inf);
    EXPECT_TRUE(std::isnan(Numeros::ArredondaFixo(std::nan(""), 2)));
}

// A stress history of 3 nodes: the header, hours in column 0, a row before the upper
// node's placement left empty, a value wider than the format, a negative zero.
HistoricoNumerico Tensoes() {
    HistoricoNumerico h(4, 4, 4);
    h.EscreveCabecalho();
    for (int r = 1; r <= 3; ++r) h.Define(0, r, 30 + r);
    h.Define(1, 1, -1.2345);
    h.Define(2, 1, 0.5);
    h.Define(1, 2, -12.3456);
    h.Define(2, 2, -0.0);
    h.Define(3, 2, 2.0);
    h.Define(1, 3, 0.0);
    return h;
}

TEST(HistoricoNumerico, TextoComoOsMotoresImprimem) {
    const TabelaTexto t = Tensoes().Texto();
    ASSERT_EQ(t.Colunas(), 4);
    ASSERT_EQ(t.Linhas(), 4);
    const std::vector<std::vector<std::string>> esperado = {
        {"  Tempo[h]", "    Nó 1", "    Nó 2", "    Nó 3"},
        {"31", "-1,2345", " 0,5000", ""},
        {"32", "-12,3456", "-0,0000", " 2,0000"},
        {"33", " 0,0000", "", ""}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(std::string(t.Celula(c, r)), esperado[r][c]) << c << ", " << r;
            EXPECT_EQ(Tensoes().TextoCelula(c, r), esperado[r][c]) << c << ", " << r;
        }
}

TEST(HistoricoNumerico, CelulaVaziaECabecalhoRecusamComoOTexto) {
    const HistoricoNumerico h = Tensoes();
    EXPECT_TRUE(h.Vazia(3, 1));
    EXPECT_TRUE(h.Vazia(2, 0));
    EXPECT_FALSE(h.Vazia(2, 2));
    EXPECT_TRUE(std::signbit(h.Valor(2, 2)));
    for (auto [c, r, texto] : {std::tuple{3, 1, ""}, std::tuple{2, 0, "    Nó 2"}, std::tuple{0, 0, "  Tempo[h]"}}) {
        try {
            h.Valor(c, r);
            ADD_FAILURE() << "sem erro em " << c << ", " << r;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(texto) + "' não é um valor de ponto flutuante válido");
        }
    }
}

TEST(HistoricoNumerico, RedimensionaGuardaOQueCabeECopiaEMove) {
    HistoricoNumerico h = Tensoes();
    const HistoricoNumerico copia = h;
    h.Redimensiona(3, 5);
    EXPECT_EQ(h.Valor(1, 2), -12.3456);
    EXPECT_TRUE(h.Vazia(1, 4));
    EXPECT_EQ(copia.Valor(3, 2), 2.0);
    HistoricoNumerico movido = std::move(h);
    EXPECT_EQ(movido.Colunas(), 3);
    EXPECT_EQ(h.Colunas(), 0);
    movido.Limpa();
    EXPECT_TRUE(movido.Vazia(1, 2));
    EXPECT_FALSE(movido.TemCabecalho());
}

TEST(HistoricoNumerico, DoTextoLeOsNumerosEDeixaVazioOResto) {
    TabelaTexto t = Tensoes().Texto();
    t.Celula(2, 1) = "abc";
    const HistoricoNumerico h = HistoricoNumerico::DoTexto(t, 4);
    EXPECT_TRUE(h.TemCabecalho());
    EXPECT_TRUE(h.Vazia(2, 1));
    EXPECT_EQ(h.Valor(1, 2), -12.3456);
    EXPECT_EQ(h.Valor(0, 3), 33.0);
}

}  // namespace
