#pragma once
#include <string>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "verificacao/BalancoEnergia.h"

// The verification a user runs on a problem: the same problem again with twice the
// elements per layer (as many as the 300 nodes allow) to see whether the answer
// depends on the mesh, and the energy balance of the run.
struct TVerificacao {
    // Figures of one run, as the thermal summary reads them from the history.
    struct Figuras {
        int ElemCamada = 0;
        int Nos = 0;
        bool Completo = false;
        double TMaxima = 0.0;   // °C
        int NoTMax = 0;
        double HoraTMax = 0.0;
        bool TemDiferenca = false;
        double DifMaxima = 0.0;  // °C, core to top face
        int CamadaDif = 0;
        bool TemTracao = false;  // a stress run found a tension
        double TracaoMaxima = 0.0;  // MPa, positive
        int NoTracao = 0;
        int HoraTracao = 0;
    };

    TFormulacao Formulacao = TFormulacao::Classica;
    bool ComTensoes = false;
    Figuras Original;
    Figuras Refinada;
    bool Refinou = false;   // the mesh could be refined at all
    bool Limitada = false;  // the refinement stopped short of twice the elements (node capacity)
    TBalancoEnergia Balanco;

    // A change of the peak or of the core-to-surface difference beyond this, in °C,
    // makes the result mesh dependent.
    static constexpr double LimiteMalha = 1.0;
    bool DependeDaMalha() const;

    // Runs the problem (a copy of `dados`, which is left as it is) twice. With
    // `tensoes`, each run also gets its stress analysis. Raises what the runs raise.
    static TVerificacao Executa(const TDadosModelo& dados, bool tensoes, Progresso& progresso);

    // The report, for the window and the batch tool (UTF-8, "\n").
    std::string Texto() const;
};
