// The stress window driven as a user would, from the inputs to the table.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "TabelaNumerica.h"
#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "app/ui/Aplicacao.h"
#include "core/ui/Gauge.h"
#include "core/ui/Janelas.h"
#include "results/ui/frmResultadoTensoes.h"
#include "results/ui/frmSalvarNo.h"
#include "results/ui/frmTemperaturaNo.h"
#include "stress/ProcTensional.h"
#include "stress/ui/MembroTensional.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

class JanelaTensional : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    Janelas& j = app.janelas();
    TDadosModelo& d = app.dados();
    TfrmTensional* t = j.frmTensional;

    void SetUp() override {
        MembroTensional::Prepara(d, app.contexto().temperaturas);
        SincronizaNumeros(app.contexto());
        t->show();
    }
    static void Clica(QWidget* janela, const char* botao) { JanelasTeste::Clica(janela, botao); }
    void EntraDados() { JanelasTeste::EntraDadosTensionais(j); }
};

TEST_F(JanelaTensional, AnaliseCompletaPelasJanelasDaAMesmaTabelaQueOMotor) {
    EntraDados();
    ASSERT_TRUE(t->btnRun->isEnabled());
    EXPECT_FALSE(t->GroupBox2->isEnabled());
    Clica(t, "btnRun");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(QStringLiteral("\n")).toStdString();

    auto copia = std::make_unique<TDadosModelo>(d);
    copia->TracaoMaxima = 0;
    TabelaTexto esperada;
    Progresso semJanela;
    const ResultadoTensional r =
        TProcTensional::ProcessaTensional(*copia, app.contexto().temperaturas, esperada, semJanela);
    const TabelaTexto& obtida = app.contexto().tensoes;
    ASSERT_EQ(obtida.Colunas(), esperada.Colunas());
    ASSERT_EQ(obtida.Linhas(), esperada.Linhas());
    for (int linha = 0; linha < esperada.Linhas(); ++linha)
        for (int coluna = 0; coluna < esperada.Colunas(); ++coluna)
            ASSERT_EQ(obtida.Celula(coluna, linha), esperada.Celula(coluna, linha)) << coluna << "," << linha;
    EXPECT_DOUBLE_EQ(d.AlturaRestricao, 2.0);  // the member's height went into H
    EXPECT_TRUE(d.RestricaoACI);
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_EQ(msg.informacoes[0], QString::fromStdString(r.Mensagem));
    EXPECT_TRUE(msg.informacoes[0].startsWith(QStringLiteral("A Tensão Máxima de Tração")));
    EXPECT_TRUE(t->GroupBox2->isEnabled());
    EXPECT_TRUE(t->btnResult->isEnabled());
    EXPECT_EQ(t->gaTransiente->percentual(), 100);
    EXPECT_EQ(t->sbPainel0->text(), QStringLiteral("                        Sistema Resolvido "));
    // The table window shows what the run wrote.
    Clica(t, "btnResult");
    EXPECT_TRUE(j.frmResultadoTensoes->isVisible());
    EXPECT_EQ(j.frmResultadoTensoes->modelo->rowCount(), esperada.Linhas() - 1);
    EXPECT_EQ(j.frmResultadoTensoes->modelo->data(j.frmResultadoTensoes->modelo->index(0, 0)).toString(),
              QString::fromStdString(esperada.Celula(1, 1)));
}

TEST_F(JanelaTensional, RunRecusadoMostraAMensagemDoMotorENaoHabilitaNada) {
    Clica(t, "btnCoefRestr");
    Clica(j.frmCoefRestr, "btnOk");  // full restraint, no creep model chosen yet
    msg.limpa();
    Clica(t, "btnRun");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("Escolha um modelo de fluência antes de executar a análise tensional."));
    EXPECT_TRUE(msg.informacoes.isEmpty());
    EXPECT_FALSE(t->GroupBox2->isEnabled());
    EXPECT_FALSE(t->btnResult->isEnabled());
}

TEST_F(JanelaTensional, SaidaZeraOIndicadorENovoRunSubstituiATabela) {
    EntraDados();
    Clica(t, "btnRun");
    const std::string antes = app.contexto().tensoes.Celula(1, 72);
    Clica(t, "btnSaida");
    EXPECT_EQ(t->gaTransiente->progress(), 0);
    EXPECT_EQ(t->pbarProcesso->value(), 0);
    EXPECT_FALSE(t->GroupBox2->isEnabled());
    t->show();
    // A stiffer concrete: the second run must replace the table.
    Clica(t, "btnFluencia");
    Clica(j.frmEscolhaFluencia, "btnOK");
    j.frmFluencia->edEa->setText(QStringLiteral("0,05"));
    Clica(j.frmFluencia, "btnOk");
    EXPECT_FALSE(t->btnRun->isEnabled());
    Clica(t, "btnCoefRestr");
    Clica(j.frmCoefRestr, "btnOk");
    Clica(j.frmACI, "btnOk");
    Clica(t, "btnRun");
    EXPECT_TRUE(msg.erros.isEmpty());
    EXPECT_NE(app.contexto().tensoes.Celula(1, 72), antes);
    EXPECT_TRUE(t->GroupBox2->isEnabled());
}

TEST_F(JanelaTensional, PlanilhaAbreAsJanelasDeNoEmModoTensao) {
    EntraDados();
    Clica(t, "btnRun");
    TfrmResultadoTensoes* p = j.frmResultadoTensoes;
    p->show();
    p->VisualizarNos1->trigger();
    TfrmTemperaturaNo* vista = j.frmTemperaturaNo;
    ASSERT_TRUE(vista->isVisible());
    EXPECT_EQ(d.ModoNo, TModoNo::Tensao);
    EXPECT_EQ(vista->GroupBox1->title(), QStringLiteral("Tensão [MPa]"));
    EXPECT_EQ(vista->cbbVisualizaNo->count(), 9);
    // A node of layer 2 lists its 48 stresses, none left out, then an empty line.
    vista->cbbVisualizaNo->setEditText(QStringLiteral("999"));
    QTest::mouseClick(vista->btnVisualizar, Qt::LeftButton);
    const QStringList linhas = vista->mmFile->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(linhas[0], QStringLiteral("  Nó:9"));
    EXPECT_EQ(linhas[1], QStringLiteral("T inic:0"));  // element 9 does not exist: its record is empty
    ASSERT_EQ(linhas.size(), 2 + 48 + 1);
    EXPECT_EQ(linhas[2], QString::fromStdString(app.contexto().tensoes.Celula(9, 25)));
    EXPECT_TRUE(linhas.back().isEmpty());

    p->SalvarNos1->trigger();
    ASSERT_TRUE(j.frmSalvarNo->isVisible());
    EXPECT_EQ(j.frmSalvarNo->GroupBox1->title(), QStringLiteral("Quais são os nós selecionados para a tensão?"));
}

}  // namespace
