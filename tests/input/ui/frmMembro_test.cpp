#include "input/ui/frmMembro.h"

#include <QCheckBox>

#include "DialogosCamadasTeste.h"

namespace {

class Membro : public DialogosCamadas {
protected:
    TfrmMembro* f() { return j.frmMembro; }
    // Types the thickness, presses "Inserir" and answers the questions asked.
    void InsereCamada(const char* espessura, bool corretos, bool maisUma) {
        Digita(f(), "edH", QString::fromUtf8(espessura));
        if (corretos) Responde({corretos, maisUma});
        else Responde({corretos});
        Clica(f(), "btnInserir");
    }
};

TEST_F(Membro, TresCamadasEmpilhamAsCoordenadasIniciais) {
    f()->Abre();
    InsereCamada("1,5", true, true);
    EXPECT_EQ(Texto(f(), "edMembro"), "2");
    EXPECT_EQ(Texto(f(), "edXini"), "1,5");
    EXPECT_EQ(Texto(f(), "edH"), "");
    InsereCamada("2", true, true);
    EXPECT_EQ(Texto(f(), "edXini"), "3,5");
    InsereCamada("0,5", true, false);

    EXPECT_EQ(d.NCamadas, 3);
    EXPECT_EQ(d.NCamadasMembro, 3);
    const double xIni[] = {0.0, 1.5, 3.5}, h[] = {1.5, 2.0, 0.5};
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(d.Camadas[n].XIni, xIni[n - 1]) << n;
        EXPECT_EQ(d.Camadas[n].Espessura, h[n - 1]) << n;
        // Each layer starts with the properties of the one below: the SI defaults.
        EXPECT_EQ(d.Camadas[n].K, 2.0);
        EXPECT_EQ(d.Camadas[n].Ro, 2348.0);
        EXPECT_EQ(d.Camadas[n].CalorEsp, 837.0);
        EXPECT_DOUBLE_EQ(d.Camadas[n].Alfa, 0.00001);
    }
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(Texto(f(), "edMembro"), "1");
    EXPECT_EQ(Texto(f(), "edXini"), "0");
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
}

TEST_F(Membro, UnidadesUsuaisMudamRotulosPadroesEConversao) {
    d.UnidadesUsuais = true;
    f()->Abre();
    EXPECT_EQ(Filho<QLabel>(f(), "lbUnidadeK")->text(), "[kCal/m.d.C]");
    EXPECT_EQ(Filho<QLabel>(f(), "lbUnidadeCalorEsp")->text(), "[Cal/g.C]");
    EXPECT_EQ(Texto(f(), "edK"), "43,20");
    EXPECT_EQ(Texto(f(), "edCalorEsp"), "0,20");
    InsereCamada("1", true, false);
    EXPECT_DOUBLE_EQ(d.Camadas[1].K, 1800.0);
    EXPECT_EQ(d.Camadas[1].CalorEsp, 0.2);

    // Back in SI, a new member's first opening shows the SI labels and defaults again.
    d.UnidadesUsuais = false;
    d.NCamadas = 0;
    f()->Abre();
    EXPECT_EQ(Filho<QLabel>(f(), "lbUnidadeK")->text(), "[W/m.C]");
    EXPECT_EQ(Texto(f(), "edK"), "2");
    EXPECT_EQ(Texto(f(), "edCalorEsp"), "837");
}

TEST_F(Membro, NaoACamadaCorretaPermiteCorrigirSemAvancar) {
    f()->Abre();
    InsereCamada("1", false, true);
    EXPECT_EQ(msg.confirmacoes, QStringList{"Os dados desta camada estão corretos?"});
    EXPECT_EQ(Texto(f(), "edMembro"), "1");
    InsereCamada("3", true, false);
    EXPECT_EQ(d.NCamadas, 1);
    EXPECT_EQ(d.NCamadasMembro, 1);
    EXPECT_EQ(d.Camadas[1].Espessura, 3.0);
}

TEST_F(Membro, EspessuraVaziaAvisaEDesabilitaAFundacao) {
    f()->Abre();
    auto* fundacao = Filho<QCheckBox>(f(), "ckbFundacao");
    EXPECT_TRUE(fundacao->isEnabled());
    Digita(f(), "edH", "");
    Clica(f(), "btnInserir");
    EXPECT_EQ(msg.erros, QStringList{"Não existe camada sem espessura. Inserir a camada novamente."});
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
    EXPECT_EQ(Texto(f(), "edMembro"), "1");
    // A layer without thickness is no part of the member: nothing is stored.
    EXPECT_EQ(d.NCamadas, 0);
    EXPECT_FALSE(fundacao->isChecked());
    EXPECT_FALSE(fundacao->isEnabled());
}

TEST_F(Membro, FundacaoSoNaPrimeiraInsercao) {
    f()->Abre();
    auto* fundacao = Filho<QCheckBox>(f(), "ckbFundacao");
    Marca(fundacao);
    InsereCamada("1", true, true);
    EXPECT_TRUE(d.Fundacao);
    EXPECT_FALSE(fundacao->isEnabled());
    // "Sair" and "Nova Análise" are what enable it again.
    Clica(f(), "Button1");
    EXPECT_TRUE(fundacao->isEnabled());
    EXPECT_FALSE(f()->isVisible());
    fundacao->setEnabled(false);
    f()->HabilitaFundacao();
    EXPECT_TRUE(fundacao->isEnabled());
}

