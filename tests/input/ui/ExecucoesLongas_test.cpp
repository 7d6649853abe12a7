// Runs at the capacity of the state, started from the windows: the progress is
// repainted while they run, the program answers afterwards, and closing the main
// window in the middle of a run ends the program once the step in hand is done.
#include <QEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "DialogosCamadasTeste.h"
#include "JanelasTeste.h"
#include "core/MembroTeste.h"
#include "core/ui/Gauge.h"
#include "app/ui/frmEntradaDados.h"
#include "results/ui/frmResultados.h"
#include "stress/ui/frmACI.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

// Counts the paint events a widget receives.
class ContaPinturas : public QObject {
public:
    explicit ContaPinturas(QWidget* w) { w->installEventFilter(this); }
    int pinturas = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++pinturas;
        return false;
    }
};

class ExecucoesLongas : public DialogosCamadas {
protected:
    TfrmEntradaDados* f() { return j.frmEntradaDados; }
    int encerramentos = 0;

    void SetUp() override {
        // 300 nodes (23 layers of 13 elements), lifts a day apart, 5000 hours.
        auto membro = teste::Membro(23, 13, 8, 24, 5000);
        teste::CurvaHidratacao(*membro);
        d = *membro;
        f()->encerraPrograma = [this] { ++encerramentos; };
        f()->show();
    }
    void ExecutaTermico() {
        f()->spNelem->setValue(13);
        f()->HabilitaExecucao();
        Clica(f(), "btnRUN");
    }
    // Bureau with its defaults, ACI restraint, the strengths.
    void PreparaTensional() {
        TfrmTensional* t = j.frmTensional;
        Clica(f(), "btnTensional");
        ASSERT_TRUE(t->isVisible());
        JanelasTeste::EntraDadosTensionais(j);
        ASSERT_TRUE(t->btnRun->isEnabled());
    }
};

TEST_F(ExecucoesLongas, TermicaETensionalNaCapacidadeRepintamEDeixamOProgramaUsavel) {
    ContaPinturas termica(f()->gaTransiente);
    ExecutaTermico();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith("A Temperatura Máxima de ")) << msg.informacoes[0].toStdString();
    // Repainted during the run, not only once at its end.
    EXPECT_GE(termica.pinturas, 3);
    EXPECT_EQ(f()->gaTransiente->percentual(), 100);
    EXPECT_EQ(app.contexto().temperaturas.Colunas(), 301);

    ContaPinturas tensional(j.frmTensional->gaTransiente);
    msg.limpa();
    PreparaTensional();
    Clica(j.frmTensional, "btnRun");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].startsWith("A Tensão Máxima de Tração")) << msg.informacoes[0].toStdString();
    EXPECT_GE(tensional.pinturas, 3);
    EXPECT_EQ(j.frmTensional->gaTransiente->percentual(), 100);

    // Usable afterwards: the buttons answer and the results open.
    EXPECT_TRUE(f()->isVisible());
    EXPECT_TRUE(f()->btnRUN->isEnabled());
    f()->VisualizarResultados1->trigger();
    EXPECT_TRUE(j.frmResultados->isVisible());
    EXPECT_EQ(encerramentos, 0);
}

TEST_F(ExecucoesLongas, FecharAJanelaPrincipalDuranteATermicaEncerraOPrograma) {
    // The close arrives with the first repaint, as the window manager's would.
    bool fechouDurante = false;
    QTimer::singleShot(0, f(), [&] {
        fechouDurante = true;
        f()->close();
    });
    ExecutaTermico();
    ASSERT_TRUE(fechouDurante);
    EXPECT_EQ(encerramentos, 1);
    EXPECT_FALSE(f()->isVisible());
    // Nothing more is asked or shown of a program that is ending.
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(msg.informacoes.isEmpty()) << msg.informacoes.join("\n").toStdString();
}

// The stress run is started from its own window; the main window is not running
// anything then, so it closes at once and the program ends after the run.
TEST_F(ExecucoesLongas, FecharAJanelaPrincipalDuranteATensionalEncerraOPrograma) {
    ExecutaTermico();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    PreparaTensional();
    bool fechouDurante = false;
    QTimer::singleShot(0, f(), [&] {
        fechouDurante = true;
        f()->close();
    });
    Clica(j.frmTensional, "btnRun");
    ASSERT_TRUE(fechouDurante);
    EXPECT_EQ(encerramentos, 1);
    EXPECT_FALSE(f()->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
}

}  // namespace
