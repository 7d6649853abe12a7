#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCondCont : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCondCont(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the boundary-conditions dialog (after convection or curing).
    void Abre();

private:
    Contexto& ctx_;
};
