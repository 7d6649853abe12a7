#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/LacoCamadas.h"

// " Condições Iniciais": placement day, hour and temperature of each layer, and
// the total time of the analysis.
class TfrmCondInic : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCondInic(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the dialog with its layer counter at "1".
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

    QLabel* lbNCamada;
    QLineEdit* edDinic;
    QLineEdit* edHinic;
    QLineEdit* edTinic;
    QLineEdit* edStep;
    QLineEdit* edT0;
    // The thermal formulation of the problem, stored with the total time.
    QRadioButton* rbClassica;
    QRadioButton* rbConsistente;
    // Substeps of each step, consistent formulation only (1 by default).
    QLineEdit* edSubpassos;
    QCheckBox* chkCondutividade;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

private:
    void Insere();
    // The four fields that must not be left empty, with their messages.
    bool Valida();
    void PreencheCamada(int n);

    Contexto& ctx_;
    LacoCamadas laco_;
};
