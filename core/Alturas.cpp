#include "core/Alturas.h"

#include <algorithm>

#include "core/Numeros.h"

namespace Alturas {

std::vector<double> DosNos(const TDadosModelo& d) {
    const int ne = std::max(d.NElemCamada, 0);
    const int camadas = std::clamp(d.NCamadas, 0, MaxCamadas);
    std::vector<double> y(ne > 0 ? static_cast<std::size_t>(camadas * ne + 2) : 2, 0.0);
    if (ne == 0) return y;
    // The element starts at the end of the one below: y(e) = y(e − 1) + h(e − 1), h = espessura/ne.
    std::size_t e = 1;
    double h = 0.0;
    for (int L = 1; L <= camadas; ++L) {
        const double he = d.Camadas[static_cast<std::size_t>(L)].Espessura / ne;
        for (int k = 1; k <= ne; ++k, ++e) {
            if (e > 1) y[e] = y[e - 1] + h;
            h = he;
        }
    }
    if (e > 1) y[e] = y[e - 1] + h;
    return y;
}

std::string Texto(const std::vector<double>& alturas, int no) {
    if (no < 1 || static_cast<std::size_t>(no) >= alturas.size()) return {};
    std::string s = "y = ";
    s += Numeros::FormataFixo(alturas[static_cast<std::size_t>(no)], 0, 2);
    return s + " m";
}

}  // namespace Alturas