TEST_F(Membro, CampoInvalidoParaNaqueleCampo) {
    f()->Abre();
    Digita(f(), "edRo", "2.400");
    Digita(f(), "edK", "2,5");
    Digita(f(), "edH", "1");
    Clica(f(), "btnInserir");
    EXPECT_EQ(msg.erros, QStringList{"'2.400' não é um valor de ponto flutuante válido"});
    // Every field is converted before any is stored: the layer is not written at all.
    EXPECT_EQ(d.NCamadas, 0);
    EXPECT_EQ(d.Camadas[1].K, 0.0);
    EXPECT_EQ(d.Camadas[1].Espessura, 0.0);
    EXPECT_EQ(Texto(f(), "edMembro"), "1");
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
}

TEST_F(Membro, A300aCamadaEncerraOMembro) {
    f()->Abre();
    Digita(f(), "edMembro", "299");
    InsereCamada("0,1", true, true);
    EXPECT_EQ(Texto(f(), "edMembro"), "300");
    msg.limpa();
    InsereCamada("0,1", true, true);
    EXPECT_EQ(msg.confirmacoes, QStringList{"Os dados desta camada estão corretos?"});
    ASSERT_EQ(msg.informacoes.size(), 1);
    EXPECT_TRUE(msg.informacoes[0].contains("300"));
    EXPECT_EQ(d.NCamadas, 300);
    EXPECT_EQ(d.NCamadasMembro, 300);
    EXPECT_EQ(d.Camadas[300].Espessura, 0.1);
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(Texto(f(), "edMembro"), "1");
}

TEST_F(Membro, MostraEstadoNasUnidadesAtuais) {
    d.NCamadas = 2;
    d.Camadas[1] = TCamada{1800.0, 1.25, 0.0, 2400.0, 0.22, 0.000012, 0, 0.0};
    d.Fundacao = true;
    d.UnidadesUsuais = true;
    f()->MostraEstado();
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edMembro"), "1");
    EXPECT_EQ(Texto(f(), "edH"), "1,25");
    EXPECT_EQ(Texto(f(), "edK"), "43,2");
    EXPECT_EQ(Texto(f(), "edRo"), "2400");
    EXPECT_EQ(Texto(f(), "edCalorEsp"), "0,22");
    EXPECT_EQ(Texto(f(), "edAlfa"), "12");
    EXPECT_TRUE(Filho<QCheckBox>(f(), "ckbFundacao")->isChecked());
}

TEST_F(Membro, FormaDeslizanteDesabilitada) {
    f()->Abre();
    EXPECT_FALSE(Filho<QCheckBox>(f(), "chkFormaDeslizante")->isEnabled());
    EXPECT_FALSE(Campo(f(), "edEspessuraForma")->isEnabled());
    EXPECT_EQ(Texto(f(), "edEspessuraForma"), "0,35");
    EXPECT_EQ(Texto(f(), "edVelocidadeForma"), "5");
    EXPECT_FALSE(Campo(f(), "edMembro")->isEnabled());
    EXPECT_EQ(f()->windowTitle(), "Inserir Camada");
}

}  // namespace

namespace {

// Choosing the aggregate fills the specific heat (in the units shown) and the dilation,
// the layer keeps the choice, the next layer starts with it, and "Outro" stores none.
struct CasoAgregadoJanela {
    bool usuais;
    const char* agregado;
    const char* calor;
    const char* dilatacao;
    bool guardado;
};
class AgregadoDaCamada : public DialogosCamadas, public ::testing::WithParamInterface<CasoAgregadoJanela> {};

TEST_P(AgregadoDaCamada, PreencheEGuarda) {
    const CasoAgregadoJanela& c = GetParam();
    d.UnidadesUsuais = c.usuais;
    TfrmMembro* f = j.frmMembro;
    f->Abre();
    const QString calorAntes = f->edCalorEsp->text();
    const int i = f->cbAgregado->findText(QString::fromUtf8(c.agregado));
    ASSERT_GE(i, 0);
    f->cbAgregado->setCurrentIndex(i);
    emit f->cbAgregado->activated(i);
    EXPECT_EQ(Texto(f, "edCalorEsp"), c.guardado ? QString::fromUtf8(c.calor) : calorAntes);
    if (c.guardado) {
        EXPECT_EQ(f->edAlfa->text(), QString::fromUtf8(c.dilatacao));
    }
    Digita(f, "edH", QStringLiteral("1"));
    Responde({true, true});
    Clica(f, "btnInserir");
    EXPECT_EQ(d.Agregados.count(1), c.guardado ? 1u : 0u);
    if (c.guardado) {
        EXPECT_EQ(f->cbAgregado->currentText(), QString::fromUtf8(c.agregado));  // layer 2 starts from layer 1
        EXPECT_DOUBLE_EQ(d.Camadas[1].Alfa, QString::fromUtf8(c.dilatacao).replace(',', '.').toDouble() * 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, AgregadoDaCamada,
                         ::testing::Values(CasoAgregadoJanela{false, "Quartzito", "962,78", "11,88", true},
                                           CasoAgregadoJanela{true, "Basalto", "0,23", "8,64", true},
                                           CasoAgregadoJanela{false, "Calcário", "962,78", "6,84", true},
                                           CasoAgregadoJanela{false, "Outro", "", "10,0", false}));

}  // namespace
