#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmGraficoTensional : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGraficoTensional(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
