#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmEixo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEixo(Contexto& ctx, QWidget* parent = nullptr);

    // Limits of the instant chooser seTempo.
    void DefineLimitesHora(int minimo, int maximo);

private:
    Contexto& ctx_;
};
