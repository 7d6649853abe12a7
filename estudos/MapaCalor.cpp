#include "estudos/MapaCalor.h"

#include <algorithm>

#include "core/Erros.h"

namespace {

bool Valor(const TResultadoCaso& c, TSaidaEstudo s, double& v) {
    if (!c.Ok) return false;
    switch (s) {
        case TSaidaEstudo::TMaxima: v = c.TMaxima; return true;
        case TSaidaEstudo::HorasAcima: v = c.HorasAcima; return true;
        case TSaidaEstudo::DifMaxima: v = c.DifMaxima; return true;
        case TSaidaEstudo::TracaoMaxima: v = c.TracaoMaxima; return c.ComTensoes;
        case TSaidaEstudo::IndiceMinimo: v = c.IndiceMinimo; return c.ComIndice;
    }
    return false;
}

std::size_t Posicao(const std::vector<double>& valores, double v) {
    return static_cast<std::size_t>(std::find(valores.begin(), valores.end(), v) - valores.begin());
}

}  // namespace

bool TMapaCalor::PrecisaTensoes(TSaidaEstudo s) {
    return s == TSaidaEstudo::TracaoMaxima || s == TSaidaEstudo::IndiceMinimo;
}

std::string TMapaCalor::NomeSaida(const TEstudo& estudo, TSaidaEstudo s) {
    const auto colunas = RodaEstudo::Colunas(estudo, true);
    return colunas[static_cast<std::size_t>(RodaEstudo::PrimeiraSaida(estudo)) + static_cast<std::size_t>(s)];
}

TMapaCalor TMapaCalor::Calcula(const TEstudo& estudo, const TResultadoEstudo& resultado, int vx, int vy,
                               TSaidaEstudo saida) {
    const int n = static_cast<int>(estudo.Variacoes.size());
    if (vx < 0 || vy < 0 || vx >= n || vy >= n) throw ErroEntrada("Escolha dois parâmetros do estudo para o mapa.");
    if (vx == vy) throw ErroEntrada("O mapa precisa de dois parâmetros diferentes.");
    if (PrecisaTensoes(saida) && !resultado.ComTensoes)
        throw ErroEntrada("O estudo não calculou tensões: o projeto base não tem modelo de fluência e resistência à tração simples.");
    TMapaCalor m;
    m.X = estudo.Variacoes[static_cast<std::size_t>(vx)].Valores;
    m.Y = estudo.Variacoes[static_cast<std::size_t>(vy)].Valores;
    m.Celulas.assign(m.X.size() * m.Y.size(), Celula{});
    const bool menorPior = saida == TSaidaEstudo::IndiceMinimo;
    for (auto& c : m.Celulas) c.Atende = true;
    for (const auto& caso : resultado.Casos) {
        const std::size_t i = Posicao(m.X, caso.Valores[static_cast<std::size_t>(vx)]);
        const std::size_t j = Posicao(m.Y, caso.Valores[static_cast<std::size_t>(vy)]);
        if (i >= m.X.size() || j >= m.Y.size()) continue;
        Celula& cel = m.Celulas[j * m.X.size() + i];
        ++cel.Casos;
        cel.Atende = cel.Atende && caso.Ok && caso.Atende;
        double v = 0.0;
        if (!Valor(caso, saida, v)) continue;
        if (!cel.Tem || (menorPior ? v < cel.Valor : v > cel.Valor)) cel.Valor = v;
        cel.Tem = true;
    }
    bool primeiro = true;
    for (auto& c : m.Celulas) {
        if (c.Casos == 0) c.Atende = false;
        if (!c.Tem) continue;
        m.Minimo = primeiro ? c.Valor : std::min(m.Minimo, c.Valor);
        m.Maximo = primeiro ? c.Valor : std::max(m.Maximo, c.Valor);
        primeiro = false;
    }
    return m;
}
