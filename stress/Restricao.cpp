#include "stress/Restricao.h"

#include "stress/Funcao.h"

double FatorRestricao(double h, double H, double L) {
    const double r = L / H;
    double base;
    if (r > 2.5)
        base = (r - 2.0) / (r + 1.0);
    else if (r > 1.0)
        base = (r - 1.0) / (r + 10.0);
    else
        base = 1.0 / 1101.0;
    return TFuncao::Potencia(base, h / H);
}

double CurvaResistencia(double z, double a, double b) { return z / (a + b * z); }
