#include "core/Alturas.h"

#include <gtest/gtest.h>

#include <memory>

#include "MembroTeste.h"
#include "core/Processo.h"
#include "core/TabelaTexto.h"

namespace {

struct CasoAlturas {
    const char* nome;
    std::vector<double> espessuras;
    int elementos;
    std::vector<double> esperado;  // nodes 1..
};
class AlturasTabela : public ::testing::TestWithParam<CasoAlturas> {};

TEST_P(AlturasTabela, PelasCamadasEElementos) {
    const auto& c = GetParam();
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = static_cast<int>(c.espessuras.size());
    d->NElemCamada = c.elementos;
    for (std::size_t L = 0; L < c.espessuras.size(); ++L) d->Camadas[L + 1].Espessura = c.espessuras[L];
    const std::vector<double> y = Alturas::DosNos(*d);
    ASSERT_EQ(y.size(), c.esperado.size() + 1);
    for (std::size_t n = 0; n < c.esperado.size(); ++n) EXPECT_DOUBLE_EQ(y[n + 1], c.esperado[n]) << "nó " << n + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AlturasTabela,
    ::testing::Values(CasoAlturas{"TresCamadas", {1.5, 2.0, 0.5}, 2, {0, 0.75, 1.5, 2.5, 3.5, 3.75, 4.0}},
                      CasoAlturas{"UmElemento", {1.0, 1.0}, 1, {0, 1, 2}},
                      CasoAlturas{"SemCamada", {}, 4, {0}},
                      CasoAlturas{"SemElementos", {1.0}, 0, {0}},
                      CasoAlturas{"CamadaNula", {1.0, 0.0, 1.0}, 1, {0, 1, 1, 2}}),
    [](const auto& i) { return std::string(i.param.nome); });

// The heights are the analysis's own element coordinates, bit for bit (layers of
// thicknesses that do not divide evenly, so any other order of sums would differ).
TEST(Alturas, IguaisAsCoordenadasDosElementosDaAnalise) {
    auto d = teste::Membro(3, 7, 8, 24, 80);
    d->Camadas[1].Espessura = 0.7;
    d->Camadas[2].Espessura = 1.3;
    d->Camadas[3].Espessura = 0.35;
    for (int L = 2; L <= 3; ++L) d->Camadas[L].XIni = d->Camadas[L - 1].XIni + d->Camadas[L - 1].Espessura;
    TabelaTexto historico;
    Progresso p;
    TProcesso::ProcessaTransiente(*d, historico, p);
    const std::vector<double> y = Alturas::DosNos(*d);
    const int N = d->NCamadas * d->NElemCamada;
    for (int n = 1; n <= N; ++n) EXPECT_EQ(y[static_cast<std::size_t>(n)], d->Elementos[n].XIni) << "nó " << n;
    EXPECT_EQ(y[static_cast<std::size_t>(N + 1)], d->Elementos[N].XIni + d->Elementos[N].Espessura);
}

TEST(Alturas, TextoComVirgula) {
    const std::vector<double> y{0.0, 0.0, 1.255, 3.5};
    EXPECT_EQ(Alturas::Texto(y, 3), "y = 3,50 m");
    EXPECT_EQ(Alturas::Texto(y, 1), "y = 0,00 m");
    EXPECT_EQ(Alturas::Texto(y, 0), "");
    EXPECT_EQ(Alturas::Texto(y, 4), "");
}

}  // namespace
