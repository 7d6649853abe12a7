#include "results/CurvasTemperatura.h"

#include "core/Erros.h"

namespace CurvasTemperatura {

std::vector<Ponto> HistoricoNo(const HistoricoNumerico& tabela, int no) {
    std::vector<Ponto> pontos;
    if (no < 1 || no >= tabela.Colunas()) return pontos;
    pontos.reserve(static_cast<std::size_t>(tabela.Linhas()));
    try {
        for (int r = 1; r < tabela.Linhas(); ++r) {
            const double t = tabela.Valor(no, r);
            if (t == 0.0) continue;
            pontos.push_back({tabela.Valor(0, r), t});
        }
    } catch (const ErroConversao&) {
        // End of what the analysis wrote: the curve stops here without a message.
    }
    return pontos;
}

std::vector<Ponto> PerfilLinha(const HistoricoNumerico& tabela, int linha, int nos) {
    std::vector<Ponto> pontos;
    if (linha < 0 || linha >= tabela.Linhas()) return pontos;
    try {
        for (int j = 1; j <= nos && j < tabela.Colunas(); ++j) {
            const double t = tabela.Valor(j, linha);
            if (t == 0.0) continue;
            pontos.push_back({static_cast<double>(j), t});
        }
    } catch (const ErroConversao&) {
        // An unreadable cell (the header row, a node not yet placed) ends the curve.
    }
    return pontos;
}

}  // namespace CurvasTemperatura
