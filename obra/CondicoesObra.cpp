#include "obra/CondicoesObra.h"

#include <algorithm>
#include <cmath>

#include "core/Func.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Validacao.h"
#include "core/Vento.h"

namespace CondicoesObra {

namespace {

// Linear between whole hours; the file is checked to cover the analysis.
double Interpola(const std::vector<double>& serie, double t) {
    if (serie.empty()) return 0.0;
    const double ultima = static_cast<double>(serie.size() - 1);
    if (!(t > 0.0)) return serie.front();
    if (t >= ultima) return serie.back();
    const double base = std::floor(t);
    const auto i = static_cast<std::size_t>(base);
    const double f = t - base;
    if (f == 0.0) return serie[i];
    return serie[i] + f * (serie[i + 1] - serie[i]);
}

std::string Numero(double v) { return Numeros::FormataGeral(v); }

constexpr double Kelvin = 273.15;
constexpr double StefanBoltzmann = 5.670374419e-8;  // W/(m²·K⁴)

// Fraction of a flux at the outer face of the top's protections that reaches the
// concrete: 1 − hp·R (1/(1 + h·R)), none through an infinite R.
double ParcelaProtegida(double R, double hp) {
    if (!(R > 0.0)) return 1.0;
    if (std::isinf(R)) return 0.0;
    return 1.0 - hp * R / 3600.0;
}

std::string ProblemaLista(const std::vector<TProtecao>& lista, const std::string& face) {
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const TProtecao& p = lista[i];
        const std::string qual = "A proteção " + Numeros::FormataInteiro(static_cast<long long>(i + 1)) + " " + face;
        if (std::isnan(p.R) || p.R < 0.0) return qual + " tem resistência térmica negativa ou inválida.";
        if (!std::isfinite(p.HoraColocacao) || !std::isfinite(p.HoraRetirada) || p.HoraColocacao < 0.0) {
            return qual + " tem horas de colocação ou retirada inválidas.";
        }
        if (p.HoraRetirada < p.HoraColocacao) {
            return qual + " é retirada (hora " + Numero(p.HoraRetirada) + ") antes de ser colocada (hora " +
                   Numero(p.HoraColocacao) + ").";
        }
    }
    return {};
}

}  // namespace

std::string ProblemaProtecoes(const std::vector<TProtecao>& lista, const std::string& face) {
    return ProblemaLista(lista, face);
}

bool EmUso(const TDadosObra& obra) {
    if (obra.ClimaArquivo || obra.CeuAtivo || !obra.ProtecoesBase.empty()) return true;
    for (const auto& lista : obra.ProtecoesTopo) {
        if (!lista.empty()) return true;
    }
    return false;
}

double TemperaturaAr(const TDadosObra& obra, double t) { return Interpola(obra.Temperatura, t); }

double Resistencia(const std::vector<TProtecao>& lista, double idade) {
    double r = 0.0;
    for (const TProtecao& p : lista) {
        if (p.HoraColocacao <= idade && idade < p.HoraRetirada) r += p.R;
    }
    return r;
}

double ResistenciaTopo(const TDadosObra& obra, int camada, double idade) {
    if (camada < 1 || static_cast<std::size_t>(camada) >= obra.ProtecoesTopo.size()) return 0.0;
    return Resistencia(obra.ProtecoesTopo[static_cast<std::size_t>(camada)], idade);
}

double CoefProtegido(double h, double R) {
    if (!(R > 0.0)) return h;
    if (std::isinf(R)) return 0.0;
    return h / (1.0 + h * R / 3600.0);
}

void AplicaVento(const TDadosObra& obra, bool curaAtiva, double t, TCoeficientes& h) {
    if (!obra.ClimaArquivo || obra.Vento.empty() || curaAtiva) return;
    h.HSup = CoeficienteVentoCEB(Interpola(obra.Vento, t));
}

void AplicaProtecoes(const TDadosModelo& dados, double t, int L, TCoeficientes& h) {
    const double idadeTopo = Membro::Idade(dados, L, t);
    const double idadeBase = Membro::Idade(dados, 1, t);
    const TDadosObra& obra = ObraDe(dados);
    h.HSup = CoefProtegido(h.HSup, ResistenciaTopo(obra, L, idadeTopo));
    h.HInf = CoefProtegido(h.HInf, Resistencia(obra.ProtecoesBase, idadeBase));
}

double FluxoSolarTopo(const TDadosModelo& dados, double t, int L, double hp) {
    const TDadosObra& obra = ObraDe(dados);
    if (!obra.ClimaArquivo || obra.Radiacao.empty()) return 0.0;
    const double absorvido = obra.Absortividade * Interpola(obra.Radiacao, t);
    return absorvido * ParcelaProtegida(ResistenciaTopo(obra, L, Membro::Idade(dados, L, t)), hp);
}

double TemperaturaCeu(double tAr, const double* tOrvalho) {
    const double ar = tAr + Kelvin;
    if (tOrvalho) {
        const double x = *tOrvalho / 100.0;
        const double eCeu = std::clamp(0.711 + 0.56 * x + 0.73 * x * x, 0.0, 1.0);
        return ar * std::sqrt(std::sqrt(eCeu)) - Kelvin;
    }
    return 0.0552 * ar * std::sqrt(ar) - Kelvin;
}

