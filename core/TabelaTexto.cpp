#include "core/TabelaTexto.h"

#include <algorithm>

#include "core/Numeros.h"

void TabelaTexto::Redimensiona(int colunas, int linhas) {
    colunas = std::max(colunas, 0);
    linhas = std::max(linhas, 0);
    if (colunas == colunas_ && linhas == linhas_) return;
    std::vector<std::string> novas(static_cast<std::size_t>(colunas) * static_cast<std::size_t>(linhas));
    const int c = std::min(colunas, colunas_);
    const int l = std::min(linhas, linhas_);
    for (int r = 0; r < l; ++r)
        for (int k = 0; k < c; ++k)
            novas[static_cast<std::size_t>(r) * static_cast<std::size_t>(colunas) + static_cast<std::size_t>(k)] =
                std::move(Celula(k, r));
    celulas_ = std::move(novas);
    colunas_ = colunas;
    linhas_ = linhas;
}

void TabelaTexto::Limpa() {
    for (auto& c : celulas_) c.clear();
}

double TabelaTexto::Valor(int coluna, int linha) const {
    return Numeros::TextoParaReal(Celula(coluna, linha));
}
