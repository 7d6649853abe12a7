#include "core/Historico.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/TabelaTexto.h"

namespace {

// Width of the printed node values, as the drivers print them.
constexpr int Largura = 7;

}  // namespace

std::uint64_t HistoricoNumerico::Codifica(double v) {
    const std::uint64_t b = std::bit_cast<std::uint64_t>(v) ^ Marca;
    // The quiet NaN itself would read as empty; no table holds one (the runs refuse
    // what is not finite), but a NaN written stays a NaN that is not empty.
    return b == 0 ? 1 : b;
}

double HistoricoNumerico::Decodifica(std::uint64_t b) { return std::bit_cast<double>(b ^ Marca); }

HistoricoNumerico::HistoricoNumerico(const HistoricoNumerico& outra)
    : colunas_(outra.colunas_), linhas_(outra.linhas_), decimais_(outra.decimais_), cabecalho_(outra.cabecalho_) {
    const std::size_t n = Indice(0, linhas_);
    if (n == 0) return;
    celulas_.reset(static_cast<std::uint64_t*>(std::malloc(n * sizeof(std::uint64_t))));
    if (!celulas_) throw std::bad_alloc();
    std::memcpy(celulas_.get(), outra.celulas_.get(), n * sizeof(std::uint64_t));
}

HistoricoNumerico& HistoricoNumerico::operator=(const HistoricoNumerico& outra) {
    if (this != &outra) {
        HistoricoNumerico copia(outra);
        *this = std::move(copia);
    }
    return *this;
}

HistoricoNumerico::HistoricoNumerico(HistoricoNumerico&& outra) noexcept { *this = std::move(outra); }

HistoricoNumerico& HistoricoNumerico::operator=(HistoricoNumerico&& outra) noexcept {
    if (this != &outra) {
        colunas_ = std::exchange(outra.colunas_, 0);
        linhas_ = std::exchange(outra.linhas_, 0);
        decimais_ = outra.decimais_;
        cabecalho_ = std::exchange(outra.cabecalho_, false);
        celulas_ = std::move(outra.celulas_);
    }
    return *this;
}

void HistoricoNumerico::Redimensiona(int colunas, int linhas) {
    colunas = std::max(colunas, 0);
    linhas = std::max(linhas, 0);
    if (colunas == colunas_ && linhas == linhas_) return;
    const std::size_t n = static_cast<std::size_t>(colunas) * static_cast<std::size_t>(linhas);
    std::unique_ptr<std::uint64_t[], Libera> nova;
    if (n > 0) {
        // calloc: the zero pages of a large history are touched by the run that writes them.
        nova.reset(static_cast<std::uint64_t*>(std::calloc(n, sizeof(std::uint64_t))));
        if (!nova) throw std::bad_alloc();
        const int c = std::min(colunas, colunas_);
        const int l = std::min(linhas, linhas_);
        for (int r = 0; r < l; ++r)
            std::memcpy(nova.get() + static_cast<std::size_t>(r) * static_cast<std::size_t>(colunas),
                        celulas_.get() + Indice(0, r), static_cast<std::size_t>(c) * sizeof(std::uint64_t));
    }
    celulas_ = std::move(nova);
    colunas_ = colunas;
    linhas_ = linhas;
}

void HistoricoNumerico::Limpa() {
    cabecalho_ = false;
    if (celulas_) std::memset(celulas_.get(), 0, Indice(0, linhas_) * sizeof(std::uint64_t));
}

std::string HistoricoNumerico::TextoCelula(int coluna, int linha) const {
    if (linha == 0) {
        if (!cabecalho_) return {};
        return coluna == 0 ? "  Tempo[h]" : "    Nó " + Numeros::FormataInteiro(coluna);
    }
    if (Vazia(coluna, linha)) return {};
    const double v = Valor(coluna, linha);
    if (coluna == 0) return Numeros::FormataInteiro(static_cast<long long>(v));
    return Numeros::FormataFixo(v, Largura, decimais_);
}

[[noreturn]] double HistoricoNumerico::Falha(int coluna, int linha) const {
    // The text of an empty cell or of the header is not a number: the same refusal.
    Numeros::TextoParaReal(TextoCelula(coluna, linha));
    throw ErroConversao("'" + TextoCelula(coluna, linha) + "' não é um valor de ponto flutuante válido");
}

void HistoricoNumerico::EscreveTexto(TabelaTexto& tabela) const { EscreveTexto(tabela, 0, linhas_); }

void HistoricoNumerico::EscreveTexto(TabelaTexto& tabela, int primeira, int linhas) const {
    primeira = std::clamp(primeira, 0, linhas_);
    linhas = std::clamp(linhas, 0, linhas_ - primeira);
    tabela.Redimensiona(colunas_, linhas);
    tabela.Limpa();
    if (linhas == 0) return;
    if (cabecalho_ && primeira == 0) {
        tabela.Celula(0, 0) = "  Tempo[h]";
        for (int c = 1; c < colunas_; ++c) tabela.Celula(c, 0) = "    Nó " + Numeros::FormataInteiro(c);
    }
    for (int r = std::max(primeira, 1); r < primeira + linhas; ++r) {
        const int destino = r - primeira;
        for (int c = 0; c < colunas_; ++c) {
            if (Vazia(c, r)) continue;
            const double v = Decodifica(Bruto(Indice(c, r)));
            if (c == 0) tabela.Define(0, destino, Numeros::FormataInteiro(static_cast<long long>(v)));
            else tabela.DefineFixo(c, destino, v, Largura, decimais_);
        }
    }
}

TabelaTexto HistoricoNumerico::Texto() const {
    TabelaTexto t;
    EscreveTexto(t);
    return t;
}

HistoricoNumerico HistoricoNumerico::DoTexto(const TabelaTexto& tabela, int decimais) {
    HistoricoNumerico h(tabela.Colunas(), tabela.Linhas(), decimais);
    if (tabela.Linhas() > 0 && !tabela.Celula(0, 0).empty()) h.EscreveCabecalho();
    for (int r = 1; r < tabela.Linhas(); ++r)
        for (int c = 0; c < tabela.Colunas(); ++c) {
            const std::string_view t = tabela.Celula(c, r);
            if (t.empty()) continue;
            try {
                h.Define(c, r, Numeros::TextoParaReal(t));
            } catch (const ErroConversao&) {
                // Not a number: the cell stays empty.
            }
        }
    return h;
}