TTrocaCeu TrocaCeu(const TDadosModelo& dados, double t) {
    const TDadosObra& obra = ObraDe(dados);
    TTrocaCeu r;
    if (!obra.CeuAtivo) return r;
    r.TAr = TFunc::TemperaturaAr(dados, t);
    double orvalho = 0.0;
    const bool temOrvalho = obra.ClimaArquivo && !obra.PontoOrvalho.empty();
    if (temOrvalho) orvalho = Interpola(obra.PontoOrvalho, t);
    r.TCeu = TemperaturaCeu(r.TAr, temOrvalho ? &orvalho : nullptr);
    double face = r.TAr;
    const double topo = dados.Temperaturas[static_cast<std::size_t>(Membro::NosAtivos(dados))];
    if (std::isfinite(topo) && topo > -100.0 && topo < 200.0) face = topo;
    const double s = face + Kelvin;
    const double c = r.TCeu + Kelvin;
    r.H = obra.Emissividade * StefanBoltzmann * (s * s + c * c) * (s + c);
    return r;
}

void AplicaCeu(const TDadosModelo& dados, double t, TCoeficientes& h) {
    if (!ObraDe(dados).CeuAtivo) return;
    h.HSup += TrocaCeu(dados, t).H * 3600.0;
}

double FluxoCeuTopo(const TDadosModelo& dados, double t, int L, double hp, double& fracao, double& arCeu) {
    fracao = 0.0;
    arCeu = 0.0;
    const TDadosObra& obra = ObraDe(dados);
    if (!obra.CeuAtivo) return 0.0;
    const TTrocaCeu troca = TrocaCeu(dados, t);
    const double parcela = ParcelaProtegida(ResistenciaTopo(obra, L, Membro::Idade(dados, L, t)), hp);
    // hp = parcela·h', h' the top coefficient with H and without the protections.
    if (hp > 0.0) {
        fracao = troca.H * 3600.0 * parcela / hp;
        arCeu = (1.0 - fracao) * troca.H * (troca.TCeu - troca.TAr);
    }
    return parcela * troca.H * (troca.TCeu - troca.TAr);
}

std::string Problema(const TDadosModelo& d) {
    const TDadosObra& obra = ObraDe(d);
    if (obra.ClimaArquivo) {
        if (obra.Temperatura.empty()) {
            return "O ambiente é \"Arquivo Horário\", mas nenhum arquivo de clima foi lido. Leia o arquivo em "
                   "Condições de Contorno.";
        }
        const double ultima = static_cast<double>(obra.Temperatura.size() - 1);
        if (ultima < d.TempoTotal) {
            return "O arquivo de clima vai só até a hora " + Numero(ultima) + " e a análise vai até a hora " +
                   Numero(d.TempoTotal) + ". Use um arquivo que cubra toda a análise ou reduza o tempo total.";
        }
        const auto curta = [&](const std::vector<double>& s) { return !s.empty() && s.size() != obra.Temperatura.size(); };
        if (curta(obra.Vento) || curta(obra.Radiacao) || curta(obra.PontoOrvalho)) {
            return "O arquivo de clima não tem o mesmo número de horas de temperatura, vento e radiação.";
        }
        if (!std::isfinite(obra.Absortividade) || obra.Absortividade < 0.0 || obra.Absortividade > 1.0) {
            return "A absortividade solar do topo deve estar entre 0 e 1 (é " + Numero(obra.Absortividade) + ").";
        }
    }
    if (obra.CeuAtivo && (!std::isfinite(obra.Emissividade) || obra.Emissividade < 0.0 || obra.Emissividade > 1.0)) {
        return "A emissividade do topo para a radiação ao céu deve estar entre 0 e 1 (é " + Numero(obra.Emissividade) + ").";
    }
    if (std::string p = ProblemaLista(obra.ProtecoesBase, "da face inferior"); !p.empty()) return p;
    for (std::size_t L = 1; L < obra.ProtecoesTopo.size(); ++L) {
        const std::string face = "do topo da camada " + Numeros::FormataInteiro(static_cast<long long>(L));
        if (std::string p = ProblemaLista(obra.ProtecoesTopo[L], face); !p.empty()) return p;
    }
    return {};
}

void Valida(const TDadosObra& o, Validacao::Resultado& r) {
    // The first hour of a series that breaks the rule; one message per series.
    const auto serie = [&](const std::vector<double>& s, auto fora, const std::string& nome, const std::string& faixa) {
        for (std::size_t k = 0; k < s.size(); ++k) {
            if (fora(s[k])) {
                r.Erros.push_back("O clima horário tem " + nome + " de " + Numero(s[k]) + " na hora " +
                                  Numeros::FormataInteiro(static_cast<long long>(k)) + "; " + faixa + ".");
                return;
            }
        }
    };
    const auto negativo = [](double v) { return !(v >= 0.0) || !std::isfinite(v); };
    serie(o.Temperatura, Validacao::ForaDaFaixa, "temperatura do ar", Validacao::FaixaTemperatura());
    serie(o.PontoOrvalho, Validacao::ForaDaFaixa, "ponto de orvalho", Validacao::FaixaTemperatura());
    serie(o.Vento, negativo, "velocidade do vento", "o vento não pode ser negativo");
    serie(o.Radiacao, negativo, "radiação solar", "a radiação não pode ser negativa");
    for (std::size_t k = 0; k < o.Vento.size(); ++k) {
        if (o.Vento[k] > VentoForte) {
            r.Avisos.push_back("O clima horário tem vento de " + Numero(o.Vento[k]) + " m/s na hora " +
                               Numeros::FormataInteiro(static_cast<long long>(k)) + ", acima de " + Numero(VentoForte) +
                               " m/s: confira a unidade (m/s) do arquivo.");
            break;
        }
    }
}

}  // namespace CondicoesObra
