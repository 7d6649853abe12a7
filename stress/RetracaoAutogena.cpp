#include "stress/RetracaoAutogena.h"

#include <cmath>

#include "core/Maturidade.h"

namespace RetracaoAutogena {

double Final(double fck) { return 2.5 * (fck - 10.0) * 1e-6; }

double Deformacao(double fck, double dias) {
    if (!(dias > 0.0)) return 0.0;
    return (1.0 - std::exp(-0.2 * std::sqrt(dias))) * Final(fck);
}


std::vector<double> Historia(const TDadosModelo& d, int camada, int horas, const std::function<double(int)>& temperatura) {
    const auto r = d.RetracaoAutogena.find(camada);
    if (r == d.RetracaoAutogena.end() || horas <= 0) return {};
    const double fck = r->second.Fck;
    std::vector<double> e(static_cast<std::size_t>(horas));
    const bool maturidade = Maturidade::Ativa(d, camada);
    const TCalorInterno& calor = d.CalorCamadas[static_cast<std::size_t>(camada)];
    double idade = 0.0;  // h
    double anterior = d.Camadas[static_cast<std::size_t>(camada)].TInicial;
    for (int k = 0; k < horas; ++k) {
        if (maturidade) {
            const double T = temperatura(k);
            idade += Maturidade::FatorArrhenius(calor.EnergiaAtivacao, calor.TRef, 0.5 * (anterior + T));
            anterior = T;
        } else {
            idade = k + 1.0;
        }
        e[static_cast<std::size_t>(k)] = Deformacao(fck, idade / 24.0);
    }
    return e;
}

}  // namespace RetracaoAutogena
