#include "core/Maturidade.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Erros.h"
#include "core/Func.h"
#include "core/Numeros.h"

namespace Maturidade {

namespace {

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }
std::string Geral(double v) { return Numeros::FormataGeral(v); }

constexpr double JoulesPorKcal = 4186.0;

}  // namespace

double FatorArrhenius(double energiaAtivacao, double tRef, double t) {
    const double tk = ZeroAbsoluto + t;
    if (!(tk > 0.0)) {
        throw ErroCalculo("a temperatura de " + Geral(t) + " °C fica no zero absoluto ou abaixo dele");
    }
    const double f = std::exp(-energiaAtivacao / ConstanteGases * (1.0 / tk - 1.0 / (ZeroAbsoluto + tRef)));
    if (!std::isfinite(f)) {
        throw ErroCalculo("o fator de Arrhenius a " + Geral(t) + " °C não tem valor finito");
    }
    return f;
}

double CalorCurva(const TCalorInterno& c, double te) {
    if (!(te > 0.0)) return 0.0;
    return c.C * c.E * JoulesPorKcal * c.AlfaU * std::exp(-std::pow(c.Tau / te, c.BetaHid));
}

double GrauHidratacao(const TCalorInterno& c, double te) {
    if (!(te > 0.0)) return 0.0;
    return c.AlfaU * std::exp(-std::pow(c.Tau / te, c.BetaHid));
}

double FatorCondutividade(const TCalorInterno& c, double te) { return 1.33 - 0.33 * GrauHidratacao(c, te); }

void CondutividadeElementos(TDadosModelo& dados, const TTrabalhoTermico& trabalho) {
    if (!dados.CondutividadeHidratacao) return;
    for (int e = 1; e <= dados.NElemAtivos; ++e) {
        const auto i = static_cast<std::size_t>(e);
        const int camada = trabalho.CamadaElemento[i];
        if (!Ativa(dados, camada)) continue;
        dados.Elementos[i].K *=
            FatorCondutividade(dados.CalorCamadas[static_cast<std::size_t>(camada)], trabalho.Maturidade.Idade[i]);
    }
}

TCurvaAmostra CurvaAmostra(const TCalorInterno& c, double fatorTabela, double rhoC, bool media) {
    TCurvaAmostra curva;
    curva.Idade.assign(MaxHoras + 1, 0.0);
    curva.Calor.assign(MaxHoras + 1, 0.0);
    double t = c.TInicialCalorimetro;
    for (int h = 1; h <= MaxHoras; ++h) {
        const auto i = static_cast<std::size_t>(h);
        const double q = c.Tabela[i] * fatorTabela * 3600.0;
        const double tInicio = t;
        t += q / rhoC;
        const double fator = FatorArrhenius(c.EnergiaAtivacao, c.TRef, media ? 0.5 * (tInicio + t) : tInicio);
        curva.Idade[i] = curva.Idade[i - 1] + fator;
        curva.Calor[i] = curva.Calor[i - 1] + q;
    }
    return curva;
}

namespace {

// The hour k (1..MaxHoras) whose ages (Idade[k−1], Idade[k]] hold te; 0 before
// the table, MaxHoras + 1 after it.
std::size_t HoraDaIdade(const TCurvaAmostra& curva, double te) {
    if (!(te > 0.0)) return 0;
    const auto it = std::lower_bound(curva.Idade.begin() + 1, curva.Idade.end(), te);
    return static_cast<std::size_t>(it - curva.Idade.begin());
}

}  // namespace

double CalorAmostra(const TCurvaAmostra& curva, double te) {
    const std::size_t k = HoraDaIdade(curva, te);
    if (k == 0) return 0.0;
    if (k > static_cast<std::size_t>(MaxHoras)) return curva.Calor.back();
    const double a = curva.Idade[k - 1];
    const double b = curva.Idade[k];
    return curva.Calor[k - 1] + (te - a) / (b - a) * (curva.Calor[k] - curva.Calor[k - 1]);
}

