// "Estudo de Incerteza" entered as a user would: the fields, the run in its thread, the
// table and the summary against the study read from a file and run in this thread, the
// charts, the files saved, cancelling and bad fields.
#include "incerteza/ui/frmIncerteza.h"

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "FalsosQt.h"
#include "PastaTemporaria.h"
#include "app/ui/Aplicacao.h"
#include "app/ui/frmEntradaDados.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "relatorio/Relatorio.h"

namespace {

const std::string Radier = std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json";

class IncertezaJanela : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<Aplicacao>(msg, arquivos);
        Projeto::Le(Radier, app->dados());
        auto* acao = app->contexto().janelas.frmEntradaDados->findChild<QAction*>(QStringLiteral("EstudoIncerteza1"));
        ASSERT_NE(acao, nullptr);
        acao->trigger();
        j = app->contexto().janelas.frmIncerteza;
        ASSERT_TRUE(j->isVisible());
    }

    void Incerta(const char* chave, int distribuicao, const QString& parametros, const QString& truncamento = {}) {
        const int linha = Incerteza::IndiceEntrada(chave);
        j->sgdEntradas->item(linha, 0)->setCheckState(Qt::Checked);
        static_cast<QComboBox*>(j->sgdEntradas->cellWidget(linha, 1))->setCurrentIndex(distribuicao);
        j->sgdEntradas->item(linha, 2)->setText(parametros);
        j->sgdEntradas->item(linha, 3)->setText(truncamento);
    }

    void Espera() { ASSERT_TRUE(QTest::qWaitFor([this] { return !j->Rodando(); }, 120000)); }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    std::unique_ptr<Aplicacao> app;
    TfrmIncerteza* j = nullptr;
};

TEST_F(IncertezaJanela, ConfereComOEstudoDoArquivo) {
    Incerta("TemperaturaLancamento", 0, QStringLiteral("27; 1,5"), QStringLiteral("22; 32"));
    Incerta("FatorRestricao", 2, QStringLiteral("0,7; 1"));
    Incerta("Condutividade", 3, QStringLiteral("2,1; 2,5; 2,9"));
    j->edAmostras->setText(QStringLiteral("12"));
    j->edSemente->setText(QStringLiteral("4"));
    QTest::mouseClick(j->btnRodar, Qt::LeftButton);
    Espera();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    EXPECT_EQ(j->lblSituacao->text(), QStringLiteral("12 amostras."));

    const TEstudoIncerteza doArquivo = Incerteza::LeTexto(
        R"({"formato": "norvik-1d/incerteza", "projeto": ")" + Radier + R"(", "entradas": {
            "TemperaturaLancamento": {"distribuicao": "normal", "media": 27, "desvio": 1.5,
                                      "truncamento": {"min": 22, "max": 32}},
            "FatorRestricao": {"distribuicao": "uniforme", "min": 0.7, "max": 1},
            "Condutividade": {"distribuicao": "triangular", "min": 2.1, "moda": 2.5, "max": 2.9}},
            "amostragem": {"amostras": 12, "semente": 4}})",
        "");
    const TResultadoIncerteza esperado = Incerteza::Roda(doArquivo);
    ASSERT_EQ(j->sgdAmostras->rowCount(), 12);
    for (int r = 0; r < 12; ++r) {
        const auto celulas = Incerteza::Celulas(esperado.Linhas[static_cast<std::size_t>(r)], true);
        ASSERT_EQ(j->sgdAmostras->columnCount(), static_cast<int>(celulas.size()));
        for (int c = 0; c < j->sgdAmostras->columnCount(); ++c)
            EXPECT_EQ(j->sgdAmostras->item(r, c)->text().toStdString(), celulas[static_cast<std::size_t>(c)]) << r << "," << c;
    }
    const TResumoIncerteza resumo = Incerteza::Resume(doArquivo, esperado.Linhas);
    EXPECT_TRUE(j->lblProbabilidades->text().contains(QStringLiteral("P(menor índice < 1): ") +
                                                      QString::fromStdString(Numeros::FormataFixo(resumo.IndiceAbaixo.P, 0, 3))))
        << j->lblProbabilidades->text().toStdString();

    // A histogram for each output; the tornado has a bar per input, the strongest on top.
    for (int k = 0; k < 3; ++k) EXPECT_GE(j->BarrasHistograma(k), 5) << k;
    j->cbSaidaTornado->setCurrentIndex(2);
    j->DesenhaTornado();
    const auto series = j->cTornado->chart()->series();
    ASSERT_EQ(series.size(), 1);
    const QBarSet* barras = static_cast<QHorizontalBarSeries*>(series[0])->barSets().value(0);
    ASSERT_EQ(barras->count(), 3);
    EXPECT_NEAR(std::fabs(barras->at(2)), std::max({std::fabs(resumo.Spearman[2][0]), std::fabs(resumo.Spearman[2][1]),
                                                    std::fabs(resumo.Spearman[2][2])}),
                1e-12);

    // The CSV and the pictures.
    PastaTemporaria pasta;
    arquivos.caminhos = {QString::fromStdString(pasta / "r.csv"), QString::fromStdString(pasta / "f.png")};
    j->SalvarResultados();
    EXPECT_EQ(LeArquivo(pasta / "r.csv"), Incerteza::Csv(doArquivo, esperado));
    j->SalvarFiguras();
    EXPECT_GT(std::filesystem::file_size(pasta / "f.png"), 1000u);
}

