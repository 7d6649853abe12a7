#include "core/PosProcesso.h"

#include <algorithm>
#include <vector>

double TPosProcesso::MaximoVetor(const double* vetor1, int k) {
    double m = vetor1[1];
    for (int i = 2; i <= k; ++i)
        if (vetor1[i] > m) m = vetor1[i];
    return m;
}

double TPosProcesso::MinimoVetor(const double* vetor1, int k) {
    double m = vetor1[1];
    for (int i = 2; i <= k; ++i)
        if (vetor1[i] < m) m = vetor1[i];
    return m;
}

void TPosProcesso::PosProcessa(TDadosModelo& dados, const HistoricoNumerico& historico, PintorElemento* pintor) {
    const int m = dados.NElemAtivos;
    const int n = std::min(m + 1, historico.Colunas() - 1);

    // Only the rows that hold a written step: with a time step above one hour the
    // rows between two steps stay empty.
    std::vector<double> linha(static_cast<std::size_t>(n) + 1);
    std::vector<double> maximos(1), minimos(1);
    for (int r = 1; r < historico.Linhas(); ++r) {
        if (historico.Vazia(0, r)) continue;
        for (int c = 1; c <= n; ++c) linha[static_cast<std::size_t>(c)] = historico.Valor(c, r);
        maximos.push_back(MaximoVetor(linha.data(), n));
        minimos.push_back(MinimoVetor(linha.data(), n));
    }
    const int linhas = static_cast<int>(maximos.size()) - 1;
    if (linhas >= 1 && n >= 1) {
        const double maximo = MaximoVetor(maximos.data(), linhas);
        const double minimo = MinimoVetor(minimos.data(), linhas);
        if (maximo > dados.TMaxEscala) dados.TMaxEscala = maximo;
        if (minimo < dados.TMinEscala) dados.TMinEscala = minimo;
    }

    if (pintor == nullptr) return;
    const TCamada& topo = dados.Camadas[static_cast<std::size_t>(dados.NCamadas)];
    const double altura = topo.Espessura + topo.XIni;
    for (int e = 1; e <= m; ++e) {
        pintor->DesenhaElemento(e, m, dados.Temperaturas[static_cast<std::size_t>(e)],
                                dados.Temperaturas[static_cast<std::size_t>(e + 1)], dados.TMaxEscala,
                                dados.TMinEscala, altura, dados.Elementos);
    }
}
