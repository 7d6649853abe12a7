#pragma once
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Fluência": parameters of the Bureau of Reclamation model, E(z) = z/(a+b.z) and
// F(z) = a + b/z, with the charts that let the engineer judge them.
class TfrmFluencia : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFluencia(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    QLineEdit* edEa;
    QLineEdit* edEb;
    QRadioButton* rbtMpa;
    QRadioButton* rbtGpa;
    QLineEdit* edFa;
    QLineEdit* edFb;

private:
    void VisualizarE();
    void VisualizarF();
    void Ok();

    Contexto& ctx_;
};
