// The shipped raft example run in the windows: the thermal summary warns that its
// verdict is the classic formulation's (the peak under 70 °C there, above it in the
// consistent one), and its button passes the problem to the consistent formulation as
// one undoable change and runs it again, after which there is nothing to warn of. The
// cracking-index window warns of the joint node's index.
#include <QTest>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "app/ui/Aplicacao.h"
#include "app/ui/frmEntradaDados.h"
#include "core/ui/AvisoFormulacao.h"
#include "core/ui/HistoricoProblema.h"
#include "results/ui/frmResumoTermico.h"
#include "stress/ui/frmIndiceFissuracao.h"
#include "stress/ui/frmTensional.h"

namespace {

TEST(AvisoFormulacaoJanelas, ResumoAvisaEOBotaoRefazNaConsistente) {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    Janelas& j = app.janelas();
    TfrmEntradaDados* principal = j.frmEntradaDados;
    arquivos.caminhos.push_back(QStringLiteral(NORVIK_FONTES "/exemplos/radier-verao-mantas.n1d.json"));
    principal->AbrirProjeto->trigger();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    JanelasTeste::Clica(principal, "btnRUN");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(app.dados().Formulacao, TFormulacao::Classica);

    TfrmResumoTermico* resumo = j.frmResumoTermico;
    resumo->Abre();
    ASSERT_TRUE(resumo->isVisible());
    TAvisoFormulacaoUi* aviso = resumo->avisoFormulacao;
    EXPECT_TRUE(aviso->isVisible());
    EXPECT_TRUE(aviso->lblAviso->text().startsWith(
        QStringLiteral("A temperatura máxima (68,95 °C no Nó 9) é da formulação clássica; na consistente é 70,19 °C")))
        << aviso->lblAviso->text().toStdString();
    EXPECT_TRUE(aviso->lblAviso->text().endsWith(QStringLiteral("Confira na formulação consistente.")));

    // The index window speaks of the index alone: the joint node that fails only in the classic.
    JanelasTeste::Clica(j.frmTensional, "btnRun");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    j.frmIndiceFissuracao->Abre();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    const QString indice = j.frmIndiceFissuracao->avisoFormulacao->lblAviso->text();
    EXPECT_TRUE(j.frmIndiceFissuracao->avisoFormulacao->isVisible());
    EXPECT_TRUE(indice.startsWith(QStringLiteral("O menor índice (0,625 no Nó 6, junta da camada 2) é da formulação "
                                                 "clássica; na consistente é 1,41")))
        << indice.toStdString();

    const int mudancas = app.historico().Pilha().count();
    JanelasTeste::Clica(aviso, "btnFormulacaoConsistente");
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(app.dados().Formulacao, TFormulacao::Consistente);
    EXPECT_TRUE(app.dados().TermicoCompleto);
    ASSERT_EQ(app.historico().Pilha().count(), mudancas + 1);
    EXPECT_EQ(app.historico().Pilha().undoText(), QStringLiteral("Formulação consistente"));

    resumo->Abre();
    EXPECT_NEAR(resumo->Resumo().TMaxima, 70.19, 1e-9);
    EXPECT_FALSE(aviso->isVisible());

    // The change is undone like any other.
    app.historico().Pilha().undo();
    EXPECT_EQ(app.dados().Formulacao, TFormulacao::Classica);
}

}  // namespace
