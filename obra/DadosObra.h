#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ContornoObra.h"
#include "core/DadosModelo.h"
#include "obra/TemperaturaMistura.h"

// A protection of a face (blanket, insulating board, form): its thermal resistance
// and the hours, counted from the placement of its lift (of layer 1 for the bottom
// face of the stack), between which it is on: HoraColocacao ≤ age < HoraRetirada.
struct TProtecao {
    std::string Nome;
    double R = 0.0;              // m²·°C/W
    double HoraColocacao = 0.0;  // h after placement
    double HoraRetirada = 0.0;   // h after placement
    bool operator==(const TProtecao&) const = default;
};

// The site as it is: the hourly weather of a file and the protections of the faces.
// Empty (the start-up value) it changes nothing in a run. It is what the engine asks
// of the site (CondicoesObra does the physics, ProjetoObra the project key).
struct TDadosObra final : TContornoObra {
    // The ambient of every hour comes from the weather below instead of the constant
    // value or the daily cycle; the constant absorbed flux is not used.
    bool ClimaArquivo = false;
    std::string OrigemClima;          // what was read, for the engineer
    // Hour k of the analysis clock at index k, from hour 0. Vento and Radiacao are
    // empty when the file did not give them.
    std::vector<double> Temperatura;  // °C
    std::vector<double> Vento;        // m/s
    std::vector<double> Radiacao;     // global on a horizontal surface, W/m²
    double Absortividade = 0.65;      // of the top face for the solar radiation
    // Dew point of each hour, °C, when the file gives it (the sky's emissivity).
    std::vector<double> PontoOrvalho;

    // Long-wave exchange of the top face with the sky. Off in problems saved before it
    // existed; reading a weather file turns it on.
    bool CeuAtivo = false;
    double Emissividade = 0.9;  // of the concrete (or the protection's outer face)

    // Protections of the top face of lift L at index L (slot 0 unused; lifts past the
    // end have none); ProtecoesBase those of the bottom face of the stack.
    std::vector<std::vector<TProtecao>> ProtecoesTopo;
    std::vector<TProtecao> ProtecoesBase;

    // The sides of a block of finite plan size (obra/Laterais): plan length and width,
    // zero for a direction without limit (both zero, the start-up value: the member of
    // unlimited plan, no side loss); the coefficient of the bare sides; the protections
    // of the sides of lift L at index L (slot 0 unused), hours after its placement.
    double ComprimentoPlanta = 0.0;  // m
    double LarguraPlanta = 0.0;      // m
    double CoefLateral = 10.0;       // W/(m²·°C), bare vertical faces in light wind
    std::vector<std::vector<TProtecao>> ProtecoesLaterais;

    // The mix the placing temperature of some lifts was worked out from ("Temperatura de
    // Lançamento pela Mistura"), and those lifts; none until one is applied.
    std::optional<TemperaturaMistura::Mistura> MisturaLancamento;
    std::vector<int> CamadasMistura;

    std::unique_ptr<TContornoObra> Copia() const override;
    bool UsaClimaArquivo() const override;
    bool EmUso() const override;
    double TemperaturaAr(double t) const override;
    void AplicaCoeficientes(const TDadosModelo& dados, double t, int L, TCoeficientes& h) const override;
    double FluxoSolarTopo(const TDadosModelo& dados, double t, int L, double hProtegido) const override;
    bool TemLaterais() const override;
    double PerdaLateral(const TDadosModelo& dados, double t, int camada) const override;
    double FluxoCeuTopo(const TDadosModelo& dados, double t, int L, double hProtegido, double& fracao,
                        double& arCeu) const override;
    std::string Problema(const TDadosModelo& dados) const override;
    void Valida(const TDadosModelo& dados, Validacao::Resultado& r) const override;
    bool TemDados() const override;
    nlohmann::ordered_json ParaJson() const override;
};

// The site data of a problem; the start-up value when it has none.
const TDadosObra& ObraDe(const TDadosModelo& dados);
// The same, to change: a problem without site data gets the start-up value first.
TDadosObra& ObraEditavel(TDadosModelo& dados);
