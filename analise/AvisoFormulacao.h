#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Progresso.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

// The classic formulation's verdict checked against the consistent one: when a limit
// passes in one and fails in the other (the peak, a lift's core-to-surface difference,
// a node's cracking index), the summaries, the index window and the report say so in
// one warning, e.g. "O menor índice (0,625 no Nó 6, junta da camada 2) é da formulação
// clássica; na consistente é 1,410. Confira na formulação consistente."
struct TAvisoFormulacao {
    // One sentence per verdict that changes; empty when none does (or the problem does
    // not run the classic formulation).
    std::vector<std::string> Linhas;
    bool Vazio() const { return Linhas.empty(); }
    // The sentences, one a line ("\n"), the last followed by the advice; empty when Vazio.
    std::string Texto() const;

    // The verdicts of both formulations side by side. `membro` describes the nodes
    // (the problem as run); the index of either may be absent (no stress run); the
    // difference is judged only with a limit; without `termicos`, the index alone.
    static TAvisoFormulacao Compara(const TDadosModelo& membro, const TResumoTermico& classica,
                                    const TIndiceFissuracao* indiceClassica, const TResumoTermico& consistente,
                                    const TIndiceFissuracao* indiceConsistente,
                                    std::optional<double> limiteDiferenca, bool termicos = true);

    // Runs `problema` once more in the consistent formulation, through the same pipeline,
    // with the summary's limit and, when `indice` is given, the stresses and the index
    // with its curve and limit; then Compara. Nothing for a problem that runs the
    // consistent formulation, nor when the consistent run cannot be made (its own
    // run reports that).
    static TAvisoFormulacao Calcula(const TDadosModelo& problema, const TResumoTermico& resumo,
                                    const TIndiceFissuracao* indice, std::optional<double> limiteDiferenca,
                                    Progresso& progresso, bool termicos = true);

    // "Nó 6, junta da camada 2", "Nó 3, camada 1", "Nó 11, topo da camada 2".
    static std::string DescreveNo(const TDadosModelo& membro, int no);
};
