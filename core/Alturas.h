#pragma once
#include <string>
#include <vector>

#include "core/DadosModelo.h"

// Heights of the nodes along the member's axis (m, 0 at the bottom of layer 1).
namespace Alturas {

// Height of nodes 1 .. NCamadas·NElemCamada + 1 (slot 0 unused), from the layers'
// thicknesses and the elements per layer, summed element by element exactly as
// the analysis places its elements, so each height is bit for bit the analysis's.
// An element count below 1 or no layer gives the one node at 0.
std::vector<double> DosNos(const TDadosModelo& dados);

// "y = 1,25 m": a node's height for the node lists (two decimals, decimal comma);
// empty for a node outside `alturas`.
std::string Texto(const std::vector<double>& alturas, int no);

}  // namespace Alturas
