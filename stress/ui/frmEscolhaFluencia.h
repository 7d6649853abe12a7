#pragma once
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Tipos de Fluência": the choice of creep model, which opens the parameter window
// of the model chosen (through the Byfors window for ACI 209 and CEB 1990).
class TfrmEscolhaFluencia : public QWidget {
    Q_OBJECT
public:
    explicit TfrmEscolhaFluencia(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    // The model whose option is selected now (not necessarily confirmed by "OK").
    TModeloFluencia ModeloSelecionado() const;

    QRadioButton* rbBureau;
    QRadioButton* rbACI;
    QRadioButton* rbCEB;
    QRadioButton* rbBazant;
    QRadioButton* rbNBR;

private:
    void btnOKClick();

    Contexto& ctx_;
};
