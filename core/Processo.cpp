#include "core/Processo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "core/Erros.h"
#include "core/Func.h"
#include "core/Membro.h"
#include "core/Maturidade.h"
#include "core/Numeros.h"
#include "core/PosProcesso.h"
#include "core/Validacao.h"

namespace {

// The history table lives in memory as text; beyond this many cells a run of
// years over hundreds of nodes would exhaust the machine.
constexpr double MaxCelulasHistorico = 10'000'000.0;

constexpr const char* TextoResolvido = "                         Sistema Resolvido ";

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }

double PassosCalculados(const TDadosModelo& d) { return Membro::Passos(d); }

class MetodoBanda final : public MetodoPasso {
public:
    void MontaEResolve(TDadosModelo& dados, TTrabalhoTermico& trabalho, int L, Progresso& progresso) override {
        if (dados.Formulacao == TFormulacao::Consistente) TFunc::MontaSistemaConsistente(dados, trabalho, L, dados.Tempo);
        else TFunc::MontaSistema(dados, trabalho, L, dados.Tempo);
        TFunc::ResolveSistema(dados.NElemAtivos, trabalho.Sistema, trabalho.Carga, dados.Temperaturas.data(),
                              dados.TMaxSolucao, dados.NoTMax, progresso);
    }
};

// Every node of the member, placed or not: the text shows what Temperaturas holds.
void EscreveLinha(HistoricoNumerico& historico, int linha, double tempo, const TDadosModelo& dados, int nos) {
    historico.Define(0, linha, static_cast<double>(Membro::HoraInteira(tempo)));
    for (int c = 1; c <= nos; ++c)
        historico.Define(c, linha, Numeros::ArredondaFixo(dados.Temperaturas[static_cast<std::size_t>(c)], 2));
}

template <class Roda>
ResultadoTransiente ComoTexto(TabelaTexto& texto, Roda roda) {
    HistoricoNumerico numeros;
    try {
        const ResultadoTransiente r = roda(numeros);
        numeros.EscreveTexto(texto);
        return r;
    } catch (const ErroEntrada&) {
        throw;  // refused before the table was touched
    } catch (...) {
        // The rows written before the failure, once the table was sized.
        if (numeros.Colunas() > 0) numeros.EscreveTexto(texto);
        throw;
    }
}

}  // namespace

