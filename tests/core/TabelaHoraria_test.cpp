// The hourly heat tables hold only the hours written, and read and compare as the
// arrays of MaxHoras + 1 entries they stand for.
#include "core/TabelaHoraria.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "core/DadosModelo.h"

namespace {

using Horaria = TTabelaHoraria<MaxHoras>;

struct Escrita { std::size_t hora; double valor; };

struct CasoIgualdade {
    const char* nome;
    std::vector<Escrita> a, b;
    bool iguais;
};

class IgualdadeComoArray : public ::testing::TestWithParam<CasoIgualdade> {};

// Each pair of tables compares as the two full arrays would.
TEST_P(IgualdadeComoArray, MesmoResultadoQueOArray) {
    const auto& c = GetParam();
    Horaria ta, tb;
    auto aa = std::make_unique<std::array<double, MaxHoras + 1>>();
    auto ab = std::make_unique<std::array<double, MaxHoras + 1>>();
    for (const auto& e : c.a) ta[e.hora] = (*aa)[e.hora] = e.valor;
    for (const auto& e : c.b) tb[e.hora] = (*ab)[e.hora] = e.valor;
    EXPECT_EQ(*aa == *ab, c.iguais);
    EXPECT_EQ(ta == tb, c.iguais);
    EXPECT_EQ(tb == ta, c.iguais);
    for (std::size_t h = 0; h <= MaxHoras; ++h)
        ASSERT_EQ(std::bit_cast<std::uint64_t>(ta[h]), std::bit_cast<std::uint64_t>((*aa)[h])) << h;
}

const double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Tabela, IgualdadeComoArray,
    ::testing::Values(CasoIgualdade{"Vazias", {}, {}, true},
                      CasoIgualdade{"ZerosEscritosAoFim", {{1, 2.5}}, {{1, 2.5}, {4000, 0.0}}, true},
                      CasoIgualdade{"MenosZero", {{10, -0.0}}, {}, true},
                      CasoIgualdade{"UltimaHora", {{MaxHoras, 1.0}}, {}, false},
                      CasoIgualdade{"MesmaHoraOutroValor", {{3, 1.0}, {7, 2.0}}, {{3, 1.0}, {7, 2.5}}, false},
                      CasoIgualdade{"ForaDeOrdem", {{9, 1.0}, {2, 3.0}}, {{2, 3.0}, {9, 1.0}}, true},
                      CasoIgualdade{"NaoNumero", {{5, NaN}}, {{5, NaN}}, false}),
    [](const auto& i) { return std::string(i.param.nome); });

struct CasoPreenche { const char* nome; double valor; std::size_t guardadas; };

class Preenche : public ::testing::TestWithParam<CasoPreenche> {};

// Filling with zero empties the table; any other value, -0 included, is held in every hour.
TEST_P(Preenche, TodasAsHoras) {
    Horaria t;
    t[100] = 7.0;
    t.fill(GetParam().valor);
    EXPECT_EQ(t.Guardadas(), GetParam().guardadas);
    for (std::size_t h : {std::size_t{0}, std::size_t{1}, std::size_t{100}, std::size_t{MaxHoras}})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(t[h]), std::bit_cast<std::uint64_t>(GetParam().valor)) << h;
}

INSTANTIATE_TEST_SUITE_P(Tabela, Preenche,
                         ::testing::Values(CasoPreenche{"Zero", 0.0, 0}, CasoPreenche{"MenosZero", -0.0, MaxHoras + 1},
                                           CasoPreenche{"Terco", 1.0 / 3.0, MaxHoras + 1}),
                         [](const auto& i) { return std::string(i.param.nome); });

// A state of hundreds of empty layers is small and its copy holds only what was
// written: nothing of it grows with the capacities of the tables.
TEST(EstadoDoModelo, CopiaLevaSoAsHorasEscritas) {
    auto d = std::make_unique<TDadosModelo>();
    d->CalorCamadas[2].Tabela[720] = 12.5;
    const auto copia = std::make_unique<const TDadosModelo>(*d);
    EXPECT_EQ(copia->CalorCamadas[2].Tabela[720], 12.5);
    EXPECT_EQ(copia->CalorCamadas[2].Tabela[721], 0.0);
    EXPECT_EQ(copia->CalorCamadas[2].Tabela.Guardadas(), 721u);
    EXPECT_EQ(copia->CalorCamadas[1].Tabela.Guardadas(), 0u);
    EXPECT_LT(sizeof(TDadosModelo), 256u * 1024u);
}

}  // namespace
