#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ContornoObra.h"
#include "core/DadosMistura.h"
#include "core/Resfriamento.h"
#include "core/TabelaHoraria.h"

// Capacities of the analysis state.
inline constexpr int MaxNos = 300;
inline constexpr int MaxCamadas = 300;
inline constexpr int MaxElementos = 300;  // element tables; at most MaxNos - 1 are used
inline constexpr int MaxHoras = 5000;
// Substeps of a step of the consistent formulation: down to a minute of an hourly step.
inline constexpr int MaxSubpassos = 60;

// Material and schedule of a layer or, as a copy, of an element.
struct TCamada {
    double K = 0.0;               // conductivity, W/(m·°C) (stored form of the dialogs)
    double Espessura = 0.0;       // m: layer thickness, or element length
    double XIni = 0.0;            // m: start coordinate
    double Ro = 0.0;              // kg/m³
    double CalorEsp = 0.0;        // J/(kg·°C) (stored form of the dialogs)
    double Alfa = 0.0;            // 1/°C
    std::int32_t HoraConcretagem = 0;  // placement, whole hours on the absolute clock
    double TInicial = 0.0;        // placement temperature, °C
};

// Internal heat of a layer. Tabela[h], h = 1..MaxHoras, is the rate during hour h
// after placement (slot 0 unused).
struct TCalorInterno {
    bool Constante = false;
    double F = 0.0;   // W/m³ (stored form of the dialogs)
    double N = 0.0;
    double Tr = 0.0;  // °C
    double E = 0.0;   // cal/g
    double C = 0.0;   // kg/m³
    double B = 0.0;
    TTabelaHoraria<MaxHoras> Tabela;
    // Heat that follows the equivalent age of each element at its own temperature
    // (Arrhenius) instead of the age alone. The curve is Q(te) = C·E·4186·AlfaU·
    // exp(−(Tau/te)^BetaHid) J/m³; with the calorimeter table, the table read against
    // the equivalent age of the sample, which starts at TInicialCalorimetro. The
    // start-up values are those of a Portland cement without additions.
    bool Maturidade = false;
    double AlfaU = 0.75;                  // ultimate degree of hydration
    double Tau = 20.0;                    // h
    double BetaHid = 0.9;
    double EnergiaAtivacao = 40000.0;     // J/mol
    double TRef = 21.1;                   // °C
    double TInicialCalorimetro = 20.0;    // °C, first point of the adiabatic curve
};

// Surface heat exchange: record 1 holds the day/night data, record L the curing of layer L.
struct TTrocaCalor {
    double HDia = 0.0;
    double HNoite = 0.0;
    double HoraIniDia = 0.0;
    double HoraIniNoite = 0.0;
    double BetaS = 0.0;
    double BetaI = 0.0;
    double DiasCura = 0.0;
    double HoraIniCura = 0.0;
    double HoraFimCura = 0.0;
    double BetaSC = 0.0;
};

enum class TModeloFluencia { Nenhum, Bureau, ACI209, CEB1990, Bazant, NBR6118 };
enum class TCuraACI { SemCura, Umida, Vapor };
enum class TCimentoNBR { Lento, Normal, Rapido };
enum class TAgregadoNBR { Basalto, Granito, Calcario, Arenito };
enum class TSlumpNBR { S0a4, S5a9, S10a15 };
enum class TModoNo { Temperatura, Tensao };
// How the thermal step treats the prescribed ends, a placement and the heat of the
// step. Classica: the ends overwritten after the solve, the interface node at the new
// lift's temperature, the rate at the step's end × Δt. Consistente: the ends as
// constraints of the system, the interface node conserving energy, the exact
// increment of the heat curve over the step; it converges as the mesh is refined.
enum class TFormulacao { Classica, Consistente };

// Temperatures read on site by a sensor embedded in the member, at a height from the
// bottom of the first concrete layer (the top of the soil with "Fundação").
struct TLeitura {
    double Hora = 0.0;         // on the analysis clock
    double Temperatura = 0.0;  // °C
    bool operator==(const TLeitura&) const = default;
};
struct TSensor {
    std::string Nome;
    double Altura = 0.0;  // m
    std::vector<TLeitura> Leituras;  // in increasing hour
    bool operator==(const TSensor&) const = default;
};

// The one analysis state. Arrays keep the 1-based numbering of the formulas
// (slot 0 unused). The hourly heat tables hold only what was written.
struct TDadosModelo {
    // Problem as the dialogs leave it.
    std::int32_t NElemCamada = 0;
    std::int32_t NCamadas = 0;
    std::int32_t NCamadasMembro = 0;
    std::int32_t PassoTempo = 0;
    double TempoTotal = 0.0;
    bool TAmbConstante = true;
    double TAmbConst = 0.0;
    double TAmbMax = 36.0;
    double TAmbMin = 18.0;
    double HoraTAmbMax = 20.0;
    double HoraTAmbMin = 0.0;
    double QRadiacao = 5000.0;
    bool TPrescInfAtiva = false;
    double TPrescInf = 0.0;
    bool TPrescSupAtiva = false;
    double TPrescSup = 0.0;
    bool CoefConvConstante = true;
    double BetaInf = 0.0;
    double BetaSup = 0.0;
    bool CuraAtiva = false;
    bool CalorDiscreto = false;
    bool UnidadesUsuais = false;
    bool Fundacao = false;
    TFormulacao Formulacao = TFormulacao::Classica;
    // The consistent formulation divides each step into this many substeps (the
    // history keeps one row per step); the classic ignores it.
    std::int32_t SubpassosPorPasso = 1;
    // In the consistent formulation, the conductivity of each element whose heat follows
    // the equivalent-age curve falls as it hydrates, k(α) = K·(1,33 − 0,33·α) (Schindler
    // 2002), with the layer's K that of the hardened concrete; off, K stays constant.
    bool CondutividadeHidratacao = false;
    // The site: hourly weather and protections of the faces (empty: none). Its data and
    // physics are obra/'s (ObraDe, ObraEditavel); the engine asks it through TContornoObra.
    TObraDoProblema Obra;
    // The embedded cooling pipes (empty: none). Their data and physics are
    // serpentinas/'s; the engine asks them through TContornoResfriamento.
    TResfriamentoDoProblema Resfriamento;

