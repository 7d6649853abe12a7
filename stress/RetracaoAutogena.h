#pragma once
#include <functional>
#include <vector>

#include "core/DadosModelo.h"

// Autogenous shrinkage of concrete by EN 1992-1-1, 3.1.4(6):
//   εca(t) = βas(t)·εca(∞),  εca(∞) = 2,5·(fck − 10)·10⁻⁶,  βas(t) = 1 − exp(−0,2·t^0,5)
// with fck in MPa and t in days; a shrinkage is a positive strain. The stress run takes
// it from the thermal strain of each node of a layer that has it (dados.RetracaoAutogena):
// (α·(T − T0) − εca(t))·restraint.
namespace RetracaoAutogena {

double Final(double fck);
// Zero at t ≤ 0.
double Deformacao(double fck, double dias);

// The autogenous strain of a node of layer `camada` at the end of each hour of its age,
// k = 0..horas − 1 (age k + 1 hours); empty when the layer has none. The clock is the
// layer's age or, when its heat follows the maturity, the node's equivalent age:
// te(k + 1) = te(k) + 1 h·f((T(k − 1) + T(k))/2), f the layer's Arrhenius factor,
// T(k) = temperatura(k) the node's temperature at age k + 1 hours and T(−1) the
// placement temperature.
std::vector<double> Historia(const TDadosModelo& d, int camada, int horas, const std::function<double(int)>& temperatura);

}  // namespace RetracaoAutogena
