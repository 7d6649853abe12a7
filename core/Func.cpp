#include "core/Func.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"

namespace {

constexpr double Ln2 = std::numbers::ln2;

// 2^y as the analysis evaluates it: exp(y·ln 2).
double PotenciaDois(double y) { return std::exp(y * Ln2); }

}  // namespace

void TBanda::Zera(int n) {
    for (int i = 0; i <= n + 1 && i <= MaxNos + 1; ++i) {
        Inf[static_cast<std::size_t>(i)] = 0.0;
        Diag[static_cast<std::size_t>(i)] = 0.0;
        Sup[static_cast<std::size_t>(i)] = 0.0;
    }
}

void TFunc::AvancaTempo(TDadosModelo& dados) { AvancaSubpasso(dados, dados.Tempo, 1, 1); }

void TFunc::AvancaSubpasso(TDadosModelo& dados, double inicio, int s, int subpassos) {
    const double passo = static_cast<double>(dados.PassoTempo);
    const double h = subpassos == 1 ? passo : passo / subpassos;
    dados.PassoAtual = h;
    dados.DtExplicito = h * (1.0 / 3.0) * 3600.0;
    dados.DtImplicito = h * (2.0 / 3.0) * 3600.0;
    dados.Tempo = s == subpassos ? inicio + passo : inicio + passo * s / subpassos;
}

double TFunc::HorasDoPasso(const TDadosModelo& dados) {
    return dados.PassoAtual > 0.0 ? dados.PassoAtual : static_cast<double>(dados.PassoTempo);
}

void TFunc::DistribuiPropriedades(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L) {
    const int ne = dados.NElemCamada;
    int e = 1;
    for (int camada = 1; camada <= L; ++camada) {
        const TCamada& c = trabalho.SI.Camadas[static_cast<std::size_t>(camada)];
        if (c.Espessura == 0.0) {
            throw ErroCalculo("a camada " + Numeros::FormataInteiro(camada) +
                              " tem espessura nula (divisão por zero na condutividade)");
        }
        for (int k = 1; k <= ne; ++k, ++e) {
            TCamada& el = dados.Elementos[static_cast<std::size_t>(e)];
            const double xIni = el.XIni;
            el = c;
            el.Espessura = c.Espessura / ne;
            if (e > 1) {
                const TCamada& ant = dados.Elementos[static_cast<std::size_t>(e - 1)];
                el.XIni = ant.XIni + ant.Espessura;
            } else {
                el.XIni = xIni;
            }
            trabalho.CamadaElemento[static_cast<std::size_t>(e)] = camada;
        }
    }
}

double TFunc::IdadeEquivalente(double Tr, double x) {
    return (10.0 / Ln2) * PotenciaDois(-Tr / 10.0) * (PotenciaDois(x / 10.0) - 1.0);
}

double TFunc::TaxaCurva(double N, double Tr, double E, double C, double B, double x, double u) {
    if (!(x > 0.0)) {
        throw ErroCalculo("a curva de calor de hidratação foi avaliada numa idade equivalente não positiva");
    }
    const double ge = IdadeEquivalente(Tr, x);
    const double lnGe = std::log(ge);
    const double t1 = std::exp(-(1.0 + N) * lnGe);
    const double t2 = std::exp(-B * std::exp(-N * lnGe));
    const double t3 = PotenciaDois((x - Tr) / 10.0);
    const auto normal = [](double v) { return std::isfinite(v) && v != 0.0; };
    if (normal(ge) && normal(t1) && normal(t2) && std::isfinite(t3)) {
        const double taxa = C * E * N * B * t1 * t2 * t3 * u;
        if (std::isfinite(taxa)) return taxa;
    }

    // Some term left double range (2^(x/10) after about 10 000 h, or ge^(−n) at a
    // tiny equivalent age) while the rate itself is tiny: the same product in logarithms.
    const double fator = C * E * N * B * u;
    if (fator == 0.0) return 0.0;
    const double xLn2 = x / 10.0 * Ln2;
    const double lnGeLog = std::log(10.0 / Ln2) - Tr / 10.0 * Ln2 + xLn2 + std::log1p(-std::exp(-xLn2));
    const double expoente = std::log(std::fabs(fator)) - (1.0 + N) * lnGeLog - B * std::exp(-N * lnGeLog) +
                            (x - Tr) / 10.0 * Ln2;
    const double r = std::copysign(std::exp(expoente), fator);
    if (!std::isfinite(r)) {
        throw ErroCalculo("a curva de calor de hidratação não tem valor finito (verifique os parâmetros n, b, E, C e Tr)");
    }
    return r;
}

