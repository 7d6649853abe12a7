#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEscolhaCalor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEscolhaCalor(Contexto& ctx, QWidget* parent = nullptr);
    // "Calor Interno": shows the choice between curve and table.
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

private:
    Contexto& ctx_;
};
