#include "incerteza/RelatorioIncerteza.h"

#include <algorithm>
#include <cmath>

#include "core/Numeros.h"
#include "incerteza/Estatistica.h"

namespace {

std::string Num(double v) { return Numeros::FormataGeral(v); }
std::string Fixo(double v, int d) { return std::isfinite(v) ? Numeros::FormataFixo(v + 0.0, 0, d) : "—"; }

std::string Distribuicao(const TDistribuicao& d) {
    switch (d.Tipo) {
        case TTipoDistribuicao::Normal: return "normal";
        case TTipoDistribuicao::Lognormal: return "lognormal";
        case TTipoDistribuicao::Uniforme: return "uniforme";
        case TTipoDistribuicao::Triangular: return "triangular";
    }
    return {};
}

std::string Parametros(const TDistribuicao& d) {
    switch (d.Tipo) {
        case TTipoDistribuicao::Normal:
        case TTipoDistribuicao::Lognormal: return "média " + Num(d.A) + "; desvio " + Num(d.B);
        case TTipoDistribuicao::Uniforme: return "de " + Num(d.A) + " a " + Num(d.B);
        case TTipoDistribuicao::Triangular: return "de " + Num(d.A) + " a " + Num(d.C) + ", moda " + Num(d.B);
    }
    return {};
}

std::string Truncamento(const TDistribuicao& d) {
    if (!d.Min && !d.Max) return "—";
    return std::string("[") + (d.Min ? Num(*d.Min) : "−∞") + "; " + (d.Max ? Num(*d.Max) : "+∞") + "]";
}

constexpr const char* Nomes[] = {"Temperatura máxima (°C)", "Maior diferença núcleo–superfície (°C)",
                                 "Menor índice de fissuração (-)"};

// The histogram as the outline of its bars, and the limit as a vertical line.
TGraficoRelatorio Histograma(int k, const std::vector<double>& x, double limite) {
    TGraficoRelatorio g;
    g.Titulo = std::string("Histograma: ") + Nomes[k];
    g.TituloX = Nomes[k];
    g.TituloY = "Amostras";
    const Estatistica::THistograma h = Estatistica::Histograma(x);
    TCurvaRelatorio barras{"Amostras", {}};
    for (const auto& [a, n] : Estatistica::Contorno(h)) barras.Pontos.push_back({a, n});
    const long long maior = *std::max_element(h.Contagens.begin(), h.Contagens.end());
    g.Curvas.push_back(std::move(barras));
    g.Curvas.push_back({"Limite: " + Num(limite), {{limite, 0.0}, {limite, static_cast<double>(maior) * 1.1}}});
    return g;
}

}  // namespace

namespace Incerteza {

void AcrescentaAoRelatorio(TRelatorio& r, const TEstudoIncerteza& e, const TResultadoIncerteza& resultado,
                           const std::string& base) {
    const TResumoIncerteza resumo = Resume(e, resultado.Linhas);
    std::size_t numeradas = r.Secoes.size();
    if (!r.Secoes.empty() && r.Secoes.back().Titulo == TRelatorio::TituloConclusao) --numeradas;
    TSecaoRelatorio s;
    s.Titulo = Numeros::FormataInteiro(static_cast<long long>(numeradas + 1)) + ". " + TituloRelatorio;
    std::string texto = "Projeto base: " + base + ". " + Numeros::FormataInteiro(resumo.Amostras) + " amostras (" +
                        (e.Hipercubo ? "hipercubo latino" : "amostragem aleatória simples") + ", semente " +
                        Numeros::FormataInteiro(static_cast<long long>(e.Semente)) + ")";
    if (resumo.Falhas) texto += ", das quais " + Numeros::FormataInteiro(resumo.Falhas) + " não rodaram";
    if (resultado.Cancelado) texto += "; o estudo foi cancelado antes de rodar todas as " +
                                      Numeros::FormataInteiro(e.Amostras);
    s.Paragrafo(texto + ". Cada amostra é o projeto base com um valor de cada entrada, rodado inteiro; as "
                        "probabilidades têm o intervalo de confiança de 95 % de Wilson.");

    TTabelaRelatorio entradas;
    entradas.Cabecalho = {"Entrada", "Distribuição", "Parâmetros", "Truncamento"};
    for (const auto& x : e.Entradas)
        entradas.Linhas.push_back({Entradas()[static_cast<std::size_t>(x.Entrada)].Cabecalho(),
                                   Distribuicao(x.Distribuicao), Parametros(x.Distribuicao),
                                   Truncamento(x.Distribuicao)});
    s.Tabela("Entradas incertas", std::move(entradas));

    TTabelaRelatorio estat;
    estat.Cabecalho = {"Saída", "Amostras", "Média", "Desvio padrão", "Quantil 5 %", "Mediana", "Quantil 95 %"};
    for (std::size_t k = 0; k < resumo.Saidas.size(); ++k) {
        const auto& x = resumo.Saidas[k];
        const int d = k == 2 ? 3 : 2;
        estat.Linhas.push_back({Nomes[k], Numeros::FormataInteiro(x.N), Fixo(x.Media, d), Fixo(x.Desvio, d),
                                Fixo(x.Q05, d), Fixo(x.Q50, d), Fixo(x.Q95, d)});
    }
    s.Tabela("Estatísticas das saídas", std::move(estat));

    TTabelaRelatorio prob;
    prob.Cabecalho = {"Evento", "Amostras", "Probabilidade", "IC 95 %"};
    const auto linha = [&](const std::string& nome, const TProbabilidade& p) {
        prob.Linhas.push_back({nome, Numeros::FormataInteiro(p.Casos) + " de " + Numeros::FormataInteiro(p.N),
                               Fixo(p.P, 3), Fixo(p.Inferior, 3) + " a " + Fixo(p.Superior, 3)});
    };
    linha("Temperatura máxima > " + Num(e.LimiteTemperatura) + " °C", resumo.PicoAcima);
    linha("Maior diferença > " + Num(e.LimiteDiferenca) + " °C", resumo.DiferencaAcima);
    if (resumo.ComTensoes) linha("Menor índice < " + Num(e.LimiteIndice), resumo.IndiceAbaixo);
    s.Tabela("Probabilidades", std::move(prob));

    TTabelaRelatorio spearman;
    spearman.Cabecalho = {"Entrada"};
    for (std::size_t k = 0; k < resumo.Spearman.size(); ++k) spearman.Cabecalho.push_back(Nomes[k]);
    for (std::size_t j = 0; j < e.Entradas.size(); ++j) {
        std::vector<std::string> l{Entradas()[static_cast<std::size_t>(e.Entradas[j].Entrada)].Cabecalho()};
        for (const auto& porSaida : resumo.Spearman) l.push_back(Fixo(porSaida[j], 3));
        spearman.Linhas.push_back(std::move(l));
    }
    s.Tabela("Sensibilidade: correlação de postos de Spearman de cada saída com cada entrada", std::move(spearman));

    const double limites[] = {e.LimiteTemperatura, e.LimiteDiferenca, e.LimiteIndice};
    for (int k = 0; k < static_cast<int>(resumo.Saidas.size()); ++k) {
        const std::vector<double> x = ValoresSaida(resultado.Linhas, k);
        if (!x.empty()) s.Grafico(Histograma(k, x, limites[k]));
    }
    r.AcrescentaSecao(std::move(s));
}

}  // namespace Incerteza
