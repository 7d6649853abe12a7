#pragma once
#include <QSpinBox>

struct TDadosModelo;

// Chooser of an hour of the temperature history. Any whole number may be typed,
// also beyond the limits (a spin box would refuse the keystroke of "600" when the
// analysis ends at 72 h and plot 60 h), and the text typed survives a change of
// focus: the action that reads it brings it into range by its own rule.
class TCaixaHora : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    // Limits minimo..maximo (the upper one follows the lower when below it); with a
    // time step above one hour they move to the nearest computed instants and the
    // arrows step by PassoTempo.
    void DefineLimites(const TDadosModelo& dados, int minimo, int maximo);

    // The number typed, or the value when the text is no whole number.
    int Digitada() const;

protected:
    QValidator::State validate(QString& texto, int& posicao) const override;
    void focusOutEvent(QFocusEvent* evento) override;
};
