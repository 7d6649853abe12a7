#pragma once
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Calor Interno": the heat of the whole member from the hydration curve or from
// the adiabatic calorimeter's table.
class TfrmEscolhaCalor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEscolhaCalor(Contexto& ctx, QWidget* parent = nullptr);
    // "Calor Interno": shows the choice between curve and table.
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

    QRadioButton* rbCurvaHidrat;
    QRadioButton* rbCalorDiscr;
    QPushButton* btnOk;

private:
    void Ok();

    Contexto& ctx_;
};
