// Fuzzing of the number parser: any text either converts to a finite value or
// raises ErroConversao quoting it; nothing else may escape.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Erros.h"
#include "core/Numeros.h"

// The message quotes the text; a NUL typed into it (not possible from a field) would
// end what() early, so only texts without NUL are held to the message.
static bool Cita(const std::string& texto, const char* mensagem, const char* fim) {
    return texto.find('\0') != std::string::npos || std::string(mensagem) == "'" + texto + "'" + fim;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    try {
        const double v = Numeros::TextoParaReal(texto);
        if (!std::isfinite(v)) std::abort();
        // What the program writes it must read back.
        const double relido = Numeros::TextoParaReal(Numeros::FormataGeral(v));
        if (!std::isfinite(relido)) std::abort();
    } catch (const ErroConversao& e) {
        if (!Cita(texto, e.what(), " não é um valor de ponto flutuante válido")) std::abort();
    }
    try {
        const int n = Numeros::TextoParaInteiro(texto);
        if (Numeros::TextoParaInteiro(Numeros::FormataInteiro(n)) != n) std::abort();
    } catch (const ErroConversao& e) {
        if (!Cita(texto, e.what(), " não é um valor inteiro válido")) std::abort();
    }
    return 0;
}
