// The heat map over two parameters of a study whose third parameter also varies: each
// cell holds the worst of its cases and passes only when all of them pass.
#include "estudos/MapaCalor.h"

#include <gtest/gtest.h>

#include "core/Erros.h"

namespace {

// Interval {24, 48} × temperature {15, 25} × elements {2, 4}; case k has its figures
// built from k so that the worst of each pair is known.
struct Estudo3 {
    TEstudo estudo;
    TResultadoEstudo resultado;
    Estudo3() {
        estudo.Variacoes = {{1, {24, 48}}, {2, {15, 25}}, {4, {2, 4}}};
        resultado.ComTensoes = true;
        int k = 0;
        for (double i : {24.0, 48.0})
            for (double t : {15.0, 25.0})
                for (double e : {2.0, 4.0}) {
                    TResultadoCaso c;
                    c.Valores = {i, t, e};
                    c.Ok = true;
                    c.TMaxima = 50 + k;
                    c.HorasAcima = e == 4 ? 3 : 0;
                    c.DifMaxima = 20 - k;
                    c.ComTensoes = true;
                    c.TracaoMaxima = 1 + 0.1 * k;
                    c.ComIndice = true;
                    c.IndiceMinimo = 2 - 0.1 * k;
                    c.Atende = !(i == 48 && t == 25 && e == 4);
                    resultado.Casos.push_back(c);
                    ++k;
                }
    }
};

struct Esperado {
    TSaidaEstudo saida;
    // Cells (interval, temperature) in the order (24,15), (48,15), (24,25), (48,25).
    double valores[4];
};

class MapaCalorPiorCaso : public ::testing::TestWithParam<Esperado> {};

TEST_P(MapaCalorPiorCaso, CelulaGuardaOPiorDosSeusCasos) {
    const Estudo3 e;
    const TMapaCalor m = TMapaCalor::Calcula(e.estudo, e.resultado, 0, 1, GetParam().saida);
    ASSERT_EQ(m.X, (std::vector<double>{24, 48}));
    ASSERT_EQ(m.Y, (std::vector<double>{15, 25}));
    const std::pair<int, int> ordem[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int c = 0; c < 4; ++c) {
        const auto& cel = m.Em(ordem[c].first, ordem[c].second);
        EXPECT_TRUE(cel.Tem);
        EXPECT_EQ(cel.Casos, 2);
        EXPECT_DOUBLE_EQ(cel.Valor, GetParam().valores[c]) << c;
    }
    // Only the cell (48, 25) holds a case that fails.
    EXPECT_TRUE(m.Em(0, 0).Atende);
    EXPECT_TRUE(m.Em(1, 0).Atende);
    EXPECT_TRUE(m.Em(0, 1).Atende);
    EXPECT_FALSE(m.Em(1, 1).Atende);
}

INSTANTIATE_TEST_SUITE_P(
    Saidas, MapaCalorPiorCaso,
    ::testing::Values(Esperado{TSaidaEstudo::TMaxima, {51, 55, 53, 57}},
                      Esperado{TSaidaEstudo::HorasAcima, {3, 3, 3, 3}},
                      Esperado{TSaidaEstudo::DifMaxima, {20, 16, 18, 14}},
                      Esperado{TSaidaEstudo::TracaoMaxima, {1.1, 1.5, 1.3, 1.7}},
                      Esperado{TSaidaEstudo::IndiceMinimo, {1.9, 1.5, 1.7, 1.3}}));

TEST(MapaCalor, CasoQueNaoRodouReprovaACelulaSemDarValor) {
    Estudo3 e;
    for (auto& c : e.resultado.Casos) {
        if (c.Valores[0] == 24 && c.Valores[1] == 15) {
            c.Ok = false;
            c.TMaxima = 99;  // not a figure of a case that did not run
        }
    }
    const TMapaCalor m = TMapaCalor::Calcula(e.estudo, e.resultado, 0, 1, TSaidaEstudo::TMaxima);
    EXPECT_FALSE(m.Em(0, 0).Tem);
    EXPECT_FALSE(m.Em(0, 0).Atende);
    EXPECT_EQ(m.Maximo, 57);
    EXPECT_EQ(m.Minimo, 53);
}

TEST(MapaCalor, RecusaEscolhasSemSentido) {
    Estudo3 e;
    EXPECT_THROW(TMapaCalor::Calcula(e.estudo, e.resultado, 1, 1, TSaidaEstudo::TMaxima), ErroEntrada);
    EXPECT_THROW(TMapaCalor::Calcula(e.estudo, e.resultado, 0, 3, TSaidaEstudo::TMaxima), ErroEntrada);
    e.resultado.ComTensoes = false;
    EXPECT_THROW(TMapaCalor::Calcula(e.estudo, e.resultado, 0, 1, TSaidaEstudo::IndiceMinimo), ErroEntrada);
}

}  // namespace
