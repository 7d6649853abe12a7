#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCores : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCores(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
