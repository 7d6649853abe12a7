#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The distributions an uncertain input can follow, their cumulative and inverse
// functions, and the uniform numbers a sample is drawn from.
enum class TTipoDistribuicao { Normal, Lognormal, Uniforme, Triangular };

struct TDistribuicao {
    TTipoDistribuicao Tipo = TTipoDistribuicao::Normal;
    // Normal and lognormal: A the mean, B the standard deviation (of the variable itself,
    // also for the lognormal). Uniform: A min, B max. Triangular: A min, B mode, C max.
    double A = 0.0, B = 0.0, C = 0.0;
    // Truncation: the variable restricted to [Min, Max], the density rescaled.
    std::optional<double> Min, Max;
};

namespace Distribuicoes {

// Standard normal: Φ(x) and Φ⁻¹(p) for 0 < p < 1 (Acklam's rational approximation
// polished by one Halley step, close to the double's precision).
double NormalAcumulada(double x);
double NormalInversa(double p);

// F(x) and F⁻¹(u) of the distribution without its truncation.
double Acumulada(const TDistribuicao& d, double x);
double Inversa(const TDistribuicao& d, double u);
// The value of the truncated distribution at the uniform number u in (0, 1): u is
// mapped onto [F(Min), F(Max)] and inverted, so strata of u stay strata of the value.
double Valor(const TDistribuicao& d, double u);

// Why the parameters are impossible (in Portuguese), or empty when they are fine.
std::string Problema(const TDistribuicao& d);

// The uniform numbers of `amostras` samples of `entradas` inputs, [amostra][entrada],
// fixed by the seed on every machine. Latin hypercube: for each input the samples fall
// one in each of the `amostras` equal strata of (0, 1), in a random order, at a random
// place within the stratum. Otherwise independent uniform numbers.
std::vector<std::vector<double>> Uniformes(long long amostras, int entradas, bool hipercubo, std::uint64_t semente);

}  // namespace Distribuicoes
