#pragma once
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <array>

#include "core/ui/Contexto.h"

// " Módulo de Elasticidade": constant modulus or Byfors's strength-gain law for the
// ACI 209 and CEB (1990) models; its OK leads to the parameters of the model chosen.
class TfrmByfors : public QWidget {
    Q_OBJECT
public:
    explicit TfrmByfors(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    QRadioButton* rbConstante;
    QRadioButton* rbVariavel;
    QLineEdit* edA1;
    QLineEdit* edA2;
    QLineEdit* edA3;
    QLineEdit* edA4;
    // The four tabled concrete types, rbTipo[0] being type 1.
    std::array<QRadioButton*, 4> rbTipo{};

private:
    void Ok();
    // Index of the selected concrete type, -1 when none.
    int TipoSelecionado() const;

    Contexto& ctx_;
};
