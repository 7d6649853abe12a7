#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"
#include "results/CurvasTemperatura.h"

// Curves of the stress charts, read back from the text of the stress table (column 0
// the hour, column n node n, row 0 the header), and the strength-gain curves drawn
// beside them. Compression positive, tension negative, MPa.
namespace CurvasTensao {

using Ponto = CurvasTemperatura::Ponto;

// History of node `no`: (hour, MPa) for rows 1 to the last. Empty cells (hours before
// the node's layer was placed) are skipped; a stress of zero is a point. The first
// cell that does not convert ends the curve, the points before it staying.
std::vector<Ponto> HistoricoNo(const TabelaTexto& tabela, int no);

// Profile along the axis at table row `linha`: (node, MPa) for nodes 1 to `nos`, same rules.
std::vector<Ponto> PerfilLinha(const TabelaTexto& tabela, int linha, int nos);

enum class TipoResistencia { Flexao, Tracao, Diametral, Compressao };

// Coefficients of S(z) = z/(a+b.z) and the sign the charts give the curve.
struct Resistencia {
    double a = 0.0;
    double b = 0.0;
    double sinal = 1.0;
};
Resistencia ParametrosResistencia(const TDadosModelo& dados, TipoResistencia tipo);

// A strength curve, or how far it got: `divisaoPorZero` when a + b·z vanished at the
// point after the last one given.
struct CurvaResistencia {
    std::vector<Ponto> pontos;
    bool divisaoPorZero = false;
};

// Layer whose strength the stress-time chart draws for node `no`: the layer the stress
// run gives it (the joint belongs to the lower layer), kept within the layers of the member.
int CamadaResistencia(const TDadosModelo& dados, int no);

// Over time for node `no`: (H + i, ±S(i/24)) for i = 1 .. Trunc(TempoTotal) − H, H the
// placement hour of its layer.
CurvaResistencia ResistenciaTempo(const TDadosModelo& dados, TipoResistencia tipo, int no);

// Along the axis at absolute hour `hora`: (j, ±S(hora/24)) for j = 1 .. `nos`.
CurvaResistencia ResistenciaEixo(const TDadosModelo& dados, TipoResistencia tipo, int hora, int nos);

}  // namespace CurvasTensao
