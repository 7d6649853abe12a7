#include "stress/Superposicao.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <thread>

namespace {

constexpr int Bloco = TSuperposicao::Bloco;

// Eight nodes side by side (one AVX-512 register, two AVX, four SSE2). Element-wise
// products and sums only, never fused (AVX-512 has fused multiply-adds, which round
// once): every lane is the scalar sum of its node.
// The helpers are always inlined into the kernels, so no vector crosses a call.
#if defined(__clang__)
#pragma clang fp contract(off)
#else
#pragma GCC optimize("fp-contract=off")
#endif
#pragma GCC diagnostic ignored "-Wpsabi"
typedef double V8 __attribute__((vector_size(64)));
typedef double V8Solto __attribute__((vector_size(64), aligned(8), may_alias));
static_assert(Bloco == 16, "the kernels hold a block in two vectors");

__attribute__((always_inline)) inline V8 Carrega(const double* p) { return *reinterpret_cast<const V8Solto*>(p); }
__attribute__((always_inline)) inline void Guarda(double* p, V8 v) { *reinterpret_cast<V8Solto*>(p) = v; }

// s[0..15] += Σ_{j = J..fimJ−1} linha[j]·ds_j, one row, in increasing j.
__attribute__((always_inline)) inline void SomaLinha(const double* linha, const double* ds, int J, int fimJ,
                                                     double* s) {
    V8 a0 = Carrega(s), a1 = Carrega(s + 8);
    for (int j = J; j < fimJ; ++j) {
        const double m = linha[j];
        const double* dj = ds + static_cast<std::size_t>(j) * Bloco;
        a0 = a0 + m * Carrega(dj);
        a1 = a1 + m * Carrega(dj + 8);
    }
    Guarda(s, a0);
    Guarda(s + 8, a1);
}

// The same for two rows, reading each increment once.
__attribute__((always_inline)) inline void SomaDuasLinhas(const double* l0, const double* l1, const double* ds, int J,
                                                          int fimJ, double* s0, double* s1) {
    V8 a0 = Carrega(s0), a1 = Carrega(s0 + 8);
    V8 b0 = Carrega(s1), b1 = Carrega(s1 + 8);
    for (int j = J; j < fimJ; ++j) {
        const double m0 = l0[j];
        const double m1 = l1[j];
        const double* dj = ds + static_cast<std::size_t>(j) * Bloco;
        const V8 d0 = Carrega(dj), d1 = Carrega(dj + 8);
        a0 = a0 + m0 * d0;
        a1 = a1 + m0 * d1;
        b0 = b0 + m1 * d0;
        b1 = b1 + m1 * d1;
    }
    Guarda(s0, a0);
    Guarda(s0 + 8, a1);
    Guarda(s1, b0);
    Guarda(s1 + 8, b1);
}

// The same for four rows: eight accumulators hide the latency of the sums where the
// registers hold them (AVX-512).
__attribute__((always_inline)) inline void SomaQuatroLinhas(const double* l0, std::size_t passo, const double* ds, int J,
                                                            int fimJ, double* s) {
    const double* l1 = l0 + passo;
    const double* l2 = l1 + passo;
    const double* l3 = l2 + passo;
    V8 a0 = Carrega(s), a1 = Carrega(s + 8);
    V8 b0 = Carrega(s + 16), b1 = Carrega(s + 24);
    V8 c0 = Carrega(s + 32), c1 = Carrega(s + 40);
    V8 e0 = Carrega(s + 48), e1 = Carrega(s + 56);
    for (int j = J; j < fimJ; ++j) {
        const double* dj = ds + static_cast<std::size_t>(j) * Bloco;
        const V8 d0 = Carrega(dj), d1 = Carrega(dj + 8);
        const double m0 = l0[j], m1 = l1[j], m2 = l2[j], m3 = l3[j];
        a0 = a0 + m0 * d0;
        a1 = a1 + m0 * d1;
        b0 = b0 + m1 * d0;
        b1 = b1 + m1 * d1;
        c0 = c0 + m2 * d0;
        c1 = c1 + m2 * d1;
        e0 = e0 + m3 * d0;
        e1 = e1 + m3 * d1;
    }
    Guarda(s, a0);
    Guarda(s + 8, a1);
    Guarda(s + 16, b0);
    Guarda(s + 24, b1);
    Guarda(s + 32, c0);
    Guarda(s + 40, c1);
    Guarda(s + 48, e0);
    Guarda(s + 56, e1);
}

// The terms of columns J..fimJ − 1 (all before the band) for the `linhas` rows of the
// band of one block: row r of the band is banda + r·passo, its sums s + r·Bloco.
template <int Filas>
__attribute__((always_inline)) inline void Ladrilho(const double* banda, std::size_t passo, int linhas,
                                                    const double* ds, int J, int fimJ, double* s) {
    int r = 0;
    if constexpr (Filas == 4)
        for (; r + 3 < linhas; r += 4) SomaQuatroLinhas(banda + r * passo, passo, ds, J, fimJ, s + r * Bloco);
    for (; r + 1 < linhas; r += 2)
        SomaDuasLinhas(banda + r * passo, banda + (r + 1) * passo, ds, J, fimJ, s + r * Bloco, s + (r + 1) * Bloco);
    if (r < linhas) SomaLinha(banda + r * passo, ds, J, fimJ, s + r * Bloco);
}

// Built for AVX-512 and AVX2 (without fused multiply-add, so the results do not
// change) besides the baseline, and chosen once by the processor.
__attribute__((target("avx512f"))) void LadrilhoAvx512(const double* banda, std::size_t passo, int linhas,
                                                       const double* ds, int J, int fimJ, double* s) {
    Ladrilho<4>(banda, passo, linhas, ds, J, fimJ, s);
}
__attribute__((target("avx2"))) void LadrilhoAvx2(const double* banda, std::size_t passo, int linhas,
                                                  const double* ds, int J, int fimJ, double* s) {
    Ladrilho<2>(banda, passo, linhas, ds, J, fimJ, s);
}
void LadrilhoBase(const double* banda, std::size_t passo, int linhas, const double* ds, int J, int fimJ, double* s) {
    Ladrilho<2>(banda, passo, linhas, ds, J, fimJ, s);
}
using FuncaoLadrilho = void (*)(const double*, std::size_t, int, const double*, int, int, double*);
FuncaoLadrilho EscolheLadrilho() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) return LadrilhoAvx512;
    if (__builtin_cpu_supports("avx2")) return LadrilhoAvx2;
    return LadrilhoBase;
}
// Chosen at the first solve, not at start-up.
FuncaoLadrilho SomaLadrilhoEscolhida() {
    static const FuncaoLadrilho escolhida = EscolheLadrilho();
    return escolhida;
}

