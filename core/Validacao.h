#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"

// The one check of a problem before any run: physically impossible values are
// errors, unusual but possible ones are warnings. Pure: the run entry points refuse
// the errors (TProcesso::ValidaEntrada) and the windows and the batch tool show the
// warnings. Every message names the field, the layer or hour, and the range allowed.
namespace Validacao {

// Air, water and placing temperatures: colder than the coldest air on a site, or
// hotter than boiling water, is a wrong unit or a typing slip (kelvin, −9999).
inline constexpr double TMinima = -60.0;  // °C
inline constexpr double TMaxima = 100.0;  // °C
// Unusual but possible: warned, not refused.
inline constexpr double TLancamentoAlta = 40.0;  // °C, hot concrete

// A sensor reading that is a logger's "no value" (−9999) or colder than any air.
bool LeituraAusente(double temperatura);

// A temperature outside [TMinima, TMaxima], and the clause that gives the range.
bool ForaDaFaixa(double temperatura);
std::string FaixaTemperatura();

struct Resultado {
    std::vector<std::string> Erros;
    std::vector<std::string> Avisos;
    bool Valido() const { return Erros.empty(); }
};

// The whole problem: layers, boundary, site data and sensors.
Resultado ValidaProblema(const TDadosModelo& dados);

// Part of it, for the readers that hold only the sensors; appended to `r`. The site
// data checks itself (TContornoObra::Valida).
void ValidaSensores(const TDadosModelo& dados, Resultado& r);

// Height of the member's top above the bottom of its first concrete layer (the top
// of the soil with "Fundação"), the span where a sensor can be.
double AlturaMembro(const TDadosModelo& dados);

}  // namespace Validacao
