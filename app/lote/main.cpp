// norvik1d-lote: runs a project file without windows and writes its tables in the
// layout of "Salvar Tudo".
//
//   norvik1d-lote PROJETO [--temperaturas ARQUIVO] [--tensoes ARQUIVO] [--resumo]
//                 [--formulacao consistente|classica] [--formato texto|csv]
//                 [--relatorio ARQUIVO.pdf [--compara OUTRO]] [--limite-temperatura °C]
//                 [--limite-diferenca °C] [--verifica] [--remocao-segura CAMADA [--protecao N]]
//   norvik1d-lote --estudo ESTUDO --saida RESULTADO.csv
//   norvik1d-lote PROJETO [--medicoes ARQUIVO [--origem DATA]] --calibra PARAM[,PARAM...] [--ate HORA]
//
// Exit 0 on success (the run's messages on standard output), 2 on refused input or
// a failed run (the message on standard error; no output file half-written).
#include <algorithm>
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "core/ArquivoAtomico.h"
#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Progresso.h"
#include "core/Projeto.h"
#include "core/TabelaTexto.h"
#include "obra/RemocaoSegura.h"
#include "relatorio/Relatorio.h"
#include "estudos/Calibracao.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"
#include "results/ComparacaoProjetos.h"
#include "results/ExecucaoProjeto.h"
#include "results/ExportaCsv.h"
#include "results/ExportaTabela.h"
#include "results/Medicoes.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"
#include "stress/ProcTensional.h"
#include "verificacao/Verificacao.h"

#ifdef NORVIK_RELATORIO_PDF
#include <QApplication>

#include "relatorio/ui/DesenhoRelatorio.h"
#endif

