#pragma once

// Autogenous shrinkage of concrete by EN 1992-1-1, 3.1.4(6):
//   εca(t) = βas(t)·εca(∞),  εca(∞) = 2,5·(fck − 10)·10⁻⁶,  βas(t) = 1 − exp(−0,2·t^0,5)
// with fck in MPa and t in days; a shrinkage is a positive strain.
namespace RetracaoAutogena {

double Final(double fck);
// Zero at t ≤ 0.
double Deformacao(double fck, double dias);

}  // namespace RetracaoAutogena
