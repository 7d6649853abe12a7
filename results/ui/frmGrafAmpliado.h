#pragma once
#include "results/ui/JanelaAmpliada.h"

// The temperature-time chart at a large size, from which the picture is saved.
class TfrmGrafAmpliado : public TJanelaAmpliada {
    Q_OBJECT
public:
    explicit TfrmGrafAmpliado(Contexto& ctx, QWidget* parent = nullptr);

    TPainelGrafico* cGraficoNosAmpl;
};
