#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCalorIntDiscr : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalorIntDiscr(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
