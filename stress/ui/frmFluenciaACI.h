#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmFluenciaACI : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFluenciaACI(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
