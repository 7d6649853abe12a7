#pragma once
#include <QComboBox>

#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"

// What the two node windows share: the chooser of node numbers and the table a
// mode reads.
namespace EscolhaNo {

// Fills the chooser with "1" .. NElemAtivos + 1 (its text emptied).
void Preenche(QComboBox* chooser, const TDadosModelo& dados);

// The node typed in the chooser: not a whole number raises ErroConversao; above
// the last active node it becomes that node, below 1 it becomes 1, in the
// chooser too.
int NoEscolhido(QComboBox* chooser, const TDadosModelo& dados);

}  // namespace EscolhaNo
