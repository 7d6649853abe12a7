#include "stress/ResistenciaIdades.h"

#include <cmath>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace ResistenciaIdades {

namespace {
void ExigePositivo(double v, const char* nome) {
    if (!std::isfinite(v) || v <= 0.0)
        throw ErroEntrada(std::string(nome) + " deve ser um valor positivo (" + Numeros::FormataGeral(v) + ").");
}
}  // namespace

ParametrosResistencia PorIdades(double f7, double f28) {
    ExigePositivo(f7, "A resistência aos 7 dias");
    ExigePositivo(f28, "A resistência aos 28 dias");
    if (!(f28 > f7))
        throw ErroEntrada("A resistência aos 28 dias deve ser maior que a resistência aos 7 dias.");
    if (!(f28 < 4.0 * f7))
        throw ErroEntrada(
            "A resistência aos 28 dias deve ser menor que 4 vezes a resistência aos 7 dias: com ela a curva "
            "z/(a+b.z) cresceria sem limite.");
    const double denominador = 3.0 * f7 * f28;
    return {28.0 * (f28 - f7) / denominador, (4.0 * f7 - f28) / denominador};
}

double CrescimentoNBR(TCimentoNBR cimento, double t) {
    double s = 0.38;
    switch (cimento) {
        case TCimentoNBR::Lento: s = 0.38; break;
        case TCimentoNBR::Normal: s = 0.25; break;
        case TCimentoNBR::Rapido: s = 0.20; break;
    }
    const double razao = t == 0.0 ? 28.0 / (0.1 + t) : 28.0 / t;
    return std::exp(s * (1.0 - std::sqrt(razao)));
}

ParametrosResistencia PorFck(double fck, double razao, TCimentoNBR cimento) {
    ExigePositivo(fck, "O fck");
    ExigePositivo(razao, "A razão entre a resistência e a compressão");
    const double f28 = razao * fck;
    return PorIdades(f28 * CrescimentoNBR(cimento, 7.0), f28);
}

}  // namespace ResistenciaIdades
