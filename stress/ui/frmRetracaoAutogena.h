#pragma once
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Retração Autógena": per layer, whether its stresses include the autogenous shrinkage,
// the fck it is computed from, the model (EN 1992-1-1 or fib Model Code 2010) and, for
// the fib model, the cement class. "Ok" writes the choice of every layer as one change
// of the history.
class TfrmRetracaoAutogena : public QWidget {
    Q_OBJECT
public:
    explicit TfrmRetracaoAutogena(Contexto& ctx, QWidget* parent = nullptr);
    // One row per layer of the member, as the problem holds it.
    void Abre();

    // Column 0: include (check box), 1: fck [MPa], 2: model, 3: cement class (combo
    // boxes, ComboModelo and ComboClasse); the class is enabled with the fib model only.
    QTableWidget* tabela;
    QComboBox* ComboModelo(int linha) const;
    QComboBox* ComboClasse(int linha) const;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

private:
    void Ok();

    Contexto& ctx_;
};
