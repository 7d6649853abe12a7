#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ui/Aplicacao.h"
#include "core/ui/MensagensQt.h"

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
    return QApplication::exec();
}
