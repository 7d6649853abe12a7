#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEntradaDados : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEntradaDados(Contexto& ctx, QWidget* parent = nullptr);

    // "Nova Análise": also called by the results window.
    void NovaAnalise();
    // Any "Insere" of the initial conditions enables the run.
    void HabilitaExecucao();

private:
    Contexto& ctx_;
};
