#pragma once
#include <string>
#include <vector>

// A grid of text cells addressed as (column, row), row 0 and column 0 being the
// header line and header column. The temperature and stress histories live here
// as the text the drivers wrote; every reader converts the cells back.
class TabelaTexto {
public:
    TabelaTexto() = default;
    TabelaTexto(int colunas, int linhas) { Redimensiona(colunas, linhas); }

    int Colunas() const { return colunas_; }
    int Linhas() const { return linhas_; }

    // Keeps the cells that stay inside the new size; new cells are empty.
    void Redimensiona(int colunas, int linhas);
    void DefineLinhas(int linhas) { Redimensiona(colunas_, linhas); }
    void DefineColunas(int colunas) { Redimensiona(colunas, linhas_); }
    // Empties every cell, keeping the size.
    void Limpa();

    const std::string& Celula(int coluna, int linha) const {
        return celulas_[static_cast<std::size_t>(linha) * static_cast<std::size_t>(colunas_) +
                        static_cast<std::size_t>(coluna)];
    }
    std::string& Celula(int coluna, int linha) {
        return celulas_[static_cast<std::size_t>(linha) * static_cast<std::size_t>(colunas_) +
                        static_cast<std::size_t>(coluna)];
    }
    bool Contem(int coluna, int linha) const {
        return coluna >= 0 && linha >= 0 && coluna < colunas_ && linha < linhas_;
    }

    // Reads a cell back as a number with the decimal comma (ErroConversao otherwise).
    double Valor(int coluna, int linha) const;

private:
    int colunas_ = 0;
    int linhas_ = 0;
    std::vector<std::string> celulas_;
};
