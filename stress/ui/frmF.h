#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmF : public QWidget {
    Q_OBJECT
public:
    explicit TfrmF(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
