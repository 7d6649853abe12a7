#include "estudos/Estudo.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <sstream>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/LeituraJson.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/NumeroJson.h"
#include "core/Projeto.h"
#include "core/Validacao.h"
#include "mistura/Cimentos.h"
#include "mistura/Hidratacao.h"
#include "obra/Protecoes.h"
#include "stress/IndiceFissuracao.h"
#include "obra/DadosObra.h"
#include "obra/Laterais.h"
#include "serpentinas/DadosSerpentinas.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* Formato = "norvik-1d/estudo";
constexpr int Versao = 1;

std::size_t Z(int i) { return static_cast<std::size_t>(i); }

// With "Fundação" layer 1 is the soil: the lifts start at 2.
int PrimeiraCamada(const TDadosModelo& d) { return Membro::PrimeiraCamadaDeConcreto(d); }

int UltimaCamada(const TDadosModelo& d) { return Membro::CamadasDoMembro(d); }

int UltimaHora(const TDadosModelo& d) {
    const int L = UltimaCamada(d);
    return L >= 1 ? d.Camadas[Z(L)].HoraConcretagem : 0;
}

std::string Num(double v) { return Numeros::FormataGeral(v); }

// The lifts rebuilt for the total height: as many as the height gives, each a copy of
// the first lift (material, heat, curing), placed at the base's interval.
void AplicaAltura(TDadosModelo& d, double altura, const TEstudo& e) {
    if (!(e.AlturaTotal > 0.0)) {
        throw ErroEntrada("a altura da camada só varia com \"AlturaTotal\" (m) maior que zero no estudo");
    }
    const double razao = e.AlturaTotal / altura;
    const long long n = std::llround(razao);
    if (n < 1 || std::fabs(razao - static_cast<double>(n)) > 1e-9 * razao) {
        throw ErroEntrada("a altura total de " + Num(e.AlturaTotal) + " m não se divide em camadas de " + Num(altura) +
                          " m");
    }
    const int p = PrimeiraCamada(d);
    if (n + p - 1 > MaxCamadas) {
        throw ErroEntrada("camadas de " + Num(altura) + " m dão " + Numeros::FormataInteiro(n + p - 1) +
                          " camadas, acima do máximo de " + Numeros::FormataInteiro(MaxCamadas));
    }
    const int ultima = p - 1 + static_cast<int>(n);
    const int intervalo = UltimaCamada(d) > p ? d.Camadas[Z(p + 1)].HoraConcretagem - d.Camadas[Z(p)].HoraConcretagem : 0;
    const TCamada camada = d.Camadas[Z(p)];
    const TTrocaCalor cura = d.Superficie[Z(p)];
    const double espessura = e.AlturaTotal / static_cast<double>(n);
    for (int L = p + 1; L <= ultima; ++L) {
        const int k = L - p;
        TCamada& c = d.Camadas[Z(L)];
        c = camada;
        c.Espessura = espessura;
        c.XIni = camada.XIni + k * espessura;
        c.HoraConcretagem = camada.HoraConcretagem + k * intervalo;
        d.CalorCamadas[Z(L)] = d.CalorCamadas[Z(p)];
        // Record 1 also holds the day/night coefficients of the top face, which the
        // other records leave at zero.
        TTrocaCalor s = cura;
        s.HDia = s.HNoite = s.HoraIniDia = s.HoraIniNoite = 0.0;
        d.Superficie[Z(L)] = s;
    }
    d.Camadas[Z(p)].Espessura = espessura;
    for (int L = ultima + 1; L <= MaxCamadas; ++L) {
        d.Camadas[Z(L)] = TCamada{};
        d.CalorCamadas[Z(L)] = TCalorInterno{};
        if (L > 1) d.Superficie[Z(L)] = TTrocaCalor{};
    }
    // The blankets of the first lift's top face are part of its curing: every lift gets
    // them, at the same hours after its own placement; lifts past the end have none.
    auto& protecoes = ObraEditavel(d).ProtecoesTopo;
    if (Z(p) < protecoes.size() && !protecoes[Z(p)].empty()) {
        protecoes.resize(Z(ultima) + 1);
        for (int L = p + 1; L <= ultima; ++L) protecoes[Z(L)] = protecoes[Z(p)];
    } else if (protecoes.size() > Z(ultima) + 1) {
        protecoes.resize(Z(ultima) + 1);
    }
    // Likewise the cooling pipes of the first lift, at the same share of each lift's height.
    if (SerpentinasDe(d).EmUso()) {
        auto& serp = SerpentinasEditavel(d).Camadas;
        if (Z(p) < serp.size() && !serp[Z(p)].Alturas.empty()) {
            TSerpentinasCamada c = serp[Z(p)];
            for (double& z : c.Alturas) z *= espessura / camada.Espessura;
            serp.resize(Z(ultima) + 1);
            for (int L = p; L <= ultima; ++L) serp[Z(L)] = c;
        } else if (serp.size() > Z(ultima) + 1) {
            serp.resize(Z(ultima) + 1);
        }
    }
    // So are the forms of its sides.
    auto& laterais = ObraEditavel(d).ProtecoesLaterais;
    if (Z(p) < laterais.size() && !laterais[Z(p)].empty()) {
        laterais.resize(Z(ultima) + 1);
        for (int L = p + 1; L <= ultima; ++L) laterais[Z(L)] = laterais[Z(p)];
    } else if (laterais.size() > Z(ultima) + 1) {
        laterais.resize(Z(ultima) + 1);
    }
    // The mix, the autogenous shrinkage and the aggregate of the first lift go with it.
    const auto copiaDaPrimeira = [&](auto& porCamada) {
        const auto primeira = porCamada.find(p);
        for (auto i = porCamada.upper_bound(p); i != porCamada.end();) i = porCamada.erase(i);
        if (primeira == porCamada.end()) return;
        for (int L = p + 1; L <= ultima; ++L) porCamada[L] = primeira->second;
    };
    copiaDaPrimeira(d.Dosagens);
    copiaDaPrimeira(d.RetracaoAutogena);
    copiaDaPrimeira(d.Agregados);
    d.NCamadas = ultima;
    d.NCamadasMembro = ultima;
}

