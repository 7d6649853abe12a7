#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "stress/MatrizFluencia.h"

// Tiles of the superposition: the rows of a band, whose compliance entries are computed
// together just before the sums use them, and the columns of a tile, whose increments
// stay in the cache while the band's rows sum them. The results do not depend on them.
struct Ladrilhos {
    int Linhas = 64;
    int Colunas = 256;
};

// The forward substitution of every node of a member at once:
//   Δσ_i = (ε_i − Σ_{j<i} J(i, j)·Δσ_j) / J(i, i),
// each node's sum taken in increasing j, exactly as a single-node solve would, whatever
// the tiles and the threads. The compliance is computed band of rows by band of rows
// and shared by all the nodes, so the triangle (100 MB at 5000 hours) is never held.
class TSuperposicao {
public:
    // One history per node (counted from 0), horas[k] hours long.
    explicit TSuperposicao(const std::vector<int>& horas);

    int Nos() const { return static_cast<int>(horas_.size()); }
    int Horas(int no) const { return horas_[static_cast<std::size_t>(no)]; }
    // Order of the compliance the solve needs: the longest history.
    int Ordem() const { return ordem_; }
    // Before the solve, the strain of node `no` at age i + 1 hours; after it, the stress
    // increment there. Every strain of every node is written before the solve.
    double& operator()(int no, int i) { return valores_[Indice(no, i)]; }
    double operator()(int no, int i) const { return valores_[Indice(no, i)]; }

    // The first compliance entry, in the order rows then columns, that is not a finite
    // number; the solve stops at the band that holds it.
    struct Falha {
        bool Houve = false;
        int Linha = 0;   // i, counted from 0
        int Coluna = 0;  // j, counted from 0
    };
    // Solves on `fios` threads (the calling one among them). `aviso`, when given, is
    // called from the calling thread after each band with the rows solved so far; what
    // it raises stops the solve and is raised again here.
    Falha Resolve(const FonteFluencia& fonte, int fios, const Ladrilhos& ladrilhos = {},
                  const std::function<void(int)>& aviso = {});

    // Nodes side by side in the layout of the solve.
    static constexpr int Bloco = 16;

private:
    std::size_t Indice(int no, int i) const {
        const auto bloco = static_cast<std::size_t>(no / Bloco);
        return (bloco * static_cast<std::size_t>(ordem_) + static_cast<std::size_t>(i)) * Bloco +
               static_cast<std::size_t>(no % Bloco);
    }

    std::vector<int> horas_;
    int ordem_ = 0;
    int blocos_ = 0;
    // Block k holds nodes 16k..16k + 15, hour after hour: not zero-filled, as every entry
    // a solve reads is written first.
    std::unique_ptr<double[]> valores_;
};
