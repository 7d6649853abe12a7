#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Historico.h"

// Site measurements against the computed history. The sensors file is text: a header
// naming the clock column and each sensor with its height in metres from the bottom of
// the first concrete layer, "T1 (0,5 m)" or "T1 @ 0,5", then one row per reading. The
// first column is the hour of the analysis clock or, with an origin given (the date
// and time of hour 0), a date and time "AAAA-MM-DD HH:MM[:SS]" or "DD/MM/AAAA HH:MM[:SS]".
// Cells are separated by ';' or a tab (then either decimal comma or point) or by ','
// (then only the decimal point); an empty cell is a missing reading.
namespace Medicoes {

// ErroEntrada naming the line and column of what is wrong.
std::vector<TSensor> LeTexto(const std::string& texto, const std::string& origem = "");
std::vector<TSensor> LeArquivo(const std::string& caminho, const std::string& origem = "");

// Hours since 1970-01-01 00:00 of a date and time in one of the two forms above.
double HorasDataHora(const std::string& texto);

// Height of a node above the bottom of the first concrete layer, for the layout of
// `dados` (node n of layer L at XIni(L) + k·Espessura(L)/NElemCamada).
double AlturaNo(const TDadosModelo& dados, int no);

// The computed temperature at `altura` and `hora`: linear between the two nodes around
// the height and between the two rows around the hour. Nothing when the height is
// outside the member or a cell needed is empty (a layer not yet placed) or the hour is
// outside the table.
std::optional<double> Calculada(const TDadosModelo& dados, const HistoricoNumerico& tabela, double altura, double hora);

// The computed curve at a height: (hour, °C) at every row where it exists.
std::vector<TLeitura> CurvaCalculada(const TDadosModelo& dados, const HistoricoNumerico& tabela, double altura);

struct Comparacao {
    int Pontos = 0;      // readings with a computed value, up to the hour given
    double RMS = 0.0;    // °C, root mean square of measured − computed
};
Comparacao Compara(const TDadosModelo& dados, const HistoricoNumerico& tabela, const TSensor& sensor,
                   double ateHora = 1e300);

}  // namespace Medicoes
