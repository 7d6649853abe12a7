#pragma once
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A grid of text cells addressed as (column, row), row 0 and column 0 being the
// header line and header column. The temperature and stress histories live here
// as the text the drivers wrote; every reader converts the cells back.
//
// A history at capacity has 1,5 million cells of a few characters, so the cells
// are not strings of their own: each is 16 contiguous bytes holding up to 15
// bytes of text; a longer text goes to a side list. A cell reads as a view of its
// text (TabelaTexto::Texto) and is written through TabelaTexto::Acesso, which
// accepts what a std::string accepts of the writers (=, append, clear).
class TabelaTexto {
    struct Bloco;

public:
    // The text of a cell, read in place: converts to std::string_view (and to a
    // std::string copy) and compares with text. Valid while the cell's table keeps
    // its size; it always shows the cell's current text.
    class Texto {
    public:
        std::string_view Vista() const { return tabela_->Le(indice_); }
        operator std::string_view() const { return Vista(); }
        operator std::string() const { return std::string(Vista()); }
        bool empty() const { return Vista().empty(); }
        std::size_t size() const { return Vista().size(); }
        std::size_t find(std::string_view s, std::size_t pos = 0) const { return Vista().find(s, pos); }

    protected:
        Texto(const TabelaTexto* tabela, std::size_t indice) : tabela_(tabela), indice_(indice) {}
        const TabelaTexto* tabela_;
        std::size_t indice_;
        friend class TabelaTexto;
    };

    // A cell opened for writing.
    class Acesso : public Texto {
    public:
        Acesso& operator=(std::string_view texto) {
            Mutavel().Define(indice_, texto);
            return *this;
        }
        Acesso& operator=(const Acesso& outra) { return *this = outra.Vista(); }
        Acesso& operator=(const Texto& outra) { return *this = outra.Vista(); }
        Acesso& append(std::string_view texto) {
            Mutavel().Acrescenta(indice_, texto);
            return *this;
        }
        Acesso& operator+=(std::string_view texto) { return append(texto); }
        void clear() { Mutavel().Define(indice_, {}); }

        Acesso(const Acesso&) = default;

    private:
        Acesso(TabelaTexto* tabela, std::size_t indice) : Texto(tabela, indice) {}
        TabelaTexto& Mutavel() const { return *const_cast<TabelaTexto*>(tabela_); }
        friend class TabelaTexto;
    };

    TabelaTexto() = default;
    TabelaTexto(int colunas, int linhas) { Redimensiona(colunas, linhas); }
    TabelaTexto(const TabelaTexto& outra);
    TabelaTexto& operator=(const TabelaTexto& outra);
    // The moved-from table is left empty (0 × 0).
    TabelaTexto(TabelaTexto&& outra) noexcept;
    TabelaTexto& operator=(TabelaTexto&& outra) noexcept;
    ~TabelaTexto() = default;

    int Colunas() const { return colunas_; }
    int Linhas() const { return linhas_; }

    // Keeps the cells that stay inside the new size; new cells are empty.
    void Redimensiona(int colunas, int linhas);
    void DefineLinhas(int linhas) { Redimensiona(colunas_, linhas); }
    void DefineColunas(int colunas) { Redimensiona(colunas, linhas_); }
    // Empties every cell, keeping the size.
    void Limpa();

    Texto Celula(int coluna, int linha) const { return Texto(this, Indice(coluna, linha)); }
    Acesso Celula(int coluna, int linha) { return Acesso(this, Indice(coluna, linha)); }
    bool Contem(int coluna, int linha) const {
        return coluna >= 0 && linha >= 0 && coluna < colunas_ && linha < linhas_;
    }

    void Define(int coluna, int linha, std::string_view texto) { Define(Indice(coluna, linha), texto); }
    // Appends the number in fixed notation, as Numeros::AcrescentaFixo appends it to
    // a string; DefineFixo replaces the cell's text with it.
    void AcrescentaFixo(int coluna, int linha, double valor, int largura, int decimais);
    void DefineFixo(int coluna, int linha, double valor, int largura, int decimais);

    // Reads a cell back as a number with the decimal comma (ErroConversao otherwise).
    double Valor(int coluna, int linha) const;

private:
    static constexpr unsigned char Longa = 0xFF;
    static constexpr std::size_t Capacidade = 15;
    struct Bloco {
        unsigned char tamanho;  // bytes of text, or Longa: the text is longas_[indice in texto]
        char texto[Capacidade];
    };
    struct Libera {
        std::size_t mapeados;  // bytes of an anonymous mapping, 0 (value-initialized) for calloc
        void operator()(Bloco* p) const;
    };

    std::size_t Indice(int coluna, int linha) const {
        return static_cast<std::size_t>(linha) * static_cast<std::size_t>(colunas_) + static_cast<std::size_t>(coluna);
    }
    std::string_view Le(std::size_t i) const {
        const Bloco& b = blocos_[i];
        if (b.tamanho != Longa) return {b.texto, b.tamanho};
        return longas_[IndiceLonga(b)];
    }
    static std::uint32_t IndiceLonga(const Bloco& b);
    void Define(std::size_t i, std::string_view texto);
    void Acrescenta(std::size_t i, std::string_view texto);
    static std::unique_ptr<Bloco[], Libera> Aloca(std::size_t celulas);

    int colunas_ = 0;
    int linhas_ = 0;
    std::unique_ptr<Bloco[], Libera> blocos_;
    std::vector<std::string> longas_;
    bool vazia_ = true;  // no cell written since the cells were created or emptied
};

bool operator==(const TabelaTexto::Texto& a, const TabelaTexto::Texto& b);
bool operator==(const TabelaTexto::Texto& a, std::string_view b);
std::ostream& operator<<(std::ostream& os, const TabelaTexto::Texto& t);