double TFunc::CalorHidratacao(const TDadosModelo& dados, const TValoresSI& si, int camada, double x) {
    const TCalorSI& w = si.Calor[static_cast<std::size_t>(camada)];
    const TCalorInterno& c = *w.Registro;
    if (c.Constante) return w.F;
    if (dados.CalorDiscreto) {
        const long long h = Numeros::Trunc(x);
        if (h < 1 || h > MaxHoras) {
            throw ErroCalculo("a tabela de calor interno da camada " + Numeros::FormataInteiro(camada) +
                              " foi consultada na hora " + Numeros::FormataInteiro(h) +
                              " após o lançamento, fora das horas 1 a " + Numeros::FormataInteiro(MaxHoras));
        }
        return c.Tabela[static_cast<std::size_t>(h)] * w.FatorTabela;
    }
    try {
        return TaxaCurva(c.N, c.Tr, c.E, c.C, c.B, x, si.FatorCurva);
    } catch (const ErroCalculo& e) {
        throw ErroCalculo(std::string(e.what()) + " na camada " + Numeros::FormataInteiro(camada));
    }
}

namespace {

// Half of each element's heat (trabalho.FElemento) goes to each of its nodes; the
// radiation to both faces.
void DistribuiCarga(const TDadosModelo& dados, TTrabalhoTermico& trabalho) {
    const int m = dados.NElemAtivos;
    const int n = m + 1;
    TVetorNos& q = trabalho.Carga;
    for (int i = 1; i <= n; ++i) q[static_cast<std::size_t>(i)] = 0.0;
    for (int e = 1; e <= m; ++e) {
        const double w = 0.5 * trabalho.FElemento[static_cast<std::size_t>(e)] *
                         dados.Elementos[static_cast<std::size_t>(e)].Espessura;
        q[static_cast<std::size_t>(e)] += w;
        q[static_cast<std::size_t>(e + 1)] += w;
    }
    // With the weather file the sun enters the top face only (AplicaConveccao).
    const double qRadiacao = dados.Obra.UsaClimaArquivo() ? 0.0 : dados.QRadiacao;
    q[1] = qRadiacao + q[1];
    q[static_cast<std::size_t>(n)] = qRadiacao + q[static_cast<std::size_t>(n)];
}

// Every element of a layer has the layer's rate: `taxa(camada, x)` is evaluated
// once per layer, x the age at time t.
template <class Taxa>
void TaxasElementos(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t, Taxa taxaCamada) {
    const int m = dados.NElemAtivos;
    int camadaAnterior = 0;
    double taxa = 0.0;
    for (int e = 1; e <= m; ++e) {
        const int camada = trabalho.CamadaElemento[static_cast<std::size_t>(e)];
        if (camada != camadaAnterior) {
            const double x = Membro::Idade(dados, camada, t);
            taxa = taxaCamada(camada, x);
            camadaAnterior = camada;
        }
        trabalho.FElemento[static_cast<std::size_t>(e)] = taxa;
    }
}

}  // namespace

void TFunc::MontaVetorCarga(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t) {
    TaxasElementos(dados, trabalho, t, [&](int camada, double x) {
        return Maturidade::Ativa(dados, camada) ? 0.0 : CalorHidratacao(dados, trabalho.SI, camada, x);
    });
    Maturidade::TaxasElementos(dados, trabalho);
    DistribuiCarga(dados, trabalho);
}

