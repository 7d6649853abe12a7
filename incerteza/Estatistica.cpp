#include "incerteza/Estatistica.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace Estatistica {

double Media(const std::vector<double>& x) {
    if (x.empty()) return std::numeric_limits<double>::quiet_NaN();
    double s = 0.0;
    for (double v : x) s += v;
    return s / static_cast<double>(x.size());
}

double Desvio(const std::vector<double>& x) {
    if (x.size() < 2) return 0.0;
    const double m = Media(x);
    double s = 0.0;
    for (double v : x) s += (v - m) * (v - m);
    return std::sqrt(s / static_cast<double>(x.size() - 1));
}

double Quantil(std::vector<double> x, double p) {
    if (x.empty()) return std::numeric_limits<double>::quiet_NaN();
    std::sort(x.begin(), x.end());
    const double h = static_cast<double>(x.size() - 1) * p;
    const auto i = static_cast<std::size_t>(std::floor(h));
    if (i + 1 >= x.size()) return x.back();
    return x[i] + (h - static_cast<double>(i)) * (x[i + 1] - x[i]);
}

TIntervalo Wilson(long long sucessos, long long n, double z) {
    if (n <= 0) return {0.0, 1.0};
    const double nn = static_cast<double>(n);
    const double p = static_cast<double>(sucessos) / nn;
    const double z2 = z * z;
    const double centro = (p + z2 / (2.0 * nn)) / (1.0 + z2 / nn);
    const double meia = z / (1.0 + z2 / nn) * std::sqrt(p * (1.0 - p) / nn + z2 / (4.0 * nn * nn));
    return {std::max(0.0, centro - meia), std::min(1.0, centro + meia)};
}

std::vector<double> Postos(const std::vector<double>& x) {
    std::vector<std::size_t> ordem(x.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) { return x[a] < x[b]; });
    std::vector<double> r(x.size());
    for (std::size_t i = 0; i < ordem.size();) {
        std::size_t j = i;
        while (j + 1 < ordem.size() && x[ordem[j + 1]] == x[ordem[i]]) ++j;
        const double medio = 0.5 * static_cast<double>(i + j) + 1.0;
        for (std::size_t k = i; k <= j; ++k) r[ordem[k]] = medio;
        i = j + 1;
    }
    return r;
}

double Spearman(const std::vector<double>& x, const std::vector<double>& y) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (x.size() != y.size() || x.size() < 2) return nan;
    const std::vector<double> rx = Postos(x), ry = Postos(y);
    const double mx = Media(rx), my = Media(ry);
    double sxy = 0.0, sxx = 0.0, syy = 0.0;
    for (std::size_t i = 0; i < rx.size(); ++i) {
        sxy += (rx[i] - mx) * (ry[i] - my);
        sxx += (rx[i] - mx) * (rx[i] - mx);
        syy += (ry[i] - my) * (ry[i] - my);
    }
    if (sxx <= 0.0 || syy <= 0.0) return nan;
    return sxy / std::sqrt(sxx * syy);
}

THistograma Histograma(const std::vector<double>& x, int classes) {
    THistograma h;
    if (x.empty() || classes < 1) return h;
    const auto [menor, maior] = std::minmax_element(x.begin(), x.end());
    if (!(*maior > *menor)) {
        h.Inicio = *menor - 0.5;
        h.Contagens.assign(1, static_cast<long long>(x.size()));
        return h;
    }
    h.Inicio = *menor;
    h.Largura = (*maior - *menor) / classes;
    h.Contagens.assign(static_cast<std::size_t>(classes), 0);
    for (double v : x) {
        const auto k = static_cast<long long>(std::floor((v - h.Inicio) / h.Largura));
        ++h.Contagens[static_cast<std::size_t>(std::clamp<long long>(k, 0, classes - 1))];
    }
    return h;
}

THistograma Histograma(const std::vector<double>& x) {
    const int classes = std::clamp(static_cast<int>(std::ceil(std::sqrt(static_cast<double>(x.size())))), 5, 40);
    return Histograma(x, classes);
}

std::vector<std::pair<double, double>> Contorno(const THistograma& h) {
    std::vector<std::pair<double, double>> p;
    for (std::size_t i = 0; i < h.Contagens.size(); ++i) {
        const double a = h.Inicio + static_cast<double>(i) * h.Largura;
        const auto n = static_cast<double>(h.Contagens[i]);
        p.insert(p.end(), {{a, 0.0}, {a, n}, {a + h.Largura, n}, {a + h.Largura, 0.0}});
    }
    return p;
}

}  // namespace Estatistica
