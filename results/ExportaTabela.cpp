#include "results/ExportaTabela.h"

#include <algorithm>

#include "core/ArquivoAtomico.h"
#include "core/Cp1252.h"

namespace ExportaTabela {

namespace {

constexpr std::string_view CantoCabecalho = "t[h]   ";

void AcrescentaLinha(std::string& destino, const TabelaTexto& tabela, int linha, int colunas) {
    destino.append("\r\n");
    for (int c = 0; c < colunas; ++c) {
        if (linha == 0 && c == 0) {
            destino.append(CantoCabecalho);
            continue;
        }
        Cp1252::Acrescenta(destino, tabela.Celula(c, linha));
        const std::size_t brancos = linha > 0 ? 7 : (c <= 8 ? 6 : 5);
        destino.append(brancos, ' ');
    }
}

}  // namespace

int ColunasExportadas(const TabelaTexto& tabela, int nElemAtivos) {
    return std::clamp(nElemAtivos + 2, std::min(1, tabela.Colunas()), tabela.Colunas());
}

std::string Bytes(const TabelaTexto& tabela, int nElemAtivos) {
    const int colunas = ColunasExportadas(tabela, nElemAtivos);
    std::string s;
    for (int r = 0; r < tabela.Linhas(); ++r) AcrescentaLinha(s, tabela, r, colunas);
    return s;
}

void Grava(const std::string& caminho, const TabelaTexto& tabela, int nElemAtivos,
           const std::function<void(int)>& aCadaLinha) {
    const int colunas = ColunasExportadas(tabela, nElemAtivos);
    TArquivoAtomico arquivo(caminho);
    std::string linha;
    for (int r = 0; r < tabela.Linhas(); ++r) {
        linha.clear();
        AcrescentaLinha(linha, tabela, r, colunas);
        arquivo.Escreve(linha);
        if (aCadaLinha) aCadaLinha(r + 1);
    }
    arquivo.Conclui();
}

}  // namespace ExportaTabela