double TFunc::CalorCurva(double N, double Tr, double E, double C, double B, double x) {
    if (!(x > 0.0)) return 0.0;
    const double fator = C * E;
    if (fator == 0.0) return 0.0;
    // ln ge in the form that stays in range for runs of years (2^(x/10) overflows).
    const double xLn2 = x / 10.0 * Ln2;
    const double lnGe = std::log(10.0 / Ln2) - Tr / 10.0 * Ln2 + xLn2 + std::log1p(-std::exp(-xLn2));
    const double q = fator * std::exp(-B * std::exp(-N * lnGe));
    if (!std::isfinite(q)) {
        throw ErroCalculo("a curva de calor de hidratação não tem valor finito (verifique os parâmetros n, b, E, C e Tr)");
    }
    return q;
}

double TFunc::CalorMedioPasso(const TDadosModelo& dados, const TValoresSI& si, int camada, double x0, double x1) {
    const TCalorSI& w = si.Calor[static_cast<std::size_t>(camada)];
    const TCalorInterno& c = *w.Registro;
    if (c.Constante) return w.F;
    const double duracao = x1 - x0;
    if (!(duracao > 0.0)) {
        throw ErroCalculo("o passo de tempo da camada " + Numeros::FormataInteiro(camada) + " não tem duração positiva");
    }
    if (dados.CalorDiscreto) {
        // Hour h of the table is the rate over ages (h − 1, h].
        const long long primeira = Numeros::Trunc(std::floor(x0)) + 1;
        const long long ultima = Numeros::Trunc(std::ceil(x1));
        double soma = 0.0;
        for (long long h = primeira; h <= ultima; ++h) {
            if (h < 1 || h > MaxHoras) {
                throw ErroCalculo("a tabela de calor interno da camada " + Numeros::FormataInteiro(camada) +
                                  " foi consultada na hora " + Numeros::FormataInteiro(h) +
                                  " após o lançamento, fora das horas 1 a " + Numeros::FormataInteiro(MaxHoras));
            }
            const double parte = std::min(x1, static_cast<double>(h)) - std::max(x0, static_cast<double>(h - 1));
            soma += c.Tabela[static_cast<std::size_t>(h)] * parte;
        }
        return soma / duracao * w.FatorTabela;
    }
    try {
        const double q = CalorCurva(c.N, c.Tr, c.E, c.C, c.B, x1) - CalorCurva(c.N, c.Tr, c.E, c.C, c.B, x0);
        return q / duracao * si.FatorCurva;
    } catch (const ErroCalculo& e) {
        throw ErroCalculo(std::string(e.what()) + " na camada " + Numeros::FormataInteiro(camada));
    }
}

TMatriz2 TFunc::MatrizCondutividadeElemento(const TCamada& el) {
    const double kh = el.K / el.Espessura;
    return {{{kh, -kh}, {-kh, kh}}};
}

TMatriz2 TFunc::MatrizCapacidadeElemento(const TCamada& el) {
    const double d = el.Ro * el.CalorEsp * el.Espessura / 3.0;
    const double f = el.Ro * el.CalorEsp * el.Espessura / 6.0;
    return {{{d, f}, {f, d}}};
}

namespace {

template <typename MatrizElemento>
void Monta(const TDadosModelo& dados, int m, TBanda& A, MatrizElemento matriz) {
    A.Zera(m + 1);
    for (int e = 1; e <= m; ++e) {
        const TMatriz2 k = matriz(dados.Elementos[static_cast<std::size_t>(e)]);
        const auto i = static_cast<std::size_t>(e);
        A.Diag[i] += k[0][0];
        A.Sup[i] += k[0][1];
        A.Inf[i + 1] += k[1][0];
        A.Diag[i + 1] += k[1][1];
    }
}

}  // namespace

