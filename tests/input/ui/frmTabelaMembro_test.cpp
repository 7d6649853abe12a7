#include <QCheckBox>
#include <QTableWidget>
#include <memory>

#include "DialogosCamadasTeste.h"
#include "core/Projeto.h"
#include "input/ui/frmCalorInterno.h"
#include "input/ui/frmCondInic.h"
#include "app/ui/frmEntradaDados.h"
#include "input/ui/frmEscolhaCalor.h"
#include "input/ui/frmMembro.h"
#include "input/ui/frmTabelaMembro.h"

namespace {

using namespace TabelaMembro;

// The three layers of the foundation block (exemplos/bloco-fundacao-3-camadas): what a
// user types in the dialogs and in the grid.
struct CamadaExemplo {
    const char *h, *dia, *hora, *t;
};
const CamadaExemplo Bloco[] = {{"1,5", "1", "8", "22"}, {"1,5", "4", "8", "24"}, {"1,5", "7", "8", "23"}};

class TabelaMembroJanela : public DialogosCamadas {
protected:
    TfrmTabelaMembro* t() { return j.frmTabelaMembro; }
    void Celula(int linha, Coluna c, const QString& texto) { t()->tbCamadas->item(linha, c)->setText(texto); }

    // The block entered as the dialogs take it: layer, heat curve and placement passes.
    static void PelosDialogos(MensagensFalsas& m, Janelas& jj) {
        Clica(jj.frmEntradaDados, "btnMembro");
        for (int n = 0; n < 3; ++n) {
            Digita(jj.frmMembro, "edH", QString::fromLatin1(Bloco[n].h));
            Digita(jj.frmMembro, "edK", "2,4");
            Digita(jj.frmMembro, "edRo", "2400");
            Digita(jj.frmMembro, "edCalorEsp", "950");
            m.respostas.insert(m.respostas.end(), {true, n < 2});
            Clica(jj.frmMembro, "btnInserir");
        }
        Clica(jj.frmEntradaDados, "btnCalorInt");
        Clica(jj.frmEscolhaCalor, "btnOk");
        Digita(jj.frmCalorInterno, "edC", "330");
        m.respostas.push_back(true);
        for (int n = 0; n < 3; ++n) Clica(jj.frmCalorInterno, "btnOk");
        Clica(jj.frmEntradaDados, "btnCondIni");
        Digita(jj.frmCondInic, "edT0", "512");
        for (int n = 0; n < 3; ++n) {
            Digita(jj.frmCondInic, "edDinic", QString::fromLatin1(Bloco[n].dia));
            Digita(jj.frmCondInic, "edHinic", QString::fromLatin1(Bloco[n].hora));
            Digita(jj.frmCondInic, "edTinic", QString::fromLatin1(Bloco[n].t));
            if (n == 2) m.respostas.push_back(true);
            Clica(jj.frmCondInic, "btnOk");
        }
    }
    void PelaGrade() {
        Clica(j.frmEntradaDados, "btnTabelaMembro");
        ASSERT_TRUE(t()->isVisible());
        for (int n = 0; n < 3; ++n) {
            t()->tbCamadas->setCurrentCell(n - 1, 0);
            Clica(t(), "btnAcrescentar");
            Celula(n, Espessura, QString::fromLatin1(Bloco[n].h));
            Celula(n, Condutividade, "2,4");
            Celula(n, MassaEspecifica, "2400");
            Celula(n, CalorEspecifico, "950");
            Celula(n, Dia, QString::fromLatin1(Bloco[n].dia));
            Celula(n, Hora, QString::fromLatin1(Bloco[n].hora));
            Celula(n, TInicial, QString::fromLatin1(Bloco[n].t));
            Celula(n, C, "330");
        }
        Clica(t(), "btnOk");
    }
};

// The same member through the dialogs and through the grid: the same project file, byte for byte.
TEST_F(TabelaMembroJanela, TresCamadasDoBlocoDaoOMesmoArquivoQueOsDialogos) {
    MensagensFalsas msg2;
    DialogosArquivoFalsos arquivos2;
    Aplicacao outra{msg2, arquivos2};
    PelosDialogos(msg2, outra.janelas());
    ASSERT_TRUE(msg2.erros.isEmpty()) << msg2.erros.join("\n").toStdString();

    PelaGrade();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_FALSE(t()->isVisible());
    EXPECT_TRUE(j.frmEntradaDados->btnRUN->isEnabled());
    // What the grid does not hold (total time, step) as the initial-conditions dialog left it.
    d.TempoTotal = outra.dados().TempoTotal;
    d.PassoTempo = outra.dados().PassoTempo;
    d.NElemCamada = outra.dados().NElemCamada = 4;
    EXPECT_EQ(Projeto::Texto(d), Projeto::Texto(outra.dados()));
    EXPECT_EQ(d.Camadas[3].XIni, 3.0);
    EXPECT_EQ(d.Camadas[3].HoraConcretagem, 152);
}

// A bad cell anywhere: its message, the cell selected, the window open and the state as it was.
struct CasoCelulaRuim {
    const char* nome;
    int linha;
    Coluna coluna;
    const char* texto;
    const char* mensagem;
};
class CelulaRuim : public TabelaMembroJanela, public ::testing::WithParamInterface<CasoCelulaRuim> {};

TEST_P(CelulaRuim, DeixaOEstadoIntacto) {
    const auto& c = GetParam();
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json", d);
    const std::string antes = Projeto::Texto(d);
    t()->Abre();
    ASSERT_EQ(t()->tbCamadas->rowCount(), 3);
    Celula(0, Espessura, "2");  // a good change before the bad cell is not kept either
    t()->tbCamadas->setCurrentCell(1, 0);
    Clica(t(), "btnDuplicar");
    Celula(c.linha, c.coluna, QString::fromLatin1(c.texto));
    Clica(t(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(msg.erros[0].contains(QString::fromUtf8(c.mensagem))) << msg.erros[0].toStdString();
    EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("Camada %1").arg(c.linha + 1))) << msg.erros[0].toStdString();
    EXPECT_EQ(t()->tbCamadas->currentRow(), c.linha);
    EXPECT_EQ(t()->tbCamadas->currentColumn(), c.coluna);
    EXPECT_TRUE(t()->isVisible());
    EXPECT_EQ(Projeto::Texto(d), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CelulaRuim,
    ::testing::Values(
        CasoCelulaRuim{"EspessuraVazia", 2, Espessura, "", "Não existe camada sem espessura. Inserir a camada novamente."},
        CasoCelulaRuim{"DiaVazio", 3, Dia, " ", "Entre com um valor para o dia de concretagem desta camada."},
        CasoCelulaRuim{"HoraVazia", 1, Hora, "", "Entre com um valor para a hora de concretagem desta camada."},
        CasoCelulaRuim{"TemperaturaVazia", 0, TInicial, "",
                       "Entre com um valor para a temperatura inicial de concretagem desta camada."},
        CasoCelulaRuim{"CondutividadeComPonto", 3, Condutividade, "2.4", "'2.4' não é um valor de ponto flutuante válido"},
        CasoCelulaRuim{"DiaFracionario", 1, Dia, "1,5", "'1,5' não é um valor inteiro válido"},
        CasoCelulaRuim{"ConstanteDesconhecida", 2, Constante, "talvez", "não é \"Sim\" nem \"Não\""},
        CasoCelulaRuim{"TaxaTexto", 0, F, "abc", "'abc' não é um valor de ponto flutuante válido"}),
    [](const auto& i) { return std::string(i.param.nome); });

// Pasted spreadsheet rows, with ';' and the decimal comma, grow the member; the dialogs follow.
TEST_F(TabelaMembroJanela, ColarLinhasDePlanilhaEApagarMantemOsDialogosEmSintonia) {
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json", d);
    d.CalorCamadas[2].Tabela[5] = 123.0;  // a calorimeter rate that travels with its layer
    t()->Abre();
    t()->tbCamadas->setCurrentCell(-1, -1);  // no cell chosen: below the last layer
    t()->Cola(QStringLiteral("0,75;2,6;2450;900;9,5;9;8;25\r\n1;2;2300;850;10;10;8;26\r\n"));
    ASSERT_EQ(t()->tbCamadas->rowCount(), 5);
    t()->tbCamadas->setCurrentCell(0, 0);
    Clica(t(), "btnApagar");
    Clica(t(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(d.NCamadas, 4);
    EXPECT_EQ(d.NCamadasMembro, 4);
    EXPECT_EQ(d.Camadas[3].Espessura, 0.75);
    EXPECT_EQ(d.Camadas[3].K, 2.6);
    EXPECT_EQ(d.Camadas[3].Alfa, 9.5e-6);
    EXPECT_EQ(d.Camadas[3].HoraConcretagem, 8 * 24 + 8);
    EXPECT_EQ(d.Camadas[4].XIni, 3.75);
    EXPECT_EQ(d.Camadas[4].TInicial, 26.0);
    // Curve parameters not pasted come from the row above.
    EXPECT_EQ(d.CalorCamadas[4].C, 330.0);
    EXPECT_EQ(d.CalorCamadas[1].Tabela[5], 123.0);
    EXPECT_EQ(d.Camadas[5].Espessura, 0.0);

    // The layer dialog now starts on the new layer 1; the grid opens with the new member.
    Clica(j.frmEntradaDados, "btnMembro");
    EXPECT_EQ(Texto(j.frmMembro, "edH"), "1,5");
    t()->Abre();
    EXPECT_EQ(t()->tbCamadas->rowCount(), 4);
    EXPECT_EQ(t()->tbCamadas->item(2, Dilatacao)->text(), "9,5");
}

TEST_F(TabelaMembroJanela, CancelarEAbrirOutroProjetoNaoGravamAGrade) {
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json", d);
    const std::string antes = Projeto::Texto(d);
    t()->Abre();
    Celula(0, Espessura, "9");
    Clica(t(), "btnCancelar");
    EXPECT_EQ(Projeto::Texto(d), antes);
    EXPECT_FALSE(t()->isVisible());

    t()->Abre();
    Celula(0, Espessura, "9");
    arquivos.caminhos.push_back(QString::fromUtf8(NORVIK_FONTES "/exemplos/muro-10-camadas-cura.n1d.json"));
    j.frmEntradaDados->AbrirProjeto->trigger();
    EXPECT_FALSE(t()->isVisible());
    EXPECT_EQ(d.NCamadas, 10);
}

// A layer changed in its dialog while the grid is open is not overwritten unseen.
TEST_F(TabelaMembroJanela, MudancaPorOutroDialogoRecusaOOk) {
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json", d);
    t()->Abre();
    Celula(1, TInicial, "30");
    Clica(j.frmEntradaDados, "btnMembro");
    Digita(j.frmMembro, "edH", "2");
    Responde({true, true});
    Clica(j.frmMembro, "btnInserir");
    ASSERT_EQ(d.Camadas[1].Espessura, 2.0);
    const std::string doDialogo = Projeto::Texto(d);
    Clica(t(), "btnOk");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].startsWith(QStringLiteral("O membro foi alterado em outro diálogo")));
    EXPECT_EQ(Projeto::Texto(d), doDialogo);
    t()->Abre();
    EXPECT_EQ(t()->tbCamadas->item(0, Espessura)->text(), QStringLiteral("2"));
}

}  // namespace

namespace {

// Typing an aggregate into the grid fills its row's specific heat and dilation; "Ok"
// keeps the choice with the layer, and a paste keeps the values it brings.
struct CasoAgregadoGrade {
    const char* nome;
    const char* agregado;
    bool colar;  // through a paste of the row's last two cells instead of typing
    const char* calor;
    const char* dilatacao;
    TAgregado guardado;
};
class AgregadoNaGrade : public TabelaMembroJanela, public ::testing::WithParamInterface<CasoAgregadoGrade> {};

TEST_P(AgregadoNaGrade, PreencheAoDigitarEGuardaNoOk) {
    const CasoAgregadoGrade& c = GetParam();
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json", d);
    t()->Abre();
    if (c.colar) {
        t()->tbCamadas->setCurrentCell(1, F);
        t()->Cola(QStringLiteral("0\t") + QString::fromUtf8(c.agregado));
    } else {
        Celula(1, Agregado, QString::fromUtf8(c.agregado));
    }
    EXPECT_EQ(t()->tbCamadas->item(1, CalorEspecifico)->text(), QString::fromUtf8(c.calor));
    EXPECT_EQ(t()->tbCamadas->item(1, Dilatacao)->text(), QString::fromUtf8(c.dilatacao));
    EXPECT_EQ(t()->tbCamadas->item(0, Dilatacao)->text(), QStringLiteral("10"));  // the other rows untouched
    Clica(t(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    if (c.guardado == TAgregado::Outro) {
        EXPECT_TRUE(d.Agregados.empty());
    } else {
        ASSERT_EQ(d.Agregados.count(2), 1u);
        EXPECT_EQ(d.Agregados.at(2), c.guardado);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AgregadoNaGrade,
    ::testing::Values(CasoAgregadoGrade{"Quartzito", "Quartzito", false, "962,78", "11,88", TAgregado::Quartzito},
                      CasoAgregadoGrade{"Calcario", "Calcário", false, "962,78", "6,84", TAgregado::Calcario},
                      CasoAgregadoGrade{"Outro", "Outro", false, "950", "10", TAgregado::Outro},
                      CasoAgregadoGrade{"ColadoNaoPreenche", "Basalto", true, "950", "10", TAgregado::Basalto}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
