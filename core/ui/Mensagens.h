#pragma once
#include <QString>
#include <optional>

// The three kinds of message box. The program shows QMessageBox with Portuguese
// buttons; the tests record the texts and give scripted answers.
class Mensagens {
public:
    virtual ~Mensagens() = default;
    virtual void erro(const QString& texto) = 0;
    virtual void informacao(const QString& texto) = 0;
    virtual bool confirma(const QString& texto) = 0;  // true for "Sim"
    // "Sim", "Não" and "Cancelar": true, false, or nothing for "Cancelar".
    virtual std::optional<bool> confirmaOuCancela(const QString& texto) { return confirma(texto); }
};
