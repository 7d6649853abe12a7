#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/DadosModelo.h"
#include "core/Historico.h"
#include "core/Processo.h"
#include "core/Progresso.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

class PintorElemento;

// What a feature asks of a run.
struct OpcoesAnalise {
    std::optional<TFormulacao> Formulacao;  // overrides the problem's own
    bool Tensoes = false;                   // the stress analysis on the complete thermal history
    // Threads of the stress run: 0, as many as pay; a study, whose cases already
    // share the cores, runs each case's stresses on its own thread (1).
    int LinhasTensoes = 0;
    ObservadorPasso* Observador = nullptr;  // sees every step of the thermal run
    PintorElemento* Pintor = nullptr;       // receives the member's final state (the colour map)
    // The thermal summary with this temperature limit (°C), when given.
    std::optional<double> LimiteResumo;
    // The cracking index with this curve and limit, when given and the stresses ran.
    struct ParametrosIndice {
        TCurvaTracao Curva = TCurvaTracao::Simples;
        double Limite = 1.0;
    };
    std::optional<ParametrosIndice> Indice;
    // With Tensoes and a layer with autogenous shrinkage: the stress run once more with
    // the shrinkage off (Analise::SemAutogena), so that its share of the largest tension shows.
    bool ParcelaAutogena = false;
    // The revision of the problem the run is made from (the windows' history counts
    // them); the result carries it.
    long Revisao = 0;
};

// The largest tension of a stress run: TracaoMaxima ≤ 0 (MPa, compression positive as
// the run writes it; 0 when nothing pulls), its node and hour.
struct TracaoMaximaRun {
    double Tracao = 0.0;
    int No = 0;
    int Hora = 0;
};

// One analysis of a problem, as numbers: the histories exactly as their tables print
// them, what the run said and why it ended, the summaries asked for, and the copy of
// the problem it was run from, as the run left it (its result fields written).
// Every feature runs a problem through Analise::Executa, so all see the same numbers;
// the windows' tables and the exports are text made from these.
struct Analise {
    std::unique_ptr<TDadosModelo> Dados;   // the problem copy, after the runs
    HistoricoNumerico Temperaturas;        // °C, rounded to 0,01
    ResultadoTransiente Termico;           // the messages and why the run ended
    int AtivosTermico = 0;                 // active elements at the end of the thermal run
    bool ComTensoes = false;
    HistoricoNumerico Tensoes;             // MPa, rounded to 0,0001
    std::string MensagemTensoes;           // the message of the largest tension
    std::optional<TResumoTermico> Resumo;
    std::optional<TIndiceFissuracao> Indice;
    std::optional<TracaoMaximaRun> SemAutogena;  // OpcoesAnalise::ParcelaAutogena, when some layer has it
    long Revisao = 0;                      // of the problem it was run from (OpcoesAnalise::Revisao)

    // Runs a copy of `problema`, which is never changed. With Tensoes, refuses before
    // the thermal run what the stress analysis cannot analyse, and refuses an incomplete
    // thermal run with ErroEntrada (the stress analysis needs one). Raises what the runs
    // and the summaries raise.
    static Analise Executa(const TDadosModelo& problema, const OpcoesAnalise& opcoes, Progresso& progresso);
    // The same on a copy the caller hands over (no second copy of its tables).
    static Analise Executa(std::unique_ptr<TDadosModelo> copia, const OpcoesAnalise& opcoes, Progresso& progresso);
    // Reads the project file and runs it.
    static Analise ExecutaArquivo(const std::string& caminho, const OpcoesAnalise& opcoes, Progresso& progresso);

    // The stress analysis alone on this analysis's temperatures, with the stress
    // parameters of `parametros` (the problem as it stands now, after this thermal run):
    // a copy of it becomes Dados. A failed stress run (ErroCalculo) keeps the nodes it
    // wrote in Tensoes; a refused one (ErroEntrada) leaves this analysis as it was.
    void ExecutaTensoes(const TDadosModelo& parametros, Progresso& progresso, int linhasExecucao = 0);

    // The largest tension of the stress run of `problema` on `temperaturas` with the
    // autogenous shrinkage of every layer off; nothing when no layer has it. `problema`
    // is not changed.
    static std::optional<TracaoMaximaRun> SemRetracaoAutogena(const TDadosModelo& problema,
                                                              const HistoricoNumerico& temperaturas,
                                                              int linhasExecucao = 0);

    // The fields a thermal run writes into its problem (the element table, the state of
    // the member at its end, the maximum, the colour scale, TermicoCompleto), copied from `de` into `para`;
    // the input fields of `para` stay as they are.
    static void CopiaResultadosTermicos(const TDadosModelo& de, TDadosModelo& para);
    // The same for the fields a stress run writes (the tension extremum, ModuloRef).
    static void CopiaResultadosTensoes(const TDadosModelo& de, TDadosModelo& para);
};
