// The stress input dialogs driven as a user would: type, click, read the state.
#include <QComboBox>
#include <QLineSeries>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/ui/Janelas.h"
#include "app/ui/frmEntradaDados.h"
#include "input/ui/frmMembro.h"
#include "stress/ui/frmACI.h"
#include "core/ui/PainelGrafico.h"
#include "stress/ui/frmBazant.h"
#include "stress/ui/frmE.h"
#include "stress/ui/frmF.h"
#include "stress/ui/frmByfors.h"
#include "stress/ui/frmCEB.h"
#include "stress/ui/frmCoefRestr.h"
#include "stress/ui/frmEscolhaFluencia.h"
#include "stress/ui/frmFluencia.h"
#include "stress/ui/frmFluenciaACI.h"
#include "stress/ui/frmNBR6118.h"
#include "stress/ui/frmTensional.h"
#include "stress/ui/frmTracaoFlexao.h"

namespace {

class JanelasEntradaTensional : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    Janelas& j = app.janelas();
    TDadosModelo& d = app.dados();

    static void Clica(QWidget* janela, const char* botao) {
        auto* b = janela->findChild<QPushButton*>(QString::fromLatin1(botao));
        ASSERT_NE(b, nullptr) << botao;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void Digita(QLineEdit* campo, const QString& texto) { campo->setText(texto); }
    void Escolhe(QRadioButton* modelo) {
        j.frmEscolhaFluencia->show();
        modelo->setChecked(true);
        Clica(j.frmEscolhaFluencia, "btnOK");
    }
};

TEST_F(JanelasEntradaTensional, BureauGravaOsPadroesEAUnidadeNaHora) {
    Escolhe(j.frmEscolhaFluencia->rbBureau);
    EXPECT_EQ(d.ModeloFluencia, TModeloFluencia::Bureau);
    ASSERT_TRUE(j.frmFluencia->isVisible());
    j.frmFluencia->rbtMpa->setChecked(true);
    EXPECT_FALSE(d.EEmGPa);  // without Ok
    Clica(j.frmFluencia, "btnOk");
    EXPECT_DOUBLE_EQ(d.EBureauA, 0.111137);
    EXPECT_DOUBLE_EQ(d.EBureauB, 0.03547);
    EXPECT_DOUBLE_EQ(d.FBureauA, 6.0656);
    EXPECT_DOUBLE_EQ(d.FBureauB, 8.748);
    EXPECT_FALSE(j.frmFluencia->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty());
}

TEST_F(JanelasEntradaTensional, VisualizarEGuardaOsParametrosESobrepoeCurvas) {
    Escolhe(j.frmEscolhaFluencia->rbBureau);
    j.frmFluencia->edEa->setText(QStringLiteral("0,2"));
    Clica(j.frmFluencia, "btnVisualizarE");
    Clica(j.frmFluencia, "btnVisualizarE");
    EXPECT_DOUBLE_EQ(d.EBureauA, 0.2);
    EXPECT_DOUBLE_EQ(d.FBureauA, 0);  // only the E parameters are stored
    ASSERT_TRUE(j.frmE->isVisible());
    const QList<QLineSeries*> e = j.frmE->cGrafico->Series();
    ASSERT_EQ(e.size(), 2);
    EXPECT_EQ(e[0]->points(), e[1]->points());
    ASSERT_EQ(e[0]->count(), 100);
    // In the unit of the parameters: no GPa factor on the chart.
    EXPECT_DOUBLE_EQ(e[0]->at(0).y(), 1.0 / (0.2 + 0.03547));
    EXPECT_EQ(e[0]->at(99).x(), 100);

    Clica(j.frmFluencia, "btnVisualizarF");
    EXPECT_DOUBLE_EQ(d.FBureauB, 8.748);
    const QList<QLineSeries*> f = j.frmF->cGrafico->Series();
    ASSERT_EQ(f.size(), 1);
    EXPECT_DOUBLE_EQ(f[0]->at(3).y(), 6.0656 + 8.748 / 4);

    // a + b·z = 0 at z = 2: reported, nothing drawn.
    j.frmFluencia->edEa->setText(QStringLiteral("1"));
    j.frmFluencia->edEb->setText(QStringLiteral("-0,5"));
    Clica(j.frmFluencia, "btnVisualizarE");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("Divisão por zero na curva de E(z) no dia 2")));
    EXPECT_EQ(j.frmE->cGrafico->NumeroSeries(), 2);
}

