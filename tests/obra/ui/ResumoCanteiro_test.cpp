// The summary window on the summer mat: the allowable difference beside the computed
// one, and the earliest safe removal from its button.
#include <QLineSeries>
#include <QTest>

#include "core/Processo.h"
#include "core/Projeto.h"
#include "core/ui/Janelas.h"
#include "input/ui/DialogosCamadasTeste.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmResumoTermico.h"

namespace {

class ResumoCanteiro : public DialogosCamadas {
protected:
    TfrmResumoTermico* r() { return j.frmResumoTermico; }
    void RodaRadier(bool comFluencia) {
        Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json", d);
        if (!comFluencia) d.ModeloFluencia = TModeloFluencia::Nenhum;
        d.NElemAtivos = d.NElemCamada;
        Progresso semJanela;
        TProcesso::ProcessaTransiente(d, app.contexto().temperaturas, semJanela);
        r()->Abre();
        ASSERT_TRUE(r()->isVisible());
    }
};

TEST_F(ResumoCanteiro, AdmissivelAoLadoDaDiferencaERemocaoPeloBotao) {
    RodaRadier(true);
    const auto series = r()->cGraficoDiferenca->Series();
    ASSERT_GE(series.size(), 3);
    EXPECT_EQ(series[1]->name(), QStringLiteral("ΔT admissível (Tração Simples)"));
    EXPECT_EQ(series[1]->count(), series[0]->count());  // one beside every row
    EXPECT_EQ(series[2]->name(), QStringLiteral("Acima da admissível"));
    EXPECT_TRUE(r()->lblAdmissivel->text().startsWith(QStringLiteral("Diferença acima da admissível em ")))
        << r()->lblAdmissivel->text().toStdString();

    Digita(r(), "edCamadaRemocao", "2");
    Clica(r(), "btnRemocaoSegura");
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join(";").toStdString();
    EXPECT_TRUE(r()->lblRemocao->text().contains(QStringLiteral("retirada na hora 0 após o lançamento")))
        << r()->lblRemocao->text().toStdString();
    // Recomputing the summary forgets the search.
    Clica(r(), "btnCalcular");
    EXPECT_TRUE(r()->lblRemocao->text().isEmpty());

    // The first blanket, chosen by its number: no hour keeps the index.
    Digita(r(), "edProtecaoRemocao", "1");
    Clica(r(), "btnRemocaoSegura");
    EXPECT_TRUE(r()->lblRemocao->text().contains(QStringLiteral("proteção 1 (Manta de lã mineral 25 mm (primeira))")))
        << r()->lblRemocao->text().toStdString();
    EXPECT_TRUE(r()->lblRemocao->text().contains(QStringLiteral("nenhuma hora")));

    Digita(r(), "edCamadaRemocao", "7");
    Clica(r(), "btnRemocaoSegura");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("A camada 7 não existe")));
}

TEST_F(ResumoCanteiro, SemFluenciaODiagramaFicaSoEDizOQueFalta) {
    RodaRadier(false);
    EXPECT_EQ(r()->cGraficoDiferenca->NumeroSeries(), 1);
    EXPECT_TRUE(r()->lblAdmissivel->text().contains(QStringLiteral("escolha o modelo de fluência")));
    Clica(r(), "btnRemocaoSegura");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("modelo de fluência")));
}

}  // namespace
