// Heights of the nodes in the axis charts and node lists, and "Comparar com..." in the
// temperature-time and profile charts.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QValueAxis>

#include "AmbienteResultados.h"
#include "core/Alturas.h"
#include "core/Instantes.h"
#include "core/Progresso.h"
#include "app/ui/frmEntradaDados.h"
#include "results/CurvasTemperatura.h"
#include "results/ExecucaoProjeto.h"
#include "core/ui/ComparacaoGrafico.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmEixo.h"
#include "results/ui/frmGrafAmpliado.h"
#include "results/ui/frmGrafEixoAmpliado.h"
#include "results/ui/frmGrafico.h"
#include "results/ui/frmTemperaturaNo.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

class ComparacaoEAlturas : public AmbienteResultados {
protected:
    void SetUp() override {
        AmbienteResultados::SetUp();
        Membro(2, 2, 10);  // nodes 1..5 at 0; 0,5; 1; 1,5; 2 m
    }
    Janelas& j() { return app->janelas(); }
    TfrmEixo& eixo() { return *j().frmEixo; }
    TfrmGrafico& grafico() { return *j().frmGrafico; }
    void Perfil(const QString& hora) {
        eixo().seTempo->findChild<QLineEdit*>()->setText(hora);
        eixo().btnVisualizar->click();
    }
    void Historico(int no) {
        grafico().spseNo->setValue(no);
        grafico().btnVisualizar->click();
    }
    static QList<double> Xs(const QLineSeries* s) {
        QList<double> x;
        for (const QPointF& p : s->points()) x << p.x();
        return x;
    }
    // The bundled block run without windows: the oracle of the curves laid over.
    static TExecucaoProjeto Bloco3() {
        Progresso p;
        return ExecucaoProjeto::ExecutaArquivo(Bloco.toStdString(), OpcoesExecucao{}, p);
    }
};

TEST_F(ComparacaoEAlturas, PerfilPassaDeNosParaAlturasEVoltaComOsDoisGraficos) {
    Perfil("5");
    Perfil("8");
    EXPECT_EQ(Xs(eixo().cGraficoEixo->Series()[0]), (QList<double>{1, 2, 3, 4, 5}));
    eixo().chkAlturas->click();
    EXPECT_EQ(eixo().cGraficoEixo->EixoX()->titleText(), QStringLiteral("Altura y (m)"));
    for (TPainelGrafico* p : {eixo().cGraficoEixo, j().frmGrafEixoAmpliado->cGraficoEixoAmpl}) {
        ASSERT_EQ(p->NumeroSeries(), 2);
        EXPECT_EQ(Xs(p->Series()[1]), (QList<double>{0, 0.5, 1, 1.5, 2}));
        EXPECT_EQ(p->Series()[1]->name(), QStringLiteral("t= 8 h"));
        // Temperatures stay with their nodes.
        EXPECT_EQ(p->Series()[1]->points()[2].y(), 20.0 + 3 + 8 / 100.0);
        EXPECT_LE(p->EixoX()->max(), 2.5);
    }
    Perfil("9");  // added while on heights
    EXPECT_EQ(Xs(eixo().cGraficoEixo->Series()[2]), (QList<double>{0, 0.5, 1, 1.5, 2}));
    eixo().chkAlturas->click();
    EXPECT_EQ(eixo().cGraficoEixo->EixoX()->titleText(), QStringLiteral("Nó (m)"));
    EXPECT_EQ(Xs(eixo().cGraficoEixo->Series()[2]), (QList<double>{1, 2, 3, 4, 5}));
}

TEST_F(ComparacaoEAlturas, ListasDeNosMostramAAltura) {
    TfrmTemperaturaNo& t = *j().frmTemperaturaNo;
    t.Abre(TModoNo::Temperatura);
    auto* rotulo = t.findChild<QLabel*>(QStringLiteral("lblAlturaNo"));
    ASSERT_NE(rotulo, nullptr);
    t.cbbVisualizaNo->setCurrentIndex(3);
    EXPECT_EQ(t.cbbVisualizaNo->currentText(), QStringLiteral("4"));
    EXPECT_EQ(rotulo->text(), QStringLiteral("y = 1,50 m"));
    EXPECT_EQ(t.cbbVisualizaNo->itemData(4, Qt::ToolTipRole).toString(), QStringLiteral("y = 2,00 m"));
    t.cbbVisualizaNo->setEditText(QStringLiteral("abc"));
    EXPECT_EQ(rotulo->text(), QString());
    t.cbbVisualizaNo->setEditText(QStringLiteral("9"));  // not a node of the member
    EXPECT_EQ(rotulo->text(), QString());

    auto* doGrafico = grafico().findChild<QLabel*>(QStringLiteral("lblAlturaNo"));
    ASSERT_NE(doGrafico, nullptr);
    grafico().spseNo->setValue(2);
    EXPECT_EQ(doGrafico->text(), QStringLiteral("y = 0,50 m"));
}

