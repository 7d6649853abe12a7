#include "input/ui/frmCoefConv.h"

#include <QGroupBox>

#include "DialogosCamadasTeste.h"
#include "input/ui/frmCondCont.h"
#include "input/ui/frmCura.h"
#include "app/ui/frmEntradaDados.h"

namespace {

class CoefConv : public DialogosCamadas {
protected:
    TfrmCoefConv* f() { return j.frmCoefConv; }
    // "Condições Contorno" of the main window, answering No to the curing question.
    void AbreSemCura() {
        Responde({false});
        Clica(j.frmEntradaDados, "btnCondCont");
    }
};

TEST_F(CoefConv, PadroesEmSIGravamCoeficientesEAbremOContorno) {
    d.CuraAtiva = true;
    AbreSemCura();
    EXPECT_FALSE(d.CuraAtiva);
    ASSERT_TRUE(f()->isVisible());
    EXPECT_EQ(Filho<QGroupBox>(f(), "gbxCoeficientes")->title(), "Coef. de Convecção [W/m^2.C] sob as Camadas");
    EXPECT_EQ(Texto(f(), "edBetaB"), "15");
    Clica(f(), "btnOk");

    EXPECT_EQ(d.BetaSup, 54000.0);
    EXPECT_EQ(d.BetaInf, 0.0);
    EXPECT_EQ(d.Superficie[1].HDia, 77760.0);
    EXPECT_EQ(d.Superficie[1].HNoite, 92160.0);
    EXPECT_EQ(d.Superficie[1].HoraIniDia, 6.0);
    EXPECT_EQ(d.Superficie[1].HoraIniNoite, 18.0);
    EXPECT_FALSE(f()->isVisible());
    EXPECT_TRUE(j.frmCondCont->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty());
}

TEST_F(CoefConv, UnidadesUsuaisDividemPorOitentaESeisMilEQuatrocentos) {
    d.UnidadesUsuais = true;
    AbreSemCura();
    EXPECT_EQ(Filho<QGroupBox>(f(), "gbxCoeficientes")->title(),
              "Coef. de Convecção [kCal/m^2.d.C] sob as Camadas");
    EXPECT_EQ(Texto(f(), "edBetaB"), "300");
    Digita(f(), "edBetaA", "43,2");
    Clica(f(), "btnOk");
    EXPECT_NEAR(d.BetaSup, 3.4722222222222223, 1e-15);
    EXPECT_NEAR(d.BetaInf, 0.5, 1e-15);
    EXPECT_NEAR(d.Superficie[1].HDia, 900.0, 1e-9);
    EXPECT_NEAR(d.Superficie[1].HNoite, 92160.0 * 1000.0 / 86400.0, 1e-9);
}

TEST_F(CoefConv, VentoDesabilitadoECaixaConstanteFixa) {
    f()->Abre();
    EXPECT_FALSE(Filho<QGroupBox>(f(), "gbxVento")->isEnabled());
    EXPECT_FALSE(Campo(f(), "edVentoDia")->isEnabled());
    auto* constante = Filho<QAbstractButton>(f(), "cbxConstante");
    EXPECT_TRUE(constante->isChecked());
    EXPECT_FALSE(constante->isEnabled());
}

// The box tells which coefficients the analysis will use: only the curing dialog
// changes that, even when it is then cancelled.
class ConstanteDaAnalise : public CoefConv, public ::testing::WithParamInterface<bool> {};

TEST_P(ConstanteDaAnalise, CaixaMostraOEstado) {
    const bool desmarcaNaCura = GetParam();
    Responde({true});
    Clica(j.frmEntradaDados, "btnCondCont");
    if (desmarcaNaCura) Marca(Filho<QAbstractButton>(j.frmCura, "cbxConstante"));
    Clica(j.frmCura, "btnCancelar");
    AbreSemCura();
    auto* constante = Filho<QAbstractButton>(f(), "cbxConstante");
    EXPECT_EQ(constante->isChecked(), d.CoefConvConstante);
    EXPECT_EQ(constante->isChecked(), !desmarcaNaCura);
    EXPECT_FALSE(constante->isEnabled());
}
INSTANTIATE_TEST_SUITE_P(Cura, ConstanteDaAnalise, ::testing::Bool());

TEST_F(CoefConv, CampoInvalidoParaNoCampoEGuardaOsAnteriores) {
    f()->Abre();
    Digita(f(), "edBetaA", "2");
    Digita(f(), "edBetaB", "1.5");
    Clica(f(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], "'1.5' não é um valor de ponto flutuante válido");
    EXPECT_EQ(d.BetaInf, 7200.0);
    EXPECT_EQ(d.BetaSup, 0.0);
    EXPECT_EQ(d.Superficie[1].HDia, 0.0);
    EXPECT_TRUE(f()->isVisible());
    EXPECT_FALSE(j.frmCondCont->isVisible());
}

TEST_F(CoefConv, AbrirProjetoMostraOsCoeficientesGuardadosNaProximaAbertura) {
    d.UnidadesUsuais = true;
    d.BetaSup = 12.5 * 1000.0 / 86400.0;
    d.BetaInf = 0.0;
    f()->MostraEstado();
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edBetaB"), "12,5");
    // Every opening shows what is stored; a problem without the coefficients, the defaults.
    f()->close();
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edBetaB"), "12,5");
    d.BetaSup = 0.0;
    f()->close();
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edBetaB"), "300");
}

}  // namespace
