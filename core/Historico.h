#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

class TabelaTexto;

// A history of a run as numbers: the temperature or stress table addressed as
// (column, row) like its text, column 0 the hour and column n node n, row 0 the
// header line, which holds no number. A cell never written (a row the run did not
// reach, a stress before its layer was placed) is empty.
//
// The drivers write each value already rounded to what the text shows ("%7.2f" for
// temperatures, "%7.4f" for stresses, Numeros::ArredondaFixo), so reading a number
// here gives exactly what reading the printed text gave, and the text made from the
// numbers (Texto) is the table the windows show and the exports write.
class HistoricoNumerico {
public:
    HistoricoNumerico() = default;
    // A table of empty cells, without header; `decimais` of the node columns' text.
    HistoricoNumerico(int colunas, int linhas, int decimais = 2) : decimais_(decimais) { Redimensiona(colunas, linhas); }
    HistoricoNumerico(const HistoricoNumerico& outra);
    HistoricoNumerico& operator=(const HistoricoNumerico& outra);
    // The moved-from table is left empty (0 × 0).
    HistoricoNumerico(HistoricoNumerico&& outra) noexcept;
    HistoricoNumerico& operator=(HistoricoNumerico&& outra) noexcept;
    ~HistoricoNumerico() = default;

    int Colunas() const { return colunas_; }
    int Linhas() const { return linhas_; }
    int Decimais() const { return decimais_; }
    void DefineDecimais(int decimais) { decimais_ = decimais; }

    // Keeps the cells that stay inside the new size; new cells are empty.
    void Redimensiona(int colunas, int linhas);
    // Empties every cell and the header, keeping the size.
    void Limpa();
    // Row 0 reads "  Tempo[h]", "    Nó 1", "    Nó 2", … in every column.
    void EscreveCabecalho() { cabecalho_ = true; }
    bool TemCabecalho() const { return cabecalho_; }

    bool Contem(int coluna, int linha) const {
        return coluna >= 0 && linha >= 0 && coluna < colunas_ && linha < linhas_;
    }
    bool Vazia(int coluna, int linha) const { return linha == 0 || Bruto(Indice(coluna, linha)) == 0; }
    // The number of a cell. An empty cell or the header raises ErroConversao with the
    // message that reading its text gives ("'' não é um valor de ponto flutuante válido").
    double Valor(int coluna, int linha) const {
        if (!Vazia(coluna, linha)) return Decodifica(Bruto(Indice(coluna, linha)));
        return Falha(coluna, linha);
    }
    // The number, or NaN for an empty cell or the header.
    double ValorOuNaN(int coluna, int linha) const {
        return linha == 0 ? std::nan("") : Decodifica(Bruto(Indice(coluna, linha)));
    }
    void Define(int coluna, int linha, double valor) { celulas_[Indice(coluna, linha)] = Codifica(valor); }
    void Apaga(int coluna, int linha) { celulas_[Indice(coluna, linha)] = 0; }

    // The text of a cell as the table prints it: the header, the whole hour, the
    // value "%7.<decimais>f" with the decimal comma, or nothing for an empty cell.
    std::string TextoCelula(int coluna, int linha) const;
    // The text table of the whole history, for the windows and the exports.
    TabelaTexto Texto() const;
    // Writes the text of the whole history into `tabela` (resized to this table).
    void EscreveTexto(TabelaTexto& tabela) const;
    // The same for rows primeira .. primeira + linhas − 1 only, into a `tabela` of that many
    // rows (its row 0 is row `primeira`): a long table written a block at a time.
    void EscreveTexto(TabelaTexto& tabela, int primeira, int linhas) const;

    // Reads a table that exists only as text (one typed or kept by hand): each cell
    // that converts becomes its number, the others stay empty.
    static HistoricoNumerico DoTexto(const TabelaTexto& tabela, int decimais);

private:
    // A cell keeps the bits of its value exclusive-or the quiet NaN: zeroed memory,
    // as it comes from the system, reads as empty with nothing to fill.
    static constexpr std::uint64_t Marca = 0x7ff8000000000000ULL;
    static std::uint64_t Codifica(double v);
    static double Decodifica(std::uint64_t b);
    [[noreturn]] double Falha(int coluna, int linha) const;

    struct Libera {
        void operator()(std::uint64_t* p) const { std::free(p); }
    };
    std::size_t Indice(int coluna, int linha) const {
        return static_cast<std::size_t>(linha) * static_cast<std::size_t>(colunas_) + static_cast<std::size_t>(coluna);
    }
    std::uint64_t Bruto(std::size_t i) const { return celulas_[i]; }

    int colunas_ = 0;
    int linhas_ = 0;
    int decimais_ = 2;
    bool cabecalho_ = false;
    std::unique_ptr<std::uint64_t[], Libera> celulas_;
};
