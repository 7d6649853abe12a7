#pragma once
#include <map>
#include <string>

// A cement as its mill certificate describes it. The clinker phases (Bogue), the
// sulfate, free lime and magnesia are percentages of the Portland part of the cement
// (clinker and calcium sulfate); the additions are percentages of the whole cement.
struct TCimento {
    std::string Nome;
    double C3S = 0.0, C2S = 0.0, C3A = 0.0, C4AF = 0.0;  // %
    double SO3 = 0.0, CaOLivre = 0.0, MgO = 0.0;          // %
    double Blaine = 0.0;                                  // m²/kg
    double Escoria = 0.0;      // % of the cement: granulated blast-furnace slag
    double Pozolana = 0.0;     // % of the cement: fly ash or other pozzolan
    double CaOPozolana = 0.0;  // % CaO of that pozzolan
    double Filer = 0.0;        // % of the cement: limestone filler
    bool operator==(const TCimento&) const = default;
};

// The concrete of a layer as it is mixed: its cement, what is added to the binder at
// the plant (percentages of the whole binder), the binder content and the
// water–binder ratio.
struct TDosagem {
    TCimento Cimento;
    double Escoria = 0.0;      // % of the binder
    double Pozolana = 0.0;     // % of the binder: fly ash or other pozzolan
    double CaOPozolana = 0.0;  // % CaO of that pozzolan
    double Silica = 0.0;       // % of the binder: silica fume
    double Filer = 0.0;        // % of the binder
    double Aglomerante = 0.0;  // kg/m³ of concrete
    double AguaAglomerante = 0.0;
    bool operator==(const TDosagem&) const = default;
};

// The mixes of the layers that have one, by layer number (1-based).
using TDosagens = std::map<int, TDosagem>;

// Autogenous shrinkage of a layer in the stress analysis: by EN 1992-1-1 (3.1.4(6)) from
// the characteristic strength, or by fib Model Code 2010 (basic shrinkage) from the mean
// strength fcm = fck + 8 MPa and the strength class of the cement.
enum class TModeloRetracao { EN1992, FibMC2010 };
enum class TClasseCimento { C325N, C325R, C425N, C425R, C525N, C525R };
struct TRetracaoAutogena {
    double Fck = 0.0;  // MPa
    TModeloRetracao Modelo = TModeloRetracao::EN1992;
    TClasseCimento Classe = TClasseCimento::C425N;  // read by fib Model Code 2010 only
    bool operator==(const TRetracaoAutogena&) const = default;
};
using TRetracoesAutogenas = std::map<int, TRetracaoAutogena>;

// The coarse aggregate of a layer, which sets the thermal properties of its concrete
// (the layer dialog and the member table fill them from mistura/Agregados). "Outro"
// (no table value) is the absence of a choice.
enum class TAgregado { Outro, Basalto, Granito, Gnaisse, Quartzito, Calcario, Arenito };
// The layers with an aggregate chosen, by layer number (1-based).
using TAgregados = std::map<int, TAgregado>;
