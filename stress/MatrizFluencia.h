#pragma once
#include <cstddef>
#include <vector>

class TAvaliadorFluencia;

// Lower-triangular compliance matrix of order H, stored as its triangle row after row:
// entry (i, j), 0 ≤ j ≤ i < H, is J at age i + 1 hours of a unit stress applied at age
// j + 1 hours (1/MPa). At 5000 hours it takes 100 MB, so it lives only for one run.
class TMatrizFluencia {
public:
    TMatrizFluencia() = default;
    explicit TMatrizFluencia(int ordem);

    int Ordem() const { return ordem_; }
    const double* Linha(int i) const { return valores_.data() + Inicio(i); }
    double* Linha(int i) { return valores_.data() + Inicio(i); }
    double operator()(int i, int j) const { return Linha(i)[j]; }

    // First entry, in the order rows then columns, that is not a finite number.
    struct Falha {
        bool Houve = false;
        int Linha = 0;   // i, counted from 0
        int Coluna = 0;  // j, counted from 0
    };
    // Fills every row from the evaluator, rows shared among `linhas` threads;
    // the entries do not depend on how they were shared.
    Falha Monta(const TAvaliadorFluencia& avaliador, int linhas);

private:
    static std::size_t Inicio(int i) { return static_cast<std::size_t>(i) * static_cast<std::size_t>(i + 1) / 2; }
    int ordem_ = 0;
    std::vector<double> valores_;
};
