#include "incerteza/Incerteza.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/LeituraJson.h"
#include "core/Membro.h"
#include "core/NumeroJson.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/Validacao.h"
#include "core/ValoresSI.h"
#include "estudos/PlanilhaCsv.h"
#include "incerteza/Estatistica.h"
#include "obra/DadosObra.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* Formato = "norvik-1d/incerteza";
constexpr int Versao = 1;

std::size_t Z(int i) { return static_cast<std::size_t>(i); }
std::string Num(double v) { return Numeros::FormataGeral(v); }

int Primeira(const TDadosModelo& d) { return Membro::PrimeiraCamadaDeConcreto(d); }
int Ultima(const TDadosModelo& d) { return Membro::CamadasDoMembro(d); }

// The inputs the schedule study already varies keep its way of applying them.
void PeloEstudo(TDadosModelo& d, double v, const TEstudo& e, std::string_view chave) {
    Estudo::Parametros()[Z(Estudo::IndiceParametro(chave))].Aplica(d, v, e);
}
void AplicaTemperatura(TDadosModelo& d, double v, const TEstudo& e) { PeloEstudo(d, v, e, "TemperaturaLancamento"); }
void AplicaConsumo(TDadosModelo& d, double v, const TEstudo& e) { PeloEstudo(d, v, e, "ConsumoCimento"); }
void AplicaAglomerante(TDadosModelo& d, double v, const TEstudo& e) { PeloEstudo(d, v, e, "ConsumoAglomerante"); }
void AplicaResistenciaProtecao(TDadosModelo& d, double v, const TEstudo& e) {
    PeloEstudo(d, v, e, "ResistenciaProtecaoTopo");
}

// The air of the site shifted by `o`: the daily curve or constant, and the hourly
// series of a weather file (its dew point with it, the humidity kept).
void AplicaDesvioAmbiente(TDadosModelo& d, double o, const TEstudo&) {
    d.TAmbConst += o;
    d.TAmbMax += o;
    d.TAmbMin += o;
    if (ObraDe(d).ClimaArquivo) {
        auto& obra = ObraEditavel(d);
        for (double& t : obra.Temperatura) t += o;
        for (double& t : obra.PontoOrvalho) t += o;
    }
}

void AplicaEscalaCalor(TDadosModelo& d, double v, const TEstudo& e) { PeloEstudo(d, v, e, "EscalaCalor"); }

// The lifts whose heat follows the equivalent age; the base must have them all so.
template <class F>
void ComMaturidade(TDadosModelo& d, const char* entrada, F f) {
    for (int L = Primeira(d); L <= Ultima(d); ++L) {
        TCalorInterno& c = d.CalorCamadas[Z(L)];
        if (!c.Maturidade || c.Constante || d.CalorDiscreto)
            throw ErroEntrada(std::string(entrada) + " só varia quando o calor das camadas segue a curva de hidratação "
                              "pela maturidade (a camada " + Numeros::FormataInteiro(L) + " não segue)");
        f(c);
    }
}
void AplicaAlfaU(TDadosModelo& d, double v, const TEstudo&) {
    ComMaturidade(d, "o grau de hidratação final", [&](TCalorInterno& c) { c.AlfaU = v; });
}
void AplicaTau(TDadosModelo& d, double v, const TEstudo&) {
    ComMaturidade(d, "o tempo característico", [&](TCalorInterno& c) { c.Tau = v; });
}
void AplicaEa(TDadosModelo& d, double v, const TEstudo&) {
    ComMaturidade(d, "a energia de ativação", [&](TCalorInterno& c) { c.EnergiaAtivacao = v; });
}

// k and c are given in SI; a project in the usual units stores them in its own.
void AplicaCondutividade(TDadosModelo& d, double v, const TEstudo&) {
    const double k = d.UnidadesUsuais ? v / FatoresUsuais::Condutividade : v;
    for (int L = Primeira(d); L <= Ultima(d); ++L) d.Camadas[Z(L)].K = k;
}
void AplicaCalorEspecifico(TDadosModelo& d, double v, const TEstudo&) {
    const double c = d.UnidadesUsuais ? v / FatoresUsuais::CalorEspecifico : v;
    for (int L = Primeira(d); L <= Ultima(d); ++L) d.Camadas[Z(L)].CalorEsp = c;
}
void AplicaDilatacao(TDadosModelo& d, double v, const TEstudo&) {
    for (int L = Primeira(d); L <= Ultima(d); ++L) d.Camadas[Z(L)].Alfa = v * 1e-6;
}

