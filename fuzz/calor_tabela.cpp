// Fuzzing of the conversion of the curve's points into hourly rates. The input is
// the grid as text: one point per line, time and temperature separated by ';'; the
// first line gives ρ, c and the unit flag. Entries written must be finite and stay
// inside the table; a bad cell raises ErroConversao, a non-finite rate ErroEntrada.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "input/CalorDiscreto.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::istringstream entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    std::string linha;
    double ro = 2400.0, calorEsp = 1000.0;
    bool usuais = false;
    if (std::getline(entrada, linha)) {
        const auto a = linha.find(';');
        const auto b = a == std::string::npos ? a : linha.find(';', a + 1);
        try {
            if (a != std::string::npos) {
                ro = Numeros::TextoParaReal(linha.substr(0, a));
                calorEsp = Numeros::TextoParaReal(linha.substr(a + 1, b == std::string::npos ? b : b - a - 1));
                usuais = b != std::string::npos && linha.substr(b + 1) == "1";
            }
        } catch (const ErroConversao&) {
        }
    }
    std::vector<CalorDiscreto::LinhaTexto> pontos;
    while (std::getline(entrada, linha)) {
        const auto a = linha.find(';');
        if (a == std::string::npos) pontos.push_back({linha, ""});
        else pontos.push_back({linha.substr(0, a), linha.substr(a + 1)});
    }
    // On the heap so that a write past the end reaches ASan's red zone.
    auto tabela = std::make_unique<std::array<double, MaxHoras + 1>>();
    tabela->fill(-7.0);
    try {
        const auto r = CalorDiscreto::PreencheTabela(pontos, ro, calorEsp, usuais, *tabela);
        // Overwritten hours count again, so only the signs are held.
        if (r.horasEscritas < 0 || r.horasOmitidas < 0) std::abort();
    } catch (const ErroConversao&) {
    } catch (const ErroEntrada&) {
    }
    if ((*tabela)[0] != -7.0) std::abort();
    for (double v : *tabela)
        if (!std::isfinite(v)) std::abort();
    return 0;
}
