#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"

// Figures of a thermal-control plan read back from the temperature history (column 0
// the hour, column n node n, "%7.2f" cells with the decimal comma): the peak, the
// largest difference between the hottest point and the top face, and the hours each
// node spends at or above a temperature limit.
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

    bool Vazio = true;  // no row of the table could be read

    // The peak of the run's message (TMaxima, NoTMax, TempoTMax) after a complete run: the
    // table's two decimals may tie it with an earlier hour. Without a complete run, the
    // table's first highest cell (earliest hour, then lowest node).
    double TMaxima = 0.0;  // °C
    int NoTMax = 0;
    double HoraTMax = 0.0;  // absolute hour

    // Largest Tquente − Ttopo at one hour, °C, its hour and the two nodes.
    double DifMaxima = 0.0;
    double HoraDifMaxima = 0.0;
    int NoQuenteDif = 0;
    int NoTopoDif = 0;
    std::vector<Ponto> Diferenca;  // (hour, Tquente − Ttopo) of every row read

    double Limite = 70.0;
    // Hours at or above the limit, per node (slot 0 unused); a row counts for the hours
    // since the row before it (the step length), the first for those since the first
    // placement.
    std::vector<double> HorasAcima;
    int NoPior = 0;  // most hours at or above the limit (lowest node on ties); 0 when none
    double HorasPior = 0.0;

    // Reads `tabela` for the member described by `dados`. A cell that is not empty and
    // not a number raises ErroConversao quoting it; rows with an empty cell are skipped.
    static TResumoTermico Calcula(const TDadosModelo& dados, const TabelaTexto& tabela, double limite);

    // Text for the screen and for the file (UTF-8, lines ended by "\n"); `comDiferencaPorHora`
    // adds the difference at every hour.
    std::string Texto(bool comDiferencaPorHora = true) const;
    // The file: Windows-1252, CR LF.
    std::string Bytes() const;
    // Written whole or not at all (ErroEntrada "Não foi possível salvar o arquivo").
    void Grava(const std::string& caminho) const;
};

namespace ResumoArquivo {
// UTF-8 text with "\n" line ends -> Windows-1252 with CR LF, the convention of the
// program's other text exports. Shared by the two summaries.
std::string Bytes(const std::string& textoUtf8);
}  // namespace ResumoArquivo
