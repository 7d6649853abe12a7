#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCondInic : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCondInic(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
