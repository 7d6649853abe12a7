#pragma once
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Retração Autógena": per layer, whether its stresses include the autogenous shrinkage
// of EN 1992-1-1 and the fck it is computed from. "Ok" writes the choice of every layer
// as one change of the history.
class TfrmRetracaoAutogena : public QWidget {
    Q_OBJECT
public:
    explicit TfrmRetracaoAutogena(Contexto& ctx, QWidget* parent = nullptr);
    // One row per layer of the member, as the problem holds it.
    void Abre();

    QTableWidget* tabela;  // column 0: include (check box), column 1: fck [MPa]
    QPushButton* btnOk;
    QPushButton* btnCancelar;

private:
    void Ok();

    Contexto& ctx_;
};
