#pragma once

// Convection coefficient from the wind speed v (m/s) by the empirical formula of
// the CEB, in W/(m²·°C) multiplied by 3600 (the stored form of the dialogs):
// (4·v + 5,6)·3600 up to 5 m/s, 7,15·v^0,78·3600 above.
double CoeficienteVentoCEB(double v);

// Face coefficients of the convection dialog (lower and upper face of the stack):
// W/(m²·°C) × 3600 in SI; kcal/(m²·d·°C) × 1000 / 86400 in the usual units. The
// curing dialog keeps its own factor (UnidadesEntrada::CoefCuraArmazenado).
double CoefFaceArmazenado(double digitado, bool usuais);
// The stored value as the user would type it again.
double CoefFaceDigitado(double armazenado, bool usuais);