void AplicaIntervalo(TDadosModelo& d, double intervalo, const TEstudo&) {
    const int p = PrimeiraCamada(d);
    const int h = d.Camadas[Z(p)].HoraConcretagem;
    for (int L = p + 1; L <= UltimaCamada(d); ++L) {
        const double hora = h + (L - p) * intervalo;
        if (hora > std::numeric_limits<std::int32_t>::max()) {
            throw ErroEntrada("o lançamento da camada " + Numeros::FormataInteiro(L) + " passa do relógio da análise");
        }
        d.Camadas[Z(L)].HoraConcretagem = static_cast<std::int32_t>(hora);
    }
}

void AplicaTemperatura(TDadosModelo& d, double t, const TEstudo&) {
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L) d.Camadas[Z(L)].TInicial = t;
}

// The ice replaces as much mixing water in the mix the project keeps, and the lifts it
// was applied to take the placing temperature it gives.
void AplicaGelo(TDadosModelo& d, double gelo, const TEstudo&) {
    const TDadosObra& obra = ObraDe(d);
    if (!obra.MisturaLancamento) {
        throw ErroEntrada("o teor de gelo só varia quando o projeto base guarda a mistura de lançamento (Temperatura "
                          "de Lançamento pela Mistura, Aplicar)");
    }
    const double t = TemperaturaMistura::Temperatura(TemperaturaMistura::ComGelo(*obra.MisturaLancamento, gelo));
    for (int L : obra.CamadasMistura)
        if (L >= PrimeiraCamada(d) && L <= UltimaCamada(d)) d.Camadas[Z(L)].TInicial = t;
}

// Every concrete lift's heat multiplied by `s`: the constant rate, the hourly table, or
// the curve's heat per gram of cement (both curves are proportional to it).
void AplicaEscalaCalor(TDadosModelo& d, double s, const TEstudo&) {
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L) {
        TCalorInterno& c = d.CalorCamadas[Z(L)];
        if (c.Constante) {
            c.F *= s;
        } else if (d.CalorDiscreto) {
            for (std::size_t h = 1; h < c.Tabela.Guardadas(); ++h) c.Tabela[h] *= s;
        } else {
            c.E *= s;
        }
    }
}

void AplicaConsumo(TDadosModelo& d, double c, const TEstudo&) {
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L) {
        TCalorInterno& calor = d.CalorCamadas[Z(L)];
        if (d.CalorDiscreto || calor.Constante) {
            throw ErroEntrada("o consumo de cimento só varia quando o calor das camadas segue a curva de hidratação "
                              "(a camada " + Numeros::FormataInteiro(L) + " não segue)");
        }
        calor.C = c;
    }
}

void AplicaElementos(TDadosModelo& d, double n, const TEstudo&) { d.NElemCamada = static_cast<std::int32_t>(n); }

// The protection of a lift's top face that comes off last (of two at the same hour, the
// later in the list): the one whose removal the schedule decides. -1 when none.
int UltimaRetirada(const std::vector<TProtecao>& lista) { return Protecoes::UltimaARetirar(lista); }

bool TemProtecaoNoTopo(const TDadosModelo& d) {
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d) && Z(L) < ObraDe(d).ProtecoesTopo.size(); ++L)
        if (!ObraDe(d).ProtecoesTopo[Z(L)].empty()) return true;
    return false;
}

// Every lift with a protection on its top face takes off the one that comes off last
// at `hora` after its own placement; lifts without protections stay bare.
void AplicaRetirada(TDadosModelo& d, double hora, const TEstudo&) {
    if (!TemProtecaoNoTopo(d)) {
        throw ErroEntrada("a hora de retirada da proteção só varia quando o projeto base tem proteções no topo "
                          "das camadas (Proteções das faces)");
    }
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d) && Z(L) < ObraDe(d).ProtecoesTopo.size(); ++L) {
        auto& lista = ObraEditavel(d).ProtecoesTopo[Z(L)];
        const int i = UltimaRetirada(lista);
        if (i < 0) continue;
        TProtecao& p = lista[Z(i)];
        if (hora < p.HoraColocacao) {
            throw ErroEntrada("a proteção \"" + p.Nome + "\" da camada " + Numeros::FormataInteiro(L) +
                              " é colocada " + Num(p.HoraColocacao) + " h após o lançamento; não pode ser retirada " +
                              Num(hora) + " h após ele");
        }
        p.HoraRetirada = hora;
    }
}

