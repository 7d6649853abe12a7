#include "core/Instantes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Instantes {

int Passos(const TDadosModelo& d) {
    const double t0 = d.Camadas[1].HoraConcretagem;
    const double k = std::floor((d.TempoTotal - t0) / Passo(d));
    if (!(k > 0.0)) return 0;
    return static_cast<int>(std::min(k, static_cast<double>(std::numeric_limits<int>::max() - 1)));
}

int LinhaMaisProxima(const TDadosModelo& d, long long hora, int primeiro) {
    const int ultimo = Passos(d);
    const long long desde = hora - d.Camadas[1].HoraConcretagem;
    // Nearest multiple of the step; halfway between two, the later one.
    const long long P = Passo(d);
    long long k = desde < 0 ? 0 : (desde + P / 2) / P;
    k = std::clamp<long long>(k, primeiro, std::max(ultimo, primeiro));
    return static_cast<int>(k);
}

long long PrimeiraHora(const TDadosModelo& d) {
    return static_cast<long long>(d.Camadas[1].HoraConcretagem) + Passo(d);
}

long long UltimaHora(const TDadosModelo& d) {
    const int k = std::max(Passos(d), 1);
    return static_cast<long long>(d.Camadas[1].HoraConcretagem) + static_cast<long long>(k) * Passo(d);
}

}  // namespace Instantes
