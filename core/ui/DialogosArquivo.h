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
};
