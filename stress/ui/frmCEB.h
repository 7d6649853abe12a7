#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCEB : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCEB(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
