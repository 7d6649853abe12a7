// "Índice de Fissuração" on a stress table written by the test: refused before a stress
// run, asks for the strengths before they were entered, then the index per node, the
// marked nodes, the chart of chosen nodes and the file.
#include "stress/ui/frmIndiceFissuracao.h"

#include <QGroupBox>
#include <QLineSeries>
#include <QTest>

#include "core/ui/Janelas.h"
#include "results/ui/AmbienteResultados.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmResultadoTensoes.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

class IndiceFissuracaoJanela : public AmbienteResultados {
protected:
    TfrmIndiceFissuracao* janela() { return app->contexto().janelas.frmIndiceFissuracao; }

    // One layer of two elements placed at hour 0, stresses for hours 1 to 4: node 1 reaches
    // −1 MPa (I = 1 with Fts = 1 MPa at every age), node 2 stays compressed, node 3
    // reaches −0,5 MPa (I = 2).
    void Prepara() {
        Membro(1, 2, 4);
        app->dados().TermicoCompleto = true;
        TabelaTexto& t = app->contexto().tensoes;
        t.Redimensiona(4, 5);
        t.Limpa();
        t.Celula(0, 0) = "  Tempo[h]";
        const char* valores[3][4] = {{" 0,2000", "-0,5000", "-1,0000", "-0,8000"},
                                     {" 0,1000", " 0,2000", " 0,3000", " 0,0000"},
                                     {"-0,2500", "-0,5000", "-0,4000", " 0,1000"}};
        for (int n = 1; n <= 3; ++n) t.Celula(n, 0) = "    Nó " + std::to_string(n);
        for (int r = 1; r <= 4; ++r) {
            t.Celula(0, r) = std::to_string(r);
            for (int n = 1; n <= 3; ++n) t.Celula(n, r) = valores[n - 1][r - 1];
        }
    }
};

TEST_F(IndiceFissuracaoJanela, SemAnaliseTensionalAvisaENaoAbre) {
    janela()->Abre();
    EXPECT_FALSE(janela()->isVisible());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("O índice de fissuração precisa de uma análise tensional completa. "
                                           "Execute a análise tensional antes."));
}

TEST_F(IndiceFissuracaoJanela, PedeAsResistenciasAntesDeAbrir) {
    Prepara();
    janela()->Abre();
    EXPECT_FALSE(janela()->isVisible());
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith(QStringLiteral("Entre primeiro com as tensões resistentes")));
    EXPECT_TRUE(app->contexto().janelas.frmTracaoFlexao->isVisible());
}

TEST_F(IndiceFissuracaoJanela, IndicePorNoComDestaqueEGrafico) {
    Prepara();
    app->dados().ResistTracaoB = 1.0;  // Fts(z) = z/(0 + z) = 1 MPa
    janela()->Abre();
    ASSERT_TRUE(janela()->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(janela()->cbxCurva->currentText(), QStringLiteral("Tração Simples"));
    EXPECT_EQ(janela()->lblCritico->text(), QStringLiteral("Menor índice: 1,000 no Nó 1, na hora 3 (P = 50,3 %)."));
    EXPECT_EQ(janela()->lblAbaixo->text(), QStringLiteral("Nenhum nó abaixo do limite."));
    ASSERT_EQ(janela()->sgdIndices->rowCount(), 3);
    EXPECT_EQ(janela()->sgdIndices->item(1, 2)->text(), QStringLiteral("sem tração"));
    EXPECT_EQ(janela()->sgdIndices->item(2, 2)->text(), QStringLiteral("2,000"));
    EXPECT_FALSE(janela()->lblFundacao->isVisible());
    // The critical node is charted at once; its three hours in tension are the points.
    ASSERT_EQ(janela()->cGraficoIndice->NumeroSeries(), 1);
    EXPECT_EQ(janela()->cGraficoIndice->Series()[0]->count(), 3);

    janela()->edLimite->setText(QStringLiteral("2,5"));
    QTest::mouseClick(janela()->btnCalcular, Qt::LeftButton);
    EXPECT_EQ(janela()->lblAbaixo->text(), QStringLiteral("Nós abaixo do limite: 1, 3."));
    EXPECT_NE(janela()->sgdIndices->item(2, 0)->background().color(), janela()->sgdIndices->item(1, 0)->background().color());

    janela()->spseNo->setValue(3);
    QTest::mouseClick(janela()->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(janela()->cGraficoIndice->NumeroSeries(), 2);
    janela()->spseNo->setValue(2);
    QTest::mouseClick(janela()->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(janela()->cGraficoIndice->NumeroSeries(), 2);
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_EQ(msg.informacoes[0], QStringLiteral("O Nó 2 não fica tracionado: não tem índice de fissuração."));
    if (qEnvironmentVariableIsSet("NORVIK_CAPTURAS"))
        janela()->grab().save(qEnvironmentVariable("NORVIK_CAPTURAS") + QStringLiteral("/frmIndiceFissuracao.png"));
    QTest::mouseClick(janela()->btnApagar, Qt::LeftButton);
    EXPECT_EQ(janela()->cGraficoIndice->NumeroSeries(), 0);

    // The flexural curve was never entered: the message says so, the last index stays.
    janela()->cbxCurva->setCurrentIndex(0);
    EXPECT_FALSE(janela()->Calcula());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("Tração na Flexão")));

    janela()->cbxCurva->setCurrentIndex(1);
    arquivos.caminhos.push_back(Caminho(QStringLiteral("indice")));
    janela()->SalvarIndice();
    EXPECT_EQ(Le(Caminho(QStringLiteral("indice.txt"))), janela()->Indice().Bytes());
}

}  // namespace

