#pragma once
#include <string>
#include <vector>

#include "serpentinas/DadosSerpentinas.h"

// The physics of the embedded cooling pipes (docs/modelos.md, "Serpentinas de
// resfriamento"): the concrete around each pipe is a hollow cylinder, from the pipe's
// outer radius a to the equivalent radius b of the concrete the pipe serves, insulated
// at b, in which heat flows radially; it gives its heat at r = a to the water through
// the water film and the pipe wall; the water warms along the loop. The vertical
// member sees the cylinder's mean temperature, and the heat the water takes is a sink
// on the elements the row serves.
namespace Serpentinas {

// Water at 20 °C.
inline constexpr double MassaEspecificaAgua = 998.2;     // kg/m³
inline constexpr double CalorEspecificoAgua = 4182.0;    // J/(kg·°C)
inline constexpr double CondutividadeAgua = 0.598;       // W/(m·°C)
inline constexpr double ViscosidadeAgua = 1.002e-3;      // Pa·s
inline constexpr double PrandtlAgua = 7.01;
// The laminar flow ends at this Reynolds number and the turbulent correlation starts at
// the second; in between the Nusselt number goes linearly from one to the other.
inline constexpr double ReynoldsLaminar = 2300.0;
inline constexpr double ReynoldsTurbulento = 3000.0;
inline constexpr double NusseltLaminar = 3.66;  // fully developed, uniform wall temperature

// The presets of the dialog.
struct TPredefinicao {
    const char* Nome;
    TTubo Tubo;
};
const std::vector<TPredefinicao>& Predefinicoes();

// Water flow of a loop, kg/s, from L/min.
double VazaoMassica(double litrosPorMinuto);
// Inner diameter, m.
double DiametroInterno(const TTubo& tubo);
// Reynolds number of the water in the pipe.
double Reynolds(const TTubo& tubo, double litrosPorMinuto);
// Nusselt number: 3,66 laminar, Gnielinski turbulent, linear between them.
double Nusselt(double reynolds, double prandtl = PrandtlAgua);
// Film coefficient on the inner wall, W/(m²·°C).
double CoeficientePelicula(const TTubo& tubo, double litrosPorMinuto);
// Resistance of the water film and the pipe wall per metre of pipe, m·°C/W:
// 1/(h·π·Di) + ln(De/Di)/(2π·kp).
double ResistenciaAguaParede(const TTubo& tubo, double litrosPorMinuto);
// Equivalent radius of the concrete a pipe serves: the circle of the same area as the
// rectangle of the horizontal spacing by the height of the row's band, m.
double RaioEquivalente(double espacamento, double alturaFaixa);
// The quasi-steady resistance between the mean temperature of the hollow cylinder
// a..b (uniform heat generation, insulated at b) and its inner wall, per metre, m·°C/W:
// [b⁴·ln(b/a)/(b² − a²)² − (3b² − a²)/(4(b² − a²))]/(2π·k). For design checks.
double ResistenciaConcretoMedia(double a, double b, double k);

// The concrete around one pipe per metre of pipe, in finite volumes over radii a..b
// spaced geometrically, stepped fully implicit. It holds w, the deviation of the
// temperature from T_sem, what the concrete would be with no pipe (w = 0 at placement):
// T_sem is the same all along the loop (the vertical member's heat and conduction act
// on the whole plan), while the cylinders of the loop's segments each keep their own w.
class TCilindro {
public:
    static constexpr int NosPadrao = 24;
    // Substeps of the cylinder in each step of the member: the steep field next to the
    // pipe in the first hours of the water.
    static constexpr int SubpassosPadrao = 4;
    void Define(double a, double b, double k, double rhoC, int nos = NosPadrao);
    bool Definido() const { return !r_.empty(); }

    // One step of dt s with the water at resistance `rAgua` (m·°C/W; ≤ 0 or infinite:
    // no water) from the state of the last accepted step, the drive E = T_sem − Tagua
    // held over the step. The mean heat the water takes per metre over the step is
    // q = G·E + Q (W/m), and the cylinder's mean deviation at the end is M0 − q·dt/C.
    struct Resposta {
        double G = 0.0;   // W/(m·°C)
        double Q = 0.0;   // W/m
        double M0 = 0.0;  // mean of w at the start, °C
        double C = 0.0;   // capacity per metre, J/(m·°C)
    };
    Resposta Prepara(double dt, double rAgua, int subpassos = SubpassosPadrao);
    // Accepts the step prepared last with the drive E: returns q (W/m).
    double Conclui(double drive);

    double MediaDesvio() const;  // mean of w, °C
    const std::vector<double>& Raios() const { return r_; }

private:
    double Media(const std::vector<double>& w) const;
    void Resolve(std::vector<double>& w, double fonte);

    std::vector<double> r_, area_, cond_, w_, wh_, w1_;  // area_: capacity of each volume, J/(m·°C)
    double capacidade_ = 0.0;
    double rAgua_ = 0.0, dt_ = 0.0, m0_ = 0.0, mh_ = 0.0, m1_ = 0.0;
    // The elimination of the last step's matrix and what it was made for.
    std::vector<double> diag_, mult_, b_, c_;  // diag_ holds the pivots' inverses
    double dtFator_ = -1.0, rFator_ = 0.0;
    int subFator_ = 0;
};

// The loop of one row in a step, in segments of equal length, each with its own
// cylinder (the concrete near the inlet cools first). Along segment j the water warms
// towards T_sem + Q_j/G_j over NTU_j = G_j·Δx/(ṁ·c): it takes
// ṁ·c·(1 − e^(−NTU_j))·(T_sem + Q_j/G_j − T_in,j). Marching the loop with T_sem unknown,
// and T̄ = T_sem + mean of the segments' deviations at the end of the step, gives the heat
// per metre of the loop as q = Geff·(T̄ − Tref).
inline constexpr int SegmentosPadrao = 6;
struct TLaco {
    double Geff = 0.0;  // W/(m·°C)
    double TRef = 0.0;  // °C
};
// mc in W/°C, dt in s.
TLaco Laco(const std::vector<TCilindro::Resposta>& segmentos, double comprimento, double mc, double tEntrada,
           double dt);
// The same march at the end-of-step T̄: the drive E_j of each segment into `drives` and
// the outlet temperature returned.
double AguaDoLaco(const std::vector<TCilindro::Resposta>& segmentos, double comprimento, double mc, double tEntrada,
                  double dt, double tMedia, std::vector<double>& drives);

// The inlet water from a column of an hourly CSV (the weather file with a column
// "agua", or a file of its own): a header line whose first cell is "hora" and which names
// the column, then one line per hour counted from hour 0, ';' separators (',' when the
// header has none), decimal comma or point. Missing hours and empty cells of up to
// MaxLacunaAgua hours are filled linearly; longer gaps, a first hour other than 0, a
// missing column or a value that is not a number are refused with ErroEntrada.
inline constexpr int MaxLacunaAgua = 6;
std::vector<double> LeSerieCsv(const std::string& texto, const std::string& coluna);

}  // namespace Serpentinas
