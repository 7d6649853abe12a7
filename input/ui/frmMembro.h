#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmMembro : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMembro(Contexto& ctx, QWidget* parent = nullptr);

    // "Nova Análise" enables the foundation box again.
    void HabilitaFundacao();
    // "Inserir Membro": shows the dialog with the labels and defaults of the unit system.
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

private:
    Contexto& ctx_;
};
