// The stress table window: its menu, the whole-table export and the chart windows.
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/ui/Janelas.h"
#include "results/ExportaTabela.h"
#include "stress/ui/frmEixoTensional.h"
#include "stress/ui/frmGraficoTensional.h"
#include "results/ui/frmResultadoTensoes.h"
#include "stress/ui/MembroTensional.h"

namespace {

class ResultadoTensoes : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    TDadosModelo& d = app.dados();
    TabelaTexto& tensoes = app.contexto().tensoes;
    TfrmResultadoTensoes* p = app.janelas().frmResultadoTensoes;

    void SetUp() override {
        MembroTensional::Prepara(d, app.contexto().temperaturas);
        MembroTensional::PreparaTensoes(tensoes, [](int n, int r) { return -n * r / 100.0; });
        tensoes.Celula(3, 10) = "-12,3456";  // one character wider than the format
        p->AtualizaTabela();
        p->show();
    }
};

TEST_F(ResultadoTensoes, SalvarTudoGravaOsMesmosBytesQueOExportador) {
    QTemporaryDir pasta;
    const QString nome = pasta.filePath(QStringLiteral("tensoes"));
    arquivos.caminhos.push_back(nome);
    p->SalvarTudo1->trigger();
    ASSERT_EQ(arquivos.filtros.size(), 1);
    EXPECT_EQ(arquivos.filtros[0], QStringLiteral("Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*"));
    QFile arquivo(nome + QStringLiteral(".txt"));
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QByteArray gravado = arquivo.readAll();
    EXPECT_EQ(gravado.toStdString(), ExportaTabela::Bytes(tensoes, d.NElemAtivos));
    EXPECT_TRUE(gravado.contains("-12,3456"));
}

TEST_F(ResultadoTensoes, GraficoEEixoFechamAPlanilhaEAbremOsGraficos) {
    p->Grafico1->trigger();
    EXPECT_FALSE(p->isVisible());
    TfrmGraficoTensional* g = app.janelas().frmGraficoTensional;
    ASSERT_TRUE(g->isVisible());
    EXPECT_EQ(g->spseNo->maximum(), 9);
    EXPECT_EQ(g->windowTitle(), QStringLiteral(" GraficoTensional"));
    p->show();
    p->Eixo1->trigger();
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(app.janelas().frmEixoTensional->isVisible());
    EXPECT_EQ(p->modelo->rowCount(), 72);
    EXPECT_EQ(p->modelo->columnCount(), 9);
    EXPECT_TRUE(msg.erros.isEmpty());
}

}  // namespace