bool Ativa(const TDadosModelo& dados, int camada) {
    const TCalorInterno& c = dados.CalorCamadas[static_cast<std::size_t>(camada)];
    return c.Maturidade && !c.Constante;
}

void ValidaEntrada(const TDadosModelo& d) {
    const int ultima = std::clamp(d.NCamadas, 0, MaxCamadas);
    for (int L = 1; L <= ultima; ++L) {
        if (!Ativa(d, L)) continue;
        const TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(L)];
        const std::string camada = "A camada " + Inteiro(L) + " usa o calor pela maturidade, ";
        if (!std::isfinite(c.EnergiaAtivacao) || c.EnergiaAtivacao < 0.0) {
            throw ErroEntrada(camada + "mas a energia de ativação (" + Geral(c.EnergiaAtivacao) +
                              " J/mol) deve ser um número de 0 para cima.");
        }
        if (!std::isfinite(c.TRef) || !(c.TRef > -ZeroAbsoluto)) {
            throw ErroEntrada(camada + "mas a temperatura de referência (" + Geral(c.TRef) +
                              " °C) deve ficar acima do zero absoluto.");
        }
        if (d.CondutividadeHidratacao && d.CalorDiscreto) {
            throw ErroEntrada(camada + "e a condutividade que segue a hidratação pede o grau de hidratação da curva "
                                       "(αu, τ, β), que as tabelas horárias não dão: desligue uma das duas.");
        }
        if (d.CalorDiscreto) {
            const TCamada& m = d.Camadas[static_cast<std::size_t>(L)];
            if (!(m.Ro * m.CalorEsp > 0.0) || !std::isfinite(m.Ro * m.CalorEsp)) {
                throw ErroEntrada(camada + "e a curva adiabática só se converte em calor com densidade e calor "
                                           "específico positivos.");
            }
            if (!std::isfinite(c.TInicialCalorimetro) || !(c.TInicialCalorimetro > -ZeroAbsoluto)) {
                throw ErroEntrada(camada + "mas a temperatura inicial da amostra do calorímetro (" +
                                  Geral(c.TInicialCalorimetro) + " °C) deve ficar acima do zero absoluto.");
            }
            continue;
        }
        if (!std::isfinite(c.Tau) || !(c.Tau > 0.0)) {
            throw ErroEntrada(camada + "mas o tempo característico τ (" + Geral(c.Tau) + " h) deve ser positivo.");
        }
        if (!std::isfinite(c.BetaHid) || !(c.BetaHid > 0.0)) {
            throw ErroEntrada(camada + "mas o parâmetro de forma β (" + Geral(c.BetaHid) + ") deve ser positivo.");
        }
        if (!std::isfinite(c.AlfaU) || c.AlfaU < 0.0) {
            throw ErroEntrada(camada + "mas o grau de hidratação final αu (" + Geral(c.AlfaU) +
                              ") deve ser um número de 0 para cima.");
        }
        if (d.CondutividadeHidratacao && c.AlfaU > 1.0) {
            throw ErroEntrada(camada + "a condutividade segue a hidratação, e o grau de hidratação final αu (" +
                              Geral(c.AlfaU) + ") não pode passar de 1.");
        }
        if (!std::isfinite(c.C * c.E * JoulesPorKcal * c.AlfaU)) {
            throw ErroEntrada(camada + "mas o calor final C·E·αu não é um número finito.");
        }
    }
}

bool AlgumaAtiva(const TDadosModelo& dados) {
    const int ultima = std::clamp(dados.CamadaAtual, 0, MaxCamadas);
    for (int L = 1; L <= ultima; ++L)
        if (Ativa(dados, L)) return true;
    return false;
}

namespace {

double FatorElemento(const TCalorInterno& c, int e, double tMedia) {
    try {
        return FatorArrhenius(c.EnergiaAtivacao, c.TRef, tMedia);
    } catch (const ErroCalculo& erro) {
        throw ErroCalculo("idade equivalente do elemento " + Inteiro(e) + ": " + erro.what());
    }
}

double MediaElemento(const double* t, std::size_t i) { return 0.5 * (t[i] + t[i + 1]); }

}  // namespace

