#pragma once
#include <string>
#include <vector>

// The temperature of the fresh concrete from the heat balance of its constituents at
// the mixer (the weighted-average form of ACI 305R, with the ice's latent heat), and
// the ice that must replace part of the mixing water to reach a chosen temperature.
// Masses per m³ of concrete; specific heats in kJ/(kg·°C), any consistent unit works
// as long as the water's, the ice's and the latent heat share it.
namespace TemperaturaMistura {

struct Constituinte {
    double Massa = 0.0;          // kg/m³
    double Temperatura = 0.0;    // °C
    double CalorEspecifico = 0.0;
    bool operator==(const Constituinte&) const = default;
};

struct Agregado {
    std::string Nome;
    double Massa = 0.0;          // kg/m³, dry
    double Temperatura = 0.0;    // °C; the free water on it is at the same temperature
    double CalorEspecifico = 0.92;
    double Umidade = 0.0;        // free moisture, % of the dry mass
    bool operator==(const Agregado&) const = default;
};

struct Mistura {
    Constituinte Cimento{0.0, 0.0, 0.92};
    std::vector<Agregado> Agregados;
    Constituinte Agua{0.0, 0.0, 4.184};   // water added at the mixer
    Constituinte Gelo{0.0, 0.0, 2.05};    // at or below 0 °C, melts in the mix
    double CalorFusao = 334.0;            // kJ/kg
    // What mixing, hauling and placing add (heat of the drum, early hydration, sun):
    // found on site as the difference between placed and computed temperatures.
    double Ganho = 0.0;                   // °C
    bool operator==(const Mistura&) const = default;
};

// The mix as placed: Σ m·c·T over the constituents, the ice's latent heat taken out,
// divided by Σ m·c with the melted ice as water, plus the gain. Refuses, naming the
// field, a negative mass, a specific heat or latent heat not positive, ice above 0 °C,
// a moisture outside 0–30 % or a mix without mass.
double Temperatura(const Mistura& m);

struct GeloNecessario {
    bool Possivel = false;
    double Massa = 0.0;      // kg/m³ of ice in place of as much mixing water
    std::string Motivo;      // why it is not possible, in Portuguese
};
// The ice that, replacing the same mass of the mixing water (water + ice kept), brings
// the placed concrete to `alvo`. Zero when the mix is already at or below it; not
// possible when even all the mixing water as ice is not enough.
GeloNecessario GeloParaAlvo(const Mistura& m, double alvo);

// The mix with `gelo` kg/m³ of ice in place of as much mixing water (water and ice
// together kept), as "Usar este Gelo" does. Refuses ice beyond the water and ice.
Mistura ComGelo(const Mistura& m, double gelo);

}  // namespace TemperaturaMistura
