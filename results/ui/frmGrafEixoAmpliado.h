#pragma once
#include "results/ui/JanelaAmpliada.h"

// The axis-profile chart at a large size, from which the picture is saved.
class TfrmGrafEixoAmpliado : public TJanelaAmpliada {
    Q_OBJECT
public:
    explicit TfrmGrafEixoAmpliado(Contexto& ctx, QWidget* parent = nullptr);

    TPainelGrafico* cGraficoEixoAmpl;
};
