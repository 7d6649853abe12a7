#pragma once
#include <functional>
#include <memory>

#include "core/DadosModelo.h"
#include "core/Numeros.h"
#include "core/TabelaTexto.h"

// A member and its temperature history as a complete thermal run leaves them, built by
// hand so that the stress run is checked against known answers.
namespace ModeloTensional {

// The parameters of every creep model as the dialogs offer them at start (the ACI/CEB
// reference modulus 25 GPa, NBR with normal cement, granite and slump 5 to 9 cm).
inline void ParametrosPadrao(TDadosModelo& d) {
    d.EBureauA = 0.111137;  // Bureau, in GPa
    d.EBureauB = 0.03547;
    d.FBureauA = 6.0656;
    d.FBureauB = 8.748;
    d.UmidadeRel = 55;  // ACI 209
    d.SlumpACI = 50;
    d.FinosACI = 45;
    d.TeorArACI = 5;
    d.EspessuraMediaACI = 2000;
    d.VolSupACI = 1000;
    d.ModuloRef = 25000;
    d.Fcm = 21;
    d.ByforsA1 = 2.0e-5;
    d.ByforsA2 = 0.4152;
    d.ByforsA3 = 3.236;
    d.ByforsA4 = 0.135;
    d.AreaCEB = 5e6;  // CEB 1990
    d.PerimetroCEB = 1e4;
    d.MassaEspecifica = 2500;  // Bažant–Panula
    d.RelAguaCimento = 0.45;
    d.RelAgregCimento = 0.65;
    d.RelAreiaCimento = 0.60;
    d.FatorCimento = 1.0;
    d.CimentoNBR = TCimentoNBR::Normal;  // NBR 6118
    d.FckNBR = 30;
    d.AgregadoNBR = TAgregadoNBR::Granito;
    d.UmidadeNBR = 70;
    d.PlacaNBR = false;
    d.AreaNBR = 4;
    d.PerimetroNBR = 2;
    d.SlumpNBR = TSlumpNBR::S5a9;
}

// Layers of thickness `espessura`, `elementos` elements each, placed at the given hours,
// α = 10·10^-6/°C and placement temperature 20 °C; the Bureau model and every model's
// parameters at their defaults.
inline std::unique_ptr<TDadosModelo> Membro(std::initializer_list<int> horas, int elementos, double tempoTotal,
                                            double espessura = 1.0) {
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = static_cast<int>(horas.size());
    d->NElemCamada = elementos;
    d->PassoTempo = 1;
    d->TempoTotal = tempoTotal;
    d->TermicoCompleto = true;
    int l = 1;
    for (int h : horas) {
        TCamada& c = d->Camadas[l];
        c.Espessura = espessura;
        c.XIni = (l - 1) * espessura;
        c.Alfa = 10e-6;
        c.HoraConcretagem = h;
        c.TInicial = 20.0;
        ++l;
    }
    const int N = d->NCamadas * elementos;
    for (int e = 1; e <= N; ++e) {
        d->Elementos[e] = d->Camadas[(e - 1) / elementos + 1];
        d->Elementos[e].Espessura = espessura / elementos;
        d->Elementos[e].XIni = (e - 1) * (espessura / elementos);
    }
    d->ModeloFluencia = TModeloFluencia::Bureau;
    ParametrosPadrao(*d);
    return d;
}

// Temperature table as the thermal engine writes it ("%7.2f", decimal comma), with
// temperatura(node, hour on the absolute clock).
inline TabelaTexto Temperaturas(const TDadosModelo& d, const std::function<double(int, int)>& temperatura) {
    const int nos = d.NCamadas * d.NElemCamada + 1;
    const int t0 = d.Camadas[1].HoraConcretagem;
    const int linhas = static_cast<int>(Numeros::Trunc(d.TempoTotal)) - t0 + 1;
    TabelaTexto t(nos + 1, linhas);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c <= nos; ++c) t.Celula(c, 0) = "    Nó " + Numeros::FormataInteiro(c);
    for (int r = 1; r < linhas; ++r) {
        t.Celula(0, r) = Numeros::FormataInteiro(t0 + r);
        for (int c = 1; c <= nos; ++c) t.Celula(c, r) = Numeros::FormataFixo(temperatura(c, t0 + r), 7, 2);
    }
    return t;
}

}  // namespace ModeloTensional
