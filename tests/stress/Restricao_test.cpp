#include "stress/Restricao.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CasoRestricao {
    double h, H, L, esperado;
};

class FatorRestricaoTabela : public ::testing::TestWithParam<CasoRestricao> {};

TEST_P(FatorRestricaoTabela, ValorPublicado) {
    const auto& c = GetParam();
    EXPECT_NEAR(FatorRestricao(c.h, c.H, c.L), c.esperado, 5e-6) << "h=" << c.h << " H=" << c.H << " L=" << c.L;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FatorRestricaoTabela,
    ::testing::Values(CasoRestricao{1.0, 1.0, 2.0, 1.0 / 12.0},      // the defaults: base 1/12
                      CasoRestricao{0.5, 1.0, 2.0, 0.28868},
                      CasoRestricao{0.5, 1.0, 3.0, 0.5}, CasoRestricao{1.0, 1.0, 3.0, 0.25},
                      CasoRestricao{0.5, 1.0, 4.0, 0.63246}, CasoRestricao{1.0, 1.0, 4.0, 0.40},
                      CasoRestricao{0.5, 1.0, 10.0, 0.85280}, CasoRestricao{1.0, 1.0, 10.0, 0.72727},
                      CasoRestricao{2.0, 2.0, 5.0, 1.5 / 12.5},      // r = 2,5 uses (r − 1)/(r + 10)
                      CasoRestricao{1.0, 1.0, 1.0, 1.0 / 1101.0},    // r = 1
                      CasoRestricao{1.0, 1.0, 0.0, 1.0 / 1101.0},    // L zero is defined
                      CasoRestricao{0.0, 3.0, 1.0, 1.0},             // at the base
                      CasoRestricao{-0.5, 1.0, 2.0, std::sqrt(12.0)}));  // below the base: above 1

TEST(FatorRestricao, AlturaNulaNaoTemValor) { EXPECT_FALSE(std::isfinite(FatorRestricao(0.5, 0.0, 2.0))); }

TEST(CurvaResistencia, TendeAUmSobreB) {
    EXPECT_DOUBLE_EQ(CurvaResistencia(1.0, 0.54128, 0.189165), 1.0 / (0.54128 + 0.189165));
    EXPECT_NEAR(CurvaResistencia(1e9, 0.54128, 0.189165), 5.29, 0.01);
    EXPECT_NEAR(CurvaResistencia(1e9, 0.0532665, 0.0311677), 32.1, 0.05);
    EXPECT_EQ(CurvaResistencia(0.0, 0.5, 0.2), 0.0);
}

}  // namespace
