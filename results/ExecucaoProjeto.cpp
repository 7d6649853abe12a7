#include "results/ExecucaoProjeto.h"

#include "core/Erros.h"
#include "core/Projeto.h"
#include "stress/ProcTensional.h"

namespace ExecucaoProjeto {

TExecucaoProjeto Executa(std::unique_ptr<TDadosModelo> dados, const OpcoesExecucao& opcoes, Progresso& progresso) {
    TExecucaoProjeto r;
    if (opcoes.Formulacao) dados->Formulacao = *opcoes.Formulacao;
    if (opcoes.Tensoes) TProcTensional::ValidaParametros(*dados);

    // As the run command does: the member starts with the elements of its first layer.
    dados->NElemAtivos = dados->NElemCamada;
    r.Termico = TProcesso::ProcessaTransiente(*dados, r.Temperaturas, progresso, nullptr, opcoes.Observador);
    r.AtivosTermico = dados->NElemAtivos;

    if (opcoes.Tensoes) {
        if (!r.Termico.Completo) {
            throw ErroEntrada(TProcesso::MensagemFim(r.Termico, *dados) +
                              " A análise de tensões precisa da análise térmica completa até o tempo total.");
        }
        r.MensagemTensoes = TProcTensional::ProcessaTensional(*dados, r.Temperaturas, r.Tensoes, progresso,
                                                               opcoes.LinhasTensoes)
                                 .Mensagem;
        r.ComTensoes = true;
    }
    r.Dados = std::move(dados);
    return r;
}

TExecucaoProjeto ExecutaArquivo(const std::string& caminho, const OpcoesExecucao& opcoes, Progresso& progresso) {
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(caminho, *dados);
    return Executa(std::move(dados), opcoes, progresso);
}

}  // namespace ExecucaoProjeto
