#pragma once
#include <array>
#include <string>

#include "core/DadosModelo.h"
#include "core/Maturidade.h"
#include "core/Processo.h"

struct TTrabalhoTermico;

// The energy balance of a thermal run, per m² of the member's cross-section (J/m²),
// added up from the system each step solved. Summing the rows of the step equation,
// K drops out (its rows sum to zero) and
//   1ᵀ·C·(T − T_ant) = Δt·1ᵀ·F + Σ_faces H·(T_amb − T) + Σ_nodes G·(T_amb − T)
//                      − Σ_i (A_i·T_i − B_i) + reactions of the prescribed ends,
// G the side conductance of a block of finite plan size (zero for a member of unlimited
// plan), A_i·T_i − B_i the heat the cooling pipes' water takes at node i (none without
// pipes), the reaction of a prescribed node being what closes its own row (the consistent
// formulation replaces that row by T = T_prescrita) plus, in the classic one, the heat
// its overwrite after the solve puts in, C-row sum × (T_prescrita − T_resolvida). At a
// placement the content grows by what the new lift brings, ρ·c·h·T_inicial; what the
// shared node's new temperature adds or takes beyond that is reported apart and is part
// of the residual. The run is not changed in any way.
//
// The heat the steps released is also set against what the heat model releases over
// the equivalent ages the computed temperatures imply: the curve or the table over the
// ages of the lifts, the maturity law over ages grown at the Arrhenius factor of the
// mean temperature of each element over each step. A formulation that loses heat (a
// rate taken at the start of a long step, an age that lags its temperature) shows it
// in the residual, which is measured against the model.
namespace Verificacao {
// Numeros::FormataFixo without the sign of a value that prints as zero ("-0,0000"
// would read as a loss).
std::string Fixo(double valor, int largura, int decimais);
}  // namespace Verificacao

class TBalancoEnergia final : public ObservadorPasso {
public:
    void Resolvido(const TDadosModelo& dados, const TTrabalhoTermico& trabalho) override;
    void Passo(const TDadosModelo& dados, const TTrabalhoTermico& trabalho) override;

    int Passos = 0;
    double Hidratacao = 0.0;    // Δt·Σ F_e·h_e
    double Radiacao = 0.0;      // Δt·QRadiacao on each end, or Δt·the sun on the top (weather file)
    double Conveccao = 0.0;     // Σ H·(T_amb − T), positive when the member gains heat
    double Ceu = 0.0;           // long-wave exchange of the top with the sky (negative: lost)
    double Extremidades = 0.0;  // reactions of the prescribed ends, positive when it gains
    double Laterais = 0.0;      // Σ G·(T_amb − T) through the sides, positive when it gains
    bool ComLaterais = false;   // some step lost heat through the sides
    double Serpentinas = 0.0;   // −Σ (A_i·T_i − B_i): what the cooling pipes' water took (≤ 0)
    bool ComSerpentinas = false;  // the run had cooling pipes
    double Trazido = 0.0;       // ρ·c·h·T_inicial of every lift at its placement
    double Junta = 0.0;         // content change at the placements beyond what the lifts brought
    double ConteudoFinal = 0.0; // 1ᵀ·C·T at the end of the last step
    double HidratacaoModelo = 0.0;  // what the heat model releases over the same ages
    bool ModeloDisponivel = true;   // false when the model could not be evaluated at some step
    double Altura = 0.0;            // m, of the member at the end (the residual per m³)

    // Content at the end less what the lifts brought: the heat the member stored.
    double Armazenado() const { return ConteudoFinal - Trazido; }
    // What came in through the sources and the boundaries.
    double Entradas() const {
        return Hidratacao + Radiacao + Conveccao + Ceu + Laterais + Extremidades + Serpentinas;
    }
    // The closure of the steps' own arithmetic: zero when the solver conserves what
    // the steps put in.
    double Residuo() const { return Armazenado() - Entradas(); }
    // What came in with the hydration heat the model releases.
    double EntradasModelo() const {
        return HidratacaoModelo + Radiacao + Conveccao + Ceu + Laterais + Extremidades + Serpentinas;
    }
    // Heat the model releases that the steps did not (positive when they lost heat).
    double Perdido() const { return HidratacaoModelo - Hidratacao; }
    // Stored less what the model puts in: the closure and what the steps lost.
    double ResiduoModelo() const { return Armazenado() - EntradasModelo(); }
    // The same per m³ of the member.
    double ResiduoPorVolume() const { return Altura > 0.0 ? ResiduoModelo() / Altura : 0.0; }
    // ResiduoModelo over the heat released by the model and the radiation when there is
    // any, over the heat exchanged otherwise; 0 when nothing moved.
    double ResiduoPercentual() const;
    bool BaseLiberado() const { return HidratacaoModelo + Radiacao > 0.0; }

    // The balance as the verification report prints it (UTF-8, "\n").
    std::string Texto() const;

private:
    void SomaModelo(const TDadosModelo& dados, const TTrabalhoTermico& trabalho);

    std::array<double, MaxElementos + 1> idade_{};  // equivalent age of each maturity element, h
    std::array<TCurvaAmostra, MaxCamadas + 1> amostra_{};
    double tResolvidaInf_ = 0.0;
    double tResolvidaSup_ = 0.0;
    double conteudoAnterior_ = 0.0;
    int camadaAnterior_ = 0;
};
