#include "estudos/Calibracao.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "core/Erros.h"
#include "core/Maturidade.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "analise/Analise.h"
#include "results/Medicoes.h"
#include "obra/DadosObra.h"
#include "obra/Laterais.h"
#include "serpentinas/DadosSerpentinas.h"

namespace {

int Primeira(const TDadosModelo& d) { return Membro::PrimeiraCamadaDeConcreto(d); }
int Ultima(const TDadosModelo& d) { return Membro::CamadasDoMembro(d); }

template <class F>
void Concreto(TDadosModelo& d, F f) {
    for (int L = Primeira(d); L <= Ultima(d); ++L) f(L);
}

const TCalorInterno& Calor(const TDadosModelo& d) { return d.CalorCamadas[static_cast<std::size_t>(Primeira(d))]; }

void AplicaCE(TDadosModelo& d, double ce) {
    Concreto(d, [&](int L) {
        TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(L)];
        if (c.C == 0.0) throw ErroEntrada("C·E só se ajusta com o consumo de cimento C maior que zero");
        c.E = ce / c.C;
    });
}

// The coefficient that governs the top face: with curing the uncured one of every lift,
// with day and night the day one (the night one kept in proportion), else the constant.
double LeTopo(const TDadosModelo& d) {
    if (d.CuraAtiva) return d.Superficie[static_cast<std::size_t>(Primeira(d))].BetaS;
    if (!d.CoefConvConstante) return d.Superficie[1].HDia;
    return d.BetaSup;
}

void AplicaTopo(TDadosModelo& d, double v) {
    if (d.CuraAtiva) {
        Concreto(d, [&](int L) { d.Superficie[static_cast<std::size_t>(L)].BetaS = v; });
    } else if (!d.CoefConvConstante) {
        TTrocaCalor& r = d.Superficie[1];
        r.HNoite = r.HDia != 0.0 ? r.HNoite * (v / r.HDia) : v;
        r.HDia = v;
    } else {
        d.BetaSup = v;
    }
}

// The inlet water of the cooling pipes: that of the first lift with pipes; fitted, the
// same constant inlet in every lift with pipes.
double LeAgua(const TDadosModelo& d) {
    const TDadosSerpentinas& s = SerpentinasDe(d);
    for (int L = 1; L <= d.NCamadas; ++L)
        if (const TSerpentinasCamada* c = s.DaCamada(L)) return c->TEntrada;
    return 0.0;
}

void AplicaAgua(TDadosModelo& d, double v) {
    if (!SerpentinasDe(d).EmUso()) throw ErroEntrada("o problema não tem serpentinas de resfriamento");
    for (auto& c : SerpentinasEditavel(d).Camadas) {
        if (c.Alturas.empty()) continue;
        c.TEntrada = v;
        c.EntradaDaSerie = false;
    }
}

const std::vector<TParametroCalibracao> Tabela = {
    {"E", "E (calor final)", "cal/g", [](const TDadosModelo& d) { return Calor(d).E; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].E = v; }); }},
    {"CE", "C·E", "kg·cal/(g·m³)", [](const TDadosModelo& d) { return Calor(d).C * Calor(d).E; }, AplicaCE},
    {"n", "n da curva de hidratação", "-", [](const TDadosModelo& d) { return Calor(d).N; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].N = v; }); }},
    {"b", "b da curva de hidratação", "-", [](const TDadosModelo& d) { return Calor(d).B; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].B = v; }); }},
    {"Tr", "Tr da curva de hidratação", "°C", [](const TDadosModelo& d) { return Calor(d).Tr; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].Tr = v; }); }},
    {"Topo", "coeficiente do topo", "J/(h·m²·°C)", LeTopo, AplicaTopo},
    {"TLanc", "temperatura de lançamento", "°C",
     [](const TDadosModelo& d) { return d.Camadas[static_cast<std::size_t>(Primeira(d))].TInicial; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.Camadas[static_cast<std::size_t>(L)].TInicial = v; }); }},
    {"alfaU", "αu do calor pela maturidade", "-", [](const TDadosModelo& d) { return Calor(d).AlfaU; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].AlfaU = v; }); }},
    {"tau", "τ do calor pela maturidade", "h", [](const TDadosModelo& d) { return Calor(d).Tau; },
     [](TDadosModelo& d, double v) { Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].Tau = v; }); }},
    {"beta", "β do calor pela maturidade", "-", [](const TDadosModelo& d) { return Calor(d).BetaHid; },
     [](TDadosModelo& d, double v) {
         Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].BetaHid = v; });
     }},
    {"Ea", "energia de ativação", "J/mol", [](const TDadosModelo& d) { return Calor(d).EnergiaAtivacao; },
     [](TDadosModelo& d, double v) {
         Concreto(d, [&](int L) { d.CalorCamadas[static_cast<std::size_t>(L)].EnergiaAtivacao = v; });
     }},
    {"Lateral", "coeficiente das laterais descobertas", "W/(m²·°C)",
     [](const TDadosModelo& d) { return ObraDe(d).CoefLateral; },
     [](TDadosModelo& d, double v) { ObraEditavel(d).CoefLateral = v; }},
    {"TAgua", "temperatura de entrada da água das serpentinas", "°C", LeAgua, AplicaAgua},
};

