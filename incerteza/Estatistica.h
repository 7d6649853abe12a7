#pragma once
#include <utility>
#include <vector>

// The statistics of a sample of outputs.
namespace Estatistica {

double Media(const std::vector<double>& x);
// With n − 1 in the denominator; 0 for fewer than two values.
double Desvio(const std::vector<double>& x);
// The p-quantile, interpolated between the sorted values at (n − 1)·p (Hyndman and
// Fan's definition 7, the usual one of spreadsheets); NaN for an empty sample.
double Quantil(std::vector<double> x, double p);

// Wilson's score interval of a proportion of `sucessos` in `n` trials, at the normal
// quantile z (1.959964 for 95 %).
struct TIntervalo {
    double Inferior = 0.0, Superior = 0.0;
};
TIntervalo Wilson(long long sucessos, long long n, double z);
inline constexpr double Z95 = 1.959963984540054;

// Ranks from 1, ties given the average of the ranks they share.
std::vector<double> Postos(const std::vector<double>& x);
// Spearman's coefficient: Pearson's correlation of the ranks. NaN when either
// variable does not vary.
double Spearman(const std::vector<double>& x, const std::vector<double>& y);

// Counts of the values in `classes` equal bins from the smallest to the largest (the
// largest in the last bin); one bin of width 1 around a sample that does not vary.
struct THistograma {
    double Inicio = 0.0, Largura = 1.0;
    std::vector<long long> Contagens;
};
THistograma Histograma(const std::vector<double>& x, int classes);
// The histogram of a sample of n values: √n bins, from 5 to 40.
THistograma Histograma(const std::vector<double>& x);
// The outline of its bars, (x, count) from the first bar's foot to the last one's.
std::vector<std::pair<double, double>> Contorno(const THistograma& h);

}  // namespace Estatistica
