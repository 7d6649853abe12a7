#include "serpentinas/DadosSerpentinas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "core/Func.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Validacao.h"
#include "serpentinas/ProjetoSerpentinas.h"
#include "serpentinas/Serpentinas.h"

namespace {

std::size_t I(int i) { return static_cast<std::size_t>(i); }

std::string Num(double v) { return Numeros::FormataGeral(v); }
std::string Camada(int L) { return " da camada " + Numeros::FormataInteiro(L); }

// The rows of a lift by height, and the band each serves: from the lift's bottom, or
// the midpoint to the row below, to the midpoint to the row above, or the lift's top.
struct TFaixa {
    double Altura, Inicio, Fim;
};
std::vector<TFaixa> Faixas(const TSerpentinasCamada& c, double espessura) {
    std::vector<double> z = c.Alturas;
    std::sort(z.begin(), z.end());
    std::vector<TFaixa> f;
    for (std::size_t k = 0; k < z.size(); ++k) {
        const double ini = k == 0 ? 0.0 : 0.5 * (z[k - 1] + z[k]);
        const double fim = k + 1 == z.size() ? espessura : 0.5 * (z[k] + z[k + 1]);
        f.push_back({z[k], ini, fim});
    }
    return f;
}

// One run: the cylinder of every row and the on/off state of every lift.
class TExecucaoSerpentinas final : public TExecucaoResfriamento {
public:
    TExecucaoSerpentinas(TDadosSerpentinas& dono, const TDadosModelo& dados) : dono_(dono) {
        TResultadosSerpentinas& r = dono_.Resultados;
        r = {};
        const int ne = dados.NElemCamada;
        for (int L = 1; L <= dados.NCamadas; ++L) {
            const TSerpentinasCamada* c = dono_.DaCamada(L);
            if (!c) continue;
            Lift lift;
            lift.L = L;
            lift.Dados = c;
            const double h = dados.Camadas[I(L)].Espessura;
            for (const TFaixa& f : Faixas(*c, h)) {
                Linha linha;
                linha.Faixa = f;
                // Node weights: each element's share of the band, half to each node.
                const double he = h / ne;
                for (int k = 1; k <= ne; ++k) {
                    const double sobre = std::min(f.Fim, k * he) - std::max(f.Inicio, (k - 1) * he);
                    if (!(sobre > 0.0)) continue;
                    const int e = (L - 1) * ne + k;
                    const double p = 0.5 * sobre / (f.Fim - f.Inicio);
                    linha.Nos.push_back({e, p});
                    linha.Nos.push_back({e + 1, p});
                }
                lift.Linhas.push_back(std::move(linha));
            }
            lifts_.push_back(std::move(lift));
            r.Camadas.push_back(L);
        }
        r.Saida.assign(lifts_.size(), {});
        r.Calor.assign(lifts_.size(), {});
        r.Total.assign(lifts_.size(), 0.0);
    }

    void Aplica(const TDadosModelo& dados, TTrabalhoTermico& w, double t, int L) override {
        const int n = dados.NElemAtivos + 1;
        for (int i = 1; i <= n; ++i) {
            w.ResfriamentoDiag[I(i)] = 0.0;
            w.ResfriamentoCarga[I(i)] = 0.0;
        }
        const double dt = dados.DtExplicito + dados.DtImplicito;
        const double meio = t - 0.5 * TFunc::HorasDoPasso(dados);
        for (Lift& lift : lifts_) {
            if (lift.L > L) continue;
            const TSerpentinasCamada& c = *lift.Dados;
            if (!lift.Iniciada) Inicia(lift, w.SI.Camadas[I(lift.L)]);
            const double idade = Membro::Idade(dados, lift.L, meio);
            // Before the start the concrete has never seen the water and after the end it
            // never will again: nothing to compute.
            lift.Parada = idade < c.HoraInicio || idade >= c.HoraFim;
            lift.Ligada = !lift.Parada && (!c.PorTemperatura || lift.Gatilho);
            if (lift.Parada) continue;
            const double rAgua = Serpentinas::ResistenciaAguaParede(c.Tubo, c.Vazao);
            lift.TEntrada = dono_.Entrada(c, t);
            const double mc = Serpentinas::VazaoMassica(c.Vazao) * Serpentinas::CalorEspecificoAgua;
            for (Linha& linha : lift.Linhas) {
                for (std::size_t j = 0; j < linha.Cilindros.size(); ++j)
                    linha.Respostas[j] = linha.Cilindros[j].Prepara(dt, lift.Ligada ? rAgua : 0.0);
                linha.Laco = Serpentinas::Laco(linha.Respostas, c.Comprimento, mc, lift.TEntrada, dt);
                if (!(linha.Laco.Geff > 0.0)) continue;
                const double coef = dt * linha.Laco.Geff / c.Espacamento;
                for (const auto& [no, peso] : linha.Nos) {
                    const double a = coef * peso;
                    w.Sistema.Diag[I(no)] += a;
                    w.Carga[I(no)] += a * linha.Laco.TRef;
                    w.ResfriamentoDiag[I(no)] += a;
                    w.ResfriamentoCarga[I(no)] += a * linha.Laco.TRef;
                }
            }
        }
    }

