#pragma once
#include <QString>
#include <optional>
#include <string>
#include <vector>

class DialogosArquivo;

// A save dialog that offers the file types of a command side by side (the text
// table and its spreadsheet, the chart picture as WMF, PNG, SVG or PDF). The
// first type is the program's own: its ending is handled as its command always
// did; the other types get their ending unless the name already has it.
namespace SalvaComTipo {

struct Tipo {
    QString Descricao;  // "Planilha CSV"
    QString Extensao;   // "csv", without the dot
};

struct Escolha {
    std::string Caminho;  // in the file system's encoding
    int Tipo = 0;         // position in the list
};

// How the first type treats the chosen name.
enum class PrimeiroTipo {
    SempreAnexa,      // ".txt" appended whatever the name ends with
    AnexaSeFaltar,    // appended unless the name already ends with it
};

// "Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*"
QString Filtro(const std::vector<Tipo>& tipos);

// Asks for the name; nothing when the user cancels. "Todos Arquivos" counts as the first type.
std::optional<Escolha> Pergunta(DialogosArquivo& arquivos, const std::vector<Tipo>& tipos,
                                PrimeiroTipo primeiro = PrimeiroTipo::SempreAnexa);

// A spreadsheet alone (a study's results): ".csv" appended unless the name has it.
std::optional<std::string> PerguntaPlanilha(DialogosArquivo& arquivos);

// The types of the tables: the text of the program, then the spreadsheet.
const std::vector<Tipo>& TiposTabela();
inline constexpr int TipoCsv = 1;

// The save dialog of the summaries, text or spreadsheet: the chosen path with ".txt"
// (".csv") added unless it already ends so; nothing when the user cancelled.
std::optional<Escolha> PerguntaResumo(DialogosArquivo& arquivos);

}  // namespace SalvaComTipo
