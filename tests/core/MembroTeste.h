#pragma once
// Members built for the engine tests, and a recorder of the progress calls.
#include <memory>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Progresso.h"

namespace teste {

// A stack of `camadas` layers of 1 m, k = 2 W/(m·°C), ρ = 2400 kg/m³, c = 1000 J/(kg·°C),
// placed every `intervalo` hours from `t0` at 20 °C, no heat, no exchange, no radiation,
// constant ambient 20 °C, PassoTempo 1.
inline std::unique_ptr<TDadosModelo> Membro(int camadas, int elementos, int t0, int intervalo, double tempoTotal) {
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = camadas;
    d->NCamadasMembro = camadas;
    d->NElemCamada = elementos;
    d->NElemAtivos = elementos;
    d->PassoTempo = 1;
    d->TempoTotal = tempoTotal;
    d->TAmbConst = 20.0;
    d->QRadiacao = 0.0;
    for (int L = 1; L <= camadas; ++L) {
        TCamada& c = d->Camadas[L];
        c.K = 2.0;
        c.Espessura = 1.0;
        c.XIni = L - 1.0;
        c.Ro = 2400.0;
        c.CalorEsp = 1000.0;
        c.Alfa = 1e-5;
        c.HoraConcretagem = t0 + (L - 1) * intervalo;
        c.TInicial = 20.0;
        d->CalorCamadas[L].Constante = true;
        d->CalorCamadas[L].F = 0.0;
    }
    return d;
}

// Calmon-type curve parameters of a common cement.
inline void CurvaHidratacao(TDadosModelo& d) {
    for (int L = 1; L <= d.NCamadas; ++L) {
        TCalorInterno& c = d.CalorCamadas[L];
        c.Constante = false;
        c.C = 300.0;
        c.E = 80.0;
        c.Tr = 0.0;
        c.N = 0.45;
        c.B = 7.0;
    }
}

// The member the benchmarks time: lifts placed a day apart from hour 8, hydration
// curve, daily ambient cycle, day/night top coefficient, 200 W/m² of radiation.
inline std::unique_ptr<TDadosModelo> MembroDeBancada(int camadas, int elementos, double horas) {
    auto d = Membro(camadas, elementos, 8, 24, 8 + horas);
    CurvaHidratacao(*d);
    d->TAmbConstante = false;
    d->TAmbMax = 30;
    d->TAmbMin = 18;
    d->HoraTAmbMax = 15;
    d->HoraTAmbMin = 3;
    d->CoefConvConstante = false;
    d->BetaInf = 5.0 * 3600;
    d->Superficie[1] = TTrocaCalor{77760, 92160, 6, 18, 0, 0, 0, 0, 0, 0};
    d->QRadiacao = 200;
    return d;
}

struct Gravador : Progresso {
    std::vector<int> Barra;
    std::vector<int> Gauge;
    std::vector<std::string> Textos;
    int Maximo = -1;
    int Repinturas = 0;
    int Mostrou = 0;
    void MaximoGauge(int m) override { Maximo = m; }
    void PosicaoGauge(int p) override { Gauge.push_back(p); }
    void MostraBarra() override { ++Mostrou; }
    void PosicaoBarra(int p) override { Barra.push_back(p); }
    void Status(std::string_view t) override {
        if (Textos.empty() || Textos.back() != t) Textos.emplace_back(t);
    }
    void Repinta() override { ++Repinturas; }
};

}  // namespace teste
