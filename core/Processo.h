#pragma once
#include <string>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "core/TabelaTexto.h"

class PintorElemento;
struct TTrabalhoTermico;

// How the system of one step is built and solved. The engine's own works on the
// band of the tridiagonal matrices; the tests and the benchmark plug in the
// literal dense form to compare with it.
class MetodoPasso {
public:
    virtual ~MetodoPasso() = default;
    // Builds the system at dados.Tempo with L placed layers from trabalho.TAnterior,
    // solves it into dados.Temperaturas (active nodes) and raises TMaxSolucao/NoTMax.
    virtual void MontaEResolve(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, Progresso& progresso) = 0;
};

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
    // `historico`. Raises ErroEntrada for refused input (the table untouched) and
    // ErroCalculo, naming what failed and the hour, when the arithmetic fails (no
    // non-finite value is written, no maximum reported); `pintor`, when given,
    // receives the final state. The stored input is not modified: the run works on
    // SI copies of it. Sets TermicoCompleto only when TempoTotal is reached.
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico,
                                                  Progresso& progresso, PintorElemento* pintor = nullptr);
    // The same, with another way of building and solving each step.
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico,
                                                  Progresso& progresso, PintorElemento* pintor,
                                                  MetodoPasso& metodo);

    // "A Temperatura Máxima de  41,24 Celcius ,ocorreu no Nó 7, transcorridos 30 horas."
    static std::string MensagemMaxima(double tMaxima, int noTMax, double tempoTMax);

    // Rows of the history table of a run (header included): one per step, and with
    // PassoTempo above 1 enough for the row of the last step, Round(t) − Round(t0).
    static int LinhasHistorico(const TDadosModelo& dados);
};
