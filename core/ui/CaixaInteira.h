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

protected:
    QValidator::State validate(QString& texto, int& posicao) const override;
    int valueFromText(const QString& texto) const override;
};
