#include "stress/Funcao.h"

#include <cmath>
#include <limits>

#include "stress/ResistenciaIdades.h"

double TFuncao::Potencia(double x, double y) {
    if (x > 0.0) return std::exp(y * std::log(x));
    // A zero or negative base has a value only under a whole exponent.
    if (y == std::trunc(y)) return std::pow(x, y);
    return std::numeric_limits<double>::quiet_NaN();
}

std::string TFuncao::NomeModelo(TModeloFluencia modelo) {
    switch (modelo) {
        case TModeloFluencia::Bureau: return "U. S. Bureau of Reclamation";
        case TModeloFluencia::ACI209: return "ACI 209";
        case TModeloFluencia::CEB1990: return "CEB 1990";
        case TModeloFluencia::Bazant: return "Bažant-Panula";
        case TModeloFluencia::NBR6118: return "NBR 6118";
        case TModeloFluencia::Nenhum: break;
    }
    return "nenhum";
}

// ---- Bureau of Reclamation ----

double TFuncao::ModuloBureau(const TDadosModelo& d, double t0) {
    const double E = t0 / (d.EBureauA + d.EBureauB * t0);
    return d.EEmGPa ? E * 1000.0 : E;
}

double TFuncao::CoefFluenciaBureau(const TDadosModelo& d, double t0) { return d.FBureauA + d.FBureauB / t0; }

// ---- Byfors ----

double TFuncao::ModuloByfors(const TDadosModelo& d, double th) {
    const double a1 = d.ByforsA1, a2 = d.ByforsA2, a3 = d.ByforsA3, a4 = d.ByforsA4;
    const double p = a1 * Potencia(th, a3);
    const double q = (a1 / a2) * Potencia(th, a3 - a4);
    const double fc = d.Fcm * p / (1.0 + q);
    return 9930.0 * Potencia(fc, 2.675) / (1.0 + 1.37 * Potencia(fc, 2.204));
}

double TFuncao::ModuloACICEB(const TDadosModelo& d, int j) {
    return d.ModuloConstante ? d.ModuloRef : ModuloByfors(d, static_cast<double>(j));
}

// ---- ACI 209 ----

double TFuncao::FuncaoTempoACI(double t, double t0) {
    // One day is added to the duration of load.
    const double p = Potencia(t - t0 + 1.0, 0.6);
    return p / (10.0 + p);
}

double TFuncao::FatorIdadeACI(const TDadosModelo& d, double t0) {
    switch (d.CuraACI) {
        case TCuraACI::Umida: return 1.25 * Potencia(t0, -0.118);
        case TCuraACI::Vapor: return 1.13 * Potencia(t0, -0.095);
        case TCuraACI::SemCura: break;
    }
    return 1.0;
}

double TFuncao::FatorUmidadeACI(const TDadosModelo& d) {
    return d.UmidadeRel > 40.0 ? 1.27 - 0.006 * d.UmidadeRel : 1.0;
}

double TFuncao::FatorEspessuraACI(const TDadosModelo& d, double t, double t0) {
    const double h = d.EspessuraMediaACI;
    if (h < 150.0) {
        // Coefficients of the average-thickness method for h in millimetres; those for
        // inches would make the creep coefficient negative above about 50 mm.
        return (t - t0 < 365.0) ? 1.14 - 0.00092 * h : 1.10 - 0.00067 * h;
    }
    return (2.0 / 3.0) * (1.0 + 1.13 * std::exp(-0.0213 * d.VolSupACI));
}

double TFuncao::FatorSlumpACI(const TDadosModelo& d) { return 0.82 + 0.00264 * d.SlumpACI; }

double TFuncao::FatorFinosACI(const TDadosModelo& d) { return 0.88 + 0.024 * d.FinosACI; }

double TFuncao::FatorArACI(const TDadosModelo& d) { return d.TeorArACI > 6.0 ? 0.46 + 0.09 * d.TeorArACI : 1.0; }

double TFuncao::CoefFluenciaUltimoACI(const TDadosModelo& d, double t, double t0) {
    return CombinaUltimoACI(FatorIdadeACI(d, t0), FatorUmidadeACI(d), FatorEspessuraACI(d, t, t0),
                            FatorSlumpACI(d), FatorFinosACI(d), FatorArACI(d));
}

// ---- CEB 1990 ----

double TFuncao::CoefFluenciaNocionalCEB(const TDadosModelo& d, double t0) {
    // The notional size does not enter the humidity factor here.
    const double fiRH = 1.0 + (1.0 - d.UmidadeRel / 100.0) / 0.46;
    const double betaFcm = 5.3 / std::sqrt(d.Fcm / 10.0);
    const double betaT0 = 1.0 / (0.1 + Potencia(t0, 0.2));
    return fiRH * betaFcm * betaT0;
}

