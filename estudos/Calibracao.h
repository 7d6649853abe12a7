#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/DadosModelo.h"

// Fit of chosen parameters of the problem to the site measurements it holds, up to an
// hour, by weighted least squares: every sensor weighs the same whatever its number of
// readings (each reading 1/N of its sensor). The model is the whole thermal run; the
// derivatives are finite differences of whole runs, with steps of 1 % of each value
// (the history is written to 0,01 °C, so smaller steps would see only its rounding).
struct TParametroCalibracao {
    std::string_view Chave;     // as the batch tool names it: "E", "n", …
    std::string_view Nome;      // for the report
    std::string_view Unidade;
    double (*Le)(const TDadosModelo& dados);  // the value of the first concrete layer
    void (*Aplica)(TDadosModelo& dados, double valor);  // to every concrete layer
};

struct TResultadoCalibracao {
    struct Valor {
        int Parametro = 0;        // row of Calibracao::Parametros()
        double Inicial = 0.0;
        double Ajustado = 0.0;
        double Incerteza = 0.0;   // standard, from the Jacobian at the fit
    };
    std::vector<Valor> Valores;
    std::vector<double> Covariancia;  // p × p, row-major, in the parameters' units
    std::vector<double> Correlacao;   // p × p, row-major: C_km/√(C_kk·C_mm)
    // What the data leave undetermined: a correlation above LimiteCorrelacao in
    // magnitude or a relative uncertainty above LimiteIncerteza, each in a sentence.
    std::vector<std::string> Avisos;
    static constexpr double LimiteCorrelacao = 0.95;
    static constexpr double LimiteIncerteza = 0.10;
    double Ate = 0.0;             // h
    int Leituras = 0;             // readings used
    double RMSAntes = 0.0, RMSDepois = 0.0;  // °C, over those readings
    int Iteracoes = 0;
    bool Convergiu = false;
    std::string Situacao;         // why the fit stopped, in words

    std::string Texto() const;    // the report, UTF-8 with "\n"
};

namespace Calibracao {

const std::vector<TParametroCalibracao>& Parametros();
// "E,n" -> rows; ErroEntrada for an unknown or repeated name.
std::vector<int> LeLista(const std::string& lista);

// Fits the parameters `escolhidos` of `dados` (which holds the measurements) to the
// readings up to `ate` hours. ErroEntrada when there is nothing to fit (no measurement,
// fewer readings than parameters, a parameter the problem does not use), and, before
// the fit, for a parameter whose column of the Jacobian at the start is zero or below
// LimiteInfluencia of the largest one: it does not move the computed temperatures, and
// the message says why when the problem tells (the heat model it belongs to is not the
// one in use, the weather file's wind sets the top, …).
inline constexpr double LimiteInfluencia = 1e-3;
TResultadoCalibracao Ajusta(const TDadosModelo& dados, const std::vector<int>& escolhidos, double ate);

// `dados` with the fitted values.
void Aplica(TDadosModelo& dados, const TResultadoCalibracao& r);

// The forecast of the whole analysis with the fitted values at each sensor's height:
// the computed temperature and its standard uncertainty σ = √(gᵀ·C·g), g the derivatives
// of the temperature with respect to the parameters (central differences of whole runs
// at ± one uncertainty) and C their covariance.
struct TPrevisao {
    struct Ponto {
        double Hora = 0.0, Temperatura = 0.0, Incerteza = 0.0;
    };
    std::vector<Ponto> Pontos;
};
std::vector<TPrevisao> Previsao(const TDadosModelo& dados, const TResultadoCalibracao& r);

}  // namespace Calibracao
