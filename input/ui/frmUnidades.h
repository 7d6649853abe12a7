#pragma once
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Sistema de Unidades": SI or the usual kilocalorie-based units, for the values
// entered from now on.
class TfrmUnidades : public QWidget {
    Q_OBJECT
public:
    explicit TfrmUnidades(Contexto& ctx, QWidget* parent = nullptr);
    // The radio buttons show the unit system of the state (after a project is opened).
    void MostraEstado();

    QRadioButton* rbSI;
    QRadioButton* rbUsuais;
    QPushButton* btnOk;
    QPushButton* btnCancel;

private:
    void Ok();

    Contexto& ctx_;
};