namespace {

constexpr int Sucesso = 0;
constexpr int Falha = 2;

constexpr const char* Uso =
    "Uso: norvik1d-lote PROJETO [--temperaturas ARQUIVO] [--tensoes ARQUIVO] [--resumo]\n"
    "                   [--formulacao consistente|classica] [--formato texto|csv]\n"
    "                   [--relatorio ARQUIVO.pdf [--compara OUTRO]] [--limite-temperatura °C]\n"
    "                   [--limite-diferenca °C] [--verifica] [--remocao-segura CAMADA [--protecao N]]\n"
    "  Lê o arquivo de projeto PROJETO (.n1d.json), executa a análise térmica e, com\n"
    "  --tensoes, a análise de tensões; grava cada tabela no caminho dado, no leiaute\n"
    "  de \"Salvar Tudo\" ou, com --formato csv, como planilha (; entre campos, vírgula\n"
    "  decimal, UTF-8). Com --resumo, escreve também o resumo térmico (limite de 70 °C)\n"
    "  e, com --tensoes, o índice de fissuração (Tração Simples, limite 1,0).\n"
    "  --relatorio grava o relatório de controle térmico em PDF (A4), com as tensões\n"
    "  quando há --tensoes; --limite-temperatura (padrão 70) e --limite-diferenca\n"
    "  (padrão 20, núcleo–superfície) são os limites do relatório e do resumo.\n"
    "  --compara roda também o projeto OUTRO (com as mesmas --tensoes e --formulacao) e\n"
    "  põe no relatório a tabela de comparação dos dois.\n"
    "  --formulacao escolhe a formulação térmica em lugar da do projeto.\n"
    "  --remocao-segura busca a retirada mais cedo da proteção do topo da CAMADA (a que\n"
    "  sai por último, ou a N de --protecao) que mantém o índice de fissuração (Tração\n"
    "  Simples) ≥ 1,0 dali ao fim da análise.\n"
    "  Com --verifica, escreve também a verificação: o problema refeito com o dobro\n"
    "  de elementos por camada (e, com --tensoes, a maior tração) e o balanço de energia.\n"
    "       norvik1d-lote --estudo ESTUDO --saida RESULTADO.csv\n"
    "  Roda os casos do estudo de cronograma ESTUDO em todos os núcleos e grava uma\n"
    "  linha por caso em RESULTADO.csv.\n"
    "       norvik1d-lote PROJETO [--medicoes ARQUIVO [--origem DATA]] --calibra PARAM[,PARAM...]\n"
    "                     [--ate HORA]\n"
    "  Ajusta os parâmetros (E, CE, n, b, Tr, Topo, TLanc) às medições do arquivo (ou às do\n"
    "  projeto) até a hora dada (a última leitura, sem --ate) e imprime o relatório.\n"
    "  Sai com 0 em sucesso e 2 em entrada recusada ou falha.\n";

struct Opcoes {
    std::string projeto;
    std::optional<std::string> temperaturas;
    std::optional<std::string> tensoes;
    bool ajuda = false;
    bool resumo = false;
    bool verifica = false;
    std::optional<TFormulacao> formulacao;
    std::optional<int> remocaoSegura;  // lift
    int protecao = 0;                  // 0: the one that comes off last
    bool csv = false;
    std::optional<std::string> relatorio;
    std::optional<std::string> compara;  // the other project of the report's comparison
    std::optional<double> limiteTemperatura;
    std::optional<double> limiteDiferenca;
    std::optional<std::string> estudo;
    std::optional<std::string> saida;
    std::optional<std::string> medicoes;
    std::optional<std::string> origem;
    std::optional<std::string> calibra;
    std::optional<std::string> ate;
};

bool MesmoArquivo(const std::string& a, const std::string& b) {
    std::error_code ec1, ec2;
    const auto ca = std::filesystem::weakly_canonical(a, ec1);
    const auto cb = std::filesystem::weakly_canonical(b, ec2);
    return ec1 || ec2 ? a == b : ca == cb;
}

int InteiroDaOpcao(const std::vector<std::string>& args, std::size_t& i, const std::string& opcao) {
    if (i + 1 >= args.size()) throw ErroEntrada("falta o número depois de " + opcao);
    try {
        return Numeros::TextoParaInteiro(args[++i]);
    } catch (const ErroConversao& e) {
        throw ErroEntrada(opcao + ": " + e.what());
    }
}

// A limit as the user types it, with the decimal comma (a point is taken too).
double LeLimite(const std::string& opcao, const std::string& texto) {
    std::string t = texto;
    for (char& c : t)
        if (c == '.') c = ',';
    try {
        return Numeros::TextoParaReal(t);
    } catch (const ErroConversao&) {
        throw ErroEntrada(opcao + " deve ser seguida de um número em °C, não \"" + texto + "\"");
    }
}

Opcoes LeOpcoes(const std::vector<std::string>& args) {
    Opcoes o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--ajuda" || a == "-h" || a == "--help") {
            o.ajuda = true;
        } else if (a == "--resumo") {
            o.resumo = true;
        } else if (a == "--verifica") {
            o.verifica = true;
        } else if (a == "--formulacao") {
            if (o.formulacao) throw ErroEntrada("a opção --formulacao foi dada mais de uma vez");
            const std::string valor = i + 1 < args.size() ? args[++i] : std::string();
            if (valor == "consistente") o.formulacao = TFormulacao::Consistente;
            else if (valor == "classica") o.formulacao = TFormulacao::Classica;
            else throw ErroEntrada("--formulacao deve ser seguida de consistente ou classica");
        } else if (a == "--remocao-segura") {
            if (o.remocaoSegura) throw ErroEntrada("a opção --remocao-segura foi dada mais de uma vez");
            o.remocaoSegura = InteiroDaOpcao(args, i, a);
        } else if (a == "--protecao") {
            o.protecao = InteiroDaOpcao(args, i, a);
            if (o.protecao < 1) throw ErroEntrada("--protecao deve ser seguida de um número a partir de 1");
        } else if (a == "--formato") {
            const std::string valor = i + 1 < args.size() ? args[++i] : std::string();
            if (valor == "csv") o.csv = true;
            else if (valor == "texto") o.csv = false;
            else throw ErroEntrada("--formato deve ser seguida de texto ou csv");
        } else if (a == "--limite-temperatura" || a == "--limite-diferenca") {
            auto& destino = a == "--limite-temperatura" ? o.limiteTemperatura : o.limiteDiferenca;
            if (destino) throw ErroEntrada("a opção " + a + " foi dada mais de uma vez");
            if (i + 1 >= args.size()) throw ErroEntrada(a + " deve ser seguida de um número em °C");
            destino = LeLimite(a, args[++i]);
        } else if (a == "--temperaturas" || a == "--tensoes" || a == "--relatorio" || a == "--estudo" ||
                   a == "--saida" || a == "--medicoes" || a == "--origem" || a == "--calibra" || a == "--ate" ||
                   a == "--compara") {
            auto& destino = a == "--temperaturas" ? o.temperaturas
                            : a == "--tensoes"    ? o.tensoes
                            : a == "--relatorio"  ? o.relatorio
                            : a == "--estudo"     ? o.estudo
                            : a == "--saida"      ? o.saida
                            : a == "--medicoes"   ? o.medicoes
                            : a == "--origem"     ? o.origem
                            : a == "--calibra"    ? o.calibra
                            : a == "--compara"    ? o.compara
                                                  : o.ate;
            if (destino) throw ErroEntrada("a opção " + a + " foi dada mais de uma vez");
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                throw ErroEntrada("falta o nome do arquivo depois de " + a);
            }
            destino = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            throw ErroEntrada("opção desconhecida: " + a);
        } else if (o.projeto.empty()) {
            o.projeto = a;
        } else {
            throw ErroEntrada("mais de um arquivo de projeto: \"" + o.projeto + "\" e \"" + a + "\"");
        }
    }
    if (o.compara && !o.relatorio) throw ErroEntrada("--compara só vale com --relatorio");
    if (o.estudo || o.saida) {
        if (!o.estudo) throw ErroEntrada("--saida só vale com --estudo");
        if (!o.saida) throw ErroEntrada("falta --saida RESULTADO.csv para o estudo");
        if (!o.projeto.empty() || o.temperaturas || o.tensoes || o.resumo || o.formulacao || o.relatorio ||
            o.verifica || o.remocaoSegura || o.csv || o.limiteTemperatura || o.limiteDiferenca)
            throw ErroEntrada("--estudo não se combina com um arquivo de projeto nem com as outras opções");
        if (MesmoArquivo(*o.estudo, *o.saida))
            throw ErroEntrada("o resultado \"" + *o.saida + "\" sobrescreveria o próprio estudo");
        return o;
    }
    if (o.medicoes || o.calibra || o.ate || o.origem) {
        if (!o.calibra) throw ErroEntrada("--medicoes, --origem e --ate só valem com --calibra");
        if (o.origem && !o.medicoes) throw ErroEntrada("--origem só vale com --medicoes");
        if (o.temperaturas || o.tensoes || o.resumo || o.formulacao || o.relatorio || o.verifica ||
            o.remocaoSegura || o.csv)
            throw ErroEntrada("--calibra não se combina com as tabelas, o relatório, --resumo, --verifica, "
                              "--remocao-segura nem --formulacao");
    }
    if (!o.ajuda && o.projeto.empty()) throw ErroEntrada("falta o arquivo de projeto");
    if (o.protecao != 0 && !o.remocaoSegura) throw ErroEntrada("--protecao só vale com --remocao-segura");
    return o;
}


