#include "core/Numeros.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

namespace {

constexpr std::array<std::uint64_t, 20> Potencias10 = [] {
    std::array<std::uint64_t, 20> p{};
    std::uint64_t v = 1;
    for (auto& x : p) {
        x = v;
        v *= 10;
    }
    return p;
}();

// "00" "01" … "99": two digits at a time.
constexpr std::array<char, 200> Pares = [] {
    std::array<char, 200> p{};
    for (int i = 0; i < 100; ++i) {
        p[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        p[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return p;
}();

// |valor|·10^decimais rounded to an integer, from the exact binary value m·2^e
// rounded to nearest with ties to even: the digits fixed notation prints, by integer
// arithmetic. False when the value is outside the range (not finite, 2^53 or more,
// more than 9 decimals, 18 digits or more).
bool InteiroDoFixo(double valor, int decimais, std::uint64_t& saida) {
    if (decimais < 0 || decimais > 9) return false;
    const auto bits = std::bit_cast<std::uint64_t>(valor);
    const int expoente = static_cast<int>((bits >> 52) & 0x7ff);
    if (expoente == 0x7ff) return false;
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (expoente != 0) {
        m |= std::uint64_t{1} << 52;
        e = expoente - 1075;
    }
    if (e > 0) return false;
    // |valor|·10^d = m·10^d / 2^k, rounded to an integer n; in 64 bits when the
    // product fits (the values of the tables), else in 128.
    const int k = -e;
    std::uint64_t n = 0;
    std::uint64_t escalado64 = 0;
    if (!__builtin_mul_overflow(m, Potencias10[static_cast<std::size_t>(decimais)], &escalado64) && k < 64) {
        n = escalado64 >> k;
        if (k > 0) {
            const std::uint64_t resto = escalado64 - (n << k);
            const std::uint64_t metade = std::uint64_t{1} << (k - 1);
            if (resto > metade || (resto == metade && (n & 1) != 0)) ++n;
        }
    } else {
        using u128 = unsigned __int128;
        const u128 escalado = static_cast<u128>(m) * Potencias10[static_cast<std::size_t>(decimais)];  // < 2^83
        u128 q = 0;
        if (k == 0) {
            q = escalado;
        } else if (k < 100) {
            q = escalado >> k;
            const u128 resto = escalado - (q << k);
            const u128 metade = static_cast<u128>(1) << (k - 1);
            if (resto > metade || (resto == metade && (q & 1) != 0)) ++q;
        }  // k ≥ 100: below half a unit of the last decimal, q = 0
        if (q >= static_cast<u128>(Potencias10[18])) return false;
        n = static_cast<std::uint64_t>(q);
    }
    if (n >= Potencias10[18]) return false;
    saida = n;
    return true;
}

// Fixed notation of a finite value below 2^53 with at most 9 decimals: the same
// digits as to_chars, by integer arithmetic. The tables of a run are millions of
// such cells. Written backwards, ending at `fim` (at most 21 bytes); returns where it
// starts, or nullptr when the value is outside that range (the general conversion
// writes it).
char* FixoExato(char* fim, double valor, int decimais) {
    std::uint64_t n = 0;
    if (!InteiroDoFixo(valor, decimais, n)) return nullptr;
    const auto bits = std::bit_cast<std::uint64_t>(valor);

    // The decimals, the comma, the whole part, the sign.
    char* p = fim;
    auto par = [&](std::uint64_t r) {
        p -= 2;
        std::memcpy(p, Pares.data() + 2 * r, 2);
    };
    int d = decimais;
    for (; d >= 2; d -= 2, n /= 100) par(n % 100);
    if (d == 1) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (decimais > 0) *--p = ',';
    for (; n >= 100; n /= 100) par(n % 100);
    if (n >= 10) par(n);
    else *--p = static_cast<char>('0' + n);
    if ((bits >> 63) != 0) *--p = '-';
    return p;
}

// The fixed text without blanks, with at least MaxLarguraBuffer bytes of `buf`
// before it for them; empty when it does not fit the buffer.
std::string_view TextoFixo(BufferFixo& buf, double valor, int decimais) {
    char* const fimExato = buf.data() + MaxLarguraBuffer + 32;
    if (char* inicio = FixoExato(fimExato, valor, decimais)) return {inicio, static_cast<std::size_t>(fimExato - inicio)};
    char* const inicio = buf.data() + MaxLarguraBuffer;
    const auto r = std::to_chars(inicio, inicio + 400, valor, std::chars_format::fixed, decimais);
    if (r.ec != std::errc()) return {inicio, 0};
    for (char* p = inicio; p != r.ptr; ++p)
        if (*p == '.') *p = ',';
    return {inicio, static_cast<std::size_t>(r.ptr - inicio)};
}

}  // namespace

void AcrescentaFixo(std::string& destino, double valor, int largura, int decimais) {
    BufferFixo buf;
    const std::string_view texto = TextoFixo(buf, valor, decimais);
    const auto tamanho = static_cast<int>(texto.size());
    if (tamanho < largura) destino.append(static_cast<std::size_t>(largura - tamanho), ' ');
    destino.append(texto);
}

std::string_view EscreveFixo(BufferFixo& buf, double valor, int largura, int decimais) {
    const std::string_view texto = TextoFixo(buf, valor, decimais);
    const auto tamanho = static_cast<int>(texto.size());
    const int brancos = std::min(std::max(largura - tamanho, 0), MaxLarguraBuffer);
    char* const inicio = const_cast<char*>(texto.data()) - brancos;
    std::fill(inicio, inicio + brancos, ' ');
    return {inicio, texto.size() + static_cast<std::size_t>(brancos)};
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

namespace {

// "[+-]digits[,digits]" with at most 15 digits in all: the digits as a whole number
// (exact in a double) divided by the exact power of ten, one correctly rounded
// division, the same double as the general conversion. What the tables hold.
bool DecimalCurto(std::string_view t, double& valor) {
    std::size_t i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
    std::uint64_t m = 0;
    int digitos = 0, decimais = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digitos) m = m * 10 + static_cast<unsigned>(t[i] - '0');
    if (i < t.size() && t[i] == ',') {
        for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digitos, ++decimais)
            m = m * 10 + static_cast<unsigned>(t[i] - '0');
    }
    if (i != t.size() || digitos == 0 || digitos > 15) return false;
    const double v = static_cast<double>(m) / static_cast<double>(Potencias10[static_cast<std::size_t>(decimais)]);
    valor = negativo ? -v : v;
    return true;
}

}  // namespace

double TextoParaReal(std::string_view texto) {
    std::string_view t = Apara(texto);
    if (double v = 0.0; DecimalCurto(t, v)) return v;
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

double ArredondaFixo(double valor, int decimais) {
    std::uint64_t n = 0;
    // Below 2^53 the integer is exact and one division by the exact power of ten is
    // correctly rounded: the double the text reads back as.
    if (InteiroDoFixo(valor, decimais, n) && n < (std::uint64_t{1} << 53)) {
        const double v = static_cast<double>(n) / static_cast<double>(Potencias10[static_cast<std::size_t>(decimais)]);
        return std::signbit(valor) ? -v : v;
    }
    if (!std::isfinite(valor)) return valor;
    return TextoParaReal(FormataFixo(valor, 0, decimais));
}

double ArredondaPar(double valor) {
    // nearbyint follows the default rounding mode, to nearest with ties to even.
    return std::nearbyint(valor);
}

long long Round(double valor) { return static_cast<long long>(std::nearbyint(valor)); }

long long Trunc(double valor) { return static_cast<long long>(std::trunc(valor)); }

}  // namespace Numeros
