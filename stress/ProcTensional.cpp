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

namespace {

using Numeros::FormataInteiro;

// Nodes solved together against one pass over the triangle: their increments
// (16 × 5000 doubles, 640 kB) stay in the cache while the triangle streams by.
constexpr int Bloco = 16;
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

// Rows solved together, and columns of increments kept hot, by one tile of the block.
constexpr int LinhasTile = 32;
constexpr int ColunasTile = 128;

// Four nodes side by side; the compiler keeps them in registers (two SSE2 or one AVX
// register each). Element-wise products and sums only: no reassociation.
// The helpers below are always inlined into the kernel, so no vector crosses a call.
#pragma GCC diagnostic ignored "-Wpsabi"
typedef double V4 __attribute__((vector_size(32)));
typedef double V4Solto __attribute__((vector_size(32), aligned(8), may_alias));
static_assert(Bloco == 16, "the kernel holds a block in four vectors");

__attribute__((always_inline)) inline V4 Carrega(const double* p) { return *reinterpret_cast<const V4Solto*>(p); }
__attribute__((always_inline)) inline void Guarda(double* p, V4 v) { *reinterpret_cast<V4Solto*>(p) = v; }

// s[0..3] += Σ_{j = J..fimJ−1} linha[j]·ds_j, one row, in increasing j.
__attribute__((always_inline)) inline void SomaLinha(const double* linha, const double* ds, int J, int fimJ, V4* s) {
    V4 a0 = s[0], a1 = s[1], a2 = s[2], a3 = s[3];
    for (int j = J; j < fimJ; ++j) {
        const double m = linha[j];
        const double* dj = ds + static_cast<std::size_t>(j) * Bloco;
        a0 = a0 + m * Carrega(dj);
        a1 = a1 + m * Carrega(dj + 4);
        a2 = a2 + m * Carrega(dj + 8);
        a3 = a3 + m * Carrega(dj + 12);
    }
    s[0] = a0, s[1] = a1, s[2] = a2, s[3] = a3;
}

// The same for two rows, reading each increment once.
__attribute__((always_inline)) inline void SomaDuasLinhas(const double* l0, const double* l1, const double* ds, int J, int fimJ, V4* s0, V4* s1) {
    V4 a0 = s0[0], a1 = s0[1], a2 = s0[2], a3 = s0[3];
    V4 b0 = s1[0], b1 = s1[1], b2 = s1[2], b3 = s1[3];
    for (int j = J; j < fimJ; ++j) {
        const double m0 = l0[j];
        const double m1 = l1[j];
        const double* dj = ds + static_cast<std::size_t>(j) * Bloco;
        const V4 d0 = Carrega(dj), d1 = Carrega(dj + 4), d2 = Carrega(dj + 8), d3 = Carrega(dj + 12);
        a0 = a0 + m0 * d0;
        a1 = a1 + m0 * d1;
        a2 = a2 + m0 * d2;
        a3 = a3 + m0 * d3;
        b0 = b0 + m1 * d0;
        b1 = b1 + m1 * d1;
        b2 = b2 + m1 * d2;
        b3 = b3 + m1 * d3;
    }
    s0[0] = a0, s0[1] = a1, s0[2] = a2, s0[3] = a3;
    s1[0] = b0, s1[1] = b1, s1[2] = b2, s1[3] = b3;
}

// One block of nodes against the whole triangle. eps and ds hold H rows of Bloco
// values (node b of row i at i·Bloco + b); nodes past their own history get zeros.
// The triangle is walked in tiles: for a band of rows, the terms of the columns before
// the band are summed tile after tile in increasing j, then the rest of each row
// within the band, so every node's sum keeps the order j = 0, 1, …, i − 1 of a
// single-node solve while the increments are read from the cache, not from memory.
// Built also for AVX2 (without fused multiply-add, so the results do not change).
__attribute__((target_clones("avx2", "default")))
void ResolveBloco(const TMatrizFluencia& M, int H, const int* horas, const double* eps, double* ds,
                  Andamento* andamento) {
    V4 S[LinhasTile][Bloco / 4];
    for (int I = 0; I < H; I += LinhasTile) {
        const int fimI = std::min(I + LinhasTile, H);
        for (auto& linha : S)
            for (V4& v : linha) v = V4{0.0, 0.0, 0.0, 0.0};
        for (int J = 0; J < I; J += ColunasTile) {
            const int fimJ = std::min(J + ColunasTile, I);
            int i = I;
            for (; i + 1 < fimI; i += 2)
                SomaDuasLinhas(M.Linha(i), M.Linha(i + 1), ds, J, fimJ, S[i - I], S[i + 1 - I]);
            for (; i < fimI; ++i) SomaLinha(M.Linha(i), ds, J, fimJ, S[i - I]);
        }
        for (int i = I; i < fimI; ++i) {
            const double* linha = M.Linha(i);
            SomaLinha(linha, ds, I, i, S[i - I]);
            alignas(32) double soma[Bloco];
            for (int k = 0; k < Bloco / 4; ++k) Guarda(soma + 4 * k, S[i - I][k]);
            const double diagonal = linha[i];
            const double* ei = eps + static_cast<std::size_t>(i) * Bloco;
            double* di = ds + static_cast<std::size_t>(i) * Bloco;
            for (int b = 0; b < Bloco; ++b) di[b] = i < horas[b] ? (ei[b] - soma[b]) / diagonal : 0.0;
        }
        if (andamento) andamento->Avisa();
    }
}

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

void TProcTensional::ValidaEntrada(const TDadosModelo& d, const TabelaTexto& temperaturas) {
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
    std::vector<std::vector<double>> incrementos(deformacoes.size());
    for (std::size_t inicio = 0; inicio < deformacoes.size(); inicio += Bloco) {
        int horas[Bloco] = {};
        int H = 0;
        for (int b = 0; b < Bloco && inicio + static_cast<std::size_t>(b) < deformacoes.size(); ++b) {
            horas[b] = static_cast<int>(deformacoes[inicio + static_cast<std::size_t>(b)].size());
            H = std::max(H, horas[b]);
        }
        std::vector<double> eps(static_cast<std::size_t>(H) * Bloco, 0.0), ds(eps.size(), 0.0);
        for (int b = 0; b < Bloco; ++b)
            for (int i = 0; i < horas[b]; ++i)
                eps[static_cast<std::size_t>(i) * Bloco + static_cast<std::size_t>(b)] =
                    deformacoes[inicio + static_cast<std::size_t>(b)][static_cast<std::size_t>(i)];
        ResolveBloco(M, H, horas, eps.data(), ds.data(), nullptr);
        for (int b = 0; b < Bloco && inicio + static_cast<std::size_t>(b) < deformacoes.size(); ++b) {
            auto& saida = incrementos[inicio + static_cast<std::size_t>(b)];
            saida.resize(static_cast<std::size_t>(horas[b]));
            for (int i = 0; i < horas[b]; ++i)
                saida[static_cast<std::size_t>(i)] = ds[static_cast<std::size_t>(i) * Bloco + static_cast<std::size_t>(b)];
        }
    }
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
                                                     int linhasExecucao) {
    ValidaEntrada(d, temperaturas);
    const int N = static_cast<int>(Membro::NumeroElementos(d));
    const int nos = static_cast<int>(Membro::NumeroNos(d));
    const int H1 = std::max(HorasCamada(d, 1), 0);

    // Every temperature is read before anything is changed, so an unreadable cell
    // leaves the state and the previous stress table as they were.
    // historia[n]: first the temperatures of node n at ages 1..Hℓ, later its increments.
    std::vector<std::vector<double>> historia(static_cast<std::size_t>(nos) + 1);
    std::vector<int> deslocamento(static_cast<std::size_t>(nos) + 1, 0);
    for (int n = 1; n <= nos; ++n) {
        const int l = CamadaDoNo(d, n);
        const int Hl = std::max(HorasCamada(d, l), 0);
        // The stress of age k + 1 hours stands in the hourly row of that absolute hour.
        const long long lancamento = d.Camadas[l].HoraConcretagem;
        deslocamento[static_cast<std::size_t>(n)] = static_cast<int>(Membro::LinhaHoraria(d, lancamento));
        auto& h = historia[static_cast<std::size_t>(n)];
        h.resize(static_cast<std::size_t>(Hl));
        // Age k + 1 hours of the layer: the row of that hour of the history.
        for (int k = 0; k < Hl; ++k)
            h[static_cast<std::size_t>(k)] = temperaturas.Valor(
                n, Membro::LinhaDaHora(d, static_cast<long long>(Membro::HoraAbsoluta(d, l, k + 1))));
    }
    std::vector<double> restricao(static_cast<std::size_t>(nos) + 1, 1.0);
    for (int n = 1; n <= nos; ++n) restricao[static_cast<std::size_t>(n)] = CoefRestricaoNo(d, n);

    // ε = α·(T − T0)·restraint, for node n at age k + 1 hours.
    auto deformacao = [&](int n, int k) {
        const TCamada& c = d.Camadas[CamadaDoNo(d, n)];
        double e = c.Alfa * (historia[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] - c.TInicial);
        if (d.RestricaoACI) e = e * restricao[static_cast<std::size_t>(n)];
        return e;
    };

    if (d.ModeloFluencia == TModeloFluencia::Bazant && !d.EOtimizado) d.ModuloRef = TFuncao::ModuloBazant(d);
    const bool maturidade = d.ModeloFluencia == TModeloFluencia::Bazant && d.ConsideraMaturidade;

    double trabalho = 0.0;  // multiply-adds of the substitutions
    for (int n = 1; n <= nos; ++n) {
        const double h = static_cast<double>(historia[static_cast<std::size_t>(n)].size());
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
    TMatrizFluencia M;
    if (!maturidade) {
        // The compliance depends only on ages: one triangle for every node.
        M = TMatrizFluencia(H1);
        const auto f = M.Monta(avaliador, linhas);
        if (f.Houve) FalhaFluencia(d, f.Coluna + 1, f.Linha + 1);
    }

    // The stress table is rebuilt from here on: rows before a layer's placement stay
    // empty rather than keep the stresses of an earlier run.
    tensoes.Redimensiona(temperaturas.Colunas(), H1 + 1);
    tensoes.Limpa();
    tensoes.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c < tensoes.Colunas(); ++c) tensoes.Celula(c, 0) = "    Nó " + FormataInteiro(c);
    for (int r = 1; r <= H1; ++r) tensoes.Celula(0, r) = FormataInteiro(static_cast<long long>(Membro::HoraAbsoluta(d, 1, r)));

    progresso.Status(TextoSubstituicao);
    Andamento andamento(progresso, trabalho);
    std::vector<FalhaNo> falhas(static_cast<std::size_t>(nos) + 1);

    if (!maturidade) {
        const int blocos = (nos + Bloco - 1) / Bloco;
        Distribui(blocos, linhas, [&](int blocoAtual, int fio) {
            const int primeiro = 1 + blocoAtual * Bloco;
            int horas[Bloco] = {};
            int H = 0;
            for (int b = 0; b < Bloco && primeiro + b <= nos; ++b) {
                horas[b] = static_cast<int>(historia[static_cast<std::size_t>(primeiro + b)].size());
                H = std::max(H, horas[b]);
            }
            std::vector<double> eps(static_cast<std::size_t>(H) * Bloco, 0.0), ds(eps.size(), 0.0);
            for (int b = 0; b < Bloco && primeiro + b <= nos; ++b)
                for (int i = 0; i < horas[b]; ++i)
                    eps[static_cast<std::size_t>(i) * Bloco + static_cast<std::size_t>(b)] = deformacao(primeiro + b, i);
            ResolveBloco(M, H, horas, eps.data(), ds.data(), fio == 0 ? &andamento : nullptr);
            int concluidos = 0;
            for (int b = 0; b < Bloco && primeiro + b <= nos; ++b) {
                auto& h = historia[static_cast<std::size_t>(primeiro + b)];
                for (int i = 0; i < horas[b]; ++i)
                    h[static_cast<std::size_t>(i)] = ds[static_cast<std::size_t>(i) * Bloco + static_cast<std::size_t>(b)];
                const int k = PrimeiraNaoFinita(h);
                if (k >= 0) falhas[static_cast<std::size_t>(primeiro + b)] = {FalhaNo::Tensao, 0, k + 1};
                andamento.Conta(static_cast<long long>(horas[b]) * horas[b] / 2);
                ++concluidos;
            }
            andamento.NosConcluidos(concluidos);
        });
    } else {
        // With the maturity correction each node has its own compliance; row i is
        // evaluated just before the substitution needs it, so no triangle is kept.
        Distribui(nos, linhas, [&](int indice, int fio) {
            const int n = indice + 1;
            auto& h = historia[static_cast<std::size_t>(n)];
            const int Hn = static_cast<int>(h.size());
            std::vector<double> eps(static_cast<std::size_t>(Hn)), linha(static_cast<std::size_t>(Hn));
            for (int k = 0; k < Hn; ++k) eps[static_cast<std::size_t>(k)] = deformacao(n, k);
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
    for (int n = 1; n <= nos; ++n) {
        d.NoAtual = n;
        const FalhaNo& f = falhas[static_cast<std::size_t>(n)];
        if (f.tipo == FalhaNo::Fluencia) FalhaFluencia(d, f.j, f.i);
        if (f.tipo == FalhaNo::Tensao) FalhaTensao(d, n, f.i);
        auto& s = historia[static_cast<std::size_t>(n)];
        AcumulaTensoes(s, minimo, d.HoraTracaoMaxima);
        if (minimo < d.TracaoMaxima) {
            d.TracaoMaxima = minimo;
            d.NoTracaoMaxima = n;
        }
        const int desl = deslocamento[static_cast<std::size_t>(n)];
        for (std::size_t k = 0; k < s.size(); ++k) {
            // + 0.0 turns a negative zero into zero: "0,0000", not "-0,0000".
            tensoes.AcrescentaFixo(n, desl + static_cast<int>(k) + 1, s[k] + 0.0, 7, 4);
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
