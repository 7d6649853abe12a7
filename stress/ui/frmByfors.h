#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmByfors : public QWidget {
    Q_OBJECT
public:
    explicit TfrmByfors(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
