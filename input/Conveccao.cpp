#include "input/Conveccao.h"

#include <cmath>

double CoefFaceArmazenado(double digitado, bool usuais) {
    return usuais ? digitado * 1000.0 / 86400.0 : digitado * 3600.0;
}

double CoefFaceDigitado(double armazenado, bool usuais) {
    return usuais ? armazenado * 86400.0 / 1000.0 : armazenado / 3600.0;
}
