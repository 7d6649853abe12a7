#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEixoTensional : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEixoTensional(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