namespace {

// A member on its foundation: layer 1 is the soil, nodes 1 to 3 (the joint, the most
// stressed, carries the soil's history); only nodes 4 and 5 are concrete.
TEST_F(IndiceFissuracaoJanela, FundacaoFicaForaDoIndice) {
    Membro(2, 2, 4);
    TDadosModelo& d = app->dados();
    d.TermicoCompleto = true;
    d.Fundacao = true;
    d.ResistTracaoB = 1.0;  // 1 MPa at every age
    TabelaTexto& t = app->contexto().tensoes;
    t.Redimensiona(6, 5);
    t.Celula(0, 0) = "  Tempo[h]";
    const char* sigma[] = {"", "-1,0000", "-1,0000", "-4,0000", "-1,0000", "-0,5000"};
    for (int r = 1; r <= 4; ++r)
        for (int n = 0; n <= 5; ++n) t.Celula(n, r) = n ? sigma[n] : std::to_string(r);
    janela()->Abre();
    ASSERT_TRUE(janela()->isVisible());
    EXPECT_EQ(janela()->lblCritico->text(), QStringLiteral("Menor índice: 1,000 no Nó 4, na hora 1 (P = 50,3 %)."));
    EXPECT_TRUE(janela()->lblFundacao->isVisible());
    EXPECT_EQ(janela()->lblFundacao->text(),
              QStringLiteral("Nós da fundação (camada 1, Nós 1 a 3) fora do índice: o solo não é concreto."));
    // Column "Camada": the joint (node 3) is layer 1's, node 4 the concrete's.
    ASSERT_EQ(janela()->sgdIndices->rowCount(), 5);
    EXPECT_EQ(janela()->sgdIndices->horizontalHeaderItem(1)->text(), QStringLiteral("Camada"));
    EXPECT_EQ(janela()->sgdIndices->item(2, 1)->text() + janela()->sgdIndices->item(2, 2)->text(), QStringLiteral("1fundação"));
    EXPECT_EQ(janela()->sgdIndices->item(3, 1)->text() + janela()->sgdIndices->item(3, 2)->text(), QStringLiteral("21,000"));
    janela()->spseNo->setValue(3);
    QTest::mouseClick(janela()->btnVisualizar, Qt::LeftButton);
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_EQ(msg.informacoes[0], QStringLiteral("O Nó 3 é da fundação: o índice de fissuração avalia só o concreto."));
    EXPECT_TRUE(msg.erros.isEmpty());
}

// The stress window's button and the stress table's menu open the index.
TEST_F(IndiceFissuracaoJanela, JanelaTensionalEPlanilhaAbremOIndice) {
    Prepara();
    app->dados().ResistTracaoB = 1.0;
    Janelas& j = app->contexto().janelas;
    auto* botao = j.frmTensional->findChild<QPushButton*>(QStringLiteral("btnIndiceFissuracao"));
    ASSERT_NE(botao, nullptr);
    EXPECT_FALSE(botao->isEnabled());  // inside "Resultados", enabled by a run's normal end
    j.frmTensional->GroupBox2->setEnabled(true);
    botao->click();
    EXPECT_TRUE(janela()->isVisible());
    janela()->hide();
    int encontrados = 0;
    for (QAction* acao : j.frmResultadoTensoes->findChildren<QAction*>()) {
        if (acao->text() != QStringLiteral("Índice de Fissuração")) continue;
        acao->trigger();
        ++encontrados;
    }
    EXPECT_EQ(encontrados, 1);
    EXPECT_TRUE(janela()->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty());
}

}  // namespace
