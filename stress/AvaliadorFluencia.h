#pragma once
#include <vector>

#include "core/DadosModelo.h"
#include "stress/Funcao.h"
#include "stress/MatrizFluencia.h"

// The compliance of the chosen model, one row at a time, for hour indices up to an
// order H. What depends only on the loading age, only on the current age or on neither
// is computed once through the TFuncao routines and combined per entry by the same
// expressions as TFuncao::FuncaoFluencia, so each entry is bit for bit the value that
// FuncaoFluencia (j, i) gives.
class TAvaliadorFluencia : public FonteFluencia {
public:
    TAvaliadorFluencia(const TDadosModelo& dados, int ordem);

    int Ordem() const { return ordem_; }

    // linha[j − 1] = J(j, i) for j = 1..i.
    void Linha(int i, double* linha) const;
    // Entries (i, j0..j1 − 1) of the compliance matrix, counted from 0: J(j + 1, i + 1).
    void Trecho(int i, int j0, int j1, double* saida) const override;
    // The same with the maturity correction of the Bažant model for a node whose
    // temperature at age i hours is `temperatura` (°C).
    void LinhaMaturidade(int i, double temperatura, double* linha) const;

private:
    // saida[j − primeira] = J(j, i) for j = primeira..ultima, hours counted from 1.
    void Preenche(int i, int primeira, int ultima, double* saida) const;
    void MarcaInvalidas(int primeira, int ultima, double* saida) const;

    const TDadosModelo& d_;
    int ordem_;
    std::vector<double> idade_;  // idade_[k] = k/24 days
    // Per loading index j (entry j); their meaning depends on the model.
    std::vector<double> porCarga1_, porCarga2_;
    std::vector<bool> invalida_;  // loading ages whose values above are not finite
    bool algumaInvalida_ = false;
    // Per index k of either age (NBR: βf and the fictitious age).
    std::vector<double> porIdade1_, porIdade2_;
    double c1_ = 0.0, c2_ = 0.0, c3_ = 0.0, c4_ = 0.0, c5_ = 0.0, c6_ = 0.0;
    TParametrosBazant bazant_{};
};
