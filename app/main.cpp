#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

#include "app/ui/Aplicacao.h"
#include "core/ui/Janelas.h"
#include "core/ui/MensagensQt.h"
#include "app/ui/frmEntradaDados.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The user's data folder (the recovery copies) is named after them.
    QCoreApplication::setOrganizationName(QStringLiteral("Norvik"));
    QCoreApplication::setApplicationName(QStringLiteral("Norvik1D"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Qt's own dialogs and buttons in Portuguese.
    QTranslator traducaoQt;
    if (traducaoQt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);

    MensagensQt mensagens;
    DialogosArquivoQt arquivos;
    // The splash shows itself and hands over to the main window when its sequence ends.
    Aplicacao aplicacao(mensagens, arquivos, true);
    // The recent projects live in the program's settings.
    TfrmEntradaDados* principal = aplicacao.janelas().frmEntradaDados;
    QSettings preferencias(QStringLiteral("Norvik"), QStringLiteral("Norvik1D"));
    principal->recentes = preferencias.value(QStringLiteral("ProjetosRecentes")).toStringList();
    principal->gravaRecentes = [&preferencias](const QStringList& lista) {
        preferencias.setValue(QStringLiteral("ProjetosRecentes"), lista);
    };
    principal->UsaRecuperacao(
        std::make_unique<CopiaRecuperacao>(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    // A problem restored after a crash is the one the user goes on with.
    const bool recuperado = principal->OfereceRecuperacao();
    // norvik1d projeto.n1d.json: the project is open when the main window shows.
    const QStringList argumentos = QApplication::arguments();
    if (!recuperado && argumentos.size() > 1) principal->AbreArquivo(argumentos.at(1));
    return QApplication::exec();
}
