#pragma once
#include "core/DadosModelo.h"

// The a and b of a strength-gain curve S(z) = z/(a + b·z) (z in days, S in MPa)
// from what an engineer usually has in hand: the strengths at 7 and 28 days, or
// fck with the cement's growth and a ratio of the wanted strength to compression.
struct ParametrosResistencia {
    double A = 0.0;  // dia/MPa
    double B = 0.0;  // 1/MPa
};

namespace ResistenciaIdades {

// The curve through S(7) = f7 and S(28) = f28 (MPa): 1/S = a/z + b gives
// a = 28·(f28 − f7)/(3·f7·f28), b = (4·f7 − f28)/(3·f7·f28).
// Refused with ErroEntrada unless 0 < f7 < f28 < 4·f7: with f28 ≤ f7 the concrete
// would not gain strength, with f28 ≥ 4·f7 the curve has no upper bound (b ≤ 0).
ParametrosResistencia PorIdades(double f7, double f28);

// Growth of the compressive strength after NBR 6118 (12.3.3):
// f(t)/fck = exp(s·(1 − √(28/t))), s = 0,38 (lento), 0,25 (normal), 0,20 (rápido).
double CrescimentoNBR(TCimentoNBR cimento, double t);

// A curve of `razao` × the compressive strength: f28 = razao·fck and
// f7 = razao·fck·CrescimentoNBR(cimento, 7), then PorIdades. razao 1 is the
// compressive curve itself. Refused with ErroEntrada for fck or razao not positive.
ParametrosResistencia PorFck(double fck, double razao, TCimentoNBR cimento);

}  // namespace ResistenciaIdades
