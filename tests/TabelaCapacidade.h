#pragma once
// A temperature table at the capacity of the state (5000 hours by 300 nodes), laid
// out as the thermal run writes it, for the measures of the exports.
#include <string>

#include "core/Numeros.h"
#include "core/TabelaTexto.h"

inline TabelaTexto TabelaCapacidade(int t0 = 0) {
    constexpr int nos = 300;
    constexpr int horas = 5000;
    TabelaTexto t(nos + 1, horas + 1);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c <= nos; ++c) t.Celula(c, 0) = "    Nó " + std::to_string(c);
    for (int r = 1; r <= horas; ++r) {
        t.Celula(0, r) = std::to_string(t0 + r);
        for (int c = 1; c <= nos; ++c) t.Celula(c, r) = Numeros::FormataFixo(20.0 + 0.01 * ((r * 7 + c) % 4000), 7, 2);
    }
    return t;
}
