#include "verificacao/CasosAnaliticos.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/Numeros.h"
#include "core/Processo.h"
#include "analise/Analise.h"

namespace CasosAnaliticos {

namespace {

constexpr double K = 2.0;
constexpr double Ro = 2400.0;
constexpr double Cp = 1000.0;
constexpr double RhoC = Ro * Cp;
constexpr double Alfa = K / RhoC;  // m²/s
constexpr double HTopo = 10.0;     // W/(m²·°C)
constexpr double EspessuraFria = 2.0;
constexpr double QFonte = 100.0;  // W/m³

// A stack of `camadas` lifts of 1 m at 20 °C placed every `intervalo` hours from 0,
// in SI, no heat, no exchange, no radiation, constant 20 °C ambient, hourly steps.
std::unique_ptr<TDadosModelo> Membro(TFormulacao f, int camadas, int elementos, int intervalo, double total) {
    auto d = std::make_unique<TDadosModelo>();
    d->Formulacao = f;
    d->NCamadas = d->NCamadasMembro = camadas;
    d->NElemCamada = elementos;
    d->PassoTempo = 1;
    d->TempoTotal = total;
    d->TAmbConstante = true;
    d->TAmbConst = 20.0;
    d->QRadiacao = 0.0;
    for (int L = 1; L <= camadas; ++L) {
        TCamada& c = d->Camadas[static_cast<std::size_t>(L)];
        c.K = K;
        c.Espessura = 1.0;
        c.XIni = L - 1.0;
        c.Ro = Ro;
        c.CalorEsp = Cp;
        c.Alfa = 1e-5;
        c.HoraConcretagem = (L - 1) * intervalo;
        c.TInicial = 20.0;
        d->CalorCamadas[static_cast<std::size_t>(L)].Constante = true;
    }
    return d;
}

// The hydration curve of the cases: a common cement, C = 300 kg/m³, E = 80 cal/g.
void Curva(TCalorInterno& c) {
    c.Constante = false;
    c.C = 300.0;
    c.E = 80.0;
    c.Tr = 0.0;
    c.N = 0.45;
    c.B = 7.0;
}

// The hourly table of the cases, W/m³ during hour h after placement.
double TaxaTabela(int h) { return 2500.0 * std::exp(-h / 15.0) * (h % 3 + 1); }

struct Execucao {
    Analise ex;
    double Celula(int no, int linha) const { return ex.Temperaturas.Valor(no, linha); }
};

Execucao Roda(std::unique_ptr<TDadosModelo> d, ObservadorPasso* observador = nullptr) {
    Progresso semJanela;
    OpcoesAnalise o;
    o.Observador = observador;
    return {Analise::Executa(std::move(d), o, semJanela)};
}

// The positive roots of β·tan β = Bi, one in each ((n−1)π, (n−1)π + π/2).
std::vector<double> RaizesBiot(double bi, int quantas) {
    std::vector<double> r;
    for (int n = 0; n < quantas; ++n) {
        double a = n * std::numbers::pi;
        double b = a + std::numbers::pi / 2.0 - 1e-15;
        for (int it = 0; it < 200; ++it) {
            const double m = 0.5 * (a + b);
            (m * std::tan(m) - bi < 0.0 ? a : b) = m;
        }
        r.push_back(0.5 * (a + b));
    }
    return r;
}

}  // namespace

double SeriePlaca(double xi, double horas) {
    static const std::vector<double> beta = RaizesBiot(HTopo * 1.0 / K, 200);
    const double fo = Alfa * horas * 3600.0;  // L = 1 m
    double soma = 0.0;
    for (double b : beta)
        soma += 2.0 * std::sin(b) / (b + std::sin(b) * std::cos(b)) * std::cos(b * xi) * std::exp(-b * b * fo);
    return 20.0 + 20.0 * soma;
}

std::array<std::array<double, 3>, 3> Placa(TFormulacao f, int ne) {
    auto d = Membro(f, 1, ne, 0, HorasPlaca.back());
    d->Camadas[1].TInicial = 40.0;
    d->BetaInf = 0.0;
    d->BetaSup = HTopo * 3600.0;
    const Execucao r = Roda(std::move(d));
    std::array<std::array<double, 3>, 3> v{};
    for (std::size_t i = 0; i < HorasPlaca.size(); ++i) {
        const int linha = static_cast<int>(HorasPlaca[i]);
        v[i] = {r.Celula(1, linha), r.Celula(ne / 2 + 1, linha), r.Celula(ne + 1, linha)};
    }
    return v;
}

double PermanenteExato(double x) { return 20.0 + QFonte * x * (EspessuraFria - x) / (2.0 * K); }

Permanente PermanentePrescrito(TFormulacao f, int ne) {
    auto d = Membro(f, 1, ne, 0, 3000);
    d->Camadas[1].Espessura = EspessuraFria;
    d->CalorCamadas[1].F = QFonte;
    d->TPrescInfAtiva = d->TPrescSupAtiva = true;
    d->TPrescInf = d->TPrescSup = 20.0;
    const Execucao r = Roda(std::move(d));
    const int ultima = r.ex.Temperaturas.Linhas() - 1;
    Permanente p;
    p.Pico = -1e300;
    for (int i = 1; i <= ne + 1; ++i) {
        const double t = r.Celula(i, ultima);
        p.Pico = std::max(p.Pico, t);
        p.DesvioNos = std::max(p.DesvioNos, std::fabs(t - PermanenteExato(EspessuraFria * (i - 1) / ne)));
    }
    return p;
}

double SerieCentroFria(double horas) {
    const double tau = EspessuraFria * EspessuraFria / (std::numbers::pi * std::numbers::pi * Alfa);
    double soma = 0.0;
    for (int n = 1; n < 400; n += 2) {
        const double sinal = ((n - 1) / 2) % 2 == 0 ? 1.0 : -1.0;
        soma += 4.0 / (n * std::numbers::pi) * sinal * std::exp(-n * n * horas * 3600.0 / tau);
    }
    return soma;
}

double CentroFria(TFormulacao f, int ne) {
    auto d = Membro(f, 1, ne, 0, 100);
    d->Camadas[1].Espessura = EspessuraFria;
    d->Camadas[1].TInicial = 1.0;
    d->TPrescInfAtiva = d->TPrescSupAtiva = true;
    d->TPrescInf = d->TPrescSup = 0.0;
    const Execucao r = Roda(std::move(d));
    return r.ex.Dados->Temperaturas[static_cast<std::size_t>(ne / 2 + 1)];
}

double AdiabaticoExato(Calor calor, double x) {
    if (calor == Calor::Tabela) {
        double q = 0.0;
        for (int h = 1; h <= x; ++h) q += TaxaTabela(h) * 3600.0;
        return 20.0 + q / RhoC;
    }
    TCalorInterno c;
    Curva(c);
    const double ge = 10.0 / std::numbers::ln2 * std::pow(2.0, -c.Tr / 10.0) * (std::pow(2.0, x / 10.0) - 1.0);
    return 20.0 + c.C * c.E * 4186.0 * std::exp(-c.B * std::pow(ge, -c.N)) / RhoC;
}

Adiabatico BlocoAdiabatico(TFormulacao f, Calor calor, int passo) {
    auto d = Membro(f, 1, 3, 0, HorasAdiabatico.back());
    d->PassoTempo = passo;
    TCalorInterno& c = d->CalorCamadas[1];
    if (calor == Calor::Curva) {
        Curva(c);
    } else {
        d->CalorDiscreto = true;
        c.Constante = false;
        for (int h = 1; h <= 200; ++h) c.Tabela[static_cast<std::size_t>(h)] = TaxaTabela(h);
    }
    const Execucao r = Roda(std::move(d));
    Adiabatico a;
    for (int linha = 1; linha * passo <= HorasAdiabatico.back(); ++linha) {
        const double exata = AdiabaticoExato(calor, linha * passo);
        for (int no = 1; no <= 4; ++no) a.MaiorDesvio = std::max(a.MaiorDesvio, std::fabs(r.Celula(no, linha) - exata));
    }
    for (std::size_t i = 0; i < HorasAdiabatico.size(); ++i) a.Temperaturas[i] = r.Celula(2, HorasAdiabatico[i] / passo);
    return a;
}

namespace {

// The maturity curve of the block; the model's own parameters are the record's defaults.
void CurvaMaturidade(TCalorInterno& c) {
    c = TCalorInterno{};
    c.Maturidade = true;
    c.C = 330.0;
    c.E = 107.0;
}

// dte/dt and Q(te), written from the equations of the model.
double FatorIdade(const TCalorInterno& c, double t) {
    return std::exp(c.EnergiaAtivacao / 8.314462618 * (1.0 / (273.15 + c.TRef) - 1.0 / (273.15 + t)));
}
double CalorMaturidade(const TCalorInterno& c, double te) {
    return te <= 0.0 ? 0.0 : c.C * c.E * 4186.0 * c.AlfaU * std::exp(-std::pow(c.Tau / te, c.BetaHid));
}

}  // namespace

double MaturidadeContinua(double horas, double t0) {
    TCalorInterno c;
    CurvaMaturidade(c);
    const auto g = [&](double te) { return FatorIdade(c, t0 + CalorMaturidade(c, te) / RhoC); };
    constexpr double h = 0.005;
    const int passos = static_cast<int>(std::lround(horas / h));
    double te = 0.0;
    for (int k = 0; k < passos; ++k) {
        const double k1 = g(te), k2 = g(te + h / 2 * k1), k3 = g(te + h / 2 * k2), k4 = g(te + h * k3);
        te += h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
    }
    return t0 + CalorMaturidade(c, te) / RhoC;
}

double MaturidadePassoAPasso(int passo, double horas, double t0) {
    TCalorInterno c;
    CurvaMaturidade(c);
    double te = 0.0;
    for (int t = passo; t <= horas; t += passo) te += passo * FatorIdade(c, t0 + CalorMaturidade(c, te) / RhoC);
    return t0 + CalorMaturidade(c, te) / RhoC;
}

namespace {

// Node 2 at the end of each step, unrounded.
class FimDosPassos final : public ObservadorPasso {
public:
    explicit FimDosPassos(int passo) : passo_(passo) {}
    std::vector<std::pair<double, double>> Valores;
    void Resolvido(const TDadosModelo&, const TTrabalhoTermico&) override {}
    void Passo(const TDadosModelo& d, const TTrabalhoTermico&) override {
        if (std::fmod(d.Tempo, passo_) == 0.0) Valores.emplace_back(d.Tempo, d.Temperaturas[2]);
    }

private:
    double passo_;
};

}  // namespace

Adiabatico BlocoMaturidade(TFormulacao f, int passo, int subpassos, double t0) {
    auto d = Membro(f, 1, 3, 0, HorasAdiabatico.back());
    d->PassoTempo = passo;
    d->SubpassosPorPasso = subpassos;
    d->Camadas[1].TInicial = t0;
    CurvaMaturidade(d->CalorCamadas[1]);
    FimDosPassos fins(passo);
    const Execucao r = Roda(std::move(d), &fins);
    Adiabatico a;
    for (const auto& [hora, t] : fins.Valores)
        a.MaiorDesvio = std::max(a.MaiorDesvio, std::fabs(t - MaturidadeContinua(hora, t0)));
    for (std::size_t i = 0; i < HorasAdiabatico.size(); ++i) a.Temperaturas[i] = r.Celula(2, HorasAdiabatico[i] / passo);
    return a;
}

TBalancoEnergia BalancoMaturidade(TFormulacao f, int passo) {
    auto d = Membro(f, 1, 3, 0, 24);
    d->PassoTempo = passo;
    d->Camadas[1].TInicial = 35.0;
    TCalorInterno& c = d->CalorCamadas[1];
    c = TCalorInterno{};
    c.Maturidade = true;
    c.C = 330.0;
    c.E = 107.0;
    TBalancoEnergia b;
    Roda(std::move(d), &b);
    return b;
}

TBalancoEnergia BalancoDuasCamadas(TFormulacao f, int ne) {
    auto d = Membro(f, 2, ne, 48, 168);
    for (int L = 1; L <= 2; ++L) Curva(d->CalorCamadas[static_cast<std::size_t>(L)]);
    d->BetaInf = 0.0;
    d->BetaSup = HTopo * 3600.0;
    TBalancoEnergia b;
    Roda(std::move(d), &b);
    return b;
}


namespace {

std::string F(double v, int decimais) { return Verificacao::Fixo(v, 0, decimais); }
std::string I(long long v) { return Numeros::FormataInteiro(v); }
const char* Nome(TFormulacao f) { return f == TFormulacao::Consistente ? "Consistente" : "Clássica"; }
constexpr std::array<TFormulacao, 2> Formulacoes{TFormulacao::Classica, TFormulacao::Consistente};

std::string Linha(const std::vector<std::string>& celulas) {
    std::string s = "|";
    for (const auto& c : celulas) s += " " + c + " |";
    return s + "\n";
}
std::string Separador(std::size_t colunas) {
    std::string s = "|";
    for (std::size_t i = 0; i < colunas; ++i) s += "---|";
    return s + "\n";
}

std::string SecaoPlaca() {
    std::string s =
        "## 1. Placa transiente: base isolada, convecção no topo\n\n"
        "Placa de L = 1 m, k = 2 W/(m·°C), ρ = 2400 kg/m³, c = 1000 J/(kg·°C), uniforme a 40 °C no início, "
        "ambiente a 20 °C, h = 10 W/(m²·°C) no topo, base isolada, sem calor interno, passos de 1 h. "
        "Referência: a série de Carslaw & Jaeger (*Conduction of Heat in Solids*, 2.ª ed., 1959, cap. III), "
        "com ξ = x/L medido da base e Bi = h·L/k = 5:\n\n"
        "    T = 20 + 20·Σ 2·sen βn/(βn + sen βn·cos βn)·cos(βn·ξ)·exp(−βn²·α·t/L²),   βn·tg βn = Bi\n\n";
    std::vector<std::string> cab{"Malha", "Formulação"};
    for (double h : HorasPlaca)
        for (const char* onde : {"base", "meio", "topo"}) cab.push_back(I(static_cast<long long>(h)) + " h " + onde);
    s += Linha(cab) + Separador(cab.size());
    std::vector<std::string> ref{"—", "Série (referência)"};
    for (double h : HorasPlaca)
        for (double xi : {0.0, 0.5, 1.0}) ref.push_back(F(SeriePlaca(xi, h), 4));
    s += Linha(ref);
    for (int ne : {2, 4, 8, 16, 32, 64}) {
        for (TFormulacao f : Formulacoes) {
            std::vector<std::string> l{I(ne) + " elementos", Nome(f)};
            for (const auto& instante : Placa(f, ne))
                for (double t : instante) l.push_back(F(t, 2));
            s += Linha(l);
        }
    }
    s += "\nSem face prescrita, sem concretagem e sem calor interno as duas formulações fazem o mesmo cálculo "
         "e dão os mesmos números. Refinando, os valores se aproximam da série; o que sobra (0,07 °C no topo "
         "às 24 h, quando o gradiente junto da face é mais forte) é o erro do passo de 1 h.\n\n";
    return s;
}

std::string SecaoPermanente() {
    std::string s =
        "## 2. Regime permanente com as faces prescritas\n\n"
        "Placa de 2 m, k = 2 W/(m·°C), 100 W/m³, as duas faces prescritas a 20 °C, 3000 h de passos de 1 h "
        "(mais de vinte vezes a maior constante de tempo). Solução exata T(x) = 20 + q·x·(L − x)/(2k), "
        "máxima de " + F(PermanenteExato(EspessuraFria / 2.0), 2) + " °C no meio.\n\n";
    const std::vector<int> malhas{4, 10, 20, 40, 80, 160};
    std::vector<std::string> cab{"Elementos"};
    for (int ne : malhas) cab.push_back(I(ne));
    s += Linha(cab) + Separador(cab.size());
    std::vector<std::string> exato{"Exata (°C)"};
    for (std::size_t i = 0; i < malhas.size(); ++i) exato.push_back(F(PermanenteExato(EspessuraFria / 2.0), 2));
    s += Linha(exato);
    std::vector<std::string> desvio{"Consistente: maior desvio nos nós (°C)"};
    for (TFormulacao f : Formulacoes) {
        std::vector<std::string> l{std::string(Nome(f)) + ": máxima (°C)"};
        for (int ne : malhas) {
            const Permanente p = PermanentePrescrito(f, ne);
            l.push_back(F(p.Pico, 2));
            if (f == TFormulacao::Consistente) desvio.push_back(F(p.DesvioNos, 2));
        }
        s += Linha(l);
    }
    s += Linha(desvio);
    s += "\nNa consistente o perfil é exato nos nós em qualquer malha, à precisão impressa (elementos lineares "
         "dão a solução nodal exata deste problema). Na clássica o valor prescrito sobrescreve o nó depois "
         "de resolvido o passo, e o erro cresce ao refinar a malha.\n\n";
    return s;
}

std::string SecaoFria() {
    const double serie = SerieCentroFria(100.0);
    std::string s =
        "## 3. Placa resfriada com as faces mantidas a 0 °C\n\n"
        "A mesma placa de 2 m a 1 °C no início, sem calor interno, com as duas faces prescritas a 0 °C. "
        "Centro às 100 h pela série Σ (4/nπ)·(−1)^((n−1)/2)·exp(−n²·t/τ), n ímpar, τ = L²/(π²·α): " +
        F(serie, 6) + " °C. O valor do programa é o do nó central no fim da análise (6 decimais).\n\n";
    std::vector<std::string> cab{"Elementos", "Clássica (°C)", "Erro clássica", "Consistente (°C)",
                                 "Erro consistente"};
    s += Linha(cab) + Separador(cab.size());
    for (int ne : {10, 20, 40, 80, 160}) {
        const double c = CentroFria(TFormulacao::Classica, ne);
        const double k = CentroFria(TFormulacao::Consistente, ne);
        s += Linha({I(ne), F(c, 6), F(100.0 * (c - serie) / serie, 2) + " %", F(k, 6),
                    F(100.0 * (k - serie) / serie, 2) + " %"});
    }
    s += "\nA consistente fica dentro de 1,5 % da série a partir de 20 elementos e se aproxima dela ao refinar; "
         "o que resta é o erro do passo de 1 h. A clássica se afasta ao refinar.\n\n";
    return s;
}

std::string SecaoAdiabatico() {
    std::string s =
        "## 4. Bloco adiabático\n\n"
        "Bloco de 1 m em 3 elementos, a 20 °C no lançamento, sem troca nenhuma: a temperatura é "
        "20 + Q(t)/(ρ·c), Q o calor liberado até a idade t. Curva de hidratação com C = 300 kg/m³, "
        "E = 80 cal/g, n = 0,45, b = 7, Tr = 0 °C (Q = C·E·4186·exp(−b·ge^(−n)) J/m³, ge a idade "
        "equivalente da curva); tabela horária 2500·exp(−h/15)·(h mod 3 + 1) W/m³ na hora h. "
        "Temperatura do nó 2; a última linha é o maior desvio da exata em todos os nós e linhas calculadas.\n\n";
    struct Coluna {
        TFormulacao f;
        int passo;
    };
    for (Calor calor : {Calor::Curva, Calor::Tabela}) {
        const int passoLongo = calor == Calor::Curva ? 4 : 3;
        const std::vector<Coluna> colunas{{TFormulacao::Classica, 1},
                                          {TFormulacao::Consistente, 1},
                                          {TFormulacao::Classica, passoLongo},
                                          {TFormulacao::Consistente, passoLongo}};
        s += calor == Calor::Curva ? "Curva de hidratação:\n\n" : "Tabela horária:\n\n";
        std::vector<std::string> cab{"Hora", "Exata (°C)"};
        std::vector<Adiabatico> r;
        for (const Coluna& c : colunas) {
            cab.push_back(std::string(Nome(c.f)) + ", passo " + I(c.passo) + " h");
            r.push_back(BlocoAdiabatico(c.f, calor, c.passo));
        }
        s += Linha(cab) + Separador(cab.size());
        for (std::size_t i = 0; i < HorasAdiabatico.size(); ++i) {
            std::vector<std::string> l{I(HorasAdiabatico[i]), F(AdiabaticoExato(calor, HorasAdiabatico[i]), 2)};
            for (const Adiabatico& a : r) l.push_back(F(a.Temperaturas[i], 2));
            s += Linha(l);
        }
        std::vector<std::string> desvio{"Maior desvio", "—"};
        for (const Adiabatico& a : r) desvio.push_back(F(a.MaiorDesvio, 2));
        s += Linha(desvio) + "\n";
    }
    s += "Na consistente o calor de cada passo é o incremento exato da curva (ou das horas da tabela que o "
         "passo cobre), e a elevação é Q/(ρ·c) em toda hora calculada, com qualquer passo. Na clássica o "
         "calor do passo é a taxa do fim do passo vezes Δt: exato para a tabela com passo de 1 h (a taxa é a da "
         "hora inteira), não para a curva nem para um passo de várias horas.\n\n";

    s += "Calor pela maturidade (C = 330 kg/m³, E = 107 cal/g e os parâmetros padrão do modelo: αu = 0,75, "
         "τ = 20 h, β = 0,9, Ea = 40 000 J/mol, TRef = 21,1 °C), lançado a 20 °C e a 35 °C. A contínua integra "
         "dte/dt = f(T0 + Q(te)/(ρ·c)) com Runge-Kutta de quarta ordem em passos de 0,005 h, escrita aqui à parte "
         "do programa. O maior desvio é contra a contínua no fim de cada passo, com os valores do programa sem o "
         "arredondamento da tabela (4 decimais); a razão é a do maior desvio com a metade dos subpassos para o "
         "desta coluna.\n\n";
    {
        struct Coluna {
            TFormulacao f;
            int passo;
            int subpassos;
        };
        const std::vector<Coluna> colunas{{TFormulacao::Classica, 1, 1},    {TFormulacao::Consistente, 1, 1},
                                          {TFormulacao::Consistente, 1, 2}, {TFormulacao::Consistente, 1, 4},
                                          {TFormulacao::Consistente, 1, 8}, {TFormulacao::Consistente, 4, 1},
                                          {TFormulacao::Consistente, 4, 4}};
        for (double t0 : {20.0, 35.0}) {
            s += "Lançado a " + F(t0, 0) + " °C:\n\n";
            std::vector<std::string> cab{"Hora", "Contínua (°C)"};
            std::vector<Adiabatico> r;
            for (const Coluna& c : colunas) {
                std::string nome = std::string(Nome(c.f)) + ", passo " + I(c.passo) + " h";
                if (c.subpassos > 1) nome += ", " + I(c.subpassos) + " subpassos";
                cab.push_back(nome);
                r.push_back(BlocoMaturidade(c.f, c.passo, c.subpassos, t0));
            }
            s += Linha(cab) + Separador(cab.size());
            for (std::size_t i = 0; i < HorasAdiabatico.size(); ++i) {
                std::vector<std::string> l{I(HorasAdiabatico[i]), F(MaturidadeContinua(HorasAdiabatico[i], t0), 2)};
                for (const Adiabatico& a : r) l.push_back(F(a.Temperaturas[i], 2));
                s += Linha(l);
            }
            std::vector<std::string> desvio{"Maior desvio (°C)", "—"};
            std::vector<std::string> razao{"Razão ao dobrar os subpassos", "—"};
            for (std::size_t k = 0; k < colunas.size(); ++k) {
                desvio.push_back(F(r[k].MaiorDesvio, 4));
                const bool dobro = k > 0 && colunas[k].f == colunas[k - 1].f && colunas[k].passo == colunas[k - 1].passo &&
                                   colunas[k].subpassos == 2 * colunas[k - 1].subpassos;
                razao.push_back(dobro ? F(r[k - 1].MaiorDesvio / r[k].MaiorDesvio, 2) : "—");
            }
            s += Linha(desvio) + Linha(razao) + "\n";
        }
    }
    s += "Nas duas formulações o calor de um passo é o incremento exato Q(te fim) − Q(te início) da idade "
         "acumulada. Na clássica a idade do passo cresce na temperatura do início do passo: o erro é de primeira "
         "ordem no passo. Na consistente ela cresce no fator de Arrhenius da temperatura média do passo, que é "
         "resolvido de novo até a idade se estabilizar: o erro é de segunda ordem, cai por cerca de 4 a cada vez "
         "que os subpassos dobram, e um passo de 4 h em 4 subpassos calcula o mesmo que passos de 1 h (só as "
         "linhas da tabela são menos).\n\n";
    return s;
}

std::string SecaoBalanco() {
    std::string s =
        "## 5. Balanço de energia de um bloco de duas camadas\n\n"
        "Duas camadas de 1 m lançadas a 20 °C nas horas 0 e 48, com a curva de hidratação do caso 4, "
        "topo com h = 10 W/(m²·°C) para um ambiente a 20 °C, base isolada, 168 h. O balanço é o da "
        "verificação do programa (menu Verificação, `--verifica`): o calor armazenado (conteúdo final menos "
        "o trazido pelo concreto lançado) menos o calor que o modelo de hidratação libera nas idades "
        "das temperaturas calculadas e o trocado, em % desse calor. Valores em MJ por m² de seção.\n\n";
    std::vector<std::string> cab{"Elementos por camada", "Formulação", "Liberado nos passos", "Do modelo", "Convecção",
                                 "Armazenado", "Na junta", "Resíduo"};
    s += Linha(cab) + Separador(cab.size());
    for (int ne : {1, 2, 4, 8, 16}) {
        for (TFormulacao f : Formulacoes) {
            const TBalancoEnergia b = BalancoDuasCamadas(f, ne);
            s += Linha({I(ne), Nome(f), F(b.Hidratacao / 1e6, 3), F(b.HidratacaoModelo / 1e6, 3), F(b.Conveccao / 1e6, 3),
                        F(b.Armazenado() / 1e6, 3), F(b.Junta / 1e6, 3), F(b.ResiduoPercentual(), 4) + " %"});
        }
    }
    s += "\nNa clássica o nó da junta passa à temperatura de lançamento da camada nova e o calor que o "
         "concreto de baixo tinha ali se perde a cada concretagem (coluna \"Na junta\"); a perda diminui "
         "ao refinar a malha. Na consistente o nó da junta recebe a média das temperaturas pesada pelas "
         "capacidades e o resíduo é o do arredondamento. A clássica toma a taxa da curva no início de cada "
         "passo e libera um pouco mais que o modelo; isso também entra no resíduo.\n\n"
         "O bloco adiabático do caso 4 com o calor pela maturidade, a 35 °C, 24 h: o calor que os passos "
         "liberaram contra o que o modelo libera nas idades das temperaturas calculadas (MJ/m³).\n\n";
    std::vector<std::string> cab2{"Formulação", "Passo", "Liberado nos passos", "Do modelo", "Resíduo"};
    s += Linha(cab2) + Separador(cab2.size());
    for (TFormulacao f : Formulacoes) {
        for (int passo : {1, 4}) {
            const TBalancoEnergia b = BalancoMaturidade(f, passo);
            s += Linha({Nome(f), I(passo) + " h", F(b.Hidratacao / 1e6, 3), F(b.HidratacaoModelo / 1e6, 3),
                        F(b.ResiduoPercentual(), 4) + " %"});
        }
    }
    s += "\nNa clássica a idade de cada passo cresce com o fator de Arrhenius da temperatura do início do passo "
         "e fica atrás da que as temperaturas dão: o calor que falta aparece no resíduo. Na consistente a idade "
         "é a da temperatura média do passo e o resíduo é o da tolerância da iteração.\n";
    return s;
}

}  // namespace

std::string Documento() {
    std::string s =
        "# Verificação da análise térmica\n\n"
        "Casos com resposta conhecida de antemão, calculados pelo Norvik 1D nas duas formulações térmicas "
        "(clássica, a padrão, e consistente; veja docs/modelos.md) em várias malhas, lado a lado com o valor de "
        "referência. Os valores do programa são os da tabela de temperaturas, com as duas casas decimais que "
        "ela imprime, salvo onde se diz outra coisa.\n\n"
        "Esta página é gerada pelo programa `gera_verificacao` (`build/gera_verificacao docs/verificacao.md`) "
        "e não deve ser editada à mão: um teste confere que ela é igual ao que o programa gera, e os mesmos "
        "casos são testes com tolerâncias (tests/verificacao/).\n\n";
    s += SecaoPlaca();
    s += SecaoPermanente();
    s += SecaoFria();
    s += SecaoAdiabatico();
    s += SecaoBalanco();
    return s;
}

}  // namespace CasosAnaliticos