void TProcesso::ValidaEntrada(const TDadosModelo& d) {
    if (d.NCamadas < 1) {
        throw ErroEntrada("O membro não tem camadas: informe ao menos uma camada antes de processar.");
    }
    if (d.NCamadas > MaxCamadas) {
        throw ErroEntrada("O membro tem " + Inteiro(d.NCamadas) + " camadas; o máximo é " + Inteiro(MaxCamadas) +
                          " camadas.");
    }
    if (d.NElemCamada < 1) {
        throw ErroEntrada("O número de elementos por camada deve ser ao menos 1 (é " + Inteiro(d.NElemCamada) + ").");
    }
    const long long nos = Membro::NumeroNos(d);
    if (nos > MaxNos) {
        throw ErroEntrada("A malha teria " + Inteiro(nos) + " nós (" + Inteiro(d.NCamadas) + " camadas × " +
                          Inteiro(d.NElemCamada) + " elementos + 1); o máximo é " + Inteiro(MaxNos) +
                          " nós. Reduza o número de elementos por camada.");
    }
    if (d.PassoTempo < 1) {
        throw ErroEntrada("O passo de tempo deve ser de ao menos 1 hora (é " + Inteiro(d.PassoTempo) + ").");
    }
    if (d.SubpassosPorPasso < 1 || d.SubpassosPorPasso > MaxSubpassos) {
        throw ErroEntrada("O número de subpassos por passo deve ficar entre 1 e " + Inteiro(MaxSubpassos) + " (é " +
                          Inteiro(d.SubpassosPorPasso) + ").");
    }
    if (d.CondutividadeHidratacao && d.Formulacao != TFormulacao::Consistente) {
        throw ErroEntrada("A condutividade que segue a hidratação só vale na formulação consistente.");
    }
    if (!std::isfinite(d.TempoTotal)) {
        throw ErroEntrada("O tempo total da análise não é um número finito.");
    }
    const double t0 = d.Camadas[1].HoraConcretagem;
    const double linhas = LinhasHistorico(d);
    if (linhas * static_cast<double>(nos + 1) > MaxCelulasHistorico) {
        throw ErroEntrada("A análise até a hora " + Numeros::FormataGeral(d.TempoTotal) + " com " + Inteiro(nos) +
                          " nós exigiria uma tabela de temperaturas com mais de " +
                          Numeros::FormataGeral(MaxCelulasHistorico) +
                          " células. Reduza o tempo total, aumente o passo de tempo ou use menos elementos.");
    }

    Maturidade::ValidaEntrada(d);
    if (d.Obra) {
        if (const std::string p = d.Obra->Problema(d); !p.empty()) throw ErroEntrada(p);
    }
    if (d.Resfriamento) {
        if (const std::string p = d.Resfriamento->Problema(d); !p.empty()) throw ErroEntrada(p);
    }
    // Physically impossible values would come out as results that look valid.
    if (const auto v = Validacao::ValidaProblema(d); !v.Valido()) {
        constexpr std::size_t MaxMostrados = 8;
        std::string m;
        for (std::size_t i = 0; i < v.Erros.size() && i < MaxMostrados; ++i) m += (i ? "\n" : "") + v.Erros[i];
        if (v.Erros.size() > MaxMostrados)
            m += "\n(e mais " + Inteiro(static_cast<long long>(v.Erros.size() - MaxMostrados)) + " valores fora da faixa)";
        throw ErroEntrada(m);
    }

    // The hourly table covers 5000 hours after each placement (a maturity layer reads
    // it by the equivalent age of its sample, which the table's end does not bound).
    if (!d.CalorDiscreto) return;
    const double passos = PassosCalculados(d);
    if (passos < 1.0) return;
    const double tUltimo = t0 + passos * d.PassoTempo;
    // The layers the run places by its last step, each read from its placement on.
    const int colocadas = Membro::CamadasColocadas(d, tUltimo);
    for (int j = 1; j <= colocadas; ++j) {
        const double sj = j == 1 ? t0 : Membro::Lancamento(d, j);
        const double x = tUltimo - sj;
        if (!d.CalorCamadas[static_cast<std::size_t>(j)].Constante && !Maturidade::Ativa(d, j) && x > MaxHoras) {
            throw ErroEntrada("A tabela de calor interno da camada " + Inteiro(j) + " seria consultada até a hora " +
                              Numeros::FormataGeral(x) + " após o lançamento (hora " + Numeros::FormataGeral(tUltimo) +
                              " da análise), mas ela vai só até a hora " + Inteiro(MaxHoras) +
                              ". Reduza o tempo total da análise.");
        }
    }
}

std::string TProcesso::MensagemMaxima(double tMaxima, int noTMax, double tempoTMax) {
    return "A Temperatura Máxima de " + Numeros::FormataFixo(tMaxima, 6, 2) + " Celcius ,ocorreu no Nó " +
           Inteiro(noTMax) + ", transcorridos " + Numeros::FormataGeral(tempoTMax) + " horas.";
}

std::string TProcesso::MensagemFim(const ResultadoTransiente& r, const TDadosModelo& d) {
    const std::string total = Numeros::FormataGeral(d.TempoTotal);
    const std::string t0 = Inteiro(d.Camadas[1].HoraConcretagem);
    switch (r.Motivo) {
        case FimTransiente::Completo: return {};
        case FimTransiente::CamadaAposOTotal:
            return "A análise não calculou nenhum passo: a camada 1 é concretada na hora " + t0 +
                   ", depois do tempo total de " + total +
                   " h. Corrija a hora de concretagem da camada 1 ou o tempo total.";
        case FimTransiente::SemDuracao:
            return "A análise não calculou nenhum passo: a camada 1 é concretada na hora " + t0 +
                   ", que é o próprio tempo total de " + total + " h. Aumente o tempo total.";
        case FimTransiente::PassoPassaDoTotal: break;
    }
    return "A análise parou em " + Numeros::FormataGeral(r.TempoFinal) + " h, antes do tempo total de " + total +
           " h: com passos de " + Inteiro(d.PassoTempo) + " h desde a concretagem da camada 1 (hora " + t0 +
           "), o passo seguinte passaria do tempo total.";
}

