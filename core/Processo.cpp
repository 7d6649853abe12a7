#include "core/Processo.h"

#include "core/Erros.h"

void TProcesso::ValidaEntrada(const TDadosModelo&) {}

ResultadoTransiente TProcesso::ProcessaTransiente(TDadosModelo& dados, TabelaTexto&, Progresso&, PintorElemento*) {
    ValidaEntrada(dados);
    dados.TermicoCompleto = false;
    return {};
}
