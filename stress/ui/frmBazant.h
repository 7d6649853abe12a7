#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmBazant : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBazant(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