// The lifts with cooling pipes; the base must have some.
template <class F>
void ComSerpentinas(TDadosModelo& d, const char* parametro, F f) {
    if (!SerpentinasDe(d).EmUso())
        throw ErroEntrada(std::string(parametro) + " só varia quando o projeto base tem serpentinas de resfriamento");
    for (auto& c : SerpentinasEditavel(d).Camadas)
        if (!c.Alturas.empty()) f(c);
}

void AplicaAgua(TDadosModelo& d, double t, const TEstudo&) {
    ComSerpentinas(d, "a temperatura de entrada da água", [&](TSerpentinasCamada& c) {
        c.TEntrada = t;
        c.EntradaDaSerie = false;
    });
}

void AplicaEspacamento(TDadosModelo& d, double s, const TEstudo&) {
    ComSerpentinas(d, "o espaçamento das serpentinas", [&](TSerpentinasCamada& c) { c.Espacamento = s; });
}

// 0: the case without the pipes of the base; 1: with them.
void AplicaLigadas(TDadosModelo& d, double ligadas, const TEstudo&) {
    ComSerpentinas(d, "o uso das serpentinas", [](TSerpentinasCamada&) {});
    if (ligadas == 0.0) d.Resfriamento.Define(nullptr);
}

bool TemFormaLateral(const TDadosModelo& d) {
    if (!Laterais::Finita(ObraDe(d))) return false;
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L)
        if (const auto* lista = Laterais::Do(ObraDe(d), L); lista && !lista->empty()) return true;
    return false;
}

// Every lift with a protection on its sides takes off the one that comes off last at
// `hora` after its own placement; lifts without side protections stay bare.
void AplicaRetiradaLateral(TDadosModelo& d, double hora, const TEstudo&) {
    if (!TemFormaLateral(d)) {
        throw ErroEntrada("a hora de retirada da fôrma lateral só varia quando o projeto base é um bloco de dimensões "
                          "finitas com proteções nas laterais (Dimensões em Planta)");
    }
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L) {
        const auto* lida = Laterais::Do(ObraDe(d), L);
        if (!lida || lida->empty()) continue;
        auto& lista = Laterais::Do(ObraEditavel(d), L);
        TProtecao& p = lista[Z(UltimaRetirada(lista))];
        if (hora < p.HoraColocacao) {
            throw ErroEntrada("a proteção lateral \"" + p.Nome + "\" da camada " + Numeros::FormataInteiro(L) +
                              " é colocada " + Num(p.HoraColocacao) + " h após o lançamento; não pode ser retirada " +
                              Num(hora) + " h após ele");
        }
        p.HoraRetirada = hora;
    }
}

// The layers of the member with a mix take the changed mix and the heat parameters
// computed from it; the base must have one.
void ComDosagens(TDadosModelo& d, const char* parametro, const std::function<void(TDosagem&)>& muda) {
    if (Hidratacao::Recalcula(d, PrimeiraCamada(d), UltimaCamada(d), muda) == 0) {
        throw ErroEntrada(std::string(parametro) +
                          " só varia quando alguma camada do membro tem dosagem (Dosagem... do calor pela maturidade)");
    }
}

// 1 = the first of the typical cements, in the order of the dosage dialog.
void AplicaTipoCimento(TDadosModelo& d, double indice, const TEstudo&) {
    const TCimento& c = Cimentos::Tipicos()[static_cast<std::size_t>(indice) - 1].Cimento;
    ComDosagens(d, "o tipo de cimento", [&](TDosagem& m) { m.Cimento = c; });
}

void AplicaAglomerante(TDadosModelo& d, double kg, const TEstudo&) {
    ComDosagens(d, "o consumo de aglomerante", [&](TDosagem& m) { m.Aglomerante = kg; });
}

void AplicaAguaAglomerante(TDadosModelo& d, double ac, const TEstudo&) {
    ComDosagens(d, "a relação água/aglomerante", [&](TDosagem& m) { m.AguaAglomerante = ac; });
}

void AplicaEscoria(TDadosModelo& d, double pct, const TEstudo&) {
    ComDosagens(d, "a escória", [&](TDosagem& m) { m.Escoria = pct; });
}

void AplicaPozolana(TDadosModelo& d, double pct, const TEstudo&) {
    ComDosagens(d, "a pozolana", [&](TDosagem& m) { m.Pozolana = pct; });
}

// The protection of every lift's top face that comes off last takes this R.
void AplicaResistenciaTopo(TDadosModelo& d, double r, const TEstudo&) {
    if (!TemProtecaoNoTopo(d)) {
        throw ErroEntrada("a resistência da proteção do topo só varia quando o projeto base tem proteções no topo "
                          "das camadas (Proteções das faces)");
    }
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d) && Z(L) < ObraDe(d).ProtecoesTopo.size(); ++L) {
        auto& lista = ObraEditavel(d).ProtecoesTopo[Z(L)];
        if (const int i = UltimaRetirada(lista); i >= 0) lista[Z(i)].R = r;
    }
}

void AplicaVazao(TDadosModelo& d, double q, const TEstudo&) {
    ComSerpentinas(d, "a vazão da água das serpentinas", [&](TSerpentinasCamada& c) { c.Vazao = q; });
}

// ---- The values as the problem has them. ----

double LeAltura(const TDadosModelo& d) { return d.Camadas[Z(PrimeiraCamada(d))].Espessura; }

