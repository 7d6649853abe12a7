// Fuzzing of the import of the adiabatic curve: every point read is finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "input/CalorDiscreto.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    const auto pontos = CalorDiscreto::LeArquivo(entrada);
    if (pontos) {
        for (const auto& p : *pontos)
            if (!std::isfinite(p.horas) || !std::isfinite(p.temperatura)) std::abort();
    }
    return 0;
}