    void ConcluiPasso(const TDadosModelo& dados, const TTrabalhoTermico&, bool fimDoPasso) override {
        const double dt = dados.DtExplicito + dados.DtImplicito;
        TResultadosSerpentinas& r = dono_.Resultados;
        for (std::size_t k = 0; k < lifts_.size(); ++k) {
            Lift& lift = lifts_[k];
            if (lift.Iniciada && lift.Parada) {
                lift.Saida = std::numeric_limits<double>::quiet_NaN();
                lift.Duracao += dt;
            } else if (lift.Iniciada) {
                const TSerpentinasCamada& c = *lift.Dados;
                const double mc = Serpentinas::VazaoMassica(c.Vazao) * Serpentinas::CalorEspecificoAgua;
                double maisQuente = -std::numeric_limits<double>::infinity();
                double saida = 0.0;
                for (Linha& linha : lift.Linhas) {
                    double media = 0.0;
                    for (const auto& [no, peso] : linha.Nos) media += peso * dados.Temperaturas[I(no)];
                    maisQuente = std::max(maisQuente, media);
                    if (linha.Laco.Geff > 0.0) {
                        const double q = linha.Laco.Geff * (media - linha.Laco.TRef);
                        saida += Serpentinas::AguaDoLaco(linha.Respostas, c.Comprimento, mc, lift.TEntrada, dt, media,
                                                         agua_);
                        for (std::size_t j = 0; j < linha.Cilindros.size(); ++j) linha.Cilindros[j].Conclui(agua_[j]);
                        lift.Energia += q / c.Espacamento * dt;
                    } else {
                        for (auto& cilindro : linha.Cilindros) cilindro.Conclui(0.0);
                    }
                }
                lift.Saida = lift.Ligada ? saida / static_cast<double>(lift.Linhas.size())
                                         : std::numeric_limits<double>::quiet_NaN();
                if (c.PorTemperatura) {
                    if (!lift.Gatilho && maisQuente >= c.TLiga) lift.Gatilho = true;
                    else if (lift.Gatilho && maisQuente <= c.TDesliga) lift.Gatilho = false;
                }
                lift.Duracao += dt;
            }
            if (!fimDoPasso) continue;
            r.Saida[k].push_back(lift.Iniciada ? lift.Saida : std::numeric_limits<double>::quiet_NaN());
            r.Calor[k].push_back(lift.Duracao > 0.0 ? lift.Energia / lift.Duracao : 0.0);
            r.Total[k] += lift.Energia / 1e6;
            lift.Energia = 0.0;
            lift.Duracao = 0.0;
        }
        if (fimDoPasso) r.Horas.push_back(dados.Tempo);
    }

private:
    struct Linha {
        TFaixa Faixa{};
        std::vector<std::pair<int, double>> Nos;
        std::vector<Serpentinas::TCilindro> Cilindros;  // one per segment of the loop
        std::vector<Serpentinas::TCilindro::Resposta> Respostas;
        Serpentinas::TLaco Laco;
    };
    struct Lift {
        int L = 0;
        const TSerpentinasCamada* Dados = nullptr;
        std::vector<Linha> Linhas;
        bool Iniciada = false;
        bool Ligada = false;
        bool Parada = false;  // outside the hours of operation
        bool Gatilho = false;
        double TEntrada = 0.0;
        double Saida = 0.0;
        double Energia = 0.0;  // J/m² removed in the step so far
        double Duracao = 0.0;  // s
    };

