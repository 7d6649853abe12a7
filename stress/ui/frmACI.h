#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Coef. de Restrição - ACI": height H and length L of the wall-like member whose
// ratio L/H sets the ACI restraint factor.
class TfrmACI : public QWidget {
    Q_OBJECT
public:
    explicit TfrmACI(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    // Shown by the restraint window with the member's height already in H.
    void Abre(const QString& altura);

    QLabel* imgEstrutura;
    QLineEdit* edH;
    QLineEdit* edL;

private:
    void Ok();

    Contexto& ctx_;
};
