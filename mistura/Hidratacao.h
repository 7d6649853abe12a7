#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/DadosMistura.h"
#include "core/DadosModelo.h"

// The heat parameters of the maturity model from the mix, by the models of Schindler
// and Folliard (ACI Materials Journal 102(1), 2005): the total heat Hu, the ultimate
// degree of hydration αu, the time and slope parameters τ and β of
// α(te) = αu·exp(−(τ/te)^β), and the activation energy Ea. docs/modelos.md has the
// equations, their ranges and what the program does outside them.
namespace Hidratacao {

// Mass fractions of the binder (0–1), which add up to 1.
struct TFracoes {
    double Cimento = 0.0;   // Portland part: clinker and calcium sulfate
    double Escoria = 0.0;
    double Pozolana = 0.0;
    double CaOPozolana = 0.0;  // fraction of CaO in the pozzolan (mass-weighted mean)
    double Silica = 0.0;
    double Filer = 0.0;
};

// The binder as the model sees it: the cement's own additions and the plant's.
TFracoes Fracoes(const TDosagem& d);

struct TParametros {
    double Hcem = 0.0;   // J/g of the Portland part
    double Hu = 0.0;     // J/g of binder
    double QTotal = 0.0; // J/m³ of concrete at complete hydration: Hu·binder content
    double AlfaU = 0.0;
    double Tau = 0.0;    // h
    double Beta = 0.0;
    double Ea = 0.0;     // J/mol
};

// The reference temperature of τ in the model (70 °F).
inline constexpr double TRefModelo = 21.1;

// ErroEntrada, in Portuguese, for a mix the formulas cannot take: no binder, w/b not
// positive, additions beyond the binder, no C3A, C4AF, SO3 or fineness (their powers).
TParametros Calcula(const TDosagem& d);

// One line per input outside the range of the mixes the model was fitted to, and for
// what the model leaves out (silica fume and filler enter only as dilution). Empty
// when the mix lies within every range.
std::vector<std::string> Avisos(const TDosagem& d);

// The layer's heat record takes the parameters: C = binder content and E = Hu (in the
// record's cal/g) for the curve Q = C·E·αu·exp(−(τ/te)^β), αu, τ, β, Ea, the model's
// reference temperature, and the maturity heat on. With the calorimeter table the
// curve is the table's, and only the Arrhenius factor (Ea, TRef) is taken.
void Aplica(const TParametros& p, const TDosagem& d, bool tabelaCalorimetro, TCalorInterno& c);

// Each layer from `primeira` to `ultima` that has a mix: `muda` changes its mix, and the
// layer keeps the changed mix with the heat parameters computed from it (Calcula, then
// Aplica). All the mixes are computed before any layer is written, so a mix the formulas
// refuse (ErroEntrada, naming the layer) changes nothing. Returns how many layers changed.
int Recalcula(TDadosModelo& dados, int primeira, int ultima, const std::function<void(TDosagem&)>& muda);

}  // namespace Hidratacao
