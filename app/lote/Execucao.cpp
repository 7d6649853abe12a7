#include "app/lote/Execucao.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include <unistd.h>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/Validacao.h"
#include "estudos/Calibracao.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"
#include "estudos/RemocaoSegura.h"
#include "results/Medicoes.h"
#include "stress/ProcTensional.h"
#include "verificacao/Verificacao.h"

namespace Lote {

namespace {

// Cases done and the time left on the error output, rewritten in place; only when it
// is a terminal (a log gets the summary at the end and nothing else).
void MostraProgresso(long long feitos, long long total, std::chrono::steady_clock::time_point inicio) {
    using namespace std::chrono;
    const double decorrido = duration<double>(steady_clock::now() - inicio).count();
    std::string linha = "\rnorvik1d-lote: " + Numeros::FormataInteiro(feitos) + " de " + Numeros::FormataInteiro(total) +
                        " casos";
    if (feitos > 0 && feitos < total) {
        const auto resta = static_cast<long long>(decorrido / static_cast<double>(feitos) * static_cast<double>(total - feitos));
        linha += "; faltam cerca de " + (resta >= 60 ? Numeros::FormataInteiro(resta / 60) + " min " : std::string()) +
                 Numeros::FormataInteiro(resta % 60) + " s";
    }
    std::cerr << linha << "   " << std::flush;
}

void VerificaResistencias(const TDadosModelo& dados) {
    if (!TIndiceFissuracao::ResistenciasDefinidas(dados, CurvaIndice))
        throw ErroEntrada("o índice de fissuração do --resumo precisa da resistência à tração simples: "
                          "ResistTracaoA e ResistTracaoB não estão no projeto");
}

// The other project of --compara, run as the report's own; whatever fails in it is
// refused naming the file, before anything is written.
Analise ExecutaComparado(const std::string& caminho, const OpcoesAnalise& opcoes, Progresso& progresso) {
    const std::string qual = "o projeto de comparação \"" + caminho + "\": ";
    Analise outro;
    try {
        outro = Analise::ExecutaArquivo(caminho, opcoes, progresso);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw ErroEntrada(qual + e.what());
    }
    if (!outro.Termico.Completo) throw ErroEntrada(qual + TProcesso::MensagemFim(outro.Termico, *outro.Dados));
    if (const std::string c = Membro::CamadasAnalisadas(*outro.Dados); !c.empty())
        std::cerr << "norvik1d-lote: aviso: " << qual << c << '\n';
    return outro;
}

}  // namespace

std::string ComLinha(const std::string& texto) {
    std::string s;
    s.reserve(texto.size() + 1);
    s.push_back('\n');
    s.append(texto);
    return s;
}

ExecucaoLote ExecutaProjeto(const Opcoes& o) {
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::Le(o.projeto, *lido);
    // Unusual values run, but the engineer hears of them.
    for (const std::string& a : Validacao::ValidaProblema(*lido).Avisos) std::cerr << "norvik1d-lote: aviso: " << a << '\n';
    // A member whose layer count was cut (a review stopped midway) runs only its lower layers: said, never silent.
    if (const std::string c = Membro::CamadasAnalisadas(*lido); !c.empty()) std::cerr << "norvik1d-lote: aviso: " << c << '\n';
    // The refusals in the order the user meets them: the stress inputs, then the strengths.
    if (o.tensoes) TProcTensional::ValidaParametros(*lido);
    if (o.resumo && o.tensoes) VerificaResistencias(*lido);
    Progresso semJanela;
    ExecucaoLote r;
    OpcoesAnalise opcoes;
    opcoes.Formulacao = o.formulacao;
    opcoes.Tensoes = o.tensoes.has_value();
    // The search runs its own analyses on the problem as read, before anything is written.
    if (o.remocaoSegura) {
        if (o.formulacao) lido->Formulacao = *o.formulacao;
        r.Remocao = ComLinha(
            TRemocaoSegura::Busca(*lido, *o.remocaoSegura, o.protecao, LimiteIndice, CurvaIndice, semJanela).Texto());
    }
    // The verification re-runs the problem as read, in the formulation that runs.
    std::unique_ptr<TDadosModelo> paraVerificar;
    if (o.verifica) {
        paraVerificar = std::make_unique<TDadosModelo>(*lido);
        if (o.formulacao) paraVerificar->Formulacao = *o.formulacao;
    }
    OpcoesAnalise principal = opcoes;
    if (o.resumo) {
        principal.LimiteResumo = o.limiteTemperatura.value_or(LimiteTemperatura);
        if (o.tensoes) principal.Indice = OpcoesAnalise::ParametrosIndice{CurvaIndice, LimiteIndice};
    }
    // The problem read is handed over: no copy of its tables.
    r.Principal = Analise::Executa(std::move(lido), principal, semJanela);
    if (paraVerificar) r.Verificacao = ComLinha(TVerificacao::Executa(*paraVerificar, opcoes.Tensoes, semJanela).Texto());
    if (o.compara) r.Comparado = ExecutaComparado(*o.compara, opcoes, semJanela);
    return r;
}

int ExecutaEstudo(const Opcoes& o) {
    const TEstudo estudo = Estudo::Le(*o.estudo);
    TResultadoEstudo r;
    if (::isatty(STDERR_FILENO)) {
        std::atomic<long long> feitos{0};
        const auto total = static_cast<long long>(Estudo::Casos(estudo).size());
        OpcoesEstudo opcoes;
        opcoes.Feitos = &feitos;
        std::exception_ptr erro;
        std::atomic<bool> terminou{false};
        std::thread roda([&] {
            try {
                r = RodaEstudo::Roda(estudo, opcoes);
            } catch (...) {
                erro = std::current_exception();
            }
            terminou = true;
        });
        const auto inicio = std::chrono::steady_clock::now();
        while (!terminou) {
            MostraProgresso(feitos.load(), total, inicio);
            for (int i = 0; i < 10 && !terminou; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        roda.join();
        MostraProgresso(feitos.load(), total, inicio);
        std::cerr << '\n';
        if (erro) std::rethrow_exception(erro);
    } else {
        r = RodaEstudo::Roda(estudo);
    }
    RodaEstudo::GravaCsv(*o.saida, estudo, r);
    long long falhas = 0, atendem = 0;
    for (const auto& c : r.Casos) {
        falhas += c.Ok ? 0 : 1;
        atendem += c.Ok && c.Atende ? 1 : 0;
    }
    std::cout << Numeros::FormataInteiro(static_cast<long long>(r.Casos.size())) << " casos; "
              << Numeros::FormataInteiro(atendem) << " atendem aos limites";
    if (falhas) std::cout << "; " << Numeros::FormataInteiro(falhas) << " não rodaram (veja a coluna Mensagem)";
    std::cout << ".\n";
    // A study none of whose cases ran answered nothing: a failure, whatever the file says.
    if (!r.Casos.empty() && falhas == static_cast<long long>(r.Casos.size())) {
        std::cerr << "norvik1d-lote: nenhum caso do estudo rodou; o primeiro disse: " << r.Casos.front().Erro << '\n';
        return 2;
    }
    return 0;
}

int ExecutaCalibracao(const Opcoes& o) {
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(o.projeto, *dados);
    if (o.medicoes) dados->Medicoes = Medicoes::LeArquivo(*o.medicoes, o.origem.value_or(""));
    if (dados->Medicoes.empty())
        throw ErroEntrada("o projeto não tem medições: dê o arquivo dos sensores com --medicoes");
    const std::vector<int> escolhidos = Calibracao::LeLista(*o.calibra);
    double ate = 0.0;
    if (o.ate) {
        try {
            ate = Numeros::TextoParaReal(*o.ate);
        } catch (const ErroConversao& e) {
            throw ErroEntrada(std::string("--ate: ") + e.what());
        }
    } else {
        for (const auto& s : dados->Medicoes)
            if (!s.Leituras.empty()) ate = std::max(ate, s.Leituras.back().Hora);
    }
    const TResultadoCalibracao r = Calibracao::Ajusta(*dados, escolhidos, ate);
    std::cout << r.Texto();
    if (!r.Convergiu) {
        std::cerr << "norvik1d-lote: a calibração não convergiu; os valores acima não são um ajuste.\n";
        return 2;
    }
    return 0;
}

}  // namespace Lote
