#include <QRadioButton>
#include <QSpinBox>
#include <memory>

#include "DialogosCamadasTeste.h"
#include "core/Processo.h"
#include "input/ui/frmCalorInterno.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCondCont.h"
#include "input/ui/frmCondInic.h"
#include "input/ui/frmCura.h"
#include "app/ui/frmEntradaDados.h"
#include "input/ui/frmEscolhaCalor.h"
#include "input/ui/frmMembro.h"

namespace {

// One problem entered through every dialog, as a user would, and run from the
// main window; the same state run by the engine directly must give the same
// table and the same message.
class ProblemaCompleto : public DialogosCamadas {
protected:
    TfrmEntradaDados* principal() { return j.frmEntradaDados; }

    void EntraCamadas() {
        Clica(principal(), "btnMembro");
        const char* espessuras[] = {"1,5", "2", "0,5"};
        for (int n = 0; n < 3; ++n) {
            Digita(j.frmMembro, "edH", QString::fromLatin1(espessuras[n]));
            Responde({true, n < 2});
            Clica(j.frmMembro, "btnInserir");
        }
    }
    void EntraCalor() {
        Clica(principal(), "btnCalorInt");
        Filho<QRadioButton>(j.frmEscolhaCalor, "rbCurvaHidrat")->click();
        Clica(j.frmEscolhaCalor, "btnOk");
        ASSERT_TRUE(j.frmCalorInterno->isVisible());
        Responde({true});
        for (int n = 0; n < 3; ++n) Clica(j.frmCalorInterno, "btnOk");
    }
    void EntraContorno() {
        Responde({false});
        Clica(principal(), "btnCondCont");
        Clica(j.frmCoefConv, "btnOk");
        ASSERT_TRUE(j.frmCondCont->isVisible());
        Clica(j.frmCondCont, "btnOk");
    }
    void EntraCondicoesIniciais() {
        Clica(principal(), "btnCondIni");
        Digita(j.frmCondInic, "edT0", "120");
        Digita(j.frmCondInic, "edStep", "1");
        const char* dias[] = {"1", "2", "3"};
        const char* temperaturas[] = {"20", "22", "24,5"};
        for (int n = 0; n < 3; ++n) {
            Digita(j.frmCondInic, "edDinic", QString::fromLatin1(dias[n]));
            Digita(j.frmCondInic, "edHinic", "6");
            Digita(j.frmCondInic, "edTinic", QString::fromLatin1(temperaturas[n]));
            if (n == 2) Responde({true});
            Clica(j.frmCondInic, "btnOk");
        }
    }
};

TEST_F(ProblemaCompleto, DialogosEJanelaPrincipalDaoOMesmoQueOMotorDireto) {
    EntraCamadas();
    EntraCalor();
    EntraContorno();
    EXPECT_FALSE(principal()->btnRUN->isEnabled());
    EntraCondicoesIniciais();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_TRUE(principal()->btnRUN->isEnabled());

    // What the dialogs stored, checked against the hand-computed values.
    ASSERT_EQ(d.NCamadas, 3);
    EXPECT_EQ(d.Camadas[2].XIni, 1.5);
    EXPECT_EQ(d.Camadas[3].XIni, 3.5);
    EXPECT_EQ(d.Camadas[3].HoraConcretagem, 54);
    EXPECT_EQ(d.Camadas[3].TInicial, 24.5);
    EXPECT_EQ(d.TempoTotal, 120.0);
    EXPECT_EQ(d.PassoTempo, 1);
    EXPECT_EQ(d.BetaSup, 54000.0);
    EXPECT_FALSE(d.TAmbConstante);
    EXPECT_FALSE(d.CuraAtiva);
    EXPECT_FALSE(d.CalorCamadas[2].Constante);

    principal()->spNelem->setValue(4);
    auto direto = std::make_unique<TDadosModelo>(d);
    direto->NElemCamada = 4;
    direto->NElemAtivos = 4;

    msg.limpa();
    Clica(principal(), "btnRUN");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
    ASSERT_EQ(msg.informacoes.size(), 1);

    TabelaTexto tabela;
    Progresso nada;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*direto, tabela, nada);
    ASSERT_TRUE(r.Completo);
    EXPECT_EQ(msg.informacoes[0].toStdString(), r.Mensagem);

    const TabelaTexto& janela = app.contexto().temperaturas;
    ASSERT_EQ(janela.Colunas(), tabela.Colunas());
    ASSERT_EQ(janela.Linhas(), tabela.Linhas());
    EXPECT_EQ(tabela.Colunas(), 3 * 4 + 1 + 1);
    EXPECT_EQ(tabela.Linhas(), 120 - 6 + 1);
    for (int l = 0; l < tabela.Linhas(); ++l)
        for (int c = 0; c < tabela.Colunas(); ++c) ASSERT_EQ(janela.Celula(c, l), tabela.Celula(c, l)) << c << "," << l;
    // The heat of hydration warms the member above its placement temperatures.
    EXPECT_GT(d.TMaxima, 24.5);
    EXPECT_TRUE(principal()->btnTensional->isEnabled());
}

TEST_F(ProblemaCompleto, CuraEmUnidadesUsuaisRecebePadroesDozeETrezentos) {
    d.UnidadesUsuais = true;
    Responde({true});
    Clica(principal(), "btnCondCont");
    ASSERT_TRUE(j.frmCura->isVisible());
    EXPECT_EQ(Texto(j.frmCura, "edBetaS"), "12");
    EXPECT_EQ(Texto(j.frmCura, "edBetaSC"), "300");
    EXPECT_TRUE(d.CuraAtiva);
}

}  // namespace
