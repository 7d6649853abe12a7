#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmFluencia : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFluencia(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
