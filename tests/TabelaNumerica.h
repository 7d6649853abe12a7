#pragma once
#include "core/Historico.h"
#include "core/TabelaTexto.h"

// The numbers of a history typed as text in a test, as the readers take them (a cell
// that is not a number stays empty).
inline HistoricoNumerico NumerosDe(const TabelaTexto& t, int decimais = 2) { return HistoricoNumerico::DoTexto(t, decimais); }

// The numbers of the two text tables a window test typed into the windows' context,
// made the current analysis's, as a run would leave them.
template <class Contexto>
void SincronizaNumeros(Contexto& ctx) {
    ctx.analise.Temperaturas = NumerosDe(ctx.temperaturas, 2);
    ctx.analise.Tensoes = NumerosDe(ctx.tensoes, 4);
}