    void Inicia(Lift& lift, const TCamada& m) {
        const double a = 0.5 * lift.Dados->Tubo.DiametroExterno;
        for (Linha& linha : lift.Linhas) {
            const double b = Serpentinas::RaioEquivalente(lift.Dados->Espacamento, linha.Faixa.Fim - linha.Faixa.Inicio);
            linha.Cilindros.assign(Serpentinas::SegmentosPadrao, {});
            for (auto& cilindro : linha.Cilindros) cilindro.Define(a, b, m.K, m.Ro * m.CalorEsp);
            linha.Respostas.assign(linha.Cilindros.size(), {});
        }
        lift.Iniciada = true;
    }

    TDadosSerpentinas& dono_;
    std::vector<Lift> lifts_;
    std::vector<double> agua_;  // drive of each segment, reused
};

}  // namespace

std::unique_ptr<TContornoResfriamento> TDadosSerpentinas::Copia() const {
    return std::make_unique<TDadosSerpentinas>(*this);
}

const TSerpentinasCamada* TDadosSerpentinas::DaCamada(int L) const {
    if (L < 1 || I(L) >= Camadas.size() || Camadas[I(L)].Alturas.empty()) return nullptr;
    return &Camadas[I(L)];
}

bool TDadosSerpentinas::EmUso() const {
    for (std::size_t L = 1; L < Camadas.size(); ++L)
        if (!Camadas[L].Alturas.empty()) return true;
    return false;
}

double TDadosSerpentinas::Entrada(const TSerpentinasCamada& c, double t) const {
    if (!c.EntradaDaSerie || SerieEntrada.empty()) return c.TEntrada;
    // Linear between the hours of the series, its ends held.
    if (t <= 0.0) return SerieEntrada.front();
    const double ultimo = static_cast<double>(SerieEntrada.size() - 1);
    if (t >= ultimo) return SerieEntrada.back();
    const auto k = static_cast<std::size_t>(std::floor(t));
    const double f = t - static_cast<double>(k);
    return SerieEntrada[k] + f * (SerieEntrada[k + 1] - SerieEntrada[k]);
}

std::unique_ptr<TExecucaoResfriamento> TDadosSerpentinas::Inicia(const TDadosModelo& dados) {
    return std::make_unique<TExecucaoSerpentinas>(*this, dados);
}

std::string TDadosSerpentinas::Problema(const TDadosModelo& d) const {
    for (std::size_t k = 1; k < Camadas.size(); ++k) {
        const int L = static_cast<int>(k);
        const TSerpentinasCamada* c = DaCamada(L);
        if (!c) continue;
        // Lifts past the end of the member have none (as the protections of their tops).
        if (L > d.NCamadas) break;
        if (Membro::CamadaDaFundacao(d, L))
            return "A camada 1 é a fundação (solo): não pode ter serpentinas de resfriamento.";
        const double h = d.Camadas[k].Espessura;
        for (double z : c->Alturas) {
            if (!(z > 0.0 && z < h))
                return "A fileira de serpentinas" + Camada(L) + " está a " + Num(z) +
                       " m da base da camada; deve ficar dentro da camada (entre 0 e " + Num(h) + " m).";
        }
        for (const TFaixa& f : Faixas(*c, h)) {
            const double b = Serpentinas::RaioEquivalente(c->Espacamento, f.Fim - f.Inicio);
            if (!(b > 0.5 * c->Tubo.DiametroExterno * 1.5))
                return "As fileiras de serpentinas" + Camada(L) +
                       " estão próximas demais para o espaçamento e o diâmetro do tubo: o concreto de cada tubo "
                       "teria raio equivalente de " + Num(b * 1000.0) + " mm.";
        }
        if (c->EntradaDaSerie && SerieEntrada.empty())
            return "A água das serpentinas" + Camada(L) +
                   " segue a série horária de temperaturas, mas nenhuma série foi lida.";
    }
    return {};
}

