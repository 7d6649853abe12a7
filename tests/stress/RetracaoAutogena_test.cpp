// Autogenous shrinkage in the stresses: the strain of the standard against values worked
// by hand, its clock, and the stress it gives under full restraint.
#include "stress/RetracaoAutogena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "ModeloTensional.h"
#include "core/Maturidade.h"
#include "core/Numeros.h"
#include "stress/ProcTensional.h"

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

using ModeloTensional::Membro;
using ModeloTensional::Temperaturas;

class SemProgresso : public Progresso {};

// Full restraint, a constant compliance J = 1/E (Bureau with E(t0) = 1/b and no creep)
// and no thermal strain: σ(t) = −E·εca(t) to the printed digit, on the layer's age, or
// on the equivalent age when its heat follows the maturity.
struct CasoTensao {
    double fck;
    bool maturidade;
    double temperatura;  // °C, constant
};
class TensaoAutogena : public testing::TestWithParam<CasoTensao> {};

TEST_P(TensaoAutogena, RestricaoTotalDaMenosEEpsilon) {
    const CasoTensao& c = GetParam();
    auto d = Membro({0}, 2, 200);
    d->EBureauA = 0.0;
    d->EBureauB = 1.0 / 30.0;  // GPa: E = 30 000 MPa at every age
    d->FBureauA = 0.0;
    d->FBureauB = 0.0;
    d->Camadas[1].Alfa = 0.0;  // the shrinkage alone
    d->RetracaoAutogena[1].Fck = c.fck;
    d->CalorCamadas[1].Maturidade = c.maturidade;
    auto temp = Temperaturas(*d, [&](int, int) { return c.temperatura; });
    TabelaTexto tens;
    SemProgresso p;
    const auto r = TProcTensional::ProcessaTensional(*d, temp, tens, p);
    ASSERT_TRUE(r.Completo);
    const double f = c.maturidade ? Maturidade::FatorArrhenius(40000.0, 21.1, (20.0 + c.temperatura) / 2.0) : 1.0;
    const double g = c.maturidade ? Maturidade::FatorArrhenius(40000.0, 21.1, c.temperatura) : 1.0;
    for (int h : {1, 24, 168, 200}) {
        // The first hour of the equivalent clock runs at the mean of placement and node.
        const double esperado = -30000.0 * RetracaoAutogena::Deformacao(c.fck, (f + (h - 1) * g) / 24.0);
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(tens.Celula(n, h), Numeros::FormataFixo(esperado, 7, 4)) << h << " " << n;
    }
    // The largest tension is the last hour's.
    EXPECT_NEAR(d->TracaoMaxima, -30000.0 * RetracaoAutogena::Deformacao(c.fck, (f + 199 * g) / 24.0), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tabela, TensaoAutogena,
                         testing::Values(CasoTensao{30, false, 20.0}, CasoTensao{50, false, 35.0},
                                         CasoTensao{30, true, 20.0}, CasoTensao{40, true, 45.0}));

// The shrinkage adds to the thermal strain of its layer only: the nodes of the layer
// below keep their stresses to the digit, those of the layer that has it go to tension.
TEST(TensaoAutogena, SoNaCamadaQueATem) {
    auto base = Membro({0, 24}, 2, 120);
    auto temp = Temperaturas(*base, [](int n, int h) { return 20.0 + 0.1 * n * std::min(h, 40); });
    auto d = std::make_unique<TDadosModelo>(*base);
    d->RetracaoAutogena[2].Fck = 40;
    TabelaTexto semRetracao, comRetracao;
    SemProgresso p;
    TProcTensional::ProcessaTensional(*base, temp, semRetracao, p);
    TProcTensional::ProcessaTensional(*d, temp, comRetracao, p);
    ASSERT_EQ(comRetracao.Linhas(), semRetracao.Linhas());
    for (int r = 1; r < semRetracao.Linhas(); ++r) {
        for (int n = 1; n <= 2; ++n) EXPECT_EQ(comRetracao.Celula(n, r), semRetracao.Celula(n, r)) << n << " " << r;
        if (r > 30) {
            EXPECT_LT(Numeros::TextoParaReal(comRetracao.Celula(5, r)), Numeros::TextoParaReal(semRetracao.Celula(5, r)))
                << r;
        }
    }
    EXPECT_LT(d->TracaoMaxima, base->TracaoMaxima);
}

}  // namespace
