#pragma once
#include <functional>
#include <memory>

#include "core/DadosModelo.h"
#include "core/Numeros.h"
#include "core/TabelaTexto.h"

// A member and its temperature history as a complete thermal run leaves them, built by
// hand so that the stress run is checked against known answers.
namespace ModeloTensional {

// Layers of thickness `espessura`, `elementos` elements each, placed at the given hours,
// α = 10·10^-6/°C and placement temperature 20 °C; Bureau defaults (in GPa).
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
    d->EBureauA = 0.111137;
    d->EBureauB = 0.03547;
    d->FBureauA = 6.0656;
    d->FBureauB = 8.748;
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
