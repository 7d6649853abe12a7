#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEscolhaCalor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEscolhaCalor(Contexto& ctx, QWidget* parent = nullptr);
    // "Calor Interno": shows the choice between curve and table.
    void Abre();

private:
    Contexto& ctx_;
};
