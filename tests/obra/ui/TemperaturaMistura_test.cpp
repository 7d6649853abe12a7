// "Temperatura de Lançamento pela Mistura" as a user works it: open a project, compute,
// find the ice for a target, use it, apply to the concrete layers, undo.
#include <QListWidget>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/HistoricoProblema.h"
#include "input/ui/DialogosCamadasTeste.h"
#include "app/ui/frmEntradaDados.h"
#include "obra/DadosObra.h"
#include "obra/TemperaturaMistura.h"
#include "obra/ui/frmTemperaturaMistura.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

class TemperaturaMisturaJanela : public DialogosCamadas {
protected:
    TfrmTemperaturaMistura* f() { return j.frmTemperaturaMistura; }
    void SetUp() override {
        arquivos.caminhos.push_back(Bloco);
        j.frmEntradaDados->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        j.frmEntradaDados->findChild<QAction*>(QStringLiteral("TemperaturaMistura1"))->trigger();
        ASSERT_TRUE(f()->isVisible());
    }
    // The worksheet's defaults as the pure computation gets them.
    static TemperaturaMistura::Mistura Padrao(double agua, double gelo) {
        TemperaturaMistura::Mistura m;
        m.Cimento = {330, 40, 0.92};
        m.Agregados = {{"Areia", 750, 30, 0.92, 0}, {"Brita 1", 500, 28, 0.92, 0}, {"Brita 2", 600, 28, 0.92, 0}};
        m.Agua = {agua, 25, 4.184};
        m.Gelo = {gelo, 0, 2.05};
        return m;
    }
};

TEST_F(TemperaturaMisturaJanela, GeloParaOAlvoAplicadoAsCamadasDeConcretoEDesfeito) {
    // The block on rock: layer 1 is the foundation.
    d.Fundacao = true;
    f()->MostraEstado();
    ASSERT_TRUE(Membro::CamadaDaFundacao(d, 1));
    const std::vector<double> antes = [&] {
        std::vector<double> t;
        for (int c = 1; c <= d.NCamadas; ++c) t.push_back(d.Camadas[static_cast<std::size_t>(c)].TInicial);
        return t;
    }();
    // Layers listed with what is stored; the foundation cannot be checked.
    ASSERT_EQ(f()->lstCamadas->count(), d.NCamadas);
    for (int c = 1; c <= d.NCamadas; ++c) {
        const bool fundacao = Membro::CamadaDaFundacao(d, c);
        EXPECT_EQ(f()->lstCamadas->item(c - 1)->checkState() == Qt::Checked, !fundacao) << c;
    }

    Clica(f(), "btnCalcular");
    const double semGelo = TemperaturaMistura::Temperatura(Padrao(160, 0));
    EXPECT_TRUE(f()->lbTemperatura->text().contains(QString::fromStdString(Numeros::FormataFixo(semGelo, 0, 2))))
        << f()->lbTemperatura->text().toStdString();

    // Nothing is written before "Aplicar".
    Digita(f(), "edAlvo", "24");
    Clica(f(), "btnGelo");
    ASSERT_TRUE(f()->btnUsarGelo->isEnabled()) << f()->lbGelo->text().toStdString();
    Clica(f(), "btnUsarGelo");
    const double gelo = Numeros::ArredondaFixo(TemperaturaMistura::GeloParaAlvo(Padrao(160, 0), 24).Massa, 2);
    EXPECT_EQ(Campo(f(), "ed5_0")->text(), CamposNumericos::Geral(gelo));
    EXPECT_TRUE(f()->lbTemperatura->text().contains(QStringLiteral("24,00"))) << f()->lbTemperatura->text().toStdString();
    EXPECT_FALSE(app.historico().Pilha().canUndo());

    Clica(f(), "btnAplicar");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    const double aplicada = TemperaturaMistura::Temperatura(Padrao(Numeros::ArredondaFixo(160 - gelo, 2), gelo));
    for (int c = 1; c <= d.NCamadas; ++c) {
        const double esperado = Membro::CamadaDaFundacao(d, c) ? antes[static_cast<std::size_t>(c - 1)] : aplicada;
        EXPECT_EQ(d.Camadas[static_cast<std::size_t>(c)].TInicial, esperado) << c;
    }
    EXPECT_EQ(app.historico().Pilha().undoText(), QStringLiteral("Temperatura de Lançamento pela Mistura"));
    app.historico().Pilha().undo();
    for (int c = 1; c <= d.NCamadas; ++c)
        EXPECT_EQ(d.Camadas[static_cast<std::size_t>(c)].TInicial, antes[static_cast<std::size_t>(c - 1)]) << c;
    EXPECT_TRUE(f()->lstCamadas->item(d.NCamadas - 1)->text().contains(
        QString::fromStdString(Numeros::FormataFixo(antes.back(), 0, 2))));
}