// Rows of the table by what they belong to.
bool DaCurvaPorIdade(int k) { return k >= 2 && k <= 4; }   // n, b, Tr
bool DoCalorFinal(int k) { return k == 0 || k == 1; }       // E, C·E
bool DaMaturidade(int k) { return k >= 7 && k <= 10; }      // αu, τ, β, Ea
bool DaCurvaDaMaturidade(int k) { return k >= 7 && k <= 9; }  // αu, τ, β
constexpr int Topo = 5;
constexpr int Lateral = 11;

// Why parameter k cannot move the computed temperatures of this problem, when the
// problem itself tells; empty otherwise.
std::string PorQueNaoInflui(const TDadosModelo& d, int k) {
    const bool maturidade = Maturidade::Ativa(d, Primeira(d));
    if (DaCurvaPorIdade(k) && maturidade) return "as camadas usam o calor pela maturidade";
    if (DaMaturidade(k) && !maturidade) return "as camadas não usam o calor pela maturidade";
    if (k == Lateral && !Laterais::Finita(ObraDe(d)))
        return "o membro é extenso em planta, sem laterais (Dimensões em Planta)";
    if (k == Topo && d.TPrescSupAtiva) return "a temperatura do topo é prescrita";
    if (Tabela[static_cast<std::size_t>(k)].Chave == "TAgua" && !SerpentinasDe(d).EmUso())
        return "o problema não tem serpentinas de resfriamento";
    if (k == Topo && ObraDe(d).ClimaArquivo && !ObraDe(d).Vento.empty() && !d.CuraAtiva)
        return "o vento do arquivo de clima define o coeficiente do topo";
    return {};
}

struct Leitura {
    double altura, hora, medida, peso;
};

// One whole run of the problem up to the last hour fitted, with the values applied.
class Modelo {
public:
    Modelo(const TDadosModelo& base, const std::vector<int>& escolhidos, const std::vector<double>& iniciais,
           double ate)
        : escolhidos_(escolhidos), iniciais_(iniciais), base_(std::make_unique<TDadosModelo>()) {
        // Through the project text: a fresh state, nothing of an earlier run.
        Projeto::LeTexto(Projeto::Texto(base), *base_);
        base_->Medicoes.clear();
        // The fit needs the history only up to the last reading fitted.
        const double passo = std::max(1, static_cast<int>(base_->PassoTempo));
        const double fim = std::ceil(ate / passo) * passo + passo;
        if (fim < base_->TempoTotal) base_->TempoTotal = fim;
    }

    // Temperatures computed at each reading; `x` the values relative to the start.
    std::vector<std::optional<double>> Calcula(const double* x, const std::vector<Leitura>& leituras) const {
        auto d = std::make_unique<TDadosModelo>(*base_);
        for (std::size_t i = 0; i < escolhidos_.size(); ++i)
            Tabela[static_cast<std::size_t>(escolhidos_[i])].Aplica(*d, x[i] * iniciais_[i]);
        Progresso nada;
        Analise ex = Analise::Executa(std::move(d), OpcoesAnalise{}, nada);
        std::vector<std::optional<double>> r;
        r.reserve(leituras.size());
        for (const Leitura& l : leituras) r.push_back(Medicoes::Calculada(*ex.Dados, ex.Temperaturas, l.altura, l.hora));
        return r;
    }

private:
    std::vector<int> escolhidos_;
    std::vector<double> iniciais_;
    std::unique_ptr<TDadosModelo> base_;
};

