#pragma once
#include <string>
#include <string_view>
#include <vector>

// The layout of the studies' spreadsheets: ';' between cells, CR LF after each record,
// a cell with the separator, a quote or a line break between quotes (quotes doubled).
namespace PlanilhaCsv {

// Appends one record to `s`.
void Linha(std::string& s, const std::vector<std::string>& celulas);

// The records of `texto` (no BOM), cells unquoted: the reverse of Linha. ErroEntrada
// for a quote left open or a record not ended by CR LF.
std::vector<std::vector<std::string>> Registros(std::string_view texto);

}  // namespace PlanilhaCsv
