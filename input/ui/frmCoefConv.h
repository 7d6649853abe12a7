#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCoefConv : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCoefConv(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the dialog with the caption and upper-face default of the unit system.
    void Abre();

private:
    Contexto& ctx_;
};
