// Fuzzing of the project file reader: a text is either refused with ErroEntrada,
// leaving the state as it was, or accepted into a state that writes and reads back
// to the same file. The same for the reading of a state still being entered (the
// recovery copy).
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "core/Projeto.h"

namespace {

// A state the writer accepts, so that a half-read file would show in its text.
const TDadosModelo& Inicial() {
    static const auto d = [] {
        auto p = std::make_unique<TDadosModelo>();
        p->NElemCamada = 1;
        p->PassoTempo = 1;
        p->NCamadas = 1;
        p->TempoTotal = 48;
        return p;
    }();
    return *d;
}

// A draft: refused, or its text reads back to the same text.
void Rascunho(const std::string& texto, TDadosModelo& estado, TDadosModelo& relido) {
    estado = Inicial();
    try {
        Projeto::LeRascunho(texto, estado);
    } catch (const ErroEntrada&) {
        if (estado.NCamadas != Inicial().NCamadas || estado.TempoTotal != Inicial().TempoTotal) std::abort();
        return;
    }
    const std::string escrito = Projeto::Conteudo(estado);
    relido = Inicial();
    Projeto::LeRascunho(escrito, relido);
    if (Projeto::Conteudo(relido) != escrito) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const std::string textoInicial = Projeto::Texto(Inicial());
    // Reused between runs: the state is large and each run starts from a copy.
    static const auto estado = std::make_unique<TDadosModelo>();
    static const auto relido = std::make_unique<TDadosModelo>();
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    Rascunho(texto, *estado, *relido);
    *estado = Inicial();
    try {
        Projeto::LeTexto(texto, *estado);
    } catch (const ErroEntrada&) {
        // The whole state is compared now and then (its text is costly); a few
        // fields that any half-read file would touch, every time.
        static unsigned recusas = 0;
        const TDadosModelo& i = Inicial();
        if (estado->NCamadas != i.NCamadas || estado->TempoTotal != i.TempoTotal ||
            estado->Camadas[1].Espessura != i.Camadas[1].Espessura ||
            estado->CalorCamadas[1].Tabela[1] != i.CalorCamadas[1].Tabela[1])
            std::abort();
        if (++recusas % 64 == 0 && Projeto::Texto(*estado) != textoInicial) std::abort();
        return 0;
    }
    const std::string gravado = Projeto::Texto(*estado);
    *relido = Inicial();
    Projeto::LeTexto(gravado, *relido);
    if (Projeto::Texto(*relido) != gravado) std::abort();
    return 0;
}
