#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ui/Aplicacao.h"
#include "core/ui/MensagensQt.h"
#include "core/ui/Programa.h"
#include "core/ui/Janelas.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
    // `norvik1d projeto.n1d.json` (the file manager's "Abrir com"): the project is read
    // while the splash runs, and a refusal is said in the usual message box.
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.size() > 1 && aplicacao.janelas().programa)
        aplicacao.janelas().programa->AbreProjetoDe(QFileInfo(argumentos.at(1)).absoluteFilePath());
    return QApplication::exec();
}
