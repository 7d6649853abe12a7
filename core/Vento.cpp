#include "core/Vento.h"

#include <cmath>

double CoeficienteVentoCEB(double v) {
    if (v <= 5.0) return (4.0 * v + 5.6) * 3600.0;
    return 7.15 * std::exp(0.78 * std::log(v)) * 3600.0;
}
