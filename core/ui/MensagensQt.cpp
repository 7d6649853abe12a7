#include "core/ui/MensagensQt.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
// The window where the user last pressed a key or a mouse button: the one whose
// command asks. The platform's active window may be another one (no window
// manager gives the focus on a click, or the click landed on a window that was
// not in front).
class UltimaJanela : public QObject {
public:
    static UltimaJanela& Instancia() {
        static UltimaJanela* u = [] {
            auto* novo = new UltimaJanela;
            qApp->installEventFilter(novo);
            return novo;
        }();
        return *u;
    }
    QWidget* Janela() const { return janela_ && janela_->isVisible() ? janela_.data() : nullptr; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        const QEvent::Type t = evento->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::KeyPress) {
            // A menu's popup closes as its command runs: the window of its menu bar asks.
            if (auto* w = qobject_cast<QWidget*>(alvo); w && w->window()->windowType() != Qt::Popup)
                janela_ = w->window();
        }
        return false;
    }

private:
    UltimaJanela() : QObject(qApp) {}
    QPointer<QWidget> janela_;
};

// The box centres over the window that asks: a modal one first, else the window
// the user acted in, else the active one.
QWidget* Ativa() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = UltimaJanela::Instancia().Janela()) return w;
    return QApplication::activeWindow();
}

void Caixa(QMessageBox::Icon icone, const QString& titulo, const QString& texto) {
    QMessageBox caixa(icone, titulo, texto, QMessageBox::NoButton, Ativa());
    caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    caixa.exec();
}
}  // namespace

MensagensQt::MensagensQt() { UltimaJanela::Instancia(); }

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

std::optional<bool> MensagensQt::confirmaOuCancela(const QString& texto) {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Confirmação"), texto, QMessageBox::NoButton, Ativa());
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    QPushButton* cancelar = caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caixa.setEscapeButton(cancelar);
    caixa.exec();
    if (caixa.clickedButton() == sim) return true;
    if (caixa.clickedButton() == nao) return false;
    return std::nullopt;
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

std::optional<QString> DialogosArquivoQt::salvarTipo(const QString& filtro, int& tipo) {
    const QString filtroQt = FiltroQt(filtro);
    QString escolhido;
    const QString nome =
        QFileDialog::getSaveFileName(Ativa(), QStringLiteral("Salvar Como"), QString(), filtroQt, &escolhido);
    tipo = 0;
    if (nome.isEmpty()) return std::nullopt;
    // The type the user picked in the list; a name typed with another type's ending wins.
    const int porNome = TipoDoNome(filtro, nome);
    const int naLista = static_cast<int>(filtroQt.split(QStringLiteral(";;")).indexOf(escolhido));
    tipo = porNome >= 0 ? porNome : std::max(0, naLista);
    return nome;
}
