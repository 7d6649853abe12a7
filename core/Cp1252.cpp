#include "core/Cp1252.h"

#include <array>
#include <cstdint>

namespace Cp1252 {

namespace {

// Code points of bytes 0x80..0x9F; zero where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> Faixa80{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < Faixa80.size(); ++i) {
        if (Faixa80[i] != 0 && Faixa80[i] == cp) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Length of a well-formed UTF-8 sequence at `p` and its code point; 0 when malformed
// (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t Decodifica(std::string_view t, std::size_t p, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(t[p]);
    std::size_t n;
    char32_t minimo;
    if (b0 >= 0xC2 && b0 <= 0xDF) { n = 2; cp = b0 & 0x1F; minimo = 0x80; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 3; cp = b0 & 0x0F; minimo = 0x800; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 4; cp = b0 & 0x07; minimo = 0x10000; }
    else return 0;
    if (p + n > t.size()) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(t[p + i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void PoeUtf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        s.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

constexpr char32_t Substituto = 0xFFFD;

std::string DeUtf16(std::string_view t, bool bigEndian) {
    std::string s;
    s.reserve(t.size());
    const auto unidade = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(t[i]), b = static_cast<unsigned char>(t[i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    std::size_t i = 0;
    for (; i + 1 < t.size(); i += 2) {
        const char32_t u = unidade(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < t.size()) {
            const char32_t v = unidade(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                PoeUtf8(s, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        PoeUtf8(s, u >= 0xD800 && u <= 0xDFFF ? Substituto : u);
    }
    if (i < t.size()) PoeUtf8(s, Substituto);
    return s;
}

bool Utf8Valido(std::string_view t) {
    std::size_t p = 0;
    char32_t cp = 0;
    while (p < t.size()) {
        if (static_cast<unsigned char>(t[p]) < 0x80) {
            ++p;
            continue;
        }
        const std::size_t n = Decodifica(t, p, cp);
        if (n == 0) return false;
        p += n;
    }
    return true;
}

}  // namespace

std::string ParaUtf8(std::string_view t) {
    if (t.size() >= 2 && static_cast<unsigned char>(t[0]) == 0xFF && static_cast<unsigned char>(t[1]) == 0xFE)
        return DeUtf16(t.substr(2), false);
    if (t.size() >= 2 && static_cast<unsigned char>(t[0]) == 0xFE && static_cast<unsigned char>(t[1]) == 0xFF)
        return DeUtf16(t.substr(2), true);
    if (t.substr(0, 3) == "\xEF\xBB\xBF") t.remove_prefix(3);
    if (Utf8Valido(t)) return std::string(t);
    std::string s;
    s.reserve(t.size() + t.size() / 8);
    for (char ch : t) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t cp = b;
        if (b >= 0x80 && b < 0xA0) cp = Faixa80[b - 0x80] ? Faixa80[b - 0x80] : Substituto;
        PoeUtf8(s, cp);
    }
    return s;
}

void Acrescenta(std::string& destino, std::string_view utf8) {
    std::size_t p = 0;
    while (p < utf8.size()) {
        std::size_t fim = p;
        while (fim < utf8.size() && static_cast<unsigned char>(utf8[fim]) < 0x80) ++fim;
        if (fim > p) {
            destino.append(utf8.data() + p, fim - p);
            p = fim;
            continue;
        }
        char32_t cp = 0;
        const std::size_t n = Decodifica(utf8, p, cp);
        if (n == 0) {
            // One '?' per bad lead byte; stray continuation bytes are skipped with it.
            destino.push_back('?');
            ++p;
            while (p < utf8.size() && (static_cast<unsigned char>(utf8[p]) & 0xC0) == 0x80) ++p;
            continue;
        }
        destino.push_back(Byte(cp));
        p += n;
    }
}

std::string DeUtf8(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    Acrescenta(s, utf8);
    return s;
}

}  // namespace Cp1252

namespace ResumoArquivo {

std::string Bytes(const std::string& texto) {
    std::string bytes;
    bytes.reserve(texto.size() + texto.size() / 16);
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t fim = texto.find('\n', inicio);
        const std::size_t ate = fim == std::string::npos ? texto.size() : fim;
        Cp1252::Acrescenta(bytes, std::string_view(texto).substr(inicio, ate - inicio));
        if (fim == std::string::npos) break;
        bytes += "\r\n";
        inicio = fim + 1;
    }
    return bytes;
}

}  // namespace ResumoArquivo
