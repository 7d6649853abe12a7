// The thermal summary read back from a made-up temperature history whose peak, largest
// core-to-top difference and hours above the limit are known, and from a real run.
#include "results/ResumoTermico.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "TabelaNumerica.h"
#include "core/Erros.h"
#include "core/Processo.h"
#include "core/Progresso.h"
#include "core/Projeto.h"

namespace {

// Two layers of two elements (5 nodes), placed at hours 6 and 9. Until hour 9 only nodes
// 1 to 3 exist; nodes 4 and 5 still show 99,00 left by an earlier run, which must not
// count. The row of hour 13 was never written.
struct Historico {
    std::unique_ptr<TDadosModelo> dados = std::make_unique<TDadosModelo>();
    TabelaTexto tabela{6, 9};

    Historico() {
        dados->NCamadas = 2;
        dados->NCamadasMembro = 2;
        dados->NElemCamada = 2;
        dados->PassoTempo = 1;
        dados->Camadas[1].HoraConcretagem = 6;
        dados->Camadas[2].HoraConcretagem = 9;
        const std::vector<std::vector<std::string>> linhas = {
            {"  Tempo[h]", "    Nó 1", "    Nó 2", "    Nó 3", "    Nó 4", "    Nó 5"},
            {"7", "  20,00", "  25,00", "  22,00", "  99,00", "  99,00"},
            {"8", "  30,00", "  40,50", "  35,00", "  99,00", "  99,00"},
            {"9", "  35,00", "  69,00", "  36,00", "  99,00", "  99,00"},
            {"10", "  40,00", "  71,25", "  60,00", "  50,00", "  30,00"},
            {"11", "  45,00", "  72,00", "  70,00", "  65,00", "  31,00"},
            {"12", "  44,00", "  70,00", "  72,00", "  66,00", "  30,50"},
            {"", "", "", "", "", ""},
            {"14", "  43,00", "  60,00", "  61,00", "  62,00", "  45,67"},
        };
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 6; ++c) tabela.Celula(c, r) = linhas[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }
};

TEST(ResumoTermico, PicoDiferencaEHorasAcimaDoLimiteConhecidos) {
    Historico h;
    const TResumoTermico r = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0);
    ASSERT_FALSE(r.Vazio);
    // 72,00 is reached first at hour 11 in node 2; node 3 ties at hour 12 and does not win.
    EXPECT_EQ(r.TMaxima, 72.0);
    EXPECT_EQ(r.NoTMax, 2);
    EXPECT_EQ(r.HoraTMax, 11.0);
    // Hour 12: layer 2 (nodes 4 and 5; the joint, node 3, is layer 1's) at 66,00 against
    // its top face at 30,50. Node 3's 72,00 is the hot lift below and does not count.
    EXPECT_EQ(r.DifMaxima, 35.5);
    EXPECT_EQ(r.CamadaDif, 2);
    EXPECT_EQ(r.HoraDifMaxima, 12.0);
    EXPECT_EQ(r.NoQuenteDif, 4);
    EXPECT_EQ(r.NoTopoDif, 5);
    // Before the second layer the top face is node 3; hour 14 ends exactly: 62,00 − 45,67.
    ASSERT_EQ(r.Diferenca.size(), 7u);
    EXPECT_EQ(r.Diferenca[0].hora, 7.0);
    EXPECT_EQ(r.Diferenca[0].valor, 3.0);
    EXPECT_EQ(r.Diferenca[2].valor, 33.0);
    EXPECT_EQ(r.Diferenca[3].valor, 20.0);  // hour 10: the fresh lift, 50,00 − 30,00
    EXPECT_EQ(r.Diferenca[6].hora, 14.0);
    EXPECT_EQ(r.Diferenca[6].valor, 16.33);
    // 70,00 counts (at or above); the stale 99,00 of nodes 4 and 5 does not.
    EXPECT_EQ(r.HorasAcima, (std::vector<double>{0, 0, 3, 2, 0, 0}));
    EXPECT_EQ(r.NoPior, 2);
    EXPECT_EQ(r.HorasPior, 3.0);
}

// Each lift while it is on top, its own nodes only: lift 1 at hours 7 to 9 (nodes 1 to 3),
// lift 2 from hour 10 (nodes 4 and 5); with "Fundação" layer 1 is the soil, no lift.
TEST(ResumoTermico, DiferencaDeCadaCamadaEnquantoEstaNoTopo) {
    Historico h;
    const std::string cabecalho = " Camada  Dif.[°C]    t[h]  Nó quente  Nó topo\n";
    const std::string camada2 = "      2     35,50      12          4        5\n\n";
    const std::string texto = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0).Texto(false);
    EXPECT_NE(texto.find(cabecalho + "      1     33,00       9          2        3\n" + camada2), std::string::npos) << texto;
    h.dados->Fundacao = true;
    const TResumoTermico r = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0);
    EXPECT_EQ(r.Diferenca.size(), 4u);
    EXPECT_NE(r.Texto(false).find(cabecalho + camada2), std::string::npos) << r.Texto(false);
}

