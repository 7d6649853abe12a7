#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmTensional : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTensional(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
