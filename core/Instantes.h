#pragma once
#include "core/DadosModelo.h"
#include "core/Membro.h"

// The instants a thermal run computes and the rows of the temperature history
// that hold them. Row 0 is the header; row k holds step k, the hour
// t0 + k·PassoTempo (t0 the placement of layer 1). With a step above one hour
// the hours between two steps have no row: every reader that goes from an hour
// to a row goes through here (the rule itself is the member's, in Membro), so that
// all agree on which hours exist.
namespace Instantes {

// The step in hours; a state never given one (0) reads as hourly.
inline int Passo(const TDadosModelo& d) { return Membro::Passo(d); }

// Steps the run computes: t0 + k·PassoTempo ≤ TempoTotal, k ≥ 1 (0 when none).
int Passos(const TDadosModelo& d);

// Hour held by row `linha` (row 0: t0, the placement of layer 1).
inline double HoraDaLinha(const TDadosModelo& d, int linha) { return Membro::HoraDaLinha(d, linha); }

// Row that holds the whole hour `hora`, or −1 when no step computes that hour
// (before t0, between two steps). Row 0 is the placement of layer 1 itself; past the
// last step the row lies past the table, which bounds it.
inline int LinhaDaHora(const TDadosModelo& d, long long hora) { return Membro::LinhaDaHora(d, hora); }

// The computed instant nearest `hora` (halfway between two steps: the later),
// kept between t0 + primeiro·PassoTempo and the last step; as a row.
int LinhaMaisProxima(const TDadosModelo& d, long long hora, int primeiro = 1);

// First and last computed hours (t0 + PassoTempo and t0 + Passos·PassoTempo);
// with no step both are t0 + PassoTempo.
long long PrimeiraHora(const TDadosModelo& d);
long long UltimaHora(const TDadosModelo& d);

}  // namespace Instantes
