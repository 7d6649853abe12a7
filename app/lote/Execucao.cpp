#include "app/lote/Execucao.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <fstream>
#include <iterator>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include <unistd.h>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/Validacao.h"
#include "estudos/Calibracao.h"
#include "obra/ClimaHorario.h"
#include "estudos/Estudo.h"
#include "estudos/Partes.h"
#include "estudos/RodaEstudo.h"
#include "estudos/RemocaoSegura.h"
#include "incerteza/Incerteza.h"
#include "results/Medicoes.h"
#include "stress/ProcTensional.h"
#include "analise/AvisoFormulacao.h"
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

// "AAAA-MM-DD HH:MM": the local date and whole hour of the analysis' hour 0.
TClimaHorario::Inicio LeOrigemClima(const std::string& texto, int fuso) {
    const auto digitos = [&](std::size_t de, std::size_t n) {
        for (std::size_t k = de; k < de + n; ++k)
            if (k >= texto.size() || texto[k] < '0' || texto[k] > '9') return false;
        return true;
    };
    const bool forma = texto.size() == 16 && digitos(0, 4) && texto[4] == '-' && digitos(5, 2) && texto[7] == '-' &&
                       digitos(8, 2) && texto[10] == ' ' && digitos(11, 2) && texto[13] == ':' && digitos(14, 2);
    if (!forma)
        throw ErroEntrada("--origem-clima deve ser seguida da data e da hora local da hora 0 como \"AAAA-MM-DD HH:MM\", "
                          "não \"" + texto + "\"");
    const int hora = std::stoi(texto.substr(11, 2));
    if (hora > 23 || texto.substr(14, 2) != "00")
        throw ErroEntrada("--origem-clima: a hora 0 da análise é uma hora cheia, de 00:00 a 23:00, não \"" +
                          texto.substr(11) + "\"");
    return TClimaHorario::LeData(texto.substr(8, 2) + "/" + texto.substr(5, 2) + "/" + texto.substr(0, 4), hora, fuso);
}

}  // namespace

void AplicaClima(const Opcoes& o, TDadosModelo& dados) {
    if (!o.clima) return;
    const std::string& caminho = *o.clima;
    std::ifstream f(caminho, std::ios::binary);
    if (!f) throw ErroEntrada("não foi possível abrir o arquivo de clima \"" + caminho + "\"");
    const std::string texto{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    TClimaHorario clima;
    const bool estacao = TClimaHorario::PareceInmet(texto);
    if (estacao && !o.origemClima)
        throw ErroEntrada("o arquivo de clima \"" + caminho +
                          "\" é de estação automática: dê a data e a hora local da hora 0 da análise com "
                          "--origem-clima \"AAAA-MM-DD HH:MM\" (e o fuso da estação com --fuso, padrão -3)");
    if (!estacao && (o.origemClima || o.fuso))
        throw ErroEntrada("--origem-clima e --fuso valem só para o CSV de estação automática; \"" + caminho +
                          "\" está no formato próprio (hora;temperatura;...), contado da hora 0 da análise");
    const TClimaHorario::Inicio inicio = estacao ? LeOrigemClima(*o.origemClima, o.fuso.value_or(-3))
                                                 : TClimaHorario::Inicio{};
    try {
        clima = estacao ? TClimaHorario::LeInmet(texto, inicio) : TClimaHorario::LeCsv(texto);
    } catch (const ErroEntrada& e) {
        throw ErroEntrada("o arquivo de clima \"" + caminho + "\": " + e.what());
    }
    clima.Aplica(ObraEditavel(dados));
    ObraEditavel(dados).ClimaArquivo = true;
}

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
    AplicaClima(o, *lido);
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
        if (o.formulacao) DefineFormulacao(*lido, *o.formulacao);
        r.Remocao = ComLinha(
            TRemocaoSegura::Busca(*lido, *o.remocaoSegura, o.protecao, LimiteIndice, CurvaIndice, semJanela).Texto());
    }
    // The verification re-runs the problem as read, in the formulation that runs.
    std::unique_ptr<TDadosModelo> paraVerificar;
    if (o.verifica) {
        paraVerificar = std::make_unique<TDadosModelo>(*lido);
        if (o.formulacao) DefineFormulacao(*paraVerificar, *o.formulacao);
    }
    OpcoesAnalise principal = opcoes;
    if (o.resumo) {
        principal.LimiteResumo = o.limiteTemperatura.value_or(LimiteTemperatura);
        if (o.tensoes) principal.Indice = OpcoesAnalise::ParametrosIndice{CurvaIndice, LimiteIndice};
        principal.ParcelaAutogena = o.tensoes.has_value();
    }
    // The problem read is handed over: no copy of its tables.
    r.Principal = Analise::Executa(std::move(lido), principal, semJanela);
    if (o.resumo && r.Principal.Resumo) {
        const Analise& a = r.Principal;
        r.AvisoFormulacao = ComLinha(TAvisoFormulacao::Calcula(*a.Dados, *a.Resumo, a.Indice ? &*a.Indice : nullptr,
                                                               o.limiteDiferenca.value_or(LimiteDiferenca), semJanela)
                                         .Texto());
        if (r.AvisoFormulacao == "\n") r.AvisoFormulacao.clear();
    }
    if (paraVerificar) r.Verificacao = ComLinha(TVerificacao::Executa(*paraVerificar, opcoes.Tensoes, semJanela).Texto());
    if (o.compara) r.Comparado = ExecutaComparado(*o.compara, opcoes, semJanela);
    return r;
}

