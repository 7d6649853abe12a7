#include "estudos/AjusteRapido.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>

#include "analise/Analise.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Processo.h"
#include "core/Progresso.h"

namespace {

std::size_t Z(int i) { return static_cast<std::size_t>(i); }

// The span a slider covers for a lever: from `minimo` to `maximo` (both stretched to
// take the problem's own value), or, with `relativo`, that share of the value around it.
struct Faixa {
    std::string_view Chave;
    double Minimo;
    double Maximo;
    double Passo;
    bool Relativo = false;
};

constexpr Faixa Faixas[] = {
    {"AlturaCamada", 0.0, 0.0, 0.0},  // the heights that divide the member's concrete
    {"IntervaloLancamento", 0.0, 168.0, 1.0},
    {"TemperaturaLancamento", 5.0, 40.0, 0.5},
    {"ConsumoCimento", 0.5, 1.5, 5.0, true},
    {"EscalaCalor", 0.5, 1.5, 0.01},
    {"HoraRetiradaProtecao", 0.0, 336.0, 1.0},
    {"HoraRetiradaFormaLateral", 0.0, 336.0, 1.0},
    {"TemperaturaAguaSerpentinas", 2.0, 35.0, 0.5},
    {"ResistenciaProtecaoTopo", 0.0, 2.0, 0.01},
    {"VazaoAguaSerpentinas", 1.0, 60.0, 0.5},
};

const Faixa* FaixaDe(std::string_view chave) {
    for (const Faixa& f : Faixas)
        if (f.Chave == chave) return &f;
    return nullptr;
}

// Stops the trial at the next step of the thermal run or node of the stress run.
class ProgressoCancelavel final : public Progresso {
public:
    explicit ProgressoCancelavel(const std::atomic<bool>* cancela) : cancela_(cancela) {}
    void Repinta() override {
        if (cancela_ && cancela_->load(std::memory_order_relaxed)) throw Cancelado{};
    }
    struct Cancelado {};

private:
    const std::atomic<bool>* cancela_;
};

bool ConsumoVaria(const TDadosModelo& d) {
    const TParametroEstudo& consumo = Estudo::Parametros()[Z(Estudo::IndiceParametro("ConsumoCimento"))];
    return !consumo.Cabe || consumo.Cabe(d);
}

}  // namespace

