#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmTracaoFlexao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTracaoFlexao(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
