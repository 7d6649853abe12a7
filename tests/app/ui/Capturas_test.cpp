#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QPixmap>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "obra/ui/frmTemperaturaMistura.h"
#include "app/ui/frmInformacoes.h"
#include "app/ui/frmTelaApresentacao.h"
#include "estudos/ui/frmAjusteRapido.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCondCont.h"
#include "input/ui/frmCondInic.h"
#include "app/ui/frmEntradaDados.h"
#include "input/ui/frmUnidades.h"
#include "input/ui/frmMembro.h"
#include "relatorio/ui/frmRelatorio.h"
#include "results/ui/Form1.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmGrafAmpliado.h"
#include "results/ui/frmGrafico.h"
#include "stress/ui/frmGraficoTensional.h"
#include "results/ui/frmResultados.h"
#include "results/ui/frmResumoTermico.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmIndiceFissuracao.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

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
    j.frmTemperaturaMistura->Abre();
    QWidget* janelas[] = {j.frmEntradaDados, j.frmCoefConv,        j.frmCondCont,          j.frmCondInic,
                          j.frmUnidades,     j.frmInformacoes,     j.frmTelaApresentacao,  j.frmTemperaturaMistura};
    for (QWidget* w : janelas) {
        w->show();
        w->adjustSize();
        EXPECT_TRUE(w->grab().save(pasta + QStringLiteral("/") + w->objectName() + QStringLiteral(".png")));
    }
}

}  // namespace

namespace {

void Clica(QWidget* janela, const char* botao) {
    auto* b = janela->findChild<QPushButton*>(QString::fromLatin1(botao));
    ASSERT_NE(b, nullptr) << botao;
    QTest::mouseClick(b, Qt::LeftButton);
}

bool Grava(QWidget* w, const QString& pasta, const char* nome) {
    w->show();
    QApplication::processEvents();
    return w->grab().save(pasta + QStringLiteral("/") + QString::fromLatin1(nome) + QStringLiteral(".png"));
}

// The quick guide of the README, walked through the windows from the opening of the
// foundation-block example to the cracking index; each step's picture is written
// under the name the README shows it by.
TEST(Capturas, GuiaRapido) {
    const QString pasta = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (pasta.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    QDir().mkpath(pasta);
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    Janelas& j = app.janelas();
    TfrmEntradaDados* principal = j.frmEntradaDados;
    principal->show();

    arquivos.caminhos.push_back(QStringLiteral(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json"));
    principal->AbrirProjeto->trigger();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();

    Clica(principal, "btnMembro");
    EXPECT_TRUE(Grava(j.frmMembro, pasta, "guia-1-membro"));
    Clica(j.frmMembro, "Button1");

    Clica(principal, "btnRUN");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(Grava(principal, pasta, "guia-2-execucao"));

    principal->VisualizarResultados1->trigger();
    EXPECT_TRUE(Grava(j.frmResultados, pasta, "guia-3-resultados"));
    j.frmResultados->Planilha1->trigger();
    j.Form1->resize(760, 420);
    EXPECT_TRUE(Grava(j.Form1, pasta, "guia-3-planilha"));

    j.frmResultados->Cores1->trigger();
    j.frmCores->seTIni->setValue(255);  // the hour of the peak
    j.frmCores->btnVisualizar->click();
    EXPECT_TRUE(Grava(j.frmCores, pasta, "guia-4-cores"));

    j.frmResultados->Grafico1->trigger();
    for (int no : {7, 13}) {
        j.frmGrafico->spseNo->setValue(no);
        j.frmGrafico->btnVisualizar->click();
    }
    EXPECT_TRUE(Grava(j.frmGrafico, pasta, "guia-5-grafico"));

    j.frmResultados->AnaliseTensional1->trigger();
    TfrmTensional* t = j.frmTensional;
    Clica(t, "btnFluencia");
    EXPECT_TRUE(Grava(j.frmEscolhaFluencia, pasta, "guia-6-fluencia"));
    Clica(j.frmEscolhaFluencia, "btnOK");
    Clica(j.frmFluencia, "btnOk");
    Clica(t, "btnCoefRestr");
    j.frmCoefRestr->rbACI->setChecked(true);
    Clica(j.frmCoefRestr, "btnOk");
    EXPECT_TRUE(Grava(j.frmACI, pasta, "guia-7-restricao"));
    Clica(j.frmACI, "btnOk");
    Clica(t, "btnTracaoFlexao");
    Clica(j.frmTracaoFlexao, "btnOk");
    Clica(t, "btnRun");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(Grava(t, pasta, "guia-8-tensional"));

    Clica(t, "btnGrafico");
    j.frmGraficoTensional->spseNo->setValue(3);
    j.frmGraficoTensional->btnVisualizar->click();
    j.frmGraficoTensional->TracaoSimples->trigger();
    EXPECT_TRUE(Grava(j.frmGraficoTensional, pasta, "guia-9-grafico-tensoes"));

    j.frmResumoTermico->Abre();
    EXPECT_TRUE(Grava(j.frmResumoTermico, pasta, "guia-10-resumo"));
    j.frmIndiceFissuracao->Abre();
    EXPECT_TRUE(Grava(j.frmIndiceFissuracao, pasta, "guia-11-indice"));

    // The temperature chart with its limit line, saved as SVG from the enlarged window,
    // and the report with the stresses (turned into pictures with convert and pdftoppm).
    j.frmGrafico->chkLimite->setChecked(true);
    j.frmGrafico->btnVisuAmpliado->click();
    for (const char* nome : {"/grafico.svg", "/grafico.pdf", "/grafico.png"}) {
        arquivos.caminhos.push_back(pasta + QString::fromUtf8(nome));
        j.frmGrafAmpliado->btnSalvarFigura->click();
    }
    j.frmResultados->Relatorio1->trigger();
    arquivos.caminhos.push_back(pasta + QStringLiteral("/relatorio.pdf"));
    j.frmRelatorio->btnGerar->click();
    EXPECT_TRUE(QFile::exists(pasta + QStringLiteral("/grafico.svg")));
    EXPECT_TRUE(QFile::exists(pasta + QStringLiteral("/relatorio.pdf")));
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
}

// The what-if panel on the summer mat, a lever moved and its trial shown.
TEST(Capturas, AjusteRapido) {
    const QString pasta = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (pasta.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    QDir().mkpath(pasta);
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    Janelas& j = app.janelas();
    j.frmEntradaDados->AbreArquivo(QStringLiteral(NORVIK_FONTES "/exemplos/radier-verao-mantas.n1d.json"));
    j.frmResultados->AjusteRapido1->trigger();
    TfrmAjusteRapido* a = j.frmAjusteRapido;
    a->DefineValor(Estudo::IndiceParametro("TemperaturaLancamento"), 22);
    ASSERT_TRUE(QTest::qWaitFor([a] { return !a->Calculando(); }, 60000));
    EXPECT_TRUE(Grava(a, pasta, "ajuste-rapido"));
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
}

}  // namespace
