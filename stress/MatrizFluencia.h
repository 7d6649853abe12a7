#pragma once
#include <cstddef>
#include <vector>

// Where the superposition takes its compliance entries from, a stretch of a row at a
// time: entry (i, j), 0 ≤ j ≤ i, counted from 0, is J at age i + 1 hours of a unit
// stress applied at age j + 1 hours (1/MPa).
class FonteFluencia {
public:
    // saida[k] = entry (i, j0 + k) for j0 + k < j1 ≤ i + 1.
    virtual void Trecho(int i, int j0, int j1, double* saida) const = 0;

protected:
    ~FonteFluencia() = default;
};

// Lower-triangular compliance matrix of order H, stored as its triangle row after row.
// At 5000 hours it takes 100 MB: the stress run computes its entries tile by tile
// instead; a stored triangle serves the tests of the superposition.
class TMatrizFluencia : public FonteFluencia {
public:
    TMatrizFluencia() = default;
    explicit TMatrizFluencia(int ordem);

    int Ordem() const { return ordem_; }
    const double* Linha(int i) const { return valores_.data() + Inicio(i); }
    double* Linha(int i) { return valores_.data() + Inicio(i); }
    double operator()(int i, int j) const { return Linha(i)[j]; }

    void Trecho(int i, int j0, int j1, double* saida) const override;

private:
    static std::size_t Inicio(int i) { return static_cast<std::size_t>(i) * static_cast<std::size_t>(i + 1) / 2; }
    int ordem_ = 0;
    std::vector<double> valores_;
};
