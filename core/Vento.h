#pragma once

// Convection coefficient from the wind speed v (m/s) by the empirical formula of
// the CEB, in W/(m²·°C) multiplied by 3600 (the stored form of the dialogs):
// (4·v + 5,6)·3600 up to 5 m/s, 7,15·v^0,78·3600 above.
double CoeficienteVentoCEB(double v);
