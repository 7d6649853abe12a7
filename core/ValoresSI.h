#pragma once
#include <array>

#include "core/DadosModelo.h"

// The heat of one layer in the working units of the analysis (W/m³). The stored
// record is referred to, not copied: the curve parameters need no conversion, and
// the hourly table is read in place and multiplied by `FatorTabela`.
struct TCalorSI {
    const TCalorInterno* Registro = nullptr;
    double F = 0.0;  // constant rate, W/m³
    double FatorTabela = 1.0;
};

// Working values of one run in the units the equations use (m, s, J, W, °C),
// derived once per run from the values the dialogs stored. In SI the dialogs store
// conductivity, specific heat and heat rates as they are and the face coefficients
// × 3600; in the usual units each dialog stores its own factor, and these are
// brought to the same SI stored form here, so both systems describe the same concrete.
// The stored state is never modified.
struct TValoresSI {
    std::array<TCamada, MaxCamadas + 1> Camadas{};
    std::array<TCalorSI, MaxCamadas + 1> Calor{};
    std::array<TTrocaCalor, MaxCamadas + 1> Superficie{};
    double BetaInf = 0.0;
    double BetaSup = 0.0;
    // kcal/(m³·h) → W/m³ for the hydration curve, in both systems.
    double FatorCurva = 0.0;

    static void Deriva(const TDadosModelo& dados, TValoresSI& si);
};

// Factors from the stored usual-unit values to the SI stored form.
namespace FatoresUsuais {
// kcal/(m·d·°C) × 1000/24 → W/(m·°C)
inline constexpr double Condutividade = 4.186 / 3600.0;
// cal/(g·°C) → J/(kg·°C)
inline constexpr double CalorEspecifico = 4186.0;
// kcal/(m²·d·°C) × 1000/86400 → W/(m²·°C) × 3600
inline constexpr double BetaFaces = 4186.0 * 3.6;
// wind formula W/(m²·°C) × 3600 × 1000/86400 → W/(m²·°C) × 3600
inline constexpr double BetaVento = 86.4;
// kcal/(m²·d·°C) × 1000/24 → W/(m²·°C) × 3600
inline constexpr double BetaCura = 4.186;
// cal/(d·m³) × 0.0099537 → W/m³
inline constexpr double CalorConstante = 4.186 / (86400.0 * 0.0099537);
// kcal/(m³·h) → W/m³
inline constexpr double TabelaCalor = 4186.0 / 3600.0;
}  // namespace FatoresUsuais

// kcal/(m³·h) → W/m³ for the hydration curve.
inline constexpr double FatorCurvaSI = 4186.0 / 3600.0;
