#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/DadosModelo.h"

// The member as one table: a row per layer with what the layer, initial-condition
// and internal-heat dialogs take for it, as the user types it (decimal comma, the
// dialogs' units), and its conversion into the state with the same rules and messages.
namespace TabelaMembro {

enum Coluna {
    Espessura, Condutividade, MassaEspecifica, CalorEspecifico, Dilatacao, Dia, Hora, TInicial,
    Constante, C, E, Tr, N, B, F, Agregado, NumColunas
};

using Linha = std::array<std::string, NumColunas>;

// Column headings with the units of the unit system (`usuais`).
std::string Titulo(Coluna coluna, bool usuais);

// Row `L` of the state as the dialogs would show it (general format, decimal comma;
// "Sim"/"Não" for Constante).
Linha LinhaDoEstado(const TDadosModelo& dados, int L);

// One converted row.
struct Camada {
    double Espessura = 0.0, K = 0.0, Ro = 0.0, CalorEsp = 0.0, Alfa = 0.0, TInicial = 0.0;
    std::int32_t HoraConcretagem = 0;
    bool Constante = false;
    double C = 0.0, E = 0.0, Tr = 0.0, N = 0.0, B = 0.0, F = 0.0;
    TAgregado Agregado = TAgregado::Outro;  // empty cell or "Outro": none
};

// A cell that cannot be taken: the message is the dialog's, prefixed with the layer and column.
struct ErroCelula {
    int Linha;   // 0-based
    int Coluna;
    std::string Mensagem;
};

// Converts row `L` (1-based, for the message); throws ErroEntrada whose text is the
// message and fills `erro` with where it is.
Camada Converte(const Linha& linha, int L, bool usuais, ErroCelula* erro = nullptr);

// Writes the rows into the state, all of them or (on the first bad cell, ErroEntrada)
// nothing: layers 1..n, NCamadas = NCamadasMembro = n, the start coordinates stacked as
// the layer dialog stacks them, the placements, the curve parameters and the constant
// rate. `origem[i]` is the layer of the state row i came from (0 for a new row): its
// calorimeter table and its curing record move with it. Records past n are cleared.
// `elementosPorCamada` is the main window's count, for the node capacity.
void Aplica(TDadosModelo& dados, const std::vector<Linha>& linhas, const std::vector<int>& origem, bool fundacao,
            int elementosPorCamada);

// The row with the specific heat and the dilation of the aggregate named in its
// Agregado cell, in the units of the unit system (`usuais`); false (the row unchanged)
// when the cell names none with table values.
bool PreencheAgregado(Linha& linha, bool usuais);

// Rows pasted from a spreadsheet: lines split at line ends (CR LF or LF, a last empty
// line dropped), cells at tabs, or at ';' in a text without tabs. The text in any of the
// encodings the readers take (Cp1252::ParaUtf8).
std::vector<std::vector<std::string>> Colagem(std::string_view texto);

// Why rows pasted from column `coluna0` on do not fit: a cell past the table's last
// column that is not blank is never dropped silently. Empty when they fit.
std::string ProblemaColagem(const std::vector<std::vector<std::string>>& linhas, int coluna0, bool usuais);

}  // namespace TabelaMembro
