// The heat that follows the equivalent age, against answers written here from the
// model's definition: the age-only curve at the reference temperature, the
// adiabatic block integrated independently, and the calorimeter table that a block
// identical to its sample must reproduce.
#include "core/Maturidade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "MembroTeste.h"
#include "core/Erros.h"
#include "core/Func.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/ValoresSI.h"

namespace {

using teste::Membro;

constexpr double MeioCentesimo = 0.005;  // half the last printed digit of the history
constexpr double RhoC = 2400.0 * 1000.0;

// Parameters of a Portland cement: 330 kg/m³, 107 cal/g, αu 0,75, τ 20 h, β 0,9, 40 kJ/mol at 21,1 °C.
void CurvaMaturidade(TDadosModelo& d) {
    for (int L = 1; L <= d.NCamadas; ++L) {
        TCalorInterno& c = d.CalorCamadas[L];
        c = TCalorInterno{};
        c.Maturidade = true;
        c.C = 330.0;
        c.E = 107.0;
    }
}

// ---- The model written out here. ----

double Arrhenius(const TCalorInterno& c, double t) {
    return std::exp(c.EnergiaAtivacao / 8.314462618 * (1.0 / (273.15 + c.TRef) - 1.0 / (273.15 + t)));
}

// Heat (J/m³) of the curve at age te.
double Q(const TCalorInterno& c, double te) {
    return te <= 0.0 ? 0.0 : c.C * 1000.0 * c.E * 4.186 * c.AlfaU * std::exp(-std::pow(c.Tau / te, c.BetaHid));
}

ResultadoTransiente Roda(TDadosModelo& d, TabelaTexto& t) {
    teste::Gravador p;
    return TProcesso::ProcessaTransiente(d, t, p);
}

double Celula(const TabelaTexto& t, int no, int linha) { return Numeros::TextoParaReal(t.Celula(no, linha)); }

// ---- At the reference temperature the rate is the age-only rate of the same curve. ----

struct CasoTaxa {
    const char* nome;
    double temperatura;  // held at every node, °C
    int passo;           // h
};
class TaxaDoElemento : public ::testing::TestWithParam<CasoTaxa> {};

// A member held at one temperature: after k steps te = k·P·f(T), and the rate of the
// step is ΔQ/Δt (both formulations); at T = TRef, f = 1 and te is the age, so the
// heat is the age-only heat of the curve.
TEST_P(TaxaDoElemento, SegueAIdadeEquivalente) {
    const CasoTaxa& caso = GetParam();
    auto d = Membro(2, 3, 0, 0, 100);
    CurvaMaturidade(*d);
    d->PassoTempo = caso.passo;
    d->NElemAtivos = 6;
    auto w = std::make_unique<TTrabalhoTermico>();
    TValoresSI::Deriva(*d, w->SI);
    TFunc::DistribuiPropriedades(*d, *w, 2);
    for (int i = 1; i <= 7; ++i) w->TAnterior[i] = caso.temperatura;
    const TCalorInterno& c = d->CalorCamadas[1];
    const double f = Arrhenius(c, caso.temperatura);
    if (caso.temperatura == c.TRef) {
        EXPECT_EQ(f, 1.0);
    }
    for (int k = 1; k <= 60 / caso.passo; ++k) {
        Maturidade::TaxasElementos(*d, *w);
        Maturidade::ConcluiPasso(*d, *w);
        const double te = k * caso.passo * f;
        const double esperada = (Q(c, te) - Q(c, te - caso.passo * f)) / (caso.passo * 3600.0);
        for (int e = 1; e <= 6; ++e) {
            ASSERT_NEAR(w->FElemento[e], esperada, 1e-10 * std::max(1.0, std::fabs(esperada)))
                << "passo " << k << ", elemento " << e;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(
    Temperaturas, TaxaDoElemento,
    ::testing::Values(CasoTaxa{"Referencia", 21.1, 1}, CasoTaxa{"ReferenciaPasso3", 21.1, 3},
                      CasoTaxa{"Frio", 5.0, 1}, CasoTaxa{"Quente", 45.0, 2}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- A hot block hydrates faster than a cold one. ----

struct CasoQuenteFrio {
    const char* nome;
    TFormulacao formulacao;
    bool tabela;
};
class QuenteEFrio : public ::testing::TestWithParam<CasoQuenteFrio> {};

// The calorimeter curve of the table cases: a rise of 40 °C in seven days, steepest
// at about 15 h.
void TabelaCalorimetro(TDadosModelo& d) {
    d.CalorDiscreto = true;
    for (int L = 1; L <= d.NCamadas; ++L) {
        TCalorInterno& c = d.CalorCamadas[L];
        c = TCalorInterno{};
        c.Maturidade = true;
        c.TInicialCalorimetro = 20.0;
        double antes = 0.0;
        for (int h = 1; h <= 168; ++h) {
            const double elevacao = 40.0 * std::exp(-std::pow(15.0 / h, 1.2));
            c.Tabela[h] = (elevacao - antes) * RhoC / 3600.0;
            antes = elevacao;
        }
    }
}

double ElevacaoAdiabatica(const CasoQuenteFrio& caso, double tInicial, int hora) {
    auto d = Membro(1, 2, 0, 0, hora);
    d->Formulacao = caso.formulacao;
    if (caso.tabela) TabelaCalorimetro(*d);
    else CurvaMaturidade(*d);
    d->Camadas[1].TInicial = tInicial;
    TabelaTexto t;
    EXPECT_TRUE(Roda(*d, t).Completo);
    return d->Temperaturas[2] - tInicial;
}

TEST_P(QuenteEFrio, QuenteHidrataAntes) {
    const CasoQuenteFrio& caso = GetParam();
    const double frio12 = ElevacaoAdiabatica(caso, 5.0, 12);
    const double quente12 = ElevacaoAdiabatica(caso, 35.0, 12);
    EXPECT_GT(quente12, 2.0 * frio12) << "às 12 h";
    // With the exact heat of each step both end with the same heat: the hot one only
    // got there sooner. (The classic rate at the step's end × Δt misses more of the
    // heat the faster it comes.)
    if (caso.formulacao != TFormulacao::Consistente) return;
    const double frioFim = ElevacaoAdiabatica(caso, 5.0, 2000);
    const double quenteFim = ElevacaoAdiabatica(caso, 35.0, 2000);
    EXPECT_NEAR(quenteFim, frioFim, 0.02 * quenteFim);
}
INSTANTIATE_TEST_SUITE_P(Casos, QuenteEFrio,
                         ::testing::Values(CasoQuenteFrio{"CurvaClassica", TFormulacao::Classica, false},
                                           CasoQuenteFrio{"CurvaConsistente", TFormulacao::Consistente, false},
                                           CasoQuenteFrio{"TabelaClassica", TFormulacao::Classica, true},
                                           CasoQuenteFrio{"TabelaConsistente", TFormulacao::Consistente, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- The adiabatic block against an independent integration. ----

// te of the adiabatic block, dte/dt = f(T0 + Q(te)/ρc) (the rise is the heat over ρc),
// by fourth-order Runge-Kutta with steps of 0,005 h, at each whole hour up to `horas`.
std::vector<double> IdadeContinua(const TCalorInterno& c, double t0, int horas) {
    const auto g = [&](double te) { return Arrhenius(c, t0 + Q(c, te) / RhoC); };
    std::vector<double> idades{0.0};
    double te = 0.0;
    constexpr int Subpassos = 200;
    constexpr double h = 1.0 / Subpassos;
    for (int hora = 1; hora <= horas; ++hora) {
        for (int s = 0; s < Subpassos; ++s) {
            const double k1 = g(te), k2 = g(te + h / 2 * k1), k3 = g(te + h / 2 * k2), k4 = g(te + h * k3);
            te += h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        }
        idades.push_back(te);
    }
    return idades;
}

struct CasoBloco {
    const char* nome;
    int passo;
    double tInicial;
    double tolerancia;  // against the continuous integration, °C: the age of a step grows at
                        // the mean of its start and end temperatures (second order in the step)
};
class BlocoMaturidade : public ::testing::TestWithParam<CasoBloco> {};

// Consistent formulation: every computed hour the rise is Q(te)/ρc exactly, te the
// age the elements accumulate step by step, each step's age solved from
// te1 = te0 + P·f((T(te0) + T(te1))/2); the continuous integration of the same
// equations differs from it only by that midpoint rule, which the tolerance bounds.
TEST_P(BlocoMaturidade, ElevacaoEhOCalorDaIdadeEquivalente) {
    const CasoBloco& caso = GetParam();
    constexpr int Horas = 240;
    auto d = Membro(1, 3, 0, 0, Horas);
    d->Formulacao = TFormulacao::Consistente;
    d->PassoTempo = caso.passo;
    CurvaMaturidade(*d);
    d->Camadas[1].TInicial = caso.tInicial;
    const TCalorInterno c = d->CalorCamadas[1];
    TabelaTexto t;
    ASSERT_TRUE(Roda(*d, t).Completo);

    const std::vector<double> continua = IdadeContinua(c, caso.tInicial, Horas);
    const auto temperatura = [&](double te) { return caso.tInicial + Q(c, te) / RhoC; };
    double te = 0.0;
    double maiorDesvio = 0.0;
    for (int linha = 1; linha * caso.passo <= Horas; ++linha) {
        double te1 = te + caso.passo * Arrhenius(c, temperatura(te));
        for (int k = 0; k < 200; ++k) te1 = te + caso.passo * Arrhenius(c, 0.5 * (temperatura(te) + temperatura(te1)));
        te = te1;
        const double passoAPasso = temperatura(te);
        const double exata = temperatura(continua[static_cast<std::size_t>(linha * caso.passo)]);
        for (int no = 1; no <= 4; ++no) {
            ASSERT_NEAR(Celula(t, no, linha), passoAPasso, MeioCentesimo + 1e-6) << "hora " << linha * caso.passo;
            maiorDesvio = std::max(maiorDesvio, std::fabs(Celula(t, no, linha) - exata));
        }
    }
    EXPECT_LT(maiorDesvio, caso.tolerancia);
    EXPECT_GT(d->Temperaturas[1] - caso.tInicial, 0.9 * Q(c, 1e9) / RhoC) << "a hidratação quase se completa";
}
INSTANTIATE_TEST_SUITE_P(Passos, BlocoMaturidade,
                         ::testing::Values(CasoBloco{"Passo1", 1, 20.0, 0.03}, CasoBloco{"Passo1Quente", 1, 32.0, 0.08},
                                           CasoBloco{"Passo4", 4, 20.0, 0.25}),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- The calorimeter table read against the sample's equivalent age. ----

struct CasoAmostra {
    const char* nome;
    TFormulacao formulacao;
    int passo;
    double tolerancia;  // °C, against the typed curve: exact at hourly steps; with 3 h steps
                        // the age of a step grows at its start temperature (0,84 °C off at
                        // 40 kJ/mol, 1,22 °C at 60 kJ/mol), and the classic rate × Δt adds its own error
};
class BlocoComoAAmostra : public ::testing::TestWithParam<CasoAmostra> {};

// A block of the sample's own concrete, starting at the sample's temperature, lives
// the sample's history: at hourly steps it heats exactly as the typed curve, whatever
// the activation energy (the sample's age grows by the rule of the elements); with
// longer steps the consistent one still releases the heat of the equivalent age it
// reaches, the classic one the rate at the step's end.
TEST_P(BlocoComoAAmostra, RefazACurvaDigitada) {
    const CasoAmostra& caso = GetParam();
    for (const double ea : {0.0, 40000.0, 60000.0}) {
        auto d = Membro(1, 2, 0, 0, 168);
        d->Formulacao = caso.formulacao;
        d->PassoTempo = caso.passo;
        TabelaCalorimetro(*d);
        d->CalorCamadas[1].EnergiaAtivacao = ea;
        TabelaTexto t;
        ASSERT_TRUE(Roda(*d, t).Completo);
        double maiorDesvio = 0.0;
        for (int linha = 1; linha * caso.passo <= 168; ++linha) {
            const double h = linha * caso.passo;
            const double curva = 20.0 + 40.0 * std::exp(-std::pow(15.0 / h, 1.2));
            for (int no = 1; no <= 3; ++no) maiorDesvio = std::max(maiorDesvio, std::fabs(Celula(t, no, linha) - curva));
        }
        EXPECT_LE(maiorDesvio, caso.tolerancia) << "Ea = " << ea;
    }
}
INSTANTIATE_TEST_SUITE_P(Formulacoes, BlocoComoAAmostra,
                         ::testing::Values(CasoAmostra{"Consistente", TFormulacao::Consistente, 1, MeioCentesimo + 1e-9},
                                           CasoAmostra{"Classica", TFormulacao::Classica, 1, MeioCentesimo + 1e-9},
                                           CasoAmostra{"ConsistentePasso3", TFormulacao::Consistente, 3, 1.5},
                                           CasoAmostra{"ClassicaPasso3", TFormulacao::Classica, 3, 4.5}),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- Parameters that leave the model undefined are refused before the run. ----

struct CasoRecusa {
    const char* nome;
    std::function<void(TDadosModelo&)> muda;
    const char* trecho;
};
class MaturidadeRecusada : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(MaturidadeRecusada, DizOQueEstaErradoENaoRoda) {
    auto d = Membro(2, 2, 0, 24, 48);
    CurvaMaturidade(*d);
    GetParam().muda(*d);
    TabelaTexto t;
    try {
        Roda(*d, t);
        FAIL() << "deveria recusar";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
    EXPECT_FALSE(d->TermicoCompleto);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, MaturidadeRecusada,
    ::testing::Values(
        CasoRecusa{"TauNulo", [](TDadosModelo& d) { d.CalorCamadas[2].Tau = 0.0; },
                   "A camada 2 usa o calor pela maturidade, mas o tempo característico τ (0 h) deve ser positivo."},
        CasoRecusa{"BetaNegativo", [](TDadosModelo& d) { d.CalorCamadas[1].BetaHid = -0.5; }, "β (-0,5)"},
        CasoRecusa{"ReferenciaAbaixoDoZeroAbsoluto", [](TDadosModelo& d) { d.CalorCamadas[2].TRef = -300.0; },
                   "temperatura de referência (-300 °C)"},
        CasoRecusa{"TabelaSemCapacidade",
                   [](TDadosModelo& d) {
                       d.CalorDiscreto = true;
                       d.Camadas[1].Ro = 0.0;
                   },
                   "densidade e calor específico positivos"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
