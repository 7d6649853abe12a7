#include "verificacao/BalancoEnergia.h"

#include <cmath>

#include "core/Erros.h"
#include "core/Func.h"
#include "core/Membro.h"
#include "core/Numeros.h"

namespace {

std::size_t I(int i) { return static_cast<std::size_t>(i); }

// Sum of row i of the capacity matrix: the capacity the node gathers.
double CapacidadeNo(const TBanda& C, int i) { return C.Inf[I(i)] + C.Diag[I(i)] + C.Sup[I(i)]; }

double Conteudo(const TBanda& C, const double* T, int n) {
    double e = 0.0;
    for (int i = 1; i <= n; ++i) e += CapacidadeNo(C, i) * T[i];
    return e;
}

bool PrescritaInf(const TDadosModelo& d) { return d.TPrescInfAtiva; }
bool PrescritaSup(const TDadosModelo& d) { return d.CamadaAtual == d.NCamadas && d.TPrescSupAtiva; }

// Radiation each face absorbs, W/m²: the constant flux on both ends, or, with the
// weather file, the sun on the top face only.
double FluxoBase(const TDadosModelo& d) { return d.Obra.UsaClimaArquivo() ? 0.0 : d.QRadiacao; }
double FluxoTopo(const TDadosModelo& d, const TTrabalhoTermico& w) {
    return d.Obra.UsaClimaArquivo() ? w.SolTopo : d.QRadiacao;
}

// What closes row p of the step equation at the solved temperatures T: the heat the
// prescribed end had to give the node (zero for a row the system kept).
double ReacaoLinha(const TDadosModelo& d, const TTrabalhoTermico& w, int p, int n, double H) {
    const double* T = d.Temperaturas.data();
    const double* T0 = w.TAnterior.data();
    const double dtE = d.DtExplicito;
    const double dtI = d.DtImplicito;
    const auto termo = [&](double c, double k, int j) { return c * (T[j] - T0[j]) + k * (dtI * T[j] + dtE * T0[j]); };
    double r = termo(w.C.Diag[I(p)], w.K.Diag[I(p)], p);
    if (p > 1) r += termo(w.C.Inf[I(p)], w.K.Inf[I(p)], p - 1);
    if (p < n) r += termo(w.C.Sup[I(p)], w.K.Sup[I(p)], p + 1);
    // The node's load: half of each adjacent element's heat and the face's radiation.
    const int m = n - 1;
    double q = p == n ? FluxoTopo(d, w) + w.CeuTopo : FluxoBase(d);
    if (p > 1) q += 0.5 * w.FElemento[I(p - 1)] * d.Elementos[I(p - 1)].Espessura;
    if (p <= m) q += 0.5 * w.FElemento[I(p)] * d.Elementos[I(p)].Espessura;
    double reacao = r - (dtE + dtI) * q - H * (w.TAmb - T[p]);
    if (w.Lateral) reacao -= w.GLateral[I(p)] * (w.TAmb - T[p]);
    // The pipes' sink on the row is part of what the system kept, not of the reaction.
    if (w.Resfriamento) reacao += w.ResfriamentoDiag[I(p)] * T[p] - w.ResfriamentoCarga[I(p)];
    return reacao;
}

std::string MJ(double joules) { return Verificacao::Fixo(joules / 1e6, 12, 3); }

}  // namespace

std::string Verificacao::Fixo(double valor, int largura, int decimais) {
    std::string s = Numeros::FormataFixo(valor + 0.0, largura, decimais);
    const auto menos = s.find('-');
    if (menos != std::string::npos && s.find_first_of("123456789") == std::string::npos) {
        s.erase(menos, 1);
        if (static_cast<int>(s.size()) < largura) s.insert(s.begin(), ' ');
    }
    return s;
}

