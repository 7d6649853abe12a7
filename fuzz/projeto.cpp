// Fuzzing of the project file reader: a text is either refused with ErroEntrada,
// leaving the state as it was, or accepted into a state that writes and reads back
// to the same file.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "core/Projeto.h"

// A state the writer accepts, so that a half-read file would show in its text.
static void Prepara(TDadosModelo& d) {
    d.NElemCamada = 1;
    d.PassoTempo = 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const std::string textoInicial = [] {
        auto d = std::make_unique<TDadosModelo>();
        Prepara(*d);
        return Projeto::Texto(*d);
    }();
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    auto estado = std::make_unique<TDadosModelo>();
    Prepara(*estado);
    try {
        Projeto::LeTexto(texto, *estado);
    } catch (const ErroEntrada&) {
        if (Projeto::Texto(*estado) != textoInicial) std::abort();
        return 0;
    }
    const std::string gravado = Projeto::Texto(*estado);
    auto relido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(gravado, *relido);
    if (Projeto::Texto(*relido) != gravado) std::abort();
    return 0;
}
