#include "mistura/Hidratacao.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace Hidratacao {

namespace {

// J per calorie of the heat record (Q = C·E·4186 J/kcal).
constexpr double JoulesPorCaloria = 4.186;

// x^y for x > 0, as the other models of the program compute powers.
double Pot(double x, double y) { return std::exp(y * std::log(x)); }

// Ranges of the cements and mixes of the calibration data (approximate bounds).
struct Faixa {
    const char* nome;
    double min, max;
    const char* unidade;
};
constexpr Faixa FaixaAguaAglomerante{"relação água/aglomerante", 0.40, 0.60, ""};
constexpr Faixa FaixaC3A{"C3A do cimento", 2.0, 12.0, " %"};
constexpr Faixa FaixaC4AF{"C4AF do cimento", 5.0, 15.0, " %"};
constexpr Faixa FaixaSO3{"SO3 do cimento", 2.0, 4.0, " %"};
constexpr Faixa FaixaBlaine{"finura Blaine", 300.0, 600.0, " m²/kg"};
constexpr Faixa FaixaEscoria{"escória no aglomerante", 0.0, 70.0, " %"};
constexpr Faixa FaixaPozolana{"pozolana no aglomerante", 0.0, 45.0, " %"};
constexpr Faixa FaixaCaOPozolana{"CaO da pozolana", 0.0, 30.0, " %"};

std::string Texto(double x) { return Numeros::FormataGeral(Numeros::ArredondaFixo(x, 2)); }

void Confere(std::vector<std::string>& avisos, const Faixa& f, double x) {
    if (x >= f.min && x <= f.max) return;
    avisos.push_back(std::string(f.nome) + " = " + Texto(x) + f.unidade + ", fora da faixa calibrada (" +
                     Texto(f.min) + " a " + Texto(f.max) + f.unidade + ")");
}

void Recusa(const std::string& motivo) { throw ErroEntrada("Dosagem: " + motivo); }

}  // namespace

TFracoes Fracoes(const TDosagem& d) {
    const TCimento& c = d.Cimento;
    const double cimento = 1.0 - (d.Escoria + d.Pozolana + d.Silica + d.Filer) / 100.0;
    TFracoes f;
    f.Cimento = cimento * (1.0 - (c.Escoria + c.Pozolana + c.Filer) / 100.0);
    f.Escoria = d.Escoria / 100.0 + cimento * c.Escoria / 100.0;
    const double pozPlanta = d.Pozolana / 100.0, pozCimento = cimento * c.Pozolana / 100.0;
    f.Pozolana = pozPlanta + pozCimento;
    f.CaOPozolana = f.Pozolana > 0.0 ? (pozPlanta * d.CaOPozolana + pozCimento * c.CaOPozolana) / 100.0 / f.Pozolana : 0.0;
    f.Silica = d.Silica / 100.0;
    f.Filer = d.Filer / 100.0 + cimento * c.Filer / 100.0;
    return f;
}

TParametros Calcula(const TDosagem& d) {
    const TCimento& c = d.Cimento;
    if (!(d.Aglomerante > 0.0)) Recusa("o consumo de aglomerante deve ser maior que zero");
    if (!(d.AguaAglomerante > 0.0)) Recusa("a relação água/aglomerante deve ser maior que zero");
    if (d.Escoria + d.Pozolana + d.Silica + d.Filer >= 100.0)
        Recusa("as adições somam 100 % ou mais do aglomerante: não sobra cimento");
    if (c.Escoria + c.Pozolana + c.Filer >= 100.0) Recusa("as adições do cimento somam 100 % ou mais");
    if (!(c.C3A > 0.0) || !(c.C4AF > 0.0) || !(c.SO3 > 0.0))
        Recusa("C3A, C4AF e SO3 do cimento devem ser maiores que zero (o modelo eleva cada um a uma potência)");
    if (!(c.Blaine > 0.0)) Recusa("a finura Blaine deve ser maior que zero");

    const TFracoes f = Fracoes(d);
    const double pC3A = c.C3A / 100.0, pC4AF = c.C4AF / 100.0, pSO3 = c.SO3 / 100.0;
    TParametros p;
    p.Hcem = 500.0 * c.C3S / 100.0 + 260.0 * c.C2S / 100.0 + 866.0 * pC3A + 420.0 * pC4AF + 624.0 * pSO3 +
             1186.0 * c.CaOLivre / 100.0 + 850.0 * c.MgO / 100.0;
    p.Hu = p.Hcem * f.Cimento + 461.0 * f.Escoria + 1800.0 * f.CaOPozolana * f.Pozolana;
    p.QTotal = p.Hu * 1000.0 * d.Aglomerante;
    const double wc = d.AguaAglomerante;
    p.AlfaU = std::min(1.0, 1.031 * wc / (0.194 + wc) + 0.50 * f.Pozolana + 0.30 * f.Escoria);
    p.Tau = 66.78 * Pot(pC3A, -0.154) * Pot(pC4AF, -0.401) * Pot(c.Blaine, -0.804) * Pot(pSO3, -0.758) *
            std::exp(2.187 * f.Escoria + 9.50 * f.Pozolana * f.CaOPozolana);
    p.Beta = 181.4 * Pot(pC3A, 0.146) * Pot(pC4AF, 0.227) * Pot(c.Blaine, -0.535) * Pot(pSO3, 0.558) *
             std::exp(-0.647 * f.Escoria);
    const double fE = 1.0 - 1.05 * f.Pozolana * (1.0 - f.CaOPozolana / 0.40) + 0.40 * f.Escoria;
    p.Ea = 22100.0 * fE * Pot(pC3A, 0.30) * Pot(pC4AF, 0.25) * Pot(c.Blaine, 0.35);
    return p;
}

