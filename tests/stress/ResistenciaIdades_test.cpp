#include "stress/ResistenciaIdades.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/Erros.h"
#include "stress/Restricao.h"

namespace {

// The curve through the two strengths gives them back to the last bits (a few ulps of the
// division), and its limit 1/b is what the algebra gives: 3·f7·f28/(4·f7 − f28).
struct CasoIdades {
    double f7, f28;
};
class PorIdadesTabela : public ::testing::TestWithParam<CasoIdades> {};

TEST_P(PorIdadesTabela, ReproduzAs7E28Dias) {
    const auto [f7, f28] = GetParam();
    const ParametrosResistencia p = ResistenciaIdades::PorIdades(f7, f28);
    EXPECT_NEAR(CurvaResistencia(7.0, p.A, p.B), f7, 4 * f7 * 1e-16 * 2.3);
    EXPECT_NEAR(CurvaResistencia(28.0, p.A, p.B), f28, 4 * f28 * 1e-16 * 2.3);
    EXPECT_NEAR(1.0 / p.B, 3.0 * f7 * f28 / (4.0 * f7 - f28), 1e-12 * f28);
    EXPECT_GT(p.A, 0.0);
    EXPECT_GT(p.B, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Casos, PorIdadesTabela,
                         ::testing::Values(CasoIdades{20.0, 30.0}, CasoIdades{1.5, 2.0}, CasoIdades{3.75, 4.8},
                                           CasoIdades{25.788, 30.239}, CasoIdades{10.0, 39.9},
                                           CasoIdades{29.99, 30.0}));

// The defaults of the compressive curve, read at 7 and 28 days, give the defaults back.
TEST(PorIdades, CurvaPadraoDeCompressaoVoltaASi) {
    const double a = 0.0532665, b = 0.0311677;
    const ParametrosResistencia p = ResistenciaIdades::PorIdades(CurvaResistencia(7, a, b), CurvaResistencia(28, a, b));
    EXPECT_NEAR(p.A, a, 1e-15);
    EXPECT_NEAR(p.B, b, 1e-15);
}

struct CasoRecusa {
    double f7, f28;
    const char* trecho;
};
class PorIdadesRecusa : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(PorIdadesRecusa, MensagemClara) {
    const auto& c = GetParam();
    try {
        ResistenciaIdades::PorIdades(c.f7, c.f28);
        FAIL() << "aceitou " << c.f7 << " e " << c.f28;
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PorIdadesRecusa,
    ::testing::Values(CasoRecusa{30.0, 30.0, "maior que a resistência aos 7"},   // no gain
                      CasoRecusa{30.0, 20.0, "maior que a resistência aos 7"},
                      CasoRecusa{10.0, 40.0, "menor que 4 vezes"},                // b = 0: no bound
                      CasoRecusa{10.0, 50.0, "menor que 4 vezes"},
                      CasoRecusa{0.0, 30.0, "7 dias deve ser um valor positivo"},
                      CasoRecusa{-1.0, 30.0, "7 dias deve ser um valor positivo"},
                      CasoRecusa{20.0, NAN, "28 dias deve ser um valor positivo"},
                      CasoRecusa{INFINITY, 30.0, "7 dias deve ser um valor positivo"}));

// f(7)/fck = exp(s·(1 − √4)) = exp(−s): 0,6839 (lento), 0,7788 (normal), 0,8187 (rápido).
struct CasoFck {
    TCimentoNBR cimento;
    double beta7;
};
class PorFckTabela : public ::testing::TestWithParam<CasoFck> {};

TEST_P(PorFckTabela, SeteDiasPeloCrescimentoDaNBR) {
    const auto [cimento, beta7] = GetParam();
    EXPECT_NEAR(ResistenciaIdades::CrescimentoNBR(cimento, 7.0), beta7, 5e-5);
    EXPECT_DOUBLE_EQ(ResistenciaIdades::CrescimentoNBR(cimento, 28.0), 1.0);
    // Tension as a tenth of compression: the curve is a tenth of the compressive one at both ages.
    const ParametrosResistencia c = ResistenciaIdades::PorFck(30.0, 1.0, cimento);
    const ParametrosResistencia t = ResistenciaIdades::PorFck(30.0, 0.1, cimento);
    EXPECT_NEAR(CurvaResistencia(28.0, c.A, c.B), 30.0, 1e-13);
    EXPECT_NEAR(CurvaResistencia(7.0, c.A, c.B), 30.0 * beta7, 2e-3);
    for (double z : {7.0, 28.0, 90.0}) EXPECT_NEAR(CurvaResistencia(z, t.A, t.B), 0.1 * CurvaResistencia(z, c.A, c.B), 1e-13);
}

INSTANTIATE_TEST_SUITE_P(Cimentos, PorFckTabela,
                         ::testing::Values(CasoFck{TCimentoNBR::Lento, 0.68386}, CasoFck{TCimentoNBR::Normal, 0.77880},
                                           CasoFck{TCimentoNBR::Rapido, 0.81873}));

TEST(PorFck, RecusaFckOuRazaoNaoPositivos) {
    EXPECT_THROW(ResistenciaIdades::PorFck(0.0, 0.1, TCimentoNBR::Normal), ErroEntrada);
    EXPECT_THROW(ResistenciaIdades::PorFck(30.0, -0.1, TCimentoNBR::Normal), ErroEntrada);
}

}  // namespace
