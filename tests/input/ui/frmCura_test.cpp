#include "input/ui/frmCura.h"

#include <QCheckBox>
#include <QGroupBox>

#include "DialogosCamadasTeste.h"
#include "input/ui/frmCondCont.h"
#include "app/ui/frmEntradaDados.h"

namespace {

class Cura : public DialogosCamadas {
protected:
    TfrmCura* f() { return j.frmCura; }
};

struct CasoUnidades {
    const char* nome;
    bool usuais;
    const char* betaS;
    const char* betaSC;
    double BetaS, BetaSC, HDia, HNoite;
};

class CuraPadroes : public Cura, public ::testing::WithParamInterface<CasoUnidades> {};

TEST_P(CuraPadroes, UmaCamadaComOsPadroes) {
    const CasoUnidades& c = GetParam();
    d.UnidadesUsuais = c.usuais;
    d.NCamadas = 1;
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edBetaS"), c.betaS);
    EXPECT_EQ(Texto(f(), "edBetaSC"), c.betaSC);
    EXPECT_EQ(Filho<QGroupBox>(f(), "gbxAmbiente")->title(),
              c.usuais ? "Coef. de Convecção [kCal/m^2.d.C] Ambiente sob as Camadas"
                       : "Coef. de Convecção [W/m^2.C] Ambiente sob as Camadas");
    EXPECT_EQ(Filho<QGroupBox>(f(), "gbxCura")->title(),
              c.usuais ? "Coef. de Convecção [kCal/m^2.d.C] sob a Influência da Cura do Concerto"
                       : "Coef. de Convecção [W/m^2.C] sob a Influência da Cura do Concerto");
    Clica(f(), "btnOk");
    const TTrocaCalor& s = d.Superficie[1];
    EXPECT_DOUBLE_EQ(s.BetaS, c.BetaS);
    EXPECT_EQ(s.BetaI, 0.0);
    EXPECT_EQ(s.DiasCura, 1.0);
    EXPECT_EQ(s.HoraIniCura, 8.0);
    EXPECT_EQ(s.HoraFimCura, 17.0);
    EXPECT_DOUBLE_EQ(s.BetaSC, c.BetaSC);
    EXPECT_DOUBLE_EQ(s.HDia, c.HDia);
    EXPECT_DOUBLE_EQ(s.HNoite, c.HNoite);
    EXPECT_EQ(s.HoraIniDia, 6.0);
    EXPECT_EQ(s.HoraIniNoite, 18.0);
    EXPECT_EQ(msg.confirmacoes, QStringList{"Dados Inseridos. Eles estão corretos?"});
    EXPECT_FALSE(f()->isVisible());
    EXPECT_TRUE(j.frmCondCont->isVisible()) << "Sim abre as condições de contorno";
}

INSTANTIATE_TEST_SUITE_P(
    Unidades, CuraPadroes,
    ::testing::Values(CasoUnidades{"SI", false, "15", "100", 54000, 360000, 77760, 92160},
                      CasoUnidades{"Usuais", true, "12", "300", 500, 12500, 77760 * 1000.0 / 86400,
                                   92160 * 1000.0 / 86400}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Cura, TresCamadasENaoFechaSemCondicoesDeContorno) {
    d.NCamadas = 3;
    f()->Abre();
    Clica(f(), "btnOk");
    EXPECT_EQ(Texto(f(), "lbCamada"), "2");
    Digita(f(), "edDiasCura", "3");
    Clica(f(), "btnOk");
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
    Responde({false});
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.confirmacoes.size(), 1);
    EXPECT_EQ(Texto(f(), "lbCamada"), "3");
    EXPECT_EQ(d.Superficie[1].DiasCura, 1.0);
    EXPECT_EQ(d.Superficie[2].DiasCura, 3.0);
    EXPECT_EQ(d.Superficie[3].DiasCura, 3.0);
    EXPECT_FALSE(f()->isVisible());
    EXPECT_FALSE(j.frmCondCont->isVisible());
    f()->Abre();
    EXPECT_EQ(Texto(f(), "lbCamada"), "1");
}

TEST_F(Cura, ConstanteAgeNaHoraMesmoCancelando) {
    d.NCamadas = 1;
    f()->Abre();
    auto* constante = Filho<QCheckBox>(f(), "cbxConstante");
    auto* vento = Filho<QGroupBox>(f(), "gbxVento");
    EXPECT_TRUE(constante->isChecked());
    EXPECT_FALSE(vento->isEnabled());
    Marca(constante);
    EXPECT_FALSE(d.CoefConvConstante);
    EXPECT_TRUE(vento->isEnabled());
    EXPECT_FALSE(Campo(f(), "edVentoDia")->isEnabled());
    EXPECT_FALSE(Campo(f(), "edBetaS")->isEnabled());
    Clica(f(), "btnCancelar");
    EXPECT_FALSE(d.CoefConvConstante);
    EXPECT_EQ(d.Superficie[1].BetaS, 0.0);
}

TEST_F(Cura, GrupoAmbienteSoNaPrimeiraCamada) {
    d.NCamadas = 2;
    f()->Abre();
    auto* ambiente = Filho<QGroupBox>(f(), "gbxAmbiente");
    QTest::mouseClick(ambiente, Qt::LeftButton, {}, QPoint(2, ambiente->height() - 2));
    EXPECT_TRUE(msg.erros.isEmpty());
    Clica(f(), "btnOk");
    QTest::mouseClick(ambiente, Qt::LeftButton, {}, QPoint(2, ambiente->height() - 2));
    EXPECT_EQ(msg.erros, QStringList{"Para modificar os valores referentes a esta caixa deve-se clicar no "
                                     "botão \"Cancelar\"."});
    EXPECT_FALSE(ambiente->isEnabled());
    Clica(f(), "btnCancelar");
    EXPECT_TRUE(ambiente->isEnabled());
}

// A new pass from the main window starts at layer 1, where the ambient values may
// change, however the pass before it ended.
class NovaPassagem : public Cura, public ::testing::WithParamInterface<bool> {};

TEST_P(NovaPassagem, GrupoAmbienteHabilitadoNaCamada1) {
    d.NCamadas = 2;
    Responde({true});
    Clica(j.frmEntradaDados, "btnCondCont");
    auto* ambiente = Filho<QGroupBox>(f(), "gbxAmbiente");
    Clica(f(), "btnOk");
    QTest::mouseClick(ambiente, Qt::LeftButton, {}, QPoint(2, ambiente->height() - 2));
    ASSERT_FALSE(ambiente->isEnabled());
    Responde({GetParam()});
    Clica(f(), "btnOk");
    ASSERT_FALSE(f()->isVisible());
    j.frmCondCont->hide();
    Responde({true});
    Clica(j.frmEntradaDados, "btnCondCont");
    EXPECT_EQ(Texto(f(), "lbCamada"), "1");
    EXPECT_TRUE(ambiente->isEnabled());
    Digita(f(), "edBetaS", "20");
    Responde({true});
    Clica(f(), "btnOk");
    Clica(f(), "btnOk");
    EXPECT_EQ(d.Superficie[1].BetaS, 72000.0);
}
INSTANTIATE_TEST_SUITE_P(FimDaPassagem, NovaPassagem, ::testing::Bool());

TEST_F(Cura, CampoInvalidoNaoAvancaACamada) {
    d.NCamadas = 2;
    f()->Abre();
    Digita(f(), "edDiasCura", "um");
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros, QStringList{"'um' não é um valor de ponto flutuante válido"});
    EXPECT_EQ(d.Superficie[1].BetaI, 0.0);
    EXPECT_EQ(d.Superficie[1].BetaS, 54000.0) << "os campos anteriores ficam gravados";
    EXPECT_EQ(d.Superficie[1].DiasCura, 0.0);
    EXPECT_EQ(Texto(f(), "lbCamada"), "1");
}

TEST_F(Cura, MostraEstadoInverteOsFatores) {
    d.UnidadesUsuais = true;
    d.Superficie[1].BetaS = 500;
    d.Superficie[1].BetaSC = 12500;
    d.Superficie[1].DiasCura = 2;
    d.CoefConvConstante = false;
    f()->MostraEstado();
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edBetaS"), "12");
    EXPECT_EQ(Texto(f(), "edBetaSC"), "300");
    EXPECT_EQ(Texto(f(), "edDiasCura"), "2");
    EXPECT_FALSE(Filho<QCheckBox>(f(), "cbxConstante")->isChecked());
    EXPECT_TRUE(Filho<QGroupBox>(f(), "gbxVento")->isEnabled());
}

}  // namespace
