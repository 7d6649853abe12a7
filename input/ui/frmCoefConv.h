#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCoefConv : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCoefConv(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
