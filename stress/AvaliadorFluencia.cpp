#include "stress/AvaliadorFluencia.h"

#include <cmath>
#include <limits>

TAvaliadorFluencia::TAvaliadorFluencia(const TDadosModelo& dados, int ordem)
    : d_(dados), ordem_(ordem), idade_(static_cast<std::size_t>(ordem) + 1) {
    const auto n = static_cast<std::size_t>(ordem) + 1;
    for (int k = 1; k <= ordem; ++k) idade_[static_cast<std::size_t>(k)] = k / 24.0;
    auto porCarga = [&](std::vector<double>& v, auto f) {
        v.assign(n, 0.0);
        for (int j = 1; j <= ordem; ++j) v[static_cast<std::size_t>(j)] = f(j, idade_[static_cast<std::size_t>(j)]);
    };
    switch (d_.ModeloFluencia) {
        case TModeloFluencia::Bureau:
            porCarga(porCarga1_, [&](int, double t0) { return TFuncao::ModuloBureau(d_, t0); });
            porCarga(porCarga2_, [&](int, double t0) { return TFuncao::CoefFluenciaBureau(d_, t0); });
            break;
        case TModeloFluencia::ACI209:
            porCarga(porCarga1_, [&](int j, double) { return TFuncao::ModuloACICEB(d_, j); });
            porCarga(porCarga2_, [&](int, double t0) { return TFuncao::FatorIdadeACI(d_, t0); });
            c1_ = TFuncao::FatorUmidadeACI(d_);
            c2_ = TFuncao::FatorEspessuraACI(d_, 0.0, 0.0);    // load within a year
            c3_ = TFuncao::FatorEspessuraACI(d_, 365.0, 0.0);  // load of a year or more
            c4_ = TFuncao::FatorSlumpACI(d_);
            c5_ = TFuncao::FatorFinosACI(d_);
            c6_ = TFuncao::FatorArACI(d_);
            break;
        case TModeloFluencia::CEB1990:
            porCarga(porCarga1_, [&](int j, double) { return TFuncao::ModuloACICEB(d_, j); });
            porCarga(porCarga2_, [&](int, double t0) { return TFuncao::CoefFluenciaNocionalCEB(d_, t0); });
            c1_ = TFuncao::BetaHCEB(d_);
            break;
        case TModeloFluencia::Bazant:
            bazant_ = TFuncao::ParametrosBazant(d_);
            c1_ = TFuncao::ModuloBazantUsado(d_);
            porCarga(porCarga1_, [&](int, double t0) { return TFuncao::Potencia(t0, -bazant_.M); });
            break;
        case TModeloFluencia::NBR6118:
            porCarga(porCarga1_, [&](int, double t0) {
                return TFuncao::ModuloNBR(d_, TFuncao::ResistenciaNBR(d_, TFuncao::IdadeFicticiaNBR(d_, t0)));
            });
            porCarga(porCarga2_, [&](int, double t0) { return TFuncao::FluenciaRapidaNBR(d_, t0); });
            porCarga(porIdade1_, [&](int, double t) { return TFuncao::BetaFNBR(d_, t); });
            porCarga(porIdade2_, [&](int, double t) { return TFuncao::IdadeFicticiaNBR(d_, t); });
            c1_ = TFuncao::FluenciaLentaNBR(d_);
            c2_ = TFuncao::ModuloNBR(d_, d_.FckNBR);
            break;
        case TModeloFluencia::Nenhum:
            break;
    }
    // A loading age whose modulus or coefficient is not a finite number (a Bureau
    // denominator a + b·t0 of zero gives an infinite modulus and a compliance that looks
    // finite) makes every compliance of that age a failure.
    invalida_.assign(n, false);
    for (const auto* v : {&porCarga1_, &porCarga2_})
        for (std::size_t j = 0; j < v->size(); ++j)
            if (!std::isfinite((*v)[j])) invalida_[j] = algumaInvalida_ = true;
}

void TAvaliadorFluencia::MarcaInvalidas(int primeira, int ultima, double* saida) const {
    if (!algumaInvalida_) return;
    for (int j = primeira; j <= ultima; ++j)
        if (invalida_[static_cast<std::size_t>(j)]) saida[j - primeira] = std::numeric_limits<double>::quiet_NaN();
}

