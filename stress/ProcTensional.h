#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "core/TabelaTexto.h"
#include "stress/Superposicao.h"

class TMatrizFluencia;

// What a stress run tells its caller.
struct ResultadoTensional {
    bool Completo = false;
    // "A Tensão Máxima de Tração" … " horas." (UTF-8); empty when the run did not finish.
    std::string Mensagem;
};

// The thermal-stress analysis: each node's restrained thermal strain history becomes a
// stress history by step-by-step superposition with the creep compliance,
// ε(age i + 1) = Σ_{j ≤ i} J(age i + 1, age j + 1)·Δσ_j. Compression positive, MPa.
class TProcTensional {
public:
    // Refuses, with ErroEntrada and before anything is touched, a run that cannot be
    // made: no complete thermal run, a time step other than 1 hour, a history longer
    // than the 5000-hour arrays, no creep model, restraint on with H zero, a member
    // beyond the capacities or a temperature table that does not match it.
    static void ValidaEntrada(const TDadosModelo& dados, const TabelaTexto& temperaturas);
    // The same refusals that need no thermal run (all but the first and the last), so
    // that a caller can refuse before running the thermal analysis.
    static void ValidaParametros(const TDadosModelo& dados);

    // Runs the analysis over every node, rewriting `tensoes` (same shape as the
    // temperature table, "%7.4f") and the extremum fields of `dados`. Raises ErroEntrada
    // (refusals, nothing changed), ErroConversao (an unreadable temperature cell, nothing
    // changed) or ErroCalculo (a compliance or stress that is not a finite number: the
    // nodes before the failing one stay written). `linhasExecucao` is the number of
    // threads (0: as many as pay, at most 2) and `ladrilhos` the tiles of the
    // superposition; the results do not depend on either.
    static ResultadoTensional ProcessaTensional(TDadosModelo& dados, const TabelaTexto& temperaturas,
                                                TabelaTexto& tensoes, Progresso& progresso,
                                                int linhasExecucao = 0, const Ladrilhos& ladrilhos = {});

    // Layer of node n: the node between two layers belongs to the lower one.
    static int CamadaDoNo(const TDadosModelo& dados, int n);
    // Node n is the foundation's: with "Fundação" layer 1 is the soil the member rests on,
    // its top node included; it is held fully and is not concrete to be judged.
    static bool NoDaFundacao(const TDadosModelo& dados, int n);
    // Hours lived by the concrete of layer ℓ: Trunc(TempoTotal) − HoraConcretagem of ℓ.
    static int HorasCamada(const TDadosModelo& dados, int camada);
    // Factor applied to node n's strains: 1 without the ACI restraint and for layer 1
    // on a foundation, else FatorRestricao at the node's height above the base.
    static double CoefRestricaoNo(const TDadosModelo& dados, int n);

    // Forward substitution of several nodes against a stored triangle, as the run does
    // it: incrementos[b][i] = (ε_b[i] − Σ_{j<i} M(i, j)·Δσ_b[j]) / M(i, i), the sum taken
    // in increasing j for each node as a single-node solve would. Histories may be of
    // different lengths, none longer than the order of M.
    static std::vector<std::vector<double>> SubstituicaoProgressiva(
        const TMatrizFluencia& M, const std::vector<std::vector<double>>& deformacoes);

    // Running sum of the increments into stresses, keeping the tension extremum: a
    // stress after the first hour that is negative and strictly below `minimo` becomes
    // the new minimum and its age in hours (k + 1) goes to `hora`.
    static void AcumulaTensoes(std::vector<double>& tensoes, double& minimo, std::int32_t& hora);

    // The closing message for the extremum held in `dados`.
    static std::string MensagemTracao(const TDadosModelo& dados);
};