TEST_F(IncertezaJanela, EstudoDeIdaEVoltaPeloArquivo) {
    PastaTemporaria pasta;
    Incerta("EscalaResistencia", 1, QStringLiteral("1; 0,1"), QStringLiteral("0,8;"));
    Incerta("DesvioAmbiente", 0, QStringLiteral("0; 2"));
    j->cbMetodo->setCurrentIndex(1);
    j->edLimIndice->setText(QStringLiteral("1,2"));
    j->rbArquivo->setChecked(true);
    j->edProjeto->setText(QString::fromStdString(Radier));
    arquivos.caminhos = {QString::fromStdString(pasta / "e.json")};
    j->SalvarEstudo();
    const TEstudoIncerteza lido = Incerteza::Le(pasta / "e.json");
    ASSERT_EQ(lido.Entradas.size(), 2u);
    EXPECT_EQ(lido.Entradas[1].Distribuicao.Tipo, TTipoDistribuicao::Lognormal);
    EXPECT_EQ(lido.Entradas[1].Distribuicao.Min, 0.8);
    EXPECT_FALSE(lido.Entradas[1].Distribuicao.Max);
    EXPECT_FALSE(lido.Hipercubo);
    EXPECT_EQ(lido.LimiteIndice, 1.2);

    // Opened in a fresh window, the fields give the same study.
    j->MostraEstudo(TEstudoIncerteza{});
    arquivos.caminhos = {QString::fromStdString(pasta / "e.json")};
    j->AbrirEstudo();
    EXPECT_EQ(Incerteza::Texto(j->MontaEstudo()), Incerteza::Texto(lido));
}

TEST_F(IncertezaJanela, CancelarDeixaAsAmostrasFeitas) {
    Incerta("TemperaturaLancamento", 0, QStringLiteral("27; 1,5"));
    j->edAmostras->setText(QStringLiteral("5000"));
    ASSERT_TRUE(j->Rodar());
    EXPECT_FALSE(j->btnRodar->isEnabled());
    j->Cancela();
    Espera();
    EXPECT_TRUE(j->Resultado().Cancelado);
    EXPECT_TRUE(j->lblSituacao->text().startsWith(QStringLiteral("Cancelado: "))) << j->lblSituacao->text().toStdString();
    EXPECT_TRUE(j->btnRodar->isEnabled());
}

// The report takes the study's section only while its results are of the problem as it
// stands: a change to the problem leaves them behind.
TEST_F(IncertezaJanela, SecaoDoRelatorioSoDoProblemaAtual) {
    TRelatorio relatorio;
    EXPECT_FALSE(app->contexto().janelas.incerteza->AcrescentaAoRelatorio(relatorio));
    Incerta("TemperaturaLancamento", 0, QStringLiteral("27; 1,5"));
    j->edAmostras->setText(QStringLiteral("6"));
    ASSERT_TRUE(j->Rodar());
    Espera();
    ASSERT_TRUE(app->contexto().janelas.incerteza->AcrescentaAoRelatorio(relatorio));
    ASSERT_EQ(relatorio.Secoes.size(), 1u);
    EXPECT_EQ(relatorio.Secoes[0].Titulo, "1. Estudo de incerteza");
    EXPECT_NE(relatorio.Secoes[0].Blocos[0].Texto.find("Projeto base: o problema atual. 6 amostras"), std::string::npos);

    AlteraProblema(app->contexto(), QStringLiteral("Temperatura"), [this] { app->dados().Camadas[1].TInicial = 25; });
    TRelatorio depois;
    EXPECT_FALSE(app->contexto().janelas.incerteza->AcrescentaAoRelatorio(depois));
    EXPECT_TRUE(depois.Secoes.empty());
}

struct CampoRuim {
    const char* nome;
    const char* parametros;
    const char* truncamento;
    const char* mensagem;
};

class IncertezaCampoRuim : public IncertezaJanela, public ::testing::WithParamInterface<CampoRuim> {};

TEST_P(IncertezaCampoRuim, RecusadoSemRodar) {
    Incerta("Condutividade", 3, QString::fromUtf8(GetParam().parametros), QString::fromUtf8(GetParam().truncamento));
    EXPECT_FALSE(j->Rodar());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QString::fromUtf8(GetParam().mensagem))) << msg.erros[0].toStdString();
    EXPECT_FALSE(j->Rodando());
}

INSTANTIATE_TEST_SUITE_P(
    Campos, IncertezaCampoRuim,
    ::testing::Values(CampoRuim{"FaltaAModa", "2; 3", "", "dê mín.; moda; máx."},
                      CampoRuim{"PontoDecimal", "2.1; 2,5; 3", "", "Parâmetros de Condutividade k"},
                      CampoRuim{"ModaFora", "2; 4; 3", "", "a moda (4)"},
                      CampoRuim{"TruncamentoLongo", "2; 2,5; 3", "1; 2; 3", "Truncamento de Condutividade k"}),
    [](const auto& i) { return std::string(i.param.nome); });

// The window after a run, for the README and for looking at it: only with NORVIK_CAPTURAS.
TEST_F(IncertezaJanela, Captura) {
    const QString pasta = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (pasta.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    Incerta("TemperaturaLancamento", 0, QStringLiteral("27; 1,5"));
    Incerta("EscalaCalor", 2, QStringLiteral("0,9; 1,1"));
    Incerta("Condutividade", 3, QStringLiteral("2,1; 2,5; 2,9"));
    j->edAmostras->setText(QStringLiteral("60"));
    QTest::mouseClick(j->btnRodar, Qt::LeftButton);
    Espera();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    j->resize(1200, 860);
    QApplication::processEvents();
    EXPECT_TRUE(j->grab().save(pasta + QStringLiteral("/estudo-incerteza.png")));
}

}  // namespace
