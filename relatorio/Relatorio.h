#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Historico.h"
#include "core/Progresso.h"
#include "results/ComparacaoProjetos.h"
#include "results/Cores.h"
#include "results/CurvasTemperatura.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"
#include "analise/AvisoFormulacao.h"

// The thermal-control report as content: every text, table, curve and colour band of
// the document, built from one run's state and tables with the same routines the
// windows use (the thermal summary, the cracking index, the curves of the charts, the
// colour map). Drawing it is the job of relatorio/ui; this part knows nothing of pages.
//
// A section is a heading followed by its blocks in order. Whoever has more to tell (the
// comparison of two projects, say) hands a section to TRelatorio::AcrescentaSecao before
// the drawing: the drawer knows only blocks.

// The verification limits, those the windows and the batch tool start with.
struct LimitesRelatorio {
    double Temperatura = 70.0;  // °C, peak and hours at or above
    double Diferenca = 20.0;    // °C, hottest point of a lift less its top face
    double Indice = 1.0;        // cracking index
    TCurvaTracao Curva = TCurvaTracao::Simples;
};

struct TTabelaRelatorio {
    std::vector<std::string> Cabecalho;
    std::vector<std::vector<std::string>> Linhas;
    // Column of the pass/fail mark, -1 when none: its cells read "passa" or "não passa".
    int ColunaMarca = -1;
};

struct TCurvaRelatorio {
    std::string Nome;
    std::vector<CurvasTemperatura::Ponto> Pontos;
};

struct TGraficoRelatorio {
    std::string Titulo, TituloX, TituloY;
    std::vector<TCurvaRelatorio> Curvas;
    // A horizontal limit line with its legend label.
    std::optional<double> Limite;
    std::string RotuloLimite;
    // A stress chart: the node whose stress history and strength curve the drawer reads
    // from the stress table as the stress chart window does (0: a temperature chart).
    int NoTensao = 0;
};

// The member painted in the colours of its temperatures at one instant, as the colour
// window paints it, with its scale.
struct TMapaRelatorio {
    double Hora = 0.0;
    double Altura = 0.0;  // m, of the member at that hour
    double TMinEscala = 0.0, TMaxEscala = 0.0;
    struct Faixa {
        double ya = 0.0, yb = 0.0;  // m
        double t = 0.0;             // °C
        Cores::CorRGB cor;
    };
    std::vector<Faixa> Faixas;
};

struct TBlocoRelatorio {
    enum class Especie { Paragrafo, Tabela, Grafico, Mapa };
    Especie Tipo = Especie::Paragrafo;
    std::string Texto;  // Paragrafo (a line starting "✔"/"✘" carries a mark); caption of the others
    TTabelaRelatorio Tabela;
    TGraficoRelatorio Grafico;
    TMapaRelatorio Mapa;
};

struct TResultadosSerpentinas;

struct TSecaoRelatorio {
    std::string Titulo;
    std::vector<TBlocoRelatorio> Blocos;

    void Paragrafo(std::string texto);
    void Tabela(std::string legenda, TTabelaRelatorio tabela);
    void Grafico(TGraficoRelatorio grafico);
    void Mapa(std::string legenda, TMapaRelatorio mapa);
};

struct TRelatorio {
    std::string Titulo;
    std::string Subtitulo;  // the project
    std::vector<TSecaoRelatorio> Secoes;
    // The figures the windows' summaries show, for whoever wants the numbers themselves.
    TResumoTermico Resumo;
    bool ComIndice = false;
    TIndiceFissuracao Indice;
    // Every check made: true when all passed.
    bool Aprovado = true;

    // Adds a section before the conclusion (the extension point of the document).
    void AcrescentaSecao(TSecaoRelatorio secao);
    static constexpr const char* TituloConclusao = "Conclusão";

    // All the text of the document in reading order, one block a line (tests, search).
    std::string TextoCorrido() const;
};

namespace Relatorio {

// Lifts per temperature-time chart: more top faces on one chart cannot be told apart.
inline constexpr int CamadasPorGrafico = 8;

// Whether the stress table holds a stress run (the header the stress analysis writes).
bool TemTensoes(const HistoricoNumerico& tensoes);

// Height y (m) of node n of the member as the run left it (node 1 at the bottom).
double AlturaNo(const TDadosModelo& dados, int no);

// "passa" / "não passa".
const char* Marca(bool passa);

// Builds the report of a complete or incomplete thermal run (`temperaturas`) and, when
// `tensoes` holds a stress run, of its stresses. `projeto` names the problem (the file).
// Raises what the summaries raise (ErroConversao on an unreadable cell, ErroEntrada when
// the strengths of the index were never given) and ErroEntrada when the limits are not
// finite. `serpentinas`: what the cooling pipes of the run recorded, when `dados` is not
// the copy that ran (which keeps them).
TRelatorio Monta(const TDadosModelo& dados, const HistoricoNumerico& temperaturas, const HistoricoNumerico* tensoes,
                 const LimitesRelatorio& limites, const std::string& projeto,
                 const TResultadosSerpentinas* serpentinas = nullptr);

// The comparison of the report's run (A) with another project (B): a section numbered
// after the last one, before the conclusion, with the rows of the comparison table. It
// informs; it passes or fails nothing.
void AcrescentaComparacao(TRelatorio& relatorio, const TComparacaoProjetos& comparacao);
inline constexpr const char* TituloComparacao = "Comparação com outro projeto";

// The verification of the report's run, as the verification gives it: the rows of its
// mesh, time-step and formulation checks (check, quantity, original, changed, change),
// what could not be run, and the verdict sentence.
struct VerificacaoRelatorio {
    bool Consistente = false;  // the formulation of the report's run
    std::vector<std::array<std::string, 5>> Linhas;
    std::vector<std::string> Notas;
    std::string Veredito;
};

// A section, numbered after the last one, with the verification; and, when the consistent
// formulation changes a verdict of the report (`aviso`), that warning in the conclusion.
void AcrescentaVerificacao(TRelatorio& relatorio, const VerificacaoRelatorio& verificacao,
                           const TAvisoFormulacao& aviso);
inline constexpr const char* TituloVerificacao = "Verificação";

// The report's own verdicts against the consistent formulation: the problem the report
// describes run once more (nothing for a consistent run).
TAvisoFormulacao AvisoFormulacao(const TRelatorio& relatorio, const TDadosModelo& problema,
                                 const LimitesRelatorio& limites, Progresso& progresso);

}  // namespace Relatorio
