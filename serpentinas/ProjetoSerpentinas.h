#pragma once
#include <nlohmann/json.hpp>

#include "serpentinas/DadosSerpentinas.h"

// The key "Serpentinas" of the project file: the pipes of each lift and the hourly
// series of the inlet water. Absent, the problem has no pipes.
namespace ProjetoSerpentinas {

// Some lift has pipe rows or a series was read: the project must carry the key.
bool TemDados(const TDadosSerpentinas& s);

nlohmann::ordered_json ParaJson(const TDadosSerpentinas& s);

// Strict reading into `s` (a fresh value); ErroEntrada naming the key inside
// "Serpentinas". The project reader in core/ reaches it through RegistraLeitorResfriamento.
void Le(const nlohmann::ordered_json& j, TDadosSerpentinas& s);

}  // namespace ProjetoSerpentinas
