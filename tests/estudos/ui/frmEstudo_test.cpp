// "Estudo de Cronograma" entered as a user would: the fields, the run in its thread with
// the window responsive, the table against the study run in this thread, sorting, the
// map, cancelling, and a bad field.
#include "estudos/ui/frmEstudo.h"

#include <QAction>
#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/Projeto.h"
#include "core/ui/Janelas.h"
#include "app/ui/frmEntradaDados.h"

namespace {

const std::string Muro = std::string(NORVIK_FONTES) + "/exemplos/muro-10-camadas-cura.n1d.json";

class EstudoJanela : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<Aplicacao>(msg, arquivos);
        Projeto::Le(Muro, app->dados());
        auto* acao = app->contexto().janelas.frmEntradaDados->findChild<QAction*>(QStringLiteral("EstudoCronograma1"));
        ASSERT_NE(acao, nullptr);
        acao->trigger();
        j = app->contexto().janelas.frmEstudo;
        ASSERT_TRUE(j->isVisible());
    }

    void Varia(const char* chave, const QString& valores) {
        const int linha = Estudo::IndiceParametro(chave);
        j->sgdParametros->item(linha, 0)->setCheckState(Qt::Checked);
        j->sgdParametros->item(linha, 1)->setText(valores);
    }

    void Espera() { ASSERT_TRUE(QTest::qWaitFor([this] { return !j->Rodando(); }, 60000)); }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    std::unique_ptr<Aplicacao> app;
    TfrmEstudo* j = nullptr;
};

TEST_F(EstudoJanela, TabelaConfereComOEstudoDoArquivoEOrdenaPorColuna) {
    j->edAlturaTotal->setText(QStringLiteral("10"));
    Varia("AlturaCamada", QStringLiteral("1; 2"));
    Varia("IntervaloLancamento", QStringLiteral("24;48; 72"));
    Varia("TemperaturaLancamento", QStringLiteral("17,5"));
    QTest::mouseClick(j->btnRodar, Qt::LeftButton);
    EXPECT_TRUE(j->Rodando() || j->Resultado().Casos.size() == 6);
    Espera();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    EXPECT_EQ(j->lblSituacao->text().left(8), QStringLiteral("6 casos;"));

    // The same study read from a file, with the project file as its base.
    const TEstudo doArquivo = Estudo::LeTexto(
        R"({"formato": "norvik-1d/estudo", "projeto": ")" + Muro +
            R"(", "AlturaTotal": 10, "parametros": {"AlturaCamada": [1, 2], "IntervaloLancamento": [24, 48, 72],
               "TemperaturaLancamento": [17.5]}})",
        "");
    const TResultadoEstudo esperado = RodaEstudo::Roda(doArquivo);
    ASSERT_EQ(j->sgdCasos->rowCount(), 6);
    for (int r = 0; r < 6; ++r) {
        const auto celulas = RodaEstudo::Celulas(doArquivo, esperado.Casos[static_cast<std::size_t>(r)], false);
        ASSERT_EQ(j->sgdCasos->columnCount(), static_cast<int>(celulas.size()));
        for (int c = 0; c < j->sgdCasos->columnCount(); ++c)
            EXPECT_EQ(j->sgdCasos->item(r, c)->text().toStdString(), celulas[static_cast<std::size_t>(c)]) << r << "," << c;
    }

    // Sorted by the peak, as numbers.
    const int colunaTMax = 3;
    j->sgdCasos->sortItems(colunaTMax, Qt::AscendingOrder);
    for (int r = 1; r < 6; ++r)
        EXPECT_LE(j->sgdCasos->item(r - 1, colunaTMax)->data(Qt::UserRole).toDouble(),
                  j->sgdCasos->item(r, colunaTMax)->data(Qt::UserRole).toDouble());

    // The map of the peak over lift height × interval: 2 × 3 cells, each one case.
    ASSERT_EQ(j->Mapa().X.size(), 2u);
    ASSERT_EQ(j->Mapa().Y.size(), 3u);
    for (std::size_t r = 0; r < 6; ++r) {
        const auto& caso = esperado.Casos[r];
        const auto& cel = j->Mapa().Em(r / 3, r % 3);
        EXPECT_EQ(cel.Valor, caso.TMaxima);
        EXPECT_EQ(cel.Atende, caso.Atende);
    }
}

TEST_F(EstudoJanela, CancelarParaComOsCasosFeitos) {
    QStringList intervalos, temperaturas;
    for (int i = 0; i < 20; ++i) {
        intervalos << QString::number(12 + 3 * i);
        temperaturas << QString::number(10 + i);
    }
    Varia("IntervaloLancamento", intervalos.join(';'));
    Varia("TemperaturaLancamento", temperaturas.join(';'));
    QTest::mouseClick(j->btnRodar, Qt::LeftButton);
    ASSERT_TRUE(j->Rodando());
    EXPECT_FALSE(j->btnRodar->isEnabled());
    QTest::mouseClick(j->btnCancelar, Qt::LeftButton);
    Espera();
    EXPECT_TRUE(j->Resultado().Cancelado);
    EXPECT_LT(j->sgdCasos->rowCount(), 400);
    EXPECT_TRUE(j->lblSituacao->text().startsWith(QStringLiteral("Cancelado:"))) << j->lblSituacao->text().toStdString();
    EXPECT_TRUE(j->btnRodar->isEnabled());
}

struct CampoRuim {
    const char* nome;
    const char* campo;
    const char* texto;
    const char* mensagem;
};

class EstudoJanelaRecusa : public EstudoJanela, public ::testing::WithParamInterface<CampoRuim> {};

TEST_P(EstudoJanelaRecusa, NaoRoda) {
    Varia("TemperaturaLancamento", QStringLiteral("20"));
    j->findChild<QLineEdit*>(QString::fromLatin1(GetParam().campo))->setText(QString::fromUtf8(GetParam().texto));
    if (std::string(GetParam().campo) == "edProjeto") j->rbArquivo->setChecked(true);
    EXPECT_FALSE(j->Rodar());
    EXPECT_FALSE(j->Rodando());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QString::fromUtf8(GetParam().mensagem))) << msg.erros[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Campos, EstudoJanelaRecusa,
    ::testing::Values(CampoRuim{"IndiceTexto", "edLimIndice", "abc", "Índice de fissuração mínimo: 'abc' não é"},
                      CampoRuim{"SorteioFracionario", "edSorteados", "2,5", "inteiros não negativos"},
                      CampoRuim{"SemArquivoBase", "edProjeto", "", "Escolha o arquivo do projeto base"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
