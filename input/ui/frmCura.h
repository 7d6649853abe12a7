#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/LacoCamadas.h"

// "  Coef de Convecção - Efeito da Cura do Concreto": per layer, the ambient face
// coefficients and the coefficient of the upper face while the concrete cures.
class TfrmCura : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCura(Contexto& ctx, QWidget* parent = nullptr);
    // Shows the dialog with its layer counter at "1" and the captions and defaults of the unit system.
    void Abre();
    // After a project file is opened: the fields show the state in the current unit system.
    void MostraEstado();

    QLabel* lbCamada;
    QGroupBox* gbxCura;
    QLineEdit* edBetaSC;
    QLineEdit* edDiasCura;
    QLineEdit* edIniCura;
    QLineEdit* edFimCura;
    QGroupBox* gbxAmbiente;
    QLineEdit* edBetaS;
    QLineEdit* edBetaI;
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
    QPushButton* btnCancelar;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void Ok();
    void Cancelar();
    void ConstanteClicado(bool marcado);
    void PreencheCamada(int n);

    Contexto& ctx_;
    LacoCamadas laco_;
};
