#include "core/ui/Janelas.h"

#include "relatorio/Relatorio.h"

namespace LimitesGraficos {

std::optional<double> Temperatura(const Janelas& j) {
    return j.relatorio ? j.relatorio->LimiteTemperatura() : LimitesRelatorio{}.Temperatura;
}

std::optional<double> Diferenca(const Janelas& j) {
    return j.relatorio ? j.relatorio->LimiteDiferenca() : LimitesRelatorio{}.Diferenca;
}

}  // namespace LimitesGraficos
