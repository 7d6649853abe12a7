// The mesh check: how far the refinement goes within the 300 nodes, what the report says
// of the mesh dependence in each formulation, and that the problem given is left alone.
#include "verificacao/Verificacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/MembroTeste.h"

namespace {

bool Contem(const std::string& texto, const std::string& trecho) { return texto.find(trecho) != std::string::npos; }

// `camadas` lifts placed hour after hour, the first with a constant heat, 6 h.
std::unique_ptr<TDadosModelo> Pilha(int camadas, int elementos) {
    auto d = teste::Membro(camadas, elementos, 0, 1, 6);
    for (int L = 1; L <= camadas; ++L) d->Camadas[L].Espessura = 0.1;
    d->CalorCamadas[1].F = 1000.0;
    d->BetaSup = 10.0 * 3600.0;
    return d;
}

struct CasoRefino {
    int camadas;
    int elementos;
    int refinada;  // elements per layer of the second run; 0 when it cannot be refined
    bool limitada;
};
class Refino : public ::testing::TestWithParam<CasoRefino> {};

TEST_P(Refino, DobraDentroDaCapacidade) {
    const auto [camadas, ne, refinada, limitada] = GetParam();
    auto d = Pilha(camadas, ne);
    teste::Gravador p;
    const TVerificacao v = TVerificacao::Executa(*d, false, p);
    const std::string texto = v.Texto();
    EXPECT_EQ(v.Refinou, refinada > 0);
    EXPECT_EQ(v.Limitada, limitada);
    EXPECT_EQ(Contem(texto, "limitado pela capacidade de 300 nós"), limitada && refinada > 0);
    if (refinada > 0) {
        EXPECT_EQ(v.Refinada.ElemCamada, refinada);
        EXPECT_LE(v.Refinada.Nos, MaxNos);
        EXPECT_EQ(v.Refinada.Nos, camadas * refinada + 1);
    } else {
        EXPECT_TRUE(Contem(texto, "A malha não pode ser refinada")) << texto;
        // The figures of the run that was made are still there.
        EXPECT_TRUE(Contem(texto, "Temperatura máxima (°C)")) << texto;
    }
    // The problem given keeps its mesh.
    EXPECT_EQ(d->NElemCamada, ne);
}
INSTANTIATE_TEST_SUITE_P(Capacidade, Refino,
                         ::testing::Values(CasoRefino{2, 3, 6, false}, CasoRefino{60, 2, 4, false},
                                           CasoRefino{50, 4, 5, true}, CasoRefino{100, 1, 2, false},
                                           CasoRefino{100, 2, 0, true}, CasoRefino{299, 1, 0, true}));

// The 2 m slab with a source and both faces prescribed, from 4 to 8 elements: the classic
// peak moves by degrees, the consistent one stays at 45,00 °C.
struct CasoDependencia {
    TFormulacao formulacao;
    bool depende;
};
class Dependencia : public ::testing::TestWithParam<CasoDependencia> {};

TEST_P(Dependencia, FraseDaMalha) {
    const auto [formulacao, depende] = GetParam();
    auto d = teste::Membro(1, 4, 0, 0, 3000);
    d->Formulacao = formulacao;
    d->Camadas[1].Espessura = 2.0;
    d->CalorCamadas[1].F = 100.0;
    d->TPrescInfAtiva = d->TPrescSupAtiva = true;
    d->TPrescInf = d->TPrescSup = 20.0;
    teste::Gravador p;
    const TVerificacao v = TVerificacao::Executa(*d, false, p);
    const std::string texto = v.Texto();
    EXPECT_EQ(v.DependeDaMalha(), depende);
    EXPECT_TRUE(Contem(texto, depende ? "O resultado depende da malha" : "O resultado não depende da malha")) << texto;
    const bool classica = formulacao == TFormulacao::Classica;
    EXPECT_EQ(Contem(texto, "a formulação consistente converge"), classica);
    EXPECT_TRUE(Contem(texto, classica ? "(formulação clássica)" : "(formulação consistente)"));
    if (!classica) {
        EXPECT_NEAR(v.Original.TMaxima, 45.0, 0.005);
        EXPECT_NEAR(v.Refinada.TMaxima, 45.0, 0.005);
    }
    // The balance of the original run closes in both: the prescribed faces take the heat.
    EXPECT_LT(std::fabs(v.Balanco.ResiduoPercentual()), 1e-6);
    EXPECT_LT(v.Balanco.Extremidades, -0.9 * v.Balanco.Hidratacao);
}
INSTANTIATE_TEST_SUITE_P(Formulacoes, Dependencia,
                         ::testing::Values(CasoDependencia{TFormulacao::Classica, true},
                                           CasoDependencia{TFormulacao::Consistente, false}));

// Which of mesh, step and formulation the verdict sentence names, on members whose
// answer is known: an adiabatic maturity block on 4 h steps (the classic age lags its
// temperature by degrees), a cooling slab with a constant source (both formulations
// compute the same), the slab with both faces prescribed (the classic overwrite).
struct CasoVeredito {
    const char* nome;
    std::function<void(TDadosModelo&)> prepara;  // on one 1 m lift of 3 elements, 24 h
    bool malha, passo, formulacao;
    bool perdeCalor;  // the balance shows heat lost against the model
};
class Veredito : public ::testing::TestWithParam<CasoVeredito> {};

TEST_P(Veredito, FraseNomeiaOQueMuda) {
    const CasoVeredito& c = GetParam();
    auto d = teste::Membro(1, 3, 0, 0, 24);
    c.prepara(*d);
    teste::Gravador p;
    const TVerificacao v = TVerificacao::Executa(*d, false, p);
    const std::string texto = v.Texto();
    EXPECT_EQ(v.DependeDaMalha(), c.malha) << texto;
    EXPECT_EQ(v.DependeDoPasso(), c.passo) << texto;
    EXPECT_EQ(v.DependeDaFormulacao(), c.formulacao) << texto;
    EXPECT_TRUE(v.ErroPasso.empty() && v.ErroOutra.empty()) << texto;
    EXPECT_EQ(v.Passo.Formulacao, TFormulacao::Consistente);
    EXPECT_EQ(v.Passo.Subpassos, 2 * std::max(1, d->SubpassosPorPasso));
    EXPECT_NE(v.Outra.Formulacao, d->Formulacao);
    const std::string veredito = v.Veredito();
    EXPECT_TRUE(Contem(texto, veredito));
    if (!c.malha && !c.passo && !c.formulacao) {
        EXPECT_TRUE(Contem(veredito, "nem a malha, nem o passo de tempo, nem a formulação mudam")) << veredito;
    } else {
        EXPECT_EQ(Contem(veredito, "a malha"), c.malha) << veredito;
        EXPECT_EQ(Contem(veredito, "o passo de tempo"), c.passo) << veredito;
        EXPECT_EQ(Contem(veredito, "a formulação"), c.formulacao) << veredito;
    }
    EXPECT_EQ(std::fabs(v.Balanco.ResiduoPercentual()) > 0.5, c.perdeCalor) << texto;
    // The report's rows: the three checks, peak first.
    const auto linhas = v.Linhas();
    ASSERT_FALSE(linhas.empty());
    EXPECT_TRUE(Contem(linhas.back()[0], "Formulação"));
}
INSTANTIATE_TEST_SUITE_P(
    Casos, Veredito,
    ::testing::Values(
        CasoVeredito{"MaturidadeClassica4h",
                     [](TDadosModelo& d) {
                         d.PassoTempo = 4;
                         d.Camadas[1].TInicial = 35.0;
                         d.CalorCamadas[1] = TCalorInterno{};
                         d.CalorCamadas[1].Maturidade = true;
                         d.CalorCamadas[1].C = 330.0;
                         d.CalorCamadas[1].E = 107.0;
                     },
                     false, false, true, true},
        CasoVeredito{"TudoConcorda",
                     [](TDadosModelo& d) {
                         d.Camadas[1].TInicial = 40.0;
                         d.CalorCamadas[1].F = 200.0;
                         d.BetaSup = 10.0 * 3600.0;
                     },
                     false, false, false, false},
        CasoVeredito{"FacesPrescritasClassica",
                     [](TDadosModelo& d) {
                         d.Camadas[1].Espessura = 2.0;
                         d.CalorCamadas[1].F = 100.0;
                         d.TempoTotal = 3000;
                         d.TPrescInfAtiva = d.TPrescSupAtiva = true;
                         d.TPrescInf = d.TPrescSup = 20.0;
                     },
                     true, false, true, false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
