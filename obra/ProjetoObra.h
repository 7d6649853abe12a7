#pragma once
#include <nlohmann/json.hpp>

#include "obra/DadosObra.h"

// The key "Obra" of the project file: the weather read from a file, hour by hour (its
// contents, so that the project stays complete without the file), the protections of
// the faces and, only when the block has a finite plan size, its sides ("Laterais").
// Absent, the problem has no site data.
namespace ProjetoObra {

// The site data differs from the start-up value, so the project must carry it.
bool TemDados(const TDadosObra& obra);

nlohmann::ordered_json ParaJson(const TDadosObra& obra);

// Strict reading into `obra` (a fresh value); ErroEntrada naming the key inside "Obra".
// The project reader in core/ reaches it through RegistraLeitorObra.
void Le(const nlohmann::ordered_json& j, TDadosObra& obra);

}  // namespace ProjetoObra
