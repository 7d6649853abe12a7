#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(Contexto& ctx, QWidget* parent = nullptr);

    // The temperature table was refilled by a run: refresh the view.
    void AtualizaTabela();

private:
    Contexto& ctx_;
};
