#pragma once
#include <QString>
#include <vector>

#include "core/TabelaTexto.h"
#include "core/ui/Contexto.h"

class QAction;
class QMenuBar;
class QWidget;

// Saving a history table or chosen nodes to a text file, shared by the
// temperature and stress tables, the results window and the node export.
// Failures (a file that cannot be created, a disk error) are raised as
// ErroEntrada for the general error handler; an earlier file of that name is
// then left as it was.
namespace SalvaTabela {

// Every save offers the text of the program and the spreadsheet (SalvaComTipo::TiposTabela):
// the text gets ".txt" appended whatever the name ends with, the spreadsheet ".csv" unless it has it.

// Maximum of the progress bar: Round(TempoTotal - placement hour of layer 1).
int MaximoBarra(const TDadosModelo& dados);

// "Salvar Tudo": the warning, the save dialog, then the whole table with the
// progress window and pending events handled between rows.
void SalvarTudo(Contexto& ctx, const TabelaTexto& tabela);

// The results window's save: the dialog and the whole table, without warning or
// progress. False when the user cancelled the dialog.
bool SalvaDireto(Contexto& ctx, const TabelaTexto& tabela);

// The node export: the dialog, then the chosen nodes with the progress window.
void SalvaNos(Contexto& ctx, const TabelaTexto& tabela, const std::vector<int>& nos);

// The "&Salvar" menu of a history-table window: "Salvar Tudo", "Visualizar Nós"
// and "Salvar Nós" over `tabela`, the node windows opened in `modo`.
struct MenuSalvar {
    QAction* SalvarTudo;
    QAction* VisualizarNos;
    QAction* SalvarNos;
};
MenuSalvar CriaMenuSalvar(QMenuBar* barra, QWidget* dono, Contexto& ctx, const TabelaTexto& tabela, TModoNo modo);

}  // namespace SalvaTabela
