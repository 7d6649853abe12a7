#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Historico.h"
#include "results/ResumoTermico.h"

// Two runs side by side, for the "Comparar com..." of the charts and for the
// report: the peak temperature, the largest core-to-surface difference of a lift
// and, when both have a stress run, the lowest cracking index.
struct TComparacaoProjetos {
    // The figures of one run.
    struct Figuras {
        std::string Nome;         // as the table heads it (the project's file name)
        bool Vazio = true;        // no row of its temperature table could be read
        double TMaxima = 0.0;     // °C
        int NoTMax = 0;
        double AlturaTMax = 0.0;  // m, height of that node
        double HoraTMax = 0.0;    // h
        int CamadaDif = 0;        // 0: no concrete lift was ever on top
        double DifMaxima = 0.0;   // °C
        double HoraDif = 0.0;     // h
        std::optional<double> IndiceMinimo;  // with a stress run that had tension
        int NoIndice = 0;
        double HoraIndice = 0.0;
    };

    // What a run gives the comparison. `tensoes` is null without a stress run.
    struct Execucao {
        std::string Nome;
        const TDadosModelo* Dados = nullptr;
        const HistoricoNumerico* Temperaturas = nullptr;
        const HistoricoNumerico* Tensoes = nullptr;
    };

    Figuras A, B;

    // Reads both runs (the summary's rules for the thermal figures, direct tension for
    // the index when the strengths are entered; without them the index is left out).
    // Errors of reading (ErroConversao) pass through.
    static TComparacaoProjetos Calcula(const Execucao& a, const Execucao& b);
    static Figuras FigurasDe(const Execucao& e);

    // One row per figure: name, value of A, value of B and B − A, the numbers with
    // the decimal comma ("—" where a run has no such figure).
    struct Linha {
        std::string Grandeza, ValorA, ValorB, Diferenca;
    };
    std::vector<Linha> Linhas() const;
    // The same as aligned text (UTF-8, "\n").
    std::string Texto() const;
};