void TFunc::MontaMatrizCondutividade(const TDadosModelo& dados, int m, TBanda& K) {
    Monta(dados, m, K, MatrizCondutividadeElemento);
}

void TFunc::MontaMatrizCapacidade(const TDadosModelo& dados, int m, TBanda& C) {
    Monta(dados, m, C, MatrizCapacidadeElemento);
}

double TFunc::TemperaturaAmbiente(const TDadosModelo& dados, double t) {
    const double A = (dados.TAmbMax - dados.TAmbMin) / 2.0;
    const double M = (dados.TAmbMax + dados.TAmbMin) / 2.0;
    const double c = (dados.HoraTAmbMax + dados.HoraTAmbMin) / 2.0;
    const double d = dados.HoraTAmbMax - dados.HoraTAmbMin;
    return M + A * std::sin(2.0 * std::numbers::pi * (t + 12.0 - c - d) / (2.0 * (24.0 - d)));
}

double TFunc::TemperaturaAr(const TDadosModelo& dados, double t) {
    return dados.Obra.UsaClimaArquivo() ? dados.Obra->TemperaturaAr(t)
           : dados.TAmbConstante        ? dados.TAmbConst
                                        : TemperaturaAmbiente(dados, t);
}

TDiaHora TFunc::DiaHora(double t) {
    TDiaHora r;
    r.Dia = Numeros::Trunc(t / 24.0 + 1.0);
    r.Hora = Numeros::Round((t / 24.0 + 1.0 - static_cast<double>(r.Dia)) * 24.0);
    return r;
}

TCoeficientes TFunc::CoeficientesConveccao(const TDadosModelo& dados, const TValoresSI& si, double t, int L) {
    const TDiaHora agora = DiaHora(t);
    const double hora = static_cast<double>(agora.Hora);
    TCoeficientes h{si.BetaInf, si.BetaSup};
    if (dados.CuraAtiva) {
        // Curing of the newest layer: the cured-surface coefficient within the daily
        // curing hours, from the day of placement through DiasCura days after it.
        const TTrocaCalor& S = si.Superficie[static_cast<std::size_t>(L)];
        const double diaP = static_cast<double>(DiaHora(si.Camadas[static_cast<std::size_t>(L)].HoraConcretagem).Dia);
        h.HInf = S.BetaI;
        const bool naHora = S.HoraIniCura <= hora && hora <= S.HoraFimCura;
        const bool noPrazo = S.DiasCura > 0.0 && static_cast<double>(agora.Dia) <= diaP + S.DiasCura;
        h.HSup = (naHora && noPrazo) ? S.BetaSC : S.BetaS;
    } else if (!dados.CoefConvConstante) {
        const TTrocaCalor& R = si.Superficie[1];
        h.HSup = (R.HoraIniDia <= hora && hora <= R.HoraIniNoite) ? R.HDia : R.HNoite;
    }
    if (dados.Obra.EmUso()) dados.Obra->AplicaCoeficientes(dados, t, L, h);
    return h;
}

TCoeficientes TFunc::CoeficientesDoPasso(const TDadosModelo& dados, TCoeficientes h) {
    const double p = HorasDoPasso(dados);
    return {h.HInf * p, h.HSup * p};
}