// The band's own triangle, row after row: the terms of the band's earlier rows, then the
// increment of each node (zero for a node whose history ended), in place of its strain.
// The clones are chosen by a resolver that runs while the program is loaded, before the
// thread sanitizer's runtime is up, which it kills: under that sanitizer, the baseline.
#if defined(__SANITIZE_THREAD__)
#define NORVIK_SEM_CLONES
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define NORVIK_SEM_CLONES
#endif
#endif
#ifndef NORVIK_SEM_CLONES
__attribute__((target_clones("avx512f", "avx2", "default")))
#endif
void ResolveDiagonal(const double* banda, std::size_t passo, int I, int linhas, const int* horas, double* ds,
                     double* s) {
    for (int r = 0; r < linhas; ++r) {
        const int i = I + r;
        const double* linha = banda + r * passo;
        double* si = s + r * Bloco;
        SomaLinha(linha, ds, I, i, si);
        const double diagonal = linha[i];
        double* di = ds + static_cast<std::size_t>(i) * Bloco;
        for (int b = 0; b < Bloco; ++b) di[b] = i < horas[b] ? (di[b] - si[b]) / diagonal : 0.0;
    }
}

// Whether every entry is a finite number, in one pass without branches.
bool TodasFinitas(const double* v, int n) {
    constexpr std::uint64_t Expoente = 0x7ff0000000000000ull;
    std::uint64_t ruins = 0;
    for (int k = 0; k < n; ++k) {
        std::uint64_t bits;
        std::memcpy(&bits, v + k, sizeof bits);
        ruins |= static_cast<std::uint64_t>((bits & Expoente) == Expoente);
    }
    return ruins == 0;
}

}  // namespace

TSuperposicao::TSuperposicao(const std::vector<int>& horas) : horas_(horas) {
    for (int h : horas_) ordem_ = std::max(ordem_, h);
    blocos_ = (Nos() + Bloco - 1) / Bloco;
    valores_ = std::make_unique_for_overwrite<double[]>(static_cast<std::size_t>(blocos_) *
                                                        static_cast<std::size_t>(ordem_) * Bloco);
}

