#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmE : public QWidget {
    Q_OBJECT
public:
    explicit TfrmE(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
