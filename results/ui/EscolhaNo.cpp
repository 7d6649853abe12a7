#include "results/ui/EscolhaNo.h"

#include <QStringList>

#include "core/Alturas.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"

namespace EscolhaNo {

void Preenche(QComboBox* chooser, const TDadosModelo& dados) {
    chooser->clear();
    QStringList nos;
    const int ultimo = Membro::NosAtivos(dados);
    nos.reserve(ultimo);
    for (int n = 1; n <= ultimo; ++n) nos << QString::number(n);
    chooser->addItems(nos);
    const std::vector<double> alturas = Alturas::DosNos(dados);
    for (int n = 1; n <= ultimo; ++n)
        chooser->setItemData(n - 1, QString::fromStdString(Alturas::Texto(alturas, n)), Qt::ToolTipRole);
    chooser->setCurrentIndex(-1);
    chooser->setEditText(QString());
}

int NoEscolhido(QComboBox* chooser, const TDadosModelo& dados) {
    int n = Numeros::TextoParaInteiro(chooser->currentText().toStdString());
    const int ultimo = Membro::NosAtivos(dados);
    // A node outside the member would read the hour column or nothing at all.
    const int corrigido = n > ultimo ? ultimo : (n < 1 ? 1 : n);
    if (corrigido != n) {
        n = corrigido;
        chooser->setEditText(QString::number(n));
    }
    return n;
}

namespace {
QString TextoAltura(const QString& texto, const TDadosModelo& dados) {
    try {
        const int n = Numeros::TextoParaInteiro(texto.toStdString());
        if (n < 1 || n > Membro::NosAtivos(dados)) return {};
        return QString::fromStdString(Alturas::Texto(Alturas::DosNos(dados), n));
    } catch (const ErroConversao&) {
        return {};
    }
}
}  // namespace

void MostraAltura(QComboBox* chooser, QLabel* rotulo, const TDadosModelo& dados) {
    rotulo->setObjectName(QStringLiteral("lblAlturaNo"));
    QObject::connect(chooser, &QComboBox::currentTextChanged, rotulo,
                     [rotulo, &dados](const QString& t) { rotulo->setText(TextoAltura(t, dados)); });
}

void AtualizaAltura(const QSpinBox* chooser, QLabel* rotulo, const TDadosModelo& dados) {
    rotulo->setText(TextoAltura(QString::number(chooser->value()), dados));
}

void MostraAltura(QSpinBox* chooser, QLabel* rotulo, const TDadosModelo& dados) {
    rotulo->setObjectName(QStringLiteral("lblAlturaNo"));
    QObject::connect(chooser, &QSpinBox::valueChanged, rotulo,
                     [chooser, rotulo, &dados] { AtualizaAltura(chooser, rotulo, dados); });
    AtualizaAltura(chooser, rotulo, dados);
}

}  // namespace EscolhaNo
