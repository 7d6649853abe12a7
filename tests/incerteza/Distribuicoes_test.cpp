// The distributions against quantiles from tables, the Latin hypercube's strata, and the
// statistics of the summary against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "incerteza/Distribuicoes.h"
#include "incerteza/Estatistica.h"

namespace {

struct Quantil {
    const char* nome;
    TDistribuicao d;
    double u;
    double esperado;
};

TDistribuicao D(TTipoDistribuicao tipo, double a, double b, double c = 0.0) {
    TDistribuicao d;
    d.Tipo = tipo;
    d.A = a;
    d.B = b;
    d.C = c;
    return d;
}

TDistribuicao Normal(double m, double s) { return D(TTipoDistribuicao::Normal, m, s); }

TDistribuicao Truncada(TDistribuicao d, std::optional<double> a, std::optional<double> b) {
    d.Min = a;
    d.Max = b;
    return d;
}

// Φ⁻¹ from Abramowitz and Stegun's table 26.5 and Wichura's AS 241; the others by hand.
const Quantil Quantis[] = {
    {"mediana", Normal(0, 1), 0.5, 0.0},
    {"z975", Normal(0, 1), 0.975, 1.959963984540054},
    {"z0001", Normal(0, 1), 0.001, -3.090232306167814},
    {"z9999", Normal(0, 1), 0.9999, 3.719016485455709},
    {"cauda1e10", Normal(0, 1), 1e-10, -6.361340902404056},
    {"escala", Normal(25, 2), 0.8413447460685429, 27.0},
    // Lognormal of mean 1 and sd 0.5: its median is 1/√1.25.
    {"lognormalMediana", D(TTipoDistribuicao::Lognormal, 1.0, 0.5), 0.5, 0.894427190999916},
    // ln X normal of σ² = ln 1.25: the 97.5 % point is median·exp(1.96·σ).
    {"lognormal975", D(TTipoDistribuicao::Lognormal, 1.0, 0.5), 0.975, 0.894427190999916 * std::exp(1.959963984540054 * 0.47238072707743883)},
    {"uniforme", D(TTipoDistribuicao::Uniforme, 10, 14), 0.25, 11.0},
    {"triangularModa", D(TTipoDistribuicao::Triangular, 0, 1, 3), 1.0 / 3.0, 1.0},
    {"triangularEsquerda", D(TTipoDistribuicao::Triangular, 0, 1, 3), 1.0 / 12.0, 0.5},
    {"triangularDireita", D(TTipoDistribuicao::Triangular, 0, 1, 3), 1.0 - 1.0 / 6.0, 2.0},
    {"triangularSemRampa", D(TTipoDistribuicao::Triangular, 0, 0, 1), 0.75, 0.5},
    // Half a normal: its median is Φ⁻¹(0.75).
    {"meiaNormal", Truncada(Normal(0, 1), 0.0, std::nullopt), 0.5, 0.6744897501960817},
    {"truncadaDosDoisLados", Truncada(Normal(0, 1), -1.0, 1.0), 0.5, 0.0},
    {"uniformeTruncada", Truncada(D(TTipoDistribuicao::Uniforme, 0, 10), 2.0, 4.0), 0.5, 3.0},
};

class DistribuicaoQuantil : public ::testing::TestWithParam<Quantil> {};

TEST_P(DistribuicaoQuantil, ValorNaProbabilidade) {
    const Quantil& q = GetParam();
    EXPECT_NEAR(Distribuicoes::Valor(q.d, q.u), q.esperado, 1e-12 * std::max(1.0, std::fabs(q.esperado)));
    // The cumulative function inverts it back (the truncation aside).
    if (!q.d.Min && !q.d.Max) {
        EXPECT_NEAR(Distribuicoes::Acumulada(q.d, q.esperado), q.u, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, DistribuicaoQuantil, ::testing::ValuesIn(Quantis),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(Distribuicao, InversaNormalEmTodaAFaixa) {
    for (double p = 1e-300; p < 1.0; p = p < 0.5 ? p * 3.7 : 1.0 - (1.0 - p) / 3.7) {
        const double x = Distribuicoes::NormalInversa(p);
        if (p < 0.5) {
            EXPECT_NEAR(Distribuicoes::NormalAcumulada(x) / p, 1.0, 1e-12) << p;
        } else {
            EXPECT_NEAR(0.5 * std::erfc(x / std::sqrt(2.0)) / (1.0 - p), 1.0, 1e-12) << p;
        }
        if (1.0 - p < 1e-15) break;
    }
}

struct Impossivel {
    TDistribuicao d;
    const char* trecho;
};

class DistribuicaoImpossivel : public ::testing::TestWithParam<Impossivel> {};

TEST_P(DistribuicaoImpossivel, Explicada) {
    EXPECT_NE(Distribuicoes::Problema(GetParam().d).find(GetParam().trecho), std::string::npos)
        << Distribuicoes::Problema(GetParam().d);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, DistribuicaoImpossivel,
    ::testing::Values(Impossivel{Normal(1, 0), "desvio padrão vale 0"},
                      Impossivel{D(TTipoDistribuicao::Lognormal, -1, 1), "média da lognormal"},
                      Impossivel{D(TTipoDistribuicao::Uniforme, 2, 2), "menor que o máximo"},
                      Impossivel{D(TTipoDistribuicao::Triangular, 0, 5, 3), "a moda (5)"},
                      Impossivel{Truncada(Normal(0, 1), 1.0, 0.0), "truncamento mínimo (1)"},
                      Impossivel{Truncada(Normal(0, 1), 60.0, std::nullopt), "nenhuma probabilidade"},
                      Impossivel{Truncada(D(TTipoDistribuicao::Uniforme, 0, 1), 2.0, 3.0), "nenhuma probabilidade"}));

// Each input's samples fall one in each of the n strata; plain sampling does not
// promise it, and a seed gives the same numbers again.
class Hipercubo : public ::testing::TestWithParam<long long> {};

TEST_P(Hipercubo, UmaAmostraPorEstrato) {
    const long long n = GetParam();
    const auto u = Distribuicoes::Uniformes(n, 3, true, 42);
    ASSERT_EQ(u.size(), static_cast<std::size_t>(n));
    for (int j = 0; j < 3; ++j) {
        std::set<long long> estratos;
        for (const auto& amostra : u) {
            ASSERT_GT(amostra[j], 0.0);
            ASSERT_LT(amostra[j], 1.0);
            estratos.insert(static_cast<long long>(std::floor(amostra[j] * static_cast<double>(n))));
        }
        EXPECT_EQ(static_cast<long long>(estratos.size()), n) << "entrada " << j;
    }
    EXPECT_EQ(u, Distribuicoes::Uniformes(n, 3, true, 42));
    if (n > 10) {
        EXPECT_NE(u, Distribuicoes::Uniformes(n, 3, true, 43));
        // Two inputs are not drawn in the same order.
        std::vector<double> a, b;
        for (const auto& amostra : u) a.push_back(amostra[0]), b.push_back(amostra[1]);
        EXPECT_LT(std::fabs(Estatistica::Spearman(a, b)), 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(Tamanhos, Hipercubo, ::testing::Values(1, 2, 7, 100, 1000));

TEST(Amostragem, AleatoriaNaoEstratifica) {
    const auto u = Distribuicoes::Uniformes(1000, 1, false, 42);
    std::set<long long> estratos;
    for (const auto& amostra : u) estratos.insert(static_cast<long long>(std::floor(amostra[0] * 1000.0)));
    // 1000 draws into 1000 bins leave about 1000/e of them empty.
    EXPECT_LT(estratos.size(), 700u);
    EXPECT_GT(estratos.size(), 560u);
}

// Adding an input leaves the numbers of the others as they were.
TEST(Amostragem, EntradaNovaNaoMudaAsOutras) {
    const auto dois = Distribuicoes::Uniformes(50, 2, true, 9);
    const auto tres = Distribuicoes::Uniformes(50, 3, true, 9);
    for (std::size_t i = 0; i < dois.size(); ++i) {
        EXPECT_EQ(dois[i][0], tres[i][0]);
        EXPECT_EQ(dois[i][1], tres[i][1]);
    }
}

struct CasoWilson {
    long long k, n;
    double inferior, superior;
};

class IntervaloWilson : public ::testing::TestWithParam<CasoWilson> {};

// Worked by hand from (p + z²/2n ± z·√(p(1 − p)/n + z²/4n²))/(1 + z²/n), z = 1.959964.
TEST_P(IntervaloWilson, NoventaECincoPorCento) {
    const auto ic = Estatistica::Wilson(GetParam().k, GetParam().n, Estatistica::Z95);
    EXPECT_NEAR(ic.Inferior, GetParam().inferior, 5e-5);
    EXPECT_NEAR(ic.Superior, GetParam().superior, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(Tabela, IntervaloWilson,
                         ::testing::Values(CasoWilson{0, 10, 0.0, 0.27753}, CasoWilson{5, 10, 0.23659, 0.76341},
                                           CasoWilson{10, 10, 0.72247, 1.0}, CasoWilson{1, 100, 0.00177, 0.05449},
                                           CasoWilson{50, 1000, 0.03813, 0.06531}));

struct CasoSpearman {
    const char* nome;
    std::vector<double> x, y;
    double rho;
};

class CoeficienteSpearman : public ::testing::TestWithParam<CasoSpearman> {};

TEST_P(CoeficienteSpearman, PelosPostos) {
    const double r = Estatistica::Spearman(GetParam().x, GetParam().y);
    if (std::isnan(GetParam().rho)) {
        EXPECT_TRUE(std::isnan(r));
    } else {
        EXPECT_NEAR(r, GetParam().rho, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, CoeficienteSpearman,
    ::testing::Values(CasoSpearman{"monotona", {1, 2, 3, 4, 5}, {1, 8, 27, 64, 125}, 1.0},
                      CasoSpearman{"decrescente", {1, 2, 3, 4}, {9, 4, 1, 0.5}, -1.0},
                      // Ranks of y 1, 2, 3.5, 5, 3.5: Pearson of the ranks 8/√(10·9.5).
                      CasoSpearman{"empate", {1, 2, 3, 4, 5}, {5, 6, 7, 8, 7}, 0.8207826816681233},
                      CasoSpearman{"semVariacao", {1, 2, 3}, {4, 4, 4}, std::nan("")}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(Estatistica, PostosMediosNosEmpates) {
    EXPECT_EQ(Estatistica::Postos({10, 20, 20, 30, 20}), (std::vector<double>{1, 3, 3, 5, 3}));
}

TEST(Estatistica, QuantisInterpolados) {
    const std::vector<double> x{5, 1, 4, 2, 3};
    EXPECT_DOUBLE_EQ(Estatistica::Quantil(x, 0.5), 3.0);
    EXPECT_DOUBLE_EQ(Estatistica::Quantil(x, 0.05), 1.2);
    EXPECT_DOUBLE_EQ(Estatistica::Quantil(x, 0.95), 4.8);
    EXPECT_DOUBLE_EQ(Estatistica::Desvio(x), std::sqrt(2.5));
}

}  // namespace

namespace {

TEST(Estatistica, HistogramaContaCadaValorUmaVez) {
    const std::vector<double> x{1, 2, 2, 3, 4, 10};
    const auto h = Estatistica::Histograma(x, 3);
    EXPECT_EQ(h.Inicio, 1.0);
    EXPECT_EQ(h.Largura, 3.0);
    EXPECT_EQ(h.Contagens, (std::vector<long long>{4, 1, 1}));  // [1, 4), [4, 7), [7, 10]
    const auto contorno = Estatistica::Contorno(h);
    ASSERT_EQ(contorno.size(), 12u);
    EXPECT_EQ(contorno[1], (std::pair<double, double>{1.0, 4.0}));
    EXPECT_EQ(contorno.back(), (std::pair<double, double>{10.0, 0.0}));
    // A sample that does not vary: one bar around it.
    const auto unica = Estatistica::Histograma(std::vector<double>(7, 2.5));
    EXPECT_EQ(unica.Contagens, (std::vector<long long>{7}));
    EXPECT_EQ(unica.Inicio, 2.0);
}

}  // namespace
