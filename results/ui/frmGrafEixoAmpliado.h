#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmGrafEixoAmpliado : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGrafEixoAmpliado(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
