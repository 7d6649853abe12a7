#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>
#include <utility>
#include <vector>

class QAction;

#include "core/ui/Contexto.h"
#include "core/ui/Figura.h"

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

    // Draws the member in every panel that `janela` holds (the chart windows
    // place one in their layouts).
    static void DesenhaMalhaEm(QWidget* janela);

    // Fill colour of layer L (1-based); layers above 10 have none of their own.
    static QColor CorCamada(int camada, const QColor& fundo);

    // The member beside its whole legend, as one picture (what "Salvar Figura" writes).
    QImage Figura() const;

    TFigura* pbMalha;
    TFigura* pbLegenda;
    QAction* SalvarFigura;  // "Salvar Figura..." of the panel's context menu: the picture as PNG

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void PintaMalha();
    void PintaLegenda();
    QColor Fundo() const;

    Contexto& ctx_;
    VarianteMalha variante_;
    bool desenhada_ = false;
    // Copies taken at DesenhaMalha, so a later run does not change a drawing on screen.
    int nElemCamada_ = 0;
    int nCamadas_ = 0;
    int nElemAtivos_ = 0;
    std::array<TCamada, MaxElementos + 1> elementos_{};
    // The cooling pipe rows: lift and height above its bottom (m).
    std::vector<std::pair<int, double>> fileiras_;
};
