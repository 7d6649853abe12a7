#pragma once
#include "core/DadosModelo.h"

// The member's rules that every part of the program reads alike.
namespace Membro {

// Layer of node n: the node between two layers belongs to the lower one.
int CamadaDoNo(const TDadosModelo& dados, int no);
// Node n is the foundation's: with "Fundação" layer 1 is the soil the member rests on,
// its top node included; it is held fully and is not concrete to be judged.
bool NoDaFundacao(const TDadosModelo& dados, int no);

}  // namespace Membro