void TDadosSerpentinas::Valida(Validacao::Resultado& r) const {
    for (std::size_t k = 1; k < Camadas.size(); ++k) {
        const TSerpentinasCamada& c = Camadas[k];
        if (c.Alturas.empty()) continue;
        const std::string da = Camada(static_cast<int>(k));
        const auto positivo = [&](double v, const std::string& o) {
            if (!(v > 0.0) || !std::isfinite(v)) r.Erros.push_back(o + da + " vale " + Num(v) + "; deve ser positivo.");
        };
        positivo(c.Espacamento, "O espaçamento das serpentinas");
        positivo(c.Tubo.DiametroExterno, "O diâmetro externo do tubo");
        positivo(c.Tubo.Condutividade, "A condutividade da parede do tubo");
        positivo(c.Comprimento, "O comprimento do laço");
        positivo(c.Vazao, "A vazão de água");
        if (!(c.Tubo.Espessura > 0.0 && c.Tubo.Espessura < 0.5 * c.Tubo.DiametroExterno))
            r.Erros.push_back("A espessura da parede do tubo" + da + " vale " + Num(c.Tubo.Espessura) +
                              " m; deve ser positiva e menor que o raio externo.");
        if (!c.EntradaDaSerie && Validacao::ForaDaFaixa(c.TEntrada))
            r.Erros.push_back("A temperatura de entrada da água" + da + " vale " + Num(c.TEntrada) + " °C; " +
                              Validacao::FaixaTemperatura() + ".");
        if (!(c.HoraInicio >= 0.0) || !(c.HoraFim > c.HoraInicio))
            r.Erros.push_back("As horas de operação das serpentinas" + da + " (" + Num(c.HoraInicio) + " a " +
                              Num(c.HoraFim) + " h) devem começar em 0 h ou depois e terminar depois de começar.");
        if (c.PorTemperatura && !(c.TDesliga < c.TLiga))
            r.Erros.push_back("O gatilho das serpentinas" + da + " desliga a " + Num(c.TDesliga) + " °C e liga a " +
                              Num(c.TLiga) + " °C; deve desligar abaixo da temperatura em que liga.");
        if (c.Vazao > 0.0 && c.Tubo.DiametroExterno > 2.0 * c.Tubo.Espessura && c.Tubo.Espessura > 0.0 &&
            Serpentinas::Reynolds(c.Tubo, c.Vazao) < Serpentinas::ReynoldsLaminar)
            r.Avisos.push_back("A água das serpentinas" + da + " escoa em regime laminar (Re = " +
                               Numeros::FormataFixo(Serpentinas::Reynolds(c.Tubo, c.Vazao), 0, 0) +
                               "): a película retém boa parte do calor; aumente a vazão.");
    }
    for (std::size_t k = 0; k < SerieEntrada.size(); ++k) {
        if (Validacao::ForaDaFaixa(SerieEntrada[k])) {
            r.Erros.push_back("A série de temperaturas da água das serpentinas vale " + Num(SerieEntrada[k]) +
                              " °C na hora " + std::to_string(k) + "; " + Validacao::FaixaTemperatura() + ".");
            break;
        }
    }
}

bool TDadosSerpentinas::TemDados() const { return ProjetoSerpentinas::TemDados(*this); }

nlohmann::ordered_json TDadosSerpentinas::ParaJson() const { return ProjetoSerpentinas::ParaJson(*this); }

const TDadosSerpentinas& SerpentinasDe(const TDadosModelo& dados) {
    static const TDadosSerpentinas inicial;
    const auto* s = dynamic_cast<const TDadosSerpentinas*>(dados.Resfriamento.Get());
    return s ? *s : inicial;
}

TDadosSerpentinas& SerpentinasEditavel(TDadosModelo& dados) {
    auto* s = dynamic_cast<TDadosSerpentinas*>(dados.Resfriamento.Get());
    if (s) return *s;
    auto nova = std::make_unique<TDadosSerpentinas>();
    s = nova.get();
    dados.Resfriamento.Define(std::move(nova));
    return *s;
}