void TFunc::AplicaConveccao(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t, int L, int n) {
    // The stored coefficients are h·3600, the exchange of one hour; a step of
    // PassoTempo hours exchanges PassoTempo times as much.
    const TCoeficientes porHora = CoeficientesConveccao(dados, trabalho.SI, t, L);
    const TCoeficientes h = CoeficientesDoPasso(dados, porHora);
    trabalho.HInf = h.HInf;
    trabalho.HSup = h.HSup;
    const auto fim = static_cast<std::size_t>(n);
    trabalho.Sistema.Diag[1] += h.HInf;
    trabalho.Sistema.Diag[fim] += h.HSup;
    trabalho.Carga[1] += h.HInf * trabalho.TAmb;
    trabalho.Carga[fim] += h.HSup * trabalho.TAmb;
    trabalho.SolTopo = 0.0;
    if (dados.Obra.UsaClimaArquivo()) {
        trabalho.SolTopo = dados.Obra->FluxoSolarTopo(dados, t, L, porHora.HSup);
        trabalho.Carga[fim] += (dados.DtExplicito + dados.DtImplicito) * trabalho.SolTopo;
    }
    trabalho.CeuTopo = 0.0;
    trabalho.FracaoCeu = 0.0;
    trabalho.CeuAr = 0.0;
    if (dados.Obra.EmUso()) {
        trabalho.CeuTopo = dados.Obra->FluxoCeuTopo(dados, t, L, porHora.HSup, trabalho.FracaoCeu, trabalho.CeuAr);
        if (trabalho.CeuTopo != 0.0) trabalho.Carga[fim] += (dados.DtExplicito + dados.DtImplicito) * trabalho.CeuTopo;
    }
}

void TFunc::AplicaPerdaLateral(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t, int n) {
    // Lumped rather than consistent: the diagonal term keeps the step's matrix an
    // M-matrix, so a strong side loss over a long step cannot push a node below the
    // air, and each node's loss G_i·(TAmb − T_i) is what the energy balance adds up.
    // For a uniform temperature both give the same heat.
    const double dt = dados.DtExplicito + dados.DtImplicito;
    TVetorNos& G = trabalho.GLateral;
    for (int i = 1; i <= n; ++i) G[static_cast<std::size_t>(i)] = 0.0;
    int camadaAnterior = 0;
    double beta = 0.0;
    for (int e = 1; e < n; ++e) {
        const auto i = static_cast<std::size_t>(e);
        const int camada = trabalho.CamadaElemento[i];
        if (camada != camadaAnterior) {
            beta = dados.Obra->PerdaLateral(dados, t, camada);
            camadaAnterior = camada;
        }
        const double g = 0.5 * dt * beta * dados.Elementos[i].Espessura;
        G[i] += g;
        G[i + 1] += g;
    }
    for (int ii = 1; ii <= n; ++ii) {
        const auto i = static_cast<std::size_t>(ii);
        trabalho.Sistema.Diag[i] += G[i];
        trabalho.Carga[i] += G[i] * trabalho.TAmb;
    }
}

namespace {

// The system of a step over the load `carga` leaves in trabalho.Carga.
template <class Carga>
void MontaSistemaCom(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, double t, Carga carga) {
    const int m = dados.NElemAtivos;
    const int n = m + 1;
    TFunc::DistribuiPropriedades(dados, trabalho, L);
    carga();
    TFunc::MontaMatrizCondutividade(dados, m, trabalho.K);
    TFunc::MontaMatrizCapacidade(dados, m, trabalho.C);

    // Row i: (C − (1−θ)Δt·K)·Tprev summed over the band in column order, the same
    // sum as over the full row since the entries outside the band are zero.
    const double dtE = dados.DtExplicito;
    const double dtI = dados.DtImplicito;
    const TBanda& K = trabalho.K;
    const TBanda& C = trabalho.C;
    TBanda& S = trabalho.Sistema;
    const TVetorNos& T = trabalho.TAnterior;
    S.Zera(n);
    for (int ii = 1; ii <= n; ++ii) {
        const auto i = static_cast<std::size_t>(ii);
        double s = 0.0;
        if (ii > 1) s += (C.Inf[i] - dtE * K.Inf[i]) * T[i - 1];
        s += (C.Diag[i] - dtE * K.Diag[i]) * T[i];
        if (ii < n) s += (C.Sup[i] - dtE * K.Sup[i]) * T[i + 1];
        if (ii > 1) S.Inf[i] = dtI * K.Inf[i] + C.Inf[i];
        S.Diag[i] = dtI * K.Diag[i] + C.Diag[i];
        if (ii < n) S.Sup[i] = dtI * K.Sup[i] + C.Sup[i];
        trabalho.Carga[i] = (dtE + dtI) * trabalho.Carga[i] + s;
    }

    trabalho.TAmb = TFunc::TemperaturaAr(dados, t);
    if (!std::isfinite(trabalho.TAmb)) {
        throw ErroCalculo("a temperatura ambiente não tem valor finito (verifique as horas da máxima e da mínima)");
    }
    TFunc::AplicaConveccao(dados, trabalho, t, L, n);
    trabalho.Lateral = dados.Obra.TemLaterais();
    if (trabalho.Lateral) TFunc::AplicaPerdaLateral(dados, trabalho, t, n);
    if (trabalho.Resfriamento) trabalho.Resfriamento->Aplica(dados, trabalho, t, L);

    for (int ii = 1; ii <= n; ++ii) {
        const auto i = static_cast<std::size_t>(ii);
        if (!std::isfinite(S.Inf[i]) || !std::isfinite(S.Diag[i]) || !std::isfinite(S.Sup[i]) ||
            !std::isfinite(trabalho.Carga[i])) {
            throw ErroCalculo("o sistema do nó " + Numeros::FormataInteiro(ii) +
                              " tem coeficientes não finitos (verifique as propriedades das camadas)");
        }
    }
}

}  // namespace