void TAvaliadorFluencia::Linha(int i, double* linha) const { Trecho(i - 1, 0, i, linha); }

void TAvaliadorFluencia::Trecho(int i, int j0, int j1, double* saida) const {
    // Hours counted from 1: loading hours j0 + 1 .. j1 at hour i + 1.
    Preenche(i + 1, j0 + 1, j1, saida);
    MarcaInvalidas(j0 + 1, j1, saida);
}

void TAvaliadorFluencia::Preenche(int i, int primeira, int ultima, double* saida) const {
    const double t = idade_[static_cast<std::size_t>(i)];
    switch (d_.ModeloFluencia) {
        case TModeloFluencia::Bureau:
            for (int j = primeira; j <= ultima; ++j)
                saida[j - primeira] = TFuncao::FluenciaBureau(porCarga1_[static_cast<std::size_t>(j)],
                                                              porCarga2_[static_cast<std::size_t>(j)], t,
                                                              idade_[static_cast<std::size_t>(j)]);
            return;
        case TModeloFluencia::ACI209:
            for (int j = primeira; j <= ultima; ++j) {
                const double t0 = idade_[static_cast<std::size_t>(j)];
                const double gh = (t - t0 < 365.0) ? c2_ : c3_;
                const double fiu =
                    TFuncao::CombinaUltimoACI(porCarga2_[static_cast<std::size_t>(j)], c1_, gh, c4_, c5_, c6_);
                const double fi = fiu * TFuncao::FuncaoTempoACI(t, t0);
                saida[j - primeira] = (1.0 + fi) / porCarga1_[static_cast<std::size_t>(j)];
            }
            return;
        case TModeloFluencia::CEB1990:
            for (int j = primeira; j <= ultima; ++j) {
                const double t0 = idade_[static_cast<std::size_t>(j)];
                const double fi = porCarga2_[static_cast<std::size_t>(j)] * TFuncao::FuncaoTempoCEB(c1_, t, t0);
                saida[j - primeira] = (1.0 + fi) / porCarga1_[static_cast<std::size_t>(j)];
            }
            return;
        case TModeloFluencia::Bazant:
            for (int j = primeira; j <= ultima; ++j)
                saida[j - primeira] = TFuncao::FluenciaBazant(c1_, bazant_, porCarga1_[static_cast<std::size_t>(j)],
                                                              t, idade_[static_cast<std::size_t>(j)]);
            return;
        case TModeloFluencia::NBR6118: {
            const auto ui = static_cast<std::size_t>(i);
            for (int j = primeira; j <= ultima; ++j) {
                const auto uj = static_cast<std::size_t>(j);
                const double fi = TFuncao::CombinaCoefNBR(porCarga2_[uj], c1_, porIdade1_[ui], porIdade1_[uj],
                                                          TFuncao::BetaDFicticia(porIdade2_[ui], porIdade2_[uj]));
                saida[j - primeira] = 1.0 / porCarga1_[uj] + fi / c2_;
            }
            return;
        }
        case TModeloFluencia::Nenhum:
            break;
    }
    for (int j = primeira; j <= ultima; ++j) saida[j - primeira] = std::numeric_limits<double>::quiet_NaN();
}

void TAvaliadorFluencia::LinhaMaturidade(int i, double temperatura, double* linha) const {
    if (d_.ModeloFluencia != TModeloFluencia::Bazant) {
        Linha(i, linha);
        return;
    }
    // The correction depends only on the current age: one per row.
    TParametrosBazant p = bazant_;
    TFuncao::MaturidadeBazant(d_, temperatura, p);
    const double t = idade_[static_cast<std::size_t>(i)];
    for (int j = 1; j <= i; ++j)
        linha[j - 1] = TFuncao::FluenciaBazant(c1_, p, porCarga1_[static_cast<std::size_t>(j)], t,
                                               idade_[static_cast<std::size_t>(j)]);
    MarcaInvalidas(1, i, linha);
}
