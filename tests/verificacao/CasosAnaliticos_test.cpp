// The analytic cases of docs/verificacao.md, each against its known answer, with the
// tolerance in units of what the history prints (two decimals: 0,005 °C is half the
// last digit); and the page in the repository is the one the program writes.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>

#include "verificacao/CasosAnaliticos.h"

namespace {

using namespace CasosAnaliticos;

constexpr TFormulacao Cla = TFormulacao::Classica;
constexpr TFormulacao Con = TFormulacao::Consistente;
constexpr double MeioCentesimo = 0.005 + 1e-9;

// Largest distance of the transient slab from the series over the nine points.
double DesvioPlaca(TFormulacao f, int ne) {
    const auto v = Placa(f, ne);
    double d = 0.0;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            d = std::max(d, std::fabs(v[i][j] - SeriePlaca(0.5 * static_cast<double>(j), HorasPlaca[i])));
    return d;
}
double ErroFria(TFormulacao f, int ne) { return std::fabs(CentroFria(f, ne) / SerieCentroFria(100.0) - 1.0); }

struct Caso {
    const char* nome;
    std::function<double()> desvio;
    double limite;
    bool dentro;  // within the limit, or (the classic's failures) beyond it
};

const Caso Casos[] = {
    // The top at 24 h keeps 0,07 °C of the hourly step's error: 8 printed digits.
    {"PlacaClassica16", [] { return DesvioPlaca(Cla, 16); }, 0.08, true},
    {"PlacaConsistente32", [] { return DesvioPlaca(Con, 32); }, 0.08, true},
    {"PermanenteConsistente4", [] { return PermanentePrescrito(Con, 4).DesvioNos; }, MeioCentesimo, true},
    {"PermanenteConsistente160", [] { return PermanentePrescrito(Con, 160).DesvioNos; }, MeioCentesimo, true},
    {"PermanenteClassica80", [] { return std::fabs(PermanentePrescrito(Cla, 80).Pico - 45.0); }, 1.0, false},
    {"FriaConsistente20", [] { return ErroFria(Con, 20); }, 0.015, true},
    {"FriaConsistente160", [] { return ErroFria(Con, 160); }, 0.015, true},
    {"FriaConsistenteConverge", [] { return ErroFria(Con, 160) - ErroFria(Con, 40); }, 0.0, true},
    {"FriaClassica160", [] { return ErroFria(Cla, 160); }, 0.015, false},
    {"AdiabaticoCurvaConsistente4h", [] { return BlocoAdiabatico(Con, Calor::Curva, 4).MaiorDesvio; }, MeioCentesimo,
     true},
    {"AdiabaticoTabelaConsistente3h", [] { return BlocoAdiabatico(Con, Calor::Tabela, 3).MaiorDesvio; },
     MeioCentesimo, true},
    {"AdiabaticoCurvaClassica1h", [] { return BlocoAdiabatico(Cla, Calor::Curva, 1).MaiorDesvio; }, 0.05, false},
    // Against the continuous solution, unrounded: 0,10 °C at hourly steps, 0,01 °C with 4 substeps.
    {"MaturidadeConsistente1h", [] { return BlocoMaturidade(Con, 1).MaiorDesvio; }, 0.10, true},
    {"MaturidadeConsistente1hQuente", [] { return BlocoMaturidade(Con, 1, 1, 35.0).MaiorDesvio; }, 0.10, true},
    {"MaturidadeConsistente4Subpassos", [] { return BlocoMaturidade(Con, 1, 4).MaiorDesvio; }, 0.01, true},
    {"MaturidadeConsistente4SubpassosQuente", [] { return BlocoMaturidade(Con, 1, 4, 35.0).MaiorDesvio; }, 0.01,
     true},
    // The step's start temperature lags the continuous solution, first order in the step.
    {"MaturidadePassoAPassoContraContinua1h",
     [] {
         double d = 0.0;
         for (int h = 1; h <= 120; ++h) d = std::max(d, std::fabs(MaturidadePassoAPasso(1, h) - MaturidadeContinua(h)));
         return d;
     },
     1.0, true},
    // The classic formulation is that rule, with the exact heat of each step's ages.
    {"MaturidadeClassicaEhOPassoAPasso1h",
     [] {
         const Adiabatico a = BlocoMaturidade(Cla, 1);
         double d = 0.0;
         for (std::size_t i = 0; i < HorasAdiabatico.size(); ++i)
             d = std::max(d, std::fabs(a.Temperaturas[i] - MaturidadePassoAPasso(1, HorasAdiabatico[i])));
         return d;
     },
     MeioCentesimo, true},
    {"MaturidadeClassica1h", [] { return BlocoMaturidade(Cla, 1).MaiorDesvio; }, 0.3, false},
    {"BalancoConsistente1", [] { return std::fabs(BalancoDuasCamadas(Con, 1).ResiduoPercentual()); }, 0.1, true},
    // The classic interface node loses heat at the placement: per cents of residual.
    {"BalancoClassica1", [] { return std::fabs(BalancoDuasCamadas(Cla, 1).ResiduoPercentual()); }, 1.0, false},
};

class CasoAnalitico : public ::testing::TestWithParam<Caso> {};
TEST_P(CasoAnalitico, ContraAReferencia) {
    const Caso& c = GetParam();
    const double d = c.desvio();
    if (c.dentro) EXPECT_LE(d, c.limite);
    else EXPECT_GT(d, c.limite);
}
INSTANTIATE_TEST_SUITE_P(Casos, CasoAnalitico, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.nome); });

// The series reproduces the values measured beforehand to their four decimals.
TEST(CasosAnaliticos, SerieDaPlacaDaOsValoresConhecidos) {
    const double esperado[3][3] = {
        {39.8729, 38.1697, 26.9909}, {30.3903, 28.2302, 22.6423}, {20.5960, 20.4720, 20.1515}};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            EXPECT_NEAR(SeriePlaca(0.5 * static_cast<double>(j), HorasPlaca[i]), esperado[i][j], 0.00005);
}

TEST(CasosAnaliticos, PaginaDoRepositorioEhAGerada) {
    std::ifstream f(std::string(NORVIK_FONTES) + "/docs/verificacao.md", std::ios::binary);
    ASSERT_TRUE(f) << "docs/verificacao.md ausente";
    std::ostringstream conteudo;
    conteudo << f.rdbuf();
    EXPECT_TRUE(conteudo.str() == Documento())
        << "docs/verificacao.md difere do que o programa gera: rode build/gera_verificacao docs/verificacao.md";
}

}  // namespace
