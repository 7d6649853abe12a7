#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmTelaApresentacao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTelaApresentacao(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
