#pragma once
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Fluencia ": parameters of the ACI 209 model.
class TfrmFluenciaACI : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFluenciaACI(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    // Shown by the Byfors window; the reference modulus is asked only when the
    // modulus is constant.
    void Abre(bool moduloConstante);

    QRadioButton* rbSemCura;
    QRadioButton* rbUmida;
    QRadioButton* rbVapor;
    QLineEdit* edUmidade;
    QLineEdit* edSlump;
    QLineEdit* edAgregado;
    QLineEdit* edTAr;
    QLineEdit* edEspessura;
    QLineEdit* edVS;
    QGroupBox* gbxModuloRef;
    QLineEdit* edE;
    QLineEdit* edfcm;

private:
    void Ok();

    Contexto& ctx_;
};
