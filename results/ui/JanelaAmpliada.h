#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class QPushButton;
class TPainelGrafico;

// A chart alone at a large size, with "Voltar" and "Salvar Figura": the enlarged
// windows of the temperature-time chart and of the axis profile.
class TJanelaAmpliada : public QWidget {
    Q_OBJECT
public:
    QPushButton* btnVoltar;
    QPushButton* btnSalvarFigura;

    void btnSalvarFiguraClick();

protected:
    TJanelaAmpliada(Contexto& ctx, const QString& nomeGrafico, QWidget* parent);

    Contexto& ctx_;
    TPainelGrafico* grafico_;
};
