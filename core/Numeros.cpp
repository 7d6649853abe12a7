#include "core/Numeros.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/Erros.h"

namespace Numeros {

namespace {

bool EhBranco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Apara(std::string_view t) {
    while (!t.empty() && EhBranco(t.front())) t.remove_prefix(1);
    while (!t.empty() && EhBranco(t.back())) t.remove_suffix(1);
    return t;
}

[[noreturn]] void FalhaReal(std::string_view texto) {
    throw ErroConversao("'" + std::string(texto) + "' não é um valor de ponto flutuante válido");
}

[[noreturn]] void FalhaInteiro(std::string_view texto) {
    throw ErroConversao("'" + std::string(texto) + "' não é um valor inteiro válido");
}

}  // namespace

void AcrescentaFixo(std::string& destino, double valor, int largura, int decimais) {
    std::array<char, 400> buf;
    auto [fim, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), valor,
                                   std::chars_format::fixed, decimais);
    if (ec != std::errc()) {
        fim = buf.data();
    }
    const auto tamanho = static_cast<int>(fim - buf.data());
    for (int i = tamanho; i < largura; ++i) destino.push_back(' ');
    for (char* p = buf.data(); p != fim; ++p) destino.push_back(*p == '.' ? ',' : *p);
}

std::string FormataFixo(double valor, int largura, int decimais) {
    std::string s;
    AcrescentaFixo(s, valor, largura, decimais);
    return s;
}

std::string FormataGeral(double valor) {
    std::array<char, 64> buf;
    auto [fim, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), valor,
                                   std::chars_format::general, 15);
    std::string s(buf.data(), ec == std::errc() ? fim : buf.data());
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '.') {
            r.push_back(',');
        } else if (c == 'e') {
            // Exponent as "E20" / "E-5": no plus sign, no leading zeros.
            r.push_back('E');
            std::size_t j = i + 1;
            if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
                if (s[j] == '-') r.push_back('-');
                ++j;
            }
            while (j + 1 < s.size() && s[j] == '0') ++j;
            r.append(s, j, std::string::npos);
            break;
        } else {
            r.push_back(c);
        }
    }
    return r;
}

std::string FormataInteiro(long long valor) {
    std::array<char, 32> buf;
    auto [fim, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), valor);
    (void)ec;
    return std::string(buf.data(), fim);
}

double TextoParaReal(std::string_view texto) {
    std::string_view t = Apara(texto);
    // Validate the shape ourselves: from_chars would accept "nan", "inf" and hex.
    std::string normal;
    normal.reserve(t.size());
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') normal.push_back('-');
        ++i;
    }
    bool digitos = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') { normal.push_back(t[i++]); digitos = true; }
    if (i < t.size() && t[i] == ',') {
        normal.push_back('.');
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') { normal.push_back(t[i++]); digitos = true; }
    }
    if (!digitos) FalhaReal(texto);
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        normal.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) normal.push_back(t[i++]);
        bool expDigitos = false;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') { normal.push_back(t[i++]); expDigitos = true; }
        if (!expDigitos) FalhaReal(texto);
    }
    if (i != t.size()) FalhaReal(texto);
    double valor = 0.0;
    auto [fim, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero, as a user would expect; overflow is refused.
        const bool grande = normal.find("e-") == std::string::npos;
        if (grande) FalhaReal(texto);
        return 0.0;
    }
    if (ec != std::errc() || fim != normal.data() + normal.size() || !std::isfinite(valor)) {
        FalhaReal(texto);
    }
    return valor;
}

int TextoParaInteiro(std::string_view texto) {
    std::string_view t = Apara(texto);
    const bool mais = !t.empty() && t.front() == '+';
    if (mais) t.remove_prefix(1);
    if (t.empty() || (mais && (t.front() < '0' || t.front() > '9'))) FalhaInteiro(texto);
    int valor = 0;
    auto [fim, ec] = std::from_chars(t.data(), t.data() + t.size(), valor);
    if (ec != std::errc() || fim != t.data() + t.size()) FalhaInteiro(texto);
    return valor;
}

double ArredondaPar(double valor) {
    // nearbyint follows the default rounding mode, to nearest with ties to even.
    return std::nearbyint(valor);
}

long long Round(double valor) { return static_cast<long long>(std::nearbyint(valor)); }

long long Trunc(double valor) { return static_cast<long long>(std::trunc(valor)); }

}  // namespace Numeros