TEST_F(TemperaturaMisturaJanela, EntradaRecusadaNaoGravaNada) {
    const TDadosModelo antes = d;
    struct Caso {
        const char* campo;
        const char* texto;
        const char* trecho;
    };
    const Caso casos[] = {
        {"ed5_1", "3", "A temperatura do gelo deve estar entre -60 e 0 °C"},
        {"ed1_3", "45", "A umidade livre de Areia deve estar entre 0 e 30 %"},
        {"ed0_0", "abc", "não é um valor de ponto flutuante válido"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.campo);
        const QString velho = Campo(f(), c.campo)->text();
        Digita(f(), c.campo, QString::fromUtf8(c.texto));
        msg.limpa();
        Clica(f(), "btnAplicar");
        ASSERT_EQ(msg.erros.size(), 1);
        EXPECT_TRUE(msg.erros[0].contains(QString::fromUtf8(c.trecho))) << msg.erros[0].toStdString();
        Digita(f(), c.campo, velho);
    }
    for (int c = 1; c <= d.NCamadas; ++c)
        EXPECT_EQ(d.Camadas[static_cast<std::size_t>(c)].TInicial, antes.Camadas[static_cast<std::size_t>(c)].TInicial);
    EXPECT_FALSE(app.historico().Pilha().canUndo());
}

// The window shows the mix the problem keeps, not what was last typed: the applied mix
// comes back on reopening, an unapplied edit does not, and undo takes the mix away.
TEST_F(TemperaturaMisturaJanela, ReabreComAMisturaGuardada) {
    ASSERT_FALSE(ObraDe(d).MisturaLancamento);
    Digita(f(), "ed4_1", "12,5");
    Digita(f(), "ed1_3", "3");
    Clica(f(), "btnAplicar");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    ASSERT_TRUE(ObraDe(d).MisturaLancamento);
    EXPECT_EQ(ObraDe(d).MisturaLancamento->Agua.Temperatura, 12.5);
    EXPECT_EQ(ObraDe(d).MisturaLancamento->Agregados[0].Umidade, 3.0);
    std::vector<int> marcadas;
    for (int c = 1; c <= d.NCamadas; ++c)
        if (!Membro::CamadaDaFundacao(d, c)) marcadas.push_back(c);
    EXPECT_EQ(ObraDe(d).CamadasMistura, marcadas);
    // Only the last lift this time: the list reopens with it alone checked.
    for (int i = 0; i + 1 < f()->lstCamadas->count(); ++i) f()->lstCamadas->item(i)->setCheckState(Qt::Unchecked);
    Clica(f(), "btnAplicar");
    ASSERT_EQ(ObraDe(d).CamadasMistura, std::vector<int>{d.NCamadas});

    Digita(f(), "ed4_1", "30");
    f()->close();
    j.frmEntradaDados->findChild<QAction*>(QStringLiteral("TemperaturaMistura1"))->trigger();
    EXPECT_EQ(Campo(f(), "ed4_1")->text(), QStringLiteral("12,5"));
    EXPECT_EQ(Campo(f(), "ed1_3")->text(), QStringLiteral("3"));
    for (int i = 0; i < f()->lstCamadas->count(); ++i)
        EXPECT_EQ(f()->lstCamadas->item(i)->checkState() == Qt::Checked, i + 1 == d.NCamadas) << i;

    app.historico().Pilha().undo();
    app.historico().Pilha().undo();
    EXPECT_FALSE(ObraDe(d).MisturaLancamento);
    EXPECT_EQ(Campo(f(), "ed4_1")->text(), QStringLiteral("25"));
    EXPECT_EQ(Campo(f(), "ed1_3")->text(), QStringLiteral("0"));
}

}  // namespace