namespace AjusteRapido {

std::vector<int> Conhecidas() {
    std::vector<int> r;
    const auto& parametros = Estudo::Parametros();
    for (std::size_t i = 0; i < parametros.size(); ++i)
        if (FaixaDe(parametros[i].Chave)) r.push_back(static_cast<int>(i));
    return r;
}

std::vector<TAlavanca> Alavancas(const TDadosModelo& d) {
    std::vector<TAlavanca> r;
    const auto& parametros = Estudo::Parametros();
    const int primeira = Membro::PrimeiraCamadaDeConcreto(d);
    const int lifts = Membro::CamadasDoMembro(d) - primeira + 1;
    if (lifts < 1) return r;
    const bool uniforme = lifts > 1 && Estudo::Uniforme(d);
    for (std::size_t i = 0; i < parametros.size(); ++i) {
        const TParametroEstudo& p = parametros[i];
        const Faixa* f = FaixaDe(p.Chave);
        if (!f || (p.Cabe && !p.Cabe(d))) continue;
        const bool doCronograma = p.Chave == "AlturaCamada" || p.Chave == "IntervaloLancamento";
        if (doCronograma && !uniforme) continue;
        // The heat as a whole only where the cement content cannot move it.
        if (p.Chave == "EscalaCalor" && ConsumoVaria(d)) continue;
        TAlavanca a;
        a.Parametro = static_cast<int>(i);
        a.Atual = p.Le(d);
        if (p.Chave == "AlturaCamada") {
            // From one lift up to as many as the capacities take, each at least 0,1 m.
            const double total = Estudo::AlturaDeConcreto(d);
            const int porNos = (MaxNos - 1) / std::max(1, d.NElemCamada) - (primeira - 1);
            const int n = std::max(1, std::min({MaxCamadas - primeira + 1, porNos, static_cast<int>(total / 0.1)}));
            for (int k = n; k >= 1; --k) a.Opcoes.push_back(total / k);
            a.Minimo = std::min(a.Opcoes.front(), a.Atual);
            a.Maximo = a.Opcoes.back();
            a.Passo = 0.0;
        } else if (f->Relativo) {
            a.Minimo = a.Atual > 0.0 ? a.Atual * f->Minimo : 0.0;
            a.Maximo = a.Atual > 0.0 ? a.Atual * f->Maximo : 600.0;
            a.Passo = f->Passo;
        } else {
            a.Minimo = std::min(f->Minimo, a.Atual);
            a.Maximo = std::max({f->Maximo, 2.0 * a.Atual, a.Atual});
            a.Passo = f->Passo;
        }
        r.push_back(a);
    }
    return r;
}

TEstudo Ensaio(std::shared_ptr<const TDadosModelo> problema, const std::vector<std::pair<int, double>>& valores,
               double limiteTemperatura, double limiteDiferenca, double limiteIndice) {
    TEstudo e;
    e.Projeto = "problema atual";
    e.AlturaTotal = Estudo::AlturaDeConcreto(*problema);
    e.LimiteTemperatura = limiteTemperatura;
    e.LimiteDiferenca = limiteDiferenca;
    e.LimiteIndice = limiteIndice;
    const auto& parametros = Estudo::Parametros();
    for (const auto& [parametro, valor] : valores) {
        const TParametroEstudo& p = parametros[Z(parametro)];
        if (p.Le && p.Le(*problema) == valor) continue;
        e.Variacoes.push_back({parametro, {valor}});
    }
    e.Base = std::move(problema);
    return e;
}

std::vector<double> Valores(const TEstudo& e) {
    std::vector<double> v;
    for (const auto& variacao : e.Variacoes) v.push_back(variacao.Valores.front());
    return v;
}

TResultado Roda(const TEstudo& e, const std::atomic<bool>* cancela) {
    TResultado r;
    try {
        auto dados = Estudo::MontaCaso(e, Valores(e));
        r.ComTensoes = Estudo::ComTensoes(*dados);
        OpcoesAnalise opcoes;
        opcoes.Tensoes = r.ComTensoes;
        opcoes.LimiteResumo = e.LimiteTemperatura;
        if (r.ComTensoes) opcoes.Indice = OpcoesAnalise::ParametrosIndice{TCurvaTracao::Simples, e.LimiteIndice};
        ProgressoCancelavel progresso(cancela);
        const Analise a = Analise::Executa(std::move(dados), opcoes, progresso);
        if (!a.Termico.Completo) throw ErroEntrada(TProcesso::MensagemFim(a.Termico, *a.Dados));
        const TResumoTermico& resumo = *a.Resumo;
        r.TMaxima = resumo.TMaxima;
        r.DifMaxima = resumo.DifMaxima;
        r.AtendeTemperatura = resumo.TMaxima < e.LimiteTemperatura;
        r.AtendeDiferenca = resumo.DifMaxima <= e.LimiteDiferenca;
        if (a.Indice && a.Indice->NoCritico != 0) {
            r.ComIndice = true;
            r.IndiceMinimo = a.Indice->Nos[Z(a.Indice->NoCritico)].IndiceMinimo;
            r.AtendeIndice = r.IndiceMinimo >= e.LimiteIndice;
        }
        r.Atende = r.AtendeTemperatura && r.AtendeDiferenca && r.AtendeIndice;
        r.NoMaisQuente = resumo.NoTMax;
        r.NoTopo = a.AtivosTermico + 1;  // the top face of the placed member
        r.CurvaMaisQuente = CurvasTemperatura::HistoricoNo(a.Temperaturas, r.NoMaisQuente);
        r.CurvaTopo = CurvasTemperatura::HistoricoNo(a.Temperaturas, r.NoTopo);
        r.Ok = true;
    } catch (const ProgressoCancelavel::Cancelado&) {
        r = TResultado{};
        r.Cancelado = true;
    } catch (const std::bad_alloc&) {
        r.Erro = "memória insuficiente";
    } catch (const std::exception& ex) {
        r.Erro = ex.what();
    }
    return r;
}

void Aplica(const TEstudo& e, TDadosModelo& problema) { Estudo::AplicaValores(e, Valores(e), problema); }

}  // namespace AjusteRapido