namespace {

// `roda(opcoes)` with, on a terminal, the progress of its `total` cases rewritten on the
// error output while another thread runs them.
template <class F>
auto ComProgresso(long long total, OpcoesEstudo opcoes, F roda) {
    if (!::isatty(STDERR_FILENO)) return roda(opcoes);
    std::atomic<long long> feitos{0};
    opcoes.Feitos = &feitos;
    decltype(roda(opcoes)) r;
    std::exception_ptr erro;
    std::atomic<bool> terminou{false};
    std::thread linha([&] {
        try {
            r = roda(opcoes);
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
    linha.join();
    MostraProgresso(feitos.load(), total, inicio);
    std::cerr << '\n';
    if (erro) std::rethrow_exception(erro);
    return r;
}

std::string LinhaProbabilidade(const std::string& nome, const std::string& unidade, const TProbabilidade& p) {
    return "P(" + nome + Numeros::FormataGeral(p.Limite) + unidade + ") = " + Numeros::FormataFixo(p.P, 0, 4) + " (IC 95 %: " +
           Numeros::FormataFixo(p.Inferior, 0, 4) + " a " + Numeros::FormataFixo(p.Superior, 0, 4) + ")\n";
}

}  // namespace

int ExecutaEstudo(const Opcoes& o) {
    const TEstudo estudo = Estudo::Le(*o.estudo);
    const long long todos = static_cast<long long>(Estudo::Casos(estudo).size());
    OpcoesEstudo opcoes;
    std::optional<Partes::TParte> parte;
    if (o.parte) {
        parte = Partes::Le(*o.parte);
        const Partes::TFaixa f = Partes::Faixa(todos, *parte);
        opcoes.Inicio = f.Inicio;
        opcoes.Fim = f.Fim;
    }
    const long long total = parte ? opcoes.Fim - opcoes.Inicio : todos;
    const TResultadoEstudo r =
        ComProgresso(total, opcoes, [&](const OpcoesEstudo& op) { return RodaEstudo::Roda(estudo, op); });
    if (parte) {
        TArquivoAtomico::Grava(*o.saida, Partes::ArquivoDaParte(RodaEstudo::Csv(estudo, r), *parte, todos,
                                                               Partes::Assinatura(Estudo::Texto(estudo))));
    } else {
        RodaEstudo::GravaCsv(*o.saida, estudo, r);
    }
    long long falhas = 0, atendem = 0;
    for (const auto& c : r.Casos) {
        falhas += c.Ok ? 0 : 1;
        atendem += c.Ok && c.Atende ? 1 : 0;
    }
    if (parte)
        std::cout << "Parte " << parte->K << " de " << parte->N << " (casos " << Numeros::FormataInteiro(opcoes.Inicio + 1)
                  << " a " << Numeros::FormataInteiro(opcoes.Fim) << " de " << Numeros::FormataInteiro(todos) << "): ";
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

int ExecutaIncerteza(const Opcoes& o) {
    const TEstudoIncerteza estudo = Incerteza::Le(*o.incerteza);
    // The folder of the result is checked before the samples run, not after.
    TArquivoAtomico{*o.saida};
    OpcoesEstudo opcoes;
    std::optional<Partes::TParte> parte;
    if (o.parte) {
        parte = Partes::Le(*o.parte);
        const Partes::TFaixa f = Partes::Faixa(estudo.Amostras, *parte);
        opcoes.Inicio = f.Inicio;
        opcoes.Fim = f.Fim;
    }
    const TResultadoIncerteza r = ComProgresso(parte ? opcoes.Fim - opcoes.Inicio : estudo.Amostras, opcoes,
                                               [&](const OpcoesEstudo& op) { return Incerteza::Roda(estudo, op); });
    const TResumoIncerteza resumo = Incerteza::Resume(estudo, r.Linhas);
    if (parte) {
        TArquivoAtomico::Grava(*o.saida, Partes::ArquivoDaParte(Incerteza::CsvAmostras(estudo, r), *parte,
                                                               estudo.Amostras,
                                                               Partes::Assinatura(Incerteza::Texto(estudo)),
                                                               Partes::TTipoEstudo::Incerteza));
        std::cout << "Parte " << parte->K << " de " << parte->N << " (amostras "
                  << Numeros::FormataInteiro(opcoes.Inicio + 1) << " a " << Numeros::FormataInteiro(opcoes.Fim)
                  << " de " << Numeros::FormataInteiro(estudo.Amostras) << "): ";
    } else {
        Incerteza::GravaCsv(*o.saida, estudo, r);
    }
    std::cout << Numeros::FormataInteiro(resumo.Amostras) << " amostras";
    if (resumo.Falhas)
        std::cout << "; " << Numeros::FormataInteiro(resumo.Falhas) << " não rodaram (veja a coluna Mensagem)";
    std::cout << ".\n";
    if (resumo.Amostras > 0 && resumo.Falhas == resumo.Amostras) {
        const std::string primeiro = r.Linhas.empty() ? std::string() : r.Linhas.front().Erro;
        std::cerr << "norvik1d-lote: nenhuma amostra do estudo rodou; a primeira disse: " << primeiro << '\n';
        return 2;
    }
    // A share's probabilities are those of the whole study, made when the shares are merged.
    if (parte) return 0;
    std::cout << LinhaProbabilidade("temperatura máxima > ", " °C", resumo.PicoAcima)
              << LinhaProbabilidade("maior diferença > ", " °C", resumo.DiferencaAcima);
    if (resumo.ComTensoes) std::cout << LinhaProbabilidade("menor índice < ", "", resumo.IndiceAbaixo);
    return 0;
}

int ExecutaJunta(const Opcoes& o) {
    std::vector<Partes::TArquivoParte> partes;
    for (const std::string& caminho : o.junta) {
        std::ifstream f(caminho, std::ios::binary);
        if (!f) throw ErroEntrada("Não foi possível abrir a parte \"" + caminho + "\"");
        std::stringstream s;
        s << f.rdbuf();
        if (f.bad()) throw ErroEntrada("Não foi possível ler a parte \"" + caminho + "\"");
        partes.push_back({caminho, s.str()});
    }
    const Partes::TJuncao juncao = Partes::Junta(partes);
    std::string conteudo = juncao.Conteudo;
    if (juncao.Tipo == Partes::TTipoEstudo::Incerteza) {
        if (!o.incerteza)
            throw ErroEntrada("as partes são de um estudo de incerteza: dê também --incerteza ESTUDO, para refazer o "
                              "resumo das amostras juntadas");
        const TEstudoIncerteza estudo = Incerteza::Le(*o.incerteza);
        if (Partes::Assinatura(Incerteza::Texto(estudo)) != juncao.Assinatura)
            throw ErroEntrada("as partes não são do estudo de incerteza \"" + *o.incerteza + "\"");
        conteudo = Incerteza::Csv(estudo, Incerteza::LeAmostras(estudo, conteudo));
    } else if (o.incerteza) {
        throw ErroEntrada("as partes são de um estudo de cronograma, não do estudo de incerteza \"" + *o.incerteza + "\"");
    }
    TArquivoAtomico::Grava(*o.saida, conteudo);
    std::cout << Numeros::FormataInteiro(static_cast<long long>(partes.size())) << " partes juntadas em \"" << *o.saida
              << "\".\n";
    return 0;
}

int ExecutaCalibracao(const Opcoes& o) {
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(o.projeto, *dados);
    AplicaClima(o, *dados);
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
