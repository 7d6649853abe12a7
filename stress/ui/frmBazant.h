#pragma once
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Fluência": parameters of the Bažant–Panula double power law. The three mix
// ratios are typed as the digits after "0,".
class TfrmBazant : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBazant(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    QLineEdit* edMassaEspec;
    QLineEdit* edfc;
    QRadioButton* RadioButton1;
    QRadioButton* rbEOtimizado;
    QLineEdit* edE;
    QLineEdit* edwc;
    QLineEdit* edac;
    QLineEdit* edsc;
    QRadioButton* rbNormal;
    QRadioButton* rbEnduRapido;
    QRadioButton* rbBaixoCH;
    QRadioButton* rbSim;
    QRadioButton* rbNao;

private:
    void Ok();

    Contexto& ctx_;
};
