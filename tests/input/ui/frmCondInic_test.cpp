#include "input/ui/frmCondInic.h"

#include <QPushButton>
#include <memory>

#include "DialogosCamadasTeste.h"
#include "app/ui/frmEntradaDados.h"

namespace {

class CondInic : public DialogosCamadas {
protected:
    TfrmCondInic* f() { return j.frmCondInic; }
    bool ExecucaoHabilitada() { return Filho<QPushButton>(j.frmEntradaDados, "btnRUN")->isEnabled(); }
    void Insere(const char* dia, const char* hora, const char* t, const char* t0) {
        Digita(f(), "edDinic", QString::fromUtf8(dia));
        Digita(f(), "edHinic", QString::fromUtf8(hora));
        Digita(f(), "edTinic", QString::fromUtf8(t));
        Digita(f(), "edT0", QString::fromUtf8(t0));
        Clica(f(), "btnOk");
    }
};

struct CasoFaltando {
    const char* campo;
    const char* texto;
    const char* mensagem;
};

class CondInicFaltando : public CondInic, public ::testing::WithParamInterface<CasoFaltando> {};

TEST_P(CondInicFaltando, AvisaNadaGravaMasHabilitaAExecucao) {
    d.NCamadas = 2;
    f()->Abre();
    ASSERT_FALSE(ExecucaoHabilitada());
    Digita(f(), GetParam().campo, QString::fromUtf8(GetParam().texto));
    Clica(f(), "btnOk");
    EXPECT_EQ(msg.erros, QStringList{QString::fromUtf8(GetParam().mensagem)});
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
    EXPECT_EQ(d.TempoTotal, 0.0);
    EXPECT_EQ(d.Camadas[1].HoraConcretagem, 0);
    EXPECT_TRUE(ExecucaoHabilitada());
}

INSTANTIATE_TEST_SUITE_P(
    Campos, CondInicFaltando,
    ::testing::Values(CasoFaltando{"edT0", "", "Não existe camada sem tempo total de análise."},
                      CasoFaltando{"edT0", " ", "Não existe camada sem tempo total de análise."},
                      CasoFaltando{"edDinic", "", "Entre com um valor para o dia de concretagem desta camada."},
                      CasoFaltando{"edHinic", " ", "Entre com um valor para a hora de concretagem desta camada."},
                      CasoFaltando{"edTinic", "",
                                   "Entre com um valor para a temperatura inicial de concretagem desta camada."}),
    [](const auto& info) { return std::string(info.param.campo) + (info.param.texto[0] ? "Branco" : "Vazio"); });

TEST_F(CondInic, DuasCamadasComSugestaoDeT0) {
    d.NCamadas = 2;
    f()->Abre();
    Insere("2", "6", "18", "40");
    EXPECT_EQ(d.Camadas[1].HoraConcretagem, 30);
    EXPECT_EQ(d.Camadas[1].TInicial, 18.0);
    EXPECT_EQ(Texto(f(), "lbNCamada"), "2");
    EXPECT_TRUE(msg.confirmacoes.isEmpty());

    Responde({false});
    Insere("3", "0", "22", "40");
    EXPECT_EQ(d.Camadas[2].HoraConcretagem, 48);
    EXPECT_EQ(d.Camadas[2].TInicial, 22.0);
    EXPECT_EQ(msg.erros, QStringList{"Favor Inserir um tempo total de análise (T0) maior."});
    EXPECT_EQ(Texto(f(), "edT0"), "96");
    EXPECT_EQ(d.TempoTotal, 40.0);
    EXPECT_EQ(d.PassoTempo, 1);
    EXPECT_EQ(msg.confirmacoes, QStringList{"Dados Inseridos. Eles estão corretos?"});
    // No: a new pass from layer 1, which shows its stored placement; the total time stays.
    EXPECT_TRUE(f()->isVisible());
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
    EXPECT_EQ(Texto(f(), "edDinic"), "2");
    EXPECT_EQ(Texto(f(), "edHinic"), "6");
    EXPECT_EQ(Texto(f(), "edTinic"), "18");
    EXPECT_EQ(Texto(f(), "edT0"), "96");
    EXPECT_TRUE(ExecucaoHabilitada());
}

TEST_F(CondInic, PosicaoIgualAoTempoTotalTambemAvisaESimFecha) {
    d.NCamadas = 1;
    f()->Abre();
    Insere("1", "0", "20", "0");
    EXPECT_EQ(msg.erros, QStringList{"Favor Inserir um tempo total de análise (T0) maior."});
    EXPECT_EQ(Texto(f(), "edT0"), "48");
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(d.Camadas[1].HoraConcretagem, 0);
}

TEST_F(CondInic, SemCamadasGravaSoOTempo) {
    d.NCamadas = 0;
    f()->Abre();
    Insere("5", "3", "30", "100,5");
    EXPECT_EQ(d.TempoTotal, 100.5);
    EXPECT_EQ(d.PassoTempo, 1);
    EXPECT_EQ(d.Camadas[1].TInicial, 0.0);
    EXPECT_TRUE(msg.confirmacoes.isEmpty());
    EXPECT_TRUE(ExecucaoHabilitada());
}

TEST_F(CondInic, DiaNaoInteiroParaNoCampo) {
    d.NCamadas = 1;
    f()->Abre();
    Insere("1,5", "6", "20", "72");
    EXPECT_EQ(msg.erros, QStringList{"'1,5' não é um valor inteiro válido"});
    EXPECT_EQ(d.TempoTotal, 72.0) << "o tempo total, antes do dia, fica gravado";
    EXPECT_EQ(Texto(f(), "lbNCamada"), "1");
    EXPECT_TRUE(ExecucaoHabilitada());
}

TEST_F(CondInic, MostraEstadoDaPrimeiraCamada) {
    d.NCamadas = 1;
    d.Camadas[1].HoraConcretagem = 30;
    d.Camadas[1].TInicial = 17.5;
    d.TempoTotal = 120;
    f()->MostraEstado();
    f()->Abre();
    EXPECT_EQ(Texto(f(), "edDinic"), "2");
    EXPECT_EQ(Texto(f(), "edHinic"), "6");
    EXPECT_EQ(Texto(f(), "edTinic"), "17,5");
    EXPECT_EQ(Texto(f(), "edT0"), "120");
    EXPECT_FALSE(Campo(f(), "edStep")->isEnabled());
}

}  // namespace

