#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "verificacao/BalancoEnergia.h"

struct Analise;

// The verification a user runs on a problem: the same problem again with twice the
// elements per layer (as many as the 300 nodes allow), with the time step refined (the
// consistent formulation with twice the substeps; a classic step does not divide, so
// its reference is the consistent formulation) and in the other formulation, to see
// which of them moves the verdict; and the energy balance of the run.
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
        TFormulacao Formulacao = TFormulacao::Classica;
        int Subpassos = 1;
        bool TemIndice = false;    // a stress run with the strengths found an index
        double IndiceMinimo = 0.0; // Tração Simples
        int NoIndice = 0;
    };

    TFormulacao Formulacao = TFormulacao::Classica;
    bool ComTensoes = false;
    Figuras Original;
    Figuras Refinada;
    bool Refinou = false;   // the mesh could be refined at all
    bool Limitada = false;  // the refinement stopped short of twice the elements (node capacity)
    Figuras Passo;          // the consistent formulation with twice the substeps
    Figuras Outra;          // the other formulation, same mesh and substeps
    std::string ErroPasso;  // why that run could not be made; empty when it was
    std::string ErroOutra;
    TBalancoEnergia Balanco;

    // A change of the peak or of the core-to-surface difference beyond this, in °C,
    // makes the result mesh dependent.
    static constexpr double LimiteMalha = 1.0;
    // The cracking index the verification reads (Tração Simples) and its limit.
    static constexpr double LimiteIndice = 1.0;
    // The peak or the difference moves by more than LimiteMalha, or the smallest index
    // lands on the other side of LimiteIndice.
    static bool Muda(const Figuras& de, const Figuras& para);
    bool DependeDaMalha() const;
    // What the refined step is compared with: the run itself, or the consistent one.
    const Figuras& BasePasso() const { return Formulacao == TFormulacao::Consistente ? Original : Outra; }
    bool DependeDoPasso() const;
    bool DependeDaFormulacao() const;

    // Runs the problem (a copy of `dados`, which is left as it is) four times. With
    // `tensoes`, each run also gets its stress analysis and, when the strengths are
    // given, the cracking index. Raises what the first two runs raise; a step or
    // formulation run that fails is reported, not raised.
    static TVerificacao Executa(const TDadosModelo& dados, bool tensoes, Progresso& progresso);


    // The report, for the window and the batch tool (UTF-8, "\n").
    std::string Texto() const;
    // The rows of the three checks, for the report: the check, the quantity, the figure
    // as the problem ran, as it changed, and the change.
    std::vector<std::array<std::string, 5>> Linhas() const;
    // The checks that could not be run, with why.
    std::vector<std::string> Notas() const;
    // The verdict sentence: which of mesh, step and formulation move the result.
    std::string Veredito() const;
};

// The figures of one analysis as the verification reads them (the thermal summary
// and, when the analysis has it, the cracking index).
TVerificacao::Figuras FigurasDaAnalise(const Analise& analise);
