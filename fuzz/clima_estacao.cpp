// Fuzzing of the weather service's station CSV (metadata, header, rows by UTC date):
// refused with ErroEntrada or read into finite series within the run's ranges.
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
    (void)TClimaHorario::PareceInmet(texto);
    TClimaHorario::Inicio inicio;
    inicio.Ano = 2024;
    inicio.Mes = 1;
    inicio.Dia = 15;
    inicio.HoraLocal = 0;
    inicio.FusoHoras = -3;
    TClimaHorario c;
    try {
        c = TClimaHorario::LeInmet(texto, inicio);
    } catch (const ErroEntrada&) {
        return 0;
    }
    if (c.Temperatura.empty()) std::abort();
    fuzz::ExigeFinitos(c.Temperatura);
    fuzz::ExigeFinitos(c.Vento);
    fuzz::ExigeFinitos(c.Radiacao);
    fuzz::ExigeUtf8(c.Origem);
    TDadosObra obra;
    c.Aplica(obra);
    Validacao::Resultado r;
    CondicoesObra::Valida(obra, r);
    if (!r.Valido()) std::abort();
    return 0;
}
