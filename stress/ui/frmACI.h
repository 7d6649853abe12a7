#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmACI : public QWidget {
    Q_OBJECT
public:
    explicit TfrmACI(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
