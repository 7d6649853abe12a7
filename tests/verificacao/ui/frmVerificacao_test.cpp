// "Verificação" from the results window's menu: the report of the current problem, the
// same the batch tool prints, computed on a copy; the refusal before a complete run;
// a discarded problem's verification shown to nobody.
#include "TabelaNumerica.h"
#include "verificacao/ui/frmVerificacao.h"

#include <QTest>

#include "core/MembroTeste.h"
#include "core/ui/Janelas.h"
#include "results/ResumoTermico.h"
#include "results/ui/AmbienteResultados.h"
#include "results/ui/frmResultados.h"
#include "verificacao/Verificacao.h"

namespace {

class VerificacaoJanela : public AmbienteResultados {
protected:
    TfrmVerificacao* janela() { return app->janelas().frmVerificacao; }
    // Two lifts with the hydration curve, cooled at the top; a complete run of them.
    void Prepara() {
        auto d = teste::Membro(2, 2, 0, 24, 72);
        teste::CurvaHidratacao(*d);
        d->BetaSup = 10.0 * 3600.0;
        app->dados() = *d;
        teste::Gravador p;
        ASSERT_TRUE(TProcesso::ProcessaTransiente(app->dados(), app->contexto().temperaturas, p).Completo);
        SincronizaNumeros(app->contexto());
    }
};

TEST_F(VerificacaoJanela, SemAnaliseCompletaAvisaENaoAbre) {
    Membro(2, 2, 10, 3);
    app->janelas().frmResultados->Verificacao1->trigger();
    EXPECT_FALSE(janela()->isVisible());
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_EQ(msg.erros[0], QStringLiteral("A verificação precisa de uma análise térmica completa. "
                                           "Execute a análise térmica antes."));
}

TEST_F(VerificacaoJanela, MenuMostraORelatorioDoProblemaAtual) {
    Prepara();
    const TabelaTexto antes = app->contexto().temperaturas;
    app->janelas().frmResultados->Verificacao1->trigger();
    ASSERT_TRUE(janela()->isVisible());
    janela()->Espera();
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join(QStringLiteral("; ")).toStdString();
    teste::Gravador p;
    const std::string esperado = TVerificacao::Executa(app->dados(), false, p).Texto();
    EXPECT_EQ(janela()->memRelatorio->toPlainText().toStdString(), esperado);
    EXPECT_NE(esperado.find("Balanço de energia"), std::string::npos);
    // The windows' state is untouched: same mesh, same table.
    EXPECT_EQ(app->dados().NElemCamada, 2);
    for (int l = 0; l < antes.Linhas(); ++l)
        for (int c = 0; c < antes.Colunas(); ++c)
            ASSERT_EQ(app->contexto().temperaturas.Celula(c, l), antes.Celula(c, l));

    // The file: the report in Windows-1252, every character of it in the code page.
    arquivos.caminhos.push_back(Caminho("verificacao"));
    janela()->SalvarRelatorio();
    const std::string bytes = Le(Caminho("verificacao.txt"));
    EXPECT_EQ(bytes, ResumoArquivo::Bytes(esperado));
    EXPECT_EQ(bytes.find('?'), std::string::npos);
}

TEST_F(VerificacaoJanela, ProblemaDescartadoNaoMostraRelatorio) {
    Prepara();
    janela()->Abre();
    janela()->Descarta();
    janela()->Espera();
    EXPECT_FALSE(janela()->isVisible());
    EXPECT_TRUE(janela()->memRelatorio->toPlainText().isEmpty());
    janela()->SalvarRelatorio();
    EXPECT_EQ(msg.erros, QStringList{QStringLiteral("Não há relatório de verificação para salvar.")});
    // Opened again, it computes afresh.
    janela()->Abre();
    janela()->Espera();
    EXPECT_FALSE(janela()->memRelatorio->toPlainText().isEmpty());
}

}  // namespace
