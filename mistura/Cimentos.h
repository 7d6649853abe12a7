#pragma once
#include <string>
#include <vector>

#include "core/DadosMistura.h"

// The Brazilian cements of ABNT NBR 16697 as typical values, and the user's own
// cements kept in a small library file beside the projects.
namespace Cimentos {

struct TPreset {
    TCimento Cimento;
    // Where the values come from; every preset is typical, not a mill certificate's.
    std::string Fonte;
};

// CP I, CP I-S, CP II-E, CP II-Z, CP II-F, CP III, CP IV, CP V-ARI and the RS
// variants of CP III, CP IV and CP V-ARI, in that order.
const std::vector<TPreset>& Tipicos();
// The preset named `nome`, or nullptr.
const TPreset* Tipico(const std::string& nome);

// Name of the library file in the projects' folder.
inline constexpr const char* NomeBiblioteca = "cimentos-norvik.json";

// The user's cements: {"formato": "norvik-1d/cimentos", "versao": 1, "Cimentos": [...]}.
// A missing file is an empty library; a malformed one is refused with ErroEntrada
// naming the file and the key.
std::vector<TCimento> LeBiblioteca(const std::string& caminho);
std::string TextoBiblioteca(const std::vector<TCimento>& cimentos);
// Written whole or not at all. Names must be unique and not those of the presets.
void GravaBiblioteca(const std::string& caminho, const std::vector<TCimento>& cimentos);
// The library with `c` added, or replacing the cement of the same name.
std::vector<TCimento> Acrescenta(std::vector<TCimento> biblioteca, const TCimento& c);

}  // namespace Cimentos
