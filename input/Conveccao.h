#pragma once

#include "core/Vento.h"  // CoeficienteVentoCEB, shared with the weather of the site

// Face coefficients of the convection dialog (lower and upper face of the stack):
// W/(m²·°C) × 3600 in SI; kcal/(m²·d·°C) × 1000 / 86400 in the usual units. The
// curing dialog keeps its own factor (UnidadesEntrada::CoefCuraArmazenado).
double CoefFaceArmazenado(double digitado, bool usuais);
// The stored value as the user would type it again.
double CoefFaceDigitado(double armazenado, bool usuais);
