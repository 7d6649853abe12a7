#pragma once
// The literal dense form of one time step, as the analysis was first written:
// full 300 × 300 matrices cleared every step, each element carrying a copy of its
// layer's heat record (with the 5000-hour table), Gaussian elimination over the whole
// rows on private copies of the matrix and of the 5000-entry vector. It is the
// oracle of the band solver and the baseline of the benchmark.
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/DadosModelo.h"
#include "core/Func.h"
#include "core/Processo.h"
#include "core/Progresso.h"

namespace denso {

inline constexpr int Dim = MaxNos + 1;
using Matriz = std::array<std::array<double, Dim>, Dim>;
using Vetor = std::array<double, MaxHoras + 1>;

struct Contagem {
    int Trocas = 0;   // row exchanges
    int Empates = 0;  // pivot candidates of equal magnitude (the upper row kept)
};

// Elimination with partial pivoting and back substitution over full rows, for
// n = m + 1 unknowns; A and b are copied whole, as the first program did.
inline void ResolveSistema(int m, const Matriz& matriz, double* x, const Vetor& vetor, double& tMax, int& noTMax,
                           Progresso& progresso, Contagem* contagem = nullptr) {
    const int n = m + 1;
    auto A = std::make_unique<Matriz>(matriz);
    auto b = std::make_unique<Vetor>(vetor);
    auto& a = *A;
    auto& y = *b;
    for (int k = 1; k <= n - 1; ++k) {
        progresso.PosicaoBarra(k);
        progresso.Status(TextoEliminacao);
        progresso.Repinta();
        int p = k;
        double v = a[k][k];
        for (int i = k + 1; i <= n; ++i) {
            if (std::fabs(a[i][k]) > std::fabs(v)) {
                v = a[i][k];
                p = i;
            } else if (contagem && a[i][k] != 0.0 && std::fabs(a[i][k]) == std::fabs(v)) {
                ++contagem->Empates;
            }
        }
        if (p != k) {
            if (contagem) ++contagem->Trocas;
            for (int j = k; j <= n; ++j) std::swap(a[k][j], a[p][j]);
            std::swap(y[k], y[p]);
        }
        for (int i = k + 1; i <= n; ++i) {
            const double mi = a[i][k] / v;
            for (int j = k; j <= n; ++j) a[i][j] = a[i][j] - mi * a[k][j];
            y[i] = y[i] - mi * y[k];
        }
    }
    std::array<double, Dim + 1> r{};
    r[n] = y[n] / a[n][n];
    if (r[n] > tMax) {
        tMax = r[n];
        noTMax = n;
    }
    int posicao = n - 1;
    for (int i = n - 1; i >= 1; --i) {
        posicao += i;
        progresso.PosicaoBarra(posicao);
        progresso.Status(TextoRetrosubstituicao);
        progresso.Repinta();
        double s = 0.0;
        for (int j = i + 1; j <= n; ++j) s += a[i][j] * r[j];
        r[i] = (y[i] - s) / a[i][i];
        if (r[i] > tMax) {
            tMax = r[i];
            noTMax = i;
        }
    }
    for (int i = 1; i <= n; ++i) x[i] = r[i];
}

// The work arrays of the literal step, in the analysis state of the first program.
struct Estado {
    Matriz MatrizSistema{};
    Matriz MatrizCapacidade{};
    Matriz CopiaCondutividade{};
    Vetor VetorCarga{};
    std::array<TCalorInterno, MaxElementos + 1> CalorElementos{};
};

// MontaSistema and ResolveSistema on dense matrices, with the per-step copies.
class MetodoDenso final : public MetodoPasso {
public:
    MetodoDenso() : e_(std::make_unique<Estado>()) {}

    void MontaEResolve(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, Progresso& progresso) override {
        Estado& e = *e_;
        const int m = dados.NElemAtivos;
        const int n = m + 1;
        const double t = dados.Tempo;
        for (auto& linha : e.MatrizSistema) linha.fill(0.0);
        for (auto& linha : e.MatrizCapacidade) linha.fill(0.0);
        std::fill(e.VetorCarga.begin() + 1, e.VetorCarga.begin() + 1 + MaxNos, 0.0);

        TFunc::DistribuiPropriedades(dados, trabalho, L);
        for (int el = 1; el <= L * dados.NElemCamada; ++el)
            e.CalorElementos[el] = dados.CalorCamadas[trabalho.CamadaElemento[el]];

        // Loads, element by element.
        std::array<double, Dim + 1> q{};
        for (int el = 1; el <= m; ++el) {
            const double x = t - dados.Elementos[el].HoraConcretagem;
            const double F = TFunc::CalorHidratacao(dados, trabalho.SI, trabalho.CamadaElemento[el], x);
            e.CalorElementos[el].F = F;
            const double w = 0.5 * F * dados.Elementos[el].Espessura;
            q[el] += w;
            q[el + 1] += w;
        }
        for (int i = 1; i <= n; ++i) e.VetorCarga[i] = q[i];
        e.VetorCarga[1] = dados.QRadiacao + q[1];
        e.VetorCarga[n] = dados.QRadiacao + q[n];

        for (int el = 1; el <= m; ++el) {
            const TMatriz2 k = TFunc::MatrizCondutividadeElemento(dados.Elementos[el]);
            const TMatriz2 c = TFunc::MatrizCapacidadeElemento(dados.Elementos[el]);
            for (int a = 0; a < 2; ++a)
                for (int b = 0; b < 2; ++b) {
                    e.MatrizSistema[el + a][el + b] += k[a][b];
                    e.MatrizCapacidade[el + a][el + b] += c[a][b];
                }
        }
        e.CopiaCondutividade = e.MatrizSistema;
        const Matriz& K = e.CopiaCondutividade;
        const Matriz& C = e.MatrizCapacidade;
        const std::array<double, MaxNos + 2>& T = trabalho.TAnterior;
        for (int i = 1; i <= n; ++i) {
            double s = 0.0;
            for (int j = 1; j <= n; ++j) s += (C[i][j] - dados.DtExplicito * K[i][j]) * T[j];
            for (int j = 1; j <= n; ++j) e.MatrizSistema[i][j] = dados.DtImplicito * K[i][j] + C[i][j];
            e.VetorCarga[i] = (dados.DtExplicito + dados.DtImplicito) * e.VetorCarga[i] + s;
        }
        const double tAmb = dados.TAmbConstante ? dados.TAmbConst : TFunc::TemperaturaAmbiente(dados, t);
        const TCoeficientes porHora = TFunc::CoeficientesConveccao(dados, trabalho.SI, t, L);
        const TCoeficientes h{porHora.HInf * dados.PassoTempo, porHora.HSup * dados.PassoTempo};
        e.MatrizSistema[1][1] += h.HInf;
        e.MatrizSistema[n][n] += h.HSup;
        e.VetorCarga[1] += h.HInf * tAmb;
        e.VetorCarga[n] += h.HSup * tAmb;

        ResolveSistema(m, e.MatrizSistema, dados.Temperaturas.data(), e.VetorCarga, dados.TMaxSolucao, dados.NoTMax,
                       progresso);
    }

private:
    std::unique_ptr<Estado> e_;
};

}  // namespace denso
