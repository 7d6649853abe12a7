#include "core/ui/MensagensQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// What the file dialog shows as its filter: each description names its patterns once.
struct CasoFiltro {
    const char* programa;
    const char* dialogo;
};
class FiltroDoDialogo : public ::testing::TestWithParam<CasoFiltro> {};

TEST_P(FiltroDoDialogo, PadroesUmaVez) {
    EXPECT_EQ(DialogosArquivoQt::FiltroQt(QString::fromUtf8(GetParam().programa)),
              QString::fromUtf8(GetParam().dialogo));
}
INSTANTIATE_TEST_SUITE_P(
    Filtros, FiltroDoDialogo,
    ::testing::Values(CasoFiltro{"Metarquivo do Windows (*.wmf)|*.wmf", "Metarquivo do Windows (*.wmf)"},
                      CasoFiltro{"Projeto Norvik-1D|*.n1d.json", "Projeto Norvik-1D (*.n1d.json)"},
                      CasoFiltro{"Arquivo Texto|*.txt|Todos Arquivos|*.*",
                                 "Arquivo Texto (*.txt);;Todos Arquivos (*.*)"},
                      CasoFiltro{"Dados|*.txt;*.dat", "Dados (*.txt *.dat)"}));

// The box of a command belongs to the window whose button was pressed, even when
// another window is the one in front.
TEST(MensagensQt, CaixaSobreAJanelaQuePergunta) {
    MensagensQt mensagens;
    QWidget pergunta;
    auto* botao = new QPushButton(QStringLiteral("Ok"), &pergunta);
    pergunta.setGeometry(600, 400, 300, 200);
    QWidget outra;
    outra.setGeometry(0, 0, 200, 100);
    pergunta.show();
    outra.show();
    outra.activateWindow();
    QApplication::processEvents();
    QPointer<QWidget> dono;
    QObject::connect(botao, &QPushButton::clicked, [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* caixa = qobject_cast<QMessageBox*>(w); caixa && caixa->isVisible()) {
                    dono = caixa->parentWidget();
                    caixa->accept();
                }
        });
        mensagens.informacao(QStringLiteral("Dados Inseridos."));
    });
    QTest::mouseClick(botao, Qt::LeftButton);
    EXPECT_EQ(dono.data(), &pergunta);
}

}  // namespace