TEST(ResumoTermico, NenhumaHoraAcimaDoLimite) {
    Historico h;
    const TResumoTermico r = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 80.0);
    EXPECT_EQ(r.NoPior, 0);
    EXPECT_EQ(r.HorasAcima, (std::vector<double>(6, 0.0)));
    EXPECT_NE(r.Texto().find("Nenhum nó atinge 80 °C."), std::string::npos) << r.Texto();
}

TEST(ResumoTermico, PassoDeDuasHorasContaAsHorasDoPasso) {
    Historico h;
    h.dados->PassoTempo = 2;
    h.dados->Camadas[2].HoraConcretagem = 8;
    // Steps 6→8, 8→10 (second layer placed at 8), 10→12; the rows between stay empty.
    for (int r : {1, 3, 5, 7, 8})
        for (int c = 0; c < 6; ++c) h.tabela.Celula(c, r).clear();
    const TResumoTermico r = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0);
    EXPECT_EQ(r.HorasAcima, (std::vector<double>{0, 0, 4, 2, 0, 0}));
    ASSERT_EQ(r.Diferenca.size(), 3u);
    EXPECT_EQ(r.Diferenca[0].valor, 5.5);    // hour 8: only layer 1, top node 3
    EXPECT_EQ(r.Diferenca[1].valor, 20.0);   // hour 10: layer 2 alone, 50,00 − 30,00 at top node 5
}

TEST(ResumoTermico, TabelaSemLinhasEscritasECelulaIlegivel) {
    Historico h;
    TabelaTexto vazia(6, 1);
    EXPECT_TRUE(TResumoTermico::Calcula(*h.dados, NumerosDe(vazia), 70.0).Vazio);
    // The history holds numbers: a cell that is not one is an empty cell, whose row no
    // step completed.
    h.tabela.Celula(2, 4) = "abc";
    EXPECT_NO_THROW(TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0));
}

TEST(ResumoTermico, ArquivoEmWindows1252ComCrLf) {
    Historico h;
    const TResumoTermico r = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0);
    const std::string bytes = r.Bytes();
    EXPECT_EQ(bytes.rfind("Resumo T\xE9rmico\r\n\r\nTemperatura m\xE1xima: 72,00 \xB0" "C no N\xF3 2, na hora 11.\r\n", 0),
              0u)
        << bytes.substr(0, 80);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r') << i;
        }
    }
    EXPECT_NE(bytes.find("     14     16,33\r\n"), std::string::npos);
    PastaTemporaria pasta;
    r.Grava(pasta / "resumo.txt");
    EXPECT_EQ(LeArquivo(pasta / "resumo.txt"), bytes);
}

// On a real run the summary finds the figures of the run's message.
TEST(ResumoTermico, MesmoMaximoDaMensagemDaExecucao) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 3, "NCamadas": 2,
  "NCamadasMembro": 2, "TempoTotal": 120, "PassoTempo": 1, "Fundacao": true, "TAmbConst": 22, "BetaSup": 43200,
  "Camadas": [{"K": 2.4, "Espessura": 1.5, "XIni": 0, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 8, "TInicial": 22},
              {"K": 2.4, "Espessura": 1.5, "XIni": 1.5, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 32, "TInicial": 24}],
  "CalorCamadas": [{"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7}]})");
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(pasta / "p.n1d.json", *dados);
    dados->NElemAtivos = dados->NElemCamada;
    HistoricoNumerico tabela;
    Progresso progresso;
    const ResultadoTransiente run = TProcesso::ProcessaTransiente(*dados, tabela, progresso);
    ASSERT_TRUE(run.Completo);
    const TResumoTermico r = TResumoTermico::Calcula(*dados, tabela, 70.0);
    EXPECT_EQ(TProcesso::MensagemMaxima(r.TMaxima, r.NoTMax, r.HoraTMax), run.Mensagem);
    // Layer 1 is the foundation: only lift 2 has a difference, from its placement on.
    EXPECT_EQ(r.Diferenca.size(), 88u);
    ASSERT_EQ(r.Camadas.size(), 1u);
    EXPECT_EQ(r.Camadas[0].Camada, 2);
}

}  // namespace

namespace {

// After a complete run the peak is still the table's: the run's own 77,29 at node 3,
// hour 12 (a value the table never shows) is not the summary's.
TEST(ResumoTermico, AposExecucaoCompletaOPicoEODaTabela) {
    Historico h;
    h.dados->TermicoCompleto = true;
    h.dados->TMaxima = 77.29;
    h.dados->NoTMax = 3;
    h.dados->TempoTMax = 12;
    const TResumoTermico r = TResumoTermico::Calcula(*h.dados, NumerosDe(h.tabela), 70.0);
    EXPECT_EQ(r.NoTMax, 2);
    EXPECT_EQ(r.HoraTMax, 11.0);
    EXPECT_NE(r.Texto().find("\nTemperatura máxima: 72,00 °C no Nó 2, na hora 11.\n"), std::string::npos);
}

}  // namespace
