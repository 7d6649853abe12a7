#pragma once
#include "core/ui/Janelas.h"
#include "stress/ui/JanelaGraficoTensao.h"

// " Gráfico por Eixo": stress of every node at a chosen hour, and the strengths of
// concrete of that age as horizontal lines.
class TfrmEixoTensional : public TJanelaGraficoTensao, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmEixoTensional(Contexto& ctx, QWidget* parent = nullptr);

    // Shown from the stress window or table with the member drawn.
    void Abre() override;

    // Profiles against the node's height instead of its number.
    QCheckBox* chkAlturas;

protected:
    void Visualizar() override;
    void Resistencia(CurvasTensao::TipoResistencia tipo) override;
    QLineSeries* AdicionaCurva(const QString& titulo, const QList<QPointF>& pontos) override;
};
