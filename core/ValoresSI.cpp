#include "core/ValoresSI.h"

void TValoresSI::Deriva(const TDadosModelo& dados, TValoresSI& si) {
    const bool usuais = dados.UnidadesUsuais;
    si.Camadas = dados.Camadas;
    si.Superficie = dados.Superficie;
    si.BetaInf = dados.BetaInf;
    si.BetaSup = dados.BetaSup;
    si.FatorCurva = FatorCurvaSI;
    for (int L = 1; L <= MaxCamadas; ++L) {
        const TCalorInterno& c = dados.CalorCamadas[L];
        TCalorSI& w = si.Calor[L];
        w.Constante = c.Constante;
        w.F = c.F;
        w.N = c.N;
        w.Tr = c.Tr;
        w.E = c.E;
        w.C = c.C;
        w.B = c.B;
        w.Tabela = c.Tabela.data();
        w.FatorTabela = 1.0;
    }
    if (!usuais) return;

    using namespace FatoresUsuais;
    si.BetaInf *= BetaFaces;
    si.BetaSup *= BetaFaces;
    si.Superficie[1].HDia *= BetaVento;
    si.Superficie[1].HNoite *= BetaVento;
    for (int L = 1; L <= MaxCamadas; ++L) {
        si.Camadas[L].K *= Condutividade;
        si.Camadas[L].CalorEsp *= CalorEspecifico;
        si.Superficie[L].BetaS *= BetaCura;
        si.Superficie[L].BetaI *= BetaCura;
        si.Superficie[L].BetaSC *= BetaCura;
        si.Calor[L].F *= CalorConstante;
        si.Calor[L].FatorTabela = TabelaCalor;
    }
}
