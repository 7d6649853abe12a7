#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/DadosModelo.h"
#include "core/Processo.h"
#include "core/Progresso.h"
#include "core/TabelaTexto.h"

// A whole run of a problem without windows, as the run commands do it: the thermal
// analysis and, when asked, the stress analysis on its complete history. The batch
// tool, the verification, the report and the comparison of two projects all run a
// problem through here, so they all see the same numbers.
struct OpcoesExecucao {
    std::optional<TFormulacao> Formulacao;  // overrides the problem's own
    bool Tensoes = false;
    // Threads of the stress run: 0, as many as pay; a study, whose cases already
    // share the cores, runs each case's stresses on its own thread (1).
    int LinhasTensoes = 0;
    ObservadorPasso* Observador = nullptr;  // sees every step of the thermal run
};

struct TExecucaoProjeto {
    std::unique_ptr<TDadosModelo> Dados;   // the state after the runs
    TabelaTexto Temperaturas;
    ResultadoTransiente Termico;
    int AtivosTermico = 0;                 // active elements of the thermal table
    bool ComTensoes = false;
    TabelaTexto Tensoes;
    std::string MensagemTensoes;           // the message of the largest tension
};

namespace ExecucaoProjeto {

// Runs the problem held in `dados` (which it takes). With Tensoes, refuses before
// the thermal run what the stress analysis cannot analyse, and refuses an
// incomplete thermal run with ErroEntrada (the stress analysis needs one).
TExecucaoProjeto Executa(std::unique_ptr<TDadosModelo> dados, const OpcoesExecucao& opcoes, Progresso& progresso);

// Reads the project file and runs it.
TExecucaoProjeto ExecutaArquivo(const std::string& caminho, const OpcoesExecucao& opcoes, Progresso& progresso);

}  // namespace ExecucaoProjeto
