// "Retração Autógena" from the stress window: the layers chosen go to the problem as one
// change of the history, and the run includes them.
#include "stress/ui/frmRetracaoAutogena.h"

#include <QTableWidget>
#include <gtest/gtest.h>
#include <memory>

#include "FalsosQt.h"
#include "JanelasTeste.h"
#include "TabelaNumerica.h"
#include "app/ui/Aplicacao.h"
#include "stress/ProcTensional.h"
#include "stress/RetracaoAutogena.h"
#include "stress/ui/MembroTensional.h"
#include "stress/ui/frmTensional.h"

namespace {

class RetracaoAutogenaJanela : public ::testing::Test {
protected:
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app{msg, arquivos};
    Janelas& j = app.janelas();
    TDadosModelo& d = app.dados();
    TfrmTensional* t = j.frmTensional;
    TfrmRetracaoAutogena* f() { return t->findChild<TfrmRetracaoAutogena*>(QStringLiteral("frmRetracaoAutogena")); }

    void SetUp() override {
        MembroTensional::Prepara(d, app.contexto().temperaturas);
        SincronizaNumeros(app.contexto());
        t->show();
    }
    void Marca(int linha, bool incluir, const QString& fck) {
        f()->tabela->item(linha, 0)->setCheckState(incluir ? Qt::Checked : Qt::Unchecked);
        f()->tabela->item(linha, 1)->setText(fck);
    }
};

struct CasoEscolha {
    bool camada1, camada2;
    const char* fck2;
    int erros;  // 0: written
};
class EscolhaRetracao : public RetracaoAutogenaJanela, public ::testing::WithParamInterface<CasoEscolha> {};

TEST_P(EscolhaRetracao, GravaPeloHistoricoOuRecusaSemMudarNada) {
    const CasoEscolha& c = GetParam();
    JanelasTeste::Clica(t, "btnRetracaoAutogena");
    ASSERT_TRUE(f()->isVisible());
    ASSERT_EQ(f()->tabela->rowCount(), 2);
    Marca(0, c.camada1, QStringLiteral("30"));
    Marca(1, c.camada2, QString::fromLatin1(c.fck2));
    JanelasTeste::Clica(f(), "btnOk");
    ASSERT_EQ(msg.erros.size(), c.erros);
    if (c.erros) {
        EXPECT_TRUE(f()->isVisible());
        EXPECT_TRUE(d.RetracaoAutogena.empty());
        return;
    }
    EXPECT_FALSE(f()->isVisible());
    EXPECT_EQ(d.RetracaoAutogena.count(1), c.camada1 ? 1u : 0u);
    EXPECT_EQ(d.RetracaoAutogena.count(2), c.camada2 ? 1u : 0u);
    if (c.camada2) {
        EXPECT_EQ(d.RetracaoAutogena.at(2).Fck, 42.5);
    }
    if (c.camada1 || c.camada2) {
        EXPECT_EQ(app.historico().Pilha().undoText(), "Retração Autógena");
        app.historico().Pilha().undo();
        EXPECT_TRUE(d.RetracaoAutogena.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, EscolhaRetracao,
                         ::testing::Values(CasoEscolha{false, true, "42,5", 0}, CasoEscolha{true, true, "42,5", 0},
                                           CasoEscolha{false, false, "42,5", 0}, CasoEscolha{true, true, "8", 1},
                                           CasoEscolha{false, true, "abc", 1}));

// The model and the class of each layer go to the problem; the class only with the fib
// model, and the window opens again on what was written.
struct CasoModelo {
    int modelo, classe;  // indices of the combo boxes
    TModeloRetracao esperado;
    TClasseCimento classeEsperada;
};
class ModeloRetracao : public RetracaoAutogenaJanela, public ::testing::WithParamInterface<CasoModelo> {};

TEST_P(ModeloRetracao, GravaOModeloEAClasse) {
    const CasoModelo& c = GetParam();
    JanelasTeste::Clica(t, "btnRetracaoAutogena");
    Marca(1, true, QStringLiteral("35"));
    f()->ComboModelo(1)->setCurrentIndex(c.modelo);
    EXPECT_EQ(f()->ComboClasse(1)->isEnabled(), c.modelo == 1);
    f()->ComboClasse(1)->setCurrentIndex(c.classe);
    JanelasTeste::Clica(f(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty());
    ASSERT_EQ(d.RetracaoAutogena.count(2), 1u);
    const TRetracaoAutogena& r = d.RetracaoAutogena.at(2);
    EXPECT_EQ(r.Modelo, c.esperado);
    EXPECT_EQ(r.Classe, c.classeEsperada);
    f()->Abre();
    EXPECT_EQ(f()->ComboModelo(1)->currentIndex(), c.modelo);
    if (c.modelo == 1) {
        EXPECT_EQ(f()->ComboClasse(1)->currentIndex(), c.classe);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, ModeloRetracao,
                         ::testing::Values(CasoModelo{0, 5, TModeloRetracao::EN1992, TClasseCimento::C425N},
                                           CasoModelo{1, 0, TModeloRetracao::FibMC2010, TClasseCimento::C325N},
                                           CasoModelo{1, 5, TModeloRetracao::FibMC2010, TClasseCimento::C525R}));

// Through the windows, the run is the engine's with the shrinkage.
TEST_F(RetracaoAutogenaJanela, ORunIncluiARetracao) {
    JanelasTeste::Clica(t, "btnRetracaoAutogena");
    Marca(1, true, QStringLiteral("40"));
    JanelasTeste::Clica(f(), "btnOk");
    JanelasTeste::EntraDadosTensionais(j);
    JanelasTeste::Clica(t, "btnRun");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    auto copia = std::make_unique<TDadosModelo>(d);
    auto semRetracao = std::make_unique<TDadosModelo>(d);
    semRetracao->RetracaoAutogena.clear();
    TabelaTexto esperada, sem;
    Progresso p;
    TProcTensional::ProcessaTensional(*copia, app.contexto().temperaturas, esperada, p);
    TProcTensional::ProcessaTensional(*semRetracao, app.contexto().temperaturas, sem, p);
    const TabelaTexto& obtida = app.contexto().tensoes;
    ASSERT_EQ(obtida.Linhas(), esperada.Linhas());
    bool difere = false;
    for (int r = 0; r < esperada.Linhas(); ++r)
        for (int c = 0; c < esperada.Colunas(); ++c) {
            ASSERT_EQ(obtida.Celula(c, r), esperada.Celula(c, r)) << c << "," << r;
            difere = difere || sem.Celula(c, r) != esperada.Celula(c, r);
        }
    EXPECT_TRUE(difere);
    // The message of the run ends with the shrinkage's share of the largest tension.
    auto semCopia = std::make_unique<TDadosModelo>(d);
    semCopia->RetracaoAutogena.clear();
    TabelaTexto descarte;
    TProcTensional::ProcessaTensional(*semCopia, app.contexto().temperaturas, descarte, p);
    ASSERT_FALSE(msg.informacoes.isEmpty());
    const std::string linha = RetracaoAutogena::LinhaParcela(d.TracaoMaxima, semCopia->TracaoMaxima,
                                                             semCopia->NoTracaoMaxima, semCopia->HoraTracaoMaxima);
    EXPECT_EQ(msg.informacoes.last().toStdString(), TProcTensional::MensagemTracao(d) + "\n\n" + linha);
}

}  // namespace
