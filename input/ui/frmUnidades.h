#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmUnidades : public QWidget {
    Q_OBJECT
public:
    explicit TfrmUnidades(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
