// Autogenous shrinkage of the standard, against values worked by hand.
#include "stress/RetracaoAutogena.h"

#include <gtest/gtest.h>

namespace {

// εca(t) = (1 − exp(−0,2·√t))·2,5·(fck − 10)·10⁻⁶.
struct CasoDeformacao {
    double fck, dias, esperado;
};
class DeformacaoAutogena : public testing::TestWithParam<CasoDeformacao> {};

TEST_P(DeformacaoAutogena, DaNorma) {
    const CasoDeformacao& c = GetParam();
    EXPECT_NEAR(RetracaoAutogena::Deformacao(c.fck, c.dias), c.esperado, 5e-12);  // half the last digit given
}

INSTANTIATE_TEST_SUITE_P(Tabela, DeformacaoAutogena,
                         testing::Values(CasoDeformacao{20, 1, 4.531731e-06}, CasoDeformacao{20, 28, 1.632387e-05},
                                         // C30 to C50 by 7 days: about 20 to 40 µε.
                                         CasoDeformacao{30, 7, 2.054473e-05}, CasoDeformacao{40, 7, 3.081710e-05},
                                         CasoDeformacao{50, 7, 4.108947e-05}, CasoDeformacao{50, 28, 6.529549e-05},
                                         CasoDeformacao{30, 0, 0.0}, CasoDeformacao{30, -1, 0.0}));

TEST(DeformacaoAutogena, TendeAoValorFinal) {
    EXPECT_DOUBLE_EQ(RetracaoAutogena::Final(30), 50e-6);
    EXPECT_NEAR(RetracaoAutogena::Deformacao(30, 1e6), 50e-6, 1e-15);
}

}  // namespace
