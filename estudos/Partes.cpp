#include "estudos/Partes.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace Partes {
namespace {

const std::string Bom = "\xEF\xBB\xBF";
constexpr std::string_view Prefixo = "# Norvik 1D: parte ";

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }

std::optional<long long> LeInteiro(std::string_view t) {
    long long v = 0;
    const auto [fim, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || fim != t.data() + t.size() || t.empty()) return std::nullopt;
    return v;
}

// What the share's line says.
struct TLinha {
    TParte Parte;
    TTipoEstudo Tipo = TTipoEstudo::Cronograma;
    long long Inicio = 0, Fim = 0, Total = 0;
    std::uint64_t Assinatura = 0;
};

std::string_view Palavra(TTipoEstudo t) { return t == TTipoEstudo::Incerteza ? "amostras" : "casos"; }

std::string Linha(TParte p, TFaixa f, long long total, std::uint64_t assinatura, TTipoEstudo tipo) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(assinatura));
    // Cases numbered from 1 for the reader; the numbers are plain digits, read back below.
    return std::string(Prefixo) + std::to_string(p.K) + " de " + std::to_string(p.N) + ", " + std::string(Palavra(tipo)) + " " +
           std::to_string(f.Inicio + 1) + " a " + std::to_string(f.Fim) + " de " + std::to_string(total) +
           ", estudo " + hex + "\r\n";
}

std::optional<TLinha> LeLinha(std::string_view l) {
    if (l.substr(0, Prefixo.size()) != Prefixo) return std::nullopt;
    l.remove_prefix(Prefixo.size());
    std::vector<std::string_view> pedacos;
    for (std::size_t i; (i = l.find(' ')) != std::string_view::npos; l.remove_prefix(i + 1)) pedacos.push_back(l.substr(0, i));
    pedacos.push_back(l);
    // K de N, casos A a B de T, estudo H (amostras for an uncertainty study)
    if (pedacos.size() != 11 || pedacos[1] != "de" || pedacos[2].back() != ',' ||
        (pedacos[3] != Palavra(TTipoEstudo::Cronograma) && pedacos[3] != Palavra(TTipoEstudo::Incerteza)) ||
        pedacos[5] != "a" || pedacos[7] != "de" || pedacos[8].back() != ',' || pedacos[9] != "estudo" ||
        pedacos[10].size() != 16)
        return std::nullopt;
    pedacos[2].remove_suffix(1);
    pedacos[8].remove_suffix(1);
    const auto k = LeInteiro(pedacos[0]), n = LeInteiro(pedacos[2]), a = LeInteiro(pedacos[4]),
               b = LeInteiro(pedacos[6]), t = LeInteiro(pedacos[8]);
    if (!k || !n || !a || !b || !t || *n < 1 || *n > MaxPartes || *k < 1 || *k > *n) return std::nullopt;
    TLinha r;
    r.Parte = {static_cast<int>(*k), static_cast<int>(*n)};
    r.Tipo = pedacos[3] == Palavra(TTipoEstudo::Incerteza) ? TTipoEstudo::Incerteza : TTipoEstudo::Cronograma;
    r.Inicio = *a - 1;
    r.Fim = *b;
    r.Total = *t;
    const auto [fim, ec] = std::from_chars(pedacos[10].data(), pedacos[10].data() + 16, r.Assinatura, 16);
    if (ec != std::errc() || fim != pedacos[10].data() + 16) return std::nullopt;
    return r;
}

// Records of a CSV body: line ends outside quotes.
long long Registros(std::string_view corpo) {
    long long n = 0;
    bool aspas = false;
    for (std::size_t i = 0; i < corpo.size(); ++i) {
        if (corpo[i] == '"') aspas = !aspas;
        else if (!aspas && corpo[i] == '\n') ++n;
    }
    return n;
}

}  // namespace

TParte Le(std::string_view texto) {
    const auto barra = texto.find('/');
    const auto k = barra == std::string_view::npos ? std::nullopt : LeInteiro(texto.substr(0, barra));
    const auto n = barra == std::string_view::npos ? std::nullopt : LeInteiro(texto.substr(barra + 1));
    if (!k || !n || *n < 1 || *n > MaxPartes || *k < 1 || *k > *n) {
        throw ErroEntrada("--parte deve ser K/N com 1 ≤ K ≤ N ≤ " + Inteiro(MaxPartes) + " (por exemplo 3/10), não \"" +
                          std::string(texto) + "\"");
    }
    return {static_cast<int>(*k), static_cast<int>(*n)};
}

TFaixa Faixa(long long total, TParte p) {
    // ⌊(K−1)·T/N⌋ to ⌊K·T/N⌋: T ≤ 10⁶ and N ≤ 10⁵, no overflow.
    return {(p.K - 1) * total / p.N, p.K * total / p.N};
}