double LeIntervalo(const TDadosModelo& d) {
    const int p = PrimeiraCamada(d);
    return UltimaCamada(d) > p ? d.Camadas[Z(p + 1)].HoraConcretagem - d.Camadas[Z(p)].HoraConcretagem : 0.0;
}

double LeTemperatura(const TDadosModelo& d) { return d.Camadas[Z(PrimeiraCamada(d))].TInicial; }
double LeConsumo(const TDadosModelo& d) { return d.CalorCamadas[Z(PrimeiraCamada(d))].C; }
double LeElementos(const TDadosModelo& d) { return d.NElemCamada; }
// A scale of the problem as it stands: 1 leaves it as it is.
double LeEscala(const TDadosModelo&) { return 1.0; }

// The protection whose removal the schedule decides, of the first lift that has one.
const TProtecao* PrimeiraDoTopo(const TDadosModelo& d) {
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d) && Z(L) < ObraDe(d).ProtecoesTopo.size(); ++L) {
        const auto& lista = ObraDe(d).ProtecoesTopo[Z(L)];
        if (const int i = UltimaRetirada(lista); i >= 0) return &lista[Z(i)];
    }
    return nullptr;
}

double LeRetirada(const TDadosModelo& d) {
    const TProtecao* p = PrimeiraDoTopo(d);
    return p ? p->HoraRetirada : 0.0;
}

double LeResistenciaTopo(const TDadosModelo& d) {
    const TProtecao* p = PrimeiraDoTopo(d);
    return p ? p->R : 0.0;
}

double LeRetiradaLateral(const TDadosModelo& d) {
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L)
        if (const auto* lista = Laterais::Do(ObraDe(d), L); lista && !lista->empty())
            return (*lista)[Z(UltimaRetirada(*lista))].HoraRetirada;
    return 0.0;
}

const TSerpentinasCamada* PrimeiraSerpentina(const TDadosModelo& d) {
    for (const auto& c : SerpentinasDe(d).Camadas)
        if (!c.Alturas.empty()) return &c;
    return nullptr;
}

double LeAgua(const TDadosModelo& d) {
    const auto* c = PrimeiraSerpentina(d);
    return c ? c->TEntrada : 0.0;
}

double LeEspacamento(const TDadosModelo& d) {
    const auto* c = PrimeiraSerpentina(d);
    return c ? c->Espacamento : 0.0;
}

double LeVazao(const TDadosModelo& d) {
    const auto* c = PrimeiraSerpentina(d);
    return c ? c->Vazao : 0.0;
}

double LeLigadas(const TDadosModelo& d) { return SerpentinasDe(d).EmUso() ? 1.0 : 0.0; }

// ---- What a problem must have for a parameter to change anything. ----

bool TemSerpentinas(const TDadosModelo& d) { return SerpentinasDe(d).EmUso(); }

bool SegueCurvaDeHidratacao(const TDadosModelo& d) {
    if (d.CalorDiscreto || UltimaCamada(d) < PrimeiraCamada(d)) return false;
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L)
        if (d.CalorCamadas[Z(L)].Constante) return false;
    return true;
}

bool TemConcreto(const TDadosModelo& d) { return UltimaCamada(d) >= PrimeiraCamada(d); }

constexpr double SemMaximo = 1e300;

// The mix of the first concrete lift that has one (nullptr: none).
const TDosagem* PrimeiraDosagem(const TDadosModelo& d) {
    for (const auto& [camada, dosagem] : d.Dosagens)
        if (camada >= PrimeiraCamada(d) && camada <= UltimaCamada(d)) return &dosagem;
    return nullptr;
}

bool TemDosagem(const TDadosModelo& d) { return PrimeiraDosagem(d) != nullptr; }

// The number of the typical cement the mix has (0: none of them).
double LeTipoCimento(const TDadosModelo& d) {
    const TDosagem* m = PrimeiraDosagem(d);
    const auto& tipicos = Cimentos::Tipicos();
    for (std::size_t i = 0; m && i < tipicos.size(); ++i)
        if (tipicos[i].Cimento == m->Cimento) return static_cast<double>(i + 1);
    return 0.0;
}

template <double TDosagem::*Campo>
double LeDaDosagem(const TDadosModelo& d) {
    const TDosagem* m = PrimeiraDosagem(d);
    return m ? m->*Campo : 0.0;
}

