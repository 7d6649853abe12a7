#include "stress/MatrizFluencia.h"

#include <cmath>
#include <thread>

#include "stress/AvaliadorFluencia.h"

TMatrizFluencia::TMatrizFluencia(int ordem)
    : ordem_(ordem), valores_(Inicio(ordem)) {}

TMatrizFluencia::Falha TMatrizFluencia::Monta(const TAvaliadorFluencia& avaliador, int linhas) {
    if (linhas < 1) linhas = 1;
    std::vector<Falha> falhas(static_cast<std::size_t>(linhas));
    // Rows taken in turn by each thread keep the work balanced over the triangle.
    auto trabalho = [&](int primeira) {
        Falha& f = falhas[static_cast<std::size_t>(primeira)];
        for (int i = primeira; i < ordem_; i += linhas) {
            double* linha = Linha(i);
            avaliador.Linha(i + 1, linha);
            for (int j = 0; j <= i; ++j)
                if (!std::isfinite(linha[j])) {
                    f = {true, i, j};
                    return;  // later rows of this thread cannot come first
                }
        }
    };
    std::vector<std::thread> outras;
    for (int k = 1; k < linhas; ++k) outras.emplace_back(trabalho, k);
    trabalho(0);
    for (auto& t : outras) t.join();
    Falha primeira;
    for (const auto& f : falhas)
        if (f.Houve && (!primeira.Houve || f.Linha < primeira.Linha)) primeira = f;
    return primeira;
}
