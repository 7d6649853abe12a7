#pragma once
#include <array>
#include <vector>

#include "core/DadosModelo.h"

struct TTrabalhoTermico;

// R of the Arrhenius factor, J/(mol·K).
inline constexpr double ConstanteGases = 8.314462618;
// °C → K.
inline constexpr double ZeroAbsoluto = 273.15;

// The calorimeter table of a layer read as heat against the equivalent age of the
// sample: Idade[h] (te of the sample after h hours of the table) and Calor[h] (J/m³
// released up to then), h = 0..MaxHoras; the ages never decrease.
struct TCurvaAmostra {
    std::vector<double> Idade;
    std::vector<double> Calor;
};

// The part of a run that belongs to the maturity heat: the equivalent age of each
// element at the start of the step (zero until its layer is placed), the age the
// step reaches (taken by ConcluiPasso), the factor of the step while it is being
// corrected, and the converted tables, built at the first step that needs them.
struct TEstadoMaturidade {
    std::array<double, MaxElementos + 1> Idade{};
    std::array<double, MaxElementos + 1> IdadeFim{};
    std::array<double, MaxElementos + 1> FatorPasso{};
    bool Corretor = false;
    std::array<TCurvaAmostra, MaxCamadas + 1> Amostra{};
};

// Heat of hydration that follows the equivalent age te of each element:
//   dte/dt = exp(−Ea/R·(1/(273,15 + T) − 1/(273,15 + TRef)))
// with T the mean temperature of the element over the step (see TaxasElementos).
// Heat in J/m³, ages in h, temperatures in °C.
namespace Maturidade {

// dte/dt at temperature t; 1 at t = tRef. ErroCalculo for t at or below absolute zero.
double FatorArrhenius(double energiaAtivacao, double tRef, double t);

// Q(te) = C·E·4186·AlfaU·exp(−(Tau/te)^BetaHid), zero at te ≤ 0.
double CalorCurva(const TCalorInterno& c, double te);

// The table of hourly rates (W/m³ after `fatorTabela`) of a sample of capacity rhoC
// (J/(m³·°C)) that starts at c.TInicialCalorimetro: each hour h raises it by
// Tabela[h]·3600/rhoC, and its age grows over the hour by the rule the elements
// follow in the run: the factor at the temperature the hour starts from (classic)
// or, with `media` (consistent), at the mean of its start and end temperatures.
TCurvaAmostra CurvaAmostra(const TCalorInterno& c, double fatorTabela, double rhoC, bool media = false);
// Heat at equivalent age te, linear within each hour of the table, constant after its end.
double CalorAmostra(const TCurvaAmostra& curva, double te);

// Degree of hydration at equivalent age te on the heat curve, α = αu·exp(−(τ/te)^β),
// zero at te ≤ 0; and the factor on the hardened concrete's conductivity at that
// degree, 1,33 − 0,33·α (Schindler 2002).
double GrauHidratacao(const TCalorInterno& c, double te);
double FatorCondutividade(const TCalorInterno& c, double te);
// With dados.CondutividadeHidratacao, multiplies the conductivity of every active
// element of a maturity layer by FatorCondutividade at the age the element starts the
// step from (fixed over the step's corrections); other elements keep the layer's.
void CondutividadeElementos(TDadosModelo& dados, const TTrabalhoTermico& trabalho);
// The layer's heat follows its equivalent age (not a constant rate).
bool Ativa(const TDadosModelo& dados, int camada);

// Parameters that make the model undefined, refused before the run with ErroEntrada.
void ValidaEntrada(const TDadosModelo& dados);

// Some placed layer (1..dados.CamadaAtual) has the maturity heat.
bool AlgumaAtiva(const TDadosModelo& dados);

// For every active element of a maturity layer: the equivalent age the step of
// HorasDoPasso hours reaches, te1 = te0 + Δh·f, into estado.IdadeFim, and the heat of
// the step as a rate into trabalho.FElemento: (Q(te1) − Q(te0))/Δt, the exact
// increment, in both formulations. f is the factor at the element's mean temperature
// at the start of the step; when the step is being corrected (Preve), the factor at
// the mean of the element's temperatures at the start and at the end of the step
// (the midpoint rule, second order in the step). Elements of other layers are left
// as they are.
void TaxasElementos(const TDadosModelo& dados, TTrabalhoTermico& trabalho);

// The consistent step is iterated until the ages it reaches settle: after each solve
// of the step, with its temperatures in dados.Temperaturas, Preve keeps for each
// element the factor at the mean of its start and end temperatures, which the next
// assembly of the same step uses, and returns the largest change that makes in an
// element's end age (h).
// The step is accepted when that change is at most ToleranciaIdade; a step that has
// not settled after MaxIteracoes solves is an ErroCalculo.
inline constexpr double ToleranciaIdade = 1e-8;  // h
inline constexpr int MaxIteracoes = 100;
double Preve(const TDadosModelo& dados, TTrabalhoTermico& trabalho);

// The step is accepted: the elements take the ages it reached; no correction pending.
void ConcluiPasso(const TDadosModelo& dados, TTrabalhoTermico& trabalho);

}  // namespace Maturidade
