#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"

// Autogenous shrinkage of concrete, a positive strain, t in days, strengths in MPa:
// - EN 1992-1-1, 3.1.4(6):
//   εca(t) = βas(t)·εca(∞),  εca(∞) = 2,5·(fck − 10)·10⁻⁶,  βas(t) = 1 − exp(−0,2·t^0,5);
// - fib Model Code 2010, basic shrinkage:
//   εcbs(t) = βbs(t)·εcbs0,  εcbs0 = αbs·((fcm/10)/(6 + fcm/10))^2,5·10⁻⁶,  βbs = βas,
//   αbs = 800 (32,5 N), 700 (32,5 R, 42,5 N), 600 (42,5 R, 52,5 N, 52,5 R), fcm = fck + 8.
// The stress run takes it from the thermal strain of each node of a layer that has it
// (dados.RetracaoAutogena): (α·(T − T0) − εca(t))·restraint.
namespace RetracaoAutogena {

double Final(double fck);
// Zero at t ≤ 0.
double Deformacao(double fck, double dias);

// fib Model Code 2010: αbs of the cement class, the final strain from fcm, and εcbs(t).
double AlfaFib(TClasseCimento classe);
double FinalFib(double fcm, TClasseCimento classe);
double DeformacaoFib(double fcm, TClasseCimento classe, double dias);
// The mean strength the fib model takes from fck.
inline constexpr double DeltaFcm = 8.0;

// The strain of a layer's choice at t days (zero at t ≤ 0).
double Deformacao(const TRetracaoAutogena& r, double dias);

// "32,5 N", …, as the windows and the report write the class.
const char* NomeClasse(TClasseCimento classe);
inline constexpr TClasseCimento Classes[] = {TClasseCimento::C325N, TClasseCimento::C325R, TClasseCimento::C425N,
                                             TClasseCimento::C425R, TClasseCimento::C525N, TClasseCimento::C525R};

// The share of the shrinkage in the largest tension, for the summary and the report,
// from the largest tensions of the run with it (`com`) and without it (`sem`), both as
// the run writes them (≤ 0, MPa), and the node and hour of the one without.
std::string LinhaParcela(double com, double sem, int noSem, int horaSem);

// The autogenous strain of a node of layer `camada` at the end of each hour of its age,
// k = 0..horas − 1 (age k + 1 hours); empty when the layer has none. The clock is the
// layer's age or, when its heat follows the maturity, the node's equivalent age:
// te(k + 1) = te(k) + 1 h·f((T(k − 1) + T(k))/2), f the layer's Arrhenius factor,
// T(k) = temperatura(k) the node's temperature at age k + 1 hours and T(−1) the
// placement temperature.
std::vector<double> Historia(const TDadosModelo& d, int camada, int horas, const std::function<double(int)>& temperatura);

}  // namespace RetracaoAutogena
