#pragma once
#include <string>

#include "core/DadosModelo.h"
#include "core/Historico.h"
#include "core/Progresso.h"
#include "core/TabelaTexto.h"

class PintorElemento;
struct TTrabalhoTermico;

// How the system of one step is built and solved. The engine's own works on the
// band of the tridiagonal matrices, in the formulation of dados.Formulacao; the
// tests and the benchmark plug in the literal dense form of the classic step to
// compare with it.
class MetodoPasso {
public:
    virtual ~MetodoPasso() = default;
    // Builds the system at dados.Tempo with L placed layers from trabalho.TAnterior,
    // solves it into dados.Temperaturas (active nodes) and raises TMaxSolucao/NoTMax.
    virtual void MontaEResolve(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, Progresso& progresso) = 0;
};

// Watches a run step by step without changing it (the energy balance of the
// verification). Resolvido comes right after the solve of a step, before the classic
// overwrite of the prescribed ends, with the solved values in dados.Temperaturas;
// Passo at the end of the step, with its final values. The work arrays hold the
// matrices, loads and coefficients the step used.
class ObservadorPasso {
public:
    virtual ~ObservadorPasso() = default;
    virtual void Resolvido(const TDadosModelo& dados, const TTrabalhoTermico& trabalho) = 0;
    virtual void Passo(const TDadosModelo& dados, const TTrabalhoTermico& trabalho) = 0;
};

// Why a thermal run ended.
enum class FimTransiente {
    Completo,            // the last step reached TempoTotal exactly
    PassoPassaDoTotal,   // the next step would pass TempoTotal, which no step reaches
    SemDuracao,          // layer 1 is placed at TempoTotal itself: nothing to compute
    CamadaAposOTotal,    // layer 1 is placed after TempoTotal
};

// What a thermal run tells its caller.
struct ResultadoTransiente {
    bool Completo = false;   // the last step reached TempoTotal exactly
    FimTransiente Motivo = FimTransiente::PassoPassaDoTotal;
    double TempoFinal = 0.0; // Tempo of the last step written to the history
    std::string Mensagem;    // the maximum-temperature message; empty when not complete
};

// The transient thermal analysis.
class TProcesso {
public:
    // Refuses, before any arithmetic, input beyond the capacities of the state
    // (nodes, layers, hours of the hourly table, time step), and physically impossible
    // values (Validacao::ValidaProblema), with ErroEntrada.
    static void ValidaEntrada(const TDadosModelo& dados);

    // Runs one analysis from the placement of layer 1 to TempoTotal, filling
    // `historico`. Raises ErroEntrada for refused input (the table untouched) and
    // ErroCalculo, naming what failed and the hour, when the arithmetic fails (no
    // non-finite value is written, no maximum reported); `pintor`, when given,
    // receives the final state; `observador`, when given, sees every step. The
    // stored input is not modified: the run works on SI copies of it. Sets
    // TermicoCompleto only when TempoTotal is reached.
    // Each temperature is written as the table prints it (Numeros::ArredondaFixo, 2).
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, HistoricoNumerico& historico,
                                                  Progresso& progresso, PintorElemento* pintor = nullptr,
                                                  ObservadorPasso* observador = nullptr);
    // The same, with another way of building and solving each step.
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, HistoricoNumerico& historico,
                                                  Progresso& progresso, PintorElemento* pintor,
                                                  MetodoPasso& metodo, ObservadorPasso* observador = nullptr);
    // The same, giving the history as its text (HistoricoNumerico::Texto): for callers that
    // only show or write the table.
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico,
                                                  Progresso& progresso, PintorElemento* pintor = nullptr,
                                                  ObservadorPasso* observador = nullptr);
    static ResultadoTransiente ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico,
                                                  Progresso& progresso, PintorElemento* pintor,
                                                  MetodoPasso& metodo, ObservadorPasso* observador = nullptr);

    // "A Temperatura Máxima de  41,24 Celcius ,ocorreu no Nó 7, transcorridos 30 horas."
    static std::string MensagemMaxima(double tMaxima, int noTMax, double tempoTMax);

    // Why a run that did not reach TempoTotal ended, in the words the main window
    // and the batch tool show; empty for a complete run.
    static std::string MensagemFim(const ResultadoTransiente& resultado, const TDadosModelo& dados);

    // Rows of the history table of a run (header included): one per computed step
    // (Instantes), with hourly steps up to the rounded TempoTotal.
    static int LinhasHistorico(const TDadosModelo& dados);
};
