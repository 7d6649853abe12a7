#pragma once
#include "stress/ui/JanelaCurvaBureau.h"

// " Gráfico de F(z)": the Bureau creep coefficient F(z) = a + b/z.
class TfrmF : public TJanelaCurvaBureau {
    Q_OBJECT
public:
    explicit TfrmF(Contexto& ctx, QWidget* parent = nullptr);
};
