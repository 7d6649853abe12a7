// "Salvar Figura" of the charts by type (WMF, PNG, SVG, PDF), of the colour map and of the
// member drawing as PNG; the limit line of the temperature and summary charts; the
// spreadsheet offered beside the text in the save dialogs.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <cmath>
#include <gtest/gtest.h>

#include "results/ExportaCsv.h"
#include "results/ExportaTabela.h"
#include "results/ui/AmbienteResultados.h"
#include "relatorio/ui/frmRelatorio.h"
#include "core/ui/PainelGrafico.h"
#include "core/ui/PainelMalha.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmGrafAmpliado.h"
#include "results/ui/frmGrafico.h"
#include "results/ui/frmResultados.h"
#include "results/ui/frmResumoTermico.h"
#include "results/ui/frmSalvarNo.h"

namespace {

class Figuras : public AmbienteResultados {
protected:
    void SetUp() override {
        AmbienteResultados::SetUp();
        amp = app->janelas().frmGrafAmpliado;
        amp->resize(900, 600);
        amp->show();
        QList<QPointF> p;
        for (int i = 1; i <= 40; ++i) p.append(QPointF(i, 30 + 10 * std::sin(i / 7.0)));
        amp->cGraficoNosAmpl->AdicionaSerie(QStringLiteral("Nó:1"), p);
        QApplication::processEvents();
    }
    void TearDown() override { amp->close(); }