void TFunc::MontaSistema(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, double t) {
    MontaSistemaCom(dados, trabalho, L, t, [&] { MontaVetorCarga(dados, trabalho, t); });
}

void TFunc::MontaSistemaConsistente(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, double t) {
    const double passo = HorasDoPasso(dados);
    MontaSistemaCom(dados, trabalho, L, t, [&] {
        TaxasElementos(dados, trabalho, t, [&](int camada, double x) {
            return Maturidade::Ativa(dados, camada) ? 0.0 : CalorMedioPasso(dados, trabalho.SI, camada, x - passo, x);
        });
        Maturidade::TaxasElementos(dados, trabalho);
        DistribuiCarga(dados, trabalho);
        // After DistribuiPropriedades copied the layers' K, before the matrices use it.
        Maturidade::CondutividadeElementos(dados, trabalho);
    });
    ImpoeTemperaturasPrescritas(dados, trabalho, L, Membro::NosAtivos(dados));
}

void TFunc::ImpoeTemperaturasPrescritas(const TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, int n) {
    TBanda& S = trabalho.Sistema;
    TVetorNos& b = trabalho.Carga;
    const auto fim = static_cast<std::size_t>(n);
    if (dados.TPrescInfAtiva) {
        const double tp = dados.TPrescInf;
        if (n > 1) {
            b[2] -= S.Inf[2] * tp;
            S.Inf[2] = 0.0;
        }
        S.Diag[1] = 1.0;
        S.Sup[1] = 0.0;
        b[1] = tp;
    }
    if (L == dados.NCamadas && dados.TPrescSupAtiva) {
        const double tp = dados.TPrescSup;
        if (n > 1) {
            b[fim - 1] -= S.Sup[fim - 1] * tp;
            S.Sup[fim - 1] = 0.0;
        }
        S.Inf[fim] = 0.0;
        S.Diag[fim] = 1.0;
        b[fim] = tp;
    }
}

double TFunc::TemperaturaInterface(const TCamada& abaixo, const TCamada& nova, int ne, double tAbaixo) {
    const double cAbaixo = abaixo.Ro * abaixo.CalorEsp * (abaixo.Espessura / ne) / 2.0;
    const double cNova = nova.Ro * nova.CalorEsp * (nova.Espessura / ne) / 2.0;
    const double total = cAbaixo + cNova;
    if (!(total != 0.0) || !std::isfinite(total)) return nova.TInicial;
    return (cAbaixo * tAbaixo + cNova * nova.TInicial) / total;
}

