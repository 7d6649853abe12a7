// The allowable difference against the Bureau modulus written out by hand.
#include <gtest/gtest.h>

#include "core/Erros.h"
#include "core/MembroTeste.h"
#include "results/DeltaTAdmissivel.h"
#include "stress/ModeloTensional.h"

namespace {

TEST(DeltaTAdmissivel, BureauEResistenciaConhecidas) {
    auto d = teste::Membro(2, 2, 6, 100, 300.0);
    d->ModeloFluencia = TModeloFluencia::Bureau;
    ModeloTensional::ParametrosPadrao(*d);
    d->ResistTracaoA = 1.5;
    d->ResistTracaoB = 0.333;
    TResumoTermico r;
    // Rows of lift 1 (placed at 6 h) and of lift 2 (placed at 106 h), with differences chosen around ΔT_adm.
    r.Diferenca = {{6.0, 5.0}, {30.0, 40.0}, {106.0, 1.0}, {130.0, 1.0}, {174.0, 100.0}};
    const TDeltaTAdmissivel adm = TDeltaTAdmissivel::Calcula(*d, r, TCurvaTracao::Simples, 0.5);

    // E(t0) = t0/(a + b·t0)·1000 MPa, f = z/(1,5 + 0,333·z) MPa, α = 1e-5, K = 0,5.
    const auto esperado = [&](double dias) {
        const double E = dias / (d->EBureauA + d->EBureauB * dias) * 1000.0;
        const double f = dias / (1.5 + 0.333 * dias);
        return f / (E * 1e-5 * 0.5);
    };
    // Hour 6 is the placement itself: no age, no allowable difference.
    ASSERT_EQ(adm.Admissivel.size(), 4u);
    EXPECT_EQ(adm.Admissivel[0].hora, 30.0);
    EXPECT_NEAR(adm.Admissivel[0].valor, esperado(1.0), 1e-9 * esperado(1.0));
    EXPECT_EQ(adm.Admissivel[1].hora, 106.0);  // still lift 1 (lift 2 enters after its hour)
    EXPECT_NEAR(adm.Admissivel[1].valor, esperado(100.0 / 24.0), 1e-9 * esperado(4.0));
    EXPECT_NEAR(adm.Admissivel[2].valor, esperado(1.0), 1e-9 * esperado(1.0));  // lift 2, one day old
    EXPECT_NEAR(adm.Admissivel[3].valor, esperado(68.0 / 24.0), 1e-9 * esperado(3.0));
    ASSERT_EQ(adm.Excede.size(), 2u);
    EXPECT_EQ(adm.Excede[0].hora, 30.0);
    EXPECT_EQ(adm.Excede[1].hora, 174.0);
    EXPECT_NE(adm.Linha().find("em 2 horas, da hora 30 à hora 174"), std::string::npos) << adm.Linha();

    d->ResistTracaoA = d->ResistTracaoB = 0.0;
    EXPECT_THROW(TDeltaTAdmissivel::Calcula(*d, r, TCurvaTracao::Simples), ErroEntrada);
}

}  // namespace