double TFuncao::BetaHCEB(const TDadosModelo& d) {
    const double h0 = 2.0 * d.AreaCEB / d.PerimetroCEB;
    // A section without perimeter (h0 infinite, or 0/0) has no notional size: no value,
    // so that the run ends with its calculation failure instead of taking the 1500 cap.
    if (!std::isfinite(h0)) return std::numeric_limits<double>::quiet_NaN();
    const double betaH = 150.0 * (1.0 + Potencia(0.012 * d.UmidadeRel, 18.0)) * h0 / 100.0 + 250.0;
    return betaH >= 1500.0 ? 1500.0 : betaH;
}

double TFuncao::FuncaoTempoCEB(double betaH, double t, double t0) {
    return Potencia((t - t0 + 1.0) / (betaH + t - t0 + 1.0), 0.3);
}

// ---- Bažant–Panula ----

double TFuncao::ModuloBazant(const TDadosModelo& d) {
    const double rop = 0.06243 * d.MassaEspecifica;
    const double fk = d.Fcm / 6.89476;
    const double q = 5e-5 * rop * rop * fk;
    return 6894.76 / (0.09 + 1.0 / (1.7 * q * q));
}

TParametrosBazant TFuncao::ParametrosBazant(const TDadosModelo& d) {
    const double wc = d.RelAguaCimento, ac = d.RelAgregCimento, sc = d.RelAreiaCimento;
    TParametrosBazant p;
    p.Alfa = 1.0 / (40.0 * wc);
    p.M = 0.28 + 1.0 / (d.Fcm * d.Fcm);
    const double x = (2.1 * ac / Potencia(sc, 1.4) +
                      0.1 * Potencia(d.Fcm, 1.5) * Potencia(wc, 1.0 / 3.0) * Potencia(ac, 2.2)) *
                     Potencia(d.FatorCimento, -4.0);
    if (x <= 4.0) {
        p.N = 0.12;
    } else {
        const double x6 = Potencia(x, 6.0);
        p.N = 0.12 + 0.07 * x6 / (5130.0 + x6);
    }
    p.Fi1 = Potencia(10.0, 3.0 * p.N) / (2.0 * (Potencia(28.0, -p.M) + p.Alfa));
    return p;
}

void TFuncao::MaturidadeBazant(const TDadosModelo& d, double temperatura, TParametrosBazant& p) {
    const double T = temperatura + 273.0;
    const double rT = 0.25 / (1.0 + Potencia(100.0 / (T - 253.2), 3.5)) - 1.0;
    const double rN = 1.0 + 0.25 / (1.0 + Potencia(74.0 / (T - 253.2), 7.0));
    // Arrhenius factor, 13.65… = 4000/293; the reference is layer 1's placement temperature.
    const double betaT = std::exp(13.651877133105803 - 4000.0 / T);
    const double betaRef = std::exp(13.651877133105803 - 4000.0 / (d.Camadas[1].TInicial + 273.0));
    const double te = (betaT - betaRef) * (1.0 / 24.0) * 0.5;
    // At or below the reference temperature te ≤ 0 and the formula has no value: its
    // limit as te falls to zero is 0.78.
    const double rC = te > 0.0 ? 0.78 + 1.0 / (1.0 + 60.0 / Potencia(te, 0.69)) : 0.78;
    const double wc = d.RelAguaCimento;
    const double q = 0.125 * (wc * wc) * d.RelAgregCimento * d.FatorCimento;
    p.N = p.N * rN;
    p.Fi1 = p.Fi1 * (1.0 + rT * rC * q);
}

// ---- NBR 6118 ----

double TFuncao::TemperaturaMediaNBR(const TDadosModelo& d) {
    // The fictitious age is defined with the mean temperature of the period: the mean
    // of the daily cycle when the ambient follows it.
    return d.TAmbConstante ? d.TAmbConst : (d.TAmbMax + d.TAmbMin) / 2.0;
}

double TFuncao::IdadeFicticiaNBR(const TDadosModelo& d, double t) {
    double alfa = 1.0;
    switch (d.CimentoNBR) {
        case TCimentoNBR::Lento: alfa = 1.0; break;
        case TCimentoNBR::Normal: alfa = 2.0; break;
        case TCimentoNBR::Rapido: alfa = 3.0; break;
    }
    return alfa * t * (TemperaturaMediaNBR(d) + 10.0) / 30.0;
}

double TFuncao::ResistenciaNBR(const TDadosModelo& d, double t) {
    return d.FckNBR * ResistenciaIdades::CrescimentoNBR(d.CimentoNBR, t);
}

double TFuncao::ModuloNBR(const TDadosModelo& d, double f) {
    if (f > d.FckNBR) f = d.FckNBR;
    double alfaE = 1.2;
    switch (d.AgregadoNBR) {
        case TAgregadoNBR::Basalto: alfaE = 1.2; break;
        case TAgregadoNBR::Granito: alfaE = 1.0; break;
        case TAgregadoNBR::Calcario: alfaE = 0.9; break;
        case TAgregadoNBR::Arenito: alfaE = 0.7; break;
    }
    if (d.FckNBR < 50.0) return alfaE * 5600.0 * std::sqrt(f);
    return alfaE * 21500.0 * Potencia(f / 10.0 + 1.25, 1.0 / 3.0);
}

