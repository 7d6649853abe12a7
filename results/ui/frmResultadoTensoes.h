#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmResultadoTensoes : public QWidget {
    Q_OBJECT
public:
    explicit TfrmResultadoTensoes(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