TEST_F(JanelasEntradaTensional, GeometriaACIMostraSuaFigura) {
    ASSERT_NE(j.frmACI->imgEstrutura->pixmap().width(), 0);
    EXPECT_EQ(j.frmACI->edL->toolTip(), QStringLiteral("Comprimento da estrutura \r\n(Equivale a maior dimensão)"));
}

TEST_F(JanelasEntradaTensional, ACIComModuloConstanteGravaOsPadroesNaOrdem) {
    Escolhe(j.frmEscolhaFluencia->rbACI);
    ASSERT_TRUE(j.frmByfors->isVisible());
    Clica(j.frmByfors, "btnOK");
    EXPECT_TRUE(d.ModuloConstante);
    EXPECT_DOUBLE_EQ(d.ByforsA1, 2.0e-5);
    EXPECT_DOUBLE_EQ(d.ByforsA2, 0.4152);
    EXPECT_DOUBLE_EQ(d.ByforsA3, 3.236);
    EXPECT_DOUBLE_EQ(d.ByforsA4, 0.135);
    ASSERT_TRUE(j.frmFluenciaACI->isVisible());
    EXPECT_TRUE(j.frmFluenciaACI->gbxModuloRef->isVisible());
    j.frmFluenciaACI->rbVapor->setChecked(true);
    Clica(j.frmFluenciaACI, "btnOK");
    EXPECT_EQ(d.CuraACI, TCuraACI::Vapor);
    EXPECT_DOUBLE_EQ(d.UmidadeRel, 55);
    EXPECT_DOUBLE_EQ(d.SlumpACI, 50);
    EXPECT_DOUBLE_EQ(d.FinosACI, 45);
    EXPECT_DOUBLE_EQ(d.TeorArACI, 5);
    EXPECT_DOUBLE_EQ(d.EspessuraMediaACI, 2000);
    EXPECT_DOUBLE_EQ(d.VolSupACI, 1000);
    EXPECT_DOUBLE_EQ(d.ModuloRef, 25000);
    EXPECT_DOUBLE_EQ(d.Fcm, 21);
}

TEST_F(JanelasEntradaTensional, CampoInvalidoParaOOkNeleEGuardaOsAnteriores) {
    Escolhe(j.frmEscolhaFluencia->rbACI);
    j.frmByfors->rbVariavel->setChecked(true);
    Clica(j.frmByfors, "btnOK");
    EXPECT_FALSE(j.frmFluenciaACI->gbxModuloRef->isVisible());  // Byfors modulus: no reference asked
    Digita(j.frmFluenciaACI->edUmidade, QStringLiteral("60,5"));
    Digita(j.frmFluenciaACI->edTAr, QStringLiteral("5.0"));
    Clica(j.frmFluenciaACI, "btnOK");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("'5.0' não é um valor de ponto flutuante válido"));
    EXPECT_DOUBLE_EQ(d.UmidadeRel, 60.5);
    EXPECT_DOUBLE_EQ(d.FinosACI, 45);
    EXPECT_DOUBLE_EQ(d.TeorArACI, 0);   // not reached
    EXPECT_DOUBLE_EQ(d.EspessuraMediaACI, 0);
    EXPECT_TRUE(j.frmFluenciaACI->isVisible());  // stays open to be mended
}

TEST_F(JanelasEntradaTensional, ByforsTipo2EscreveA1EDepoisAResistenciaDoCEB) {
    Escolhe(j.frmEscolhaFluencia->rbCEB);
    j.frmByfors->rbTipo[1]->setChecked(true);
    EXPECT_EQ(j.frmByfors->edA1->text(), QStringLiteral("2"));
    j.frmByfors->rbTipo[2]->setChecked(true);
    EXPECT_EQ(j.frmByfors->edA1->text(), QStringLiteral("4,7"));
    EXPECT_FALSE(j.frmByfors->rbTipo[1]->isChecked());
    EXPECT_TRUE(j.frmByfors->rbConstante->isChecked());  // the types do not touch the modulus choice
    j.frmByfors->rbTipo[1]->setChecked(true);
    j.frmByfors->rbVariavel->setChecked(true);
    Clica(j.frmByfors, "btnOK");
    ASSERT_TRUE(j.frmCEB->isVisible());
    EXPECT_FALSE(j.frmFluenciaACI->isVisible());
    EXPECT_EQ(j.frmCEB->edfcm->text(), QStringLiteral("28"));
    EXPECT_FALSE(j.frmCEB->gbxE28->isVisible());
    EXPECT_FALSE(d.ModuloConstante);
    Clica(j.frmCEB, "btnOK");
    EXPECT_DOUBLE_EQ(d.Fcm, 28);
    EXPECT_DOUBLE_EQ(d.ModuloRef, 27000);
    EXPECT_DOUBLE_EQ(d.AreaCEB, 5e6);
    EXPECT_DOUBLE_EQ(d.PerimetroCEB, 10000);
    EXPECT_DOUBLE_EQ(d.UmidadeRel, 50);
}