struct Contexto {
    const Modelo* modelo;
    const std::vector<Leitura>* leituras;
    std::string erro;  // an exception of a run, carried out of GSL's C callbacks
};

double Rms(const std::vector<Leitura>& leituras, const std::vector<std::optional<double>>& c) {
    double s = 0.0;
    for (std::size_t i = 0; i < leituras.size(); ++i) {
        const double e = c[i].value_or(leituras[i].medida) - leituras[i].medida;
        s += e * e;
    }
    return std::sqrt(s / static_cast<double>(leituras.size()));
}

int Residuos(const gsl_vector* x, void* dados, gsl_vector* f) {
    auto* ctx = static_cast<Contexto*>(dados);
    try {
        const auto c = ctx->modelo->Calcula(gsl_vector_const_ptr(x, 0), *ctx->leituras);
        for (std::size_t i = 0; i < c.size(); ++i) {
            const Leitura& l = (*ctx->leituras)[i];
            // A reading the run no longer reaches counts as matched: it cannot steer the fit.
            gsl_vector_set(f, i, c[i] ? *c[i] - l.medida : 0.0);
        }
        return GSL_SUCCESS;
    } catch (const std::exception& e) {
        ctx->erro = e.what();
        return GSL_EBADFUNC;
    }
}

// Central differences of whole runs, 1 % of each value.
int Jacobiano(const gsl_vector* x, void* dados, gsl_matrix* J) {
    auto* ctx = static_cast<Contexto*>(dados);
    const std::size_t p = x->size;
    std::vector<double> xs(p);
    for (std::size_t k = 0; k < p; ++k) xs[k] = gsl_vector_get(x, k);
    try {
        for (std::size_t k = 0; k < p; ++k) {
            const double h = 0.01 * std::max(std::fabs(xs[k]), 1e-3);
            std::vector<double> mais = xs, menos = xs;
            mais[k] += h;
            menos[k] -= h;
            const auto a = ctx->modelo->Calcula(mais.data(), *ctx->leituras);
            const auto b = ctx->modelo->Calcula(menos.data(), *ctx->leituras);
            for (std::size_t i = 0; i < a.size(); ++i)
                gsl_matrix_set(J, i, k, a[i] && b[i] ? (*a[i] - *b[i]) / (2 * h) : 0.0);
        }
        return GSL_SUCCESS;
    } catch (const std::exception& e) {
        ctx->erro = e.what();
        return GSL_EBADFUNC;
    }
}

struct Liberador {
    gsl_multifit_nlinear_workspace* w = nullptr;
    gsl_vector* x = nullptr;
    gsl_vector* pesos = nullptr;
    gsl_matrix* cov = nullptr;
    ~Liberador() {
        if (w) gsl_multifit_nlinear_free(w);
        if (x) gsl_vector_free(x);
        if (pesos) gsl_vector_free(pesos);
        if (cov) gsl_matrix_free(cov);
    }
};

std::string G(double v) { return Numeros::FormataGeral(v); }
std::string Chave(int k) { return std::string(Tabela[static_cast<std::size_t>(k)].Chave); }
// Padded to |largura| characters (the keys are ASCII): right-aligned, or left with a negative width.
std::string Alinha(const std::string& t, int largura) {
    const auto w = static_cast<std::size_t>(std::abs(largura));
    if (t.size() >= w) return t;
    return largura < 0 ? t + std::string(w - t.size(), ' ') : std::string(w - t.size(), ' ') + t;
}

// The driver's stopping codes in words.
std::string PorQueParou(int estado) {
    switch (estado) {
        case GSL_EMAXITER: return "atingiu o máximo de iterações sem que o passo ou o gradiente ficassem pequenos";
        case GSL_ENOPROG: return "nenhum passo reduz mais o resíduo (o ajuste não progride)";
        case GSL_ESING: return "o sistema do ajuste é singular (parâmetros que não se distinguem)";
        default: return "o ajuste parou com o código " + Numeros::FormataInteiro(estado) + " da biblioteca";
    }
}

