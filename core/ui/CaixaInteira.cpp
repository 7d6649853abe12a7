#include "core/ui/CaixaInteira.h"

#include "core/Erros.h"
#include "core/Numeros.h"

CaixaInteira::CaixaInteira(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State CaixaInteira::validate(QString& texto, int&) const {
    const QString t = texto.trimmed();
    if (t.isEmpty() || t == QStringLiteral("-") || t == QStringLiteral("+")) return QValidator::Intermediate;
    try {
        Numeros::TextoParaInteiro(t.toStdString());
        return QValidator::Acceptable;
    } catch (const ErroConversao&) {
        return QValidator::Invalid;
    }
}

int CaixaInteira::valueFromText(const QString& texto) const {
    try {
        return Numeros::TextoParaInteiro(texto.trimmed().toStdString());
    } catch (const ErroConversao&) {
        return value();
    }
}

int CaixaInteira::Digitada() const {
    try {
        return Numeros::TextoParaInteiro(cleanText().trimmed().toStdString());
    } catch (const ErroConversao&) {
        return value();
    }
}
