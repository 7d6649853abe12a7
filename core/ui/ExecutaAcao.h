#pragma once
#include <exception>
#include <utility>

#include "core/ui/Mensagens.h"

// The general error handler: every user action runs inside it, so that no
// exception escapes into Qt's event loop; the message is shown as an error box.
// Returns false when the action failed.
template <class Acao>
bool ExecutaAcao(Mensagens& msg, Acao&& acao) {
    try {
        std::forward<Acao>(acao)();
        return true;
    } catch (const std::exception& e) {
        msg.erro(QString::fromUtf8(e.what()));
    } catch (...) {
        msg.erro(QStringLiteral("Erro inesperado."));
    }
    return false;
}