double TFuncao::EspessuraFicticiaNBR(const TDadosModelo& d) {
    const double gama = 1.0 + std::exp(-7.8 + 0.1 * d.UmidadeNBR);
    if (d.PlacaNBR) {
        double hc = 0.0;
        for (int l = 1; l <= d.NCamadas; ++l) hc += d.Camadas[l].Espessura;
        return d.UmidadeSoSuperior ? 2.0 * gama * hc : gama * hc;
    }
    return 2.0 * gama * d.AreaNBR / d.PerimetroNBR;
}

double TFuncao::FluenciaRapidaNBR(const TDadosModelo& d, double t0) {
    // 10^6 days stands for infinity and is not made fictitious.
    return 0.8 * (1.0 - ResistenciaNBR(d, IdadeFicticiaNBR(d, t0)) / ResistenciaNBR(d, 1e6));
}

double TFuncao::FluenciaLentaNBR(const TDadosModelo& d) {
    double k = 1.0;
    switch (d.SlumpNBR) {
        case TSlumpNBR::S0a4: k = 0.75; break;
        case TSlumpNBR::S5a9: k = 1.0; break;
        case TSlumpNBR::S10a15: k = 1.25; break;
    }
    const double fi1c = (4.45 - 0.035 * d.UmidadeNBR) * k;
    const double hfic = EspessuraFicticiaNBR(d);  // in metres, as the program has always taken it
    const double fi2c = (42.0 + hfic) / (20.0 + hfic);
    return fi1c * fi2c;
}

double TFuncao::BetaFNBR(const TDadosModelo& d, double t) {
    double tau = IdadeFicticiaNBR(d, t);
    if (tau < 3.0) tau = 3.0;
    double h = EspessuraFicticiaNBR(d);
    if (h < 0.05) h = 0.05;
    if (h > 1.6) h = 1.6;
    const double h2 = h * h, h3 = h2 * h;
    const double A = 42.0 * h3 - 350.0 * h2 + 588.0 * h + 113.0;
    const double B = 768.0 * h3 - 3060.0 * h2 + 3234.0 * h - 23.0;
    const double C = -200.0 * h3 + 13.0 * h2 + 1090.0 * h + 183.0;
    const double D = 7579.0 * h3 - 31916.0 * h2 + 35343.0 * h + 1931.0;
    return (tau * tau + A * tau + B) / (tau * tau + C * tau + D);
}

double TFuncao::BetaDNBR(const TDadosModelo& d, double t, double t0) {
    return BetaDFicticia(IdadeFicticiaNBR(d, t), IdadeFicticiaNBR(d, t0));
}

double TFuncao::CoefFluenciaNBR(const TDadosModelo& d, double t, double t0) {
    return CombinaCoefNBR(FluenciaRapidaNBR(d, t0), FluenciaLentaNBR(d), BetaFNBR(d, t), BetaFNBR(d, t0),
                          BetaDNBR(d, t, t0));
}

// ---- Dispatch ----

double TFuncao::FuncaoFluencia(const TDadosModelo& d, int j, int i, const double* temperaturasNo) {
    const double t0 = j / 24.0;
    const double t = i / 24.0;
    switch (d.ModeloFluencia) {
        case TModeloFluencia::Bureau:
            return FluenciaBureau(ModuloBureau(d, t0), CoefFluenciaBureau(d, t0), t, t0);
        case TModeloFluencia::ACI209: {
            const double fi = CoefFluenciaUltimoACI(d, t, t0) * FuncaoTempoACI(t, t0);
            return (1.0 + fi) / ModuloACICEB(d, j);
        }
        case TModeloFluencia::CEB1990: {
            const double fi = CoefFluenciaNocionalCEB(d, t0) * FuncaoTempoCEB(BetaHCEB(d), t, t0);
            return (1.0 + fi) / ModuloACICEB(d, j);
        }
        case TModeloFluencia::Bazant: {
            TParametrosBazant p = ParametrosBazant(d);
            if (d.ConsideraMaturidade && temperaturasNo != nullptr) MaturidadeBazant(d, temperaturasNo[i - 1], p);
            return FluenciaBazant(ModuloBazantUsado(d), p, Potencia(t0, -p.M), t, t0);
        }
        case TModeloFluencia::NBR6118: {
            const double eci0 = ModuloNBR(d, ResistenciaNBR(d, IdadeFicticiaNBR(d, t0)));
            return 1.0 / eci0 + CoefFluenciaNBR(d, t, t0) / ModuloNBR(d, d.FckNBR);
        }
        case TModeloFluencia::Nenhum: break;
    }
    return std::numeric_limits<double>::quiet_NaN();
}