// The other project runs in the background; its curve of the same node is laid over,
// dashed, in the colour of the node's own, and follows every later "Visualizar".
TEST_F(ComparacaoEAlturas, CompararComSobrepoeOHistoricoDoOutroProjeto) {
    Historico(3);
    arquivos.caminhos.push_back(Bloco);
    grafico().btnComparar->click();
    EXPECT_TRUE(grafico().comparacao->EmExecucao());
    EXPECT_FALSE(grafico().btnComparar->isEnabled());
    grafico().comparacao->Espera();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(grafico().btnComparar->isEnabled());

    const TExecucaoProjeto oraculo = Bloco3();
    const QList<QPointF> esperado3 = TPainelGrafico::Pontos(CurvasTemperatura::HistoricoNo(oraculo.Temperaturas, 3));
    ASSERT_EQ(grafico().cGraficoNos->NumeroSeries(), 2);
    QLineSeries* propria = grafico().cGraficoNos->Series()[0];
    QLineSeries* outra = grafico().cGraficoNos->Series()[1];
    EXPECT_EQ(outra->name(), QStringLiteral("Nó:3 - bloco-fundacao-3-camadas"));
    EXPECT_EQ(outra->points(), esperado3);
    EXPECT_EQ(outra->pen().style(), Qt::DashLine);
    EXPECT_EQ(outra->pen().color(), propria->pen().color());
    EXPECT_EQ(propria->pen().style(), Qt::SolidLine);
    EXPECT_TRUE(grafico().lblComparacao->text().contains(QStringLiteral("bloco-fundacao-3-camadas")));
    EXPECT_EQ(j().frmGrafAmpliado->cGraficoNosAmpl->NumeroSeries(), 2);

    Historico(5);
    ASSERT_EQ(grafico().cGraficoNos->NumeroSeries(), 4);
    EXPECT_EQ(grafico().cGraficoNos->Series()[3]->points(),
              TPainelGrafico::Pontos(CurvasTemperatura::HistoricoNo(oraculo.Temperaturas, 5)));
}

// Against heights each profile uses its own member's heights.
TEST_F(ComparacaoEAlturas, CompararComNoPerfilEmAlturas) {
    eixo().chkAlturas->click();
    Perfil("9");
    arquivos.caminhos.push_back(Bloco);
    eixo().btnComparar->click();
    eixo().comparacao->Espera();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(eixo().cGraficoEixo->NumeroSeries(), 2);
    const TExecucaoProjeto oraculo = Bloco3();
    const int linha = Instantes::LinhaMaisProxima(*oraculo.Dados, 9);
    const auto perfil = CurvasTemperatura::PerfilLinha(oraculo.Temperaturas, linha,
                                                       oraculo.Dados->NCamadas * oraculo.Dados->NElemCamada + 1);
    const std::vector<double> y = Alturas::DosNos(*oraculo.Dados);
    QLineSeries* outra = eixo().cGraficoEixo->Series()[1];
    ASSERT_EQ(outra->points().size(), static_cast<qsizetype>(perfil.size()));
    for (std::size_t i = 0; i < perfil.size(); ++i) {
        EXPECT_EQ(outra->points()[static_cast<qsizetype>(i)].x(), y[static_cast<std::size_t>(perfil[i].x)]);
        EXPECT_EQ(outra->points()[static_cast<qsizetype>(i)].y(), perfil[i].y);
    }
    EXPECT_EQ(outra->pen().style(), Qt::DashLine);
    // Back to node numbers, the comparison keeps its look and its mark.
    eixo().chkAlturas->click();
    outra = eixo().cGraficoEixo->Series()[1];
    EXPECT_EQ(outra->pen().style(), Qt::DashLine);
    EXPECT_TRUE(TComparacaoGrafico::DaComparacao(outra));
    EXPECT_EQ(outra->points().front().x(), perfil.front().x);
}

// A project that cannot run: its message in Portuguese, nothing laid over.
TEST_F(ComparacaoEAlturas, ProjetoRuimDaMensagemENadaSobrepoe) {
    Historico(2);
    const QString ruim = Caminho(QStringLiteral("ruim.n1d.json"));
    {
        QFile f(ruim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\"formato\": \"norvik-1d/projeto\", \"versao\": 1, \"Espesura\": 1}");
    }
    arquivos.caminhos.push_back(ruim);
    grafico().btnComparar->click();
    grafico().comparacao->Espera();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("Não foi possível comparar com o projeto ruim: ")))
        << msg.erros[0].toStdString();
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("Espesura"))) << msg.erros[0].toStdString();
    EXPECT_EQ(grafico().cGraficoNos->NumeroSeries(), 1);
    EXPECT_EQ(grafico().comparacao->Resultado(), nullptr);
    EXPECT_TRUE(grafico().btnComparar->isEnabled());
}

// The current problem starts again: the comparison goes, even one still running.
TEST_F(ComparacaoEAlturas, NovaAnaliseDescartaAComparacaoMesmoEmExecucao) {
    Historico(2);
    arquivos.caminhos.push_back(Bloco);
    grafico().btnComparar->click();
    grafico().comparacao->Espera();
    ASSERT_NE(grafico().comparacao->Resultado(), nullptr);
    j().frmEntradaDados->NovaAnalise();
    EXPECT_EQ(grafico().comparacao->Resultado(), nullptr);
    EXPECT_EQ(grafico().cGraficoNos->NumeroSeries(), 0);
    EXPECT_TRUE(grafico().lblComparacao->text().isEmpty());

    arquivos.caminhos.push_back(Bloco);
    grafico().btnComparar->click();
    j().frmEntradaDados->NovaAnalise();  // while it runs
    grafico().comparacao->Espera();
    EXPECT_EQ(grafico().comparacao->Resultado(), nullptr);
    Historico(2);
    EXPECT_EQ(grafico().cGraficoNos->NumeroSeries(), 1);
    EXPECT_TRUE(msg.erros.isEmpty());
}

}  // namespace
