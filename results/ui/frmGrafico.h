#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmGrafico : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGrafico(Contexto& ctx, QWidget* parent = nullptr);

    // Upper limit of the node chooser.
    void DefineNoMaximo(int no);

private:
    Contexto& ctx_;
};