// Before the fit: every chosen parameter must move the computed temperatures. The
// weighted columns of the Jacobian at the start values, by the same central
// differences the fit uses.
void RecusaSemInfluencia(const TDadosModelo& dados, const std::vector<int>& escolhidos, Contexto& ctx, double ate) {
    const std::size_t n = ctx.leituras->size(), p = escolhidos.size();
    gsl_vector* x = gsl_vector_alloc(p);
    gsl_matrix* J = gsl_matrix_alloc(n, p);
    if (!x || !J) {
        if (x) gsl_vector_free(x);
        if (J) gsl_matrix_free(J);
        throw std::bad_alloc();
    }
    gsl_vector_set_all(x, 1.0);
    const int estado = Jacobiano(x, &ctx, J);
    std::vector<double> norma(p, 0.0);
    for (std::size_t k = 0; k < p; ++k) {
        for (std::size_t i = 0; i < n; ++i) {
            const double v = gsl_matrix_get(J, i, k);
            norma[k] += (*ctx.leituras)[i].peso * v * v;
        }
        norma[k] = std::sqrt(norma[k]);
    }
    gsl_vector_free(x);
    gsl_matrix_free(J);
    if (estado != GSL_SUCCESS) throw ErroCalculo("A calibração falhou na primeira execução: " + ctx.erro);
    const double maior = *std::max_element(norma.begin(), norma.end());
    for (std::size_t k = 0; k < p; ++k) {
        if (norma[k] > 0.0 && norma[k] >= Calibracao::LimiteInfluencia * maior) continue;
        const int parametro = escolhidos[k];
        const std::string razao = PorQueNaoInflui(dados, parametro);
        const std::string efeito = norma[k] > 0.0 ? "muda as temperaturas calculadas muito menos que os outros parâmetros"
                                                  : "não muda as temperaturas calculadas";
        throw ErroEntrada(Chave(parametro) + " não influi" + (razao.empty() ? "" : ": " + razao) + ". O parâmetro " +
                          efeito + " nas leituras até a hora " + G(ate) +
                          " (a sua coluna do Jacobiano é " + (norma[k] > 0.0 ? "desprezível" : "nula") +
                          "), e o ajuste não pode determiná-lo; tire-o da calibração.");
    }
}

// Correlations of the fitted parameters and what the data leave undetermined.
void Correlaciona(TResultadoCalibracao& r) {
    const std::size_t p = r.Valores.size();
    r.Correlacao.assign(p * p, 0.0);
    std::string correlacoes, incertezas;
    for (std::size_t k = 0; k < p; ++k) {
        for (std::size_t m = 0; m < p; ++m) {
            const double den = std::sqrt(r.Covariancia[k * p + k] * r.Covariancia[m * p + m]);
            const double c = k == m ? 1.0 : den > 0.0 ? r.Covariancia[k * p + m] / den : 0.0;
            r.Correlacao[k * p + m] = c;
            if (m > k && std::fabs(c) > TResultadoCalibracao::LimiteCorrelacao) {
                correlacoes += std::string(correlacoes.empty() ? "" : "; ") + Chave(r.Valores[k].Parametro) + " e " +
                               Chave(r.Valores[m].Parametro) + " têm correlação " + Numeros::FormataFixo(c, 0, 3);
            }
        }
        const TResultadoCalibracao::Valor& v = r.Valores[k];
        const double relativa = v.Ajustado != 0.0 ? v.Incerteza / std::fabs(v.Ajustado) : HUGE_VAL;
        if (!(relativa <= TResultadoCalibracao::LimiteIncerteza)) {
            incertezas += std::string(incertezas.empty() ? "" : "; ") + Chave(v.Parametro) + " tem incerteza de " +
                          (std::isfinite(relativa) ? Numeros::FormataFixo(100.0 * relativa, 0, 0) + " %"
                                                   : std::string("valor indefinido")) +
                          " do valor ajustado";
        }
    }
    const std::string conclusao =
        ": os dados não determinam os parâmetros, e a previsão com os valores ajustados pode ficar longe do que "
        "o concreto vai fazer. Use leituras até uma idade maior ou ajuste menos parâmetros.";
    if (!correlacoes.empty())
        r.Avisos.push_back("Atenção: " + correlacoes + " (acima de " +
                           Numeros::FormataFixo(TResultadoCalibracao::LimiteCorrelacao, 0, 2) + " em módulo)" +
                           conclusao);
    if (!incertezas.empty())
        r.Avisos.push_back("Atenção: " + incertezas + " (acima de " +
                           Numeros::FormataFixo(100.0 * TResultadoCalibracao::LimiteIncerteza, 0, 0) + " %)" +
                           conclusao);
}

}  // namespace

