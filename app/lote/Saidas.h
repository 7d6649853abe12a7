#pragma once
#include "app/lote/Execucao.h"
#include "app/lote/Opcoes.h"

// What the batch tool writes of a run: the tables (text of "Salvar Tudo" or CSV), the
// PDF report, the messages and summaries on standard output. Everything is made in
// memory first; the files are written only when all of it succeeded.
namespace Lote {

void Grava(const Opcoes& o, const ExecucaoLote& execucao);

}  // namespace Lote