std::uint64_t Assinatura(std::string_view texto) {
    // FNV-1a, 64 bits.
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : texto) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string ArquivoDaParte(const std::string& completo, TParte p, long long total, std::uint64_t assinatura,
                           TTipoEstudo tipo) {
    const std::size_t inicio = completo.compare(0, Bom.size(), Bom) == 0 ? Bom.size() : 0;
    return completo.substr(0, inicio) + Linha(p, Faixa(total, p), total, assinatura, tipo) + completo.substr(inicio);
}

TJuncao Junta(const std::vector<TArquivoParte>& partes) {
    if (partes.empty()) throw ErroEntrada("--junta precisa dos arquivos das partes");
    struct Lida {
        const TArquivoParte* Arquivo;
        TLinha Linha;
        std::string_view Cabecalho, Corpo;
    };
    std::vector<Lida> lidas;
    for (const TArquivoParte& a : partes) {
        const auto recusa = [&](const std::string& motivo) -> void {
            throw ErroEntrada("\"" + a.Nome + "\": " + motivo);
        };
        std::string_view t = a.Conteudo;
        if (t.substr(0, Bom.size()) != Bom) recusa("não é o arquivo de uma parte de estudo (--parte)");
        t.remove_prefix(Bom.size());
        const auto fimLinha = t.find("\r\n");
        const auto linha = fimLinha == std::string_view::npos ? std::nullopt : LeLinha(t.substr(0, fimLinha));
        if (!linha) recusa("não é o arquivo de uma parte de estudo (--parte)");
        t.remove_prefix(fimLinha + 2);
        const auto fimCabecalho = t.find("\r\n");
        if (fimCabecalho == std::string_view::npos) recusa("falta a linha de cabeçalho");
        Lida l{&a, *linha, t.substr(0, fimCabecalho + 2), t.substr(fimCabecalho + 2)};
        const TFaixa f = Faixa(l.Linha.Total, l.Linha.Parte);
        if (f.Inicio != l.Linha.Inicio || f.Fim != l.Linha.Fim)
            recusa("os casos da linha de parte não são os da parte " + std::to_string(l.Linha.Parte.K) + " de " +
                   std::to_string(l.Linha.Parte.N));
        if (!l.Corpo.empty() && l.Corpo.substr(l.Corpo.size() - 2) != "\r\n") recusa("o arquivo termina no meio de uma linha");
        if (const long long n = Registros(l.Corpo); n != f.Fim - f.Inicio)
            recusa("a parte deveria ter " + Inteiro(f.Fim - f.Inicio) + " casos e tem " + Inteiro(n) +
                   " (arquivo incompleto?)");
        lidas.push_back(l);
    }
    const Lida& primeira = lidas.front();
    for (const Lida& l : lidas) {
        const auto recusa = [&](const std::string& motivo) {
            throw ErroEntrada("\"" + l.Arquivo->Nome + "\" e \"" + primeira.Arquivo->Nome + "\": " + motivo);
        };
        if (l.Linha.Assinatura != primeira.Linha.Assinatura || l.Linha.Total != primeira.Linha.Total ||
            l.Linha.Tipo != primeira.Linha.Tipo || l.Cabecalho != primeira.Cabecalho)
            recusa("são partes de estudos diferentes");
        if (l.Linha.Parte.N != primeira.Linha.Parte.N)
            recusa("são partes de divisões diferentes (em " + std::to_string(l.Linha.Parte.N) + " e em " +
                   std::to_string(primeira.Linha.Parte.N) + " partes)");
    }
    const int n = primeira.Linha.Parte.N;
    std::vector<const Lida*> porParte(static_cast<std::size_t>(n) + 1, nullptr);
    for (const Lida& l : lidas) {
        const Lida*& lugar = porParte[static_cast<std::size_t>(l.Linha.Parte.K)];
        if (lugar)
            throw ErroEntrada("a parte " + std::to_string(l.Linha.Parte.K) + " de " + std::to_string(n) +
                              " foi dada duas vezes: \"" + lugar->Arquivo->Nome + "\" e \"" + l.Arquivo->Nome + "\"");
        lugar = &l;
    }
    std::string faltam;
    int quantas = 0;
    for (int k = 1; k <= n; ++k) {
        if (porParte[static_cast<std::size_t>(k)]) continue;
        if (++quantas <= 10) faltam += (faltam.empty() ? "" : ", ") + std::to_string(k);
    }
    if (quantas)
        throw ErroEntrada("falta" + std::string(quantas > 1 ? "m as partes " : " a parte ") + faltam +
                          (quantas > 10 ? " e outras" : "") + " de " + std::to_string(n));
    TJuncao r;
    r.Assinatura = primeira.Linha.Assinatura;
    r.Tipo = primeira.Linha.Tipo;
    r.Conteudo = Bom;
    r.Conteudo += primeira.Cabecalho;
    for (int k = 1; k <= n; ++k) r.Conteudo += porParte[static_cast<std::size_t>(k)]->Corpo;
    return r;
}

}  // namespace Partes
