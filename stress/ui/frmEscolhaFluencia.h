#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEscolhaFluencia : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEscolhaFluencia(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
