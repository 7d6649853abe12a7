#include "core/ValoresSI.h"

void TValoresSI::Deriva(const TDadosModelo& dados, TValoresSI& si) {
    const bool usuais = dados.UnidadesUsuais;
    si.Camadas = dados.Camadas;
    si.Superficie = dados.Superficie;
    si.BetaInf = dados.BetaInf;
    si.BetaSup = dados.BetaSup;
    si.FatorCurva = FatorCurvaSI;
    for (int L = 1; L <= MaxCamadas; ++L) {
        si.Calor[L].Registro = &dados.CalorCamadas[L];
        si.Calor[L].F = dados.CalorCamadas[L].F;
        si.Calor[L].FatorTabela = 1.0;
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
