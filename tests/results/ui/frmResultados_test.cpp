#include <QTest>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "app/ui/frmEntradaDados.h"
#include "results/ExportaTabela.h"
#include "results/ui/frmResultados.h"

namespace {

class frmResultadosTeste : public AmbienteResultados {
protected:
    void SetUp() override {
        AmbienteResultados::SetUp();
        Membro(2, 2, 4, 2);
        res = app->janelas().frmResultados;
        res->show();
    }
    TfrmResultados* res = nullptr;
};

TEST_F(frmResultadosTeste, SalvarPlanilhaPerguntaEGravaSemAvisoNemProgresso) {
    arquivos.caminhos.push_back(Caminho("res"));
    msg.respostas = {true};
    res->SalvarPlanilha1->trigger();
    EXPECT_EQ(msg.todas, QStringList{"confirma: Deseja realmente salvar os dados?"});
    EXPECT_EQ(Le(Caminho("res.txt")), ExportaTabela::Bytes(app->contexto().temperaturas, 4));
}

TEST_F(frmResultadosTeste, SairNaoENaoDeixaTudoComoEstava) {
    msg.respostas = {false, false};
    res->Sair1->trigger();
    EXPECT_EQ(msg.confirmacoes, (QStringList{"Deseja salvar a planilha de resultados?", "Deseja Sair do Programa Norvik 1D?"}));
    EXPECT_TRUE(res->isVisible());
    EXPECT_TRUE(arquivos.filtros.isEmpty());
}

TEST_F(frmResultadosTeste, SairComFalhaAoSalvarNaoPerguntaSeSai) {
    msg.respostas = {true};
    arquivos.caminhos.push_back(Caminho("nao/ha/pasta"));
    res->Sair1->trigger();
    EXPECT_EQ(msg.confirmacoes.size(), 1);
    EXPECT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(res->isVisible());
}

TEST_F(frmResultadosTeste, NovaAnaliseSemSalvarZeraTemperaturasEHoras) {
    app->dados().Temperaturas[3] = 42.0;
    msg.respostas = {false};
    res->NovaAnalise1->trigger();
    EXPECT_EQ(msg.confirmacoes, QStringList{"Deseja salvar a planilha de resultados?"});
    EXPECT_TRUE(arquivos.filtros.isEmpty());
    EXPECT_FALSE(res->isVisible());
    EXPECT_EQ(app->dados().Temperaturas[3], 0.0);
    EXPECT_EQ(app->dados().Camadas[2].HoraConcretagem, 0);
}

TEST_F(frmResultadosTeste, BotoesComDicasEDesenhoDoMembro) {
    EXPECT_TRUE(res->btnGrafico->toolTip().startsWith(QStringLiteral("Gráfico Tempo X Temperatura")));
    EXPECT_TRUE(res->Button1->toolTip().startsWith(QStringLiteral("Planilha Contendo todas as ")));
    EXPECT_EQ(res->Panel1->toolTip(), QStringLiteral("Desenho esquemático da barra"));
    res->DesenhaMalha();
    const QImage& img = res->painelMalha->pbMalha->Imagem();
    EXPECT_EQ(QColor(img.pixel(54, img.height() - 20)), QColor(0, 0, 255));
    QTest::mouseClick(res->Button1, Qt::LeftButton);
    EXPECT_TRUE(app->janelas().Form1 && reinterpret_cast<QWidget*>(app->janelas().Form1)->isVisible());
    EXPECT_TRUE(res->isVisible());
}

}  // namespace