    std::array<TCamada, MaxCamadas + 1> Camadas{};
    std::array<TCalorInterno, MaxCamadas + 1> CalorCamadas{};
    std::array<TTrocaCalor, MaxCamadas + 1> Superficie{};

    // State of a run.
    std::int32_t NElemAtivos = 0;
    std::int32_t CamadaAtual = 0;
    double Tempo = 0.0;
    double DtExplicito = 0.0;
    double DtImplicito = 0.0;
    double PassoAtual = 0.0;  // hours of the step or substep being computed (0: PassoTempo)
    double TMaxSolucao = 0.0;
    std::int32_t NoTMax = 0;
    double TMaxima = 0.0;
    double TempoTMax = 0.0;
    std::array<TCamada, MaxElementos + 1> Elementos{};
    std::array<double, MaxHoras + 1> Temperaturas{};
    // The temperature history holds a complete run (false from the start of any run
    // until it reaches TempoTotal); the stress analysis needs one.
    bool TermicoCompleto = false;

    // Colour-scale bounds, widened by every run for the life of the program.
    double TMaxEscala = 0.0;
    double TMinEscala = 10000.0;

    // Stress analysis: creep model and its data.
    TModeloFluencia ModeloFluencia = TModeloFluencia::Nenhum;
    double EBureauA = 0.0, EBureauB = 0.0;
    bool EEmGPa = true;
    double FBureauA = 0.0, FBureauB = 0.0;
    double ModuloRef = 0.0;
    bool ModuloConstante = false;
    double Fcm = 0.0;
    double ByforsA1 = 0.0, ByforsA2 = 0.0, ByforsA3 = 0.0, ByforsA4 = 0.0;
    TCuraACI CuraACI = TCuraACI::SemCura;
    double UmidadeRel = 0.0, SlumpACI = 0.0, FinosACI = 0.0, TeorArACI = 0.0;
    double EspessuraMediaACI = 0.0, VolSupACI = 0.0;
    double AreaCEB = 0.0, PerimetroCEB = 0.0;
    double MassaEspecifica = 0.0, RelAguaCimento = 0.0, RelAgregCimento = 0.0;
    double RelAreiaCimento = 0.0, FatorCimento = 0.0;
    bool EOtimizado = true;
    bool ConsideraMaturidade = false;
    TCimentoNBR CimentoNBR = TCimentoNBR::Lento;
    double FckNBR = 0.0;
    TAgregadoNBR AgregadoNBR = TAgregadoNBR::Basalto;
    double UmidadeNBR = 0.0;
    bool UmidadeSoSuperior = false;
    bool PlacaNBR = false;
    double AreaNBR = 0.0, PerimetroNBR = 0.0;
    TSlumpNBR SlumpNBR = TSlumpNBR::S0a4;

    // Restraint and strength curves.
    bool RestricaoACI = false;
    double AlturaRestricao = 0.0, ComprimentoRestricao = 0.0;
    double ResistFlexaoA = 0.0, ResistFlexaoB = 0.0;
    double ResistTracaoA = 0.0, ResistTracaoB = 0.0;
    double ResistDiametralA = 0.0, ResistDiametralB = 0.0;
    double ResistComprA = 0.0, ResistComprB = 0.0;

    // Extrema of the stress run (kept from an earlier run when no tension is found).
    double TracaoMaxima = 0.0;
    std::int32_t NoTracaoMaxima = 0;
    std::int32_t HoraTracaoMaxima = 0;
    std::int32_t NoAtual = 0;

    // Which quantity the node windows show or save.
    TModoNo ModoNo = TModoNo::Temperatura;

    // Site measurements kept with the project ("Medições..."); no part of any run.
    std::vector<TSensor> Medicoes;

    // The mix of each layer that was given one ("Dosagem..."): what its heat
    // parameters were computed from. No part of any run.
    TDosagens Dosagens;
    // The layers whose stresses include the autogenous shrinkage, by layer number.
    TRetracoesAutogenas RetracaoAutogena;
    // The coarse aggregate of the layers that have one chosen (key "Agregados").
    TAgregados Agregados;
};

// Runs `d` in formulation `f`: the classic one has no conductivity that follows the
// hydration, so choosing it also drops that.
inline void DefineFormulacao(TDadosModelo& d, TFormulacao f) {
    d.Formulacao = f;
    if (f != TFormulacao::Consistente) d.CondutividadeHidratacao = false;
}
