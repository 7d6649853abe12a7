#pragma once
#include <string>
#include <vector>

#include "core/Cp1252.h"
#include "core/DadosModelo.h"
#include "core/Historico.h"

struct TResultadosSerpentinas;

// Figures of a thermal-control plan read back from the temperature history (column 0
// the hour, column n node n, "%7.2f" cells with the decimal comma): the peak, the
// largest difference between the hottest point of a lift and its exposed top face while
// it is the top lift, and the hours each node spends at or above a temperature limit.
//
// Only the nodes of layers already placed at each hour are looked at: the cells of
// the others hold zero or what an earlier run left there. The placement of each row
// follows the run's rule (the next layer enters at the start of the step that begins
// at its placement hour, one layer per step).
struct TResumoTermico {
    struct Ponto {
        double hora = 0.0;
        double valor = 0.0;
    };

    // One lift while it is the top lift: from the first row after its placement to the
    // row at the next lift's placement hour (or the end). Its nodes are those the stress
    // analysis gives it: the joint with the lift below belongs to the lift below, its own
    // top face to it. The difference is its hottest node less its top face node.
    struct DiferencaCamada {
        int Camada = 0;
        double DifMaxima = 0.0;  // °C, the largest over the rows while on top
        double Hora = 0.0;       // absolute hour of it (first row on ties)
        int NoQuente = 0;        // hottest node of the lift at that hour (lowest on ties)
        int NoTopo = 0;          // its top face
    };

    bool Vazio = true;  // no row of the table could be read

    // The table's highest cell among the placed nodes, as the table shows it (so a
    // prescribed face counts at its prescribed value); on ties the first in table
    // order: the earliest hour, then the lowest node.
    double TMaxima = 0.0;  // °C
    int NoTMax = 0;
    double HoraTMax = 0.0;  // absolute hour

    // Every concrete lift that was the top lift in some row read, in placement order;
    // with "Fundação" layer 1 is the soil and is not a lift.
    std::vector<DiferencaCamada> Camadas;
    // The largest of them (the first in table order on ties); CamadaDif 0 when none.
    int CamadaDif = 0;
    double DifMaxima = 0.0;
    double HoraDifMaxima = 0.0;
    int NoQuenteDif = 0;
    int NoTopoDif = 0;
    std::vector<Ponto> Diferenca;  // (hour, difference of the top lift) of every row read with a concrete lift on top

    double Limite = 70.0;
    // Hours at or above the limit, per node (slot 0 unused); a row counts for the hours
    // since the row before it (the step length), the first for those since the first
    // placement.
    std::vector<double> HorasAcima;
    int NoPior = 0;  // most hours at or above the limit (lowest node on ties); 0 when none
    double HorasPior = 0.0;

    // What the figures owe to a protection removed an hour or less before the next
    // lift covers the top (one sentence per lift).
    std::vector<std::string> Avisos;
    // The plan size and side protections of a block of finite plan size (empty for a
    // member of unlimited plan, whose summary is as it always was).
    std::string Laterais;
    // What the cooling pipes of the run removed, one line; empty without pipes.
    std::string Serpentinas;

    // Reads `tabela` for the member described by `dados`. A cell that is not empty and
    // not a number raises ErroConversao quoting it; rows with an empty cell are skipped.
    static TResumoTermico Calcula(const TDadosModelo& dados, const HistoricoNumerico& tabela, double limite);

    // Text for the screen and for the file (UTF-8, lines ended by "\n"); `comDiferencaPorHora`
    // adds the difference at every hour.
    std::string Texto(bool comDiferencaPorHora = true) const;
    // The headline of the difference ("Maior diferença …" or why there is none), one line.
    std::string LinhaDiferenca() const;
    // The line of the cooling pipes from what a run of them recorded (empty: none ran).
    static std::string LinhaSerpentinas(const TResultadosSerpentinas& r);
    // What the figures mean, for the window's help (UTF-8, "\n").
    static std::string Definicao();
    // The file: Windows-1252, CR LF.
    std::string Bytes() const;
    // Written whole or not at all (ErroEntrada "Não foi possível salvar o arquivo").
    void Grava(const std::string& caminho) const;
};
