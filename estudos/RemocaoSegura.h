#pragma once
#include <string>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "stress/IndiceFissuracao.h"

// The earliest safe removal of one protection of the top face of one lift: the first
// whole hour H after the lift's placement, from the protection's placement to its
// planned removal, such that with the protection taken off at H the cracking index of
// every node of the lift stays at or above the limit from the hour of removal to the
// end of the analysis. Each candidate is a complete thermal and stress run
// (ExecucaoProjeto) of the problem with only that hour changed.
struct TRemocaoSegura {
    int Camada = 0;
    int Protecao = 0;             // 1-based, in the lift's list
    std::string NomeProtecao;
    double Limite = 1.0;
    TCurvaTracao Curva = TCurvaTracao::Simples;
    double HoraPlanejada = 0.0;   // h after placement
    double IndicePlanejada = 0.0; // minimum index from the planned removal on
    bool Encontrada = false;
    int Hora = 0;                 // h after placement, when found
    double IndiceHora = 0.0;      // minimum index from that removal on
    int Analises = 0;             // runs made

    // The index of a run without tension in the lift is infinite: nothing can crack.
    static constexpr double SemTracao = 1e300;

    // `protecao` 0 chooses the protection of the lift that comes off last. Raises
    // ErroEntrada, before any run, when the lift has no protection, when the stress
    // analysis lacks its creep model or inputs, or when the strength curve is missing.
    static TRemocaoSegura Busca(const TDadosModelo& dados, int camada, int protecao, double limite,
                                TCurvaTracao curva, Progresso& progresso);

    // Minimum index of the nodes of `camada` at absolute hours ≥ `desde`.
    static double IndiceMinimo(const TIndiceFissuracao& indice, int camada, double desde);

    // The report, in lines (UTF-8, "\n").
    std::string Texto() const;
};
