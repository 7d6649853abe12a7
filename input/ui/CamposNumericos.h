#pragma once
#include <QLineEdit>
#include <QString>

// Numeric fields of the input dialogs: text converted by Numeros at the confirming
// action. A field that does not convert takes the focus with its text selected,
// and the conversion error goes on to stop the action.
namespace CamposNumericos {

double Real(QLineEdit* campo);
int Inteiro(QLineEdit* campo);
// General number format (up to 15 significant digits, decimal comma).
QString Geral(double valor);

}  // namespace CamposNumericos
