// "Dimensões em Planta" as a user works it: open a project, give the block its plan
// size and side forms, store as one change, undo; what cannot be stored is refused.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "core/ui/HistoricoProblema.h"
#include "input/ui/DialogosCamadasTeste.h"
#include "app/ui/frmEntradaDados.h"
#include "obra/Laterais.h"
#include "obra/Protecoes.h"
#include "obra/ui/frmLaterais.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

class LateraisJanela : public DialogosCamadas {
protected:
    TfrmLaterais* f() { return j.frmLaterais; }
    void SetUp() override {
        arquivos.caminhos.push_back(Bloco);
        j.frmEntradaDados->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        j.frmEntradaDados->findChild<QAction*>(QStringLiteral("DimensoesPlanta1"))->trigger();
        ASSERT_TRUE(f()->isVisible());
    }
    // The preset's row in the list (after "(digitada)").
    static int Predefinicao(const char* nome) {
        const auto p = Protecoes::Predefinicoes();
        for (std::size_t i = 0; i < p.size(); ++i)
            if (std::string(p[i].Nome) == nome) return static_cast<int>(i) + 1;
        return -1;
    }
};

TEST_F(LateraisJanela, FormasNasLateraisGuardadasComoUmaAlteracaoEDesfeitas) {
    ASSERT_GE(d.NCamadas, 2);
    // An old project: the member of unlimited plan, shown as stored; "Ok" unchanged writes nothing.
    EXPECT_TRUE(f()->rbExtenso->isChecked());
    EXPECT_FALSE(f()->edComprimento->isEnabled());
    EXPECT_EQ(f()->sgdBiot->rowCount(), 0);
    Clica(f(), "btnOk");
    EXPECT_FALSE(app.historico().Pilha().canUndo());
    EXPECT_FALSE(d.Obra.TemLaterais());

    j.frmEntradaDados->findChild<QAction*>(QStringLiteral("DimensoesPlanta1"))->trigger();
    f()->rbFinito->setChecked(true);
    Digita(f(), "edComprimento", "3");
    Digita(f(), "edLargura", "2,5");
    Digita(f(), "edCoeficiente", "12");
    f()->spnCamada->setValue(2);
    f()->cbxPredefinicoes->setCurrentIndex(Predefinicao("Fôrma de compensado 18 mm"));
    Clica(f(), "btnAcrescentar");
    ASSERT_EQ(f()->sgdProtecoes->rowCount(), 1);
    Clica(f(), "btnCopiarTodas");
    // Walking the lifts keeps what was typed in each.
    f()->spnCamada->setValue(1);
    EXPECT_EQ(f()->sgdProtecoes->rowCount(), 1);
    Clica(f(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_FALSE(f()->isVisible());

    const TDadosObra& o = ObraDe(d);
    EXPECT_EQ(o.ComprimentoPlanta, 3.0);
    EXPECT_EQ(o.LarguraPlanta, 2.5);
    EXPECT_EQ(o.CoefLateral, 12.0);
    for (int L = 1; L <= d.NCamadas; ++L) {
        ASSERT_NE(Laterais::Do(o, L), nullptr) << L;
        ASSERT_EQ(Laterais::Do(o, L)->size(), 1u) << L;
        const TProtecao& p = Laterais::Do(o, L)->front();
        EXPECT_EQ(p.R, 0.15);
        EXPECT_EQ(p.HoraColocacao, 0.0);
        EXPECT_EQ(p.HoraRetirada, 72.0);
    }
    EXPECT_EQ(app.historico().Pilha().undoText(), QStringLiteral("Dimensões em Planta"));

    // Opened again: the stored block, its Biot number per lift and the warning.
    j.frmEntradaDados->findChild<QAction*>(QStringLiteral("DimensoesPlanta1"))->trigger();
    EXPECT_TRUE(f()->rbFinito->isChecked());
    EXPECT_EQ(f()->edLargura->text(), QStringLiteral("2,5"));
    EXPECT_EQ(f()->sgdBiot->rowCount(), d.NCamadas);
    EXPECT_TRUE(f()->lbAviso->text().contains(QStringLiteral("não é representada"))) << f()->lbAviso->text().toStdString();

    app.historico().Pilha().undo();
    EXPECT_FALSE(d.Obra.TemLaterais());
    EXPECT_TRUE(f()->rbExtenso->isChecked());
    EXPECT_EQ(f()->sgdProtecoes->rowCount(), 0);
}

struct CasoRecusa {
    const char* nome;
    const char* comprimento;
    const char* largura;
    const char* coeficiente;
    const char* retirada;  // of one side form on lift 1 (nullptr: none)
    const char* mensagem;
};

class LateraisRecusa : public LateraisJanela, public testing::WithParamInterface<CasoRecusa> {};

TEST_P(LateraisRecusa, NadaEGuardado) {
    const CasoRecusa& c = GetParam();
    f()->rbFinito->setChecked(true);
    Digita(f(), "edComprimento", c.comprimento);
    Digita(f(), "edLargura", c.largura);
    Digita(f(), "edCoeficiente", c.coeficiente);
    if (c.retirada) {
        Clica(f(), "btnAcrescentar");
        f()->sgdProtecoes->item(0, 3)->setText(QString::fromUtf8(c.retirada));
    }
    Clica(f(), "btnOk");
    ASSERT_FALSE(msg.erros.isEmpty());
    EXPECT_TRUE(msg.erros.back().contains(QString::fromUtf8(c.mensagem))) << msg.erros.back().toStdString();
    EXPECT_FALSE(app.historico().Pilha().canUndo());
    EXPECT_FALSE(d.Obra.TemLaterais());
    EXPECT_TRUE(f()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Laterais, LateraisRecusa,
    testing::Values(CasoRecusa{"SemDimensao", "0", "0", "10", nullptr, "Informe o comprimento ou a largura"},
                    CasoRecusa{"ComprimentoNegativo", "-3", "3", "10", nullptr, "comprimento em planta não pode"},
                    CasoRecusa{"CoeficienteNegativo", "3", "3", "-1", nullptr, "coeficiente das laterais não pode"},
                    CasoRecusa{"RetiradaAntesDaColocacao", "3", "3", "10", "-5", "Linha 1 das proteções"},
                    CasoRecusa{"RetiradaNaoNumerica", "3", "3", "10", "x", "Linha 1 das proteções: retirada"}),
    [](const auto& i) { return std::string(i.param.nome); });

// A picture of the dialog for looking it over; written only when NORVIK_CAPTURAS names a folder.
TEST_F(LateraisJanela, Captura) {
    const QString pasta = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (pasta.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    QDir().mkpath(pasta);
    f()->rbFinito->setChecked(true);
    Digita(f(), "edComprimento", "3");
    Digita(f(), "edLargura", "3");
    f()->cbxPredefinicoes->setCurrentIndex(Predefinicao("Fôrma de compensado 18 mm"));
    Clica(f(), "btnAcrescentar");
    Clica(f(), "btnCopiarTodas");
    f()->adjustSize();
    EXPECT_TRUE(f()->grab().save(pasta + QStringLiteral("/frmLaterais.png")));
}

}  // namespace
