#pragma once
#include <atomic>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/DadosModelo.h"
#include "estudos/Estudo.h"
#include "results/CurvasTemperatura.h"

// The what-if panel: the problem with a few parameters of the study table moved (the
// levers), run as one study case, with what the panel shows. Nothing here touches the
// problem until the values are applied to it.
namespace AjusteRapido {

// A lever: a row of Estudo::Parametros() and the span of its slider.
struct TAlavanca {
    int Parametro = 0;
    double Atual = 0.0;   // as the problem has it
    double Minimo = 0.0;  // span of the slider
    double Maximo = 0.0;
    double Passo = 1.0;   // the slider's step; whole values for whole parameters
    // The only values it takes, ascending, when not every step would do (the lift
    // heights that divide the member's concrete); empty otherwise.
    std::vector<double> Opcoes;
};

// Every row of the table the panel may offer, in the order of the table.
std::vector<int> Conhecidas();

// The levers the panel offers for this problem, in the order of the table: those the
// problem has (the parameter's Cabe), the lift height and the interval only for a
// uniform member of more than one lift, and never the mesh or the pipes' on/off.
std::vector<TAlavanca> Alavancas(const TDadosModelo& problema);

// The trial of the levers at `valores` (row of the table, value): a study on the problem
// whose variations are the levers moved from the problem's values, one value each, with
// the limits a case must meet. A lever at the problem's value is left out, so that
// nothing the panel did not move is rewritten.
TEstudo Ensaio(std::shared_ptr<const TDadosModelo> problema, const std::vector<std::pair<int, double>>& valores,
               double limiteTemperatura, double limiteDiferenca, double limiteIndice);
// Its values, in the order of its variations.
std::vector<double> Valores(const TEstudo& ensaio);

struct TResultado {
    bool Ok = false;
    bool Cancelado = false;  // a newer trial asked it to stop: nothing below holds
    std::string Erro;        // why the trial did not run
    double TMaxima = 0.0;    // °C, as the temperature table prints it
    double DifMaxima = 0.0;  // °C, largest core-to-surface difference
    bool ComTensoes = false;
    bool ComIndice = false;  // some node in tension
    double IndiceMinimo = 0.0;
    bool AtendeTemperatura = false;
    bool AtendeDiferenca = false;
    bool AtendeIndice = true;  // without stresses or tension nothing to meet
    bool Atende = false;
    int NoMaisQuente = 0;    // the node of the peak
    int NoTopo = 0;          // the top face of the member
    std::vector<CurvasTemperatura::Ponto> CurvaMaisQuente;  // (hour, °C)
    std::vector<CurvasTemperatura::Ponto> CurvaTopo;
};

// Builds the trial's problem, runs it through the one pipeline (with the stresses and
// the index when the problem has their data) and reads the figures. `cancela`, set by
// another thread, stops it at the next step of either run.
TResultado Roda(const TEstudo& ensaio, const std::atomic<bool>* cancela = nullptr);

// Writes the trial's values into `problema` itself, as a case gets them.
void Aplica(const TEstudo& ensaio, TDadosModelo& problema);

}  // namespace AjusteRapido
