#pragma once
#include <QLineEdit>
#include <QString>

// Numeric fields of the input dialogs: text converted by Numeros at the confirming
// action. A field that does not convert takes the focus with its text selected,
// and the conversion error goes on to stop the action.
namespace CamposNumericos {

double Real(QLineEdit* campo);
int Inteiro(QLineEdit* campo);
// A field named `nome` (object name, for tests and the project's own lookups)
// holding `texto`, wide enough for the numbers it takes.
QLineEdit* NovoCampo(QWidget* pai, const char* nome, const QString& texto, int larguraMinima = 60);

// Every opening of a window goes through here: shows it in front, or brings it
// there if already open, minimised included.
void ApresentaJanela(QWidget* janela);

// General number format (up to 15 significant digits, decimal comma).
QString Geral(double valor);

}  // namespace CamposNumericos
