#pragma once
#include <QString>
#include <optional>

// Open and save dialogs. `filtro` uses the "Descrição|*.ext|Outra|*.*" form;
// an empty optional means the user cancelled.
// The project files' filter, for every dialog that opens or saves one.
inline QString FiltroProjeto() { return QStringLiteral("Projeto Norvik-1D|*.n1d.json"); }

class DialogosArquivo {
public:
    virtual ~DialogosArquivo() = default;
    virtual std::optional<QString> abrir(const QString& filtro) = 0;
    virtual std::optional<QString> salvar(const QString& filtro) = 0;
    // The save dialog of a filter that offers several file types: `tipo` receives the
    // position (0, 1, ...) of the chosen pair. This default asks salvar() and takes the
    // type whose pattern the chosen name ends with, the first when none does.
    virtual std::optional<QString> salvarTipo(const QString& filtro, int& tipo);
    // Position of the pair whose pattern ("*.csv") `nome` ends with; -1 when none does.
    static int TipoDoNome(const QString& filtro, const QString& nome);
};
