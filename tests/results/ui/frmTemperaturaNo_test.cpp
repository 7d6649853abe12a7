#include <QTest>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "results/ui/frmTemperaturaNo.h"

namespace {

class frmTemperaturaNoTeste : public AmbienteResultados {
protected:
    TfrmTemperaturaNo* Abre(TModoNo modo) {
        auto* j = app->janelas().frmTemperaturaNo;
        j->Abre(modo);
        return j;
    }
    static void Visualiza(TfrmTemperaturaNo* j, const QString& no) {
        j->cbbVisualizaNo->setEditText(no);
        QTest::mouseClick(j->btnVisualizar, Qt::LeftButton);
    }
};

TEST_F(frmTemperaturaNoTeste, HistoricoSemOsZerosDoNoNaoLancado) {
    Membro(2, 2, 4, 2);  // layer 2 placed at hour 2: node 4 reads zero until then
    TabelaTexto& t = app->contexto().temperaturas;
    t.Celula(4, 1) = "   0,00";
    t.Celula(4, 2) = "   0,00";
    app->dados().Elementos[4].HoraConcretagem = 2;
    auto* j = Abre(TModoNo::Temperatura);
    Visualiza(j, "4");
    EXPECT_EQ(j->mmFile->toPlainText(), QStringLiteral("  Nó:4\nT inic:2\n  24,03\n  24,04"));
    Visualiza(j, "1");  // appends
    EXPECT_TRUE(j->mmFile->toPlainText().endsWith(QStringLiteral("  24,04\n  Nó:1\nT inic:0\n  21,01\n  21,02\n  21,03\n  21,04")));
}

TEST_F(frmTemperaturaNoTeste, NoAcimaDoUltimoViraOUltimo) {
    Membro(1, 20, 2);  // 20 active elements: last node 21
    auto* j = Abre(TModoNo::Temperatura);
    Visualiza(j, "999");
    EXPECT_EQ(j->cbbVisualizaNo->currentText(), QStringLiteral("21"));
    EXPECT_TRUE(j->mmFile->toPlainText().startsWith(QStringLiteral("  Nó:21\n")));
}

TEST_F(frmTemperaturaNoTeste, TextoQueNaoEhNumeroMostraMensagemENadaAcrescenta) {
    Membro(1, 2, 2);
    auto* j = Abre(TModoNo::Temperatura);
    Visualiza(j, "x");
    EXPECT_EQ(msg.erros, QStringList{"'x' não é um valor inteiro válido"});
    EXPECT_TRUE(j->mmFile->toPlainText().isEmpty());
}

TEST_F(frmTemperaturaNoTeste, ModoTensaoLeATabelaDeTensoesMantemZeroEPulaLinha) {
    Membro(1, 2, 2);
    TabelaTexto& s = app->contexto().tensoes;
    s.Redimensiona(4, 3);
    s.Celula(2, 1) = " 0,0000";
    s.Celula(2, 2) = "-1,2345";
    auto* j = Abre(TModoNo::Tensao);
    EXPECT_EQ(j->GroupBox1->title(), QStringLiteral("Tensão [MPa]"));
    Visualiza(j, "2");
    EXPECT_EQ(j->mmFile->toPlainText(), QStringLiteral("  Nó:2\nT inic:0\n 0,0000\n-1,2345\n"));
}

TEST_F(frmTemperaturaNoTeste, LimparPerguntaAntes) {
    Membro(1, 2, 2);
    auto* j = Abre(TModoNo::Temperatura);
    Visualiza(j, "1");
    msg.respostas = {false, true};
    QTest::mouseClick(j->btnLimpar, Qt::LeftButton);
    EXPECT_FALSE(j->mmFile->toPlainText().isEmpty());
    QTest::mouseClick(j->btnLimpar, Qt::LeftButton);
    EXPECT_TRUE(j->mmFile->toPlainText().isEmpty());
    EXPECT_EQ(msg.confirmacoes.first(), QStringLiteral("Deseja realmente limpar a lista ao lado?"));
}

}  // namespace
