#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/DadosModelo.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"
#include "incerteza/Distribuicoes.h"

// An uncertainty study: a base problem, the inputs that scatter, each with its
// distribution, and the samples drawn from them. Each sample is the base with one
// value of each input applied to a copy of it; its outputs come from the one analysis
// pipeline. The summary says how the outputs scatter and which input moves them.
struct TEstudoIncerteza;

// One input that can scatter. The table (Incerteza::Entradas) is the only place that
// knows an input: its key in the file, its column and how it changes the problem.
struct TEntradaIncerteza {
    std::string_view Chave;
    std::string_view Nome;     // column heading, without the unit
    std::string_view Unidade;
    double Minimo = -1e300;    // the values a sample may take
    bool MinimoExclusivo = false;
    double Maximo = 1e300;
    // Applies the value to the problem of a sample; ErroEntrada when the base cannot take it.
    void (*Aplica)(TDadosModelo& caso, double valor, const TEstudo& limites) = nullptr;
    // Instead of Aplica: a factor on every stress of the sample. The superposition is
    // linear in the imposed strain and in the modulus, so the stresses scale with it.
    bool FatorDasTensoes = false;

    std::string Cabecalho() const;  // "Condutividade k (W/(m·°C))"
};

struct TIncerta {
    int Entrada = 0;  // row of Incerteza::Entradas()
    TDistribuicao Distribuicao;
};

struct TEstudoIncerteza {
    std::string Projeto;
    std::shared_ptr<const TDadosModelo> Base;
    std::vector<TIncerta> Entradas;  // in the order of the table
    long long Amostras = 100;
    bool Hipercubo = true;           // Latin hypercube; false: plain random sampling
    std::uint64_t Semente = 1;
    double LimiteTemperatura = 70.0;  // °C: P(peak > limit)
    double LimiteDiferenca = 20.0;    // °C
    double LimiteIndice = 1.0;        // P(smallest index < limit)
};

// A sample as its row prints it: every value rounded as the CSV writes it, so that the
// summary of rows read back from files equals the summary of the run.
struct TLinhaIncerteza {
    long long Amostra = 0;  // from 1
    std::vector<double> Valores;  // of the inputs, in their order
    bool Ok = false;
    std::string Erro;
    double TMaxima = 0.0;
    double DifMaxima = 0.0;
    bool ComTensoes = false;
    double TracaoMaxima = 0.0;
    bool ComIndice = false;  // some node in tension
    double IndiceMinimo = 0.0;
    bool Atende = false;
};

struct TEstatisticaSaida {
    long long N = 0;
    double Media = 0.0, Desvio = 0.0, Q05 = 0.0, Q50 = 0.0, Q95 = 0.0;
};

struct TProbabilidade {
    double Limite = 0.0;
    long long Casos = 0, N = 0;
    double P = 0.0, Inferior = 0.0, Superior = 0.0;  // Wilson's 95 % interval
};

struct TResumoIncerteza {
    long long Amostras = 0, Falhas = 0;
    bool ComTensoes = false;
    // Peak, largest difference, smallest index (the index only with stresses).
    std::vector<TEstatisticaSaida> Saidas;
    TProbabilidade PicoAcima, DiferencaAcima, IndiceAbaixo;
    // [output][input]: Spearman's coefficient; NaN when it has no value.
    std::vector<std::vector<double>> Spearman;
};

struct TResultadoIncerteza {
    std::vector<TLinhaIncerteza> Linhas;  // in the order of the samples
    bool ComTensoes = false;
    bool Cancelado = false;  // only the samples that ran
};

namespace Incerteza {

const std::vector<TEntradaIncerteza>& Entradas();
int IndiceEntrada(std::string_view chave);

TEstudoIncerteza Le(const std::string& caminho);
TEstudoIncerteza LeTexto(const std::string& texto, const std::string& pasta,
                         std::shared_ptr<const TDadosModelo> base = nullptr);
std::string Texto(const TEstudoIncerteza& estudo);
void Grava(const std::string& caminho, const TEstudoIncerteza& estudo);
void Valida(const TEstudoIncerteza& estudo);
inline constexpr long long MaxAmostras = 1000000;

// The values of every sample, [sample][input], fixed by the seed.
std::vector<std::vector<double>> Valores(const TEstudoIncerteza& estudo);

// The problem of one sample: `caso` overwritten by the base, then each value applied.
void MontaAmostra(const TEstudoIncerteza& estudo, const std::vector<double>& valores, TDadosModelo& caso);
// One sample through the pipeline, on the calling thread (`area` as RodaEstudo's).
TLinhaIncerteza RodaAmostra(const TEstudoIncerteza& estudo, long long amostra, const std::vector<double>& valores,
                            std::unique_ptr<TDadosModelo>& area);
TResultadoIncerteza Roda(const TEstudoIncerteza& estudo, const OpcoesEstudo& opcoes = {});

// The values of output k (0 peak, 1 difference, 2 index) of the rows that have it.
std::vector<double> ValoresSaida(const std::vector<TLinhaIncerteza>& linhas, int k);

// The summary of the rows alone (those that ran), with the study's limits.
TResumoIncerteza Resume(const TEstudoIncerteza& estudo, const std::vector<TLinhaIncerteza>& linhas);

// One row per sample, a blank line, then the summary. UTF-8 with BOM, ';' between
// cells, decimal comma, CR LF.
std::vector<std::string> Colunas(const TEstudoIncerteza& estudo, bool comTensoes);
std::vector<std::string> Celulas(const TLinhaIncerteza& linha, bool comTensoes);
std::string CsvResumo(const TEstudoIncerteza& estudo, const TResumoIncerteza& resumo);
std::string Csv(const TEstudoIncerteza& estudo, const TResultadoIncerteza& resultado);
// The rows alone (BOM, header, one row per sample), as a share of the study writes them.
std::string CsvAmostras(const TEstudoIncerteza& estudo, const TResultadoIncerteza& resultado);
// The rows of CsvAmostras read back, every sample from 1 in order, the numbers as the
// cells print them: Csv of what it reads is the single run's file. ErroEntrada for
// columns of another study, a sample out of order or a cell that is not a number.
TResultadoIncerteza LeAmostras(const TEstudoIncerteza& estudo, const std::string& texto);
void GravaCsv(const std::string& caminho, const TEstudoIncerteza& estudo, const TResultadoIncerteza& resultado);

}  // namespace Incerteza