std::string TResultadoCalibracao::Texto() const {
    std::string s = "Calibração às medições até a hora " + G(Ate) + " (" + Numeros::FormataInteiro(Leituras) +
                    " leituras)\n";
    for (const Valor& v : Valores) {
        const auto& p = Tabela[static_cast<std::size_t>(v.Parametro)];
        s += "  " + std::string(p.Chave) + " (" + std::string(p.Nome) + ", " + std::string(p.Unidade) +
             "): inicial " + G(v.Inicial) + ", ajustado " + Numeros::FormataFixo(v.Ajustado, 0, 6) + " ± " +
             Numeros::FormataFixo(v.Incerteza, 0, 6) + "\n";
    }
    s += "RMS antes: " + Numeros::FormataFixo(RMSAntes, 0, 3) + " °C; depois: " + Numeros::FormataFixo(RMSDepois, 0, 3) +
         " °C\n";
    s += Situacao + " (" + Numeros::FormataInteiro(Iteracoes) + " iterações).\n";
    const std::size_t p = Valores.size();
    if (Correlacao.size() == p * p && p > 1) {
        s += "Correlação dos parâmetros ajustados:\n";
        std::string cab = "  " + std::string(8, ' ');
        for (const Valor& v : Valores) cab += " " + Alinha(Chave(v.Parametro), 8);
        s += cab + "\n";
        for (std::size_t k = 0; k < p; ++k) {
            std::string l = "  " + Alinha(Chave(Valores[k].Parametro), -8);
            // Two appends: GCC 12 warns falsely (-Wrestrict) on " " + string here.
            for (std::size_t m = 0; m < p; ++m) {
                l += ' ';
                l += Numeros::FormataFixo(Correlacao[k * p + m], 8, 3);
            }
            s += l + "\n";
        }
    }
    for (const std::string& a : Avisos) s += a + "\n";
    return s;
}

