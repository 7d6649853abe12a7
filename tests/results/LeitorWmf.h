#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Reads a placeable metafile back, the way a strict reader does, so the tests can
// check what the writer produced.
struct RegistroWmf {
    std::uint16_t funcao = 0;
    std::uint32_t palavras = 0;          // record size in WORDs, header included
    std::vector<std::uint16_t> params;   // the parameter WORDs
    std::int16_t P(std::size_t i) const { return static_cast<std::int16_t>(params.at(i)); }
};

struct ArquivoWmf {
    std::uint32_t chave = 0;
    std::int16_t esquerda = 0, topo = 0, direita = 0, base = 0;
    std::uint16_t polegada = 0;
    std::uint16_t soma = 0;
    std::uint16_t somaCalculada = 0;
    std::uint16_t tipo = 0, tamCabecalho = 0, versao = 0;
    std::uint32_t tamanho = 0;  // WORDs from the header to the end
    std::uint16_t objetos = 0;
    std::uint32_t maiorRegistro = 0;
    std::vector<RegistroWmf> registros;
    std::string erro;  // empty when the structure holds together
};

inline ArquivoWmf LeWmf(const std::vector<std::uint8_t>& b) {
    ArquivoWmf a;
    auto w = [&](std::size_t p) -> std::uint16_t { return static_cast<std::uint16_t>(b[p] | (b[p + 1] << 8)); };
    auto d = [&](std::size_t p) -> std::uint32_t { return w(p) | (static_cast<std::uint32_t>(w(p + 2)) << 16); };
    if (b.size() < 40 || b.size() % 2 != 0) {
        a.erro = "tamanho";
        return a;
    }
    a.chave = d(0);
    a.esquerda = static_cast<std::int16_t>(w(6));
    a.topo = static_cast<std::int16_t>(w(8));
    a.direita = static_cast<std::int16_t>(w(10));
    a.base = static_cast<std::int16_t>(w(12));
    a.polegada = w(14);
    a.soma = w(20);
    for (std::size_t i = 0; i < 20; i += 2) a.somaCalculada ^= w(i);
    a.tipo = w(22);
    a.tamCabecalho = w(24);
    a.versao = w(26);
    a.tamanho = d(28);
    a.objetos = w(32);
    a.maiorRegistro = d(34);
    std::size_t p = 40;
    while (p + 6 <= b.size()) {
        RegistroWmf r;
        r.palavras = d(p);
        r.funcao = w(p + 4);
        if (r.palavras < 3 || p + 2 * static_cast<std::size_t>(r.palavras) > b.size()) {
            a.erro = "registro fora do arquivo";
            return a;
        }
        for (std::size_t i = 3; i < r.palavras; ++i) r.params.push_back(w(p + 2 * i));
        p += 2 * static_cast<std::size_t>(r.palavras);
        a.registros.push_back(std::move(r));
        if (a.registros.back().funcao == 0) break;
    }
    if (a.registros.empty() || a.registros.back().funcao != 0) a.erro = "sem registro final";
    else if (p != b.size()) a.erro = "bytes depois do fim";
    else if (a.tamanho != (b.size() - 22) / 2) a.erro = "Size do cabeçalho";
    return a;
}

// Simulates the object table of a reader that allocates exactly NumberOfObjects
// tabela: every CREATE takes the lowest free slot. Empty string when all is well.
inline std::string ConfereObjetos(const ArquivoWmf& a) {
    std::vector<bool> tabela(a.objetos, false);
    for (const RegistroWmf& r : a.registros) {
        if (r.palavras > a.maiorRegistro) return "registro maior que MaxRecord";
        switch (r.funcao) {
            case 0x02FA: case 0x02FB: case 0x02FC: {
                std::size_t i = 0;
                while (i < tabela.size() && tabela[i]) ++i;
                if (i == tabela.size()) return "objeto fora da tabela";
                tabela[i] = true;
                break;
            }
            case 0x012D:
                if (r.params.at(0) >= tabela.size() || !tabela[r.params[0]]) return "seleção de slot vazio";
                break;
            case 0x01F0:
                if (r.params.at(0) >= tabela.size() || !tabela[r.params[0]]) return "remoção de slot vazio";
                tabela[r.params[0]] = false;
                break;
            default: break;
        }
    }
    return {};
}
