#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "obra/DadosObra.h"

namespace Validacao {
struct Resultado;
}

// The sides of a block of finite plan size Lx × Ly. Each unit volume of a lift's
// concrete loses through the sides
//   β·(T − T_ar),  β = U·(2/Lx + 2/Ly),  U = 1/(1/h + R),
// h the coefficient of the bare sides and R the side protections on at that hour: the
// side loss spread over the plan section (lumped transverse temperature). A plan
// dimension of zero extends without limit and loses nothing; both zero is the member of
// unlimited plan. The lumped loss is accurate while the plan Biot number
// Bi = U·(L/2)/k, L the smaller plan dimension, stays below 0,1; past it the core runs
// hotter than the sides and that difference is not represented.
namespace Laterais {

inline constexpr double BiotLimite = 0.1;

// Some plan dimension is finite: the run loses heat through the sides.
bool Finita(const TDadosObra& obra);

// Side area per unit volume 2/Lx + 2/Ly, 1/m (an unlimited direction adds nothing).
double AreaPorVolume(const TDadosObra& obra);

// The protections of the sides of lift L (1-based), creating the empty lists up to it.
std::vector<TProtecao>& Do(TDadosObra& obra, int camada);
const std::vector<TProtecao>* Do(const TDadosObra& obra, int camada);

// U of the sides of lift `camada` at `idade` hours after its placement, W/(m²·°C).
double Coeficiente(const TDadosObra& obra, int camada, double idade);

// β of lift `camada` at t (absolute clock), W/(m³·°C); zero for the soil of a
// foundation, which continues beyond the block.
double Perda(const TDadosModelo& dados, double t, int camada);

// Half the smaller finite plan dimension, m (0 for the member of unlimited plan).
double MeiaLargura(const TDadosObra& obra);

// The largest plan Biot number of lift `camada` over its ages in the analysis (the
// lowest side resistance it has); 0 for the soil and the member of unlimited plan.
double Biot(const TDadosModelo& dados, int camada);

// The same for every lift of `dados` (index L, slot 0 unused) under the sides `obra`
// (a dialog's data not yet stored).
std::vector<double> BiotPorCamada(const TDadosModelo& dados, const TDadosObra& obra);

// One sentence naming the lifts whose Biot number reaches BiotLimite, or empty.
std::string AvisoBiot(const TDadosModelo& dados);
std::string AvisoBiot(const TDadosModelo& dados, const TDadosObra& obra);

// Why the plan data cannot be analysed, or empty.
std::string Problema(const TDadosModelo& dados);

// Warnings (Biot) appended to `r`; the impossible values are Problema's.
void Valida(const TDadosModelo& dados, Validacao::Resultado& r);

// "Bloco de 3 × 3 m em planta, coeficiente das laterais descobertas h = 10 W/(m²·°C)",
// or "Membro extenso em planta (sem perda pelas laterais)".
std::string Descricao(const TDadosObra& obra);

// The plan size and the side protections in one sentence, lifts with the same list
// together: "Bloco de 3 × 3 m em planta, …; laterais: camadas 1 a 2: Fôrma …". Empty
// for the member of unlimited plan.
std::string Resumo(const TDadosModelo& dados);

}  // namespace Laterais
