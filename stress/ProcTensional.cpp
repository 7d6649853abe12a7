#include "stress/ProcTensional.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "stress/AvaliadorFluencia.h"
#include "stress/Funcao.h"
#include "stress/MatrizFluencia.h"
#include "stress/Restricao.h"
#include "stress/RetracaoAutogena.h"
#include "stress/Superposicao.h"

namespace {

using Numeros::FormataInteiro;

// Below this many multiply-adds a second thread costs more than it saves.
constexpr double TrabalhoMinimoParalelo = 4e6;

const char* const TextoSubstituicao = "Fazendo Retrosubstituição...";

// Progress of the solves, reported from the calling thread only (the window is not
// thread-safe); the other thread only counts its rows.
class Andamento {
public:
    Andamento(Progresso& p, double total) : p_(p), total_(total > 0.0 ? total : 1.0) {}
    void Conta(long long linhas) { feitas_.fetch_add(linhas, std::memory_order_relaxed); }
    void NosConcluidos(int n) { nos_.fetch_add(n, std::memory_order_relaxed); }
    void Define(long long linhas, int nos) {
        feitas_.store(linhas, std::memory_order_relaxed);
        nos_.store(nos, std::memory_order_relaxed);
    }
    // Called by the calling thread between rows.
    void Avisa() {
        if (++chamadas_ % 4 != 0) return;
        const double feito = static_cast<double>(feitas_.load(std::memory_order_relaxed));
        p_.PosicaoBarra(static_cast<int>(std::min(100.0, 100.0 * feito / total_)));
        p_.PosicaoGauge(nos_.load(std::memory_order_relaxed));
        p_.Repinta();
    }

private:
    Progresso& p_;
    double total_;
    std::atomic<long long> feitas_{0};
    std::atomic<int> nos_{0};
    long long chamadas_ = 0;
};

// Runs tarefa(k) for k = 0..n − 1 on `linhas` threads, handing the next k to whichever is
// free; the calling thread is thread 0.
// An exception of any thread (memory exhausted) is raised again in the caller.
template <class F>
void Distribui(int n, int linhas, F tarefa) {
    std::atomic<int> proxima{0};
    std::vector<std::exception_ptr> erros(static_cast<std::size_t>(std::max(linhas, 1)));
    auto trabalho = [&](int fio) {
        try {
            for (int k = proxima.fetch_add(1); k < n; k = proxima.fetch_add(1)) tarefa(k, fio);
        } catch (...) {
            erros[static_cast<std::size_t>(fio)] = std::current_exception();
            proxima.store(n);
        }
    };
    std::vector<std::thread> outras;
    for (int f = 1; f < linhas; ++f) outras.emplace_back(trabalho, f);
    trabalho(0);
    for (auto& t : outras) t.join();
    for (const auto& e : erros)
        if (e) std::rethrow_exception(e);
}

// How a node's solve failed: a compliance (loading hour j, hour i) or a stress (hour i)
// that is not a finite number.
struct FalhaNo {
    enum Tipo { Nenhuma, Fluencia, Tensao } tipo = Nenhuma;
    int j = 0;
    int i = 0;
};

[[noreturn]] void FalhaFluencia(const TDadosModelo& d, int j, int i) {
    throw ErroCalculo("Erro de cálculo no modelo de fluência " + TFuncao::NomeModelo(d.ModeloFluencia) +
                      ": a função de fluência da carga aplicada com " + FormataInteiro(j) +
                      " horas de idade, na idade de " + FormataInteiro(i) +
                      " horas, não resulta num número finito. Verifique os parâmetros do modelo.");
}

[[noreturn]] void FalhaTensao(const TDadosModelo& d, int no, int i) {
    throw ErroCalculo("Erro de cálculo no modelo de fluência " + TFuncao::NomeModelo(d.ModeloFluencia) +
                      ": a tensão do Nó " + FormataInteiro(no) + " com " + FormataInteiro(i) +
                      " horas de idade não resulta num número finito. Verifique os parâmetros do modelo.");
}

int PrimeiraNaoFinita(const std::vector<double>& v) {
    for (std::size_t k = 0; k < v.size(); ++k)
        if (!std::isfinite(v[k])) return static_cast<int>(k);
    return -1;
}

}  // namespace

int TProcTensional::CamadaDoNo(const TDadosModelo& d, int n) { return Membro::CamadaDoNo(d, n); }

bool TProcTensional::NoDaFundacao(const TDadosModelo& d, int n) { return Membro::NoDaFundacao(d, n); }

