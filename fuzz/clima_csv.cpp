// Fuzzing of our own hourly weather CSV: a text is refused with ErroEntrada or read
// into series that cover the same hours, finite, within the ranges the run accepts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Comum.h"
#include "core/Erros.h"
#include "core/Validacao.h"
#include "obra/ClimaHorario.h"
#include "obra/CondicoesObra.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    TClimaHorario c;
    try {
        c = TClimaHorario::LeCsv(texto);
    } catch (const ErroEntrada&) {
        return 0;
    }
    if (c.Temperatura.empty()) std::abort();
    if (!c.Vento.empty() && c.Vento.size() != c.Temperatura.size()) std::abort();
    if (!c.Radiacao.empty() && c.Radiacao.size() != c.Temperatura.size()) std::abort();
    fuzz::ExigeFinitos(c.Temperatura);
    fuzz::ExigeFinitos(c.Vento);
    fuzz::ExigeFinitos(c.Radiacao);
    fuzz::ExigeUtf8(c.Origem);
    TDadosObra obra;
    c.Aplica(obra);
    Validacao::Resultado r;
    CondicoesObra::Valida(obra, r);
    if (!r.Valido()) std::abort();  // the reader let through what the run refuses
    return 0;
}
