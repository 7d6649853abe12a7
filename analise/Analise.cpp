#include "analise/Analise.h"

#include "core/Erros.h"
#include "core/Projeto.h"
#include "stress/ProcTensional.h"

Analise Analise::Executa(const TDadosModelo& problema, const OpcoesAnalise& opcoes, Progresso& progresso) {
    return Executa(std::make_unique<TDadosModelo>(problema), opcoes, progresso);
}

Analise Analise::Executa(std::unique_ptr<TDadosModelo> dados, const OpcoesAnalise& opcoes, Progresso& progresso) {
    Analise a;
    a.Revisao = opcoes.Revisao;
    if (opcoes.Formulacao) DefineFormulacao(*dados, *opcoes.Formulacao);
    if (opcoes.Tensoes) TProcTensional::ValidaParametros(*dados);

    // As the run command does: the member starts with the elements of its first layer.
    dados->NElemAtivos = dados->NElemCamada;
    a.Termico = TProcesso::ProcessaTransiente(*dados, a.Temperaturas, progresso, opcoes.Pintor, opcoes.Observador);
    a.AtivosTermico = dados->NElemAtivos;
    if (opcoes.LimiteResumo) a.Resumo = TResumoTermico::Calcula(*dados, a.Temperaturas, *opcoes.LimiteResumo);

    if (opcoes.Tensoes) {
        if (!a.Termico.Completo) {
            throw ErroEntrada(TProcesso::MensagemFim(a.Termico, *dados) +
                              " A análise de tensões precisa da análise térmica completa até o tempo total.");
        }
        a.MensagemTensoes =
            TProcTensional::ProcessaTensional(*dados, a.Temperaturas, a.Tensoes, progresso, opcoes.LinhasTensoes).Mensagem;
        a.ComTensoes = true;
        if (opcoes.ParcelaAutogena) a.SemAutogena = SemRetracaoAutogena(*dados, a.Temperaturas, opcoes.LinhasTensoes);
        if (opcoes.Indice)
            a.Indice = TIndiceFissuracao::Calcula(*dados, a.Tensoes, opcoes.Indice->Curva, opcoes.Indice->Limite);
    }
    a.Dados = std::move(dados);
    return a;
}

Analise Analise::ExecutaArquivo(const std::string& caminho, const OpcoesAnalise& opcoes, Progresso& progresso) {
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(caminho, *dados);
    return Executa(std::move(dados), opcoes, progresso);
}

void Analise::ExecutaTensoes(const TDadosModelo& parametros, Progresso& progresso, int linhasExecucao) {
    auto dados = std::make_unique<TDadosModelo>(parametros);
    // The cooling pipes that ran, with what they recorded: the temperatures are theirs.
    if (Dados) dados->Resfriamento = Dados->Resfriamento;
    HistoricoNumerico tensoes;
    ResultadoTensional r;
    try {
        r = TProcTensional::ProcessaTensional(*dados, Temperaturas, tensoes, progresso, linhasExecucao);
    } catch (const ErroEntrada&) {
        throw;  // refused before anything was written
    } catch (const ErroConversao&) {
        throw;
    } catch (...) {
        if (tensoes.Colunas() == 0) throw;  // failed before the table was rebuilt
        // The nodes before the failing one stay written, as the table showed them.
        Tensoes = std::move(tensoes);
        ComTensoes = false;
        MensagemTensoes.clear();
        Indice.reset();
        Dados = std::move(dados);
        throw;
    }
    Tensoes = std::move(tensoes);
    MensagemTensoes = r.Mensagem;
    ComTensoes = r.Completo;
    Indice.reset();
    Dados = std::move(dados);
}

std::optional<TracaoMaximaRun> Analise::SemRetracaoAutogena(const TDadosModelo& problema,
                                                             const HistoricoNumerico& temperaturas, int linhasExecucao) {
    if (problema.RetracaoAutogena.empty()) return std::nullopt;
    auto copia = std::make_unique<TDadosModelo>(problema);
    copia->RetracaoAutogena.clear();
    HistoricoNumerico tensoes;
    Progresso silencioso;  // the run the user asked for already showed its progress
    TProcTensional::ProcessaTensional(*copia, temperaturas, tensoes, silencioso, linhasExecucao);
    return TracaoMaximaRun{copia->TracaoMaxima, copia->NoTracaoMaxima, copia->HoraTracaoMaxima};
}

void Analise::CopiaResultadosTermicos(const TDadosModelo& de, TDadosModelo& para) {
    para.Elementos = de.Elementos;  // the layers' properties given to their elements
    para.NElemAtivos = de.NElemAtivos;
    para.CamadaAtual = de.CamadaAtual;
    para.Tempo = de.Tempo;
    para.DtExplicito = de.DtExplicito;
    para.DtImplicito = de.DtImplicito;
    para.TMaxSolucao = de.TMaxSolucao;
    para.NoTMax = de.NoTMax;
    para.TMaxima = de.TMaxima;
    para.TempoTMax = de.TempoTMax;
    para.Temperaturas = de.Temperaturas;
    para.TermicoCompleto = de.TermicoCompleto;
    para.TMaxEscala = de.TMaxEscala;
    para.TMinEscala = de.TMinEscala;
}

void Analise::CopiaResultadosTensoes(const TDadosModelo& de, TDadosModelo& para) {
    para.ModuloRef = de.ModuloRef;
    para.TracaoMaxima = de.TracaoMaxima;
    para.NoTracaoMaxima = de.NoTracaoMaxima;
    para.HoraTracaoMaxima = de.HoraTracaoMaxima;
    para.NoAtual = de.NoAtual;
}