int TProcTensional::HorasCamada(const TDadosModelo& d, int camada) {
    return static_cast<int>(Membro::HorasDaCamada(d, camada));
}

double TProcTensional::CoefRestricaoNo(const TDadosModelo& d, int n) {
    if (!d.RestricaoACI) return 1.0;  // every node fully restrained
    const double y = Membro::AlturaNaMalha(d, n, static_cast<int>(Membro::NumeroElementos(d)));
    double h = y;
    if (d.Fundacao) {
        // The first layer is held by the foundation; heights count from its top.
        if (NoDaFundacao(d, n)) return 1.0;
        h = y - Membro::BaseDoConcreto(d);
    }
    return FatorRestricao(h, d.AlturaRestricao, d.ComprimentoRestricao);
}

void TProcTensional::ValidaEntrada(const TDadosModelo& d, const HistoricoNumerico& temperaturas) {
    if (!d.TermicoCompleto)
        throw ErroEntrada("A análise tensional precisa de uma análise térmica completa. "
                          "Execute a análise térmica antes.");
    ValidaParametros(d);
    const long long H1 = Membro::HorasDaCamada(d, 1);
    const int nos = static_cast<int>(Membro::NumeroNos(d));
    if (temperaturas.Colunas() < nos + 1 || temperaturas.Linhas() < std::max<long long>(H1, 0) + 1)
        throw ErroEntrada("A tabela de temperaturas não corresponde ao membro atual (" + FormataInteiro(nos) +
                          " nós, " + FormataInteiro(std::max<long long>(H1, 0)) +
                          " horas). Execute a análise térmica novamente.");
}

void TProcTensional::ValidaParametros(const TDadosModelo& d) {
    if (d.PassoTempo != 1)
        throw ErroEntrada("A análise tensional precisa das temperaturas de hora em hora: o passo de tempo "
                          "da análise térmica é de " + FormataInteiro(d.PassoTempo) + " horas e deve ser 1.");
    if (d.NCamadas < 1 || d.NElemCamada < 1 || d.NCamadas > MaxCamadas ||
        Membro::NumeroNos(d) > MaxNos)
        throw ErroEntrada("O membro deve ter de 1 a " + FormataInteiro(MaxCamadas) + " camadas e no máximo " +
                          FormataInteiro(MaxNos) + " nós.");
    for (int l = 2; l <= d.NCamadas; ++l)
        if (d.Camadas[l].HoraConcretagem < d.Camadas[1].HoraConcretagem)
            throw ErroEntrada("A camada " + FormataInteiro(l) +
                              " está concretada antes da camada 1; corrija o cronograma de concretagem.");
    const long long H1 = Membro::HorasDaCamada(d, 1);
    if (H1 > MaxHoras)
        throw ErroEntrada("A história de temperaturas tem " + FormataInteiro(H1) +
                          " horas; a análise tensional admite no máximo " + FormataInteiro(MaxHoras) + " horas.");
    if (d.ModeloFluencia == TModeloFluencia::Nenhum)
        throw ErroEntrada("Escolha um modelo de fluência antes de executar a análise tensional.");
    if (d.RestricaoACI && d.AlturaRestricao == 0.0)
        throw ErroEntrada("O coeficiente de restrição ACI precisa da altura H da estrutura, que está nula. "
                          "Informe H na janela \"Coef. de Restrição - ACI\".");
    // A negative height has a factor (h/H < 0 raises it above 1) but no meaning.
    if (d.RestricaoACI && d.AlturaRestricao < 0.0)
        throw ErroEntrada("O coeficiente de restrição ACI precisa da altura H da estrutura, que está negativa (" +
                          Numeros::FormataGeral(d.AlturaRestricao) +
                          "). Informe H na janela \"Coef. de Restrição - ACI\".");
}

std::vector<std::vector<double>> TProcTensional::SubstituicaoProgressiva(
    const TMatrizFluencia& M, const std::vector<std::vector<double>>& deformacoes) {
    std::vector<int> horas;
    for (const auto& e : deformacoes) horas.push_back(static_cast<int>(e.size()));
    TSuperposicao sup(horas);
    for (int no = 0; no < sup.Nos(); ++no)
        for (int i = 0; i < sup.Horas(no); ++i) sup(no, i) = deformacoes[static_cast<std::size_t>(no)][static_cast<std::size_t>(i)];
    sup.Resolve(M, 1);
    std::vector<std::vector<double>> incrementos(deformacoes.size());
    for (int no = 0; no < sup.Nos(); ++no)
        for (int i = 0; i < sup.Horas(no); ++i) incrementos[static_cast<std::size_t>(no)].push_back(sup(no, i));
    return incrementos;
}

