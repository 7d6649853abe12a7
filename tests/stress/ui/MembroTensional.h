#pragma once
// A member with a finished thermal history written by hand, so that the stress
// windows can be driven without the thermal run: 2 layers of 4 elements of 0,25 m,
// layer 1 placed at hour 6 and layer 2 at hour 30, TempoTotal 78 h (H1 = 72 rows).
#include <cmath>
#include <string>

#include "core/DadosModelo.h"
#include "core/Numeros.h"
#include "core/TabelaTexto.h"

namespace MembroTensional {

inline constexpr int Hora1 = 6;
inline constexpr int Hora2 = 30;
inline constexpr int Nos = 9;

// Heats during the first day of its concrete, then cools below the placement temperature.
inline double Temperatura(int no, int idade) {
    return 20.0 + 12.0 * (1.0 - std::exp(-idade / 8.0)) - 0.3 * idade + 0.1 * no;
}

inline void Prepara(TDadosModelo& d, TabelaTexto& temperaturas) {
    d.NCamadas = 2;
    d.NCamadasMembro = 2;
    d.NElemCamada = 4;
    d.NElemAtivos = 8;
    d.PassoTempo = 1;
    d.TempoTotal = 78;
    d.TermicoCompleto = true;
    for (int l = 1; l <= 2; ++l) {
        TCamada& c = d.Camadas[l];
        c.Espessura = 1.0;
        c.XIni = l - 1.0;
        c.Alfa = 1e-5;
        c.TInicial = 20.0;
        c.Ro = 2400;
        c.HoraConcretagem = l == 1 ? Hora1 : Hora2;
    }
    for (int e = 1; e <= 8; ++e) {
        TCamada& el = d.Elementos[e];
        el = d.Camadas[e <= 4 ? 1 : 2];
        el.Espessura = 0.25;
        el.XIni = (e - 1) * 0.25;
    }
    const int linhas = 78 - Hora1 + 1;
    temperaturas.Redimensiona(Nos + 1, linhas);
    temperaturas.Limpa();
    temperaturas.Celula(0, 0) = "  Tempo[h]";
    for (int n = 1; n <= Nos; ++n) temperaturas.Celula(n, 0) = "    Nó " + std::to_string(n);
    for (int r = 1; r < linhas; ++r) {
        temperaturas.Celula(0, r) = std::to_string(Hora1 + r);
        for (int n = 1; n <= Nos; ++n) {
            const int colocacao = n <= 5 ? Hora1 : Hora2;
            const int idade = Hora1 + r - colocacao;
            temperaturas.Celula(n, r) = Numeros::FormataFixo(idade > 0 ? Temperatura(n, idade) : 0.0, 7, 2);
        }
    }
}

// A stress table by hand, as the stress run lays it out: `valor(no, linha)` in "%7.4f"
// from the node's placement on, the cells before it empty.
template <class Valor>
void PreparaTensoes(TabelaTexto& tensoes, Valor valor) {
    const int linhas = 78 - Hora1 + 1;
    tensoes.Redimensiona(Nos + 1, linhas);
    tensoes.Limpa();
    tensoes.Celula(0, 0) = "  Tempo[h]";
    for (int n = 1; n <= Nos; ++n) tensoes.Celula(n, 0) = "    Nó " + std::to_string(n);
    for (int r = 1; r < linhas; ++r) {
        tensoes.Celula(0, r) = std::to_string(Hora1 + r);
        for (int n = 1; n <= Nos; ++n)
            if (n <= 5 || Hora1 + r > Hora2) tensoes.Celula(n, r) = Numeros::FormataFixo(valor(n, r), 7, 4);
    }
}

}  // namespace MembroTensional
