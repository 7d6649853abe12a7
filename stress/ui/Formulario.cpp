#include "stress/ui/Formulario.h"

#include <QHBoxLayout>

#include "core/ui/CamposNumericos.h"

namespace Formulario {

QLineEdit* Campo(QWidget* dono, const char* nome, const QString& texto, const QString& dica) {
    auto* c = new QLineEdit(texto, dono);
    c->setObjectName(QString::fromLatin1(nome));
    if (!dica.isEmpty()) c->setToolTip(dica);
    return c;
}

QRadioButton* Opcao(QWidget* dono, const char* nome, const QString& texto, bool marcada) {
    auto* r = new QRadioButton(texto, dono);
    r->setObjectName(QString::fromLatin1(nome));
    if (marcada) r->setProperty("marcadaInicial", true);
    return r;
}

void MarcaOpcoes(QWidget* janela) {
    for (QRadioButton* r : janela->findChildren<QRadioButton*>())
        if (r->property("marcadaInicial").toBool()) r->setChecked(true);
}

QPushButton* Botao(QWidget* dono, const char* nome, const QString& texto, const QString& dica) {
    auto* b = new QPushButton(texto, dono);
    b->setObjectName(QString::fromLatin1(nome));
    if (!dica.isEmpty()) b->setToolTip(dica);
    return b;
}

QLabel* Rotulo(QWidget* dono, const char* nome, const QString& texto) {
    auto* l = new QLabel(texto, dono);
    if (nome) l->setObjectName(QString::fromLatin1(nome));
    return l;
}

QGroupBox* Grupo(QWidget* dono, const char* nome, const QString& titulo, const QString& dica) {
    auto* g = new QGroupBox(titulo, dono);
    if (nome) g->setObjectName(QString::fromLatin1(nome));
    if (!dica.isEmpty()) g->setToolTip(dica);
    return g;
}

QGroupBox* GrupoCampo(QWidget* dono, const char* nome, const QString& titulo, QLineEdit* campo,
                      const QString& unidade) {
    auto* g = Grupo(dono, nome, titulo);
    auto* l = new QHBoxLayout(g);
    l->addWidget(campo);
    l->addWidget(Rotulo(dono, nullptr, unidade));
    return g;
}

double Real(QLineEdit* campo) { return CamposNumericos::Real(campo); }

}  // namespace Formulario
