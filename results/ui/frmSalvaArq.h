#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmSalvaArq : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSalvaArq(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
