#include "core/Agregados.h"

namespace Agregados {

namespace {

// Typical coefficients of thermal expansion of concretes by aggregate, in millionths
// per °F (quartz 6,6, sandstone 6,5, granite 5,3, basalt 4,8, limestone 3,8), × 1,8
// per °C: 11,88, 11,7, 9,54, 8,64 and 6,84.
// Aggregate mineralogy barely changes the specific heat of concrete: 0,22 to 0,24
// cal/(g·°C); the middle of that range, 0,23 = 962,78 J/(kg·°C).
constexpr double CalorCal = 0.23, CalorJ = 962.78;

}  // namespace

const std::vector<TPropriedades>& Tabela() {
    static const std::vector<TPropriedades> tabela = {
        {TAgregado::Basalto, "Basalto", 8.64, CalorCal, CalorJ, std::nullopt},
        {TAgregado::Granito, "Granito", 9.54, CalorCal, CalorJ, std::nullopt},
        // A granitic metamorphic rock: the granite's values (grouped as one, as the
        // modulus rules of NBR 6118 group them).
        {TAgregado::Gnaisse, "Gnaisse", 9.54, CalorCal, CalorJ, std::nullopt},
        {TAgregado::Quartzito, "Quartzito", 11.88, CalorCal, CalorJ, std::nullopt},
        {TAgregado::Calcario, "Calcário", 6.84, CalorCal, CalorJ, std::nullopt},
        {TAgregado::Arenito, "Arenito", 11.7, CalorCal, CalorJ, std::nullopt},
        {TAgregado::Outro, "Outro", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    return tabela;
}

const TPropriedades& Propriedades(TAgregado a) {
    for (const TPropriedades& p : Tabela())
        if (p.Agregado == a) return p;
    return Tabela().back();
}

std::optional<TAgregado> PeloNome(const std::string& nome) {
    for (const TPropriedades& p : Tabela())
        if (nome == p.Nome) return p.Agregado;
    if (nome == "Calcario") return TAgregado::Calcario;
    return std::nullopt;
}

}  // namespace Agregados
