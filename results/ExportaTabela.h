#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "core/TabelaTexto.h"

class HistoricoNumerico;

// The whole-table export of the temperature and stress tables ("Salvar Tudo"):
// Windows-1252 text; every row preceded by CR LF, so the file starts with an empty
// line and has no final line break; "t[h]   " in place of the corner cell; the
// header cells of columns 1 to 8 followed by six spaces, those of columns 9 and
// above by five; every time and data cell followed by seven spaces.
namespace ExportaTabela {

// Columns written: the time column and the active nodes, NElemAtivos + 2, never
// more than the table holds.
int ColunasExportadas(const TabelaTexto& tabela, int nElemAtivos);

// The bytes of the file.
std::string Bytes(const TabelaTexto& tabela, int nElemAtivos);
// The bytes of Bytes(numeros.Texto(), nElemAtivos), handed to `escreve` a block of rows
// at a time: a long history is written without its whole text in memory.
void Escreve(const HistoricoNumerico& numeros, int nElemAtivos, const std::function<void(std::string_view)>& escreve);

// Writes the file at exactly `caminho` (the caller chose the name), atomically:
// a failure of the disk raises ErroEntrada("Não foi possível salvar o arquivo")
// and leaves any earlier file of that name intact. `aCadaLinha(r + 1)` is called
// after row r was written (the window's bar and pending events).
void Grava(const std::string& caminho, const TabelaTexto& tabela, int nElemAtivos,
           const std::function<void(int)>& aCadaLinha = {});

}  // namespace ExportaTabela
