#pragma once
#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Fluência": parameters of the CEB (1990) model.
class TfrmCEB : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCEB(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    // Shown by the Byfors window: `fcm`, when a concrete type was chosen there, is
    // its strength; the 28-day modulus is asked only when the modulus is constant.
    void Abre(bool moduloConstante, const QString& fcm);

    QLineEdit* edfcm;
    QGroupBox* gbxE28;
    QLineEdit* edE28;
    QLineEdit* edAc;
    QLineEdit* edU;
    QLineEdit* edUmidade;

private:
    void Ok();

    Contexto& ctx_;
};
