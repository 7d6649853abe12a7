#include "core/ui/CaixaHora.h"

#include <algorithm>

#include "core/Instantes.h"

void TCaixaHora::DefineLimites(const TDadosModelo& d, int minimo, int maximo) {
    maximo = std::max(minimo, maximo);
    if (d.PassoTempo > 1) {
        minimo = static_cast<int>(Instantes::HoraDaLinha(d, Instantes::LinhaMaisProxima(d, minimo)));
        maximo = static_cast<int>(Instantes::HoraDaLinha(d, Instantes::LinhaMaisProxima(d, maximo)));
    }
    setSingleStep(std::max(d.PassoTempo, 1));
    setRange(minimo, std::max(minimo, maximo));
}
