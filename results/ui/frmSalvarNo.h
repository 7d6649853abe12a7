#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmSalvarNo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSalvarNo(Contexto& ctx, QWidget* parent = nullptr);

private:
    Contexto& ctx_;
};
