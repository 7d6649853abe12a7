#include "core/Membro.h"

namespace Membro {

int CamadaDoNo(const TDadosModelo& d, int n) {
    if (n <= d.NElemCamada + 1) return 1;
    return (n - 1 + d.NElemCamada - 1) / d.NElemCamada;
}

bool NoDaFundacao(const TDadosModelo& d, int n) { return d.Fundacao && CamadaDoNo(d, n) == 1; }

}  // namespace Membro
