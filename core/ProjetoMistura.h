#pragma once
#include <nlohmann/json.hpp>
#include <string>

#include "core/DadosMistura.h"

// The mixes in a file: the key "Dosagens" of the project file (absent when no layer
// has a mix, so older files read and write as before) and the cements of the user's
// library. Read strictly: every field present, no other key, percentages within
// 0–100, quantities that a mix can have; ErroEntrada names the key.
namespace ProjetoMistura {

nlohmann::ordered_json CimentoParaJson(const TCimento& c);
// `onde` names the object in the messages ("Dosagens[0].Cimento").
TCimento LeCimento(const nlohmann::ordered_json& j, const std::string& onde);

// [{"Camada": 1, "Cimento": {...}, "Escoria": ..., ...}, ...] in increasing layer.
nlohmann::ordered_json ParaJson(const TDosagens& dosagens);
void Le(const nlohmann::ordered_json& j, TDosagens& dosagens);

// [{"Camada": 1, "Modelo": "EN1992", "Fck": 30}, {"Camada": 2, "Modelo": "fibMC2010",
// "Fck": 30, "ClasseCimento": "42.5R"}, ...] in increasing layer; fck of the classes of
// the standard, 12 to 90 MPa; the cement class with the fib model only.
nlohmann::ordered_json ParaJson(const TRetracoesAutogenas& retracoes);
void Le(const nlohmann::ordered_json& j, TRetracoesAutogenas& retracoes);

// [{"Camada": 1, "Agregado": "Basalto"}, ...] in increasing layer; the names are those
// of NomeAgregado ("Outro" is no entry).
nlohmann::ordered_json ParaJson(const TAgregados& agregados);
void Le(const nlohmann::ordered_json& j, TAgregados& agregados);
// "Basalto", "Granito", "Gnaisse", "Quartzito", "Calcario", "Arenito", "Outro".
const char* NomeAgregado(TAgregado a);

}  // namespace ProjetoMistura
