#include "results/ui/EscolhaNo.h"

#include <QStringList>

#include "core/Numeros.h"

namespace EscolhaNo {

void Preenche(QComboBox* chooser, const TDadosModelo& dados) {
    chooser->clear();
    QStringList nos;
    const int ultimo = dados.NElemAtivos + 1;
    nos.reserve(ultimo);
    for (int n = 1; n <= ultimo; ++n) nos << QString::number(n);
    chooser->addItems(nos);
    chooser->setCurrentIndex(-1);
    chooser->setEditText(QString());
}

int NoEscolhido(QComboBox* chooser, const TDadosModelo& dados) {
    int n = Numeros::TextoParaInteiro(chooser->currentText().toStdString());
    const int ultimo = dados.NElemAtivos + 1;
    // A node outside the member would read the hour column or nothing at all.
    const int corrigido = n > ultimo ? ultimo : (n < 1 ? 1 : n);
    if (corrigido != n) {
        n = corrigido;
        chooser->setEditText(QString::number(n));
    }
    return n;
}

}  // namespace EscolhaNo
