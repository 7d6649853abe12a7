#include <gtest/gtest.h>

#include <memory>

#include "results/Cores.h"

using Cores::CorRGB;

namespace {

struct CasoCor {
    const char* nome;
    double t;
    double tMin, tMax;
    CorRGB esperada;
};

class CorTemperaturaTeste : public ::testing::TestWithParam<CasoCor> {};

TEST_P(CorTemperaturaTeste, ComponentesDaEscala) {
    const CasoCor& c = GetParam();
    EXPECT_EQ(Cores::CorTemperatura(c.t, c.tMin, c.tMax), c.esperada);
}

// Scale 10..50 °C, so x = (T - 10)/40.
INSTANTIATE_TEST_SUITE_P(
    Faixas, CorTemperaturaTeste,
    ::testing::Values(CasoCor{"x0_azul", 10, 10, 50, {0, 0, 255}},
                      CasoCor{"x010", 14, 10, 50, {0, 102, 255}},
                      CasoCor{"x025_ciano", 20, 10, 50, {0, 255, 255}},
                      CasoCor{"x040", 26, 10, 50, {0, 255, 101}},
                      CasoCor{"x050_verde", 30, 10, 50, {0, 255, 0}},
                      CasoCor{"x060", 34, 10, 50, {101, 255, 0}},
                      CasoCor{"x075_amarelo", 40, 10, 50, {255, 255, 0}},
                      CasoCor{"x090", 46, 10, 50, {255, 101, 0}},
                      CasoCor{"x1_vermelho", 50, 10, 50, {255, 0, 0}},
                      CasoCor{"abaixo_da_escala_azul", -5, 10, 50, {0, 0, 255}},
                      CasoCor{"acima_da_escala_vermelho", 80, 10, 50, {255, 0, 0}},
                      CasoCor{"limites_iguais_verde", 25, 25, 25, {0, 255, 0}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(FaixasElemento, QuantidadePorMembroAtivo) {
    EXPECT_EQ(Cores::FaixasPorElemento(10), 20);
    EXPECT_EQ(Cores::FaixasPorElemento(150), 1);
    EXPECT_EQ(Cores::FaixasPorElemento(200), 1);
    // Beyond 200 elements each one still gets its band.
    EXPECT_EQ(Cores::FaixasPorElemento(250), 1);
}

TEST(FaixasElemento, CobremOElementoEInterpolamNoMeio) {
    const auto faixas = Cores::FaixasElemento(2.0, 0.5, 20.0, 40.0, 10);
    ASSERT_EQ(faixas.size(), 20u);
    EXPECT_DOUBLE_EQ(faixas.front().ya, 2.0);
    EXPECT_DOUBLE_EQ(faixas.back().yb, 2.5);
    for (std::size_t k = 1; k < faixas.size(); ++k) EXPECT_DOUBLE_EQ(faixas[k].ya, faixas[k - 1].yb);
    // Middle of band k at (k - 0.5)/20 of the element.
    EXPECT_NEAR(faixas.front().t, 20.0 + 20.0 * 0.025, 1e-12);
    EXPECT_NEAR(faixas.back().t, 20.0 + 20.0 * 0.975, 1e-9);
    const auto uma = Cores::FaixasElemento(0.0, 1.0, 20.0, 40.0, 150);
    ASSERT_EQ(uma.size(), 1u);
    EXPECT_DOUBLE_EQ(uma[0].t, 30.0);
}

TEST(LinhasEscala, DoAzulEmBaixoAoVermelhoEmCimaSemLinhaBranca) {
    const auto linhas = Cores::LinhasEscala(377);
    ASSERT_EQ(linhas.size(), 377u);
    EXPECT_EQ(linhas.front(), (CorRGB{255, 0, 0}));
    EXPECT_EQ(linhas.back().r, 0);
    EXPECT_EQ(linhas.back().b, 255);
    EXPECT_LE(linhas.back().g, 3);
    for (const auto& c : linhas) {
        EXPECT_FALSE(c == (CorRGB{255, 255, 255}));
        // Every row lies on the blue-cyan-green-yellow-red path: one component 255 or both r and b zero.
        EXPECT_TRUE(c.r == 0 || c.b == 0);
    }
}

TEST(ValoresEscala, CincoTextosDeCimaParaBaixo) {
    const auto v = Cores::ValoresEscala(10.0, 50.0);
    EXPECT_DOUBLE_EQ(v[0], 50.0);
    EXPECT_DOUBLE_EQ(v[1], 40.0);
    EXPECT_DOUBLE_EQ(v[2], 30.0);
    EXPECT_DOUBLE_EQ(v[3], 20.0);
    EXPECT_DOUBLE_EQ(v[4], 10.0);
}

TEST(ElementosAtivosEm, SoAsCamadasLancadasAntesDoInstante) {
    auto d = std::make_unique<TDadosModelo>();
    d->NElemCamada = 4;
    d->NCamadas = 3;
    d->CamadaAtual = 3;
    d->Camadas[1].HoraConcretagem = 0;
    d->Camadas[2].HoraConcretagem = 24;
    d->Camadas[3].HoraConcretagem = 48;
    EXPECT_EQ(Cores::ElementosAtivosEm(*d, 10), 4);
    EXPECT_EQ(Cores::ElementosAtivosEm(*d, 24), 4);  // strictly earlier
    EXPECT_EQ(Cores::ElementosAtivosEm(*d, 25), 8);
    EXPECT_EQ(Cores::ElementosAtivosEm(*d, 100), 12);
    d->CamadaAtual = 2;  // a run that never placed layer 3
    EXPECT_EQ(Cores::ElementosAtivosEm(*d, 100), 8);
}

}  // namespace
