#include "core/TabelaTexto.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>
#include <utility>

#include "core/Numeros.h"

void TabelaTexto::Libera::operator()(Bloco* p) const {
    if (mapeados > 0) ::munmap(p, mapeados);
    else std::free(p);
}

// The cells come from fresh zeroed pages, each touched first by the run that
// writes it. A history of megabytes is mapped on its own and asks for huge pages:
// a few hundred page faults in place of thousands.
std::unique_ptr<TabelaTexto::Bloco[], TabelaTexto::Libera> TabelaTexto::Aloca(std::size_t celulas) {
    if (celulas == 0) return nullptr;
    constexpr std::size_t Grande = std::size_t{2} << 20;
    if (celulas > SIZE_MAX / sizeof(Bloco)) throw std::bad_alloc();
    const std::size_t bytes = celulas * sizeof(Bloco);
    if (bytes >= Grande) {
        void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        ::madvise(p, bytes, MADV_HUGEPAGE);  // only advice: without it the small pages serve
        return std::unique_ptr<Bloco[], Libera>(static_cast<Bloco*>(p), Libera{bytes});
    }
    void* p = std::calloc(celulas, sizeof(Bloco));
    if (p == nullptr) throw std::bad_alloc();
    return std::unique_ptr<Bloco[], Libera>(static_cast<Bloco*>(p));
}

TabelaTexto::TabelaTexto(const TabelaTexto& outra)
    : colunas_(outra.colunas_), linhas_(outra.linhas_), longas_(outra.longas_), vazia_(outra.vazia_) {
    const std::size_t n = Indice(0, linhas_);
    blocos_ = Aloca(n);
    if (n > 0 && !vazia_) std::memcpy(blocos_.get(), outra.blocos_.get(), n * sizeof(Bloco));
}

TabelaTexto& TabelaTexto::operator=(const TabelaTexto& outra) {
    if (this != &outra) {
        TabelaTexto copia(outra);
        *this = std::move(copia);
    }
    return *this;
}

TabelaTexto::TabelaTexto(TabelaTexto&& outra) noexcept { *this = std::move(outra); }

TabelaTexto& TabelaTexto::operator=(TabelaTexto&& outra) noexcept {
    if (this != &outra) {
        colunas_ = std::exchange(outra.colunas_, 0);
        linhas_ = std::exchange(outra.linhas_, 0);
        blocos_ = std::move(outra.blocos_);
        longas_ = std::move(outra.longas_);
        outra.longas_.clear();
        vazia_ = std::exchange(outra.vazia_, true);
    }
    return *this;
}

std::uint32_t TabelaTexto::IndiceLonga(const Bloco& b) {
    std::uint32_t k = 0;
    std::memcpy(&k, b.texto, sizeof k);
    return k;
}

void TabelaTexto::Define(std::size_t i, std::string_view texto) {
    Bloco& b = blocos_[i];
    vazia_ = false;
    if (texto.size() <= Capacidade) {
        // memmove: the text may be this very cell's (an empty view may have no data).
        if (!texto.empty()) std::memmove(b.texto, texto.data(), texto.size());
        b.tamanho = static_cast<unsigned char>(texto.size());
        return;
    }
    if (b.tamanho == Longa) {
        longas_[IndiceLonga(b)].assign(texto.data(), texto.size());
        return;
    }
    // A copy first: the text may live in longas_, which the insertion may move.
    std::string nova(texto);
    const auto k = static_cast<std::uint32_t>(longas_.size());
    longas_.push_back(std::move(nova));
    b.tamanho = Longa;
    std::memcpy(b.texto, &k, sizeof k);
}

void TabelaTexto::Acrescenta(std::size_t i, std::string_view texto) {
    Bloco& b = blocos_[i];
    if (b.tamanho != Longa && b.tamanho + texto.size() <= Capacidade) {
        if (!texto.empty()) std::memcpy(b.texto + b.tamanho, texto.data(), texto.size());
        b.tamanho = static_cast<unsigned char>(b.tamanho + texto.size());
        vazia_ = false;
        return;
    }
    std::string junta(Le(i));
    junta.append(texto);
    Define(i, junta);
}

void TabelaTexto::AcrescentaFixo(int coluna, int linha, double valor, int largura, int decimais) {
    if (largura > Numeros::MaxLarguraBuffer) {
        std::string texto;
        Numeros::AcrescentaFixo(texto, valor, largura, decimais);
        Acrescenta(Indice(coluna, linha), texto);
        return;
    }
    Numeros::BufferFixo buf;
    Acrescenta(Indice(coluna, linha), Numeros::EscreveFixo(buf, valor, largura, decimais));
}

void TabelaTexto::DefineFixo(int coluna, int linha, double valor, int largura, int decimais) {
    if (largura <= Numeros::MaxLarguraBuffer) {
        Numeros::BufferFixo buf;
        const std::string_view texto = Numeros::EscreveFixo(buf, valor, largura, decimais);
        if (texto.size() <= Capacidade) {
            // The buffer goes on for more than Capacidade bytes past the text's start:
            // one copy of fixed size, the bytes past the text unused.
            Bloco& b = blocos_[Indice(coluna, linha)];
            std::memcpy(b.texto, texto.data(), Capacidade);
            b.tamanho = static_cast<unsigned char>(texto.size());
            vazia_ = false;
            return;
        }
    }
    Define(Indice(coluna, linha), std::string_view());
    AcrescentaFixo(coluna, linha, valor, largura, decimais);
}

void TabelaTexto::Redimensiona(int colunas, int linhas) {
    colunas = std::max(colunas, 0);
    linhas = std::max(linhas, 0);
    if (colunas == colunas_ && linhas == linhas_) return;
    TabelaTexto nova;
    nova.colunas_ = colunas;
    nova.linhas_ = linhas;
    nova.blocos_ = Aloca(nova.Indice(0, linhas));
    if (!vazia_) {
        const int c = std::min(colunas, colunas_);
        const int l = std::min(linhas, linhas_);
        for (int r = 0; r < l; ++r)
            for (int k = 0; k < c; ++k) {
                const Bloco& b = blocos_[Indice(k, r)];
                if (b.tamanho == Longa) nova.Define(nova.Indice(k, r), Le(Indice(k, r)));
                else if (b.tamanho != 0) nova.blocos_[nova.Indice(k, r)] = b;
            }
        nova.vazia_ = false;
    }
    *this = std::move(nova);
}

void TabelaTexto::Limpa() {
    if (vazia_ || !blocos_) return;
    std::memset(blocos_.get(), 0, Indice(0, linhas_) * sizeof(Bloco));
    longas_.clear();
    vazia_ = true;
}

double TabelaTexto::Valor(int coluna, int linha) const {
    return Numeros::TextoParaReal(Le(Indice(coluna, linha)));
}

bool operator==(const TabelaTexto::Texto& a, const TabelaTexto::Texto& b) { return a.Vista() == b.Vista(); }
bool operator==(const TabelaTexto::Texto& a, std::string_view b) { return a.Vista() == b; }
std::ostream& operator<<(std::ostream& os, const TabelaTexto::Texto& t) { return os << t.Vista(); }
