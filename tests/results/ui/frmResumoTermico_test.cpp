// "Resumo Térmico" on a history written by the test: the figures on screen, the chart
// of the difference, a bad limit, the file, and the refusal before a complete run.
#include "results/ui/frmResumoTermico.h"

#include <QLineSeries>
#include <QTest>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "results/ui/Form1.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmEixo.h"
#include "results/ui/frmGrafico.h"
#include "results/ui/frmResultados.h"

namespace {

class ResumoTermicoJanela : public AmbienteResultados {
protected:
    TfrmResumoTermico* janela() { return app->contexto().janelas.frmResumoTermico; }

    // Two layers of two elements, the second placed at hour 3; node 2 (layer 1) peaks at
    // 80,00 at hour 5, when the top face (node 5) is at 25,05; node 4, in the top lift,
    // reaches 60,00 at hour 6 against 25,06 at its face. Elsewhere the top face is the
    // warmest node of its lift.
    void Prepara() {
        Membro(2, 2, 10, 3);
        app->contexto().temperaturas.Celula(2, 5) = "  80,00";
        app->contexto().temperaturas.Celula(4, 6) = "  60,00";
        TDadosModelo& d = app->dados();
        d.TermicoCompleto = true;  // the run's own peak, before a face was written back
        d.TMaxima = 77.29;
        d.NoTMax = 3;
        d.TempoTMax = 7;
    }
};

TEST_F(ResumoTermicoJanela, SemAnaliseCompletaAvisaENaoAbre) {
    Membro(2, 2, 10, 3);
    janela()->Abre();
    EXPECT_FALSE(janela()->isVisible());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("O resumo térmico precisa de uma análise térmica completa. "
                                           "Execute a análise térmica antes."));
}

TEST_F(ResumoTermicoJanela, MostraPicoDiferencaEHorasAcimaDoLimite) {
    Prepara();
    janela()->Abre();
    ASSERT_TRUE(janela()->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join(QStringLiteral("; ")).toStdString();
    // The table's peak, not the run's 77,29.
    EXPECT_EQ(janela()->lblMaxima->text(), QStringLiteral("Temperatura máxima: 80,00 °C no Nó 2, na hora 5."));
    // The lift below (node 2) does not count against the top lift's face.
    EXPECT_EQ(janela()->lblDiferenca->text(),
              QStringLiteral("Maior diferença entre o ponto mais quente de uma camada e a sua face superior, "
                             "enquanto é a do topo: 34,94 °C na camada 2, na hora 6 (ponto mais quente no Nó 4, "
                             "face superior no Nó 5)."));
    ASSERT_EQ(janela()->sgdCamadas->rowCount(), 2);
    const QStringList esperadas[2] = {{"1", "0,00", "1", "3", "3"}, {"2", "34,94", "6", "4", "5"}};
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(janela()->sgdCamadas->item(l, c)->text(), esperadas[l][c]) << l << "," << c;
    EXPECT_EQ(janela()->lblLimite->text(), QStringLiteral("Nó com mais horas a 70 °C ou acima: Nó 2, 1 horas."));
    ASSERT_EQ(janela()->sgdHoras->rowCount(), 5);
    EXPECT_EQ(janela()->sgdHoras->item(1, 1)->text(), QStringLiteral("1"));
    ASSERT_EQ(janela()->cGraficoDiferenca->NumeroSeries(), 1);
    EXPECT_EQ(janela()->cGraficoDiferenca->Series()[0]->count(), 10);

    // A higher limit typed with the decimal comma: nobody reaches it.
    janela()->edLimite->setText(QStringLiteral("80,5"));
    QTest::mouseClick(janela()->btnCalcular, Qt::LeftButton);
    EXPECT_EQ(janela()->lblLimite->text(), QStringLiteral("Nenhum nó atinge 80,5 °C."));

    // A limit that is not a number: the conversion message, the summary kept.
    janela()->edLimite->setText(QStringLiteral("70.5"));
    EXPECT_FALSE(janela()->Calcula());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("'70.5' não é um valor de ponto flutuante válido"));
    EXPECT_EQ(janela()->Resumo().Limite, 80.5);
    if (qEnvironmentVariableIsSet("NORVIK_CAPTURAS"))
        janela()->grab().save(qEnvironmentVariable("NORVIK_CAPTURAS") + QStringLiteral("/frmResumoTermico.png"));
}

TEST_F(ResumoTermicoJanela, AjudaDefineADiferencaPorCamada) {
    for (QAction* acao : janela()->findChildren<QAction*>())
        if (acao->text() == QStringLiteral("Definições")) acao->trigger();
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_EQ(msg.informacoes[0], QString::fromStdString(TResumoTermico::Definicao()));
    EXPECT_TRUE(msg.informacoes[0].contains(QStringLiteral("enquanto ela é a camada do topo")));
}

TEST_F(ResumoTermicoJanela, SalvaOResumoComExtensaoTxt) {
    Prepara();
    janela()->Abre();
    arquivos.caminhos.push_back(Caminho(QStringLiteral("resumo")));
    arquivos.caminhos.push_back(Caminho(QStringLiteral("outro.TXT")));
    arquivos.caminhos.push_back(std::nullopt);
    janela()->SalvarResumo();
    janela()->SalvarResumo();
    janela()->SalvarResumo();  // cancelled: nothing more
    EXPECT_EQ(Le(Caminho(QStringLiteral("resumo.txt"))), janela()->Resumo().Bytes());
    EXPECT_EQ(Le(Caminho(QStringLiteral("outro.TXT"))), janela()->Resumo().Bytes());
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(msg.erros.isEmpty());
}

}  // namespace

namespace {

// Every "Resultados" menu of the temperature views that offers the summary opens it.
TEST_F(ResumoTermicoJanela, MenusResultadosAbremOResumo) {
    Prepara();
    Janelas& j = app->contexto().janelas;
    int encontrados = 0;
    for (QWidget* vista : {static_cast<QWidget*>(j.frmResultados), static_cast<QWidget*>(j.Form1),
                           static_cast<QWidget*>(j.frmCores), static_cast<QWidget*>(j.frmGrafico),
                           static_cast<QWidget*>(j.frmEixo)}) {
        for (QAction* acao : vista->findChildren<QAction*>()) {
            if (acao->text() != QStringLiteral("Resumo Térmico")) continue;
            janela()->hide();
            acao->trigger();
            EXPECT_TRUE(janela()->isVisible()) << vista->objectName().toStdString();
            ++encontrados;
        }
    }
    EXPECT_GE(encontrados, 3);
    EXPECT_TRUE(msg.erros.isEmpty());
}

}  // namespace
