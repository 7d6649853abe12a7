#include "input/Conveccao.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CasoVento {
    double v;
    double esperado;
};

class VentoCEB : public ::testing::TestWithParam<CasoVento> {};

TEST_P(VentoCEB, RamoLinearAteCincoEPotenciaAcima) {
    const auto [v, esperado] = GetParam();
    EXPECT_NEAR(CoeficienteVentoCEB(v), esperado, 1e-9 * esperado);
}

// Day and night defaults of the dialogs, the linear branch at exactly 5 m/s, the power branch at 6.
INSTANTIATE_TEST_SUITE_P(Conveccao, VentoCEB,
                         ::testing::Values(CasoVento{4.0, 77760.0}, CasoVento{5.0, 92160.0},
                                           CasoVento{6.0, 7.15 * std::pow(6.0, 0.78) * 3600.0}));

TEST(Conveccao, VentoDeSeisMetrosDaCercaDeCentoEQuatroMil) {
    EXPECT_NEAR(CoeficienteVentoCEB(6.0), 104128.0, 1.0);
}

TEST(Conveccao, CoeficienteDeFaceNasDuasUnidadesEVolta) {
    EXPECT_EQ(CoefFaceArmazenado(15.0, false), 54000.0);
    EXPECT_NEAR(CoefFaceArmazenado(300.0, true), 3.4722222222222223, 1e-15);
    for (bool usuais : {false, true})
        for (double digitado : {0.0, 12.5, 300.0, 0.1})
            EXPECT_NEAR(CoefFaceDigitado(CoefFaceArmazenado(digitado, usuais), usuais), digitado, 1e-12 * (1 + digitado));
}

}  // namespace
