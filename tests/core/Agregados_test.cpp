// The aggregate table against its source: typical coefficients of thermal expansion of
// concretes in millionths per °F, converted here apart from the engine, and one specific
// heat for every aggregate (0,22 to 0,24 cal/(g·°C)).
#include "core/Agregados.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasoAgregado {
    TAgregado agregado;
    const char* nome;
    double porFahrenheit;  // 10⁻⁶/°F of the source; 0: no value
};
class TabelaAgregados : public testing::TestWithParam<CasoAgregado> {};

TEST_P(TabelaAgregados, DaFonte) {
    const CasoAgregado& c = GetParam();
    const Agregados::TPropriedades& p = Agregados::Propriedades(c.agregado);
    EXPECT_EQ(p.Agregado, c.agregado);
    EXPECT_EQ(std::string(p.Nome), c.nome);
    EXPECT_EQ(Agregados::PeloNome(c.nome), c.agregado);
    // No conductivity could be confirmed for any aggregate: the layer keeps its own.
    EXPECT_FALSE(p.K.has_value());
    if (c.porFahrenheit == 0.0) {
        EXPECT_FALSE(p.AlfaMicro || p.CalorEspCal || p.CalorEspJ);
        return;
    }
    ASSERT_TRUE(p.AlfaMicro && p.CalorEspCal && p.CalorEspJ);
    EXPECT_NEAR(*p.AlfaMicro, c.porFahrenheit * 9.0 / 5.0, 1e-12);
    EXPECT_GE(*p.CalorEspCal, 0.22);
    EXPECT_LE(*p.CalorEspCal, 0.24);
    // The same heat in the two unit systems (the program's 4186 J/kcal).
    EXPECT_NEAR(*p.CalorEspJ, *p.CalorEspCal * 4186.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tabela, TabelaAgregados,
                         testing::Values(CasoAgregado{TAgregado::Basalto, "Basalto", 4.8},
                                         CasoAgregado{TAgregado::Granito, "Granito", 5.3},
                                         CasoAgregado{TAgregado::Gnaisse, "Gnaisse", 5.3},
                                         CasoAgregado{TAgregado::Quartzito, "Quartzito", 6.6},
                                         CasoAgregado{TAgregado::Calcario, "Calcário", 3.8},
                                         CasoAgregado{TAgregado::Arenito, "Arenito", 6.5},
                                         CasoAgregado{TAgregado::Outro, "Outro", 0.0}));

// Quartzite against basalt: about the 50 % more thermal stress the two give.
TEST(TabelaAgregados, QuartzitoContraBasalto) {
    EXPECT_NEAR(*Agregados::Propriedades(TAgregado::Quartzito).AlfaMicro /
                    *Agregados::Propriedades(TAgregado::Basalto).AlfaMicro,
                1.375, 1e-12);
    EXPECT_FALSE(Agregados::PeloNome("Xisto").has_value());
}

}  // namespace
