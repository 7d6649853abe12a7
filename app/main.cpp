#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ui/Aplicacao.h"
#include "core/ui/MensagensQt.h"
#include "input/ui/frmEntradaDados.h"

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
    Aplicacao aplicacao(mensagens, arquivos);
    aplicacao.janelas().frmEntradaDados->show();
    return QApplication::exec();
}
