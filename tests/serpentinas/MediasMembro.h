#pragma once
#include <vector>

#include "core/Processo.h"

// The mean temperature of the member at the end of each step, unrounded: the trapezoid
// over the active nodes (half weight at the bottom and the top).
struct MediasMembro : ObservadorPasso {
    std::vector<double> valores;
    void Resolvido(const TDadosModelo&, const TTrabalhoTermico&) override {}
    void Passo(const TDadosModelo& d, const TTrabalhoTermico&) override {
        const int n = d.NElemAtivos + 1;
        double s = 0;
        for (int i = 1; i <= n; ++i) s += d.Temperaturas[i] * ((i == 1 || i == n) ? 0.5 : 1.0);
        valores.push_back(s / (n - 1));
    }
};
