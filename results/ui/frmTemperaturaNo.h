#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmTemperaturaNo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTemperaturaNo(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