// Every coefficient the top face can take, multiplied: constant, day and night, curing.
void AplicaEscalaTopo(TDadosModelo& d, double s, const TEstudo&) {
    const auto& obra = ObraDe(d);
    if (obra.ClimaArquivo && !obra.Vento.empty() && !d.CuraAtiva)
        throw ErroEntrada("o coeficiente do topo vem do vento do arquivo de clima; sua escala não varia");
    d.BetaSup *= s;
    d.Superficie[1].HDia *= s;
    d.Superficie[1].HNoite *= s;
    for (int L = Primeira(d); L <= Ultima(d); ++L) {
        d.Superficie[Z(L)].BetaS *= s;
        d.Superficie[Z(L)].BetaSC *= s;
    }
}

void ExigeTensoes(const TDadosModelo& d, const char* entrada) {
    if (!Estudo::ComTensoes(d))
        throw ErroEntrada(std::string(entrada) + " só varia quando o projeto base roda as tensões (modelo de fluência "
                          "e curva de tração simples)");
}

// S(z) = z/(a + b·z): dividing a and b by s multiplies the strength at every age by s.
void AplicaEscalaResistencia(TDadosModelo& d, double s, const TEstudo&) {
    ExigeTensoes(d, "a escala da resistência à tração");
    d.ResistTracaoA /= s;
    d.ResistTracaoB /= s;
}

void ChecaTensoes(TDadosModelo& d, double, const TEstudo&) { ExigeTensoes(d, "o fator das tensões"); }

const std::vector<TEntradaIncerteza>& Tabela() {
    static const std::vector<TEntradaIncerteza> tabela = {
        {"TemperaturaLancamento", "Temperatura de lançamento", "°C", Validacao::TMinima, false, Validacao::TMaxima,
         AplicaTemperatura},
        {"DesvioAmbiente", "Desvio da temperatura ambiente", "°C", -1e300, false, 1e300, AplicaDesvioAmbiente},
        {"ConsumoCimento", "Consumo de cimento", "kg/m³", 0.0, false, 1e300, AplicaConsumo},
        {"ConsumoAglomerante", "Consumo de aglomerante", "kg/m³", 0.0, true, 1e300, AplicaAglomerante},
        {"EscalaCalor", "Escala do calor de hidratação", "-", 0.0, false, 1e300, AplicaEscalaCalor},
        {"AlfaU", "Grau de hidratação final αu", "-", 0.0, true, 1.0, AplicaAlfaU},
        {"Tau", "Tempo característico τ", "h", 0.0, true, 1e300, AplicaTau},
        {"EnergiaAtivacao", "Energia de ativação Ea", "J/mol", 0.0, false, 1e300, AplicaEa},
        {"Condutividade", "Condutividade k", "W/(m·°C)", 0.0, true, 1e300, AplicaCondutividade},
        {"CalorEspecifico", "Calor específico c", "J/(kg·°C)", 0.0, true, 1e300, AplicaCalorEspecifico},
        {"CoefDilatacao", "Coeficiente de dilatação α", "10⁻⁶/°C", 0.0, false, 1e300, AplicaDilatacao},
        {"EscalaCoefTopo", "Escala do coeficiente do topo", "-", 0.0, false, 1e300, AplicaEscalaTopo},
        {"ResistenciaProtecaoTopo", "Resistência da proteção do topo", "m²·°C/W", 0.0, false, 1e300,
         AplicaResistenciaProtecao},
        {"EscalaResistencia", "Escala da resistência à tração", "-", 0.0, true, 1e300, AplicaEscalaResistencia},
        {"EscalaModulo", "Escala do módulo de elasticidade", "-", 0.0, true, 1e300, ChecaTensoes, true},
        {"FatorRestricao", "Fator de restrição", "-", 0.0, true, 1e300, ChecaTensoes, true},
    };
    return tabela;
}

constexpr const char* PrefixoRecusa = "Estudo de incerteza inválido: ";
[[noreturn]] void Recusa(const std::string& m) { throw ErroEntrada(PrefixoRecusa + m); }

double LeNumero(const Json& j, const std::string& onde) {
    if (!j.is_number()) Recusa("\"" + onde + "\" deve ser um número");
    const double v = j.get<double>();
    if (!std::isfinite(v)) Recusa("\"" + onde + "\" deve ser um número finito");
    return v;
}

Json Numero(double v) { return NumeroJson(v + 0.0); }