void TFunc::AplicaTemperaturasPrescritas(TDadosModelo& dados, int L) {
    const auto n = static_cast<std::size_t>(Membro::NosAtivos(dados));
    if (dados.TPrescInfAtiva) dados.Temperaturas[1] = dados.TPrescInf;
    if (L == dados.NCamadas && dados.TPrescSupAtiva) dados.Temperaturas[n] = dados.TPrescSup;
}

void TFunc::ResolveSistema(int m, const TBanda& A, const TVetorNos& b, double* x, double& tMax, int& noTMax,
                           Progresso& progresso) {
    const int n = m + 1;
    // Row k holds columns k..k+2 at most: d = A[k][k], s1 = A[k][k+1], s2 = A[k][k+2];
    // l[k] = A[k][k-1] before its elimination.
    std::array<double, MaxNos + 3> d{}, s1{}, s2{}, l{}, y{};
    for (int ii = 1; ii <= n; ++ii) {
        const auto i = static_cast<std::size_t>(ii);
        l[i] = A.Inf[i];
        d[i] = A.Diag[i];
        s1[i] = ii < n ? A.Sup[i] : 0.0;
        s2[i] = 0.0;
        y[i] = b[i];
    }

    for (int kk = 1; kk <= n - 1; ++kk) {
        const auto k = static_cast<std::size_t>(kk);
        progresso.PosicaoBarra(kk);
        progresso.Status(TextoEliminacao);
        progresso.Repinta();
        // Only row k+1 has a non-zero entry below the diagonal of column k.
        double v = d[k];
        if (std::fabs(l[k + 1]) > std::fabs(v)) {
            v = l[k + 1];
            // Exchange rows k and k+1 in columns k..n.
            std::swap(d[k], l[k + 1]);
            std::swap(s1[k], d[k + 1]);
            std::swap(s2[k], s1[k + 1]);
            std::swap(y[k], y[k + 1]);
        }
        if (v == 0.0) {
            throw ErroCalculo("pivô nulo na linha " + Numeros::FormataInteiro(kk) + " do sistema linear");
        }
        const double mult = l[k + 1] / v;
        l[k + 1] = l[k + 1] - mult * d[k];
        d[k + 1] = d[k + 1] - mult * s1[k];
        s1[k + 1] = s1[k + 1] - mult * s2[k];
        y[k + 1] = y[k + 1] - mult * y[k];
    }

    std::array<double, MaxNos + 3> r{};
    const auto nn = static_cast<std::size_t>(n);
    if (d[nn] == 0.0) {
        throw ErroCalculo("pivô nulo na linha " + Numeros::FormataInteiro(n) + " do sistema linear");
    }
    r[nn] = y[nn] / d[nn];
    double maximo = tMax;
    int no = noTMax;
    auto confere = [&](int ii) {
        const double v = r[static_cast<std::size_t>(ii)];
        if (!std::isfinite(v)) {
            throw ErroCalculo("a temperatura do nó " + Numeros::FormataInteiro(ii) + " não tem valor finito");
        }
        if (v > maximo) {
            maximo = v;
            no = ii;
        }
    };
    confere(n);
    int posicao = n - 1;
    for (int ii = n - 1; ii >= 1; --ii) {
        const auto i = static_cast<std::size_t>(ii);
        posicao += ii;
        progresso.PosicaoBarra(posicao);
        progresso.Status(TextoRetrosubstituicao);
        progresso.Repinta();
        double s = 0.0;
        s += s1[i] * r[i + 1];
        if (ii + 2 <= n) s += s2[i] * r[i + 2];
        if (d[i] == 0.0) {
            throw ErroCalculo("pivô nulo na linha " + Numeros::FormataInteiro(ii) + " do sistema linear");
        }
        r[i] = (y[i] - s) / d[i];
        confere(ii);
    }
    for (int ii = 1; ii <= n; ++ii) x[ii] = r[static_cast<std::size_t>(ii)];
    tMax = maximo;
    noTMax = no;
}