const std::vector<TParametroEstudo> Tabela = {
    {"AlturaCamada", "Altura da camada", "m", false, 0.0, true, AplicaAltura, SemMaximo, LeAltura, TemConcreto},
    {"IntervaloLancamento", "Intervalo entre lançamentos", "h", true, 0.0, false, AplicaIntervalo, SemMaximo,
     LeIntervalo, TemConcreto},
    {"TemperaturaLancamento", "Temperatura de lançamento", "°C", false, Validacao::TMinima, false, AplicaTemperatura,
     Validacao::TMaxima, LeTemperatura, TemConcreto},
    {"TeorGelo", "Teor de gelo", "kg/m³", false, 0.0, false, AplicaGelo},
    {"ConsumoCimento", "Consumo de cimento", "kg/m³", false, 0.0, false, AplicaConsumo, SemMaximo, LeConsumo,
     SegueCurvaDeHidratacao},
    {"EscalaCalor", "Escala do calor de hidratação", "-", false, 0.0, false, AplicaEscalaCalor, SemMaximo, LeEscala},
    {"ElementosCamada", "Elementos por camada", "-", true, 1.0, false, AplicaElementos, SemMaximo, LeElementos},
    {"HoraRetiradaProtecao", "Retirada da proteção do topo", "h", false, 0.0, false, AplicaRetirada, SemMaximo,
     LeRetirada, TemProtecaoNoTopo},
    {"HoraRetiradaFormaLateral", "Retirada da fôrma lateral", "h", false, 0.0, false, AplicaRetiradaLateral,
     SemMaximo, LeRetiradaLateral, TemFormaLateral},
    {"TemperaturaAguaSerpentinas", "Temperatura da água das serpentinas", "°C", false, Validacao::TMinima, false,
     AplicaAgua, Validacao::TMaxima, LeAgua, TemSerpentinas},
    {"EspacamentoSerpentinas", "Espaçamento das serpentinas", "m", false, 0.0, true, AplicaEspacamento, SemMaximo,
     LeEspacamento, TemSerpentinas},
    {"SerpentinasLigadas", "Serpentinas (0 sem, 1 com)", "-", true, 0.0, false, AplicaLigadas, 1.0, LeLigadas,
     TemSerpentinas},
    {"ResistenciaProtecaoTopo", "Resistência da proteção do topo", "m²·°C/W", false, 0.0, false,
     AplicaResistenciaTopo, SemMaximo, LeResistenciaTopo, TemProtecaoNoTopo},
    {"VazaoAguaSerpentinas", "Vazão da água das serpentinas", "L/min", false, 0.0, true, AplicaVazao, SemMaximo,
     LeVazao, TemSerpentinas},
    {"TipoCimento", "Tipo de cimento", "nº do típico", true, 1.0, false, AplicaTipoCimento,
     static_cast<double>(Cimentos::Tipicos().size()), LeTipoCimento, TemDosagem},
    {"ConsumoAglomerante", "Consumo de aglomerante", "kg/m³", false, 0.0, true, AplicaAglomerante, SemMaximo,
     LeDaDosagem<&TDosagem::Aglomerante>, TemDosagem},
    {"RelacaoAguaAglomerante", "Relação água/aglomerante", "-", false, 0.0, true, AplicaAguaAglomerante, SemMaximo,
     LeDaDosagem<&TDosagem::AguaAglomerante>, TemDosagem},
    {"EscoriaAglomerante", "Escória no aglomerante", "%", false, 0.0, false, AplicaEscoria, 100.0,
     LeDaDosagem<&TDosagem::Escoria>, TemDosagem},
    {"PozolanaAglomerante", "Pozolana no aglomerante", "%", false, 0.0, false, AplicaPozolana, 100.0,
     LeDaDosagem<&TDosagem::Pozolana>, TemDosagem},
};

constexpr const char* PrefixoRecusa = "Estudo inválido: ";
[[noreturn]] void Recusa(const std::string& m) { throw ErroEntrada(PrefixoRecusa + m); }

double LeNumero(const Json& j, const std::string& chave) {
    if (!j.is_number()) Recusa("a chave \"" + chave + "\" deve ser um número");
    const double v = j.get<double>();
    if (!std::isfinite(v)) Recusa("a chave \"" + chave + "\" deve ser um número finito");
    return v;
}

// The JSON number as written: whole values without ".0"; + 0.0 writes a negative zero as 0.
Json Numero(double v) { return NumeroJson(v + 0.0); }

void ValidaValor(const TParametroEstudo& p, double v, const std::string& onde) {
    if (!std::isfinite(v)) Recusa(onde + " não é um número finito");
    if (p.Inteiro && v != std::trunc(v)) Recusa(onde + " vale " + Num(v) + "; deve ser um número inteiro");
    if (p.MinimoExclusivo ? !(v > p.Minimo) : !(v >= p.Minimo)) {
        Recusa(onde + " vale " + Num(v) + "; deve ser " + (p.MinimoExclusivo ? "maior que " : "no mínimo ") +
               Num(p.Minimo));
    }
    if (v > p.Maximo) Recusa(onde + " vale " + Num(v) + "; deve ser no máximo " + Num(p.Maximo));
    if (p.Inteiro && v > static_cast<double>(MaxNos)) {
        if (p.Chave == "ElementosCamada") Recusa(onde + " vale " + Num(v) + "; deve ser no máximo " + Num(MaxNos - 1));
        if (v > 1e6) Recusa(onde + " vale " + Num(v) + ", fora do alcance");
    }
}

}  // namespace

std::string TParametroEstudo::Cabecalho() const {
    return std::string(Nome) + " (" + std::string(Unidade) + ")";
}

