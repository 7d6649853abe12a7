#include "core/ui/MensagensQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
// The box centres over the window that asks: a modal one first, else the active
// one, else the window that holds the focus.
QWidget* Ativa() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    if (QWidget* w = QApplication::focusWidget()) return w->window();
    return nullptr;
}

void Caixa(QMessageBox::Icon icone, const QString& titulo, const QString& texto) {
    QMessageBox caixa(icone, titulo, texto, QMessageBox::NoButton, Ativa());
    caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    caixa.exec();
}
}  // namespace

void MensagensQt::erro(const QString& texto) { Caixa(QMessageBox::Critical, QStringLiteral("Erro"), texto); }

void MensagensQt::informacao(const QString& texto) {
    Caixa(QMessageBox::Information, QStringLiteral("Informação"), texto);
}

bool MensagensQt::confirma(const QString& texto) {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Confirmação"), texto, QMessageBox::NoButton, Ativa());
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

QString DialogosArquivoQt::FiltroQt(const QString& filtro) {
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList saida;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        const QString padroes = QStringLiteral("(") + QString(partes[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                                QStringLiteral(")");
        // A description that already names its patterns keeps them once.
        saida << (partes[i].trimmed().endsWith(padroes) ? partes[i].trimmed() : partes[i] + QLatin1Char(' ') + padroes);
    }
    return saida.join(QStringLiteral(";;"));
}

std::optional<QString> DialogosArquivoQt::abrir(const QString& filtro) {
    const QString nome = QFileDialog::getOpenFileName(Ativa(), QStringLiteral("Abrir"), QString(), FiltroQt(filtro));
    if (nome.isEmpty()) return std::nullopt;
    return nome;
}

std::optional<QString> DialogosArquivoQt::salvar(const QString& filtro) {
    const QString nome = QFileDialog::getSaveFileName(Ativa(), QStringLiteral("Salvar Como"), QString(), FiltroQt(filtro));
    if (nome.isEmpty()) return std::nullopt;
    return nome;
}
