#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

// The five windows that show the layered member beside their chart.
enum class VarianteMalha { Grafico, Eixo, GraficoTensional, EixoTensional, Resultados };

// The member drawing pbMalha and its legend pbLegenda, as one panel that a window
// places in its layout.
class TPainelMalha : public QWidget {
    Q_OBJECT
public:
    TPainelMalha(Contexto& ctx, VarianteMalha variante, QWidget* parent = nullptr);

    // Takes a copy of the layer and element tables and repaints both pictures.
    void DesenhaMalha();

private:
    Contexto& ctx_;
    VarianteMalha variante_;
};