namespace Estudo {

const std::vector<TParametroEstudo>& Parametros() { return Tabela; }

int IndiceParametro(std::string_view chave) {
    for (std::size_t i = 0; i < Tabela.size(); ++i) {
        if (Tabela[i].Chave == chave) return static_cast<int>(i);
    }
    return -1;
}

void Valida(const TEstudo& e) {
    if (!e.Base) Recusa("falta o projeto base");
    if (e.Variacoes.empty()) Recusa("nenhum parâmetro a variar");
    std::set<int> vistos;
    for (const auto& v : e.Variacoes) {
        if (v.Parametro < 0 || v.Parametro >= static_cast<int>(Tabela.size())) Recusa("parâmetro desconhecido");
        const auto& p = Tabela[Z(v.Parametro)];
        if (!vistos.insert(v.Parametro).second) Recusa("o parâmetro \"" + std::string(p.Chave) + "\" aparece duas vezes");
        if (v.Valores.empty()) Recusa("a lista de \"" + std::string(p.Chave) + "\" está vazia");
        for (std::size_t i = 0; i < v.Valores.size(); ++i) {
            std::string onde(p.Chave);
            onde.append("[").append(std::to_string(i)).append("]");
            ValidaValor(p, v.Valores[i], onde);
        }
    }
    if (UltimaCamada(*e.Base) < PrimeiraCamada(*e.Base)) Recusa("o projeto base não tem camadas de concreto");
    for (const auto& v : e.Variacoes)
        if (Tabela[Z(v.Parametro)].Aplica == AplicaAltura && !(e.AlturaTotal > 0.0))
            Recusa("\"AlturaCamada\" só varia com \"AlturaTotal\", a altura de concreto (m) que as camadas dividem; "
                   "o estudo não a dá");
    // The base passes the check every run makes: every case would fail for it.
    if (const auto v = Validacao::ValidaProblema(*e.Base); !v.Valido()) Recusa("o projeto base: " + v.Erros.front());
    for (const auto& v : e.Variacoes)
        if (Tabela[Z(v.Parametro)].Aplica == AplicaRetirada && !TemProtecaoNoTopo(*e.Base))
            Recusa("\"HoraRetiradaProtecao\" precisa de um projeto base com proteções no topo das camadas; "
                   "o projeto não tem nenhuma");
    for (const auto& v : e.Variacoes)
        if (Tabela[Z(v.Parametro)].Aplica == AplicaResistenciaTopo && !TemProtecaoNoTopo(*e.Base))
            Recusa("\"ResistenciaProtecaoTopo\" precisa de um projeto base com proteções no topo das camadas; "
                   "o projeto não tem nenhuma");
    for (const auto& v : e.Variacoes)
        if (Tabela[Z(v.Parametro)].Aplica == AplicaRetiradaLateral && !TemFormaLateral(*e.Base))
            Recusa("\"HoraRetiradaFormaLateral\" precisa de um projeto base com dimensões finitas em planta e "
                   "proteções nas laterais; o projeto não tem nenhuma");
    for (const auto& v : e.Variacoes)
        if (Tabela[Z(v.Parametro)].Aplica == AplicaGelo && !ObraDe(*e.Base).MisturaLancamento)
            Recusa("\"TeorGelo\" precisa de um projeto base que guarde a mistura de lançamento (Temperatura de "
                   "Lançamento pela Mistura, Aplicar); o projeto não guarda nenhuma");
    if (e.Sorteados < 0) Recusa("o número de casos sorteados não pode ser negativo");
    if (Combinacoes(e) > MaxCasos && (e.Sorteados == 0 || e.Sorteados > MaxCasos)) {
        Recusa("o estudo tem mais de " + Numeros::FormataInteiro(MaxCasos) +
               " combinações; sorteie no máximo esse número de casos");
    }
    for (double lim : {e.LimiteTemperatura, e.LimiteDiferenca, e.LimiteIndice}) {
        if (!std::isfinite(lim)) Recusa("os limites devem ser números finitos");
    }
}

long long Combinacoes(const TEstudo& e) {
    long long n = 1;
    constexpr long long Teto = std::numeric_limits<long long>::max() / 2;
    for (const auto& v : e.Variacoes) {
        const auto m = static_cast<long long>(v.Valores.size());
        if (m == 0) return 0;
        n = n > Teto / m ? Teto : n * m;
    }
    return n;
}

std::vector<std::vector<double>> Casos(const TEstudo& e) {
    Valida(e);
    const long long total = Combinacoes(e);
    std::vector<long long> indices;
    if (e.Sorteados == 0 || e.Sorteados >= total) {
        indices.resize(static_cast<std::size_t>(total));
        for (long long i = 0; i < total; ++i) indices[static_cast<std::size_t>(i)] = i;
    } else {
        // Floyd's choice of k distinct combinations; the generator's output is fixed
        // by the standard, and the reduction below is ours, so a seed gives the same
        // cases on every machine.
        std::mt19937_64 gerador(e.Semente);
        std::set<long long> escolhidos;
        for (long long j = total - e.Sorteados; j < total; ++j) {
            const auto limite = static_cast<std::uint64_t>(j + 1);
            const long long t = static_cast<long long>(gerador() % limite);
            if (!escolhidos.insert(t).second) escolhidos.insert(j);
        }
        indices.assign(escolhidos.begin(), escolhidos.end());
    }
    std::vector<std::vector<double>> casos;
    casos.reserve(indices.size());
    for (long long indice : indices) {
        std::vector<double> valores(e.Variacoes.size());
        for (std::size_t k = e.Variacoes.size(); k-- > 0;) {
            const auto m = static_cast<long long>(e.Variacoes[k].Valores.size());
            valores[k] = e.Variacoes[k].Valores[static_cast<std::size_t>(indice % m)];
            indice /= m;
        }
        casos.push_back(std::move(valores));
    }
    return casos;
}

std::unique_ptr<TDadosModelo> MontaCaso(const TEstudo& e, const std::vector<double>& valores) {
    auto d = std::make_unique<TDadosModelo>();
    MontaCaso(e, valores, *d);
    return d;
}

void MontaCaso(const TEstudo& e, const std::vector<double>& valores, TDadosModelo& caso) {
    caso = *e.Base;
    AplicaValores(e, valores, caso);
}

void AplicaValores(const TEstudo& e, const std::vector<double>& valores, TDadosModelo& caso) {
    TDadosModelo* d = &caso;
    const int ultimaBase = UltimaHora(*d);
    // In the order of the table, whatever the order of the study.
    for (std::size_t p = 0; p < Tabela.size(); ++p) {
        for (std::size_t k = 0; k < e.Variacoes.size() && k < valores.size(); ++k) {
            if (e.Variacoes[k].Parametro == static_cast<int>(p)) Tabela[p].Aplica(*d, valores[k], e);
        }
    }
    // The analysis keeps the base's hours after the last placement.
    d->TempoTotal += UltimaHora(*d) - ultimaBase;
    const long long nos = Membro::NumeroNos(*d);
    if (nos > MaxNos) {
        throw ErroEntrada("o caso tem " + Numeros::FormataInteiro(nos) + " nós, acima do máximo de " +
                          Numeros::FormataInteiro(MaxNos));
    }
    // The analysis lasts from the first placement to TempoTotal.
    const double duracao = d->TempoTotal - d->Camadas[1].HoraConcretagem;
    if (duracao > MaxHoras) {
        throw ErroEntrada("o caso dura " + Num(duracao) + " horas (da hora " +
                          Numeros::FormataInteiro(d->Camadas[1].HoraConcretagem) + " à hora " + Num(d->TempoTotal) +
                          "), acima do máximo de " + Numeros::FormataInteiro(MaxHoras));
    }
}

double AlturaDeConcreto(const TDadosModelo& d) {
    double h = 0.0;
    for (int L = PrimeiraCamada(d); L <= UltimaCamada(d); ++L) h += d.Camadas[Z(L)].Espessura;
    return h;
}

bool Uniforme(const TDadosModelo& d) {
    const int p = PrimeiraCamada(d);
    const int ultima = UltimaCamada(d);
    if (ultima < p) return false;
    const double espessura = d.Camadas[Z(p)].Espessura;
    for (int L = p + 1; L <= ultima; ++L)
        if (d.Camadas[Z(L)].Espessura != espessura) return false;
    // The member rebuilt from its first lift at its own height and interval must be the
    // member itself. Only the coordinates may differ in their last digits (a sum against
    // a product): both sides are compared with the first lift's thickness and no coordinates.
    TEstudo e;
    e.AlturaTotal = espessura * static_cast<double>(ultima - p + 1);
    TDadosModelo refeito = d;
    try {
        AplicaAltura(refeito, espessura, e);
        AplicaIntervalo(refeito, LeIntervalo(d), e);
    } catch (const ErroEntrada&) {
        return false;
    }
    if (UltimaCamada(refeito) != ultima) return false;
    TDadosModelo original = d;
    for (TDadosModelo* m : {&original, &refeito}) {
        for (int L = p; L <= ultima; ++L) {
            m->Camadas[Z(L)].Espessura = espessura;
            m->Camadas[Z(L)].XIni = 0.0;
        }
    }
    try {
        return Projeto::Conteudo(original) == Projeto::Conteudo(refeito);
    } catch (const ErroEntrada&) {
        return false;  // a value that is not finite: nothing to rebuild from
    }
}

bool ComTensoes(const TDadosModelo& base) {
    return base.ModeloFluencia != TModeloFluencia::Nenhum &&
           TIndiceFissuracao::ResistenciasDefinidas(base, TCurvaTracao::Simples);
}

namespace {

// The keys of the file; every refusal names the line and column of the key read.
void LeChaves(const Json& j, TEstudo& e, bool& temFormato, std::vector<std::string>& lendo) {
    for (const auto& item : j.items()) {
        const std::string& chave = item.key();
        lendo.assign(1, chave);
        const Json& v = item.value();
        if (chave == "formato") {
            if (v != Formato) Recusa("\"formato\" deve ser \"" + std::string(Formato) + "\"");
            temFormato = true;
        } else if (chave == "versao") {
            if (v != Versao) Recusa("\"versao\" deve ser " + std::to_string(Versao));
        } else if (chave == "projeto") {
            if (!v.is_string() || v.get<std::string>().empty()) Recusa("\"projeto\" deve ser o caminho do projeto base");
            e.Projeto = v.get<std::string>();
        } else if (chave == "AlturaTotal") {
            e.AlturaTotal = LeNumero(v, chave);
        } else if (chave == "parametros") {
            if (!v.is_object()) Recusa("\"parametros\" deve ser um objeto { ... }");
            for (const auto& p : v.items()) {
                lendo.assign({chave, p.key()});
                const int indice = IndiceParametro(p.key());
                if (indice < 0) Recusa("parâmetro desconhecido \"" + p.key() + "\" em \"parametros\"");
                if (!p.value().is_array()) Recusa("\"" + p.key() + "\" deve ser uma lista de valores [ ... ]");
                TVariacao var;
                var.Parametro = indice;
                for (std::size_t i = 0; i < p.value().size(); ++i) {
                    const std::string onde = p.key() + "[" + std::to_string(i) + "]";
                    var.Valores.push_back(LeNumero(p.value()[i], onde));
                    ValidaValor(Tabela[Z(indice)], var.Valores.back(), onde);
                }
                e.Variacoes.push_back(std::move(var));
            }
        } else if (chave == "sorteio") {
            if (!v.is_object()) Recusa("\"sorteio\" deve ser um objeto { \"casos\": N, \"semente\": S }");
            for (const auto& s : v.items()) {
                lendo.assign({chave, s.key()});
                const double x = LeNumero(s.value(), "sorteio." + s.key());
                if (x != std::trunc(x) || x < 0 || x > 9e15) Recusa("\"sorteio." + s.key() + "\" deve ser um inteiro não negativo");
                if (s.key() == "casos") e.Sorteados = static_cast<long long>(x);
                else if (s.key() == "semente") e.Semente = static_cast<std::uint64_t>(x);
                else Recusa("chave desconhecida \"" + s.key() + "\" em \"sorteio\"");
            }
        } else if (chave == "limites") {
            if (!v.is_object()) Recusa("\"limites\" deve ser um objeto { ... }");
            for (const auto& s : v.items()) {
                lendo.assign({chave, s.key()});
                const double x = LeNumero(s.value(), "limites." + s.key());
                if (s.key() == "Temperatura") e.LimiteTemperatura = x;
                else if (s.key() == "Diferenca") e.LimiteDiferenca = x;
                else if (s.key() == "Indice") e.LimiteIndice = x;
                else Recusa("chave desconhecida \"" + s.key() + "\" em \"limites\"");
            }
        } else {
            Recusa("chave desconhecida \"" + chave + "\"");
        }
    }
}

}  // namespace

TEstudo LeTexto(const std::string& texto, const std::string& pasta, std::shared_ptr<const TDadosModelo> base) {
    TEstudo e;
    LeituraJson::LeArquivo(texto, PrefixoRecusa, Formato, [&](const Json& j, std::vector<std::string>& lendo) {
        bool temFormato = false;
        LeChaves(j, e, temFormato, lendo);
        return temFormato;
    });
    std::sort(e.Variacoes.begin(), e.Variacoes.end(),
              [](const TVariacao& a, const TVariacao& b) { return a.Parametro < b.Parametro; });
    e.Base = BaseDoEstudo(std::move(base), e.Projeto, pasta, "estudo", PrefixoRecusa);
    Valida(e);
    return e;
}

TEstudo Le(const std::string& caminho) {
    return LeTexto(TextoDoArquivo(caminho, "estudo"), std::filesystem::path(caminho).parent_path().string());
}

std::string TextoDoArquivo(const std::string& caminho, const std::string& oque) {
    std::ifstream f(caminho, std::ios::binary);
    if (!f) throw ErroEntrada("Não foi possível abrir o " + oque + " \"" + caminho + "\"");
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) throw ErroEntrada("Não foi possível ler o " + oque + " \"" + caminho + "\"");
    return s.str();
}