// An output that would overwrite the project or the other table is refused before
// anything runs.
void VerificaSaidas(const Opcoes& o) {
    for (const auto* saida : {&o.temperaturas, &o.tensoes}) {
        if (*saida && MesmoArquivo(**saida, o.projeto)) {
            throw ErroEntrada("a tabela \"" + **saida + "\" sobrescreveria o próprio arquivo de projeto");
        }
    }
    if (o.temperaturas && o.tensoes && MesmoArquivo(*o.temperaturas, *o.tensoes)) {
        throw ErroEntrada("as tabelas de temperaturas e de tensões teriam o mesmo arquivo \"" + *o.tensoes + "\"");
    }
    if (o.relatorio) {
        if (MesmoArquivo(*o.relatorio, o.projeto))
            throw ErroEntrada("o relatório \"" + *o.relatorio + "\" sobrescreveria o próprio arquivo de projeto");
        for (const auto* saida : {&o.temperaturas, &o.tensoes})
            if (*saida && MesmoArquivo(**saida, *o.relatorio))
                throw ErroEntrada("o relatório e uma tabela teriam o mesmo arquivo \"" + *o.relatorio + "\"");
    }
    if (o.compara) {
        for (const auto* saida : {&o.temperaturas, &o.tensoes, &o.relatorio})
            if (*saida && MesmoArquivo(**saida, *o.compara))
                throw ErroEntrada("a saída \"" + **saida + "\" sobrescreveria o projeto de comparação");
    }
    // A folder that does not exist (or cannot be written) is refused before the run, not
    // after it: the temporary file is created and dropped at once.
    for (const auto* saida : {&o.temperaturas, &o.tensoes, &o.relatorio})
        if (*saida) TArquivoAtomico{**saida};
#ifndef NORVIK_RELATORIO_PDF
    if (o.relatorio) throw ErroEntrada("esta compilação da ferramenta de lote não gera relatórios (sem Qt)");
#endif
}

// Limits of the summaries printed by --resumo: those the windows start with.
constexpr double LimiteTemperatura = 70.0;
constexpr double LimiteIndice = 1.0;
constexpr TCurvaTracao CurvaIndice = TCurvaTracao::Simples;

