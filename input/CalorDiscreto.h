#pragma once
#include <array>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"

// The adiabatic temperature-rise curve of a layer's concrete turned into the
// hourly heat rates of its table, and the reading of such a curve from a text file.
namespace CalorDiscreto {

// One point of the curve as the grid holds it: time in days since placement and
// adiabatic temperature in °C, both as text with the decimal comma.
struct LinhaTexto {
    std::string tempo;
    std::string temperatura;
};

struct Resultado {
    int horasEscritas = 0;    // entries of the table written (within 1..MaxHoras)
    long long horasOmitidas = 0;  // hours of the curve beyond MaxHoras, left out
};

// Whole hours of an interval of `dias` days (toward zero). The times come from
// text with 15 significant digits, so a difference of exactly one hour may read
// as 0,99999999999998 h: a millionth of an hour is allowed before truncating.
long long HorasDoIntervalo(double dias);

// Writes the rates of the curve `pontos` (rows 1, 2, … of the grid, in order, not
// sorted) into `tabela`: for each pair of consecutive points, m whole hours and a
// rise ΔT give m entries ΔT / m × ρ·c / 3600 (W/m³; × 3600 in the usual units),
// after the hours already filled. Decreasing times move the hour counter back, so
// later intervals overwrite earlier hours; entries below 1 or above MaxHoras are
// never written (those above are counted in horasOmitidas). Cells are converted
// as they are reached: a bad cell raises ErroConversao and the hours written
// before it stay. A rate that is not finite raises ErroEntrada before its
// interval is written. Entries after the last hour keep their values.
Resultado PreencheTabela(const std::vector<LinhaTexto>& pontos, double ro, double calorEsp,
                         bool unidadesUsuais, std::array<double, MaxHoras + 1>& tabela);
Resultado PreencheTabela(const std::vector<LinhaTexto>& pontos, double ro, double calorEsp,
                         bool unidadesUsuais, TTabelaHoraria<MaxHoras>& tabela);

// A point of the import file: time in hours, temperature in °C.
struct PontoArquivo {
    double horas = 0.0;
    double temperatura = 0.0;
};

// The first line of an import file that is not a point: its number (from 1,
// blank lines counted) and its text, cut short when long.
struct LinhaRecusada {
    long long numero = 0;
    std::string texto;
};

// Reads the import file: one point per line, two numbers with a decimal point
// separated by blanks; what follows them, after a blank, is ignored; blank lines
// are skipped. Returns nothing when a line does not begin with two such numbers,
// and then tells which line in `recusa` (when given).
std::optional<std::vector<PontoArquivo>> LeArquivo(std::istream& entrada, LinhaRecusada* recusa = nullptr);

// Why the import read nothing, for the user: the line and what a line must hold.
std::string MensagemLinhaRecusada(const LinhaRecusada& recusa);

}  // namespace CalorDiscreto
