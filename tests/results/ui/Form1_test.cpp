#include <QAction>
#include <QFile>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "results/ExportaTabela.h"
#include "results/ui/Form1.h"
#include "results/ui/frmSalvaArq.h"
#include "results/ui/frmSalvarNo.h"
#include "results/ui/frmTemperaturaNo.h"

namespace {

class Form1Teste : public AmbienteResultados {};

TEST_F(Form1Teste, SalvarTudoGravaOsBytesDoEscritorComTxtDobrado) {
    Membro(1, 2, 3);  // 3 nodes, hours 1..3
    TForm1* f = app->janelas().Form1;
    arquivos.caminhos.push_back(Caminho("planilha.txt"));
    f->SalvarTudo1->trigger();

    EXPECT_EQ(msg.erros, QStringList{"Atenção. O procedimento para salvar pode demorar."});
    EXPECT_EQ(arquivos.filtros, QStringList{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*"});
    EXPECT_FALSE(QFile::exists(Caminho("planilha.txt")));
    const std::string sete(7, ' ');
    std::string esperado = "\r\nt[h]       Nó 1          Nó 2          Nó 3      ";
    for (int h = 1; h <= 3; ++h) {
        esperado += "\r\n" + std::to_string(h) + sete;
        for (int n = 1; n <= 3; ++n) esperado += Numeros::FormataFixo(Temperatura(n, h), 7, 2) + sete;
    }
    // "Nó" is the two bytes 4E F3 in the file.
    std::string cp1252;
    for (std::size_t i = 0; i < esperado.size(); ++i) {
        if (esperado.compare(i, 2, "ó") == 0) {
            cp1252 += '\xF3';
            ++i;
        } else {
            cp1252 += esperado[i];
        }
    }
    EXPECT_EQ(Le(Caminho("planilha.txt.txt")), cp1252);
    EXPECT_FALSE(app->janelas().frmSalvaArq->isVisible());
    EXPECT_EQ(app->janelas().frmSalvaArq->pbStatus->value(), 3);
}

TEST_F(Form1Teste, CancelarNaoGravaMasAvisou) {
    Membro(1, 2, 3);
    app->janelas().Form1->SalvarTudo1->trigger();
    EXPECT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(QDir(pasta.path()).isEmpty());
}

TEST_F(Form1Teste, PastaInexistenteMostraErroENaoGrava) {
    Membro(1, 2, 3);
    arquivos.caminhos.push_back(Caminho("nao/existe/planilha"));
    app->janelas().Form1->SalvarTudo1->trigger();
    ASSERT_EQ(msg.erros.size(), 2);
    EXPECT_FALSE(app->janelas().frmSalvaArq->isVisible());
}

TEST_F(Form1Teste, ModeloMostraCabecalhosEHoras) {
    Membro(3, 4, 72);  // 13 nodes
    TForm1* f = app->janelas().Form1;
    f->AtualizaTabela();
    EXPECT_EQ(f->modelo->columnCount(), 13);
    EXPECT_EQ(f->modelo->rowCount(), 72);
    EXPECT_EQ(f->modelo->headerData(12, Qt::Horizontal).toString(), QStringLiteral("Nó 13"));
    EXPECT_EQ(f->modelo->headerData(71, Qt::Vertical).toString(), QStringLiteral("72"));
    EXPECT_EQ(f->modelo->data(f->modelo->index(0, 0)).toString(), QStringLiteral("  21,01"));
}

TEST_F(Form1Teste, AbreAsJanelasDeNosNoModoTemperatura) {
    Membro(1, 4, 3);
    TForm1* f = app->janelas().Form1;
    f->VisualizarNos1->trigger();
    auto* vista = app->janelas().frmTemperaturaNo;
    EXPECT_TRUE(vista->isVisible());
    EXPECT_EQ(vista->GroupBox1->title(), QStringLiteral("Temper.[Celcius]"));
    ASSERT_EQ(vista->cbbVisualizaNo->count(), 5);
    EXPECT_EQ(vista->cbbVisualizaNo->itemText(4), QStringLiteral("5"));
    f->SalvarNos1->trigger();
    auto* exporta = app->janelas().frmSalvarNo;
    EXPECT_TRUE(exporta->isVisible());
    EXPECT_EQ(exporta->GroupBox1->title(), QStringLiteral("Quais são os nós selecionados para a temperatura?"));
    EXPECT_EQ(exporta->cbbVisualizaNo->count(), 5);
    EXPECT_EQ(app->dados().ModoNo, TModoNo::Temperatura);
}

}  // namespace
