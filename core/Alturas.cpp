#include "core/Alturas.h"

#include <algorithm>

#include "core/Membro.h"
#include "core/Numeros.h"

namespace Alturas {

std::vector<double> DosNos(const TDadosModelo& d) { return Membro::Alturas(d); }

std::string Texto(const std::vector<double>& alturas, int no) {
    if (no < 1 || static_cast<std::size_t>(no) >= alturas.size()) return {};
    std::string s = "y = ";
    s += Numeros::FormataFixo(alturas[static_cast<std::size_t>(no)], 0, 2);
    return s + " m";
}

}  // namespace Alturas
