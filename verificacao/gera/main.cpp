// gera_verificacao: writes docs/verificacao.md from the analytic cases run through the
// engine, so that the page always shows what the program computes.
//
//   gera_verificacao [ARQUIVO]     (without ARQUIVO, to standard output)
#include <exception>
#include <iostream>

#include "core/ArquivoAtomico.h"
#include "verificacao/CasosAnaliticos.h"

int main(int argc, char** argv) {
    try {
        const std::string texto = CasosAnaliticos::Documento();
        if (argc > 1) TArquivoAtomico::Grava(argv[1], texto);
        else std::cout << texto;
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "gera_verificacao: " << e.what() << '\n';
        return 2;
    }
}