#ifdef NORVIK_RELATORIO_PDF
// The other project of --compara, run as the report's own; whatever fails in it is
// refused naming the file, before anything is written.
TExecucaoProjeto ExecutaComparado(const std::string& caminho, const OpcoesExecucao& opcoes, Progresso& progresso) {
    const std::string qual = "o projeto de comparação \"" + caminho + "\": ";
    TExecucaoProjeto outro;
    try {
        outro = ExecucaoProjeto::ExecutaArquivo(caminho, opcoes, progresso);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw ErroEntrada(qual + e.what());
    }
    if (!outro.Termico.Completo) throw ErroEntrada(qual + TProcesso::MensagemFim(outro.Termico, *outro.Dados));
    return outro;
}
#endif

void VerificaResistencias(const TDadosModelo& dados) {
    if (!TIndiceFissuracao::ResistenciasDefinidas(dados, CurvaIndice))
        throw ErroEntrada("o índice de fissuração do --resumo precisa da resistência à tração simples: "
                          "ResistTracaoA e ResistTracaoB não estão no projeto");
}

// The cases run on every core; the file is written once all of them ran.
int ExecutaEstudo(const Opcoes& o) {
    const TEstudo estudo = Estudo::Le(*o.estudo);
    const TResultadoEstudo r = RodaEstudo::Roda(estudo);
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
    return Sucesso;
}

// The fit to the measurements; the report on standard output.
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
    std::cout << Calibracao::Ajusta(*dados, escolhidos, ate).Texto();
    return Sucesso;
}

int Executa(const Opcoes& o) {
    if (o.estudo) return ExecutaEstudo(o);
    if (o.calibra) return ExecutaCalibracao(o);
    VerificaSaidas(o);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::Le(o.projeto, *lido);
    // The refusals in the order the user meets them: the stress inputs, then the strengths.
    if (o.tensoes) TProcTensional::ValidaParametros(*lido);
    if (o.resumo && o.tensoes) VerificaResistencias(*lido);
    Progresso semJanela;
    // The search runs its own analyses on the problem as read, before anything is written.
    std::string remocao;
    if (o.remocaoSegura) {
        TDadosModelo& busca = *lido;
        if (o.formulacao) busca.Formulacao = *o.formulacao;
        remocao = "\n" + TRemocaoSegura::Busca(busca, *o.remocaoSegura, o.protecao, LimiteIndice, CurvaIndice, semJanela)
                             .Texto();
    }
    OpcoesExecucao opcoes;
    opcoes.Formulacao = o.formulacao;
    opcoes.Tensoes = o.tensoes.has_value();
    // The verification re-runs the problem as read, in the formulation that runs.
    std::unique_ptr<TDadosModelo> paraVerificar;
    if (o.verifica) {
        paraVerificar = std::make_unique<TDadosModelo>(*lido);
        if (o.formulacao) paraVerificar->Formulacao = *o.formulacao;
    }
    TExecucaoProjeto ex = ExecucaoProjeto::Executa(std::move(lido), opcoes, semJanela);
    TDadosModelo* dados = ex.Dados.get();
    const TabelaTexto& temperaturas = ex.Temperaturas;
    const TabelaTexto& tensoes = ex.Tensoes;
    const int ativosTermico = ex.AtivosTermico;

    std::vector<std::string> mensagens;
    std::string aviso;
    if (ex.Termico.Completo) {
        mensagens.push_back(ex.Termico.Mensagem);
    } else {
        aviso = TProcesso::MensagemFim(ex.Termico, *dados) + " Sem mensagem de temperatura máxima.";
    }
    if (ex.ComTensoes) mensagens.push_back(ex.MensagemTensoes);

    // The summaries, before any file is written or anything printed: a failure leaves neither.
    const double limiteTemperatura = o.limiteTemperatura.value_or(LimiteTemperatura);
    std::string resumo;
    if (o.resumo) {
        resumo = "\n" + TResumoTermico::Calcula(*dados, temperaturas, limiteTemperatura).Texto(false);
        if (o.tensoes)
            resumo += "\n" + TIndiceFissuracao::Calcula(*dados, tensoes, CurvaIndice, LimiteIndice).Texto(false);
    }
    if (paraVerificar) resumo += "\n" + TVerificacao::Executa(*paraVerificar, opcoes.Tensoes, semJanela).Texto();

    // The report's pages are drawn in memory before any file is written.
    std::string pdf;
#ifdef NORVIK_RELATORIO_PDF
    if (o.relatorio) {
        LimitesRelatorio limites;
        limites.Temperatura = limiteTemperatura;
        if (o.limiteDiferenca) limites.Diferenca = *o.limiteDiferenca;
        limites.Indice = LimiteIndice;
        limites.Curva = CurvaIndice;
        const std::string nomeProjeto = std::filesystem::path(o.projeto).filename().string();
        TRelatorio relatorio =
            Relatorio::Monta(*dados, temperaturas, ex.ComTensoes ? &tensoes : nullptr, limites, nomeProjeto);
        if (o.compara) {
            const TExecucaoProjeto outro = ExecutaComparado(*o.compara, opcoes, semJanela);
            const TComparacaoProjetos c = TComparacaoProjetos::Calcula(
                {nomeProjeto, dados, &temperaturas, ex.ComTensoes ? &tensoes : nullptr},
                {std::filesystem::path(*o.compara).filename().string(), outro.Dados.get(), &outro.Temperaturas,
                 outro.ComTensoes ? &outro.Tensoes : nullptr});
            Relatorio::AcrescentaComparacao(relatorio, c);
        }
        // The charts are widgets: an application without a display draws them.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int argc = 1;
        char nome[] = "norvik1d-lote";
        char* argv[] = {nome, nullptr};
        // Qt's notes about the platform are not the user's business.
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
                std::cerr << "norvik1d-lote: " << texto.toStdString() << '\n';
        });
        QApplication app(argc, argv);
        const QByteArray bytes = DesenhoRelatorio::Pdf(relatorio, *dados, ex.ComTensoes ? &tensoes : nullptr);
        pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
