#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Coeficiente de Convecção do Ambiente": the lower- and upper-face coefficients
// when curing is not considered, and the day/night coefficients of the wind formula.
class TfrmCoefConv : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCoefConv(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the dialog with the caption and upper-face default of the unit system.
    void Abre();
    // After a project file is opened: the next opening shows the stored coefficients.
    void MostraEstado();

    QGroupBox* gbxCoeficientes;
    QLineEdit* edBetaB;
    QLineEdit* edBetaA;
    QCheckBox* cbxConstante;
    QGroupBox* gbxVento;
    QRadioButton* rbCEB;
    QRadioButton* rbZichner;
    QRadioButton* rbOutros;
    QLineEdit* edVentoDia;
    QLineEdit* edDia;
    QLineEdit* edNoite;
    QLineEdit* edVentoNoite;
    QLineEdit* edNoite2;
    QLineEdit* edDia2;
    QPushButton* btnOk;
    QPushButton* btnCancel;

private:
    void Ok();

    Contexto& ctx_;
    // The coefficients shown as stored, with their texts.
    struct {
        QString textoSup, textoInf;
        double betaSup = 0.0, betaInf = 0.0;
    } guardados_;
};
