#pragma once
#include <string>

#include "incerteza/Incerteza.h"
#include "relatorio/Relatorio.h"

// The uncertainty study as a section of the report: what scatters and how, the
// statistics, the probabilities with their intervals, the rank correlations and the
// histograms of the outputs with their limits, all from the rows of the run.
namespace Incerteza {

inline constexpr const char* TituloRelatorio = "Estudo de incerteza";

// Numbered after the last section, before the conclusion. `base` names the base problem.
void AcrescentaAoRelatorio(TRelatorio& relatorio, const TEstudoIncerteza& estudo, const TResultadoIncerteza& resultado,
                           const std::string& base);

}  // namespace Incerteza
