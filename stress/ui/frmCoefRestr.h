#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCoefRestr : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCoefRestr(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
