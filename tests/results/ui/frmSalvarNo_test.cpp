#include <QTest>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "results/ExportaNos.h"
#include "results/ui/frmSalvarNo.h"

namespace {

class frmSalvarNoTeste : public AmbienteResultados {
protected:
    TfrmSalvarNo* Abre() {
        auto* j = app->janelas().frmSalvarNo;
        j->Abre(TModoNo::Temperatura);
        return j;
    }
    static void Acrescenta(TfrmSalvarNo* j, const QString& no) {
        j->cbbVisualizaNo->setEditText(no);
        QTest::mouseClick(j->btnAcrescentar, Qt::LeftButton);
    }
};

TEST_F(frmSalvarNoTeste, DoisNosGravadosComTxtDobrado) {
    Membro(1, 2, 12);  // hours 1..12: the gap narrows at 10
    auto* j = Abre();
    Acrescenta(j, "3");
    Acrescenta(j, "999");  // above the last node: becomes 3
    EXPECT_EQ(j->cbbVisualizaNo->currentText(), QStringLiteral("3"));
    EXPECT_EQ(j->mmFile->toPlainText(), QStringLiteral(" 3\n 3"));
    arquivos.caminhos.push_back(Caminho("nos"));
    QTest::mouseClick(j->btnSalvar, Qt::LeftButton);
    EXPECT_TRUE(msg.erros.isEmpty());

    const std::string bytes = Le(Caminho("nos.txt"));
    std::string esperado = "\r\nt[h]       N\xF3:3" + std::string(10, ' ') + "N\xF3:3" + std::string(10, ' ');
    for (int h = 1; h <= 12; ++h) {
        const std::string celula = Numeros::FormataFixo(Temperatura(3, h), 7, 2);
        esperado += "\r\n" + std::to_string(h) + std::string(h < 10 ? 7 : 6, ' ') + celula + std::string(7, ' ') +
                    celula + std::string(7, ' ');
    }
    EXPECT_EQ(bytes, esperado);
}

TEST_F(frmSalvarNoTeste, DezNosComRepetidoIgualAoEscritor) {
    Membro(2, 3, 5);
    auto* j = Abre();
    const std::vector<int> nos = {7, 1, 2, 3, 4, 5, 6, 7, 1, 7};
    for (int n : nos) Acrescenta(j, QString::number(n));
    EXPECT_EQ(j->NosSelecionados(), nos);
    arquivos.caminhos.push_back(Caminho("dez.txt"));
    QTest::mouseClick(j->btnSalvar, Qt::LeftButton);
    EXPECT_EQ(Le(Caminho("dez.txt.txt")), ExportaNos::Bytes(app->contexto().temperaturas, nos));
    EXPECT_NE(Le(Caminho("dez.txt.txt")).find(std::string("N\xF3:7") + std::string(9, ' ') + "\r\n1"), std::string::npos);
}

TEST_F(frmSalvarNoTeste, ListaVaziaGravaSoQuebras) {
    Membro(1, 1, 3);
    auto* j = Abre();
    arquivos.caminhos.push_back(Caminho("vazia"));
    QTest::mouseClick(j->btnSalvar, Qt::LeftButton);
    EXPECT_EQ(Le(Caminho("vazia.txt")), "\r\n\r\n\r\n\r\n");
}

TEST_F(frmSalvarNoTeste, CancelarNaoGravaELimparPergunta) {
    Membro(1, 1, 3);
    auto* j = Abre();
    Acrescenta(j, "1");
    QTest::mouseClick(j->btnSalvar, Qt::LeftButton);
    EXPECT_TRUE(QDir(pasta.path()).isEmpty());
    msg.respostas = {true};
    QTest::mouseClick(j->btnLimpar, Qt::LeftButton);
    EXPECT_EQ(msg.confirmacoes, QStringList{"Deseja realmente limpar a lista de nós selecionados?"});
    EXPECT_TRUE(j->mmFile->toPlainText().isEmpty());
}

}  // namespace
