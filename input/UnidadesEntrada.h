#pragma once

// Factors with which the per-layer dialogs store what the user types (and their
// inverses, to show a stored value again). `usuais` is the unit-system flag:
// false = SI, true = the usual kilocalorie-based units.
namespace UnidadesEntrada {

// Conductivity K: W/(m·°C) as typed; kcal/(m·d·°C) × 1000 / 24.
double CondutividadeArmazenada(double digitado, bool usuais);
double CondutividadeDigitada(double armazenado, bool usuais);

// Thermal dilation: typed in 10⁻⁶/°C, stored in 1/°C.
double DilatacaoArmazenada(double digitado);
double DilatacaoDigitada(double armazenado);

// Face coefficients of the curing dialog: W/(m²·°C) × 3600; kcal/(m²·d·°C) × 1000 / 24.
double CoefCuraArmazenado(double digitado, bool usuais);
double CoefCuraDigitado(double armazenado, bool usuais);

// Day and night coefficients from the wind formula (already × 3600): in the usual
// units they are then × 1000 / 86400.
double CoefVentoArmazenado(double formulaCEB, bool usuais);

// Constant heat rate F: W/m³ as typed; cal/(d·m³) × 0,0099537.
double TaxaConstanteArmazenada(double digitado, bool usuais);
double TaxaConstanteDigitada(double armazenado, bool usuais);

// Hourly rate of the adiabatic-curve table: computed in W/m³; × 3600 in the usual units.
double TaxaTabelaArmazenada(double calculado, bool usuais);

// Activation energy of the maturity heat: J/mol as typed; cal/mol × 4,186 (the
// calorie of the other factors, 4186 J/kcal).
double EnergiaAtivacaoArmazenada(double digitado, bool usuais);
double EnergiaAtivacaoDigitada(double armazenado, bool usuais);

}  // namespace UnidadesEntrada
