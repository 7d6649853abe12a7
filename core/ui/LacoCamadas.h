#pragma once
#include <QWidget>

#include "core/ui/Mensagens.h"

// The layer counter that the per-layer dialogs walk (layers, initial conditions,
// curing, curve and table of the internal heat): the number shown in a label or
// read-only field, its advance after a layer is stored, and the end of a pass.
class LacoCamadas {
public:
    // `contador` is a QLabel or a QLineEdit (anything with a "text" property).
    explicit LacoCamadas(QWidget* contador) : contador_(contador) {}

    // The number shown (ErroConversao if the text is not a whole number).
    int Atual() const;
    void Mostra(int n);
    void Reinicia() { Mostra(1); }

    // Layer n within the table of layers, so that no record beyond it is written;
    // ErroEntrada otherwise.
    static void VerificaCapacidade(int n);

    // The question that ends every pass.
    static bool ConfirmaPasso(Mensagens& msg);

    enum class Fim { Continua, Sim, Nao };
    // After layer n: the counter moves to n + 1; when that passes the last layer
    // (nCamadas) the pass ends: the counter shows `mostradoNoFim` and the question
    // is asked.
    Fim Avanca(int n, int nCamadas, int mostradoNoFim, Mensagens& msg);
    // Ends the pass: the counter shows `mostrado` and the question is asked.
    Fim Encerra(int mostrado, Mensagens& msg);

private:
    QWidget* contador_;
};
