#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCura : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCura(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the dialog with its layer counter at "1" and the captions and defaults of the unit system.
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

private:
    Contexto& ctx_;
};
