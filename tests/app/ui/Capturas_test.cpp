#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "app/ui/frmInformacoes.h"
#include "app/ui/frmTelaApresentacao.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCondCont.h"
#include "input/ui/frmEntradaDados.h"
#include "input/ui/frmUnidades.h"

namespace {

// Pictures of the windows for looking them over; written only when
// NORVIK_CAPTURAS names a folder.
TEST(Capturas, JanelasDaEntradaEDaAbertura) {
    const QString pasta = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (pasta.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    QDir().mkpath(pasta);
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    Janelas& j = app.janelas();
    j.frmEntradaDados->Painel(0)->setText(QStringLiteral("                 Início de Nova Análise "));
    j.frmEntradaDados->gaTransiente->setProgress(62);
    j.frmEntradaDados->pbarProcesso->show();
    j.frmEntradaDados->pbarProcesso->setValue(40);
    j.frmCoefConv->Abre();
    j.frmCondCont->Abre();
    QWidget* janelas[] = {j.frmEntradaDados, j.frmCoefConv, j.frmCondCont, j.frmUnidades, j.frmInformacoes,
                          j.frmTelaApresentacao};
    for (QWidget* w : janelas) {
        w->show();
        w->adjustSize();
        EXPECT_TRUE(w->grab().save(pasta + QStringLiteral("/") + w->objectName() + QStringLiteral(".png")));
    }
}

}  // namespace
