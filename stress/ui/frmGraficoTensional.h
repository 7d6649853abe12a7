#pragma once
#include "core/ui/Janelas.h"
#include "stress/ui/JanelaGraficoTensao.h"

// " GraficoTensional": stress against time of chosen nodes, and the strength of the
// layer holding the node against the same time.
class TfrmGraficoTensional : public TJanelaGraficoTensao, public JanelaAbre {
    Q_OBJECT
public:
    explicit TfrmGraficoTensional(Contexto& ctx, QWidget* parent = nullptr);

    // Upper limit of the node chooser.
    void DefineNoMaximo(int no);
    // Shown from the stress window or table: chooser up to the member's last node, member drawn.
    void Abre() override;

protected:
    void Visualizar() override;
    void Resistencia(CurvasTensao::TipoResistencia tipo) override;
};
