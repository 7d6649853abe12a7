#pragma once
#include <string>

#include "core/DadosModelo.h"

// The project file: one problem as the input dialogs store it, as JSON.
namespace Projeto {

// Reads the whole file into a copy of the state and replaces `dados` only when the
// file is valid; otherwise raises ErroEntrada naming the key (and list index) and
// leaves `dados` untouched.
void Le(const std::string& caminho, TDadosModelo& dados);
void LeTexto(const std::string& texto, TDadosModelo& dados);
// The text of Conteudo for a state still being entered (no time step yet, site values
// a run would refuse), read back as it was: only the layer counts are checked.
void LeRascunho(const std::string& texto, TDadosModelo& dados);

// Writes through a temporary file renamed over the target; ErroEntrada on failure,
// leaving any earlier file intact. A state that the reading would refuse (beyond the
// capacities, no time step yet, a value that is not finite) is not written.
void Grava(const std::string& caminho, const TDadosModelo& dados);
std::string Texto(const TDadosModelo& dados);
// The same text without the capacity check, for a state still being entered: two
// states with the same problem give the same text (what tells whether a problem
// changed). ErroEntrada only for a value that is not finite.
std::string Conteudo(const TDadosModelo& dados);
// The same text of what the thermal run reads: without the stress data and the site
// measurements, so two problems that differ only there give the same text.
std::string ConteudoTermico(const TDadosModelo& dados);

// Puts the problem of `origem` (every field a project file holds) into `destino`,
// whose run state and colour scale stay as they are.
void CopiaProblema(const TDadosModelo& origem, TDadosModelo& destino);

}  // namespace Projeto
