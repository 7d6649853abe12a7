// "Dosagem..." from the maturity dialog: the mix of a layer gives its heat parameters,
// written through the history, kept with the layer, and the user's cements go to the
// library beside the projects.
#include "mistura/ui/frmDosagem.h"

#include <QComboBox>

#include "PastaTemporaria.h"
#include "core/ui/CamposNumericos.h"
#include "input/ui/DialogosCamadasTeste.h"
#include "input/ui/frmMaturidade.h"
#include "mistura/Cimentos.h"
#include "mistura/Hidratacao.h"

namespace {

class Dosagem : public DialogosCamadas {
protected:
    PastaTemporaria pasta;
    TfrmDosagem* f() { return j.frmDosagem; }
    void SetUp() override {
        d.NCamadas = 2;
        f()->pastaBiblioteca = QString::fromStdString(pasta.Caminho().string());
    }
    void AbrePelaMaturidade(int camada) {
        j.frmMaturidade->Abre(camada);
        Clica(j.frmMaturidade, "btnDosagem");
        ASSERT_TRUE(f()->isVisible());
    }
    void Escolhe(const QString& nome) {
        auto* cb = Filho<QComboBox>(f(), "cbCimento");
        const int i = cb->findData(nome);
        ASSERT_GE(i, 0) << nome.toStdString();
        cb->setCurrentIndex(i);
        emit cb->activated(i);
    }
};

struct CasoCamada {
    const char* cimento;
    const char* escoria;
    const char* aguaAglomerante;
    bool tabela;  // the calorimeter table instead of the curve
};
class DosagemDaCamada : public Dosagem, public ::testing::WithParamInterface<CasoCamada> {};

TEST_P(DosagemDaCamada, EscreveOCalorDaCamadaPeloHistorico) {
    const CasoCamada& c = GetParam();
    d.CalorDiscreto = c.tabela;
    const TCalorInterno antes = d.CalorCamadas[2];
    AbrePelaMaturidade(2);
    EXPECT_EQ(Texto(f(), "lbCamada"), "Camada Número -> 2");
    Escolhe(c.cimento);
    EXPECT_NE(Texto(f(), "lbFonte").indexOf("típicos"), -1);
    Digita(f(), "edEscoria", c.escoria);
    Digita(f(), "edAguaAglomerante", c.aguaAglomerante);
    Digita(f(), "edAglomerante", "380");
    Clica(f(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_FALSE(f()->isVisible());

    ASSERT_EQ(d.Dosagens.count(2), 1u);
    const TDosagem& dos = d.Dosagens.at(2);
    EXPECT_EQ(dos.Cimento, Cimentos::Tipico(c.cimento)->Cimento);
    EXPECT_EQ(dos.Aglomerante, 380.0);
    const Hidratacao::TParametros p = Hidratacao::Calcula(dos);
    const TCalorInterno& r = d.CalorCamadas[2];
    EXPECT_TRUE(r.Maturidade);
    EXPECT_EQ(r.EnergiaAtivacao, p.Ea);
    EXPECT_EQ(r.Tau, c.tabela ? antes.Tau : p.Tau);
    EXPECT_EQ(r.C, c.tabela ? antes.C : 380.0);
    EXPECT_EQ(d.CalorCamadas[1].Maturidade, false);  // only the layer shown
    // The maturity dialog shows the layer as it now is.
    EXPECT_EQ(Texto(j.frmMaturidade, "edTau"), CamposNumericos::Geral(r.Tau));

    EXPECT_EQ(app.historico().Pilha().undoText(), "Dosagem, camada 2");
    app.historico().Pilha().undo();
    EXPECT_TRUE(d.Dosagens.empty());
    EXPECT_EQ(d.CalorCamadas[2].Tau, antes.Tau);
    EXPECT_EQ(d.CalorCamadas[2].Maturidade, antes.Maturidade);
}

INSTANTIATE_TEST_SUITE_P(Tabela, DosagemDaCamada,
                         ::testing::Values(CasoCamada{"CP III", "0", "0,45", false},
                                           CasoCamada{"CP V-ARI", "30", "0,5", false},
                                           CasoCamada{"CP IV RS", "0", "0,55", true}));

// Reopened, the layer's own mix is shown; outside the calibration the dialog warns and
// still writes; a field that does not convert writes nothing.
TEST_F(Dosagem, ReabreAvisaERecusa) {
    AbrePelaMaturidade(1);
    Escolhe("CP II-Z");
    Digita(f(), "edAguaAglomerante", "0,35");
    Clica(f(), "btnCalcular");
    EXPECT_NE(Texto(f(), "lbAvisos").indexOf("relação água/aglomerante = 0,35"), -1);
    EXPECT_NE(Texto(f(), "lbResultado").indexOf("αu = "), -1);
    Clica(f(), "btnOk");
    ASSERT_EQ(d.Dosagens.count(1), 1u);
    EXPECT_EQ(d.Dosagens.at(1).AguaAglomerante, 0.35);

    AbrePelaMaturidade(1);
    EXPECT_EQ(Texto(f(), "edAguaAglomerante"), "0,35");
    EXPECT_EQ(Filho<QComboBox>(f(), "cbCimento")->currentData().toString(), "CP II-Z");
    Digita(f(), "edSilica", "abc");
    const TDadosModelo copia = d;
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(f()->isVisible());
    EXPECT_EQ(d.Dosagens, copia.Dosagens);
    Digita(f(), "edSilica", "120");
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros.size(), 2);
    EXPECT_EQ(d.Dosagens, copia.Dosagens);

    // A layer past the member is not written.
    f()->hide();
    f()->Abre(3, nullptr, {});
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros.size(), 3);
    EXPECT_NE(msg.erros.back().indexOf("camada 3"), -1);
    EXPECT_EQ(d.Dosagens, copia.Dosagens);
}

// A cement of the user's is saved beside the projects and offered the next time.
TEST_F(Dosagem, CimentoDoUsuarioVaiParaABiblioteca) {
    AbrePelaMaturidade(1);
    Escolhe("CP III");
    Digita(f(), "edNomeCimento", "Fábrica X, lote 7");
    Digita(f(), "edC3A", "5,5");
    Clica(f(), "btnSalvarCimento");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    const auto lidos = Cimentos::LeBiblioteca(pasta / Cimentos::NomeBiblioteca);
    ASSERT_EQ(lidos.size(), 1u);
    EXPECT_EQ(lidos[0].C3A, 5.5);
    EXPECT_EQ(lidos[0].Escoria, Cimentos::Tipico("CP III")->Cimento.Escoria);

    f()->hide();
    AbrePelaMaturidade(2);
    Escolhe("Fábrica X, lote 7");
    EXPECT_EQ(Texto(f(), "edC3A"), "5,5");
    // The name of a preset is not the user's to take.
    Digita(f(), "edNomeCimento", "CP IV");
    Clica(f(), "btnSalvarCimento");
    EXPECT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(Cimentos::LeBiblioteca(pasta / Cimentos::NomeBiblioteca).size(), 1u);
}

}  // namespace
