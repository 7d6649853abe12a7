#include "input/ui/frmCalorIntDiscr.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DialogosCamadasTeste.h"

namespace {

class CalorIntDiscr : public DialogosCamadas {
protected:
    TfrmCalorIntDiscr* f() { return j.frmCalorIntDiscr; }
    QTableWidget* Grade() { return Filho<QTableWidget>(f(), "sgdVertices"); }
    void Pontos(std::initializer_list<std::pair<const char*, const char*>> pontos) {
        Grade()->setRowCount(static_cast<int>(pontos.size()) + 1);
        int linha = 1;
        for (const auto& [t, T] : pontos) {
            Grade()->setItem(linha, 0, new QTableWidgetItem(QString::fromUtf8(t)));
            Grade()->setItem(linha, 1, new QTableWidgetItem(QString::fromUtf8(T)));
            ++linha;
        }
    }
    QString Celula(int linha, int coluna) {
        auto* item = Grade()->item(linha, coluna);
        return item ? item->text() : QString();
    }
    void SetUp() override {
        d.NCamadas = 2;
        for (int n = 1; n <= 2; ++n) {
            d.Camadas[n].Ro = 2400;
            d.Camadas[n].CalorEsp = 1000;
        }
        f()->Abre();
    }
};

TEST_F(CalorIntDiscr, UmDiaDe20Graus) {
    Pontos({{"0", "20"}, {"1", "40"}});
    Clica(f(), "btnOk");
    for (int h = 1; h <= 24; ++h) EXPECT_NEAR(d.CalorCamadas[1].Tabela[h], 555.5555555555555, 1e-9) << h;
    EXPECT_EQ(d.CalorCamadas[1].Tabela[25], 0.0);
    EXPECT_EQ(Texto(f(), "lbCamada"), "2");
    // "Sem Calor de Hidratação" on the last layer writes nothing and ends the pass.
    Marca(Filho<QCheckBox>(f(), "cbxCalorZero"));
    Clica(f(), "btnOk");
    EXPECT_EQ(d.CalorCamadas[2].Tabela[1], 0.0);
    EXPECT_EQ(msg.confirmacoes, QStringList{"Dados Inseridos. Eles estão corretos?"});
    EXPECT_EQ(Texto(f(), "lbCamada"), "1");
    EXPECT_FALSE(f()->isVisible());
}

TEST_F(CalorIntDiscr, CurvaLongaAvisaQueAsHorasAlemDe5000Ficaram) {
    Pontos({{"0", "0"}, {"250", "6000"}});
    Clica(f(), "btnOk");
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].contains("5000")) << msg.informacoes[0].toStdString();
    EXPECT_TRUE(msg.informacoes[0].contains("1000")) << msg.informacoes[0].toStdString();
    EXPECT_NEAR(d.CalorCamadas[1].Tabela[5000], 2400.0 * 1000 / 3600, 1e-9);
    EXPECT_EQ(Texto(f(), "lbCamada"), "2");
}

TEST_F(CalorIntDiscr, CelulaVaziaParaSemAvancar) {
    Pontos({{"0", "20"}, {"1", ""}});
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros, QStringList{"'' não é um valor de ponto flutuante válido"});
    EXPECT_EQ(Texto(f(), "lbCamada"), "1");
}

TEST_F(CalorIntDiscr, UmPontoSoAvancaSemEscrever) {
    Pontos({{"0", "20"}});
    Clica(f(), "btnOk");
    EXPECT_TRUE(msg.erros.isEmpty());
    EXPECT_EQ(d.CalorCamadas[1].Tabela[1], 0.0);
    EXPECT_EQ(Texto(f(), "lbCamada"), "2");
}

TEST_F(CalorIntDiscr, TeclasAcrescentamERemovemLinhasNoFim) {
    EXPECT_EQ(Grade()->rowCount(), 2);
    QTest::keyClick(Grade(), Qt::Key_Down);
    QTest::keyClick(Grade(), Qt::Key_Down);
    EXPECT_EQ(Grade()->rowCount(), 4);
    QTest::keyClick(Grade(), Qt::Key_Delete);
    EXPECT_EQ(Grade()->rowCount(), 3);
    QTest::keyClick(Grade(), Qt::Key_Delete);
    QTest::keyClick(Grade(), Qt::Key_Delete);
    EXPECT_EQ(Grade()->rowCount(), 2) << "a linha dos títulos e uma de pontos ficam";
    Clica(f(), "btnDuvida");
    EXPECT_EQ(msg.informacoes,
              QStringList{"Para Incluir Linha => Tecla DOWN. Para Excluir Linha => Tecla DELETE."});
}

