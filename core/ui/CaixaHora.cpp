#include "core/ui/CaixaHora.h"

#include <QLineEdit>
#include <algorithm>

#include "core/Erros.h"
#include "core/Instantes.h"
#include "core/Numeros.h"

namespace {

bool Inteiro(const QString& texto) {
    try {
        Numeros::TextoParaInteiro(texto.toStdString());
        return true;
    } catch (const ErroConversao&) {
        return false;
    }
}

}  // namespace

void TCaixaHora::DefineLimites(const TDadosModelo& d, int minimo, int maximo) {
    maximo = std::max(minimo, maximo);
    if (d.PassoTempo > 1) {
        minimo = static_cast<int>(Instantes::HoraDaLinha(d, Instantes::LinhaMaisProxima(d, minimo)));
        maximo = static_cast<int>(Instantes::HoraDaLinha(d, Instantes::LinhaMaisProxima(d, maximo)));
    }
    setSingleStep(std::max(d.PassoTempo, 1));
    setRange(minimo, std::max(minimo, maximo));
}

int TCaixaHora::Digitada() const {
    try {
        return static_cast<int>(Numeros::TextoParaInteiro(cleanText().toStdString()));
    } catch (const ErroConversao&) {
        return value();
    }
}

QValidator::State TCaixaHora::validate(QString& texto, int& posicao) const {
    const QValidator::State s = QSpinBox::validate(texto, posicao);
    if (s == QValidator::Invalid && Inteiro(texto)) return QValidator::Intermediate;
    return s;
}

void TCaixaHora::focusOutEvent(QFocusEvent* evento) {
    const QString digitado = lineEdit()->text();
    QSpinBox::focusOutEvent(evento);
    if (lineEdit()->text() != digitado && Inteiro(digitado)) lineEdit()->setText(digitado);
}
