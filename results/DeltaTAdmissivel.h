#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

// Allowable core-to-surface difference of the top lift at each hour of the summary:
//   ΔT_adm(t) = f_t(t) / (E(t)·α·K)
// f_t the chosen tensile strength curve z/(a + b·z) at the lift's age z (days), E(t)
// the instantaneous modulus 1/J(t, t) of the chosen creep model (MPa), α the lift's
// expansion coefficient (1/°C) and K the restraint factor of a surface gradient
// (default 0,42; docs/modelos.md gives the source). It grows as the concrete gains
// strength faster than stiffness.
struct TDeltaTAdmissivel {
    struct Ponto {
        double hora = 0.0;
        double valor = 0.0;
    };
    static constexpr double KPadrao = 0.42;

    double K = KPadrao;
    std::vector<Ponto> Admissivel;  // (hour, ΔT_adm) beside every point of the computed difference
    std::vector<Ponto> Excede;      // (hour, computed difference) where it is above ΔT_adm

    // ErroEntrada when the creep model or the strength curve is missing, or K is not positive.
    static TDeltaTAdmissivel Calcula(const TDadosModelo& dados, const TResumoTermico& resumo, TCurvaTracao curva,
                                     double K = KPadrao);

    // The lift on top of the stack in the row of hour `hora` (0 before layer 1 is placed).
    static int CamadaNoTopo(const TDadosModelo& dados, double hora);

    // "Diferença acima da admissível em N horas (de H1 a H2)…" or that it never is.
    std::string Linha() const;
};
