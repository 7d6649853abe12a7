#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmGrafAmpliado : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGrafAmpliado(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
