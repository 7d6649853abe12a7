#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmInformacoes : public QWidget {
    Q_OBJECT
public:
    explicit TfrmInformacoes(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
