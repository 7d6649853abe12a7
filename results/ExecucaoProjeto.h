#pragma once
// The former name of the one analysis pipeline, kept for the callers not yet moved
// to analise/Analise.h; new code includes that.
#include "analise/Analise.h"

using OpcoesExecucao = OpcoesAnalise;
using TExecucaoProjeto = Analise;

namespace ExecucaoProjeto {

inline Analise Executa(std::unique_ptr<TDadosModelo> dados, const OpcoesAnalise& opcoes, Progresso& progresso) {
    return Analise::Executa(std::move(dados), opcoes, progresso);
}

inline Analise ExecutaArquivo(const std::string& caminho, const OpcoesAnalise& opcoes, Progresso& progresso) {
    return Analise::ExecutaArquivo(caminho, opcoes, progresso);
}

}  // namespace ExecucaoProjeto
