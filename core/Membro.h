#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"

// The member's rules: how nodes, elements and layers are numbered, where the nodes
// stand, which layers exist at an hour, which row of the result tables holds an hour,
// and the two clocks. Every feature asks here, so that all agree.
//
// Numbering: nodes, elements and layers from 1, node 1 at the bottom; element e joins
// nodes e and e + 1; layer L holds elements (L − 1)·NElemCamada + 1 .. L·NElemCamada.
// Clocks: the absolute hour counts from hour 0 of day 1; a layer's age counts from its
// placement (HoraConcretagem).
namespace Membro {

// ---- Nodes and layers. ----

// Nodes of the complete member: NCamadas·NElemCamada + 1 (in 64 bits, so that a
// member beyond the capacities is counted, not overflowed, before it is refused).
long long NumeroNos(const TDadosModelo& dados);
// Elements of the complete member: NCamadas·NElemCamada.
long long NumeroElementos(const TDadosModelo& dados);
// Nodes of the placed part (the last run's state or the colour map's hour): NElemAtivos + 1.
int NosAtivos(const TDadosModelo& dados);

// Layer of node `no`: the node between two layers belongs to the lower one, so layer 1
// holds nodes 1 .. NElemCamada + 1 and layer L ≥ 2 nodes (L − 1)·NElemCamada + 2 .. L·NElemCamada + 1.
int CamadaDoNo(const TDadosModelo& dados, int no);
// With "Fundação" layer 1 is the soil the member rests on, its top node included: held
// fully, not concrete to be judged.
bool NoDaFundacao(const TDadosModelo& dados, int no);
// Layer `camada` is the foundation's (layer 1 with "Fundação"); the concrete lifts start
// at PrimeiraCamadaDeConcreto, and at height BaseDoConcreto (the thickness of the soil).
bool CamadaDaFundacao(const TDadosModelo& dados, int camada);
int PrimeiraCamadaDeConcreto(const TDadosModelo& dados);
double BaseDoConcreto(const TDadosModelo& dados);
// First and last node of layer `camada` under the same rule (the joint below is not its own).
int PrimeiroNo(const TDadosModelo& dados, int camada);
int UltimoNo(const TDadosModelo& dados, int camada);
// Layer of element `elemento`.
int CamadaDoElemento(const TDadosModelo& dados, int elemento);

// ---- Heights. ----

// Height of nodes 1 .. NumeroNos (slot 0 unused), m from the bottom of layer 1, from the
// layers' thicknesses summed element by element exactly as the analysis places its
// elements, so each height is bit for bit the analysis's. An element count below 1 or
// no layer gives the one node at 0.
std::vector<double> Alturas(const TDadosModelo& dados);
// Height of node `no` in the element table the analysis built, the nodes above element
// `ultimoElemento` at its top: XIni of element `no`, or XIni + Espessura of the last.
double AlturaNaMalha(const TDadosModelo& dados, int no, int ultimoElemento);

// ---- Layers placed at an hour. ----

// Layers of the member the schedule places: NCamadasMembro, at most NCamadas.
int CamadasDoMembro(const TDadosModelo& dados);
// The same as the thermal run bounds it: at least layer 1, at most the capacity.
int CamadasDoCronograma(const TDadosModelo& dados);
// What a run analyses when it takes fewer layers than the member has ("A análise
// considera as camadas 1 a 2 das 4 camadas do membro."); empty when it takes them all.
std::string CamadasAnalisadas(const TDadosModelo& dados);
// The layer after the `camadas` placed enters the step that starts at hour `inicio`:
// its placement hour is that instant (not hour 0) and the schedule has it. One a step.
bool EntraNoPasso(const TDadosModelo& dados, int camadas, double inicio);
// Layers in the row of the run's history that holds hour `hora` (the step ending
// there): layer 1 and each next layer that entered a step starting before `hora`, as
// the run places them. 0 before the placement of layer 1.
int CamadasColocadas(const TDadosModelo& dados, double hora);
// The colour map's count at hour `hora`: layer 1 plus every layer 2 .. `ultima` placed
// strictly before `hora`, each on its own hour.
int CamadasAntesDe(const TDadosModelo& dados, double hora, int ultima);

// ---- The two clocks. ----

// Placement of layer `camada` on the absolute clock.
double Lancamento(const TDadosModelo& dados, int camada);
// Age in hours of layer `camada` at absolute hour `hora`, and back.
double Idade(const TDadosModelo& dados, int camada, double hora);
double HoraAbsoluta(const TDadosModelo& dados, int camada, double idade);
// Last whole hour of the analysis, Trunc(TempoTotal): the stress histories end there.
long long UltimaHoraInteira(const TDadosModelo& dados);
// Whole hours layer `camada` lives through up to UltimaHoraInteira (its stress history's length).
long long HorasDaCamada(const TDadosModelo& dados, int camada);
// A time of the run as the whole hour the tables print (Round, halves to even).
long long HoraInteira(double hora);
// The schedule's day and hour of the day of a whole absolute hour: day d, hour h is
// (d − 1)·24 + h, day 1 beginning at hour 0 (an hour before it falls in day 0 or earlier,
// its hour of the day still 0 to 23); and back.
struct DiaEHora {
    long long Dia = 1;
    long long Hora = 0;
};
DiaEHora DiaHora(long long hora);
long long HoraDoDia(long long dia, long long hora);

// ---- Hour ↔ row of the tables. ----
// Row 0 is the header. The temperature history holds one row per computed step: row k
// holds step k, the hour t0 + k·PassoTempo (t0 the placement of layer 1); the hours
// between two steps have no row. The stress table is hourly: row r holds hour t0 + r.

// The step in hours; a state never given one (0) reads as hourly.
int Passo(const TDadosModelo& dados);
// Steps the run computes: t0 + k·PassoTempo ≤ TempoTotal, k ≥ 1 (0 when none).
int Passos(const TDadosModelo& dados);
// Hour held by row `linha` of the history (row 0: t0).
double HoraDaLinha(const TDadosModelo& dados, int linha);
// Row of the history that holds the whole hour `hora`, or −1 when no step computes
// it (before t0, between two steps). Past the last step the row lies past the table.
int LinhaDaHora(const TDadosModelo& dados, long long hora);
// The computed instant nearest `hora` (halfway between two steps: the later), kept
// between row `primeiro` and the last step; as a row. What a typed hour goes to.
int LinhaMaisProxima(const TDadosModelo& dados, long long hora, int primeiro = 1);
// First and last computed hours (t0 + PassoTempo and t0 + Passos·PassoTempo); with no
// step both are t0 + PassoTempo.
long long PrimeiraHora(const TDadosModelo& dados);
long long UltimaHora(const TDadosModelo& dados);
// Rows of the history of a run, header included: one per computed step; hourly steps
// also keep the row of the rounded TempoTotal, which a run stopping short of a
// fractional end leaves empty.
int LinhasDoHistorico(const TDadosModelo& dados);
// Row of hour `hora` in an hourly table (the stress table): hora − t0.
long long LinhaHoraria(const TDadosModelo& dados, long long hora);

}  // namespace Membro