constexpr const char* NomesDistribuicao[] = {"normal", "lognormal", "uniforme", "triangular"};

// The keys of each distribution's parameters, in the order of A, B, C.
std::vector<std::string> ChavesDe(TTipoDistribuicao t) {
    switch (t) {
        case TTipoDistribuicao::Normal:
        case TTipoDistribuicao::Lognormal: return {"media", "desvio"};
        case TTipoDistribuicao::Uniforme: return {"min", "max"};
        case TTipoDistribuicao::Triangular: return {"min", "moda", "max"};
    }
    return {};
}

TDistribuicao LeDistribuicao(const Json& j, const std::string& chave, std::vector<std::string>& lendo) {
    if (!j.is_object())
        Recusa("\"" + chave + "\" deve ser um objeto { \"distribuicao\": ..., ... }");
    if (!j.contains("distribuicao")) Recusa("falta \"distribuicao\" em \"" + chave + "\"");
    TDistribuicao d;
    const Json& nome = j["distribuicao"];
    bool achou = false;
    for (int t = 0; t < 4; ++t)
        if (nome == NomesDistribuicao[t]) d.Tipo = static_cast<TTipoDistribuicao>(t), achou = true;
    if (!achou) {
        lendo.push_back("distribuicao");
        Recusa("\"distribuicao\" de \"" + chave + "\" deve ser normal, lognormal, uniforme ou triangular");
    }
    const std::vector<std::string> chaves = ChavesDe(d.Tipo);
    double* destino[] = {&d.A, &d.B, &d.C};
    std::vector<char> lidas(chaves.size(), 0);
    for (const auto& item : j.items()) {
        lendo.resize(2);
        lendo.push_back(item.key());
        if (item.key() == "distribuicao") continue;
        if (item.key() == "truncamento") {
            if (!item.value().is_object()) Recusa("\"truncamento\" deve ser um objeto { \"min\": ..., \"max\": ... }");
            for (const auto& t : item.value().items()) {
                lendo.resize(3);
                lendo.push_back(t.key());
                const std::string onde = chave + ".truncamento." + t.key();
                if (t.key() == "min") d.Min = LeNumero(t.value(), onde);
                else if (t.key() == "max") d.Max = LeNumero(t.value(), onde);
                else Recusa("chave desconhecida \"" + t.key() + "\" em \"truncamento\"");
            }
            continue;
        }
        const auto k = std::find(chaves.begin(), chaves.end(), item.key());
        if (k == chaves.end())
            Recusa("chave desconhecida \"" + item.key() + "\" para a distribuição " +
                   NomesDistribuicao[static_cast<int>(d.Tipo)] + " de \"" + chave + "\"");
        const auto i = static_cast<std::size_t>(k - chaves.begin());
        *destino[i] = LeNumero(item.value(), chave + "." + item.key());
        lidas[i] = 1;
    }
    lendo.resize(2);
    for (std::size_t i = 0; i < chaves.size(); ++i)
        if (!lidas[i]) Recusa("falta \"" + chaves[i] + "\" em \"" + chave + "\"");
    if (const std::string p = Distribuicoes::Problema(d); !p.empty()) Recusa("\"" + chave + "\": " + p);
    return d;
}

