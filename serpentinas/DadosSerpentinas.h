#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Resfriamento.h"

// The pipe itself: outer diameter, wall and the wall's conductivity.
struct TTubo {
    double DiametroExterno = 0.032;  // m
    double Espessura = 0.002;        // m, wall
    double Condutividade = 0.45;     // W/(m·°C), wall
    bool operator==(const TTubo&) const = default;
};

// The pipes of one lift: rows at heights within the lift, each row a loop of pipe at
// a horizontal spacing, all loops with the same pipe, length and water.
struct TSerpentinasCamada {
    std::vector<double> Alturas;   // m above the bottom of the lift, one per row (empty: no pipes)
    double Espacamento = 1.0;      // m between the pipes of a row
    TTubo Tubo;
    double Comprimento = 200.0;    // m of pipe in each row's loop
    double Vazao = 20.0;           // L/min of water in each loop
    double TEntrada = 15.0;        // °C at the inlet, when constant
    bool EntradaDaSerie = false;   // the inlet follows the hourly series of the pipes
    // The water runs between these ages of the lift (h after its placement) ...
    double HoraInicio = 0.0;
    double HoraFim = 336.0;
    // ... and, with PorTemperatura, only while the concrete the rows serve is warm: on
    // when it reaches TLiga, off when it falls to TDesliga (a hysteresis, TDesliga < TLiga).
    bool PorTemperatura = false;
    double TLiga = 35.0;    // °C
    double TDesliga = 30.0; // °C
    bool operator==(const TSerpentinasCamada&) const = default;
};

// What a run of the pipes leaves, one entry per step of the history.
struct TResultadosSerpentinas {
    std::vector<double> Horas;                // end of each step, absolute clock
    std::vector<int> Camadas;                 // the lifts with pipes
    std::vector<std::vector<double>> Saida;   // [lift][step]: mean outlet water, °C (NaN: no water)
    std::vector<std::vector<double>> Calor;   // [lift][step]: heat removed, W per m² of plan, mean of the step
    std::vector<double> Total;                // [lift]: heat removed over the run, MJ per m² of plan
    bool Vazio() const { return Horas.empty(); }
};

// The cooling pipes of a problem. Empty (no lift with rows) it changes nothing in a run.
struct TDadosSerpentinas final : TContornoResfriamento {
    std::vector<TSerpentinasCamada> Camadas;  // lift L at index L (slot 0 unused)
    // Inlet water of hour k of the analysis clock at index k (river water read from a
    // column of an hourly file), for the lifts with EntradaDaSerie.
    std::vector<double> SerieEntrada;
    std::string OrigemSerie;
    // Left by the last run of this copy of the problem; never saved.
    TResultadosSerpentinas Resultados;

    std::unique_ptr<TContornoResfriamento> Copia() const override;
    bool EmUso() const override;
    std::unique_ptr<TExecucaoResfriamento> Inicia(const TDadosModelo& dados) override;
    std::string Problema(const TDadosModelo& dados) const override;
    void Valida(Validacao::Resultado& r) const override;
    bool TemDados() const override;
    nlohmann::ordered_json ParaJson() const override;

    // The pipes of lift L, or null when it has none.
    const TSerpentinasCamada* DaCamada(int L) const;
    // Inlet temperature of lift L's water at time t (h, absolute clock).
    double Entrada(const TSerpentinasCamada& c, double t) const;
};

// The pipes of a problem; the start-up value (no pipes) when it has none.
const TDadosSerpentinas& SerpentinasDe(const TDadosModelo& dados);
// The same, to change: a problem without pipes gets the start-up value first.
TDadosSerpentinas& SerpentinasEditavel(TDadosModelo& dados);
