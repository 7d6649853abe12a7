#include "input/ui/frmUnidades.h"

#include <QRadioButton>

#include "DialogosCamadasTeste.h"
#include "app/ui/frmEntradaDados.h"

namespace {

class Unidades : public DialogosCamadas {
protected:
    TfrmUnidades* f() { return j.frmUnidades; }
};

TEST_F(Unidades, IdaEVoltaMostraAsDuasMensagensENaoConverteNada) {
    d.Camadas[1].K = 2.0;
    d.BetaSup = 54000.0;
    j.frmEntradaDados->Unidade1->trigger();
    ASSERT_TRUE(f()->isVisible());
    EXPECT_TRUE(Filho<QRadioButton>(f(), "rbSI")->isChecked());
    Filho<QRadioButton>(f(), "rbUsuais")->click();
    Clica(f(), "btnOk");
    EXPECT_TRUE(d.UnidadesUsuais);
    EXPECT_FALSE(f()->isVisible());

    j.frmEntradaDados->Unidade1->trigger();
    Filho<QRadioButton>(f(), "rbSI")->click();
    Clica(f(), "btnOk");
    EXPECT_FALSE(d.UnidadesUsuais);
    EXPECT_EQ(msg.informacoes,
              QStringList({"Cond. Térmica: kCal/m.d.c; Calor Esp.: Cal/g.C; Coef. Convecção: kCal/m^2.d.C.",
                           "Cond. Térmica: W/m.C; Calor Esp.: J/kg.C; Coef. Convecção: W/m^2.C."}));
    EXPECT_EQ(d.Camadas[1].K, 2.0);
    EXPECT_EQ(d.BetaSup, 54000.0);
}

TEST_F(Unidades, CancelaNaoMudaNadaEAReaberturaMostraOSistemaEmVigor) {
    f()->show();
    Filho<QRadioButton>(f(), "rbUsuais")->click();
    Clica(f(), "btnCancel");
    EXPECT_FALSE(d.UnidadesUsuais);
    EXPECT_TRUE(msg.informacoes.isEmpty());
    EXPECT_TRUE(Filho<QRadioButton>(f(), "rbSI")->isChecked());
}

}  // namespace
