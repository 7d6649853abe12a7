#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Fluência - NBR 6118": cement, strength, aggregate, ambient and geometry data of
// the NBR 6118 (2014) creep model.
class TfrmNBR6118 : public QWidget {
    Q_OBJECT
public:
    explicit TfrmNBR6118(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    QRadioButton* rbLento;
    QRadioButton* rbNormal;
    QRadioButton* rbRapido;
    QLineEdit* edFck;
    QRadioButton* rbBasalto;
    QRadioButton* rbGranito;
    QRadioButton* rbCalcario;
    QRadioButton* rbArenito;
    QLineEdit* Edit1;
    QRadioButton* rbUmidadeSup;
    QRadioButton* rbUmidadeDupla;
    QComboBox* cbPlaca;
    QLabel* lblArea;
    QLineEdit* edArea;
    QLabel* lblPerimetro;
    QLineEdit* edPerimetro;
    QRadioButton* rbSlump04;
    QRadioButton* rbSlump59;
    QRadioButton* rbSlump1015;

private:
    void cbPlacaChange();
    void Ok();

    Contexto& ctx_;
};
