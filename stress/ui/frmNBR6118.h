#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmNBR6118 : public QWidget {
    Q_OBJECT
public:
    explicit TfrmNBR6118(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
