#pragma once
#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"
#include "core/ui/DialogosArquivo.h"
#include "core/ui/Mensagens.h"

struct Janelas;
struct Analise;
class HistoricoProblema;

// What every window is handed at construction: the one analysis state, the current
// analysis (its histories as numbers, which every chart, map and summary reads), the
// text of its two history tables (temperatures of TForm1, stresses of
// TfrmResultadoTensoes: what the tables show and the exports write, made from the
// numbers), the message and file-dialog services, the registry of the other windows
// and the history of the problem.
struct Contexto {
    TDadosModelo& dados;
    TabelaTexto& temperaturas;
    TabelaTexto& tensoes;
    Analise& analise;
    Mensagens& msg;
    DialogosArquivo& arquivos;
    Janelas& janelas;
    // The history of the problem's changes (undo and redo); none in a bare test.
    HistoricoProblema* historico = nullptr;
};
