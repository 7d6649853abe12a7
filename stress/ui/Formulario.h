#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

// Small builders for the stress dialogs: each control is created with its owner
// window as parent and its objectName set, so that tests find it by name; the
// layouts then place it.
namespace Formulario {

QLineEdit* Campo(QWidget* dono, const char* nome, const QString& texto, const QString& dica = {});
// `marcada` takes effect at MarcaOpcoes: until the layouts place the options in
// their groups they are all siblings, and checking one would clear the others.
QRadioButton* Opcao(QWidget* dono, const char* nome, const QString& texto, bool marcada = false);
// Checks the options created as marked; called once the layouts are built.
void MarcaOpcoes(QWidget* janela);
QPushButton* Botao(QWidget* dono, const char* nome, const QString& texto, const QString& dica = {});
QLabel* Rotulo(QWidget* dono, const char* nome, const QString& texto);
QGroupBox* Grupo(QWidget* dono, const char* nome, const QString& titulo, const QString& dica = {});
// A group holding one field followed by its unit.
QGroupBox* GrupoCampo(QWidget* dono, const char* nome, const QString& titulo, QLineEdit* campo,
                      const QString& unidade);

// A field as the user typed it, converted with the decimal comma; a bad text takes
// the focus and raises the conversion error.
double Real(QLineEdit* campo);

}  // namespace Formulario
