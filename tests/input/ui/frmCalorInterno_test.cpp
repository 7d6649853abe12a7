#include "input/ui/frmCalorInterno.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "DialogosCamadasTeste.h"
#include "input/ui/frmCalorIntDiscr.h"
#include "input/ui/frmEscolhaCalor.h"

namespace {

class CalorInterno : public DialogosCamadas {
protected:
    TfrmCalorInterno* f() { return j.frmCalorInterno; }
    // "Calor Interno" → "Curva de Calmon" → "Ok", as from the main window.
    void AbrePelaEscolha() {
        j.frmEscolhaCalor->Abre();
        QTest::mouseClick(Filho<QRadioButton>(j.frmEscolhaCalor, "rbCurvaHidrat"), Qt::LeftButton);
        Clica(j.frmEscolhaCalor, "btnOk");
    }
};

TEST_F(CalorInterno, EscolhaAgeNaHoraEAbreODialogoCerto) {
    j.frmEscolhaCalor->Abre();
    QTest::mouseClick(Filho<QRadioButton>(j.frmEscolhaCalor, "rbCalorDiscr"), Qt::LeftButton);
    EXPECT_TRUE(d.CalorDiscreto);
    Clica(j.frmEscolhaCalor, "btnOk");
    EXPECT_FALSE(j.frmEscolhaCalor->isVisible());
    EXPECT_TRUE(j.frmCalorIntDiscr->isVisible());
    EXPECT_FALSE(f()->isVisible());
    auto* grade = Filho<QTableWidget>(j.frmCalorIntDiscr, "sgdVertices");
    EXPECT_EQ(grade->item(0, 0)->text(), "Tempo [Dia]");
    EXPECT_EQ(grade->item(0, 1)->text(), "Temper.[C]");

    d.UnidadesUsuais = true;
    AbrePelaEscolha();
    EXPECT_FALSE(d.CalorDiscreto);
    EXPECT_TRUE(f()->isVisible());
    EXPECT_EQ(Filho<QLabel>(f(), "lbCalorInt")->text(), "f[cal/d.m^3]");
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
}

TEST_F(CalorInterno, DuasCamadasComOsPadroes) {
    d.NCamadas = 2;
    AbrePelaEscolha();
    Clica(f(), "btnOk");
    EXPECT_EQ(Texto(f(), "lbNCamada"), "2");
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.confirmacoes, QStringList{"Dados Inseridos. Eles estão corretos?"});
    for (int n = 1; n <= 2; ++n) {
        const TCalorInterno& c = d.CalorCamadas[n];
        EXPECT_EQ(c.C, 300.0);
        EXPECT_EQ(c.E, 80.0);
        EXPECT_EQ(c.Tr, 0.0);
        EXPECT_EQ(c.N, 0.45);
        EXPECT_EQ(c.B, 7.0);
        EXPECT_FALSE(c.Constante);
        EXPECT_EQ(c.F, 0.0);
    }
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
}

TEST_F(CalorInterno, NaoNoFimRecomecaNaCamada1) {
    d.NCamadas = 1;
    AbrePelaEscolha();
    Responde({false});
    Clica(f(), "btnOk");
    EXPECT_TRUE(f()->isVisible());
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
}

TEST_F(CalorInterno, TaxaConstanteGuardaFEPreservaACurva) {
    d.NCamadas = 2;
    d.CalorCamadas[2].C = 410;
    AbrePelaEscolha();
    auto* constante = Filho<QCheckBox>(f(), "chkCalorIntConst");
    Marca(constante);
    EXPECT_TRUE(d.CalorCamadas[1].Constante) << "a caixa grava na hora";
    EXPECT_FALSE(Campo(f(), "edC")->isEnabled());
    EXPECT_TRUE(Campo(f(), "edCalorInt")->isEnabled());
    Digita(f(), "edCalorInt", "1500");
    Clica(f(), "btnOk");
    // Layer 2 shows its own stored curve; the rate is given to it as to layer 1.
    EXPECT_EQ(Texto(f(), "edC"), "410");
    EXPECT_FALSE(constante->isChecked());
    Marca(constante);
    Digita(f(), "edCalorInt", "1500");
    Clica(f(), "btnOk");
    for (int n = 1; n <= 2; ++n) {
        EXPECT_TRUE(d.CalorCamadas[n].Constante);
        EXPECT_EQ(d.CalorCamadas[n].F, 1500.0);
    }
    EXPECT_EQ(d.CalorCamadas[1].C, 0.0);
    EXPECT_EQ(d.CalorCamadas[2].C, 410.0);
}

TEST_F(CalorInterno, TaxaConstanteEmUnidadesUsuais) {
    d.NCamadas = 1;
    d.UnidadesUsuais = true;
    AbrePelaEscolha();
    Marca(Filho<QCheckBox>(f(), "chkCalorIntConst"));
    Digita(f(), "edCalorInt", "1000");
    Clica(f(), "btnOk");
    EXPECT_DOUBLE_EQ(d.CalorCamadas[1].F, 9.9537);
}

TEST_F(CalorInterno, ApagarEntaoOkParaNoPrimeiroCampoVazio) {
    d.NCamadas = 2;
    AbrePelaEscolha();
    Clica(f(), "btnApagar");
    for (const char* campo : {"edC", "edE", "edTr", "edn", "edb"}) EXPECT_EQ(Texto(f(), campo), "") << campo;
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros, QStringList{"'' não é um valor de ponto flutuante válido"});
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
    EXPECT_EQ(d.CalorCamadas[1].C, 0.0);
    EXPECT_TRUE(f()->isVisible());
}

TEST_F(CalorInterno, MostraEstadoDaCamada1) {
    d.UnidadesUsuais = true;
    d.CalorCamadas[1].Constante = true;
    d.CalorCamadas[1].F = 9.9537;
    d.CalorCamadas[1].C = 350;
    f()->MostraEstado();
    AbrePelaEscolha();
    EXPECT_EQ(Texto(f(), "edCalorInt"), "1000");
    EXPECT_EQ(Texto(f(), "edC"), "350");
    EXPECT_TRUE(Filho<QCheckBox>(f(), "chkCalorIntConst")->isChecked());
    EXPECT_FALSE(Filho<QGroupBox>(f(), "gbxVariavel")->isEnabled());
}

// A member whose layers were given a constant rate (or a calorimeter table) never
// had a curve: the curve's fields keep their defaults instead of zeros.
TEST_F(CalorInterno, MostraEstadoSemCurvaDeixaOsPadroes) {
    for (const char* campo : {"edC", "edE", "edn", "edb"}) Digita(f(), campo, "1");
    d.CalorCamadas[1].Constante = true;
    d.CalorCamadas[1].F = 1500;
    f()->MostraEstado();
    AbrePelaEscolha();
    const QStringList vistos{Texto(f(), "edC"), Texto(f(), "edE"), Texto(f(), "edTr"), Texto(f(), "edn"),
                             Texto(f(), "edb"), Texto(f(), "edCalorInt")};
    EXPECT_EQ(vistos, (QStringList{"300", "80", "0", "0,45", "7", "1500"}));
}

}  // namespace