void TProcTensional::AcumulaTensoes(std::vector<double>& tensoes, double& minimo, std::int32_t& hora) {
    double soma = 0.0;
    for (std::size_t k = 0; k < tensoes.size(); ++k) {
        soma = k == 0 ? tensoes[0] : soma + tensoes[k];
        tensoes[k] = soma;
        // The first hour is not examined.
        if (k >= 1 && soma < 0.0 && soma < minimo) {
            minimo = soma;
            hora = static_cast<std::int32_t>(k + 1);
        }
    }
}

std::string TProcTensional::MensagemTracao(const TDadosModelo& d) {
    // 0 − x keeps a zero from printing as "-0,00".
    const double valor = 0.0 - d.TracaoMaxima;
    return "A Tensão Máxima de Tração" + Numeros::FormataFixo(valor, 6, 2) + " MPa ,ocorreu no Nó " +
           FormataInteiro(d.NoTracaoMaxima) + ", transcorridos " + FormataInteiro(d.HoraTracaoMaxima) +
           " horas.";
}

ResultadoTensional TProcTensional::ProcessaTensional(TDadosModelo& d, const TabelaTexto& temperaturas,
                                                     TabelaTexto& tensoes, Progresso& progresso,
                                                     int linhasExecucao, const Ladrilhos& ladrilhos) {
    // The cells the run reads must be numbers, refused as their text as before.
    ValidaEntrada(d, HistoricoNumerico(temperaturas.Colunas(), temperaturas.Linhas()));
    const int nos = static_cast<int>(Membro::NumeroNos(d));
    for (int n = 1; n <= nos; ++n) {
        const int l = CamadaDoNo(d, n);
        for (int k = 0; k < std::max(HorasCamada(d, l), 0); ++k)
            (void)Numeros::TextoParaReal(temperaturas.Celula(
                n, Membro::LinhaDaHora(d, static_cast<long long>(Membro::HoraAbsoluta(d, l, k + 1)))));
    }
    HistoricoNumerico numeros;
    try {
        const ResultadoTensional r = ProcessaTensional(d, HistoricoNumerico::DoTexto(temperaturas, 2), numeros,
                                                       progresso, linhasExecucao, ladrilhos);
        numeros.EscreveTexto(tensoes);
        return r;
    } catch (const ErroCalculo&) {
        // The nodes before the failing one, once the table was rebuilt.
        if (numeros.Colunas() > 0) numeros.EscreveTexto(tensoes);
        throw;
    }
}

