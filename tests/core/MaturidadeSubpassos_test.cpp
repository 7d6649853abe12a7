// The time error of the maturity heat, formulation × step × substeps, on the adiabatic
// block (330 kg/m³, 107 cal/g, αu 0,75, τ 20 h, β 0,9, 40 kJ/mol at 21,1 °C), against
// a continuous integration written here: dte/dt = f(T0 + Q(te)/ρc), Runge-Kutta of
// fourth order in steps of 0,001 h. The run is read unrounded, at the end of every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "MembroTeste.h"
#include "core/Processo.h"

namespace {

constexpr double RhoC = 2400.0 * 1000.0;
constexpr int Horas = 120;

// The model written out here.
double Arrhenius(double t) { return std::exp(40000.0 / 8.314462618 * (1.0 / (273.15 + 21.1) - 1.0 / (273.15 + t))); }
double Q(double te) { return te <= 0.0 ? 0.0 : 330.0 * 107.0 * 4186.0 * 0.75 * std::exp(-std::pow(20.0 / te, 0.9)); }

// The block's temperature at each whole hour from t0: dte/dt = f(t0 + Q(te)/ρc).
std::map<int, double> Continua(double t0) {
    const auto g = [&](double te) { return Arrhenius(t0 + Q(te) / RhoC); };
    constexpr int PorHora = 1000;
    constexpr double h = 1.0 / PorHora;
    double te = 0.0;
    std::map<int, double> r;
    for (int hora = 1; hora <= Horas; ++hora) {
        for (int k = 0; k < PorHora; ++k) {
            const double k1 = g(te), k2 = g(te + h / 2 * k1), k3 = g(te + h / 2 * k2), k4 = g(te + h * k3);
            te += h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        }
        r[hora] = t0 + Q(te) / RhoC;
    }
    return r;
}

const std::map<int, double>& ContinuaEm(double t0) {
    static std::map<double, std::map<int, double>> cache;
    auto it = cache.find(t0);
    if (it == cache.end()) it = cache.emplace(t0, Continua(t0)).first;
    return it->second;
}

// Node 2 at the end of every substep that lands on a whole hour.
class Leitor final : public ObservadorPasso {
public:
    std::map<int, double> Horas;
    void Resolvido(const TDadosModelo&, const TTrabalhoTermico&) override {}
    void Passo(const TDadosModelo& d, const TTrabalhoTermico&) override {
        if (d.Tempo == std::floor(d.Tempo)) Horas[static_cast<int>(d.Tempo)] = d.Temperaturas[2];
    }
};

std::map<int, double> Bloco(TFormulacao f, int passo, int subpassos, double t0, TabelaTexto* tabela = nullptr) {
    auto d = teste::Membro(1, 3, 0, 0, Horas);
    d->Formulacao = f;
    d->PassoTempo = passo;
    d->SubpassosPorPasso = subpassos;
    d->Camadas[1].TInicial = t0;
    TCalorInterno& c = d->CalorCamadas[1];
    c = TCalorInterno{};
    c.Maturidade = true;
    c.C = 330.0;
    c.E = 107.0;
    teste::Gravador p;
    Leitor leitor;
    TabelaTexto t;
    EXPECT_TRUE(TProcesso::ProcessaTransiente(*d, tabela ? *tabela : t, p, nullptr, &leitor).Completo);
    return leitor.Horas;
}

// Largest deviation from the continuous block over the step ends.
double MaiorErro(TFormulacao f, int passo, int subpassos, double t0) {
    const auto& continua = ContinuaEm(t0);
    double erro = 0.0;
    for (const auto& [hora, t] : Bloco(f, passo, subpassos, t0)) {
        if (hora % passo != 0) continue;
        erro = std::max(erro, std::fabs(t - continua.at(hora)));
    }
    return erro;
}

struct CasoPrecisao {
    const char* nome;
    TFormulacao formulacao;
    int passo;
    int subpassos;
    double t0;
    double minimo;  // °C: the error is at least this (the step error is real)
    double maximo;  // °C
};
class PrecisaoMaturidade : public ::testing::TestWithParam<CasoPrecisao> {};

TEST_P(PrecisaoMaturidade, ErroDoPassoNaFaixa) {
    const CasoPrecisao& c = GetParam();
    const double erro = MaiorErro(c.formulacao, c.passo, c.subpassos, c.t0);
    EXPECT_LE(erro, c.maximo);
    EXPECT_GE(erro, c.minimo);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, PrecisaoMaturidade,
    ::testing::Values(
        // The consistent step: within 0,10 °C at hourly steps, 0,01 °C with 4 substeps.
        CasoPrecisao{"Consistente1h20", TFormulacao::Consistente, 1, 1, 20.0, 0.0, 0.10},
        CasoPrecisao{"Consistente1h35", TFormulacao::Consistente, 1, 1, 35.0, 0.0, 0.10},
        CasoPrecisao{"Consistente1h4Sub20", TFormulacao::Consistente, 1, 4, 20.0, 0.0, 0.01},
        CasoPrecisao{"Consistente1h4Sub35", TFormulacao::Consistente, 1, 4, 35.0, 0.0, 0.01},
        // A 4 h step in 4 substeps is the hourly step.
        CasoPrecisao{"Consistente4h4Sub35", TFormulacao::Consistente, 4, 4, 35.0, 0.0, 0.10},
        CasoPrecisao{"Consistente4h16Sub35", TFormulacao::Consistente, 4, 16, 35.0, 0.0, 0.01},
        // The classic age grows at the start temperature: first order, far from the targets.
        CasoPrecisao{"Classica1h20", TFormulacao::Classica, 1, 1, 20.0, 0.3, 1.5},
        CasoPrecisao{"Classica1h35", TFormulacao::Classica, 1, 1, 35.0, 0.3, 3.0}),
    [](const auto& info) { return std::string(info.param.nome); });

// Second order: the error falls by about 4 each time the substeps double.
class OrdemMaturidade : public ::testing::TestWithParam<double> {};
TEST_P(OrdemMaturidade, ErroCaiPorQuatro) {
    const double t0 = GetParam();
    double anterior = MaiorErro(TFormulacao::Consistente, 1, 1, t0);
    for (int s : {2, 4, 8}) {
        const double erro = MaiorErro(TFormulacao::Consistente, 1, s, t0);
        EXPECT_GT(anterior / erro, 3.3) << s << " subpassos";
        EXPECT_LT(anterior / erro, 4.7) << s << " subpassos";
        anterior = erro;
    }
}
INSTANTIATE_TEST_SUITE_P(Temperaturas, OrdemMaturidade, ::testing::Values(20.0, 35.0));

// The classic formulation has no substeps: the key changes nothing in it.
TEST(SubpassosClassica, NaoMudamNada) {
    const auto um = Bloco(TFormulacao::Classica, 1, 1, 20.0);
    const auto quatro = Bloco(TFormulacao::Classica, 1, 4, 20.0);
    ASSERT_EQ(um.size(), static_cast<std::size_t>(Horas));
    EXPECT_EQ(um, quatro);
}

// Substeps keep one row per step, at the step's hours.
TEST(SubpassosConsistente, UmaLinhaPorPasso) {
    TabelaTexto t;
    Bloco(TFormulacao::Consistente, 2, 3, 20.0, &t);
    ASSERT_EQ(t.Linhas(), Horas / 2 + 1);
    for (int l = 1; l < t.Linhas(); ++l) EXPECT_EQ(std::stoi(std::string(t.Celula(0, l))), 2 * l);
}

}  // namespace
