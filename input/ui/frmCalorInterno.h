#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCalorInterno : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalorInterno(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
