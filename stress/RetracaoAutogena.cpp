#include "stress/RetracaoAutogena.h"

#include <cmath>

namespace RetracaoAutogena {

double Final(double fck) { return 2.5 * (fck - 10.0) * 1e-6; }

double Deformacao(double fck, double dias) {
    if (!(dias > 0.0)) return 0.0;
    return (1.0 - std::exp(-0.2 * std::sqrt(dias))) * Final(fck);
}

}  // namespace RetracaoAutogena
