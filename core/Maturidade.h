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
// element at the start of the step (zero until its layer is placed) and the
// converted tables, built at the first step that needs them.
struct TEstadoMaturidade {
    std::array<double, MaxElementos + 1> Idade{};
    std::array<TCurvaAmostra, MaxCamadas + 1> Amostra{};
};

// Heat of hydration that follows the equivalent age te of each element:
//   dte/dt = exp(−Ea/R·(1/(273,15 + T) − 1/(273,15 + TRef)))
// with T the mean temperature of the element at the start of the step. Heat in J/m³,
// ages in h, temperatures in °C.
namespace Maturidade {

// dte/dt at temperature t; 1 at t = tRef. ErroCalculo for t at or below absolute zero.
double FatorArrhenius(double energiaAtivacao, double tRef, double t);

// Q(te) = C·E·4186·AlfaU·exp(−(Tau/te)^BetaHid), zero at te ≤ 0.
double CalorCurva(const TCalorInterno& c, double te);
// dQ/dte, J/(m³·h): Q·BetaHid·(Tau/te)^BetaHid / te; zero at te ≤ 0.
double TaxaCurva(const TCalorInterno& c, double te);

// The table of hourly rates (W/m³ after `fatorTabela`) of a sample of capacity rhoC
// (J/(m³·°C)) that starts at c.TInicialCalorimetro: each hour h raises it by
// Tabela[h]·3600/rhoC, and its age grows over the hour by the factor at the
// temperature the hour starts from, the rule the elements follow in the run.
TCurvaAmostra CurvaAmostra(const TCalorInterno& c, double fatorTabela, double rhoC);
// Heat at equivalent age te, linear within each hour of the table, constant after its end.
double CalorAmostra(const TCurvaAmostra& curva, double te);
// dQ/dte of the hour whose ages hold te (the hour just ended at its boundary), J/(m³·h).
double TaxaAmostra(const TCurvaAmostra& curva, double te);

// The layer's heat follows its equivalent age (not a constant rate).
bool Ativa(const TDadosModelo& dados, int camada);

// Parameters that make the model undefined, refused before the run with ErroEntrada.
void ValidaEntrada(const TDadosModelo& dados);

// For every active element of a maturity layer: advances its equivalent age over the
// step of PassoTempo hours and sets trabalho.FElemento to the heat of the step as a
// rate (W/m³): (Q(te fim) − Q(te início))/Δt when `incrementoExato` (consistent
// formulation), dQ/dte(te fim)·dte/dt otherwise (classic: the rate at the end of the
// step). Elements of other layers are left as they are.
void TaxasElementos(const TDadosModelo& dados, TTrabalhoTermico& trabalho, bool incrementoExato);

}  // namespace Maturidade