std::vector<std::string> Avisos(const TDosagem& d) {
    std::vector<std::string> avisos;
    const TFracoes f = Fracoes(d);
    Confere(avisos, FaixaAguaAglomerante, d.AguaAglomerante);
    Confere(avisos, FaixaC3A, d.Cimento.C3A);
    Confere(avisos, FaixaC4AF, d.Cimento.C4AF);
    Confere(avisos, FaixaSO3, d.Cimento.SO3);
    Confere(avisos, FaixaBlaine, d.Cimento.Blaine);
    Confere(avisos, FaixaEscoria, 100.0 * f.Escoria);
    Confere(avisos, FaixaPozolana, 100.0 * f.Pozolana);
    if (f.Pozolana > 0.0) Confere(avisos, FaixaCaOPozolana, 100.0 * f.CaOPozolana);
    if (f.Silica > 0.0)
        avisos.push_back("sílica ativa = " + Texto(100.0 * f.Silica) +
                         " %: o modelo não a inclui; entra só diluindo o cimento (calor e tempos do cimento)");
    if (f.Filer > 0.0)
        avisos.push_back("fíler = " + Texto(100.0 * f.Filer) +
                         " %: o modelo não o inclui; entra só diluindo o cimento (não acelera a hidratação)");
    if (f.Escoria > 0.0 && f.Pozolana > 0.0)
        avisos.push_back("escória e pozolana juntas: o modelo foi ajustado com uma adição de cada vez");
    return avisos;
}

void Aplica(const TParametros& p, const TDosagem& d, bool tabelaCalorimetro, TCalorInterno& c) {
    if (!tabelaCalorimetro) {
        c.C = d.Aglomerante;
        c.E = p.Hu / JoulesPorCaloria;
        c.AlfaU = p.AlfaU;
        c.Tau = p.Tau;
        c.BetaHid = p.Beta;
    }
    c.EnergiaAtivacao = p.Ea;
    c.TRef = TRefModelo;
    c.Maturidade = true;
}

int Recalcula(TDadosModelo& dados, int primeira, int ultima, const std::function<void(TDosagem&)>& muda) {
    std::vector<std::pair<int, TDosagem>> novas;
    std::vector<TParametros> parametros;
    for (const auto& [camada, dosagem] : dados.Dosagens) {
        if (camada < primeira || camada > ultima) continue;
        TDosagem d = dosagem;
        muda(d);
        try {
            parametros.push_back(Calcula(d));
        } catch (const ErroEntrada& e) {
            throw ErroEntrada(std::string(e.what()) + " (camada " + std::to_string(camada) + ")");
        }
        novas.emplace_back(camada, d);
    }
    for (std::size_t i = 0; i < novas.size(); ++i) {
        const auto& [camada, d] = novas[i];
        dados.Dosagens[camada] = d;
        Aplica(parametros[i], d, dados.CalorDiscreto, dados.CalorCamadas[static_cast<std::size_t>(camada)]);
    }
    return static_cast<int>(novas.size());
}

}  // namespace Hidratacao
