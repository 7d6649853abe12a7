#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/DadosModelo.h"

// A schedule study: a base problem and the parameters to vary, each with its list of
// values. Every case is the base with one value of each parameter applied to a copy of
// it; no case touches the base or another case.
struct TEstudo;

// One parameter a study can vary. The table of them (Estudo::Parametros) is the only
// place that knows a parameter: its key in the study file, its column and how it
// changes the problem. A new parameter is one more row.
struct TParametroEstudo {
    std::string_view Chave;    // key in the study file
    std::string_view Nome;     // column heading, without the unit
    std::string_view Unidade;  // "m", "h", "°C", …
    bool Inteiro = false;      // only whole values
    double Minimo = 0.0;       // smallest value accepted
    bool MinimoExclusivo = false;
    // Applies `valor` to the case; ErroEntrada when the base cannot take it.
    void (*Aplica)(TDadosModelo& caso, double valor, const TEstudo& estudo) = nullptr;
    double Maximo = 1e300;     // largest value accepted
    // The value as the problem has it now (of the first concrete lift that has the item).
    double (*Le)(const TDadosModelo& problema) = nullptr;
    // Whether the problem has what the parameter changes (nullptr: every problem).
    bool (*Cabe)(const TDadosModelo& problema) = nullptr;

    std::string Cabecalho() const;  // "Altura da camada (m)"
};

struct TVariacao {
    int Parametro = 0;  // row of Estudo::Parametros()
    std::vector<double> Valores;
};

struct TEstudo {
    std::string Projeto;                        // the base project file, as the study names it
    std::shared_ptr<const TDadosModelo> Base;   // the problem read from it
    double AlturaTotal = 0.0;                   // m of concrete, kept when the lift height varies
    std::vector<TVariacao> Variacoes;           // in the order of the table
    long long Sorteados = 0;                    // 0: every combination
    std::uint64_t Semente = 1;
    // What a case must meet to pass.
    double LimiteTemperatura = 70.0;  // °C: the peak stays below it (and no hour at or above)
    double LimiteDiferenca = 20.0;    // °C: largest core-to-surface difference
    double LimiteIndice = 1.0;        // smallest cracking index, when stresses are run
};

namespace Estudo {

// The parameters, in the order they are applied to a case (the geometry first).
const std::vector<TParametroEstudo>& Parametros();
// Row of the table with this key; -1 when there is none.
int IndiceParametro(std::string_view chave);

// Reads a study file; the base project is read from `Projeto`, relative to the study's
// folder. Strict like the project file: ErroEntrada naming the key.
TEstudo Le(const std::string& caminho);
// The same from text; the project path is resolved against `pasta`. With `base` the
// project file is not read: the study runs on that problem.
TEstudo LeTexto(const std::string& texto, const std::string& pasta,
                std::shared_ptr<const TDadosModelo> base = nullptr);
std::string Texto(const TEstudo& estudo);
void Grava(const std::string& caminho, const TEstudo& estudo);

// What every kind of study file shares. `oque` names it in the messages ("estudo",
// "estudo de incerteza"). The text of the file; ErroEntrada when it cannot be read.
std::string TextoDoArquivo(const std::string& caminho, const std::string& oque);
// The file of the base project a study names: relative to the study's folder `pasta`.
std::string CaminhoDoProjeto(const std::string& projeto, const std::string& pasta);
// The base project a study names, relative to the study's folder `pasta`; ErroEntrada
// "Projeto base do <oque>: …" when it cannot be read.
std::shared_ptr<const TDadosModelo> ProjetoBase(const std::string& projeto, const std::string& pasta,
                                                const std::string& oque);
// The base of a study file being read: `base` when the caller has it, else the project
// its "projeto" names; a file without "projeto" is refused, the refusal starting with
// `prefixo`.
std::shared_ptr<const TDadosModelo> BaseDoEstudo(std::shared_ptr<const TDadosModelo> base, const std::string& projeto,
                                                 const std::string& pasta, const std::string& oque,
                                                 const std::string& prefixo);

// Checks what does not need a case: at least one parameter, no empty list, values in
// range, "AlturaTotal" when the lift height varies, a base with concrete layers and
// without impossible values (Validacao). ErroEntrada otherwise.
void Valida(const TEstudo& estudo);

// Every combination: the product of the list sizes (saturating at the cap).
long long Combinacoes(const TEstudo& estudo);
inline constexpr long long MaxCasos = 1000000;

// The cases to run, each the values of the variations in their order. Every combination
// in order (the first parameter varies slowest), or `Sorteados` of them chosen without
// repetition by a fixed generator from `Semente`, in the same order.
std::vector<std::vector<double>> Casos(const TEstudo& estudo);

// The problem of one case: a copy of the base with each value applied.
std::unique_ptr<TDadosModelo> MontaCaso(const TEstudo& estudo, const std::vector<double>& valores);
// The same into `caso`, every field of it overwritten by the base's first.
void MontaCaso(const TEstudo& estudo, const std::vector<double>& valores, TDadosModelo& caso);

// Every value applied to `caso`, which already holds the base (MontaCaso without the
// copy): what writes chosen values into a problem itself.
void AplicaValores(const TEstudo& estudo, const std::vector<double>& valores, TDadosModelo& caso);

// A member whose concrete lifts are all the first one (thickness, material, heat, curing,
// protections, pipes) placed at one interval: the member the lift height and the
// interval rebuild without losing anything of it.
bool Uniforme(const TDadosModelo& problema);
// m of concrete of the member (the lifts above the foundation).
double AlturaDeConcreto(const TDadosModelo& problema);

// Whether the cases of this base also run the stress analysis: it has a creep model and
// the simple tensile strength curve.
bool ComTensoes(const TDadosModelo& base);

}  // namespace Estudo
