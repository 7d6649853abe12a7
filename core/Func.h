#pragma once
#include <array>
#include <memory>
#include <string>

#include "core/DadosModelo.h"
#include "core/Maturidade.h"
#include "core/Progresso.h"
#include "core/Resfriamento.h"
#include "core/ValoresSI.h"

// A tridiagonal matrix over nodes 1..n: Inf[i] = A[i][i-1], Diag[i] = A[i][i],
// Sup[i] = A[i][i+1]. The matrices of a bar of two-node elements are tridiagonal;
// every entry outside the band is zero.
struct TBanda {
    std::array<double, MaxNos + 2> Inf{};
    std::array<double, MaxNos + 2> Diag{};
    std::array<double, MaxNos + 2> Sup{};
    void Zera(int n);
};

// A node vector, 1-based (slot 0 unused).
using TVetorNos = std::array<double, MaxNos + 2>;

using TMatriz2 = std::array<std::array<double, 2>, 2>;

// The work arrays of one run: the working SI values, the element-to-layer map, the
// matrices and vectors of the step. Allocated once per run, reused by every step.
struct TTrabalhoTermico {
    TValoresSI SI;
    std::array<int, MaxElementos + 1> CamadaElemento{};  // layer of element e
    std::array<double, MaxElementos + 1> FElemento{};    // heat rate of element e at this step, W/m³
    TBanda K;            // conductivity
    TBanda C;            // capacity
    TBanda Sistema;      // C + θΔt·K + H
    TVetorNos Carga{};   // right-hand side
    TVetorNos TAnterior{};
    double HInf = 0.0;
    double HSup = 0.0;
    double TAmb = 0.0;
    double SolTopo = 0.0;  // W/m² of sun the top face absorbs this step (weather file only)
    // The sides of a block of finite plan size: whether this step lost heat through them
    // and each node's side conductance for the step, Δt·β·(its share of the elements'
    // length), J/(m²·°C). GLateral is written only when Lateral.
    bool Lateral = false;
    TVetorNos GLateral{};
    // Long-wave exchange with the sky this step (TContornoObra::FluxoCeuTopo): the flux
    // reaching the concrete besides HSup's, W/m², and the balance's split of the top.
    double CeuTopo = 0.0;
    double FracaoCeu = 0.0;
    double CeuAr = 0.0;
    TEstadoMaturidade Maturidade;  // equivalent ages of the elements whose heat follows them
    // The cooling pipes of the run (none: null) and the sink they put at each node in
    // the step, removed heat = ResfriamentoDiag[i]·T_i − ResfriamentoCarga[i] (J/m²).
    std::unique_ptr<TExecucaoResfriamento> Resfriamento;
    TVetorNos ResfriamentoDiag{};
    TVetorNos ResfriamentoCarga{};
};

struct TDiaHora {
    long long Dia = 0;
    long long Hora = 0;
};

struct TCoeficientes {
    double HInf = 0.0;
    double HSup = 0.0;
};

// The routines that build and solve the system of one time step. The equation of
// a step, with θ = 2/3 and Δt = PassoTempo·3600 s:
//   (C + θΔt·K + H)·T = (C − (1−θ)Δt·K)·Tprev + Δt·F + H·TAmb
// where H holds the stored convection coefficients (h·3600) times PassoTempo.
// Failures of the arithmetic raise ErroCalculo with what failed (the driver adds the hour).
class TFunc {
public:
    // DtExplicito = PassoTempo·(1/3)·3600, DtImplicito = PassoTempo·(2/3)·3600; Tempo += PassoTempo.
    static void AvancaTempo(TDadosModelo& dados);
    // Substep s of `subpassos` of the step that starts at `inicio`: the same with
    // PassoTempo/subpassos hours, Tempo = inicio + s·PassoTempo/subpassos (exactly
    // inicio + PassoTempo at the last one). One substep is AvancaTempo.
    static void AvancaSubpasso(TDadosModelo& dados, double inicio, int s, int subpassos);
    // Hours of the step or substep being computed (PassoTempo outside a run).
    static double HorasDoPasso(const TDadosModelo& dados);

    // Builds trabalho.Sistema and trabalho.Carga for time `t` (h) with `L` placed layers,
    // from trabalho.TAnterior.
    static void MontaSistema(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, double t);

    // Rebuilds dados.Elementos (lengths, starts, working material) for the L placed
    // layers and the element-to-layer map. A zero layer thickness raises ErroCalculo.
    static void DistribuiPropriedades(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L);

    // Internal heat and radiation loads into trabalho.Carga (the load F of the step).
    // The layers with the maturity heat take the heat of their elements' equivalent ages over the step.
    static void MontaVetorCarga(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t);

    // The consistent formulation's step: the same system with the mean rate of the
    // step (CalorMedioPasso) as load and the prescribed ends as constraints
    // (ImpoeTemperaturasPrescritas).
    static void MontaSistemaConsistente(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, double t);

    // Mean heat rate (W/m³) of a layer over ages x0..x1 hours after placement, so that
    // rate × Δt is the exact heat released in the step: the constant rate, the hourly
    // table's rates weighted by the part of each hour the step covers, or the
    // increment of the hydration curve's heat CalorCurva(x1) − CalorCurva(x0).
    static double CalorMedioPasso(const TDadosModelo& dados, const TValoresSI& si, int camada, double x0, double x1);

