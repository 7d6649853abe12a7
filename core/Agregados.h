#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/DadosMistura.h"

// Typical thermal properties of concrete by its coarse aggregate, for the layer dialog
// and the member table to fill in (the user may then edit them). docs/modelos.md has the
// sources and what was left out.
namespace Agregados {

struct TPropriedades {
    TAgregado Agregado;
    const char* Nome;  // as the windows show it: "Basalto", …, "Calcário", "Outro"
    // Coefficient of thermal expansion of the concrete in 10⁻⁶/°C, as typed; none for "Outro".
    std::optional<double> AlfaMicro;
    // Specific heat of the concrete in cal/(g·°C) and in J/(kg·°C) (× 4186, the
    // program's calorie), as typed in each unit system; none for "Outro".
    std::optional<double> CalorEspCal, CalorEspJ;
    // Conductivity of the concrete, W/(m·°C): none where no source was confirmed.
    std::optional<double> K;
};

// Basalto, Granito, Gnaisse, Quartzito, Calcário, Arenito and Outro, in that order.
const std::vector<TPropriedades>& Tabela();
const TPropriedades& Propriedades(TAgregado a);
// The aggregate whose window name is `nome` (also without accents, as the files write
// it); nullopt when none is.
std::optional<TAgregado> PeloNome(const std::string& nome);

}  // namespace Agregados
