#pragma once
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "estudos/Estudo.h"

// Runs the cases of a study on every core and writes one row per case. Each case is
// built, run and summarised on its own copy of the problem; the rows come out in the
// order of the cases whatever thread ran them.
struct TResultadoCaso {
    std::vector<double> Valores;  // of the study's variations, in their order
    bool Ok = false;              // false: Erro says why the case did not run
    std::string Erro;
    double TMaxima = 0.0;         // °C, as the temperature table prints it
    double HorasAcima = 0.0;      // h, of the node longest at or above the limit
    double DifMaxima = 0.0;       // °C, largest core-to-surface difference
    bool ComTensoes = false;
    double TracaoMaxima = 0.0;    // MPa, positive in tension (as the run's message)
    bool ComIndice = false;       // some node in tension
    double IndiceMinimo = 0.0;
    bool Atende = false;          // passes every limit of the study
};

struct TResultadoEstudo {
    std::vector<TResultadoCaso> Casos;
    bool ComTensoes = false;
    bool Cancelado = false;  // stopped before every case ran: Casos holds only those that ran
};

struct OpcoesEstudo {
    int Threads = 0;                               // 0: every core
    std::atomic<bool>* Cancela = nullptr;          // set by another thread to stop
    std::atomic<long long>* Feitos = nullptr;      // cases finished so far, for a progress bar
    // Only the cases [Inicio, Fim) of the study's order (one share of it); Fim < 0: to the end.
    long long Inicio = 0;
    long long Fim = -1;
};

namespace RodaEstudo {

// One case: its problem, the thermal run and, when the base has them, the stresses,
// all on the calling thread (a study runs its cases side by side).
// A refused or failed case comes back with Ok false and the message.
TResultadoCaso RodaCaso(const TEstudo& estudo, const std::vector<double>& valores);
// The same in `area`, a state the caller keeps between its cases (allocated when empty).
TResultadoCaso RodaCaso(const TEstudo& estudo, const std::vector<double>& valores,
                        std::unique_ptr<TDadosModelo>& area);

TResultadoEstudo Roda(const TEstudo& estudo, const OpcoesEstudo& opcoes = {});

// The columns (with their units) and the printed cells of a case, as in the CSV.
std::vector<std::string> Colunas(const TEstudo& estudo, bool comTensoes);
std::vector<std::string> Celulas(const TEstudo& estudo, const TResultadoCaso& caso, bool comTensoes);
// Index of the first output column (after the parameters and before "Atende").
inline int PrimeiraSaida(const TEstudo& estudo) { return static_cast<int>(estudo.Variacoes.size()); }

// UTF-8 with BOM, ';' between cells, decimal comma, CR LF.
std::string Csv(const TEstudo& estudo, const TResultadoEstudo& resultado);
void GravaCsv(const std::string& caminho, const TEstudo& estudo, const TResultadoEstudo& resultado);

}  // namespace RodaEstudo
