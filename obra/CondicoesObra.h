#pragma once
#include <string>

#include "core/DadosModelo.h"
#include "obra/DadosObra.h"

struct TCoeficientes;

// The physics of the site data: what the thermal step asks of it through TContornoObra.
// Coefficients are in the stored SI form of the engine, h·3600 with h in W/(m²·°C);
// resistances in m²·°C/W. A problem without site data never reaches these functions.
namespace CondicoesObra {

// The site data changes the run: a weather file in use, the sky exchange on or some
// protection listed.
bool EmUso(const TDadosObra& obra);

// Air temperature of the file at t (h, absolute clock), linear between whole hours.
double TemperaturaAr(const TDadosObra& obra, double t);

// Sum of the resistances of the protections on at `idade` hours after placement.
double Resistencia(const std::vector<TProtecao>& lista, double idade);
double ResistenciaTopo(const TDadosObra& obra, int camada, double idade);

// Coefficient through a protection: 1/(1/h + R), in the stored form h/(1 + h·R/3600);
// zero for an infinite R.
double CoefProtegido(double hArmazenado, double R);

// The faces without protections: the CEB coefficient of the hour's wind at the top
// when the file gives wind and curing does not decide the top face.
void AplicaVento(const TDadosObra& obra, bool curaAtiva, double t, TCoeficientes& h);
// The protections on at t: the top face of the top lift L and the bottom of the stack.
void AplicaProtecoes(const TDadosModelo& dados, double t, int L, TCoeficientes& h);

// Solar flux entering the top face of lift L at t, W/m²: absorptivity × the file's
// radiation, reduced under a protection to 1/(1 + h·R) of it, h the coefficient
// without it (the absorbed heat divides between the air, through h, and the
// concrete, through R). With the protected coefficient hp = h/(1 + h·R) that
// fraction is 1 − hp·R; `hProtegido` in the stored form.
double FluxoSolarTopo(const TDadosModelo& dados, double t, int L, double hProtegido);

// Why a list of protections of a face ("da face inferior") cannot be used, or empty.
std::string ProblemaProtecoes(const std::vector<TProtecao>& lista, const std::string& face);

// Long-wave exchange of the top face with the sky (docs/modelos.md, "Radiação para o
// céu"). The sky temperature, °C, from the air: Berdahl–Martin's clear-sky emissivity
// when the dew point is known, Swinbank's formula otherwise.
double TemperaturaCeu(double tAr, const double* tOrvalho);
// The exchange of the top face at t, linearised about the face's temperature:
// H = εσ(Ts² + Tc²)(Ts + Tc) in W/(m²·°C), Ts the top node's temperature of the step
// before (exact in the steady state, where no heat crosses a protection).
struct TTrocaCeu {
    double H = 0.0;     // W/(m²·°C)
    double TCeu = 0.0;  // °C
    double TAr = 0.0;   // °C
};
TTrocaCeu TrocaCeu(const TDadosModelo& dados, double t);
// H joins the top coefficient before the protections (they act in series with it).
void AplicaCeu(const TDadosModelo& dados, double t, TCoeficientes& h);
// What the top coefficient leaves out: H·(Tc − Tar) through the protections, W/m²; the
// same share as the sun's. For the balance: `fracao` = H/(h + H), the radiation's part
// of what crosses the top, and `arCeu` = h·H/(h + H)·(Tc − Tar), W/m², what air and sky
// exchange through the outer face (left out under an infinite R, which the member never sees).
double FluxoCeuTopo(const TDadosModelo& dados, double t, int L, double hProtegido, double& fracao, double& arCeu);

// Why the site data cannot be analysed up to `tempoTotal`, or empty.
std::string Problema(const TDadosModelo& dados);

// Unusual but possible wind: warned, not refused.
inline constexpr double VentoForte = 30.0;  // m/s, a gale

// Impossible weather values are errors, a gale a warning, appended to `r`. The
// resistance and the hours of each protection are checked by Problema.
void Valida(const TDadosObra& obra, Validacao::Resultado& r);

}  // namespace CondicoesObra