    TfrmGrafAmpliado* amp = nullptr;
};

struct CasoFigura {
    const char* nome;
    const char* escolhido;  // what the user typed
    const char* gravado;    // the file written
    std::string comeco;     // its first bytes
};
class FiguraPorTipo : public Figuras, public ::testing::WithParamInterface<CasoFigura> {};

TEST_P(FiguraPorTipo, TipoPeloNomeEscolhido) {
    const CasoFigura& c = GetParam();
    arquivos.caminhos.push_back(Caminho(c.escolhido));
    amp->cGraficoNosAmpl->SalvaFiguraComo(arquivos);
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    ASSERT_EQ(arquivos.filtros.size(), 1);
    EXPECT_EQ(arquivos.filtros[0], QStringLiteral("Metarquivo do Windows (*.wmf)|*.wmf|Imagem PNG|*.png|"
                                                  "Desenho SVG|*.svg|Documento PDF|*.pdf|Todos Arquivos|*.*"));
    const std::string bytes = Le(Caminho(c.gravado));
    ASSERT_GT(bytes.size(), 200u) << c.gravado;
    EXPECT_EQ(bytes.substr(0, c.comeco.size()), c.comeco);
    if (std::string(c.nome) == "Png") {
        // Twice the pixels of the chart on screen.
        const QImage img = QImage::fromData(QByteArray::fromStdString(bytes), "PNG");
        EXPECT_EQ(img.size(), amp->cGraficoNosAmpl->Vista()->size() * 2);
    }
    if (std::string(c.nome) == "Svg") {
        EXPECT_NE(bytes.find("<svg"), std::string::npos);
        EXPECT_NE(bytes.find("Nó:1"), std::string::npos);  // the legend, as text
    }
}
INSTANTIATE_TEST_SUITE_P(
    Tipos, FiguraPorTipo,
    ::testing::Values(CasoFigura{"Wmf", "f", "f.wmf", std::string("\xD7\xCD\xC6\x9A", 4)},
                      CasoFigura{"WmfSempreAnexa", "f.wmf", "f.wmf.wmf", std::string("\xD7\xCD\xC6\x9A", 4)},
                      CasoFigura{"Png", "f.png", "f.png", std::string("\x89PNG\r\n\x1A\n", 8)},
                      CasoFigura{"Svg", "f.svg", "f.svg", "<?xml"},
                      CasoFigura{"Pdf", "f.pdf", "f.pdf", "%PDF-"}),
    [](const auto& info) { return std::string(info.param.nome); });

// A missing folder: the message names the file, and nothing is written.
TEST_F(Figuras, PastaInexistenteRecusadaEmCadaTipo) {
    for (const char* nome : {"nao/f", "nao/f.png", "nao/f.svg", "nao/f.pdf"}) {
        msg.limpa();
        arquivos.caminhos.push_back(Caminho(nome));
        amp->btnSalvarFigura->click();
        ASSERT_EQ(msg.erros.size(), 1) << nome;
        EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("Não foi possível gravar a figura em"))) << nome;
        EXPECT_TRUE(msg.erros[0].endsWith(QStringLiteral(": a pasta não existe"))) << msg.erros[0].toStdString();
    }
    EXPECT_TRUE(QDir(pasta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// The colour map beside its scale, and the member beside its legend, as PNG.
TEST_F(Figuras, MapaDeCoresEDesenhoDoMembroEmPng) {
    Membro(2, 2, 4);
    TfrmCores* cores = app->janelas().frmCores;
    cores->show();
    QApplication::processEvents();
    arquivos.caminhos.push_back(Caminho("mapa"));
    cores->SalvarFigura1->trigger();
    const QImage mapa(Caminho("mapa.png"), "PNG");
    EXPECT_EQ(mapa.size(), QSize(560, 475));
    cores->close();

    TfrmResultados* res = app->janelas().frmResultados;
    res->show();
    res->DesenhaMalha();
    QApplication::processEvents();
    arquivos.caminhos.push_back(Caminho("membro.png"));
    res->painelMalha->SalvarFigura->trigger();
    const QImage membro(Caminho("membro.png"), "PNG");
    ASSERT_FALSE(membro.isNull());
    EXPECT_EQ(membro.width(), res->painelMalha->pbMalha->Imagem().width() + 4 +
                                  res->painelMalha->pbLegenda->Imagem().width());
    EXPECT_TRUE(msg.erros.isEmpty());
    res->close();
}

// The limit line: labelled in the legend, not one of the curves, kept by "Apagar",
// following the report window's value, gone when unticked or when the value is not a number.
TEST_F(Figuras, LinhaDeLimiteDoGraficoDeTemperatura) {
    Membro(1, 2, 5);
    TfrmGrafico* g = app->janelas().frmGrafico;
    TfrmRelatorio* rel = app->janelas().frmRelatorio;
    g->show();
    g->btnVisualizarClick();
    ASSERT_EQ(g->cGraficoNos->NumeroSeries(), 1);
    EXPECT_EQ(g->cGraficoNos->SerieLimite(), nullptr);

    g->chkLimite->setChecked(true);
    QLineSeries* limite = g->cGraficoNos->SerieLimite();
    ASSERT_NE(limite, nullptr);
    EXPECT_EQ(limite->name(), QStringLiteral("Limite 70 °C"));
    EXPECT_EQ(limite->at(0).y(), 70.0);
    EXPECT_EQ(limite->at(0).x(), 1.0);  // across the curve's hours
    EXPECT_EQ(limite->at(1).x(), 5.0);
    EXPECT_EQ(g->cGraficoNos->NumeroSeries(), 1);
    EXPECT_GE(g->cGraficoNos->EixoY()->max(), 70.0);  // the automatic axis takes it in
    const auto extremos = g->cGraficoNos->ExtremosVerticais();
    ASSERT_TRUE(extremos);
    EXPECT_LT(extremos->second, 30.0);  // the curves' extremes leave it out
    ASSERT_NE(app->janelas().frmGrafAmpliado->cGraficoNosAmpl->SerieLimite(), nullptr);

    g->btnApagarClick();
    EXPECT_EQ(g->cGraficoNos->NumeroSeries(), 0);
    ASSERT_NE(g->cGraficoNos->SerieLimite(), nullptr);

    rel->edLimiteTemperatura->setText(QStringLiteral("65,5"));
    g->btnVisualizarClick();
    ASSERT_NE(g->cGraficoNos->SerieLimite(), nullptr);
    EXPECT_EQ(g->cGraficoNos->SerieLimite()->at(0).y(), 65.5);
    EXPECT_EQ(g->cGraficoNos->SerieLimite()->name(), QStringLiteral("Limite 65,5 °C"));

    rel->edLimiteTemperatura->setText(QStringLiteral("quente"));
    g->btnVisualizarClick();
    EXPECT_EQ(g->cGraficoNos->SerieLimite(), nullptr);
    rel->edLimiteTemperatura->setText(QStringLiteral("70"));
    g->chkLimite->setChecked(false);
    g->chkLimite->setChecked(true);
    ASSERT_NE(g->cGraficoNos->SerieLimite(), nullptr);
    g->chkLimite->setChecked(false);
    EXPECT_EQ(g->cGraficoNos->SerieLimite(), nullptr);
    EXPECT_TRUE(msg.erros.isEmpty());
    g->close();
}

TEST_F(Figuras, GraficoDoResumoMostraOLimiteNucleoSuperficie) {
    Membro(2, 2, 6, 3);
    app->dados().TermicoCompleto = true;
    app->janelas().frmRelatorio->edLimiteDiferenca->setText(QStringLiteral("12,5"));
    TfrmResumoTermico* r = app->janelas().frmResumoTermico;
    r->Abre();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    QLineSeries* limite = r->cGraficoDiferenca->SerieLimite();
    ASSERT_NE(limite, nullptr);
    EXPECT_EQ(limite->name(), QStringLiteral("Limite núcleo–superfície 12,5 °C"));
    EXPECT_EQ(limite->at(0).y(), 12.5);
    r->close();
}

// The save of the results window offers the spreadsheet beside the text; the type
// follows the name, the text keeps its ".txt" appended.
struct CasoPlanilha {
    const char* nome;
    const char* escolhido;
    const char* gravado;
    bool csv;
};
class PlanilhaNaJanela : public AmbienteResultados, public ::testing::WithParamInterface<CasoPlanilha> {};

TEST_P(PlanilhaNaJanela, SalvarPlanilhaNoTipoEscolhido) {
    const CasoPlanilha& c = GetParam();
    Membro(1, 2, 4);
    arquivos.caminhos.push_back(Caminho(c.escolhido));
    app->janelas().frmResultados->SalvarPlanilha1->trigger();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
    EXPECT_EQ(arquivos.filtros, QStringList{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*"});
    const TabelaTexto& t = app->contexto().temperaturas;
    const int ativos = app->dados().NElemAtivos;
    EXPECT_EQ(Le(Caminho(c.gravado)), c.csv ? ExportaCsv::Tabela(t, ativos, "°C") : ExportaTabela::Bytes(t, ativos));
}
INSTANTIATE_TEST_SUITE_P(Casos, PlanilhaNaJanela,
                         ::testing::Values(CasoPlanilha{"Texto", "p", "p.txt", false},
                                           CasoPlanilha{"TextoComTxtDobrado", "p.txt", "p.txt.txt", false},
                                           CasoPlanilha{"Csv", "p.csv", "p.csv", true},
                                           CasoPlanilha{"CsvMaiusculo", "p.CSV", "p.CSV", true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// "Salvar Nós" as a spreadsheet: the nodes in the list's order, the unit of the table saved.
TEST_F(Figuras, NosEscolhidosEmPlanilhaComAUnidadeDaTabela) {
    Membro(1, 2, 4);
    app->contexto().tensoes = app->contexto().temperaturas;
    for (const auto& [modo, unidade] : {std::pair{TModoNo::Temperatura, "°C"}, std::pair{TModoNo::Tensao, "MPa"}}) {
        TfrmSalvarNo* j = app->janelas().frmSalvarNo;
        j->Abre(modo);
        j->btnLimpar->click();
        for (const char* no : {"3", "1"}) {
            j->cbbVisualizaNo->setEditText(QString::fromUtf8(no));
            j->btnAcrescentar->click();
        }
        const QString nome = QStringLiteral("nos-%1.csv").arg(unidade == std::string("°C") ? "t" : "s");
        arquivos.caminhos.push_back(Caminho(nome));
        j->btnSalvar->click();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join(' ').toStdString();
        EXPECT_EQ(Le(Caminho(nome)), ExportaCsv::Nos(app->contexto().temperaturas, {3, 1}, unidade));
        j->close();
    }
}

}  // namespace
