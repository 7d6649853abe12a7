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
inline constexpr double VentoForte = 30.0;       // m/s, a gale

// A sensor reading that is a logger's "no value" (−9999) or colder than any air.
bool LeituraAusente(double temperatura);

struct Resultado {
    std::vector<std::string> Erros;
    std::vector<std::string> Avisos;
    bool Valido() const { return Erros.empty(); }
};

// The whole problem: layers, boundary, site data and sensors.
Resultado ValidaProblema(const TDadosModelo& dados);

// Parts of it, for the readers that hold only those (the project file's "Obra"
// key and its sensors); appended to `r`.
void ValidaObra(const TDadosObra& obra, Resultado& r);
void ValidaSensores(const TDadosModelo& dados, Resultado& r);

// Height of the member's top above the bottom of its first concrete layer (the top
// of the soil with "Fundação"), the span where a sensor can be.
double AlturaMembro(const TDadosModelo& dados);

}  // namespace Validacao
