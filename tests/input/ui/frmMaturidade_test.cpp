#include "input/ui/frmMaturidade.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QTableWidget>

#include "DialogosCamadasTeste.h"
#include "input/ui/frmCalorIntDiscr.h"
#include "input/ui/frmCalorInterno.h"

namespace {

class Maturidade : public DialogosCamadas {
protected:
    TfrmMaturidade* f() { return j.frmMaturidade; }
    void SetUp() override {
        d.NCamadas = 2;
        for (int n = 1; n <= 2; ++n) {
            d.Camadas[n].Ro = 2400;
            d.Camadas[n].CalorEsp = 1000;
        }
    }
};

struct CasoUnidades {
    const char* nome;
    bool usuais;
    const char* rotuloEa;
    const char* eaDigitada;
    double eaGuardada;  // J/mol
};
class MaturidadeUnidades : public Maturidade, public ::testing::WithParamInterface<CasoUnidades> {};

// From the curve dialog, two layers as a user enters them: the fields carry over from
// one layer to the next, Ea is stored in J/mol whichever system it was typed in.
TEST_P(MaturidadeUnidades, DuasCamadasPeloDialogoDaCurva) {
    const CasoUnidades& caso = GetParam();
    d.UnidadesUsuais = caso.usuais;
    j.frmCalorInterno->Prepara();
    j.frmCalorInterno->Abre();
    Clica(j.frmCalorInterno, "btnMaturidade");
    ASSERT_TRUE(f()->isVisible());
    EXPECT_EQ(Texto(f(), "lbEnergiaAtivacao"), caso.rotuloEa);
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
    // The start-up record shows the defaults of a Portland cement.
    EXPECT_EQ(Texto(f(), "edTau"), "20");
    EXPECT_EQ(Texto(f(), "edTRef"), "21,1");
    auto* marca = Filho<QCheckBox>(f(), "chkMaturidade");
    EXPECT_FALSE(Filho<QGroupBox>(f(), "gbxCurva")->isEnabled());
    Marca(marca);
    EXPECT_TRUE(Filho<QGroupBox>(f(), "gbxCurva")->isEnabled());
    Digita(f(), "edAlfaU", "0,7");
    Digita(f(), "edTau", "17,5");
    Digita(f(), "edBetaHid", "1,05");
    Digita(f(), "edEnergiaAtivacao", caso.eaDigitada);
    Digita(f(), "edTRef", "20");
    Clica(f(), "btnOk");
    EXPECT_EQ(Texto(f(), "lbNCamada"), "2");
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.confirmacoes, QStringList{"Dados Inseridos. Eles estão corretos?"});
    EXPECT_FALSE(f()->isVisible());
    for (int n = 1; n <= 2; ++n) {
        const TCalorInterno& c = d.CalorCamadas[n];
        EXPECT_TRUE(c.Maturidade) << n;
        EXPECT_EQ(c.AlfaU, 0.7) << n;
        EXPECT_EQ(c.Tau, 17.5) << n;
        EXPECT_EQ(c.BetaHid, 1.05) << n;
        EXPECT_DOUBLE_EQ(c.EnergiaAtivacao, caso.eaGuardada) << n;
        EXPECT_EQ(c.TRef, 20.0) << n;
    }
    // Reopened, it shows what layer 1 holds in the system it was typed in.
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edEnergiaAtivacao"), caso.eaDigitada);
}
INSTANTIATE_TEST_SUITE_P(Sistemas, MaturidadeUnidades,
                         ::testing::Values(CasoUnidades{"SI", false, "Ea [J/mol]", "42000", 42000.0},
                                           CasoUnidades{"Usuais", true, "Ea [cal/mol]", "10000", 41860.0}),
                         [](const auto& info) { return std::string(info.param.nome); });

// With the calorimeter table the curve is the table: only the Arrhenius factor is
// asked, and the table dialog keeps the sample's first temperature.
TEST_F(Maturidade, PelaTabelaDoCalorimetro) {
    d.CalorDiscreto = true;
    j.frmCalorIntDiscr->Abre();
    auto* grade = Filho<QTableWidget>(j.frmCalorIntDiscr, "sgdVertices");
    grade->setRowCount(3);
    grade->setItem(1, 0, new QTableWidgetItem(QStringLiteral("0")));
    grade->setItem(1, 1, new QTableWidgetItem(QStringLiteral("23,5")));
    grade->setItem(2, 0, new QTableWidgetItem(QStringLiteral("2")));
    grade->setItem(2, 1, new QTableWidgetItem(QStringLiteral("61")));
    Clica(j.frmCalorIntDiscr, "btnOk");
    EXPECT_EQ(d.CalorCamadas[1].TInicialCalorimetro, 23.5);
    EXPECT_EQ(d.CalorCamadas[2].TInicialCalorimetro, TCalorInterno{}.TInicialCalorimetro);

    // The maturity of the layer the table dialog shows: back to layer 1.
    Clica(j.frmCalorIntDiscr, "btnAnterior");
    Clica(j.frmCalorIntDiscr, "btnMaturidade");
    ASSERT_TRUE(f()->isVisible());
    Marca(Filho<QCheckBox>(f(), "chkMaturidade"));
    EXPECT_FALSE(Filho<QGroupBox>(f(), "gbxCurva")->isEnabled());
    EXPECT_TRUE(Filho<QGroupBox>(f(), "gbxArrhenius")->isEnabled());
    Digita(f(), "edTau", "não é lido");
    Digita(f(), "edEnergiaAtivacao", "45000");
    // A field that does not convert stores nothing of the layer, and the counter stays.
    Digita(f(), "edTRef", "vinte");
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros, QStringList{"'vinte' não é um valor de ponto flutuante válido"});
    EXPECT_FALSE(d.CalorCamadas[1].Maturidade);
    EXPECT_EQ(d.CalorCamadas[1].EnergiaAtivacao, 40000.0);
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
    msg.limpa();
    Digita(f(), "edTRef", "21,1");
    Clica(f(), "btnOk");
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    EXPECT_TRUE(d.CalorCamadas[1].Maturidade);
    EXPECT_EQ(d.CalorCamadas[1].EnergiaAtivacao, 45000.0);
    EXPECT_EQ(d.CalorCamadas[1].Tau, 20.0);
}

}  // namespace
