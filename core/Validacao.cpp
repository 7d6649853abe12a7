#include "core/Validacao.h"

#include <algorithm>
#include <cmath>

#include "core/Membro.h"
#include "core/Numeros.h"

namespace Validacao {

namespace {

std::string Num(double v) { return Numeros::FormataGeral(v); }
std::string Int(long long v) { return Numeros::FormataInteiro(v); }

// "a condutividade térmica da camada 2 vale -2,4 W/(m·°C); deve ser maior que zero".
void Positivo(Resultado& r, double v, const std::string& campo, const std::string& unidade) {
    if (!(v > 0.0) || !std::isfinite(v))
        r.Erros.push_back(campo + " vale " + Num(v) + unidade + "; deve ser um número maior que zero.");
}

void Temperatura(Resultado& r, double t, const std::string& campo) {
    if (ForaDaFaixa(t)) r.Erros.push_back(campo + " vale " + Num(t) + " °C; " + FaixaTemperatura() + ".");
}


}  // namespace

bool LeituraAusente(double t) { return !(t >= TMinima); }

bool ForaDaFaixa(double t) { return !(t >= TMinima && t <= TMaxima); }

std::string FaixaTemperatura() { return "a faixa aceita é de " + Num(TMinima) + " a " + Num(TMaxima) + " °C"; }

double AlturaMembro(const TDadosModelo& d) {
    const int n = std::clamp(static_cast<int>(d.NCamadas), 0, MaxCamadas);
    if (n < 1) return 0.0;
    const int primeira = std::min(Membro::PrimeiraCamadaDeConcreto(d), n);
    const TCamada& topo = d.Camadas[static_cast<std::size_t>(n)];
    return topo.XIni + topo.Espessura - d.Camadas[static_cast<std::size_t>(primeira)].XIni;
}

void ValidaSensores(const TDadosModelo& d, Resultado& r) {
    if (d.Medicoes.empty()) return;
    const double altura = AlturaMembro(d);
    const double tol = 1e-9 * std::max(1.0, std::fabs(altura));
    for (const TSensor& s : d.Medicoes) {
        if (!(s.Altura >= -tol && s.Altura <= altura + tol)) {
            r.Erros.push_back("O sensor \"" + s.Nome + "\" está a " + Num(s.Altura) +
                              " m da base, fora do membro: a altura deve ficar entre 0 e " + Num(altura) + " m.");
        }
        for (const TLeitura& l : s.Leituras) {
            if (LeituraAusente(l.Temperatura)) {
                r.Erros.push_back("O sensor \"" + s.Nome + "\" tem a leitura " + Num(l.Temperatura) + " °C na hora " +
                                  Num(l.Hora) + ", abaixo de " + Num(TMinima) +
                                  " °C: uma leitura ausente deve ficar vazia.");
                break;
            }
        }
    }
}

Resultado ValidaProblema(const TDadosModelo& d) {
    Resultado r;
    const int n = std::clamp(static_cast<int>(d.NCamadas), 0, MaxCamadas);
    const bool comTensoes = d.ModeloFluencia != TModeloFluencia::Nenhum;
    const int primeiraConcreto = d.Fundacao ? 2 : 1;
    for (int L = 1; L <= n; ++L) {
        const TCamada& c = d.Camadas[static_cast<std::size_t>(L)];
        const std::string da = " da camada " + Int(L);
        Positivo(r, c.Espessura, "A espessura" + da, " m");
        Positivo(r, c.K, "A condutividade térmica" + da, "");
        Positivo(r, c.Ro, "A massa específica" + da, "");
        Positivo(r, c.CalorEsp, "O calor específico" + da, "");
        // Expansion only drives the stresses; a thermal-only problem may leave it at zero.
        if (comTensoes) Positivo(r, c.Alfa, "A dilatação térmica" + da, " /°C");
        else if (c.Alfa < 0.0 || !std::isfinite(c.Alfa))
            r.Erros.push_back("A dilatação térmica" + da + " vale " + Num(c.Alfa) + " /°C; não pode ser negativa.");
        Temperatura(r, c.TInicial, std::string(L < primeiraConcreto ? "A temperatura inicial" : "A temperatura de lançamento") + da);
        if (L >= primeiraConcreto && c.TInicial > TLancamentoAlta && !ForaDaFaixa(c.TInicial))
            r.Avisos.push_back("A temperatura de lançamento" + da + " é " + Num(c.TInicial) + " °C, acima de " +
                               Num(TLancamentoAlta) + " °C: concreto muito quente.");
        const TCalorInterno& q = d.CalorCamadas[static_cast<std::size_t>(L)];
        if (q.Maturidade && !q.Constante && !(q.AlfaU > 0.0 && q.AlfaU <= 1.0))
            r.Erros.push_back("O grau de hidratação final αu" + da + " vale " + Num(q.AlfaU) +
                              "; deve estar entre 0 (exclusive) e 1.");
    }
    if (!d.Obra.UsaClimaArquivo()) {
        if (d.TAmbConstante) {
            Temperatura(r, d.TAmbConst, "A temperatura ambiente constante");
        } else {
            Temperatura(r, d.TAmbMax, "A temperatura ambiente máxima do dia");
            Temperatura(r, d.TAmbMin, "A temperatura ambiente mínima do dia");
        }
        if (!(d.QRadiacao >= 0.0) || !std::isfinite(d.QRadiacao))
            r.Erros.push_back("A radiação solar absorvida vale " + Num(d.QRadiacao) + "; não pode ser negativa.");
    }
    if (d.TPrescInfAtiva) Temperatura(r, d.TPrescInf, "A temperatura prescrita na face inferior");
    if (d.TPrescSupAtiva) Temperatura(r, d.TPrescSup, "A temperatura prescrita na face superior");
    if (d.Obra) d.Obra->Valida(d, r);
    if (d.Resfriamento) d.Resfriamento->Valida(r);
    ValidaSensores(d, r);
    return r;
}

}  // namespace Validacao
