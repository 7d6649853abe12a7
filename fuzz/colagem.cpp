// Fuzzing of the member-table paste: the text split into rows, refused when it has
// more columns than the table, each row converted as the table's "Ok" would, and the
// converted rows written into a state whole or not at all.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "Comum.h"
#include "core/Erros.h"
#include "input/TabelaMembro.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 1) return 0;
    const int coluna0 = dados[0] % TabelaMembro::NumColunas;
    const bool usuais = dados[0] & 0x80;
    const std::string texto(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    const auto linhas = TabelaMembro::Colagem(texto);
    for (const auto& l : linhas)
        for (const auto& c : l) fuzz::ExigeUtf8(c);
    if (!TabelaMembro::ProblemaColagem(linhas, coluna0, usuais).empty()) return 0;
    if (linhas.size() > static_cast<std::size_t>(MaxCamadas)) return 0;
    std::vector<TabelaMembro::Linha> tabela;
    for (const auto& l : linhas) {
        TabelaMembro::Linha t;
        for (std::size_t k = 0; k < l.size() && coluna0 + k < t.size(); ++k) t[coluna0 + k] = l[k];
        tabela.push_back(t);
    }
    static auto estado = std::make_unique<TDadosModelo>();
    const std::int32_t antes = estado->NCamadas;
    try {
        TabelaMembro::Aplica(*estado, tabela, std::vector<int>(tabela.size(), 0), false, 1);
    } catch (const ErroEntrada&) {
        if (estado->NCamadas != antes) std::abort();  // half written
        return 0;
    }
    if (estado->NCamadas != static_cast<std::int32_t>(tabela.size())) std::abort();
    return 0;
}
