#pragma once
#include <string>
#include <vector>

#include "estudos/RodaEstudo.h"

// A study's output over two of its parameters: one cell per pair of values. When other
// parameters vary too, a cell holds the worst of its cases (the highest temperature,
// hours, difference or tension; the lowest cracking index) and passes only when every
// one of its cases passes, so a cell marked as passing is safe whatever the others.
enum class TSaidaEstudo { TMaxima, HorasAcima, DifMaxima, TracaoMaxima, IndiceMinimo };

struct TMapaCalor {
    std::vector<double> X, Y;  // the values of the two parameters, in the study's order
    // Cell (i, j) at X[i], Y[j]: Tem false when none of its cases gave the output.
    struct Celula {
        bool Tem = false;
        double Valor = 0.0;
        bool Atende = false;
        int Casos = 0;
    };
    std::vector<Celula> Celulas;  // X.size() × Y.size(), i fastest
    double Minimo = 0.0, Maximo = 0.0;  // over the cells that have a value

    const Celula& Em(std::size_t i, std::size_t j) const { return Celulas[j * X.size() + i]; }

    // `vx` and `vy` are positions in estudo.Variacoes. ErroEntrada when they are the
    // same or out of range, or when the output needs the stresses the study did not run.
    static TMapaCalor Calcula(const TEstudo& estudo, const TResultadoEstudo& resultado, int vx, int vy,
                              TSaidaEstudo saida);
    // The column heading of an output ("Temperatura máxima (°C)").
    static std::string NomeSaida(const TEstudo& estudo, TSaidaEstudo saida);
    static bool PrecisaTensoes(TSaidaEstudo saida);
};
