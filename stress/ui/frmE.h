#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmE : public QWidget {
    Q_OBJECT
public:
    explicit TfrmE(Contexto& ctx, QWidget* parent = nullptr);

    // Adds the curve of the Bureau parameters a and b over the first 100 days and
    // shows the window; earlier curves stay.
    void AdicionaCurva(double a, double b);

private:
    Contexto& ctx_;
};
