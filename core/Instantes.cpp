#include "core/Instantes.h"

namespace Instantes {

int Passos(const TDadosModelo& d) { return Membro::Passos(d); }

int LinhaMaisProxima(const TDadosModelo& d, long long hora, int primeiro) {
    return Membro::LinhaMaisProxima(d, hora, primeiro);
}

long long PrimeiraHora(const TDadosModelo& d) { return Membro::PrimeiraHora(d); }

long long UltimaHora(const TDadosModelo& d) { return Membro::UltimaHora(d); }

}  // namespace Instantes
