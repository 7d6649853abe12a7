#pragma once
#include <QWidget>

#include "core/ui/DialogosArquivo.h"
#include "core/ui/Mensagens.h"

// Message boxes centred over the window that asks.
class MensagensQt : public Mensagens {
public:
    // Starts following where the user acts, so that the first box already knows it.
    MensagensQt();
    void erro(const QString& texto) override;
    void informacao(const QString& texto) override;
    bool confirma(const QString& texto) override;
    std::optional<bool> confirmaOuCancela(const QString& texto) override;
};

class DialogosArquivoQt : public DialogosArquivo {
public:
    std::optional<QString> abrir(const QString& filtro) override;
    std::optional<QString> salvar(const QString& filtro) override;
    std::optional<QString> salvarTipo(const QString& filtro, int& tipo) override;
    // "Arquivo Texto|*.txt|Todos Arquivos|*.*" -> "Arquivo Texto (*.txt);;Todos Arquivos (*.*)"
    static QString FiltroQt(const QString& filtro);
};
