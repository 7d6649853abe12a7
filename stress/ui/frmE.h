#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TPainelGrafico;

// "Gráfico de E(z)": the Bureau modulus E(z) = z/(a+b.z) over the first 100 days, in the
// unit of the parameters, so that the engineer can judge them; curves overlay.
class TfrmE : public QWidget {
    Q_OBJECT
public:
    explicit TfrmE(Contexto& ctx, QWidget* parent = nullptr);

    // Adds the curve of a and b for z = 1 .. 100 days and shows the window.
    void AdicionaCurva(double a, double b);

    TPainelGrafico* cGrafico;

private:
    Contexto& ctx_;
};
