#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmMembro : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMembro(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