void TBalancoEnergia::Resolvido(const TDadosModelo& d, const TTrabalhoTermico& w) {
    const int m = d.NElemAtivos;
    const int n = m + 1;
    const double dt = d.DtExplicito + d.DtImplicito;
    double f = 0.0;
    for (int e = 1; e <= m; ++e) f += w.FElemento[I(e)] * d.Elementos[I(e)].Espessura;
    Hidratacao += dt * f;
    Radiacao += dt * (FluxoBase(d) + FluxoTopo(d, w));
    tResolvidaInf_ = d.Temperaturas[1];
    tResolvidaSup_ = d.Temperaturas[I(n)];
    if (w.FracaoCeu != 0.0 || w.CeuTopo != 0.0) {
        // What crosses the top divides at the outer face between the air and the sky.
        const double topo = w.HSup * (w.TAmb - tResolvidaSup_) + dt * w.CeuTopo;
        Ceu += w.FracaoCeu * topo + dt * w.CeuAr;
        Conveccao += w.HInf * (w.TAmb - tResolvidaInf_) + (1.0 - w.FracaoCeu) * topo - dt * w.CeuAr;
    } else {
        Conveccao += w.HInf * (w.TAmb - tResolvidaInf_) + w.HSup * (w.TAmb - tResolvidaSup_);
    }
    if (w.Lateral) {
        ComLaterais = true;
        double g = 0.0;
        for (int i = 1; i <= n; ++i) g += w.GLateral[I(i)] * (w.TAmb - d.Temperaturas[I(i)]);
        Laterais += g;
    }
    if (PrescritaInf(d)) Extremidades += ReacaoLinha(d, w, 1, n, w.HInf);
    if (PrescritaSup(d)) Extremidades += ReacaoLinha(d, w, n, n, w.HSup);
    if (w.Resfriamento) {
        ComSerpentinas = true;
        // Every node the water cools, a prescribed end included: its reaction closes its row with the sink.
        for (int i = 1; i <= n; ++i)
            Serpentinas -= w.ResfriamentoDiag[I(i)] * d.Temperaturas[I(i)] - w.ResfriamentoCarga[I(i)];
    }
}

void TBalancoEnergia::SomaModelo(const TDadosModelo& d, const TTrabalhoTermico& w) {
    const double horas = TFunc::HorasDoPasso(d);
    const double dt = d.DtExplicito + d.DtImplicito;
    const auto media = [](const double* t, std::size_t i) { return 0.5 * (t[i] + t[i + 1]); };
    double q = 0.0;
    for (int e = 1; e <= d.NElemAtivos; ++e) {
        const std::size_t i = I(e);
        const int camada = w.CamadaElemento[i];
        const double h = d.Elementos[i].Espessura;
        if (!Maturidade::Ativa(d, camada)) {
            const double x = Membro::Idade(d, camada, d.Tempo);
            q += h * TFunc::CalorMedioPasso(d, w.SI, camada, x - horas, x) * dt;
            continue;
        }
        const TCalorInterno& c = d.CalorCamadas[I(camada)];
        // The age the temperatures imply: the factor at the element's mean temperature
        // halfway through the step (what the time-accurate step converges to).
        const double tMeio = 0.5 * (media(w.TAnterior.data(), i) + media(d.Temperaturas.data(), i));
        const double te0 = idade_[i];
        const double te1 = te0 + horas * Maturidade::FatorArrhenius(c.EnergiaAtivacao, c.TRef, tMeio);
        idade_[i] = te1;
        if (d.CalorDiscreto) {
            TCurvaAmostra& a = amostra_[I(camada)];
            if (a.Idade.empty()) {
                const TCamada& m = w.SI.Camadas[I(camada)];
                a = Maturidade::CurvaAmostra(c, w.SI.Calor[I(camada)].FatorTabela, m.Ro * m.CalorEsp, true);
            }
            q += h * (Maturidade::CalorAmostra(a, te1) - Maturidade::CalorAmostra(a, te0));
        } else {
            q += h * (Maturidade::CalorCurva(c, te1) - Maturidade::CalorCurva(c, te0));
        }
    }
    HidratacaoModelo += q;
}

