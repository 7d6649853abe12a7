#pragma once
#include "core/DadosModelo.h"
#include "core/TabelaTexto.h"
#include "core/ui/DialogosArquivo.h"
#include "core/ui/Mensagens.h"

struct Janelas;

// What every window is handed at construction: the one analysis state, the two
// history tables (temperatures of TForm1, stresses of TfrmResultadoTensoes), the
// message and file-dialog services, and the registry of the other windows.
struct Contexto {
    TDadosModelo& dados;
    TabelaTexto& temperaturas;
    TabelaTexto& tensoes;
    Mensagens& msg;
    DialogosArquivo& arquivos;
    Janelas& janelas;
};