#endif

    // Every analysis succeeded: only now are the files written.
    if (o.csv) {
        if (o.temperaturas) ExportaCsv::Grava(*o.temperaturas, ExportaCsv::Tabela(temperaturas, ativosTermico, "°C", &*dados));
        if (o.tensoes) ExportaCsv::Grava(*o.tensoes, ExportaCsv::Tabela(tensoes, dados->NElemAtivos, "MPa"));
    } else {
        if (o.temperaturas) ExportaTabela::Grava(*o.temperaturas, temperaturas, ativosTermico);
        if (o.tensoes) ExportaTabela::Grava(*o.tensoes, tensoes, dados->NElemAtivos);
    }
    if (o.relatorio) TArquivoAtomico::Grava(*o.relatorio, pdf, "Não foi possível salvar o relatório");

    for (const auto& m : mensagens) std::cout << m << '\n';
    std::cout << resumo << remocao;
    std::cout.flush();
    if (!aviso.empty()) std::cerr << "norvik1d-lote: " << aviso << '\n';
    return Sucesso;
}

}  // namespace

#ifndef NORVIK_RELATORIO_PDF
// The PDF report is drawn by the twin of this tool that links Qt (norvik1d-lote-pdf,
// beside this one): a run that asks for it is handed over whole, arguments as given.
// Without the twin the run goes on here and --relatorio is refused with its message.
static void EntregaAoGeradorDePdf(char** argv) {
    std::error_code ec;
    const std::filesystem::path eu = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return;
    const std::string gemeo = (eu.parent_path() / "norvik1d-lote-pdf").string();
    if (::access(gemeo.c_str(), X_OK) != 0) return;
    std::cout.flush();
    ::execv(gemeo.c_str(), argv);
}
#endif

int main(int argc, char** argv) {
    // A file-size limit must end as a reported write error, not kill the tool
    // while a temporary file is half written.
    std::signal(SIGXFSZ, SIG_IGN);
#ifndef NORVIK_RELATORIO_PDF
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--relatorio") EntregaAoGeradorDePdf(argv);
#endif
    Opcoes o;
    try {
        o = LeOpcoes(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ErroEntrada& e) {
        std::cerr << "norvik1d-lote: " << e.what() << '\n' << Uso;
        return Falha;
    }
    try {
        if (o.ajuda) {
            std::cout << Uso;
            return Sucesso;
        }
        return Executa(o);
    } catch (const ErroEntrada& e) {
        std::cerr << "norvik1d-lote: " << e.what() << '\n';
        return Falha;
    } catch (const ErroCalculo& e) {
        std::cerr << "norvik1d-lote: " << e.what() << '\n';
        return Falha;
    } catch (const std::bad_alloc&) {
        std::cerr << "norvik1d-lote: memória insuficiente\n";
        return Falha;
    } catch (const std::exception& e) {
        std::cerr << "norvik1d-lote: " << e.what() << '\n';
        return Falha;
    }
}