void TaxasElementos(const TDadosModelo& dados, TTrabalhoTermico& trabalho) {
    TEstadoMaturidade& estado = trabalho.Maturidade;
    const double passo = TFunc::HorasDoPasso(dados);
    const double dt = passo * 3600.0;
    for (int e = 1; e <= dados.NElemAtivos; ++e) {
        const auto i = static_cast<std::size_t>(e);
        const int camada = trabalho.CamadaElemento[i];
        if (!Ativa(dados, camada)) continue;
        const TCalorInterno& c = dados.CalorCamadas[static_cast<std::size_t>(camada)];
        TCurvaAmostra* amostra = nullptr;
        if (dados.CalorDiscreto) {
            amostra = &estado.Amostra[static_cast<std::size_t>(camada)];
            if (amostra->Idade.empty()) {
                const TCamada& m = trabalho.SI.Camadas[static_cast<std::size_t>(camada)];
                try {
                    *amostra = CurvaAmostra(c, trabalho.SI.Calor[static_cast<std::size_t>(camada)].FatorTabela,
                                            m.Ro * m.CalorEsp, dados.Formulacao == TFormulacao::Consistente);
                } catch (const ErroCalculo& erro) {
                    throw ErroCalculo("a curva adiabática da camada " + Inteiro(camada) +
                                      " leva a amostra do calorímetro a uma temperatura impossível (" + erro.what() +
                                      ")");
                }
            }
        }
        const double fator =
            estado.Corretor ? estado.FatorPasso[i] : FatorElemento(c, e, MediaElemento(trabalho.TAnterior.data(), i));
        const double te0 = estado.Idade[i];
        const double te1 = te0 + passo * fator;
        const double q = amostra ? CalorAmostra(*amostra, te1) - CalorAmostra(*amostra, te0)
                                 : CalorCurva(c, te1) - CalorCurva(c, te0);
        const double taxa = q / dt;
        if (!std::isfinite(taxa)) {
            throw ErroCalculo("o calor pela maturidade do elemento " + Inteiro(e) + " não tem valor finito");
        }
        estado.IdadeFim[i] = te1;
        trabalho.FElemento[i] = taxa;
    }
}

double Preve(const TDadosModelo& dados, TTrabalhoTermico& trabalho) {
    TEstadoMaturidade& estado = trabalho.Maturidade;
    const double passo = TFunc::HorasDoPasso(dados);
    double mudanca = 0.0;
    for (int e = 1; e <= dados.NElemAtivos; ++e) {
        const auto i = static_cast<std::size_t>(e);
        const int camada = trabalho.CamadaElemento[i];
        if (!Ativa(dados, camada)) continue;
        const TCalorInterno& c = dados.CalorCamadas[static_cast<std::size_t>(camada)];
        const double inicio = MediaElemento(trabalho.TAnterior.data(), i);
        // The factor the last assembly used: the start one before any correction.
        const double anterior = estado.Corretor ? estado.FatorPasso[i] : FatorElemento(c, e, inicio);
        const double novo = FatorElemento(c, e, 0.5 * (inicio + MediaElemento(dados.Temperaturas.data(), i)));
        mudanca = std::max(mudanca, passo * std::fabs(novo - anterior));
        estado.FatorPasso[i] = novo;
    }
    estado.Corretor = true;
    return mudanca;
}

void ConcluiPasso(const TDadosModelo& dados, TTrabalhoTermico& trabalho) {
    TEstadoMaturidade& estado = trabalho.Maturidade;
    for (int e = 1; e <= dados.NElemAtivos; ++e) {
        const auto i = static_cast<std::size_t>(e);
        if (Ativa(dados, trabalho.CamadaElemento[i])) estado.Idade[i] = estado.IdadeFim[i];
    }
    estado.Corretor = false;
}

}  // namespace Maturidade
