#include "core/ui/CamposNumericos.h"

#include "core/Erros.h"
#include "core/Numeros.h"

namespace CamposNumericos {

namespace {
template <class Conversao>
auto Converte(QLineEdit* campo, Conversao conversao) {
    try {
        return conversao(campo->text().toStdString());
    } catch (const ErroConversao&) {
        if (campo->isEnabled() && campo->isVisible()) {
            campo->setFocus();
            campo->selectAll();
        }
        throw;
    }
}
}  // namespace

double Real(QLineEdit* campo) {
    return Converte(campo, [](const std::string& t) { return Numeros::TextoParaReal(t); });
}

int Inteiro(QLineEdit* campo) {
    return Converte(campo, [](const std::string& t) { return Numeros::TextoParaInteiro(t); });
}

QLineEdit* NovoCampo(QWidget* pai, const char* nome, const QString& texto, int larguraMinima) {
    auto* campo = new QLineEdit(texto, pai);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setMinimumWidth(larguraMinima);
    return campo;
}

void ApresentaJanela(QWidget* janela) {
    // A minimised window would stay on the task bar: the command that opens it brings it back
    // (maximised stays maximised).
    if (janela->isMinimized()) janela->setWindowState(janela->windowState() & ~Qt::WindowMinimized);
    janela->show();
    janela->raise();
    janela->activateWindow();
}

QString Geral(double valor) { return QString::fromStdString(Numeros::FormataGeral(valor)); }

}  // namespace CamposNumericos
