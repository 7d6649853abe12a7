#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TPainelGrafico;

// " Gráfico de F(z)": the Bureau creep coefficient F(z) = a + b/z over the first 100
// days; curves overlay.
class TfrmF : public QWidget {
    Q_OBJECT
public:
    explicit TfrmF(Contexto& ctx, QWidget* parent = nullptr);

    // Adds the curve of a and b for z = 1 .. 100 days and shows the window.
    void AdicionaCurva(double a, double b);

    TPainelGrafico* cGrafico;

private:
    Contexto& ctx_;
};
