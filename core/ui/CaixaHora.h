#pragma once
#include "core/ui/CaixaInteira.h"

struct TDadosModelo;

// Chooser of an hour of the temperature history: a whole-number chooser (any number
// may be typed and is brought into the limits) whose limits are computed instants.
class TCaixaHora : public CaixaInteira {
public:
    using CaixaInteira::CaixaInteira;

    // Limits minimo..maximo (the upper one follows the lower when below it); with a
    // time step above one hour they move to the nearest computed instants and the
    // arrows step by PassoTempo.
    void DefineLimites(const TDadosModelo& dados, int minimo, int maximo);
};
