#pragma once
#include <QSpinBox>

// A whole-number chooser whose range is what the arrows walk, not what may be
// typed: any whole number is taken as typed and brought into the range when it is
// used (at the action, or when the box loses the focus), so "0" becomes the first
// value and "999" the last instead of the keystrokes being refused.
class CaixaInteira : public QSpinBox {
    Q_OBJECT
public:
    explicit CaixaInteira(QWidget* parent = nullptr);

    // The number typed, before it is brought into the range (the value when the text
    // is no whole number): for a reader whose range is set only when it reads.
    int Digitada() const;

protected:
    QValidator::State validate(QString& texto, int& posicao) const override;
    int valueFromText(const QString& texto) const override;
};