TEST_F(CalorIntDiscr, ImportaArquivoComPontoDecimal) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("curva.txt");
    {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("0 20\n24 40\n36.5 41.25 fim\n");
    }
    arquivos.caminhos.push_back(caminho);
    Clica(f(), "btnArq");
    ASSERT_EQ(Grade()->rowCount(), 4);
    EXPECT_EQ(Celula(1, 0), "0");
    EXPECT_EQ(Celula(1, 1), "20");
    EXPECT_EQ(Celula(2, 0), "1");
    EXPECT_EQ(Celula(2, 1), "40");
    EXPECT_EQ(Celula(3, 0), "1,52083333333333");
    EXPECT_EQ(Celula(3, 1), "41,25");
    EXPECT_EQ(Celula(0, 0), "Tempo [Dia]");

    // A damaged file, or a cancelled choice, leaves the grid as it was.
    {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("0 20\nx y\n");
    }
    arquivos.caminhos.push_back(caminho);
    Clica(f(), "btnArq");
    arquivos.caminhos.push_back(std::nullopt);
    Clica(f(), "btnArq");
    arquivos.caminhos.push_back(pasta.filePath("nao-existe.txt"));
    Clica(f(), "btnArq");
    EXPECT_EQ(Grade()->rowCount(), 4);
    EXPECT_EQ(Celula(2, 1), "40");
    ASSERT_EQ(msg.erros.size(), 2);
    EXPECT_TRUE(msg.erros[0].startsWith("Linha 2 do arquivo não pôde ser lida: 'x y'.")) << msg.erros[0].toStdString();
    EXPECT_EQ(msg.erros[1], "O arquivo '" + pasta.filePath("nao-existe.txt") + "' não pôde ser aberto. Nada foi importado.");
}

// A file the import cannot read says which line and what a line must hold; the
// grid keeps its points.
struct CasoRecusado {
    const char* nome;
    const char* conteudo;
    const char* inicio;
};
class ImportacaoRecusada : public CalorIntDiscr, public ::testing::WithParamInterface<CasoRecusado> {};

TEST_P(ImportacaoRecusada, DizALinhaEOQueElaDeveTer) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("curva.txt");
    {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(GetParam().conteudo);
    }
    const int linhasAntes = Grade()->rowCount();
    arquivos.caminhos.push_back(caminho);
    Clica(f(), "btnArq");
    EXPECT_EQ(Grade()->rowCount(), linhasAntes);
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QString::fromUtf8(GetParam().inicio) +
                                " Cada linha deve ter o tempo em horas e a temperatura adiabática em °C, separados "
                                "por espaço, com ponto decimal; o que vier depois da temperatura deve estar "
                                "separado dela por espaço. Nada foi importado.");
}
INSTANTIATE_TEST_SUITE_P(
    Arquivos, ImportacaoRecusada,
    ::testing::Values(
        CasoRecusado{"VirgulaDecimal", "0 20\n24 40,5\n", "Linha 2 do arquivo não pôde ser lida: '24 40,5'."},
        CasoRecusado{"Cabecalho", "Tempo;Temp\n0 20\n", "Linha 1 do arquivo não pôde ser lida: 'Tempo;Temp'."},
        CasoRecusado{"SeparadorAposOSegundo", "0;20\n", "Linha 1 do arquivo não pôde ser lida: '0;20'."},
        CasoRecusado{"PontoEVirgulaNoFim", "0 20;\n", "Linha 1 do arquivo não pôde ser lida: '0 20;'."},
        CasoRecusado{"LinhasEmBrancoContam", "0 20\r\n\r\n24\t40x\r\n",
                     "Linha 3 do arquivo não pôde ser lida: '24\t40x'."}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
