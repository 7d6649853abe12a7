#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCura : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCura(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
