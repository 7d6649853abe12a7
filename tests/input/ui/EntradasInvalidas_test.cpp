// Bad text typed into each kind of input field, through the real dialogs: the
// confirming button shows the message and the analysis state stays as it was.
#include <QLabel>

#include "DialogosCamadasTeste.h"
#include "core/Projeto.h"
#include "input/ui/frmCondInic.h"
#include "stress/ui/frmCEB.h"

namespace {

struct Entrada {
    const char* nome;      // row name of the table of bad inputs
    const char* texto;     // what the user types
    const char* mensagem;  // the error box; empty: the value is accepted
};

std::string NomeDaLinha(const ::testing::TestParamInfo<Entrada>& info) { return info.param.nome; }

class EntradasInvalidas : public DialogosCamadas, public ::testing::WithParamInterface<Entrada> {
protected:
    void SetUp() override {
        // A state the project writer accepts, so its text is the state's fingerprint.
        d.NCamadas = 1;
        d.NElemCamada = 1;
        d.PassoTempo = 1;
        d.TempoTotal = 96;
        d.Camadas[1].HoraConcretagem = 6;
        d.Camadas[1].TInicial = 20;
        d.Fcm = 30;
        d.ModuloRef = 25000;
        d.AreaCEB = 1.0e6;
        d.PerimetroCEB = 4000;
        d.UmidadeRel = 50;
        antes = Projeto::Texto(d);
    }
    // Initial conditions with every field holding what the state already holds,
    // then `campo` holding the text under test.
    void ConfirmaCondInic(const char* campo, const char* texto) {
        auto* f = j.frmCondInic;
        f->Abre();
        Digita(f, "edT0", "96");
        Digita(f, "edStep", "1");
        Digita(f, "edDinic", "1");
        Digita(f, "edHinic", "6");
        Digita(f, "edTinic", "20");
        Digita(f, campo, QString::fromUtf8(texto));
        Clica(f, "btnOk");
    }
    void ConfirmaCEB(const char* texto) {
        auto* f = j.frmCEB;
        f->Abre(true, QString());
        Digita(f, "edfcm", "30");
        Digita(f, "edE28", "25");
        Digita(f, "edAc", "1");
        Digita(f, "edU", "4");
        Digita(f, "edUmidade", QString::fromUtf8(texto));
        Clica(f, "btnOK");
    }
    void ConfereRecusa() {
        const Entrada& e = GetParam();
        ASSERT_EQ(msg.erros, QStringList{QString::fromUtf8(e.mensagem)}) << e.texto;
        EXPECT_EQ(Projeto::Texto(d), antes);
    }
    std::string antes;
};

// ---- Real: total analysis time (edT0). ----
class CampoReal : public EntradasInvalidas {};
TEST_P(CampoReal, RecusaSemMudarOEstado) {
    ConfirmaCondInic("edT0", GetParam().texto);
    ConfereRecusa();
    EXPECT_TRUE(j.frmCondInic->isVisible());
}
INSTANTIATE_TEST_SUITE_P(
    TempoTotal, CampoReal,
    ::testing::Values(Entrada{"Vazio", "", "Não existe camada sem tempo total de análise."},
                      Entrada{"Branco", " ", "Não existe camada sem tempo total de análise."},
                      // Only a single blank counts as an empty field here.
                      Entrada{"TresBrancos", "   ", "'   ' não é um valor de ponto flutuante válido"},
                      Entrada{"Letras", "abc", "'abc' não é um valor de ponto flutuante válido"},
                      Entrada{"PontoDecimal", "96.5", "'96.5' não é um valor de ponto flutuante válido"},
                      Entrada{"Enorme", "1E400", "'1E400' não é um valor de ponto flutuante válido"},
                      Entrada{"NaN", "NaN", "'NaN' não é um valor de ponto flutuante válido"},
                      Entrada{"Infinito", "INF", "'INF' não é um valor de ponto flutuante válido"},
                      Entrada{"InfinitoPorExtenso", "-Infinity",
                              "'-Infinity' não é um valor de ponto flutuante válido"},
                      Entrada{"Milhar", "1.000,5", "'1.000,5' não é um valor de ponto flutuante válido"}),
    NomeDaLinha);

// ---- Whole number: time step (edStep). ----
class CampoInteiro : public EntradasInvalidas {};
TEST_P(CampoInteiro, RecusaSemMudarOEstado) {
    ConfirmaCondInic("edStep", GetParam().texto);
    ConfereRecusa();
}
INSTANTIATE_TEST_SUITE_P(
    PassoTempo, CampoInteiro,
    ::testing::Values(Entrada{"Vazio", "", "'' não é um valor inteiro válido"},
                      Entrada{"Branco", "  ", "'  ' não é um valor inteiro válido"},
                      Entrada{"Letras", "um", "'um' não é um valor inteiro válido"},
                      Entrada{"Virgula", "1,5", "'1,5' não é um valor inteiro válido"},
                      Entrada{"PontoDecimal", "1.5", "'1.5' não é um valor inteiro válido"},
                      Entrada{"AlemDeInt32", "2147483648", "'2147483648' não é um valor inteiro válido"},
                      Entrada{"NaN", "NaN", "'NaN' não é um valor inteiro válido"},
                      Entrada{"Infinito", "inf", "'inf' não é um valor inteiro válido"}),
    NomeDaLinha);

// ---- Day and hour of placement (edDinic, edHinic). ----
class CampoDia : public EntradasInvalidas {};
TEST_P(CampoDia, RecusaSemMudarOEstado) {
    ConfirmaCondInic("edDinic", GetParam().texto);
    ConfereRecusa();
}
INSTANTIATE_TEST_SUITE_P(
    DiaConcretagem, CampoDia,
    ::testing::Values(Entrada{"Vazio", "", "Entre com um valor para o dia de concretagem desta camada."},
                      Entrada{"Branco", " ", "Entre com um valor para o dia de concretagem desta camada."},
                      Entrada{"Letras", "dois", "'dois' não é um valor inteiro válido"},
                      Entrada{"PontoDecimal", "2.0", "'2.0' não é um valor inteiro válido"},
                      Entrada{"Enorme", "99999999999", "'99999999999' não é um valor inteiro válido"},
                      Entrada{"AlemDoRelogio", "2147483647",
                              "A hora de concretagem do dia 2147483647 às 6 h está fora do alcance."},
                      Entrada{"AquemDoRelogio", "-2147483647",
                              "A hora de concretagem do dia -2147483647 às 6 h está fora do alcance."},
                      Entrada{"NaN", "NaN", "'NaN' não é um valor inteiro válido"}),
    NomeDaLinha);

class CampoHora : public EntradasInvalidas {};
TEST_P(CampoHora, RecusaSemMudarOEstado) {
    ConfirmaCondInic("edHinic", GetParam().texto);
    ConfereRecusa();
}
INSTANTIATE_TEST_SUITE_P(
    HoraConcretagem, CampoHora,
    ::testing::Values(Entrada{"Vazio", "", "Entre com um valor para a hora de concretagem desta camada."},
                      Entrada{"Branco", " ", "Entre com um valor para a hora de concretagem desta camada."},
                      Entrada{"Tabulacao", "\t", "'\t' não é um valor inteiro válido"},
                      Entrada{"Letras", "seis", "'seis' não é um valor inteiro válido"},
                      Entrada{"Virgula", "6,5", "'6,5' não é um valor inteiro válido"},
                      Entrada{"PontoDecimal", "6.5", "'6.5' não é um valor inteiro válido"},
                      Entrada{"Enorme", "1E9", "'1E9' não é um valor inteiro válido"},
                      Entrada{"Infinito", "Infinity", "'Infinity' não é um valor inteiro válido"}),
    NomeDaLinha);

// Values the dialogs take as they are (no range is checked at typing): what is stored.
TEST_F(EntradasInvalidas, HoraEDiaNegativosSaoGuardadosNoRelogioAbsoluto) {
    ConfirmaCondInic("edHinic", "-30");
    EXPECT_EQ(d.Camadas[1].HoraConcretagem, -30);
    ConfirmaCondInic("edDinic", "0");
    EXPECT_EQ(d.Camadas[1].HoraConcretagem, -18);
    EXPECT_TRUE(msg.erros.isEmpty());
}

// ---- Percentage: relative humidity of the creep model (edUmidade). ----
class CampoPercentagem : public EntradasInvalidas {};
TEST_P(CampoPercentagem, RecusaSemMudarOEstado) {
    ConfirmaCEB(GetParam().texto);
    ConfereRecusa();
    EXPECT_TRUE(j.frmCEB->isVisible());
}
INSTANTIATE_TEST_SUITE_P(
    UmidadeRelativa, CampoPercentagem,
    ::testing::Values(Entrada{"Vazio", "", "'' não é um valor de ponto flutuante válido"},
                      Entrada{"Branco", "  ", "'  ' não é um valor de ponto flutuante válido"},
                      Entrada{"Letras", "alta", "'alta' não é um valor de ponto flutuante válido"},
                      Entrada{"ComSimbolo", "70%", "'70%' não é um valor de ponto flutuante válido"},
                      Entrada{"PontoDecimal", "70.5", "'70.5' não é um valor de ponto flutuante válido"},
                      Entrada{"Enorme", "1e309", "'1e309' não é um valor de ponto flutuante válido"},
                      Entrada{"NaN", "nan", "'nan' não é um valor de ponto flutuante válido"},
                      Entrada{"Infinito", "INFINITY", "'INFINITY' não é um valor de ponto flutuante válido"}),
    NomeDaLinha);

TEST_F(EntradasInvalidas, PercentagemForaDe0a100EGuardadaComoDigitada) {
    ConfirmaCEB("-10");
    EXPECT_EQ(d.UmidadeRel, -10.0);
    ConfirmaCEB("150");
    EXPECT_EQ(d.UmidadeRel, 150.0);
    EXPECT_TRUE(msg.erros.isEmpty());
}

}  // namespace
