#include "results/Cores.h"

#include <algorithm>
#include <cmath>

#include "core/Membro.h"
namespace Cores {

namespace {
int Trunc255(double v) { return std::clamp(static_cast<int>(std::trunc(v)), 0, 255); }
}  // namespace

CorRGB CorTemperatura(double t, double tMinEscala, double tMaxEscala) {
    const double amplitude = tMaxEscala - tMinEscala;
    double x = 0.5;
    if (amplitude != 0.0 && std::isfinite(amplitude)) x = (t - tMinEscala) / amplitude;
    if (!(x >= 0.0)) x = 0.0;  // also a NaN temperature: the cold end
    if (x > 1.0) x = 1.0;
    if (x <= 0.25) return {0, Trunc255(x / 0.25 * 255), 255};
    if (x <= 0.5) return {0, 255, Trunc255((1 - (x - 0.25) / 0.25) * 255)};
    if (x <= 0.75) return {Trunc255((x - 0.5) * 255 / 0.25), 255, 0};
    return {255, Trunc255((1 - (x - 0.75) / 0.25) * 255), 0};
}

std::vector<CorRGB> LinhasEscala(int altura) {
    std::vector<CorRGB> linhas(static_cast<std::size_t>(std::max(altura, 0)), CorRGB{255, 255, 255});
    const double h = altura;
    const double q = h / 4;
    for (int trecho = 0; trecho < 4; ++trecho) {
        for (int i = 0; i <= 255; ++i) {
            const double p = trecho * q + i * q / 255;
            const int linha = static_cast<int>(std::trunc(h - p));
            if (linha < 0 || linha >= altura) continue;
            CorRGB c;
            switch (trecho) {
                case 0: c = {0, i, 255}; break;
                case 1: c = {0, 255, 255 - i}; break;
                case 2: c = {i, 255, 0}; break;
                default: c = {255, 255 - i, 0}; break;
            }
            linhas[static_cast<std::size_t>(linha)] = c;
        }
    }
    return linhas;
}

std::array<double, 5> ValoresEscala(double tMinEscala, double tMaxEscala) {
    return {tMaxEscala, (3 * tMaxEscala + tMinEscala) * 0.25, (tMaxEscala + tMinEscala) / 2,
            (3 * tMinEscala + tMaxEscala) * 0.25, tMinEscala};
}

int FaixasPorElemento(int m) { return m <= 0 ? 1 : std::max(1, 200 / m); }

std::vector<Faixa> FaixasElemento(double y0, double comprimento, double tInferior, double tSuperior, int m) {
    const int n = FaixasPorElemento(m);
    const double d = comprimento / n;
    std::vector<Faixa> faixas;
    faixas.reserve(static_cast<std::size_t>(n));
    double ya = y0;
    for (int k = 1; k <= n; ++k) {
        if (k > 1) ya += d;
        const double yb = (k == n) ? y0 + comprimento : ya + d;
        const double meio = (ya + yb) / 2;
        // Linear shape functions of the two-node element.
        const double n1 = (y0 + comprimento - meio) / comprimento;
        const double n2 = (meio - y0) / comprimento;
        faixas.push_back({ya, yb, n1 * tInferior + n2 * tSuperior});
    }
    return faixas;
}

int LinhaPixel(double y, int alturaPx, double alturaMembro) {
    const double s = alturaPx / alturaMembro;
    const double v = std::trunc(s * y);
    if (!std::isfinite(v)) return alturaPx;
    return alturaPx - static_cast<int>(std::clamp(v, -1e6, 1e6));
}

int ElementosAtivosEm(const TDadosModelo& dados, int t) {
    return dados.NElemCamada * Membro::CamadasAntesDe(dados, t, dados.CamadaAtual);
}

}  // namespace Cores
