#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"
#include "verificacao/BalancoEnergia.h"

// Problems with a known answer, run through the engine in either formulation: the
// figures of docs/verificacao.md and of the tests that hold the engine to them. The
// engine's values are read from the history as it prints them ("%7.2f").
namespace CasosAnaliticos {

// ---- Transient slab, insulated bottom, convection at the top (Carslaw & Jaeger). ----
// L = 1 m, k = 2 W/(m·°C), ρ = 2400 kg/m³, c = 1000 J/(kg·°C), from 40 °C in a 20 °C
// ambient, h = 10 W/(m²·°C) at the top.
inline constexpr std::array<double, 3> HorasPlaca{24.0, 168.0, 720.0};
// Series solution at height ξ = x/L from the bottom (0 bottom, 1 top).
double SeriePlaca(double xi, double horas);
// Bottom, mid-height and top at each of HorasPlaca; `elementos` even.
std::array<std::array<double, 3>, 3> Placa(TFormulacao formulacao, int elementos);

// ---- Steady state of a 2 m slab with 100 W/m³ and both faces prescribed at 20 °C. ----
// T(x) = 20 + q·x·(L − x)/(2k); its peak, 45 °C.
double PermanenteExato(double x);
// Peak of the history's last row (3000 h) and the largest deviation of a node from T(x).
struct Permanente {
    double Pico = 0.0;
    double DesvioNos = 0.0;
};
Permanente PermanentePrescrito(TFormulacao formulacao, int elementos);

// ---- The same slab at 1 °C with both faces held at 0 °C: its centre at 100 h. ----
double SerieCentroFria(double horas);
double CentroFria(TFormulacao formulacao, int elementos);  // elementos even; dados.Temperaturas, not printed

// ---- Adiabatic block (1 m, 3 elements, no exchange) releasing the heat of a curve or a table. ----
enum class Calor { Curva, Tabela };
inline constexpr std::array<int, 5> HorasAdiabatico{12, 24, 48, 72, 120};
// 20 °C + Q(x)/(ρ·c) at age x hours: the exact temperature of the block.
double AdiabaticoExato(Calor calor, double horas);
// The block's temperature at HorasAdiabatico (steps of `passo` hours, which divides them)
// and the largest deviation from the exact one over every row of the run.
struct Adiabatico {
    std::array<double, HorasAdiabatico.size()> Temperaturas{};
    double MaiorDesvio = 0.0;
};
Adiabatico BlocoAdiabatico(TFormulacao formulacao, Calor calor, int passo);

// The same block with the maturity heat (C = 330 kg/m³, E = 107 cal/g, the start-up
// parameters of the model), placed at `t0`. Its references, written out here apart from
// the engine: the continuous solution of dte/dt = f(t0 + Q(te)/ρc) (fourth-order
// Runge-Kutta, steps of 0,005 h), and the same equations step by step, each step's age
// growing at the temperature the step starts from (the classic formulation's rule).
double MaturidadeContinua(double horas, double t0 = 20.0);
double MaturidadePassoAPasso(int passo, double horas, double t0 = 20.0);
// The block at HorasAdiabatico (as printed), and its largest deviation from the
// continuous solution over the ends of every step, read unrounded.
Adiabatico BlocoMaturidade(TFormulacao formulacao, int passo, int subpassos = 1, double t0 = 20.0);

// ---- Energy balance of a block of two 1 m lifts placed 48 h apart (hydration curve,
// top face 10 W/(m²·°C) to a 20 °C ambient, insulated bottom, 168 h). ----
TBalancoEnergia BalancoDuasCamadas(TFormulacao formulacao, int elementos);
// The balance of the adiabatic maturity block at 35 °C over 24 h, steps of `passo` hours.
TBalancoEnergia BalancoMaturidade(TFormulacao formulacao, int passo);

// docs/verificacao.md, UTF-8 with "\n".
std::string Documento();

}  // namespace CasosAnaliticos
