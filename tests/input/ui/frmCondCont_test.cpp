#include "input/ui/frmCondCont.h"

#include <QCheckBox>

#include "DialogosCamadasTeste.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCura.h"

namespace {

class CondCont : public DialogosCamadas {
protected:
    TfrmCondCont* f() { return j.frmCondCont; }
    QCheckBox* Caixa(const char* nome) { return Filho<QCheckBox>(f(), nome); }
};

TEST_F(CondCont, CaixaPrescritaGravaNaHoraECancelarNaoGravaValor) {
    d.TPrescInf = 7.0;
    f()->Abre();
    EXPECT_FALSE(Campo(f(), "edTprescrita1")->isEnabled());
    Caixa("chkTPrescEsq")->click();
    EXPECT_TRUE(d.TPrescInfAtiva);
    EXPECT_TRUE(Campo(f(), "edTprescrita1")->isEnabled());
    Digita(f(), "edTprescrita1", "40");
    Clica(f(), "btnCancelar");
    EXPECT_TRUE(d.TPrescInfAtiva);
    EXPECT_EQ(d.TPrescInf, 7.0);
    EXPECT_FALSE(f()->isVisible());
}

TEST_F(CondCont, OkComCicloDiarioGravaOsQuatroValoresEAConstanteDesabilitada) {
    f()->Abre();
    EXPECT_FALSE(Campo(f(), "edTAmbConst")->isEnabled());
    EXPECT_TRUE(Campo(f(), "edTmax")->isEnabled());
    Clica(f(), "btnOk");
    EXPECT_EQ(d.QRadiacao, 0.0);
    EXPECT_EQ(d.TAmbMax, 24.5);
    EXPECT_EQ(d.TAmbMin, 14.5);
    EXPECT_EQ(d.HoraTAmbMax, 12.0);
    EXPECT_EQ(d.HoraTAmbMin, 2.0);
    EXPECT_FALSE(d.TAmbConstante);
    EXPECT_EQ(d.TAmbConst, 30.0);
    EXPECT_FALSE(d.TPrescInfAtiva);
    EXPECT_EQ(d.TPrescInf, 0.0);
}

TEST_F(CondCont, OkComAmbienteConstanteNaoTocaNoCiclo) {
    f()->Abre();
    Caixa("chkTAmbConst")->click();
    EXPECT_TRUE(d.TAmbConstante);
    EXPECT_TRUE(Campo(f(), "edTAmbConst")->isEnabled());
    EXPECT_TRUE(Filho<QLabel>(f(), "lbTAmbConst")->isEnabled());
    for (const char* nome : {"edTmax", "edTmin", "edHTmax", "edHTmin"}) EXPECT_FALSE(Campo(f(), nome)->isEnabled()) << nome;
    EXPECT_FALSE(Filho<QLabel>(f(), "lbHTmin")->isEnabled());
    Digita(f(), "edTAmbConst", "22,5");
    Clica(f(), "btnOk");
    EXPECT_EQ(d.TAmbConst, 22.5);
    EXPECT_EQ(d.TAmbMax, 36.0);
    EXPECT_EQ(d.TAmbMin, 18.0);
    EXPECT_EQ(d.HoraTAmbMax, 20.0);
    EXPECT_EQ(d.HoraTAmbMin, 0.0);
    EXPECT_TRUE(d.TAmbConstante);
}

TEST_F(CondCont, RadiacaoNaoSeConverteNasUnidadesUsuais) {
    d.UnidadesUsuais = true;
    f()->Abre();
    Digita(f(), "edQn", "450");
    Caixa("chkTPrescDir")->click();
    Digita(f(), "edTprescrita2", "18,5");
    Clica(f(), "btnOk");
    EXPECT_EQ(d.QRadiacao, 450.0);
    EXPECT_EQ(d.TPrescSup, 18.5);
}

TEST_F(CondCont, CampoInvalidoParaAliEGuardaOQueVeioAntes) {
    f()->Abre();
    Digita(f(), "edQn", "100");
    Digita(f(), "edTmin", "quinze");
    Clica(f(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], "'quinze' não é um valor de ponto flutuante válido");
    EXPECT_EQ(d.QRadiacao, 100.0);
    EXPECT_EQ(d.TAmbMax, 24.5);
    EXPECT_EQ(d.TAmbMin, 18.0);
    EXPECT_TRUE(d.TAmbConstante);
    EXPECT_TRUE(f()->isVisible());
}

TEST_F(CondCont, FecharPorOkOuCancelarFechaConveccaoECura) {
    for (const char* botao : {"btnOk", "btnCancelar"}) {
        j.frmCoefConv->show();
        j.frmCura->show();
        f()->Abre();
        Clica(f(), botao);
        EXPECT_FALSE(f()->isVisible()) << botao;
        EXPECT_FALSE(j.frmCoefConv->isVisible()) << botao;
        EXPECT_FALSE(j.frmCura->isVisible()) << botao;
    }
}

TEST_F(CondCont, MostraEstadoPoeCaixasECamposDoProjeto) {
    d.QRadiacao = 12.5;
    d.TAmbConstante = true;
    d.TAmbConst = 21.0;
    d.TPrescSupAtiva = true;
    d.TPrescSup = 15.0;
    f()->MostraEstado();
    EXPECT_EQ(Texto(f(), "edQn"), "12,5");
    EXPECT_TRUE(Caixa("chkTAmbConst")->isChecked());
    EXPECT_TRUE(Campo(f(), "edTAmbConst")->isEnabled());
    EXPECT_FALSE(Campo(f(), "edTmax")->isEnabled());
    EXPECT_TRUE(Caixa("chkTPrescDir")->isChecked());
    EXPECT_TRUE(Campo(f(), "edTprescrita2")->isEnabled());
    EXPECT_EQ(Texto(f(), "edTprescrita2"), "15");
    EXPECT_FALSE(Caixa("chkTPrescEsq")->isChecked());
    EXPECT_FALSE(Campo(f(), "edTprescrita1")->isEnabled());
}

}  // namespace
