#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEixo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEixo(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
