#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmResultados : public QWidget {
    Q_OBJECT
public:
    explicit TfrmResultados(Contexto& ctx, QWidget* parent = nullptr);

    // Redraws the member (results-window variant) from the state.
    void DesenhaMalha();

private:
    Contexto& ctx_;
};
