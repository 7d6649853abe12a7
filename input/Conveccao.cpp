#include "input/Conveccao.h"

#include <cmath>

double CoeficienteVentoCEB(double v) {
    if (v <= 5.0) return (4.0 * v + 5.6) * 3600.0;
    return 7.15 * std::exp(0.78 * std::log(v)) * 3600.0;
}

double CoefFaceArmazenado(double digitado, bool usuais) {
    return usuais ? digitado * 1000.0 / 86400.0 : digitado * 3600.0;
}

double CoefFaceDigitado(double armazenado, bool usuais) {
    return usuais ? armazenado * 86400.0 / 1000.0 : armazenado / 3600.0;
}