TSuperposicao::Falha TSuperposicao::Resolve(const FonteFluencia& fonte, int fios, const Ladrilhos& ladrilhos,
                                            const std::function<void(int)>& aviso) {
    const int R = std::max(ladrilhos.Linhas, 1);
    const int C = std::max(ladrilhos.Colunas, 1);
    fios = std::clamp(fios, 1, std::max(blocos_, 1));
    const std::size_t passo = static_cast<std::size_t>(ordem_);
    const FuncaoLadrilho SomaLadrilho = SomaLadrilhoEscolhida();

    // Hours of each node of each block (0 past the last node), and of the block.
    std::vector<int> horas(static_cast<std::size_t>(blocos_) * Bloco, 0);
    std::vector<int> horasBloco(static_cast<std::size_t>(blocos_), 0);
    for (int no = 0; no < Nos(); ++no) {
        horas[static_cast<std::size_t>(no)] = Horas(no);
        auto& hb = horasBloco[static_cast<std::size_t>(no / Bloco)];
        hb = std::max(hb, Horas(no));
    }

    // Two bands: the next one is computed while another thread may still be summing
    // with the current one, so a single meeting per band keeps them apart.
    const std::size_t tamanhoBanda = static_cast<std::size_t>(R) * passo;
    std::unique_ptr<double[]> bandas[2] = {std::make_unique_for_overwrite<double[]>(tamanhoBanda),
                                           std::make_unique_for_overwrite<double[]>(tamanhoBanda)};
    // The running sums of each block's rows of the current band.
    std::vector<double> somas(static_cast<std::size_t>(blocos_) * static_cast<std::size_t>(R) * Bloco);
    // Each thread's first failure in the band's rows it computed, also kept in turns of two.
    std::vector<Falha> falhas[2] = {std::vector<Falha>(static_cast<std::size_t>(fios)),
                                    std::vector<Falha>(static_cast<std::size_t>(fios))};
    std::barrier<> encontro(fios);
    std::atomic<bool> parar{false};
    std::exception_ptr erro;
    Falha resultado;

    auto trabalho = [&](int fio) {
        for (int I = 0, k = 0; I < ordem_; I += R, ++k) {
            const int fimI = std::min(I + R, ordem_);
            double* banda = bandas[k % 2].get();

            // The band's compliance entries, rows taken in turn by the threads.
            Falha& minha = falhas[k % 2][static_cast<std::size_t>(fio)];
            minha = {};
            for (int i = I + fio; i < fimI; i += fios) {
                double* linha = banda + static_cast<std::size_t>(i - I) * passo;
                fonte.Trecho(i, 0, i + 1, linha);
                if (minha.Houve || TodasFinitas(linha, i + 1)) continue;
                for (int j = 0; j <= i; ++j)
                    if (!std::isfinite(linha[j])) {
                        minha = {true, i, j};
                        break;
                    }
            }
            if (fios > 1) encontro.arrive_and_wait();
            if (parar.load(std::memory_order_relaxed)) return;
            Falha primeira;
            for (const Falha& f : falhas[k % 2])
                if (f.Houve && (!primeira.Houve || f.Linha < primeira.Linha)) primeira = f;
            if (primeira.Houve) {
                if (fio == 0) resultado = primeira;
                return;
            }

            // This thread's blocks: the columns before the band tile after tile, in
            // increasing j, then the band's own triangle.
            for (int b = fio; b < blocos_; b += fios) {
                double* s = somas.data() + static_cast<std::size_t>(b) * static_cast<std::size_t>(R) * Bloco;
                std::fill(s, s + static_cast<std::size_t>(R) * Bloco, 0.0);
            }
            for (int J = 0; J < I; J += C) {
                const int fimJ = std::min(J + C, I);
                for (int b = fio; b < blocos_; b += fios) {
                    const int fimB = std::min(fimI, horasBloco[static_cast<std::size_t>(b)]);
                    if (fimB <= I) continue;
                    SomaLadrilho(banda, passo, fimB - I, valores_.get() + static_cast<std::size_t>(b) * passo * Bloco,
                                 J, fimJ, somas.data() + static_cast<std::size_t>(b) * static_cast<std::size_t>(R) * Bloco);
                }
            }
            for (int b = fio; b < blocos_; b += fios) {
                const int fimB = std::min(fimI, horasBloco[static_cast<std::size_t>(b)]);
                if (fimB <= I) continue;
                ResolveDiagonal(banda, passo, I, fimB - I, horas.data() + static_cast<std::size_t>(b) * Bloco,
                                valores_.get() + static_cast<std::size_t>(b) * passo * Bloco,
                                somas.data() + static_cast<std::size_t>(b) * static_cast<std::size_t>(R) * Bloco);
            }

            if (fio == 0 && aviso) {
                try {
                    aviso(fimI);
                } catch (...) {
                    erro = std::current_exception();
                    parar.store(true, std::memory_order_relaxed);
                    if (fios == 1) return;
                }
            }
        }
    };

    std::vector<std::jthread> outras;
    try {
        for (int f = 1; f < fios; ++f) outras.emplace_back(trabalho, f);
    } catch (...) {
        // A thread that could not start: the others are let through their first meeting
        // (for the missing ones and this one) and stop there.
        parar.store(true, std::memory_order_relaxed);
        for (int f = static_cast<int>(outras.size()) + 1; f <= fios; ++f) (void)encontro.arrive();
        throw;
    }
    trabalho(0);
    for (auto& t : outras) t.join();
    if (erro) std::rethrow_exception(erro);
    return resultado;
}
