#pragma once
#include <cmath>
#include <string>

#include "core/DadosModelo.h"

// Work values of the Bažant–Panula double power law for one evaluation.
struct TParametrosBazant {
    double Alfa = 0.0;
    double M = 0.0;
    double N = 0.0;
    double Fi1 = 0.0;
};

// Material functions of the stress analysis: creep compliance of the five models and
// the modulus, strength and age functions they use. Ages t, t0 in days, moduli in MPa,
// J in 1/MPa (strain = J·stress). Powers are exp(y·ln x); a base that is not positive
// under a fractional exponent gives NaN, which the driver reports as a failure.
// No routine checks its inputs: a zero Fcm, perimeter or denominator yields a
// non-finite value that the driver turns into ErroCalculo.
class TFuncao {
public:
    // x^y as exp(y·ln x); for x ≤ 0 only whole exponents are defined.
    static double Potencia(double x, double y);

    // Compliance for loading at hour index j and current hour index i (1 ≤ j ≤ i),
    // t0 = j/24, t = i/24. `temperaturasNo` (°C, entry k = age k + 1 hours) is read only by
    // the maturity correction of the Bažant model; it may be null otherwise.
    static double FuncaoFluencia(const TDadosModelo& d, int j, int i, const double* temperaturasNo = nullptr);
    // Name of the chosen model as the messages show it.
    static std::string NomeModelo(TModeloFluencia modelo);

    // Bureau of Reclamation: E(t0) = t0/(a + b·t0) (·1000 when in GPa), F(t0) = a + b/t0.
    static double ModuloBureau(const TDadosModelo& d, double t0);
    static double CoefFluenciaBureau(const TDadosModelo& d, double t0);
    // J = 1/E(t0) + 10^-6·F(t0)·ln(1 + t − t0).
    static double FluenciaBureau(double E, double F, double t, double t0) {
        return 1.0 / E + 1e-6 * F * std::log(1.0 + t - t0);
    }

    // Byfors modulus at an age th in hours.
    static double ModuloByfors(const TDadosModelo& d, double th);
    // Modulus of ACI and CEB: ModuloRef, or Byfors at the loading hour j taken as hours.
    static double ModuloACICEB(const TDadosModelo& d, int j);

    // ACI 209.
    static double FuncaoTempoACI(double t, double t0);
    static double CoefFluenciaUltimoACI(const TDadosModelo& d, double t, double t0);
    static double FatorIdadeACI(const TDadosModelo& d, double t0);  // γla
    static double FatorEspessuraACI(const TDadosModelo& d, double t, double t0);  // γh
    // φu = 2.35·γla·γλ·γh·γs·γψ·γα from the loading-age and thickness factors and the rest.
    static double CombinaUltimoACI(double gla, double glambda, double gh, double gs, double gpsi, double galfa) {
        return 2.35 * gla * glambda * gh * gs * gpsi * galfa;
    }
    static double FatorUmidadeACI(const TDadosModelo& d);  // γλ
    static double FatorSlumpACI(const TDadosModelo& d);    // γs
    static double FatorFinosACI(const TDadosModelo& d);    // γψ
    static double FatorArACI(const TDadosModelo& d);       // γα

    // CEB 1990.
    static double CoefFluenciaNocionalCEB(const TDadosModelo& d, double t0);  // φ0
    // βH, capped at 1500; NaN when the perimeter is zero (no notional size).
    static double BetaHCEB(const TDadosModelo& d);
    static double FuncaoTempoCEB(double betaH, double t, double t0);  // βc

    // Bažant–Panula.
    static double ModuloBazant(const TDadosModelo& d);  // E0 from density and strength
    static double ModuloBazantUsado(const TDadosModelo& d) {
        return d.EOtimizado ? d.ModuloRef : ModuloBazant(d);
    }
    static TParametrosBazant ParametrosBazant(const TDadosModelo& d);
    // Maturity factors of the node at temperature T (°C) at the current age: n ← n·rN,
    // φ1 ← φ1·(1 + rT·rC·q).
    static void MaturidadeBazant(const TDadosModelo& d, double temperatura, TParametrosBazant& p);
    // J = 1/E0 + (t0^-m + α)·(φ1/E0)·(t − t0 + 1)^n, with t0^-m given.
    static double FluenciaBazant(double E0, const TParametrosBazant& p, double t0m, double t, double t0) {
        return 1.0 / E0 + (t0m + p.Alfa) * (p.Fi1 / E0) * Potencia(t - t0 + 1.0, p.N);
    }

    // NBR 6118.
    static double TemperaturaMediaNBR(const TDadosModelo& d);
    static double IdadeFicticiaNBR(const TDadosModelo& d, double t);
    static double ResistenciaNBR(const TDadosModelo& d, double t);
    static double ModuloNBR(const TDadosModelo& d, double f);
    static double EspessuraFicticiaNBR(const TDadosModelo& d);
    static double FluenciaRapidaNBR(const TDadosModelo& d, double t0);
    static double FluenciaLentaNBR(const TDadosModelo& d);
    static double BetaFNBR(const TDadosModelo& d, double t);
    static double BetaDNBR(const TDadosModelo& d, double t, double t0);
    static double CoefFluenciaNBR(const TDadosModelo& d, double t, double t0);
    // φ(t, t0) = φa(t0) + φf∞·(βf(t) − βf(t0)) + 0.4·βd(t, t0).
    static double CombinaCoefNBR(double fia, double fif, double betaFt, double betaFt0, double betaD) {
        return fia + fif * (betaFt - betaFt0) + 0.4 * betaD;
    }
    // βd from the fictitious ages τ and τ0.
    static double BetaDFicticia(double tau, double tau0) { return (tau - tau0 + 20.0) / (tau - tau0 + 70.0); }
};