    // Heat released by the hydration curve up to age x (h), in kcal/m³ (the unit of
    // the curve's rate times one hour): Cc·E·exp(−b·ge^(−n)), zero at x ≤ 0. Its
    // derivative in x is TaxaCurva without the factor u.
    static double CalorCurva(double N, double Tr, double E, double C, double B, double x);

    // Replaces the rows of the prescribed end nodes by T = Tprescrita and moves the
    // known value to the right-hand side of the neighbour (the top end only once
    // every layer is placed, as in the classic overwrite). The band stays tridiagonal.
    static void ImpoeTemperaturasPrescritas(const TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, int n);

    // Temperature of the node shared by the concrete below and a new lift that keeps
    // the heat content 1ᵀ·C·T: the mean of the two temperatures weighted by the
    // capacities the node gathers, ρ·c·h/2 of the element below and of the element
    // above (h the element length of each layer). With no capacity at all it takes
    // the new lift's temperature.
    static double TemperaturaInterface(const TCamada& abaixo, const TCamada& nova, int elementosPorCamada,
                                       double tAbaixo);

    // Heat rate (W/m³) of a layer whose elements were placed `x` hours ago: its
    // constant rate, the stored hourly table at entry Trunc(x), or the hydration curve.
    static double CalorHidratacao(const TDadosModelo& dados, const TValoresSI& si, int camada, double x);

    // Hydration curve rate, W/m³, x > 0 hours after placement:
    //   Cc·E·n·b·ge^(−(1+n))·exp(−b·ge^(−n))·2^((x − Tr)/10)·u
    // Evaluated in logarithms when a term leaves double range (runs of years), so the
    // vanishing rate of old concrete comes out as a small number or zero.
    static double TaxaCurva(double N, double Tr, double E, double C, double B, double x, double u);

    // Equivalent age (h) after x hours: (10/ln 2)·2^(−Tr/10)·(2^(x/10) − 1).
    static double IdadeEquivalente(double Tr, double x);

    static TMatriz2 MatrizCondutividadeElemento(const TCamada& elemento);  // (k/h)·[[1,−1],[−1,1]]
    static TMatriz2 MatrizCapacidadeElemento(const TCamada& elemento);     // ρch/6·[[2,1],[1,2]]
    // Assemble elements 1..m over nodes 1..m+1.
    static void MontaMatrizCondutividade(const TDadosModelo& dados, int m, TBanda& K);
    static void MontaMatrizCapacidade(const TDadosModelo& dados, int m, TBanda& C);

    // Daily sinusoid: M + A·sin(2π·(t + 12 − c − d) / (2·(24 − d))).
    static double TemperaturaAmbiente(const TDadosModelo& dados, double t);
    // The air at t as the run takes it: the weather file, the constant or the daily cycle.
    static double TemperaturaAr(const TDadosModelo& dados, double t);

    // Day = Trunc(t/24 + 1); hour = Round((t/24 + 1 − day)·24), halves to even.
    static TDiaHora DiaHora(double t);

    // Bottom and top coefficients at time t with L placed layers (curing, day/night or constant).
    static TCoeficientes CoeficientesConveccao(const TDadosModelo& dados, const TValoresSI& si, double t, int L);

    // The coefficients of one step: the stored ones (h·3600, one hour of exchange)
    // times the hours of the step (HorasDoPasso).
    static TCoeficientes CoeficientesDoPasso(const TDadosModelo& dados, TCoeficientes porHora);

    // Adds H (the coefficients of the step) at nodes 1 and n of the system and H·TAmb to the load.
    static void AplicaConveccao(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t, int L, int n);

    // The loss through the sides of a block of finite plan size, implicit: each active
    // element loses β·(T − TAmb) per unit volume, β the site's PerdaLateral of its lift
    // (asked once per lift). Lumped, like the faces' H: node i gathers
    // G_i = Δt·Σ β_e·h_e/2 of its elements, added to the diagonal, and G_i·TAmb to the load.
    static void AplicaPerdaLateral(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t, int n);

    // Overwrites the prescribed end temperatures after the solve (the top one only
    // once every layer is placed).
    static void AplicaTemperaturasPrescritas(TDadosModelo& dados, int L);

    // Gaussian elimination with partial pivoting (a row is exchanged only for a
    // strictly larger magnitude) and back substitution, for n = m + 1 unknowns,
    // touching only the band (the exchanges widen the upper band by one). Gives the
    // same doubles as the dense elimination. Scans x[n], x[n−1], …, x[1] and raises
    // tMax/noTMax on a strictly greater value. The solution is written to x[1..n]
    // only when the whole solve succeeded; a zero pivot or a non-finite result raises
    // ErroCalculo. Reports progress per row.
    static void ResolveSistema(int m, const TBanda& A, const TVetorNos& b, double* x, double& tMax, int& noTMax,
                               Progresso& progresso);
};

// Status texts of the solver.
inline constexpr const char* TextoEliminacao = "Resolvendo Sistema Linear ...";
inline constexpr const char* TextoRetrosubstituicao = "Fazendo Retrosubstituição...";
