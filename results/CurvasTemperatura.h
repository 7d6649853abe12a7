#pragma once
#include <vector>

#include "core/Historico.h"

// Curves of the temperature charts, read back from the text of the temperature
// history (column 0 the hour, column n node n, row 0 the header).
namespace CurvasTemperatura {

struct Ponto {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const Ponto&) const = default;
};

// History of the node in column `no`: (hour, °C) for rows 1 to the last. A cell
// reading exactly 0 is left out (the line joins its neighbours); the first cell
// that does not convert (a row the analysis never filled) ends the curve, the
// points before it staying. A column outside the table gives no points.
std::vector<Ponto> HistoricoNo(const HistoricoNumerico& tabela, int no);

// Profile along the axis at table row `linha`: (node, °C) for nodes 1 to `nos`,
// with the same rules for zero and unreadable cells. A row outside the table
// gives no points.
std::vector<Ponto> PerfilLinha(const HistoricoNumerico& tabela, int linha, int nos);

}  // namespace CurvasTemperatura