TEST_F(JanelasEntradaTensional, ByforsCancelaNaoGravaNemVoltaAEscolha) {
    Escolhe(j.frmEscolhaFluencia->rbCEB);
    Clica(j.frmByfors, "btnCancela");
    EXPECT_FALSE(j.frmByfors->isVisible());
    EXPECT_FALSE(j.frmEscolhaFluencia->isVisible());
    EXPECT_FALSE(j.frmCEB->isVisible());
    EXPECT_DOUBLE_EQ(d.ByforsA1, 0);
}

// A window left minimised comes back when its button opens it again, instead of
// the button seeming to do nothing.
struct CasoMinimizada {
    const char* nome;
    QWidget* (*janela)(Janelas&);
    void (*abre)(Janelas&);
};
class JanelaMinimizada : public JanelasEntradaTensional, public ::testing::WithParamInterface<CasoMinimizada> {};

TEST_P(JanelaMinimizada, VoltaAoAbrirDeNovo) {
    const CasoMinimizada& c = GetParam();
    QWidget* janela = c.janela(j);
    c.abre(j);
    ASSERT_TRUE(janela->isVisible());
    janela->showMinimized();
    ASSERT_TRUE(janela->isMinimized());
    c.abre(j);
    EXPECT_TRUE(janela->isVisible());
    EXPECT_FALSE(janela->isMinimized());
}
INSTANTIATE_TEST_SUITE_P(
    Aberturas, JanelaMinimizada,
    ::testing::Values(
        CasoMinimizada{"EscolhaDaFluencia", [](Janelas& j) -> QWidget* { return j.frmEscolhaFluencia; },
                       [](Janelas& j) { QTest::mouseClick(j.frmTensional->btnFluencia, Qt::LeftButton); }},
        CasoMinimizada{"Bureau", [](Janelas& j) -> QWidget* { return j.frmFluencia; },
                       [](Janelas& j) {
                           j.frmEscolhaFluencia->rbBureau->setChecked(true);
                           QTest::mouseClick(j.frmEscolhaFluencia->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
                       }},
        CasoMinimizada{"Restricao", [](Janelas& j) -> QWidget* { return j.frmCoefRestr; },
                       [](Janelas& j) { QTest::mouseClick(j.frmTensional->btnCoefRestr, Qt::LeftButton); }},
        CasoMinimizada{"Membro", [](Janelas& j) -> QWidget* { return j.frmMembro; },
                       [](Janelas& j) {
                           QTest::mouseClick(j.frmEntradaDados->findChild<QPushButton*>("btnMembro"), Qt::LeftButton);
                       }}),
    [](const auto& info) { return std::string(info.param.nome); });

// A project that chose a creep model but never confirmed its window holds the
// start-up zeros for it: the window keeps its defaults instead of showing zeros.
struct CasoModeloSemDados {
    const char* nome;
    TModeloFluencia modelo;
    QLineEdit* (*campo)(Janelas&);
    const char* padrao;
};
class ModeloSemDados : public JanelasEntradaTensional, public ::testing::WithParamInterface<CasoModeloSemDados> {};

TEST_P(ModeloSemDados, JanelaFicaComOsPadroes) {
    d.ModeloFluencia = GetParam().modelo;
    j.frmTensional->MostraEstado();
    EXPECT_EQ(GetParam().campo(j)->text(), QString::fromUtf8(GetParam().padrao));
}
INSTANTIATE_TEST_SUITE_P(
    Modelos, ModeloSemDados,
    ::testing::Values(
        CasoModeloSemDados{"Bureau", TModeloFluencia::Bureau, [](Janelas& j) { return j.frmFluencia->edEa; },
                           "0,111137"},
        CasoModeloSemDados{"Bazant", TModeloFluencia::Bazant, [](Janelas& j) { return j.frmBazant->edfc; }, "21"},
        CasoModeloSemDados{"CEB", TModeloFluencia::CEB1990, [](Janelas& j) { return j.frmCEB->edAc; }, "5"},
        CasoModeloSemDados{"Byfors", TModeloFluencia::CEB1990, [](Janelas& j) { return j.frmByfors->edA2; },
                           "41,52"},
        CasoModeloSemDados{"ACI", TModeloFluencia::ACI209, [](Janelas& j) { return j.frmFluenciaACI->edSlump; },
                           "50"},
        CasoModeloSemDados{"NBR", TModeloFluencia::NBR6118, [](Janelas& j) { return j.frmNBR6118->edFck; },
                           "30"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(JanelasEntradaTensional, BazantPrefixoZeroVirgulaEMassaDaCamada) {
    // The layers of the problem (an opened project), not what the layer dialog's field still shows.
    d.NCamadas = 2;
    d.Camadas[1].Ro = 1900.0;
    d.Camadas[2].Ro = 2410.5;
    ASSERT_EQ(j.frmMembro->edRo->text(), QStringLiteral("2348"));
    Escolhe(j.frmEscolhaFluencia->rbBazant);
    ASSERT_TRUE(j.frmBazant->isVisible());
    EXPECT_EQ(j.frmBazant->edMassaEspec->text(), QStringLiteral("2410,5"));
    j.frmBazant->rbBaixoCH->setChecked(true);
    j.frmBazant->rbSim->setChecked(true);
    j.frmBazant->RadioButton1->setChecked(true);
    Clica(j.frmBazant, "btnOK");
    EXPECT_DOUBLE_EQ(d.MassaEspecifica, 2410.5);
    EXPECT_DOUBLE_EQ(d.Fcm, 21);
    EXPECT_FALSE(d.EOtimizado);
    EXPECT_DOUBLE_EQ(d.ModuloRef, 25000);
    EXPECT_DOUBLE_EQ(d.RelAguaCimento, 0.45);
    EXPECT_DOUBLE_EQ(d.RelAgregCimento, 0.65);
    EXPECT_DOUBLE_EQ(d.RelAreiaCimento, 0.60);
    EXPECT_DOUBLE_EQ(d.FatorCimento, 1.03);
    EXPECT_TRUE(d.ConsideraMaturidade);
    EXPECT_FALSE(j.frmBazant->isVisible());
}

TEST_F(JanelasEntradaTensional, NBRPlacaLigaEDesligaGeometriaETrocaDeUmidade) {
    Escolhe(j.frmEscolhaFluencia->rbNBR);
    auto* w = j.frmNBR6118;
    ASSERT_TRUE(w->isVisible());
    EXPECT_FALSE(w->edArea->isEnabled());
    EXPECT_FALSE(w->lblPerimetro->isEnabled());
    w->cbPlaca->setCurrentText(QStringLiteral("Não"));
    EXPECT_TRUE(w->edArea->isEnabled());
    EXPECT_TRUE(w->lblArea->isEnabled());
    EXPECT_TRUE(w->edPerimetro->isEnabled());
    EXPECT_FALSE(w->rbUmidadeSup->isEnabled());
    EXPECT_FALSE(w->rbUmidadeDupla->isEnabled());
    EXPECT_FALSE(d.PlacaNBR);
    Clica(w, "btnOK");
    EXPECT_EQ(d.CimentoNBR, TCimentoNBR::Normal);
    EXPECT_DOUBLE_EQ(d.FckNBR, 30);
    EXPECT_EQ(d.AgregadoNBR, TAgregadoNBR::Granito);
    EXPECT_DOUBLE_EQ(d.UmidadeNBR, 70);
    EXPECT_TRUE(d.UmidadeSoSuperior);
    EXPECT_FALSE(d.PlacaNBR);
    EXPECT_DOUBLE_EQ(d.AreaNBR, 4);
    EXPECT_DOUBLE_EQ(d.PerimetroNBR, 2);
    EXPECT_EQ(d.SlumpNBR, TSlumpNBR::S5a9);
    w->cbPlaca->setCurrentText(QStringLiteral("Sim"));
    EXPECT_TRUE(d.PlacaNBR);
    EXPECT_FALSE(w->edArea->isEnabled());
    EXPECT_TRUE(w->rbUmidadeDupla->isEnabled());
}

// Cancelling any parameter window returns to the choice and keeps the model chosen.
class CancelaParametros : public JanelasEntradaTensional, public ::testing::WithParamInterface<int> {};

TEST_P(CancelaParametros, VoltaAEscolhaComOModeloMantido) {
    struct Caso {
        QRadioButton* opcao;
        QWidget* janela;
        TModeloFluencia modelo;
    };
    const Caso casos[] = {
        {j.frmEscolhaFluencia->rbBureau, j.frmFluencia, TModeloFluencia::Bureau},
        {j.frmEscolhaFluencia->rbBazant, j.frmBazant, TModeloFluencia::Bazant},
        {j.frmEscolhaFluencia->rbNBR, j.frmNBR6118, TModeloFluencia::NBR6118},
        {j.frmEscolhaFluencia->rbACI, j.frmFluenciaACI, TModeloFluencia::ACI209},
        {j.frmEscolhaFluencia->rbCEB, j.frmCEB, TModeloFluencia::CEB1990},
    };
    const Caso& c = casos[GetParam()];
    d.Fcm = 33;
    Escolhe(c.opcao);
    if (c.modelo == TModeloFluencia::ACI209 || c.modelo == TModeloFluencia::CEB1990) Clica(j.frmByfors, "btnOK");
    ASSERT_TRUE(c.janela->isVisible());
    EXPECT_FALSE(j.frmEscolhaFluencia->isVisible());
    Clica(c.janela, "btnCancela");
    EXPECT_FALSE(c.janela->isVisible());
    EXPECT_TRUE(j.frmEscolhaFluencia->isVisible());
    EXPECT_EQ(d.ModeloFluencia, c.modelo);
    EXPECT_DOUBLE_EQ(d.Fcm, 33);
}
INSTANTIATE_TEST_SUITE_P(Modelos, CancelaParametros, ::testing::Range(0, 5));

TEST_F(JanelasEntradaTensional, RestricaoTotalAvisaEHabilitaRun) {
    EXPECT_FALSE(j.frmTensional->btnRun->isEnabled());
    d.RestricaoACI = true;
    j.frmCoefRestr->show();
    Clica(j.frmCoefRestr, "btnOk");
    EXPECT_FALSE(d.RestricaoACI);
    EXPECT_TRUE(j.frmTensional->btnRun->isEnabled());
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_EQ(msg.informacoes[0], QStringLiteral("A opção escolhida descarta um coeficiente de restrição. Ou seja, "
                                                 "todos os nós estão 100% impedidos."));
    EXPECT_FALSE(j.frmACI->isVisible());
}

TEST_F(JanelasEntradaTensional, RestricaoACIEscreveAAlturaDoMembroSemAFundacao) {
    d.NCamadas = 3;
    d.Camadas[1] = {.K = 0, .Espessura = 0.6, .XIni = 0};
    d.Camadas[2] = {.K = 0, .Espessura = 1.25, .XIni = 0.6};
    d.Camadas[3] = {.K = 0, .Espessura = 1.25, .XIni = 1.85};
    d.Fundacao = true;
    j.frmCoefRestr->rbACI->setChecked(true);
    Clica(j.frmCoefRestr, "btnOk");
    EXPECT_TRUE(d.RestricaoACI);
    ASSERT_TRUE(j.frmACI->isVisible());
    EXPECT_EQ(j.frmACI->edH->text(), QStringLiteral("2,5"));
    EXPECT_TRUE(msg.informacoes.isEmpty());
    Clica(j.frmACI, "btnOk");
    EXPECT_DOUBLE_EQ(d.AlturaRestricao, 2.5);
    EXPECT_DOUBLE_EQ(d.ComprimentoRestricao, 2);

    d.Fundacao = false;
    j.frmACI->edL->setText(QStringLiteral("9"));
    Clica(j.frmCoefRestr, "btnOk");
    EXPECT_EQ(j.frmACI->edH->text(), QStringLiteral("3,1"));
    Clica(j.frmACI, "btnCancela");
    EXPECT_DOUBLE_EQ(d.AlturaRestricao, 2.5);  // cancelled: the earlier geometry stays
    EXPECT_TRUE(d.RestricaoACI);
}

TEST_F(JanelasEntradaTensional, TensoesResistentesGravaOsOitoValores) {
    j.frmTracaoFlexao->show();
    j.frmTracaoFlexao->edComprB->setText(QStringLiteral("0,04"));
    Clica(j.frmTracaoFlexao, "btnOk");
    EXPECT_DOUBLE_EQ(d.ResistFlexaoA, 0.54128);
    EXPECT_DOUBLE_EQ(d.ResistFlexaoB, 0.189165);
    EXPECT_DOUBLE_EQ(d.ResistTracaoA, 0.65271);
    EXPECT_DOUBLE_EQ(d.ResistTracaoB, 0.548387);
    EXPECT_DOUBLE_EQ(d.ResistDiametralA, 0.525694);
    EXPECT_DOUBLE_EQ(d.ResistDiametralB, 0.272113);
    EXPECT_DOUBLE_EQ(d.ResistComprA, 0.0532665);
    EXPECT_DOUBLE_EQ(d.ResistComprB, 0.04);
    EXPECT_FALSE(j.frmTracaoFlexao->isVisible());
}

TEST_F(JanelasEntradaTensional, SaidaExigeNovamenteORestricaoOkParaRodar) {
    j.frmTensional->show();
    Clica(j.frmCoefRestr, "btnOk");
    ASSERT_TRUE(j.frmTensional->btnRun->isEnabled());
    Clica(j.frmTensional, "btnSaida");
    EXPECT_FALSE(j.frmTensional->isVisible());
    j.frmTensional->show();
    EXPECT_FALSE(j.frmTensional->btnRun->isEnabled());
    EXPECT_FALSE(j.frmTensional->GroupBox2->isEnabled());
    EXPECT_FALSE(j.frmTensional->btnResult->isEnabled());
    Clica(j.frmCoefRestr, "btnOk");
    EXPECT_TRUE(j.frmTensional->btnRun->isEnabled());
}

// A project opened: the dialogs show its values, so their Ok stores them unchanged.
TEST_F(JanelasEntradaTensional, ProjetoAbertoApareceNosDialogosESobreviveAoOk) {
    j.frmTensional->HabilitaRun();
    d.ModeloFluencia = TModeloFluencia::CEB1990;
    d.ModuloConstante = false;
    d.ByforsA1 = 4.7e-5;
    d.ByforsA2 = 0.5;
    d.ByforsA3 = 3;
    d.ByforsA4 = 0.2;
    d.Fcm = 33.1;
    d.ModuloRef = 31500;
    d.AreaCEB = 2.5e6;
    d.PerimetroCEB = 7500;
    d.UmidadeRel = 65;
    d.RestricaoACI = true;
    d.AlturaRestricao = 3.5;
    d.ComprimentoRestricao = 12;
    auto antes = std::make_unique<TDadosModelo>(d);
    j.frmTensional->MostraEstado();
    EXPECT_FALSE(j.frmTensional->btnRun->isEnabled());
    EXPECT_TRUE(j.frmEscolhaFluencia->rbCEB->isChecked());
    EXPECT_TRUE(j.frmCoefRestr->rbACI->isChecked());
    EXPECT_EQ(j.frmTracaoFlexao->edFlexaoA->text(), QStringLiteral("0,54128"));  // never given: defaults stay
    EXPECT_EQ(j.frmFluencia->edEa->text(), QStringLiteral("0,111137"));         // another model: untouched
    Clica(j.frmByfors, "btnOK");
    Clica(j.frmCEB, "btnOK");
    Clica(j.frmACI, "btnOk");
    EXPECT_TRUE(msg.erros.isEmpty());
    EXPECT_EQ(d.ModuloConstante, antes->ModuloConstante);
    for (auto [obtido, esperado] : {std::pair{d.ByforsA1, antes->ByforsA1}, {d.ByforsA2, antes->ByforsA2},
                                    {d.ByforsA3, antes->ByforsA3}, {d.ByforsA4, antes->ByforsA4},
                                    {d.Fcm, antes->Fcm}, {d.ModuloRef, antes->ModuloRef},
                                    {d.AreaCEB, antes->AreaCEB}, {d.PerimetroCEB, antes->PerimetroCEB},
                                    {d.UmidadeRel, antes->UmidadeRel}, {d.AlturaRestricao, antes->AlturaRestricao},
                                    {d.ComprimentoRestricao, antes->ComprimentoRestricao}})
        EXPECT_DOUBLE_EQ(obtido, esperado);
}

}  // namespace
