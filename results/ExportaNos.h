#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/TabelaTexto.h"

// The export of chosen nodes' histories side by side: single-byte Windows-1252
// text, CR LF before every line (so an empty first line and no final break),
// every field followed by its separator spaces.
namespace ExportaNos {

// Header: "t[h]       Nó:" n(1) and ten blanks, then "Nó:" n(j) and ten blanks
// for list positions 2 to 9, nine from position 10 on (positions, not node numbers).
// Data line of a row: the time cell, a gap of 7/6/5/4 blanks for a time below
// 10/100/1000/above, then for each listed node its cell and seven blanks.
// Rows whose time cell is blank hold no step and give no line. A time cell that
// is not a whole number raises ErroEntrada("Não foi possível salvar o arquivo").
std::string Bytes(const TabelaTexto& tabela, const std::vector<int>& nos);

// Writes the file at exactly `caminho`, atomically (an earlier file survives a
// failure, which raises ErroEntrada). `aCadaLinha(i)` after line i, 1 being the header.
void Grava(const std::string& caminho, const TabelaTexto& tabela, const std::vector<int>& nos,
           const std::function<void(int)>& aCadaLinha = {});

// Blanks between the time cell and the first node of a data line.
int LacunaTempo(long long hora);

}  // namespace ExportaNos
