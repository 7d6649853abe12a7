#pragma once
#include <string>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "core/TabelaTexto.h"

class PintorElemento;

// What a thermal run tells its caller.
struct ResultadoTransiente {
    bool Completo = false;   // the last step reached TempoTotal exactly
    double TempoFinal = 0.0; // Tempo of the last step written to the history
    std::string Mensagem;    // the maximum-temperature message; empty when not complete
};

// The transient thermal analysis.
class TProcesso {
public:
    // Refuses, before any arithmetic, input beyond the capacities of the state
    // (nodes, layers, hours of the hourly table, time step), with ErroEntrada.
    static void ValidaEntrada(const TDadosModelo& dados);

    // Runs one analysis from the placement of layer 1 to TempoTotal, filling
    // `historico`. Raises ErroEntrada for refused input and ErroCalculo when the
    // arithmetic fails; `pintor`, when given, receives the final state.
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico,
                                                  Progresso& progresso, PintorElemento* pintor = nullptr);
};
