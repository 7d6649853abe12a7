#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCalorIntDiscr : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCalorIntDiscr(Contexto& ctx, QWidget* parent = nullptr);
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

private:
    Contexto& ctx_;
};
