#pragma once
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Coeficiente de Restrição": full restraint of every node, or the ACI factor that
// falls with the height above the restrained base. Its Ok is what allows a run.
class TfrmCoefRestr : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCoefRestr(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    // Height of the member above the restrained base: the top of the last layer,
    // less the foundation layer when there is one.
    static double AlturaMembro(const TDadosModelo& dados);

    QRadioButton* rbACI;
    QRadioButton* rbTotal;

private:
    void Ok();

    Contexto& ctx_;
};
