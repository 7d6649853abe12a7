#include "incerteza/Distribuicoes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "core/Numeros.h"

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

// Mean and standard deviation of the logarithm of a lognormal variable of mean m and
// standard deviation s.
void ParametrosLog(double m, double s, double& mu, double& sigma) {
    const double v = std::log1p((s / m) * (s / m));
    sigma = std::sqrt(v);
    mu = std::log(m) - 0.5 * v;
}

// A uniform number in (0, 1) from 53 bits of the generator: never 0 nor 1. The
// generator's output is fixed by the standard; this reduction is ours.
double Uniforme(std::mt19937_64& g) { return (static_cast<double>(g() >> 11) + 0.5) * 0x1.0p-53; }

std::string Num(double v) { return Numeros::FormataGeral(v); }

}  // namespace

namespace Distribuicoes {

double NormalAcumulada(double x) { return 0.5 * std::erfc(-x / std::numbers::sqrt2); }

double NormalInversa(double p) {
    if (!(p > 0.0 && p < 1.0)) {
        if (p == 0.0) return -std::numeric_limits<double>::infinity();
        if (p == 1.0) return std::numeric_limits<double>::infinity();
        return Nan;
    }
    // P. J. Acklam, "An algorithm for computing the inverse normal cumulative
    // distribution function" (2003): relative error below 1.15e-9.
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02, -2.759285104469687e+02,
                                   1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                   6.680131188771972e+01,  -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                   -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                   3.754408661907416e+00};
    constexpr double baixo = 0.02425;
    double x = 0.0;
    if (p < baixo) {
        const double q = std::sqrt(-2.0 * std::log(p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1.0);
    } else if (p <= 1.0 - baixo) {
        const double q = p - 0.5;
        const double r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
    } else {
        const double q = std::sqrt(-2.0 * std::log1p(-p));
        x = -(((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1.0);
    }
    // One step of Halley's method on Φ(x) − p, with the complementary function in the
    // upper tail where 1 − p has lost its digits.
    const double e = x > 0.0 ? -(0.5 * std::erfc(x / std::numbers::sqrt2) - (1.0 - p))
                             : 0.5 * std::erfc(-x / std::numbers::sqrt2) - p;
    const double u = e * std::sqrt(2.0 * std::numbers::pi) * std::exp(0.5 * x * x);
    return x - u / (1.0 + 0.5 * x * u);
}

double Acumulada(const TDistribuicao& d, double x) {
    switch (d.Tipo) {
        case TTipoDistribuicao::Normal: return NormalAcumulada((x - d.A) / d.B);
        case TTipoDistribuicao::Lognormal: {
            if (!(x > 0.0)) return 0.0;
            double mu = 0.0, s = 0.0;
            ParametrosLog(d.A, d.B, mu, s);
            return NormalAcumulada((std::log(x) - mu) / s);
        }
        case TTipoDistribuicao::Uniforme: return std::clamp((x - d.A) / (d.B - d.A), 0.0, 1.0);
        case TTipoDistribuicao::Triangular: {
            const double a = d.A, m = d.B, b = d.C;
            if (x <= a) return 0.0;
            if (x >= b) return 1.0;
            if (x <= m) return (x - a) * (x - a) / ((b - a) * (m - a));
            return 1.0 - (b - x) * (b - x) / ((b - a) * (b - m));
        }
    }
    return Nan;
}

double Inversa(const TDistribuicao& d, double u) {
    switch (d.Tipo) {
        case TTipoDistribuicao::Normal: return d.A + d.B * NormalInversa(u);
        case TTipoDistribuicao::Lognormal: {
            double mu = 0.0, s = 0.0;
            ParametrosLog(d.A, d.B, mu, s);
            return std::exp(mu + s * NormalInversa(u));
        }
        case TTipoDistribuicao::Uniforme: return d.A + u * (d.B - d.A);
        case TTipoDistribuicao::Triangular: {
            const double a = d.A, m = d.B, b = d.C;
            const double fm = (m - a) / (b - a);
            if (u <= fm) return a + std::sqrt(u * (b - a) * (m - a));
            return b - std::sqrt((1.0 - u) * (b - a) * (b - m));
        }
    }
    return Nan;
}

double Valor(const TDistribuicao& d, double u) {
    if (!d.Min && !d.Max) return Inversa(d, u);
    const double fa = d.Min ? Acumulada(d, *d.Min) : 0.0;
    const double fb = d.Max ? Acumulada(d, *d.Max) : 1.0;
    double x = Inversa(d, fa + u * (fb - fa));
    // The inverse of a tail probability can land a rounding off the bound.
    if (d.Min) x = std::max(x, *d.Min);
    if (d.Max) x = std::min(x, *d.Max);
    return x;
}

std::string Problema(const TDistribuicao& d) {
    for (double v : {d.A, d.B, d.C})
        if (!std::isfinite(v)) return "os parâmetros devem ser números finitos";
    switch (d.Tipo) {
        case TTipoDistribuicao::Normal:
            if (!(d.B > 0.0)) return "o desvio padrão vale " + Num(d.B) + "; deve ser maior que 0";
            break;
        case TTipoDistribuicao::Lognormal:
            if (!(d.A > 0.0)) return "a média da lognormal vale " + Num(d.A) + "; deve ser maior que 0";
            if (!(d.B > 0.0)) return "o desvio padrão vale " + Num(d.B) + "; deve ser maior que 0";
            break;
        case TTipoDistribuicao::Uniforme:
            if (!(d.A < d.B)) return "o mínimo (" + Num(d.A) + ") deve ser menor que o máximo (" + Num(d.B) + ")";
            break;
        case TTipoDistribuicao::Triangular:
            if (!(d.A < d.C)) return "o mínimo (" + Num(d.A) + ") deve ser menor que o máximo (" + Num(d.C) + ")";
            if (!(d.A <= d.B && d.B <= d.C))
                return "a moda (" + Num(d.B) + ") deve ficar entre o mínimo e o máximo";
            break;
    }
    if (d.Min && d.Max && !(*d.Min < *d.Max))
        return "o truncamento mínimo (" + Num(*d.Min) + ") deve ser menor que o máximo (" + Num(*d.Max) + ")";
    const double fa = d.Min ? Acumulada(d, *d.Min) : 0.0;
    const double fb = d.Max ? Acumulada(d, *d.Max) : 1.0;
    if (!(fb - fa > 1e-12)) return "o truncamento não deixa nenhuma probabilidade à distribuição";
    return {};
}

std::vector<std::vector<double>> Uniformes(long long amostras, int entradas, bool hipercubo, std::uint64_t semente) {
    const auto n = static_cast<std::size_t>(std::max(amostras, 0LL));
    std::vector<std::vector<double>> u(n, std::vector<double>(static_cast<std::size_t>(std::max(entradas, 0))));
    for (int j = 0; j < entradas; ++j) {
        // Each input its own stream: adding an input does not change the others' numbers.
        std::seed_seq sementes{static_cast<std::uint32_t>(semente), static_cast<std::uint32_t>(semente >> 32),
                               static_cast<std::uint32_t>(j)};
        std::mt19937_64 g(sementes);
        const auto coluna = static_cast<std::size_t>(j);
        if (!hipercubo) {
            for (std::size_t i = 0; i < n; ++i) u[i][coluna] = Uniforme(g);
            continue;
        }
        // Fisher–Yates with our own reduction (std::shuffle differs between libraries).
        std::vector<std::size_t> estrato(n);
        for (std::size_t i = 0; i < n; ++i) estrato[i] = i;
        for (std::size_t i = n; i > 1; --i) std::swap(estrato[i - 1], estrato[g() % i]);
        for (std::size_t i = 0; i < n; ++i)
            u[i][coluna] = std::min((static_cast<double>(estrato[i]) + Uniforme(g)) / static_cast<double>(n),
                                    1.0 - 0x1.0p-53);
    }
    return u;
}

}  // namespace Distribuicoes
