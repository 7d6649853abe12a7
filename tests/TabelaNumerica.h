#pragma once
#include "core/Historico.h"
#include "core/TabelaTexto.h"

// The numbers of a history typed as text in a test, as the readers take them (a cell
// that is not a number stays empty).
inline HistoricoNumerico NumerosDe(const TabelaTexto& t, int decimais = 2) { return HistoricoNumerico::DoTexto(t, decimais); }