int TProcesso::LinhasHistorico(const TDadosModelo& d) {
    return Membro::LinhasDoHistorico(d);
}

ResultadoTransiente TProcesso::ProcessaTransiente(TDadosModelo& dados, HistoricoNumerico& historico, Progresso& progresso,
                                                  PintorElemento* pintor, ObservadorPasso* observador) {
    MetodoBanda banda;
    return ProcessaTransiente(dados, historico, progresso, pintor, banda, observador);
}

ResultadoTransiente TProcesso::ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico, Progresso& progresso,
                                                  PintorElemento* pintor, ObservadorPasso* observador) {
    return ComoTexto(historico, [&](HistoricoNumerico& h) { return ProcessaTransiente(dados, h, progresso, pintor, observador); });
}

ResultadoTransiente TProcesso::ProcessaTransiente(TDadosModelo& dados, TabelaTexto& historico, Progresso& progresso,
                                                  PintorElemento* pintor, MetodoPasso& metodo,
                                                  ObservadorPasso* observador) {
    return ComoTexto(historico,
                     [&](HistoricoNumerico& h) { return ProcessaTransiente(dados, h, progresso, pintor, metodo, observador); });
}

ResultadoTransiente TProcesso::ProcessaTransiente(TDadosModelo& dados, HistoricoNumerico& historico, Progresso& progresso,
                                                  PintorElemento* pintor, MetodoPasso& metodo,
                                                  ObservadorPasso* observador) {
    dados.TermicoCompleto = false;
    ValidaEntrada(dados);
    auto trabalho = std::make_unique<TTrabalhoTermico>();
    TValoresSI::Deriva(dados, trabalho->SI);
    if (dados.Resfriamento.EmUso()) trabalho->Resfriamento = dados.Resfriamento.Get()->Inicia(dados);

    const int ne = dados.NElemCamada;
    const int nos = static_cast<int>(Membro::NumeroNos(dados));
    const int P = dados.PassoTempo;
    const double t0 = dados.Camadas[1].HoraConcretagem;

    historico.Redimensiona(nos + 1, LinhasHistorico(dados));
    historico.Limpa();
    historico.DefineDecimais(2);
    historico.EscreveCabecalho();

    dados.Tempo = t0;
    progresso.MostraBarra();
    progresso.MaximoGauge(static_cast<int>(std::max(0LL, Numeros::Trunc((dados.TempoTotal - t0) / P))));
    progresso.PosicaoGauge(0);
    dados.NElemAtivos = ne;
    dados.CamadaAtual = 1;
    for (int i = 1; i <= Membro::UltimoNo(dados, 1); ++i) dados.Temperaturas[static_cast<std::size_t>(i)] = dados.Camadas[1].TInicial;
    // The running maximum starts below any temperature, so that the message always
    // names a node and an hour of this run, even in a member colder than 0 °C.
    constexpr double semMaximo = std::numeric_limits<double>::lowest();
    dados.TMaxima = semMaximo;
    dados.TMaxSolucao = semMaximo;
    auto semPassos = [&] {
        if (dados.TMaxSolucao == semMaximo) {
            dados.TMaxima = 0.0;
            dados.TMaxSolucao = 0.0;
        }
    };

    const bool consistente = dados.Formulacao == TFormulacao::Consistente;
    const int subpassos = consistente ? dados.SubpassosPorPasso : 1;
    ResultadoTransiente resultado;
    resultado.TempoFinal = t0;
    int passo = 0;  // row of the history the step writes
    do {
        // A step that would pass TempoTotal ends the run before it places anything,
        // so the state stays that of the last row written.
        if (dados.Tempo + P > dados.TempoTotal) {
            if (passo == 0 && t0 > dados.TempoTotal) resultado.Motivo = FimTransiente::CamadaAposOTotal;
            else if (passo == 0 && t0 == dados.TempoTotal) resultado.Motivo = FimTransiente::SemDuracao;
            TFunc::AvancaTempo(dados);
            semPassos();
            return resultado;
        }
        // Placement: only the next layer, at its exact hour, at most one per step; the
        // former top node takes the placement temperature of the new layer (classic)
        // or the temperature that keeps the heat content (consistent).
        if (Membro::EntraNoPasso(dados, dados.CamadaAtual, dados.Tempo)) {
            const auto noInterface = static_cast<std::size_t>(Membro::NosAtivos(dados));
            const double tAbaixo = dados.Temperaturas[noInterface];
            dados.NElemAtivos += ne;
            dados.CamadaAtual += 1;
            const double tIni = dados.Camadas[static_cast<std::size_t>(dados.CamadaAtual)].TInicial;
            for (int i = dados.NElemAtivos - ne + 1; i <= Membro::NosAtivos(dados); ++i)
                dados.Temperaturas[static_cast<std::size_t>(i)] = tIni;
            if (consistente) {
                const auto& camadas = trabalho->SI.Camadas;
                dados.Temperaturas[noInterface] = TFunc::TemperaturaInterface(
                    camadas[static_cast<std::size_t>(dados.CamadaAtual - 1)],
                    camadas[static_cast<std::size_t>(dados.CamadaAtual)], ne, tAbaixo);
            }
        }
        // The step, in `subpassos` substeps (consistent formulation only); only the
        // step's end is a row of the history and counts for the maximum.
        const int n = Membro::NosAtivos(dados);
        const double inicio = dados.Tempo;
        const bool iteraIdade = consistente && Maturidade::AlgumaAtiva(dados);
        for (int s = 1; s <= subpassos; ++s) {
            std::copy_n(dados.Temperaturas.begin() + 1, n, trabalho->TAnterior.begin() + 1);

            // (C + θΔt·K + H)·T = (C − (1−θ)Δt·K)·Tprev + Δt·F + H·TAmb at the new time.
            TFunc::AvancaSubpasso(dados, inicio, s, subpassos);
            const double tMaxAntes = dados.TMaxSolucao;
            const int noAntes = dados.NoTMax;
            try {
                metodo.MontaEResolve(dados, *trabalho, dados.CamadaAtual, progresso);
                // The maturity heat of the step at the mean Arrhenius factor of the step,
                // solved again until the ages settle.
                for (int k = 1; iteraIdade && Maturidade::Preve(dados, *trabalho) > Maturidade::ToleranciaIdade; ++k) {
                    if (k == Maturidade::MaxIteracoes) {
                        throw ErroCalculo("a idade equivalente do passo não se estabilizou em " +
                                          Inteiro(Maturidade::MaxIteracoes) +
                                          " iterações; reduza o passo de tempo ou use mais subpassos por passo");
                    }
                    dados.TMaxSolucao = tMaxAntes;
                    dados.NoTMax = noAntes;
                    metodo.MontaEResolve(dados, *trabalho, dados.CamadaAtual, progresso);
                }
            } catch (const ErroCalculo& e) {
                semPassos();
                throw ErroCalculo("Falha no cálculo térmico na hora " + Numeros::FormataGeral(dados.Tempo) + ": " +
                                  e.what() + ".");
            }
            Maturidade::ConcluiPasso(dados, *trabalho);
            if (trabalho->Resfriamento) trabalho->Resfriamento->ConcluiPasso(dados, *trabalho, s == subpassos);
            if (s < subpassos) {
                dados.TMaxSolucao = tMaxAntes;
                dados.NoTMax = noAntes;
            } else if (dados.TMaxima < dados.TMaxSolucao) {
                dados.TMaxima = dados.TMaxSolucao;
                dados.TempoTMax = dados.Tempo;
            }
            if (observador) observador->Resolvido(dados, *trabalho);
            // The consistent step solved the prescribed ends as constraints.
            if (!consistente) TFunc::AplicaTemperaturasPrescritas(dados, dados.CamadaAtual);
            if (observador) observador->Passo(dados, *trabalho);
        }

        EscreveLinha(historico, ++passo, dados.Tempo, dados, nos);
        resultado.TempoFinal = dados.Tempo;
        progresso.PosicaoGauge(passo);
        progresso.Repinta();
    } while (dados.Tempo < dados.TempoTotal);

    TPosProcesso::PosProcessa(dados, historico, pintor);
    progresso.Status(TextoResolvido);
    resultado.Completo = true;
    resultado.Motivo = FimTransiente::Completo;
    resultado.Mensagem = MensagemMaxima(dados.TMaxima, dados.NoTMax, dados.TempoTMax);
    dados.TermicoCompleto = true;
    return resultado;
}
