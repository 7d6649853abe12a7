// Fuzzing of the sensor log: refused with ErroEntrada or read into sensors whose
// names are UTF-8 (the project can be saved with them), hours increasing, no reading
// that is a logger's "no value".
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Comum.h"
#include "core/Erros.h"
#include "core/Validacao.h"
#include "results/Medicoes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 1) return 0;
    // The first byte chooses the clock: hours, or dates from an origin.
    const bool comData = dados[0] & 1;
    const std::string texto(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    std::vector<TSensor> sensores;
    try {
        sensores = Medicoes::LeTexto(texto, comData ? "2024-01-15 00:00" : "");
    } catch (const ErroEntrada&) {
        return 0;
    }
    for (const TSensor& s : sensores) {
        fuzz::ExigeUtf8(s.Nome);
        if (!std::isfinite(s.Altura) || s.Altura < 0.0 || s.Leituras.empty()) std::abort();
        for (std::size_t i = 0; i < s.Leituras.size(); ++i) {
            const TLeitura& l = s.Leituras[i];
            if (!std::isfinite(l.Hora) || !std::isfinite(l.Temperatura)) std::abort();
            if (Validacao::LeituraAusente(l.Temperatura)) std::abort();
            if (i > 0 && !(l.Hora > s.Leituras[i - 1].Hora)) std::abort();
        }
    }
    return 0;
}
