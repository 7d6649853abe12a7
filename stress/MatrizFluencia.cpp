#include "stress/MatrizFluencia.h"

#include <algorithm>

TMatrizFluencia::TMatrizFluencia(int ordem)
    : ordem_(ordem), valores_(Inicio(ordem)) {}

void TMatrizFluencia::Trecho(int i, int j0, int j1, double* saida) const {
    std::copy(Linha(i) + j0, Linha(i) + j1, saida);
}
