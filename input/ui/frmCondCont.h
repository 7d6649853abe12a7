#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"

class GrupoClima;

// " Condições de Contorno (Ambientais)": ambient temperature (constant or a daily
// cycle), absorbed radiation and prescribed temperatures at the two ends.
class TfrmCondCont : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCondCont(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the boundary-conditions dialog (after convection or curing).
    void Abre();
    // After a project file is opened: the fields and boxes show the stored values.
    void MostraEstado();

    QLineEdit* edQn;
    QCheckBox* chkTPrescEsq;
    QLineEdit* edTprescrita1;
    QCheckBox* chkTPrescDir;
    QLineEdit* edTprescrita2;
    QLabel* lbTmax;
    QLineEdit* edTmax;
    QLabel* lbTmin;
    QLineEdit* edTmin;
    QLabel* lbHTmax;
    QLineEdit* edHTmax;
    QLabel* lbHTmin;
    QLineEdit* edHTmin;
    QCheckBox* chkTAmbConst;
    QLabel* lbTAmbConst;
    QLineEdit* edTAmbConst;
    QPushButton* btnOk;
    QPushButton* btnCancelar;
    // The site: the protections of the faces (their dialog, through the registry).
    QPushButton* btnProtecoes;
    QPushButton* btnLaterais;
    QPushButton* btnSerpentinas = nullptr;

private:
    // The ambient fields and the constant flux follow the file choice.
    void ClimaArquivo(bool arquivo);
    void AmbienteConstante(bool constante);
    void Ok();
    // Closes this dialog and the convection and curing dialogs that led to it.
    void FechaSequencia();

    Contexto& ctx_;
    // The hourly-weather group, built by the site windows before this dialog.
    GrupoClima* clima_;
};
