#include "obra/TemperaturaMistura.h"

#include <cmath>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace TemperaturaMistura {
namespace {

std::string Num(double v) { return Numeros::FormataFixo(v, 0, 2); }

void Positivo(double v, const std::string& campo) {
    if (!std::isfinite(v) || v <= 0.0) throw ErroEntrada(campo + " deve ser maior que zero (lido " + Num(v) + ").");
}
void NaoNegativo(double v, const std::string& campo) {
    if (!std::isfinite(v) || v < 0.0) throw ErroEntrada(campo + " não pode ser negativa (lido " + Num(v) + ").");
}
void Temperatura(double v, const std::string& campo) {
    if (!std::isfinite(v) || v < -60.0 || v > 100.0)
        throw ErroEntrada(campo + " deve estar entre -60 e 100 °C (lido " + Num(v) + ").");
}

void Valida(const Mistura& m) {
    NaoNegativo(m.Cimento.Massa, "A massa do cimento");
    Temperatura(m.Cimento.Temperatura, "A temperatura do cimento");
    Positivo(m.Cimento.CalorEspecifico, "O calor específico do cimento");
    for (const Agregado& a : m.Agregados) {
        const std::string nome = a.Nome.empty() ? std::string("do agregado") : "de " + a.Nome;
        NaoNegativo(a.Massa, "A massa " + nome);
        Temperatura(a.Temperatura, "A temperatura " + nome);
        Positivo(a.CalorEspecifico, "O calor específico " + nome);
        if (!std::isfinite(a.Umidade) || a.Umidade < 0.0 || a.Umidade > 30.0)
            throw ErroEntrada("A umidade livre " + nome + " deve estar entre 0 e 30 % (lido " + Num(a.Umidade) + ").");
    }
    NaoNegativo(m.Agua.Massa, "A massa da água");
    Temperatura(m.Agua.Temperatura, "A temperatura da água");
    Positivo(m.Agua.CalorEspecifico, "O calor específico da água");
    NaoNegativo(m.Gelo.Massa, "A massa do gelo");
    if (!std::isfinite(m.Gelo.Temperatura) || m.Gelo.Temperatura > 0.0 || m.Gelo.Temperatura < -60.0)
        throw ErroEntrada("A temperatura do gelo deve estar entre -60 e 0 °C (lido " + Num(m.Gelo.Temperatura) + ").");
    Positivo(m.Gelo.CalorEspecifico, "O calor específico do gelo");
    Positivo(m.CalorFusao, "O calor de fusão do gelo");
    if (!std::isfinite(m.Ganho) || std::fabs(m.Ganho) > 30.0)
        throw ErroEntrada("O ganho na mistura e no transporte deve estar entre -30 e 30 °C (lido " + Num(m.Ganho) + ").");
}

// Heat content (Σ m·c·T) and capacity (Σ m·c) of everything but the mixing water and
// the ice.
struct Parcial {
    double Calor = 0.0;
    double Capacidade = 0.0;
};
Parcial Solidos(const Mistura& m) {
    Parcial p;
    p.Calor += m.Cimento.Massa * m.Cimento.CalorEspecifico * m.Cimento.Temperatura;
    p.Capacidade += m.Cimento.Massa * m.Cimento.CalorEspecifico;
    for (const Agregado& a : m.Agregados) {
        const double agua = a.Massa * a.Umidade / 100.0;
        p.Calor += (a.Massa * a.CalorEspecifico + agua * m.Agua.CalorEspecifico) * a.Temperatura;
        p.Capacidade += a.Massa * a.CalorEspecifico + agua * m.Agua.CalorEspecifico;
    }
    return p;
}

// What a kilogram of ice takes from the mix on its way to water at 0 °C, per unit of
// the water's specific heat: c_gelo·(0 − T_gelo) + L.
double AbsorcaoGelo(const Mistura& m) { return m.Gelo.CalorEspecifico * (0.0 - m.Gelo.Temperatura) + m.CalorFusao; }

}  // namespace

double Temperatura(const Mistura& m) {
    Valida(m);
    const Parcial s = Solidos(m);
    const double cw = m.Agua.CalorEspecifico;
    const double calor = s.Calor + m.Agua.Massa * cw * m.Agua.Temperatura - m.Gelo.Massa * AbsorcaoGelo(m);
    const double capacidade = s.Capacidade + (m.Agua.Massa + m.Gelo.Massa) * cw;
    if (capacidade <= 0.0) throw ErroEntrada("A mistura não tem massa: informe ao menos um constituinte.");
    return calor / capacidade + m.Ganho;
}

GeloNecessario GeloParaAlvo(const Mistura& m, double alvo) {
    Valida(m);
    if (!std::isfinite(alvo) || alvo < -60.0 || alvo > 100.0)
        throw ErroEntrada("A temperatura de lançamento desejada deve estar entre -60 e 100 °C (lido " + Num(alvo) + ").");
    // All the mixing water (liquid and ice) stays; x kg of it become ice:
    //   T(x) = [S + (W − x)·cw·Tw − x·A] / (C + W·cw) + ganho, linear in x.
    const Parcial s = Solidos(m);
    const double cw = m.Agua.CalorEspecifico;
    const double w = m.Agua.Massa + m.Gelo.Massa;
    const double capacidade = s.Capacidade + w * cw;
    if (capacidade <= 0.0) throw ErroEntrada("A mistura não tem massa: informe ao menos um constituinte.");
    const double semGelo = (s.Calor + w * cw * m.Agua.Temperatura) / capacidade + m.Ganho;
    GeloNecessario r;
    if (semGelo <= alvo) {
        r.Possivel = true;
        return r;
    }
    const double porKg = (cw * m.Agua.Temperatura + AbsorcaoGelo(m)) / capacidade;  // °C per kg of ice
    const double x = (semGelo - alvo) / porKg;
    if (x > w) {
        r.Motivo = "Seriam precisos " + Num(x) + " kg/m³ de gelo, mais que toda a água da mistura (" + Num(w) +
                   " kg/m³): resfrie também os agregados, o cimento ou a água.";
        return r;
    }
    r.Possivel = true;
    r.Massa = x;
    return r;
}

Mistura ComGelo(const Mistura& m, double gelo) {
    const double total = m.Agua.Massa + m.Gelo.Massa;
    if (!std::isfinite(gelo) || gelo < 0.0 || gelo > total) {
        throw ErroEntrada("O gelo deve estar entre 0 e " + Num(total) + " kg/m³, a água e o gelo da mistura (lido " +
                          Num(gelo) + ").");
    }
    Mistura r = m;
    r.Gelo.Massa = gelo;
    r.Agua.Massa = total - gelo;
    return r;
}

}  // namespace TemperaturaMistura
