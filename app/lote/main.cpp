// norvik1d-lote: runs a project file without windows and writes its tables in the
// layout of "Salvar Tudo".
//
//   norvik1d-lote PROJETO [--temperaturas ARQUIVO] [--tensoes ARQUIVO] [--resumo]
//                 [--formulacao consistente|classica] [--formato texto|csv]
//                 [--relatorio ARQUIVO.pdf [--compara OUTRO]] [--limite-temperatura °C]
//                 [--limite-diferenca °C] [--verifica] [--remocao-segura CAMADA [--protecao N]]
//                 [--clima ARQUIVO [--origem-clima "AAAA-MM-DD HH:MM" --fuso H]]
//   norvik1d-lote --estudo ESTUDO --saida RESULTADO.csv [--parte K/N]
//   norvik1d-lote --incerteza ESTUDO --saida RESULTADO.csv [--parte K/N]
//   norvik1d-lote --junta PARTE1.csv PARTE2.csv ... [--incerteza ESTUDO] --saida RESULTADO.csv
//   norvik1d-lote PROJETO [--medicoes ARQUIVO [--origem DATA]] --calibra PARAM[,PARAM...] [--ate HORA]
//                 [--clima ARQUIVO [--origem-clima "AAAA-MM-DD HH:MM" --fuso H]]
//
// Exit 0 on success (the run's messages on standard output), 2 on refused input or
// a failed run (the message on standard error; no output file half-written).
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "app/lote/Execucao.h"
#include "app/lote/Opcoes.h"
#include "app/lote/Saidas.h"
#include "core/Erros.h"

namespace {

constexpr int Sucesso = 0;
constexpr int Falha = 2;

int Executa(const Lote::Opcoes& o) {
    if (o.estudo) return Lote::ExecutaEstudo(o);
    if (!o.junta.empty()) return Lote::ExecutaJunta(o);
    if (o.incerteza) return Lote::ExecutaIncerteza(o);
    if (o.calibra) return Lote::ExecutaCalibracao(o);
    Lote::VerificaSaidas(o);
    Lote::Grava(o, Lote::ExecutaProjeto(o));
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
    Lote::Opcoes o;
    try {
        o = Lote::LeOpcoes(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ErroEntrada& e) {
        std::cerr << "norvik1d-lote: " << e.what() << '\n' << Lote::Uso;
        return Falha;
    }
    try {
        if (o.ajuda) {
            std::cout << Lote::Uso;
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
