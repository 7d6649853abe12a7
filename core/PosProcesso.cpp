#include "core/PosProcesso.h"

double TPosProcesso::MaximoVetor(const double* vetor1, int k) {
    double m = vetor1[1];
    for (int i = 2; i <= k; ++i)
        if (vetor1[i] > m) m = vetor1[i];
    return m;
}

double TPosProcesso::MinimoVetor(const double* vetor1, int k) {
    double m = vetor1[1];
    for (int i = 2; i <= k; ++i)
        if (vetor1[i] < m) m = vetor1[i];
    return m;
}

void TPosProcesso::PosProcessa(TDadosModelo&, const TabelaTexto&, PintorElemento*) {}