ResultadoTensional TProcTensional::ProcessaTensional(TDadosModelo& d, const HistoricoNumerico& temperaturas,
                                                     HistoricoNumerico& tensoes, Progresso& progresso,
                                                     int linhasExecucao, const Ladrilhos& ladrilhos) {
    ValidaEntrada(d, temperaturas);
    const int N = static_cast<int>(Membro::NumeroElementos(d));
    const int nos = static_cast<int>(Membro::NumeroNos(d));
    const int H1 = std::max(HorasCamada(d, 1), 0);
    const bool maturidade = d.ModeloFluencia == TModeloFluencia::Bazant && d.ConsideraMaturidade;

    std::vector<int> horasNo(static_cast<std::size_t>(nos) + 1, 0);
    std::vector<int> deslocamento(static_cast<std::size_t>(nos) + 1, 0);
    for (int n = 1; n <= nos; ++n) {
        const int l = CamadaDoNo(d, n);
        horasNo[static_cast<std::size_t>(n)] = std::max(HorasCamada(d, l), 0);
        // The stress of age k + 1 hours stands in the hourly row of that absolute hour.
        deslocamento[static_cast<std::size_t>(n)] =
            static_cast<int>(Membro::LinhaHoraria(d, static_cast<long long>(d.Camadas[l].HoraConcretagem)));
    }
    // Temperature of node n at age k + 1 hours of its layer: the row of that hour.
    auto temperatura = [&](int n, int k) {
        return temperaturas.Valor(
            n, Membro::LinhaDaHora(d, static_cast<long long>(Membro::HoraAbsoluta(d, CamadaDoNo(d, n), k + 1))));
    };
    std::vector<double> restricao(static_cast<std::size_t>(nos) + 1, 1.0);
    for (int n = 1; n <= nos; ++n) restricao[static_cast<std::size_t>(n)] = CoefRestricaoNo(d, n);
    // The autogenous strain of each node of a layer that has it, hour by hour of its age.
    std::vector<std::vector<double>> autogena(static_cast<std::size_t>(nos) + 1);
    if (!d.RetracaoAutogena.empty()) {
        for (int n = 1; n <= nos; ++n)
            autogena[static_cast<std::size_t>(n)] = RetracaoAutogena::Historia(
                d, CamadaDoNo(d, n), horasNo[static_cast<std::size_t>(n)], [&](int k) { return temperatura(n, k); });
    }
    // ε = (α·(T − T0) − εca)·restraint, for node n at age k + 1 hours.
    auto deformacao = [&](int n, int k, double T) {
        const TCamada& c = d.Camadas[CamadaDoNo(d, n)];
        double e = c.Alfa * (T - c.TInicial);
        const auto& a = autogena[static_cast<std::size_t>(n)];
        if (!a.empty()) e = e - a[static_cast<std::size_t>(k)];
        if (d.RestricaoACI) e = e * restricao[static_cast<std::size_t>(n)];
        return e;
    };

    // Every temperature is read before anything is changed, so an unreadable cell
    // leaves the state and the previous stress table as they were: without the maturity
    // correction straight into the strains of the superposition of all nodes, with it
    // into each node's history (historia[n]: its temperatures, later its increments).
    std::vector<int> horasSuperposicao;
    if (!maturidade) horasSuperposicao.assign(horasNo.begin() + 1, horasNo.end());
    TSuperposicao superposicao(horasSuperposicao);
    std::vector<std::vector<double>> historia(maturidade ? static_cast<std::size_t>(nos) + 1 : 0);
    for (int n = 1; n <= nos; ++n) {
        const int Hn = horasNo[static_cast<std::size_t>(n)];
        if (maturidade) {
            auto& h = historia[static_cast<std::size_t>(n)];
            h.resize(static_cast<std::size_t>(Hn));
            for (int k = 0; k < Hn; ++k) h[static_cast<std::size_t>(k)] = temperatura(n, k);
        } else {
            for (int k = 0; k < Hn; ++k) superposicao(n - 1, k) = deformacao(n, k, temperatura(n, k));
        }
    }

    if (d.ModeloFluencia == TModeloFluencia::Bazant && !d.EOtimizado) d.ModuloRef = TFuncao::ModuloBazant(d);

    double trabalho = 0.0;  // multiply-adds of the substitutions
    for (int n = 1; n <= nos; ++n) {
        const double h = static_cast<double>(horasNo[static_cast<std::size_t>(n)]);
        trabalho += h * h / 2.0;
    }
    int linhas = linhasExecucao;
    if (linhas <= 0) {
        const unsigned nucleos = std::max(1u, std::thread::hardware_concurrency());
        linhas = trabalho >= TrabalhoMinimoParalelo ? static_cast<int>(std::min(2u, nucleos)) : 1;
    }

    progresso.MostraBarra();
    progresso.PosicaoBarra(0);
    progresso.MaximoGauge(N);
    progresso.PosicaoGauge(0);

    const TAvaliadorFluencia avaliador(d, H1);
    Andamento andamento(progresso, trabalho);
    std::vector<FalhaNo> falhas(static_cast<std::size_t>(nos) + 1);

    if (!maturidade) {
        // The compliance depends only on ages: each band of it is computed once, for
        // every node. The status goes up once the first band proved finite, so a model
        // that fails at once leaves it untouched, as it leaves the table.
        bool avisou = false;
        const auto f = superposicao.Resolve(avaliador, linhas, ladrilhos, [&](int feitas) {
            if (!avisou) progresso.Status(TextoSubstituicao);
            avisou = true;
            long long conta = 0;
            int concluidos = 0;
            for (int n = 1; n <= nos; ++n) {
                const long long h = std::min(horasNo[static_cast<std::size_t>(n)], feitas);
                conta += h * h / 2;
                concluidos += horasNo[static_cast<std::size_t>(n)] <= feitas ? 1 : 0;
            }
            andamento.Define(conta, concluidos);
            andamento.Avisa();
        });
        if (f.Houve) FalhaFluencia(d, f.Coluna + 1, f.Linha + 1);
        if (!avisou) progresso.Status(TextoSubstituicao);
    }

    // The stress table is rebuilt from here on: rows before a layer's placement stay
    // empty rather than keep the stresses of an earlier run.
    tensoes.Redimensiona(temperaturas.Colunas(), H1 + 1);
    tensoes.Limpa();
    tensoes.DefineDecimais(4);
    tensoes.EscreveCabecalho();
    for (int r = 1; r <= H1; ++r) tensoes.Define(0, r, static_cast<double>(Membro::HoraAbsoluta(d, 1, r)));

    if (maturidade) {
        progresso.Status(TextoSubstituicao);
        // With the maturity correction each node has its own compliance; row i is
        // evaluated just before the substitution needs it, so no triangle is kept.
        Distribui(nos, linhas, [&](int indice, int fio) {
            const int n = indice + 1;
            auto& h = historia[static_cast<std::size_t>(n)];
            const int Hn = static_cast<int>(h.size());
            std::vector<double> eps(static_cast<std::size_t>(Hn)), linha(static_cast<std::size_t>(Hn));
            for (int k = 0; k < Hn; ++k) eps[static_cast<std::size_t>(k)] = deformacao(n, k, h[static_cast<std::size_t>(k)]);
            std::vector<double> ds(static_cast<std::size_t>(Hn), 0.0);
            FalhaNo& falha = falhas[static_cast<std::size_t>(n)];
            for (int i = 0; i < Hn && falha.tipo == FalhaNo::Nenhuma; ++i) {
                avaliador.LinhaMaturidade(i + 1, h[static_cast<std::size_t>(i)], linha.data());
                for (int j = 0; j <= i; ++j)
                    if (!std::isfinite(linha[static_cast<std::size_t>(j)])) {
                        falha = {FalhaNo::Fluencia, j + 1, i + 1};
                        break;
                    }
                if (falha.tipo != FalhaNo::Nenhuma) break;
                double soma = 0.0;
                for (int j = 0; j < i; ++j)
                    soma = soma + linha[static_cast<std::size_t>(j)] * ds[static_cast<std::size_t>(j)];
                ds[static_cast<std::size_t>(i)] = (eps[static_cast<std::size_t>(i)] - soma) / linha[static_cast<std::size_t>(i)];
                if (!std::isfinite(ds[static_cast<std::size_t>(i)])) falha = {FalhaNo::Tensao, 0, i + 1};
                if (fio == 0) andamento.Avisa();
            }
            h = std::move(ds);
            andamento.Conta(static_cast<long long>(Hn) * Hn / 2);
            andamento.NosConcluidos(1);
        });
    }

    // Stresses, extremum and table, node after node as the user reads them.
    d.TracaoMaxima = 0.0;
    double minimo = 0.0;
    std::vector<double> incrementos;
    for (int n = 1; n <= nos; ++n) {
        d.NoAtual = n;
        std::vector<double>& s = maturidade ? historia[static_cast<std::size_t>(n)] : incrementos;
        if (!maturidade) {
            s.resize(static_cast<std::size_t>(horasNo[static_cast<std::size_t>(n)]));
            for (std::size_t k = 0; k < s.size(); ++k) s[k] = superposicao(n - 1, static_cast<int>(k));
            const int k = PrimeiraNaoFinita(s);
            if (k >= 0) falhas[static_cast<std::size_t>(n)] = {FalhaNo::Tensao, 0, k + 1};
        }
        const FalhaNo& f = falhas[static_cast<std::size_t>(n)];
        if (f.tipo == FalhaNo::Fluencia) FalhaFluencia(d, f.j, f.i);
        if (f.tipo == FalhaNo::Tensao) FalhaTensao(d, n, f.i);
        AcumulaTensoes(s, minimo, d.HoraTracaoMaxima);
        if (minimo < d.TracaoMaxima) {
            d.TracaoMaxima = minimo;
            d.NoTracaoMaxima = n;
        }
        const int desl = deslocamento[static_cast<std::size_t>(n)];
        for (std::size_t k = 0; k < s.size(); ++k) {
            // + 0.0 turns a negative zero into zero: "0,0000", not "-0,0000".
            tensoes.Define(n, desl + static_cast<int>(k) + 1, Numeros::ArredondaFixo(s[k] + 0.0, 4));
        }
        progresso.PosicaoGauge(n);
        progresso.Repinta();
    }

    progresso.PosicaoBarra(100);
    progresso.Status("                        Sistema Resolvido ");
    ResultadoTensional r;
    r.Completo = true;
    r.Mensagem = MensagemTracao(d);
    return r;
}