namespace Calibracao {

const std::vector<TParametroCalibracao>& Parametros() { return Tabela; }

std::vector<int> LeLista(const std::string& lista) {
    std::vector<int> r;
    std::size_t i = 0;
    while (i <= lista.size()) {
        const std::size_t f = std::min(lista.find(',', i), lista.size());
        const std::string nome = lista.substr(i, f - i);
        int achou = -1;
        for (std::size_t k = 0; k < Tabela.size(); ++k)
            if (Tabela[k].Chave == nome) achou = static_cast<int>(k);
        if (achou < 0) {
            std::string nomes;
            for (const auto& p : Tabela) nomes += (nomes.empty() ? "" : ", ") + std::string(p.Chave);
            throw ErroEntrada("parâmetro de calibração desconhecido \"" + nome + "\"; use " + nomes);
        }
        if (std::find(r.begin(), r.end(), achou) != r.end())
            throw ErroEntrada("o parâmetro \"" + nome + "\" aparece duas vezes na calibração");
        r.push_back(achou);
        i = f + 1;
    }
    return r;
}

TResultadoCalibracao Ajusta(const TDadosModelo& dados, const std::vector<int>& escolhidos, double ate) {
    if (escolhidos.empty()) throw ErroEntrada("Escolha ao menos um parâmetro para a calibração.");
    if (dados.Medicoes.empty()) throw ErroEntrada("Não há medições para a calibração.");
    const bool ce = std::find(escolhidos.begin(), escolhidos.end(), 1) != escolhidos.end();
    const bool e = std::find(escolhidos.begin(), escolhidos.end(), 0) != escolhidos.end();
    if (ce && e) throw ErroEntrada("E e C·E não se ajustam juntos: um decide o outro.");
    for (int k : escolhidos) {
        const bool curva = DoCalorFinal(k) || DaCurvaPorIdade(k) || DaCurvaDaMaturidade(k);
        if (curva && dados.CalorDiscreto)
            throw ErroEntrada("os parâmetros da curva de hidratação só se ajustam sem a tabela discreta de calor");
        if ((curva || DaMaturidade(k)) && Calor(dados).Constante)
            throw ErroEntrada("os parâmetros da curva de hidratação só se ajustam com o calor pela curva");
    }

    TResultadoCalibracao r;
    r.Ate = ate;
    std::vector<double> iniciais;
    for (int k : escolhidos) {
        const double v = Tabela[static_cast<std::size_t>(k)].Le(dados);
        if (v == 0.0)
            throw ErroEntrada("o valor inicial de " + std::string(Tabela[static_cast<std::size_t>(k)].Chave) +
                              " é zero; dê um valor inicial diferente de zero");
        iniciais.push_back(v);
        r.Valores.push_back({k, v, v, 0.0});
    }
    const Modelo modelo(dados, escolhidos, iniciais, ate);

    // The readings up to the hour, each sensor weighing the same.
    std::vector<Leitura> todas;
    for (const TSensor& s : dados.Medicoes) {
        std::vector<Leitura> doSensor;
        for (const TLeitura& l : s.Leituras)
            if (l.Hora <= ate) doSensor.push_back({s.Altura, l.Hora, l.Temperatura, 1.0});
        for (auto& l : doSensor) l.peso = 1.0 / static_cast<double>(doSensor.size());
        todas.insert(todas.end(), doSensor.begin(), doSensor.end());
    }
    // Only readings the run computes: on the member, after their lift was placed.
    const std::vector<double> um(escolhidos.size(), 1.0);
    const auto inicio = modelo.Calcula(um.data(), todas);
    std::vector<Leitura> leituras;
    std::vector<std::optional<double>> antes;
    for (std::size_t i = 0; i < todas.size(); ++i) {
        if (inicio[i]) {
            leituras.push_back(todas[i]);
            antes.push_back(inicio[i]);
        }
    }
    if (leituras.size() <= escolhidos.size())
        throw ErroEntrada("Há " + Numeros::FormataInteiro(static_cast<long long>(leituras.size())) +
                          " leituras calculáveis até a hora " + G(ate) + ": poucas para " +
                          Numeros::FormataInteiro(static_cast<long long>(escolhidos.size())) + " parâmetros.");
    r.Leituras = static_cast<int>(leituras.size());
    r.RMSAntes = Rms(leituras, antes);

    const std::size_t n = leituras.size(), p = escolhidos.size();
    Contexto ctx{&modelo, &leituras, {}};
    RecusaSemInfluencia(dados, escolhidos, ctx, ate);
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residuos;
    fdf.df = Jacobiano;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &ctx;
    gsl_multifit_nlinear_parameters opcoes = gsl_multifit_nlinear_default_parameters();
    opcoes.trs = gsl_multifit_nlinear_trs_lm;
    Liberador g;
    gsl_set_error_handler_off();
    g.w = gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &opcoes, n, p);
    g.x = gsl_vector_alloc(p);
    g.pesos = gsl_vector_alloc(n);
    g.cov = gsl_matrix_alloc(p, p);
    if (!g.w || !g.x || !g.pesos || !g.cov) throw std::bad_alloc();
    gsl_vector_set_all(g.x, 1.0);
    for (std::size_t i = 0; i < n; ++i) gsl_vector_set(g.pesos, i, leituras[i].peso);
    if (gsl_multifit_nlinear_winit(g.x, g.pesos, &fdf, g.w) != GSL_SUCCESS)
        throw ErroCalculo("A calibração falhou na primeira execução: " + ctx.erro);
    int info = 0;
    const int estado = gsl_multifit_nlinear_driver(50, 1e-6, 1e-8, 1e-8, nullptr, nullptr, &info, g.w);
    if (!ctx.erro.empty()) throw ErroCalculo("A calibração parou numa execução que falhou: " + ctx.erro);
    r.Iteracoes = static_cast<int>(gsl_multifit_nlinear_niter(g.w));
    r.Convergiu = estado == GSL_SUCCESS;
    r.Situacao = r.Convergiu ? (info == 1 ? "Convergiu pelo passo" : "Convergiu pelo gradiente")
                             : "Não convergiu: " + PorQueParou(estado);

