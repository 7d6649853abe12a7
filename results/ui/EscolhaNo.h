#pragma once
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

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

// Keeps `rotulo` showing the height of the node in the chooser ("y = 1,25 m"),
// empty while the text is not a node of the member.
void MostraAltura(QComboBox* chooser, QLabel* rotulo, const TDadosModelo& dados);
void MostraAltura(QSpinBox* chooser, QLabel* rotulo, const TDadosModelo& dados);
// Shows it now (after a run changed the member under the same number).
void AtualizaAltura(const QSpinBox* chooser, QLabel* rotulo, const TDadosModelo& dados);

}  // namespace EscolhaNo
