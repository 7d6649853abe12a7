#pragma once
#include "stress/ui/JanelaCurvaBureau.h"

// "Gráfico de E(z)": the Bureau modulus E(z) = z/(a+b.z) in the unit of the parameters.
class TfrmE : public TJanelaCurvaBureau {
    Q_OBJECT
public:
    explicit TfrmE(Contexto& ctx, QWidget* parent = nullptr);
};
