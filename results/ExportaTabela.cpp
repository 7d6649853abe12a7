#include "results/ExportaTabela.h"

#include <algorithm>

#include "core/ArquivoAtomico.h"
#include "core/Cp1252.h"
#include "core/Historico.h"

namespace ExportaTabela {

namespace {

constexpr std::string_view CantoCabecalho = "t[h]   ";

// Row `linha` of `tabela`, which is row `linhaArquivo` of the file (row 0: the header).
void AcrescentaLinha(std::string& destino, const TabelaTexto& tabela, int linha, int linhaArquivo, int colunas) {
    destino.append("\r\n");
    for (int c = 0; c < colunas; ++c) {
        if (linhaArquivo == 0 && c == 0) {
            destino.append(CantoCabecalho);
            continue;
        }
        Cp1252::Acrescenta(destino, tabela.Celula(c, linha));
        const std::size_t brancos = linhaArquivo > 0 ? 7 : (c <= 8 ? 6 : 5);
        destino.append(brancos, ' ');
    }
}

// Rows of the history turned into text at a time: about 0,5 MB of bytes at capacity.
constexpr int LinhasPorBloco = 64;

}  // namespace

int ColunasExportadas(const TabelaTexto& tabela, int nElemAtivos) {
    return std::clamp(nElemAtivos + 2, std::min(1, tabela.Colunas()), tabela.Colunas());
}

std::string Bytes(const TabelaTexto& tabela, int nElemAtivos) {
    const int colunas = ColunasExportadas(tabela, nElemAtivos);
    std::string s;
    for (int r = 0; r < tabela.Linhas(); ++r) AcrescentaLinha(s, tabela, r, r, colunas);
    return s;
}

void Escreve(const HistoricoNumerico& numeros, int nElemAtivos, const std::function<void(std::string_view)>& escreve) {
    TabelaTexto bloco;
    std::string bytes;
    for (int primeira = 0; primeira < numeros.Linhas(); primeira += LinhasPorBloco) {
        numeros.EscreveTexto(bloco, primeira, LinhasPorBloco);
        const int colunas = ColunasExportadas(bloco, nElemAtivos);
        bytes.clear();
        for (int r = 0; r < bloco.Linhas(); ++r) AcrescentaLinha(bytes, bloco, r, primeira + r, colunas);
        escreve(bytes);
    }
}

void Grava(const std::string& caminho, const TabelaTexto& tabela, int nElemAtivos,
           const std::function<void(int)>& aCadaLinha) {
    const int colunas = ColunasExportadas(tabela, nElemAtivos);
    TArquivoAtomico arquivo(caminho);
    std::string linha;
    for (int r = 0; r < tabela.Linhas(); ++r) {
        linha.clear();
        AcrescentaLinha(linha, tabela, r, r, colunas);
        arquivo.Escreve(linha);
        if (aCadaLinha) aCadaLinha(r + 1);
    }
    arquivo.Conclui();
}

}  // namespace ExportaTabela