std::string CaminhoDoProjeto(const std::string& projeto, const std::string& pasta) {
    std::filesystem::path caminho(projeto);
    if (caminho.is_relative() && !pasta.empty()) caminho = std::filesystem::path(pasta) / caminho;
    return caminho.string();
}

std::shared_ptr<const TDadosModelo> ProjetoBase(const std::string& projeto, const std::string& pasta,
                                                const std::string& oque) {
    auto lido = std::make_shared<TDadosModelo>();
    try {
        Projeto::Le(CaminhoDoProjeto(projeto, pasta), *lido);
    } catch (const ErroEntrada& erro) {
        throw ErroEntrada("Projeto base do " + oque + ": " + std::string(erro.what()));
    }
    return lido;
}

std::shared_ptr<const TDadosModelo> BaseDoEstudo(std::shared_ptr<const TDadosModelo> base, const std::string& projeto,
                                                 const std::string& pasta, const std::string& oque,
                                                 const std::string& prefixo) {
    if (base) return base;
    if (projeto.empty()) throw ErroEntrada(prefixo + "falta \"projeto\", o arquivo do projeto base");
    return ProjetoBase(projeto, pasta, oque);
}

std::string Texto(const TEstudo& e) {
    Json j = Json::object();
    j["formato"] = Formato;
    j["versao"] = Versao;
    j["projeto"] = e.Projeto;
    if (e.AlturaTotal != 0.0) j["AlturaTotal"] = Numero(e.AlturaTotal);
    Json p = Json::object();
    for (const auto& v : e.Variacoes) {
        Json lista = Json::array();
        for (double x : v.Valores) lista.push_back(Numero(x));
        p[std::string(Tabela[Z(v.Parametro)].Chave)] = std::move(lista);
    }
    j["parametros"] = std::move(p);
    if (e.Sorteados > 0) {
        j["sorteio"] = Json::object();
        j["sorteio"]["casos"] = e.Sorteados;
        j["sorteio"]["semente"] = e.Semente;
    }
    j["limites"] = Json::object();
    j["limites"]["Temperatura"] = Numero(e.LimiteTemperatura);
    j["limites"]["Diferenca"] = Numero(e.LimiteDiferenca);
    j["limites"]["Indice"] = Numero(e.LimiteIndice);
    return j.dump(2) + "\n";
}

void Grava(const std::string& caminho, const TEstudo& e) {
    TArquivoAtomico::Grava(caminho, Texto(e), "Não foi possível salvar o estudo");
}

}  // namespace Estudo
