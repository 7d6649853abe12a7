#pragma once
#include "core/DadosModelo.h"
#include "core/Historico.h"

// Receives each active element of the final state (the colour map implements it).
class PintorElemento {
public:
    virtual ~PintorElemento() = default;
    virtual void DesenhaElemento(int e, int m, double tInferior, double tSuperior, double tMaxEscala,
                                 double tMinEscala, double alturaMembro,
                                 const std::array<TCamada, MaxElementos + 1>& elementos) = 0;
};

class TPosProcesso {
public:
    // Largest (smallest) of vetor1[1..k] (1-based, slot 0 unused); vetor1[1] when
    // k < 2. Ties keep the first.
    static double MaximoVetor(const double* vetor1, int k);
    static double MinimoVetor(const double* vetor1, int k);

    // Widens TMaxEscala/TMinEscala over the rows of `historico` that hold a written
    // step, then hands every active element of the final state to `pintor`.
    static void PosProcessa(TDadosModelo& dados, const HistoricoNumerico& historico, PintorElemento* pintor);
};