void TBalancoEnergia::Passo(const TDadosModelo& d, const TTrabalhoTermico& w) {
    if (ModeloDisponivel) {
        try {
            SomaModelo(d, w);
        } catch (const ErroCalculo&) {
            ModeloDisponivel = false;  // the run itself decides what a failing model means
        }
    }
    const int n = Membro::NosAtivos(d);
    // The start of the step: what was placed since the last one.
    const double inicio = Conteudo(w.C, w.TAnterior.data(), n);
    double trazido = 0.0;
    for (int L = camadaAnterior_ + 1; L <= d.CamadaAtual; ++L) {
        const TCamada& c = w.SI.Camadas[I(L)];
        trazido += c.Ro * c.CalorEsp * c.Espessura * c.TInicial;
    }
    Trazido += trazido;
    if (camadaAnterior_ > 0) Junta += inicio - conteudoAnterior_ - trazido;
    camadaAnterior_ = d.CamadaAtual;

    // The classic overwrite of a prescribed end after the solve puts heat in there.
    const TBanda& C = w.C;
    if (PrescritaInf(d)) Extremidades += CapacidadeNo(C, 1) * (d.Temperaturas[1] - tResolvidaInf_);
    if (PrescritaSup(d)) Extremidades += CapacidadeNo(C, n) * (d.Temperaturas[I(n)] - tResolvidaSup_);

    conteudoAnterior_ = Conteudo(C, d.Temperaturas.data(), n);
    ConteudoFinal = conteudoAnterior_;
    Altura = 0.0;
    for (int e = 1; e <= d.NElemAtivos; ++e) Altura += d.Elementos[I(e)].Espessura;
    ++Passos;
}

double TBalancoEnergia::ResiduoPercentual() const {
    const double base =
        BaseLiberado() ? HidratacaoModelo + Radiacao : std::fabs(Conveccao) + std::fabs(Laterais) + std::fabs(Extremidades);
    if (!(base > 0.0)) return 0.0;
    return 100.0 * ResiduoModelo() / base;
}

std::string TBalancoEnergia::Texto() const {
    std::string s = "Balanço de energia da execução (MJ por m² de seção; positivo = entra no membro)\n";
    if (Passos == 0) return s + "  Nenhum passo calculado.\n";
    if (!ModeloDisponivel) {
        s += "  O modelo de calor não pôde ser avaliado em algum passo; o balanço é o dos passos.\n";
    }
    const bool modelo = ModeloDisponivel;
    s += "  Calor liberado pela hidratação ........... " + MJ(Hidratacao) + "\n";
    if (modelo)
        s += "  Calor do modelo nas mesmas idades ........ " + MJ(HidratacaoModelo) + "\n";
    s += "  Calor da radiação nas faces .............. " + MJ(Radiacao) + "\n";
    s += "  Trocado por convecção nas faces .......... " + MJ(Conveccao) + "\n";
    if (ComLaterais) s += "  Trocado pelas laterais do bloco .......... " + MJ(Laterais) + "\n";
    if (Ceu != 0.0) s += "  Trocado por radiação com o céu (topo) .... " + MJ(Ceu) + "\n";
    s += "  Trocado pelas extremidades prescritas .... " + MJ(Extremidades) + "\n";
    if (ComSerpentinas) s += "  Retirado pela água das serpentinas ....... " + MJ(Serpentinas) + "\n";
    s += "  Soma das entradas" + std::string(modelo ? " (calor do modelo) ...... " : " ........................") +
         MJ(modelo ? EntradasModelo() : Entradas()) + "\n";
    s += "  Calor armazenado no membro ............... " + MJ(Armazenado()) + "\n";
    s += "    (conteúdo final " + Verificacao::Fixo(ConteudoFinal / 1e6, 0, 3) +
         " menos o trazido pelo concreto lançado " + Verificacao::Fixo(Trazido / 1e6, 0, 3) + ")\n";
    if (modelo) {
        s += "  Resíduo (armazenado menos entradas) ...... " + MJ(ResiduoModelo()) + " = " +
             Verificacao::Fixo(ResiduoPercentual(), 0, 4) + " % do calor " +
             (BaseLiberado() ? "liberado" : "trocado") + " (" + Verificacao::Fixo(ResiduoPorVolume() / 1e6, 0, 3) +
             " MJ/m³ do membro)\n";
        // What the steps released beyond the model (or short of it) is part of the residual.
        if (std::fabs(Perdido()) > 1e-6 * (std::fabs(HidratacaoModelo) + 1.0))
            s += "    dos quais a diferença entre o calor dos passos e o do modelo " +
                 Verificacao::Fixo(-Perdido() / 1e6, 0, 3) + " MJ/m²\n";
    } else {
        s += "  Resíduo (armazenado menos entradas) ...... " + MJ(Residuo()) + "\n";
    }
    if (std::fabs(Junta) > 1e-9 * (std::fabs(Trazido) + 1.0))
        s += "    dos quais no nó da junta ao lançar as camadas " + Verificacao::Fixo(Junta / 1e6, 0, 3) +
             " MJ/m²\n";
    return s;
}
