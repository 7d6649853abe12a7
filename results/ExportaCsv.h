#pragma once
#include <functional>
#include <string_view>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"

class HistoricoNumerico;

struct TResumoTermico;
struct TIndiceFissuracao;
struct TResultadosSerpentinas;

// Spreadsheets as a Brazilian spreadsheet reads them: fields separated by ";",
// decimal comma, UTF-8 with a byte-order mark, lines ended by CR LF, a header row
// with the unit of every column. The history tables give one row per computed hour
// (rows whose time cell is blank hold no step); a cell left empty before a layer's
// placement stays an empty field. Numbers keep the digits of the table.
namespace ExportaCsv {

inline constexpr std::string_view Bom = "\xEF\xBB\xBF";

// Whole history: the time and the active nodes (as "Salvar Tudo"), `unidade` the
// unit of the node columns ("°C", "MPa"). With `membro`, the temperature history's
// member: the cells of nodes its run had not yet placed in a row, which the table
// fills with zeros or an earlier run's values, are left empty.
std::string Tabela(const TabelaTexto& tabela, int nElemAtivos, const std::string& unidade,
                   const TDadosModelo* membro = nullptr);
// The bytes of Tabela(numeros.Texto(), …), handed to `escreve` a block of rows at a time.
void Escreve(const HistoricoNumerico& numeros, int nElemAtivos, const std::string& unidade, const TDadosModelo* membro,
             const std::function<void(std::string_view)>& escreve);
// The chosen nodes side by side, in the list's order; `membro` as above.
std::string Nos(const TabelaTexto& tabela, const std::vector<int>& nos, const std::string& unidade,
                const TDadosModelo* membro = nullptr);
// The thermal summary: its figures, one lift per row, and the hours above the limit per node.
std::string Resumo(const TResumoTermico& resumo);
// The cracking index: one node per row.
std::string Indice(const TIndiceFissuracao& indice);

// The cooling pipes of a run: the hour, then for each lift with pipes the mean outlet
// water (°C, empty while no water runs) and the heat removed (W per m² of plan).
std::string Serpentinas(const TResultadosSerpentinas& r);

// A field quoted when it holds a separator, a quote or a line break.
std::string Campo(const std::string& texto);

// Writes `conteudo` (already with its mark) atomically: a missing folder or a disk
// failure raises ErroEntrada and leaves any earlier file intact.
void Grava(const std::string& caminho, const std::string& conteudo);

}  // namespace ExportaCsv