namespace {

// The formulation chosen is stored with the total time at the end of the pass, and
// the one of an opened project is shown when the dialog opens.
TEST_F(CondInic, FormulacaoGuardadaNoInsereEMostradaDoProjeto) {
    d.NCamadas = 1;
    f()->Abre();
    EXPECT_TRUE(f()->rbClassica->isChecked());
    Marca(f()->rbConsistente);
    Responde({true});
    Insere("1", "6", "20", "72");
    EXPECT_EQ(d.Formulacao, TFormulacao::Consistente);

    d.Formulacao = TFormulacao::Classica;  // as an opened project leaves it
    f()->MostraEstado();
    f()->Abre();
    EXPECT_TRUE(f()->rbClassica->isChecked());
    d.Formulacao = TFormulacao::Consistente;
    f()->MostraEstado();
    f()->Abre();
    EXPECT_TRUE(f()->rbConsistente->isChecked());
    EXPECT_EQ(f()->rbConsistente->text(), "Consistente (converge com a malha)");
}

// The substeps belong to the consistent formulation: the field is open only with it,
// stored at the end of the pass, shown from an opened project, refused out of range.
TEST_F(CondInic, SubpassosSoNaConsistente) {
    d.NCamadas = 1;
    f()->Abre();
    EXPECT_FALSE(f()->edSubpassos->isEnabled());
    Marca(f()->rbConsistente);
    EXPECT_TRUE(f()->edSubpassos->isEnabled());
    f()->edSubpassos->setText("4");
    Responde({true});
    Insere("1", "6", "20", "72");
    EXPECT_EQ(d.SubpassosPorPasso, 4);

    d.SubpassosPorPasso = 2;  // as an opened project leaves it
    f()->MostraEstado();
    f()->Abre();
    EXPECT_EQ(f()->edSubpassos->text(), "2");
    f()->edSubpassos->setText("61");
    Insere("1", "6", "20", "72");
    EXPECT_EQ(d.SubpassosPorPasso, 2);
    ASSERT_FALSE(msg.erros.isEmpty());
    EXPECT_EQ(msg.erros.back(), "O número de subpassos por passo deve ficar entre 1 e 60.");
}

// The conductivity that follows the hydration belongs to the consistent formulation:
// open only with it, stored at the end of the pass, shown as stored, and dropped when
// the classic formulation is chosen.
TEST_F(CondInic, CondutividadeSoNaConsistente) {
    d.NCamadas = 1;
    f()->Abre();
    EXPECT_FALSE(f()->chkCondutividade->isEnabled());
    Marca(f()->rbConsistente);
    EXPECT_TRUE(f()->chkCondutividade->isEnabled());
    f()->chkCondutividade->setChecked(true);
    Responde({true});
    Insere("1", "6", "20", "72");
    EXPECT_TRUE(d.CondutividadeHidratacao);

    d.CondutividadeHidratacao = false;  // as an opened project leaves it
    f()->MostraEstado();
    f()->Abre();
    EXPECT_FALSE(f()->chkCondutividade->isChecked());
    d.CondutividadeHidratacao = true;
    f()->MostraEstado();
    f()->Abre();
    EXPECT_TRUE(f()->chkCondutividade->isChecked());
    Marca(f()->rbClassica);
    EXPECT_FALSE(f()->chkCondutividade->isEnabled());
    Insere("1", "6", "20", "72");
    EXPECT_EQ(d.Formulacao, TFormulacao::Classica);
    EXPECT_FALSE(d.CondutividadeHidratacao);
    // A new problem (nothing stored yet) shows its own formulation, not the last one typed.
    d.Formulacao = TFormulacao::Consistente;
    d.SubpassosPorPasso = 3;
    d.CondutividadeHidratacao = true;
    f()->Abre();
    d = *std::make_unique<TDadosModelo>();
    d.NCamadas = 1;
    f()->Abre();
    EXPECT_TRUE(f()->rbClassica->isChecked());
    EXPECT_EQ(f()->edSubpassos->text(), "1");
    EXPECT_FALSE(f()->chkCondutividade->isChecked());
}

}  // namespace