    // Standard uncertainty: (JᵀWJ)⁻¹ scaled by the weighted residual variance.
    const gsl_vector* x = gsl_multifit_nlinear_position(g.w);
    gsl_matrix* J = gsl_multifit_nlinear_jac(g.w);
    gsl_multifit_nlinear_covar(J, 0.0, g.cov);
    const gsl_vector* f = gsl_multifit_nlinear_residual(g.w);  // already weighted: √w·r
    double chi2 = 0.0;
    gsl_blas_ddot(f, f, &chi2);
    const double s2 = chi2 / static_cast<double>(n - p);
    r.Covariancia.assign(p * p, 0.0);
    for (std::size_t k = 0; k < p; ++k) {
        r.Valores[k].Ajustado = gsl_vector_get(x, k) * iniciais[k];
        r.Valores[k].Incerteza = std::sqrt(s2 * gsl_matrix_get(g.cov, k, k)) * std::fabs(iniciais[k]);
        for (std::size_t m = 0; m < p; ++m)
            r.Covariancia[k * p + m] = s2 * gsl_matrix_get(g.cov, k, m) * iniciais[k] * iniciais[m];
    }
    std::vector<double> xs(p);
    for (std::size_t k = 0; k < p; ++k) xs[k] = gsl_vector_get(x, k);
    r.RMSDepois = Rms(leituras, modelo.Calcula(xs.data(), leituras));
    Correlaciona(r);
    return r;
}

void Aplica(TDadosModelo& dados, const TResultadoCalibracao& r) {
    for (const auto& v : r.Valores) Tabela[static_cast<std::size_t>(v.Parametro)].Aplica(dados, v.Ajustado);
}

namespace {

// The whole run with the given values; the curve at each sensor's height.
std::vector<std::vector<TLeitura>> Curvas(const TDadosModelo& base, const TResultadoCalibracao& r,
                                          const std::vector<double>& valores) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(Projeto::Texto(base), *d);
    for (std::size_t k = 0; k < valores.size(); ++k)
        Tabela[static_cast<std::size_t>(r.Valores[k].Parametro)].Aplica(*d, valores[k]);
    const std::vector<TSensor> sensores = base.Medicoes;
    d->Medicoes.clear();
    Progresso nada;
    Analise ex = Analise::Executa(std::move(d), OpcoesAnalise{}, nada);
    std::vector<std::vector<TLeitura>> c;
    for (const TSensor& s : sensores) c.push_back(Medicoes::CurvaCalculada(*ex.Dados, ex.Temperaturas, s.Altura));
    return c;
}

}  // namespace

std::vector<TPrevisao> Previsao(const TDadosModelo& dados, const TResultadoCalibracao& r) {
    const std::size_t p = r.Valores.size();
    std::vector<double> ajustados;
    for (const auto& v : r.Valores) ajustados.push_back(v.Ajustado);
    const auto centro = Curvas(dados, r, ajustados);
    // g_k(t) per sensor and hour.
    std::vector<std::vector<std::vector<double>>> g(p);
    for (std::size_t k = 0; k < p; ++k) {
        const double h = r.Valores[k].Incerteza > 0.0 ? r.Valores[k].Incerteza : 1e-3 * std::fabs(ajustados[k]);
        std::vector<double> mais = ajustados, menos = ajustados;
        mais[k] += h;
        menos[k] -= h;
        const auto a = Curvas(dados, r, mais), b = Curvas(dados, r, menos);
        g[k].resize(centro.size());
        for (std::size_t s = 0; s < centro.size(); ++s) {
            g[k][s].assign(centro[s].size(), 0.0);
            // Same rows in the three runs: the parameters do not move placements or steps.
            if (a[s].size() != centro[s].size() || b[s].size() != centro[s].size()) continue;
            for (std::size_t i = 0; i < centro[s].size(); ++i)
                g[k][s][i] = (a[s][i].Temperatura - b[s][i].Temperatura) / (2 * h);
        }
    }
    std::vector<TPrevisao> prev(centro.size());
    for (std::size_t s = 0; s < centro.size(); ++s) {
        for (std::size_t i = 0; i < centro[s].size(); ++i) {
            double var = 0.0;
            for (std::size_t k = 0; k < p; ++k)
                for (std::size_t m = 0; m < p; ++m) var += g[k][s][i] * r.Covariancia[k * p + m] * g[m][s][i];
            prev[s].Pontos.push_back({centro[s][i].Hora, centro[s][i].Temperatura, std::sqrt(std::max(var, 0.0))});
        }
    }
    return prev;
}

}  // namespace Calibracao
