#pragma once

// Factor by which the imposed strain of a node at height h (m) above the restrained
// base is multiplied, for a wall-like member of height H and length L (m), r = L/H:
// base^(h/H) with base (r − 2)/(r + 1) for r > 2.5, (r − 1)/(r + 10) for 1 < r ≤ 2.5 and
// 1/1101 for r ≤ 1. It is 1 at the base and falls with height; H = 0 has no value
// (NaN), which the stress run refuses beforehand.
double FatorRestricao(double h, double H, double L);

// Strength-gain curve S(z) = z/(a + b·z), z the age in days, S in MPa.
double CurvaResistencia(double z, double a, double b);
