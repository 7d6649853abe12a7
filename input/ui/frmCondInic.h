#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class TfrmCondInic : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCondInic(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the dialog with its layer counter at "1".
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

private:
    Contexto& ctx_;
};