void LeChaves(const Json& j, TEstudoIncerteza& e, bool& temFormato, std::vector<std::string>& lendo) {
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
        } else if (chave == "entradas") {
            if (!v.is_object()) Recusa("\"entradas\" deve ser um objeto { ... }");
            for (const auto& p : v.items()) {
                lendo.assign({chave, p.key()});
                const int indice = Incerteza::IndiceEntrada(p.key());
                if (indice < 0) Recusa("entrada desconhecida \"" + p.key() + "\" em \"entradas\"");
                e.Entradas.push_back({indice, LeDistribuicao(p.value(), p.key(), lendo)});
            }
        } else if (chave == "amostragem") {
            if (!v.is_object())
                Recusa("\"amostragem\" deve ser um objeto { \"amostras\": N, \"metodo\": ..., \"semente\": S }");
            for (const auto& s : v.items()) {
                lendo.assign({chave, s.key()});
                if (s.key() == "metodo") {
                    if (s.value() == "hipercubo") e.Hipercubo = true;
                    else if (s.value() == "aleatoria") e.Hipercubo = false;
                    else Recusa("\"amostragem.metodo\" deve ser \"hipercubo\" ou \"aleatoria\"");
                    continue;
                }
                const double x = LeNumero(s.value(), "amostragem." + s.key());
                if (x != std::trunc(x) || x < 0 || x > 9e15)
                    Recusa("\"amostragem." + s.key() + "\" deve ser um inteiro não negativo");
                if (s.key() == "amostras") e.Amostras = static_cast<long long>(x);
                else if (s.key() == "semente") e.Semente = static_cast<std::uint64_t>(x);
                else Recusa("chave desconhecida \"" + s.key() + "\" em \"amostragem\"");
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

// The limits of the study, as the runner of a case reads them.
TEstudo Limites(const TEstudoIncerteza& e) {
    TEstudo l;
    l.Base = e.Base;
    l.Projeto = e.Projeto;
    l.LimiteTemperatura = e.LimiteTemperatura;
    l.LimiteDiferenca = e.LimiteDiferenca;
    l.LimiteIndice = e.LimiteIndice;
    return l;
}

// The value as its cell prints it, read back.
double ComoImpresso(double v) { return Numeros::TextoParaReal(Numeros::FormataGeral(v + 0.0)); }

std::string Fixo(double v, int decimais) { return std::isfinite(v) ? Numeros::FormataFixo(v + 0.0, 0, decimais) : ""; }

using PlanilhaCsv::Linha;

constexpr int DecimaisTemperatura = 2;
constexpr int DecimaisIndice = 4;

TProbabilidade Proporcao(double limite, long long casos, long long n) {
    TProbabilidade p;
    p.Limite = limite;
    p.Casos = casos;
    p.N = n;
    p.P = n > 0 ? static_cast<double>(casos) / static_cast<double>(n) : 0.0;
    const auto ic = Estatistica::Wilson(casos, n, Estatistica::Z95);
    p.Inferior = ic.Inferior;
    p.Superior = ic.Superior;
    return p;
}

TEstatisticaSaida Estatisticas(const std::vector<double>& x) {
    TEstatisticaSaida s;
    s.N = static_cast<long long>(x.size());
    s.Media = Estatistica::Media(x);
    s.Desvio = Estatistica::Desvio(x);
    s.Q05 = Estatistica::Quantil(x, 0.05);
    s.Q50 = Estatistica::Quantil(x, 0.50);
    s.Q95 = Estatistica::Quantil(x, 0.95);
    return s;
}

}  // namespace

std::string TEntradaIncerteza::Cabecalho() const { return std::string(Nome) + " (" + std::string(Unidade) + ")"; }

namespace Incerteza {

const std::vector<TEntradaIncerteza>& Entradas() { return Tabela(); }

int IndiceEntrada(std::string_view chave) {
    for (std::size_t i = 0; i < Tabela().size(); ++i)
        if (Tabela()[i].Chave == chave) return static_cast<int>(i);
    return -1;
}

void Valida(const TEstudoIncerteza& e) {
    if (!e.Base) Recusa("falta o projeto base");
    if (e.Entradas.empty()) Recusa("nenhuma entrada incerta em \"entradas\"");
    std::set<int> vistas;
    for (const auto& x : e.Entradas) {
        if (x.Entrada < 0 || x.Entrada >= static_cast<int>(Tabela().size())) Recusa("entrada desconhecida");
        const std::string chave(Tabela()[Z(x.Entrada)].Chave);
        if (!vistas.insert(x.Entrada).second) Recusa("a entrada \"" + chave + "\" aparece duas vezes");
        if (const std::string p = Distribuicoes::Problema(x.Distribuicao); !p.empty()) Recusa("\"" + chave + "\": " + p);
    }
    if (e.Amostras < 1 || e.Amostras > MaxAmostras)
        Recusa("\"amostragem.amostras\" deve ficar entre 1 e " + Numeros::FormataInteiro(MaxAmostras));
    for (double lim : {e.LimiteTemperatura, e.LimiteDiferenca, e.LimiteIndice})
        if (!std::isfinite(lim)) Recusa("os limites devem ser números finitos");
    if (Ultima(*e.Base) < Primeira(*e.Base)) Recusa("o projeto base não tem camadas de concreto");
    if (const auto v = Validacao::ValidaProblema(*e.Base); !v.Valido()) Recusa("o projeto base: " + v.Erros.front());
    // The median sample: an input the base cannot take is refused before any run.
    std::vector<double> medianas;
    for (const auto& x : e.Entradas) medianas.push_back(Distribuicoes::Valor(x.Distribuicao, 0.5));
    auto caso = std::make_unique<TDadosModelo>();
    try {
        MontaAmostra(e, medianas, *caso);
    } catch (const ErroEntrada& erro) {
        Recusa(erro.what());
    }
}

TEstudoIncerteza LeTexto(const std::string& texto, const std::string& pasta, std::shared_ptr<const TDadosModelo> base) {
    TEstudoIncerteza e;
    LeituraJson::LeArquivo(texto, PrefixoRecusa, Formato, [&](const Json& j, std::vector<std::string>& lendo) {
        bool temFormato = false;
        LeChaves(j, e, temFormato, lendo);
        return temFormato;
    });
    std::sort(e.Entradas.begin(), e.Entradas.end(),
              [](const TIncerta& a, const TIncerta& b) { return a.Entrada < b.Entrada; });
    e.Base = Estudo::BaseDoEstudo(std::move(base), e.Projeto, pasta, "estudo de incerteza", PrefixoRecusa);
    Valida(e);
    return e;
}

TEstudoIncerteza Le(const std::string& caminho) {
    return LeTexto(Estudo::TextoDoArquivo(caminho, "estudo de incerteza"),
                   std::filesystem::path(caminho).parent_path().string());
}

std::string Texto(const TEstudoIncerteza& e) {
    Json j = Json::object();
    j["formato"] = Formato;
    j["versao"] = Versao;
    j["projeto"] = e.Projeto;
    Json entradas = Json::object();
    for (const auto& x : e.Entradas) {
        const TDistribuicao& d = x.Distribuicao;
        Json o = Json::object();
        o["distribuicao"] = NomesDistribuicao[static_cast<int>(d.Tipo)];
        const std::vector<std::string> chaves = ChavesDe(d.Tipo);
        const double valores[] = {d.A, d.B, d.C};
        for (std::size_t i = 0; i < chaves.size(); ++i) o[chaves[i]] = Numero(valores[i]);
        if (d.Min || d.Max) {
            o["truncamento"] = Json::object();
            if (d.Min) o["truncamento"]["min"] = Numero(*d.Min);
            if (d.Max) o["truncamento"]["max"] = Numero(*d.Max);
        }
        entradas[std::string(Tabela()[Z(x.Entrada)].Chave)] = std::move(o);
    }
    j["entradas"] = std::move(entradas);
    j["amostragem"] = Json::object();
    j["amostragem"]["amostras"] = e.Amostras;
    j["amostragem"]["metodo"] = e.Hipercubo ? "hipercubo" : "aleatoria";
    j["amostragem"]["semente"] = e.Semente;
    j["limites"] = Json::object();
    j["limites"]["Temperatura"] = Numero(e.LimiteTemperatura);
    j["limites"]["Diferenca"] = Numero(e.LimiteDiferenca);
    j["limites"]["Indice"] = Numero(e.LimiteIndice);
    return j.dump(2) + "\n";
}

void Grava(const std::string& caminho, const TEstudoIncerteza& e) {
    TArquivoAtomico::Grava(caminho, Texto(e), "Não foi possível salvar o estudo de incerteza");
}

std::vector<std::vector<double>> Valores(const TEstudoIncerteza& e) {
    std::vector<std::vector<double>> v =
        Distribuicoes::Uniformes(e.Amostras, static_cast<int>(e.Entradas.size()), e.Hipercubo, e.Semente);
    for (auto& amostra : v)
        for (std::size_t j = 0; j < amostra.size(); ++j)
            amostra[j] = ComoImpresso(Distribuicoes::Valor(e.Entradas[j].Distribuicao, amostra[j]));
    return v;
}

void MontaAmostra(const TEstudoIncerteza& e, const std::vector<double>& valores, TDadosModelo& caso) {
    caso = *e.Base;
    const TEstudo limites = Limites(e);
    for (std::size_t k = 0; k < e.Entradas.size() && k < valores.size(); ++k) {
        const TEntradaIncerteza& x = Tabela()[Z(e.Entradas[k].Entrada)];
        const double v = valores[k];
        const bool abaixo = x.MinimoExclusivo ? !(v > x.Minimo) : !(v >= x.Minimo);
        if (abaixo)
            throw ErroEntrada(x.Cabecalho() + " vale " + Num(v) + "; deve ser " +
                              (x.MinimoExclusivo ? "maior que " : "no mínimo ") + Num(x.Minimo));
        if (v > x.Maximo) throw ErroEntrada(x.Cabecalho() + " vale " + Num(v) + "; deve ser no máximo " + Num(x.Maximo));
        x.Aplica(caso, v, limites);
    }
}

TLinhaIncerteza RodaAmostra(const TEstudoIncerteza& e, long long amostra, const std::vector<double>& valores,
                            std::unique_ptr<TDadosModelo>& area) {
    TLinhaIncerteza l;
    l.Amostra = amostra;
    l.Valores = valores;
    TResultadoCaso r;
    try {
        if (!area) area = std::make_unique<TDadosModelo>();
        MontaAmostra(e, valores, *area);
        r = RodaEstudo::RodaMontado(Limites(e), area);
    } catch (const std::bad_alloc&) {
        r.Erro = "memória insuficiente";
    } catch (const std::exception& erro) {
        r.Erro = erro.what();
    }
    l.Ok = r.Ok;
    l.Erro = r.Erro;
    if (!l.Ok) return l;
    double fator = 1.0;
    for (std::size_t k = 0; k < e.Entradas.size() && k < valores.size(); ++k)
        if (Tabela()[Z(e.Entradas[k].Entrada)].FatorDasTensoes) fator *= valores[k];
    l.TMaxima = Numeros::ArredondaFixo(r.TMaxima, DecimaisTemperatura);
    l.DifMaxima = Numeros::ArredondaFixo(r.DifMaxima, DecimaisTemperatura);
    l.ComTensoes = r.ComTensoes;
    if (r.ComTensoes) {
        l.TracaoMaxima = Numeros::ArredondaFixo(r.TracaoMaxima * fator, 2);
        l.ComIndice = r.ComIndice;
        if (r.ComIndice) l.IndiceMinimo = Numeros::ArredondaFixo(r.IndiceMinimo / fator, DecimaisIndice);
    }
    l.Atende = l.TMaxima < e.LimiteTemperatura && l.DifMaxima <= e.LimiteDiferenca &&
               (!l.ComIndice || l.IndiceMinimo >= e.LimiteIndice);
    return l;
}

TResultadoIncerteza Roda(const TEstudoIncerteza& e, const OpcoesEstudo& opcoes) {
    Valida(e);
    const std::vector<std::vector<double>> valores = Valores(e);
    TResultadoIncerteza res;
    res.ComTensoes = Estudo::ComTensoes(*e.Base);
    // Every sample is drawn, so that a share's samples are those of the whole study.
    const auto total = static_cast<long long>(valores.size());
    const long long fim = opcoes.Fim < 0 ? total : std::min(opcoes.Fim, total);
    const long long inicio = std::clamp(opcoes.Inicio, 0LL, fim);
    const auto n = static_cast<std::size_t>(fim - inicio);
    res.Linhas.resize(n);
    const std::vector<char> feito =
        RodaEstudo::EmParalelo(n, opcoes, [&](std::size_t i, std::unique_ptr<TDadosModelo>& area) {
            const auto j = static_cast<std::size_t>(inicio) + i;
            res.Linhas[i] = RodaAmostra(e, static_cast<long long>(j) + 1, valores[j], area);
        });
    if (std::find(feito.begin(), feito.end(), 0) != feito.end()) {
        res.Cancelado = true;
        std::vector<TLinhaIncerteza> feitas;
        for (std::size_t i = 0; i < n; ++i)
            if (feito[i]) feitas.push_back(std::move(res.Linhas[i]));
        res.Linhas = std::move(feitas);
    }
    return res;
}

std::vector<double> ValoresSaida(const std::vector<TLinhaIncerteza>& linhas, int k) {
    std::vector<double> x;
    for (const auto& l : linhas) {
        if (!l.Ok) continue;
        if (k == 0) x.push_back(l.TMaxima);
        else if (k == 1) x.push_back(l.DifMaxima);
        else if (l.ComIndice) x.push_back(l.IndiceMinimo);
    }
    return x;
}

TResumoIncerteza Resume(const TEstudoIncerteza& e, const std::vector<TLinhaIncerteza>& linhas) {
    TResumoIncerteza r;
    r.ComTensoes = e.Base && Estudo::ComTensoes(*e.Base);
    r.Amostras = static_cast<long long>(linhas.size());
    const std::size_t entradas = e.Entradas.size();
    // [output]: its values and, beside them, those of each input in the same samples.
    std::vector<double> saida[3];
    std::vector<std::vector<double>> entrada[3];
    for (auto& x : entrada) x.assign(entradas, {});
    long long ok = 0, picos = 0, difs = 0, indices = 0;
    const auto junta = [&](int s, double v, const TLinhaIncerteza& l) {
        saida[s].push_back(v);
        for (std::size_t j = 0; j < entradas && j < l.Valores.size(); ++j) entrada[s][j].push_back(l.Valores[j]);
    };
    for (const auto& l : linhas) {
        if (!l.Ok) {
            ++r.Falhas;
            continue;
        }
        ++ok;
        junta(0, l.TMaxima, l);
        junta(1, l.DifMaxima, l);
        if (l.TMaxima > e.LimiteTemperatura) ++picos;
        if (l.DifMaxima > e.LimiteDiferenca) ++difs;
        if (r.ComTensoes && l.ComIndice) {
            junta(2, l.IndiceMinimo, l);
            if (l.IndiceMinimo < e.LimiteIndice) ++indices;
        }
    }
    const int saidas = r.ComTensoes ? 3 : 2;
    for (int s = 0; s < saidas; ++s) {
        r.Saidas.push_back(Estatisticas(saida[s]));
        std::vector<double> linha;
        for (std::size_t j = 0; j < entradas; ++j) linha.push_back(Estatistica::Spearman(entrada[s][j], saida[s]));
        r.Spearman.push_back(std::move(linha));
    }
    r.PicoAcima = Proporcao(e.LimiteTemperatura, picos, ok);
    r.DiferencaAcima = Proporcao(e.LimiteDiferenca, difs, ok);
    // A sample without tension anywhere has no index: it does not crack.
    r.IndiceAbaixo = Proporcao(e.LimiteIndice, indices, ok);
    return r;
}

std::vector<std::string> Colunas(const TEstudoIncerteza& e, bool comTensoes) {
    std::vector<std::string> c{"Amostra"};
    for (const auto& x : e.Entradas) c.push_back(Tabela()[Z(x.Entrada)].Cabecalho());
    c.push_back("Temperatura máxima (°C)");
    c.push_back("Maior diferença núcleo–superfície (°C)");
    if (comTensoes) {
        c.push_back("Maior tração (MPa)");
        c.push_back("Menor índice de fissuração (-)");
    }
    c.push_back("Atende aos limites");
    c.push_back("Mensagem");
    return c;
}

std::vector<std::string> Celulas(const TLinhaIncerteza& l, bool comTensoes) {
    std::vector<std::string> c{Numeros::FormataInteiro(l.Amostra)};
    for (double v : l.Valores) c.push_back(Num(v));
    if (l.Ok) {
        c.push_back(Fixo(l.TMaxima, DecimaisTemperatura));
        c.push_back(Fixo(l.DifMaxima, DecimaisTemperatura));
        if (comTensoes) {
            c.push_back(Fixo(l.TracaoMaxima, 2));
            c.push_back(l.ComIndice ? Fixo(l.IndiceMinimo, DecimaisIndice) : std::string());
        }
    } else {
        c.insert(c.end(), comTensoes ? 4 : 2, std::string());
    }
    c.push_back(l.Ok && l.Atende ? "Sim" : "Não");
    c.push_back(l.Erro);
    return c;
}

std::string CsvResumo(const TEstudoIncerteza& e, const TResumoIncerteza& r) {
    std::string s;
    Linha(s, {"Resumo do estudo de incerteza"});
    Linha(s, {"Amostras", Numeros::FormataInteiro(r.Amostras)});
    Linha(s, {"Sem resultado", Numeros::FormataInteiro(r.Falhas)});
    Linha(s, {"Amostragem", e.Hipercubo ? "hipercubo latino" : "aleatória simples"});
    Linha(s, {"Semente", Numeros::FormataInteiro(static_cast<long long>(e.Semente))});
    s += "\r\n";
    static const char* const nomes[] = {"Temperatura máxima (°C)", "Maior diferença núcleo–superfície (°C)",
                                        "Menor índice de fissuração (-)"};
    Linha(s, {"Saída", "Amostras", "Média", "Desvio padrão", "Quantil 5 %", "Mediana", "Quantil 95 %"});
    for (std::size_t k = 0; k < r.Saidas.size(); ++k) {
        const auto& x = r.Saidas[k];
        const int dec = k == 2 ? DecimaisIndice + 1 : DecimaisTemperatura + 1;
        Linha(s, {nomes[k], Numeros::FormataInteiro(x.N), Fixo(x.Media, dec), Fixo(x.Desvio, dec), Fixo(x.Q05, dec),
                  Fixo(x.Q50, dec), Fixo(x.Q95, dec)});
    }
    s += "\r\n";
    Linha(s, {"Probabilidade", "Limite", "Casos", "Amostras", "Estimativa", "IC 95 % inferior", "IC 95 % superior"});
    const auto prob = [&](const char* nome, const TProbabilidade& p) {
        Linha(s, {nome, Num(p.Limite), Numeros::FormataInteiro(p.Casos), Numeros::FormataInteiro(p.N), Fixo(p.P, 4),
                  Fixo(p.Inferior, 4), Fixo(p.Superior, 4)});
    };
    prob("P(temperatura máxima > limite)", r.PicoAcima);
    prob("P(maior diferença > limite)", r.DiferencaAcima);
    if (r.ComTensoes) prob("P(menor índice < limite)", r.IndiceAbaixo);
    s += "\r\n";
    std::vector<std::string> cab{"Correlação de Spearman"};
    for (const auto& x : e.Entradas) cab.push_back(Tabela()[Z(x.Entrada)].Cabecalho());
    Linha(s, cab);
    for (std::size_t k = 0; k < r.Spearman.size(); ++k) {
        std::vector<std::string> c{nomes[k]};
        for (double v : r.Spearman[k]) c.push_back(Fixo(v, 3));
        Linha(s, c);
    }
    return s;
}

std::string CsvAmostras(const TEstudoIncerteza& e, const TResultadoIncerteza& resultado) {
    std::string s = "\xEF\xBB\xBF";
    Linha(s, Colunas(e, resultado.ComTensoes));
    for (const auto& l : resultado.Linhas) Linha(s, Celulas(l, resultado.ComTensoes));
    return s;
}

std::string Csv(const TEstudoIncerteza& e, const TResultadoIncerteza& resultado) {
    std::string s = CsvAmostras(e, resultado);
    s += "\r\n";
    s += CsvResumo(e, Resume(e, resultado.Linhas));
    return s;
}

TResultadoIncerteza LeAmostras(const TEstudoIncerteza& e, const std::string& texto) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string_view t = texto.compare(0, bom.size(), bom) == 0 ? std::string_view(texto).substr(bom.size())
                                                                      : std::string_view(texto);
    const auto registros = PlanilhaCsv::Registros(t);
    TResultadoIncerteza r;
    r.ComTensoes = e.Base && Estudo::ComTensoes(*e.Base);
    if (registros.empty() || registros.front() != Colunas(e, r.ComTensoes))
        throw ErroEntrada("as colunas das amostras não são as deste estudo de incerteza");
    const std::size_t entradas = e.Entradas.size();
    for (std::size_t i = 1; i < registros.size(); ++i) {
        const auto& c = registros[i];
        const auto recusa = [&](const std::string& motivo) {
            throw ErroEntrada("a amostra da linha " + std::to_string(i + 1) + " " + motivo);
        };
        if (c.size() != registros.front().size()) recusa("não tem as colunas do cabeçalho");
        TLinhaIncerteza l;
        try {
            l.Amostra = Numeros::TextoParaInteiro(c[0]);
            for (std::size_t j = 0; j < entradas; ++j) l.Valores.push_back(Numeros::TextoParaReal(c[1 + j]));
            std::size_t k = 1 + entradas;
            l.Ok = !c[k].empty();
            if (l.Ok) {
                l.TMaxima = Numeros::TextoParaReal(c[k]);
                l.DifMaxima = Numeros::TextoParaReal(c[k + 1]);
                l.ComTensoes = r.ComTensoes;
                if (r.ComTensoes) {
                    l.TracaoMaxima = Numeros::TextoParaReal(c[k + 2]);
                    l.ComIndice = !c[k + 3].empty();
                    if (l.ComIndice) l.IndiceMinimo = Numeros::TextoParaReal(c[k + 3]);
                }
            }
            l.Atende = c[c.size() - 2] == "Sim";
            l.Erro = c.back();
        } catch (const ErroConversao& erro) {
            recusa(std::string("tem um número ilegível: ") + erro.what());
        }
        if (l.Amostra != static_cast<long long>(i)) recusa("está fora da ordem das amostras");
        r.Linhas.push_back(std::move(l));
    }
    return r;
}

void GravaCsv(const std::string& caminho, const TEstudoIncerteza& e, const TResultadoIncerteza& resultado) {
    TArquivoAtomico::Grava(caminho, Csv(e, resultado));
}

}  // namespace Incerteza
