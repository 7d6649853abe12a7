#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEscolhaCalor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEscolhaCalor(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
