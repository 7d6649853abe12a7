// Spreadsheets: what a Brazilian spreadsheet needs to open them right (mark, ";", decimal
// comma, units in the header, one row per computed hour), and their writing whole or not at all.
#include "TabelaNumerica.h"
#include "results/ExportaCsv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/Historico.h"
#include "core/Numeros.h"
#include "core/Progresso.h"
#include "analise/Analise.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

namespace {

// Three nodes; the row of hour 3 was never written (blank time cell) and node 3 had not
// been placed at hour 1 (empty cell).
TabelaTexto Historico() {
    TabelaTexto t(4, 5);
    const std::vector<std::vector<std::string>> linhas = {{"  Tempo[h]", "    Nó 1", "    Nó 2", "    Nó 3"},
                                                          {"1", "  20,00", "  21,50", ""},
                                                          {"2", "  22,25", "  -3,10", " 100,00"},
                                                          {"", "", "", ""},
                                                          {"4", "  23,00", "  24,00", "  25,00"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) t.Celula(c, r) = linhas[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    return t;
}

struct CasoTabela {
    const char* nome;
    int nElemAtivos;
    std::vector<int> nos;  // empty: the whole table
    const char* unidade;
    std::string esperado;
};
class PlanilhaDoHistorico : public ::testing::TestWithParam<CasoTabela> {};

TEST_P(PlanilhaDoHistorico, BytesDaPlanilha) {
    const CasoTabela& c = GetParam();
    const TabelaTexto t = Historico();
    const std::string bytes =
        c.nos.empty() ? ExportaCsv::Tabela(t, c.nElemAtivos, c.unidade) : ExportaCsv::Nos(t, c.nos, c.unidade);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + c.esperado);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, PlanilhaDoHistorico,
    ::testing::Values(
        CasoTabela{"TodosOsNos", 2, {}, "°C",
                   "t [h];Nó 1 [°C];Nó 2 [°C];Nó 3 [°C]\r\n1;20,00;21,50;\r\n2;22,25;-3,10;100,00\r\n"
                   "4;23,00;24,00;25,00\r\n"},
        // As "Salvar Tudo": only the active nodes.
        CasoTabela{"SoOsAtivos", 1, {}, "MPa",
                   "t [h];Nó 1 [MPa];Nó 2 [MPa]\r\n1;20,00;21,50\r\n2;22,25;-3,10\r\n4;23,00;24,00\r\n"},
        CasoTabela{"NosNaOrdemDaLista", 2, {3, 1}, "°C",
                   "t [h];Nó 3 [°C];Nó 1 [°C]\r\n1;;20,00\r\n2;100,00;22,25\r\n4;25,00;23,00\r\n"}),
    [](const auto& info) { return std::string(info.param.nome); });

// Two layers of two elements, layer 1 placed at hour 1 and layer 2 at hour 3, to hour 5:
// the temperature table holds "0,00" for the nodes of layer 2 (4 and 5) until the step
// that starts at hour 3 has placed it; the spreadsheet leaves them empty, the joint (3)
// being layer 1's. The stress table (no member given) is written as it is.
struct CasoColocacao {
    const char* nome;
    int passo;
    bool membro;
    std::vector<int> nos;  // empty: the whole table
    std::string esperado;
};
class PlanilhaSemNosNaoColocados : public ::testing::TestWithParam<CasoColocacao> {};

TEST_P(PlanilhaSemNosNaoColocados, CelulasVazias) {
    const CasoColocacao& c = GetParam();
    TDadosModelo d;
    d.NCamadas = d.NCamadasMembro = 2;
    d.NElemCamada = 2;
    d.PassoTempo = c.passo;
    d.TempoTotal = 5;
    d.Camadas[1].HoraConcretagem = 1;
    d.Camadas[2].HoraConcretagem = 3;
    const std::vector<int> horas = c.passo == 1 ? std::vector<int>{2, 3, 4, 5} : std::vector<int>{3, 5};
    TabelaTexto t(6, static_cast<int>(horas.size()) + 1);
    for (std::size_t r = 1; r <= horas.size(); ++r) {
        const int hora = horas[r - 1];
        t.Celula(0, static_cast<int>(r)) = std::to_string(hora);
        for (int n = 1; n <= 5; ++n) t.Celula(n, static_cast<int>(r)) = n <= 3 || hora > 3 ? "  2" + std::to_string(n) + ",00" : "   0,00";
    }
    const TDadosModelo* membro = c.membro ? &d : nullptr;
    const std::string bytes = c.nos.empty() ? ExportaCsv::Tabela(t, 4, "°C", membro) : ExportaCsv::Nos(t, c.nos, "°C", membro);
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + c.esperado);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, PlanilhaSemNosNaoColocados,
    ::testing::Values(
        CasoColocacao{"HoraAHora", 1, true, {},
                      "t [h];Nó 1 [°C];Nó 2 [°C];Nó 3 [°C];Nó 4 [°C];Nó 5 [°C]\r\n2;21,00;22,00;23,00;;\r\n"
                      "3;21,00;22,00;23,00;;\r\n4;21,00;22,00;23,00;24,00;25,00\r\n5;21,00;22,00;23,00;24,00;25,00\r\n"},
        CasoColocacao{"PassoDeDuasHoras", 2, true, {},
                      "t [h];Nó 1 [°C];Nó 2 [°C];Nó 3 [°C];Nó 4 [°C];Nó 5 [°C]\r\n3;21,00;22,00;23,00;;\r\n"
                      "5;21,00;22,00;23,00;24,00;25,00\r\n"},
        CasoColocacao{"NosEscolhidos", 1, true, {5, 3},
                      "t [h];Nó 5 [°C];Nó 3 [°C]\r\n2;;23,00\r\n3;;23,00\r\n4;25,00;23,00\r\n5;25,00;23,00\r\n"},
        CasoColocacao{"SemMembroComoATabela", 2, false, {},
                      "t [h];Nó 1 [°C];Nó 2 [°C];Nó 3 [°C];Nó 4 [°C];Nó 5 [°C]\r\n3;21,00;22,00;23,00;0,00;0,00\r\n"
                      "5;21,00;22,00;23,00;24,00;25,00\r\n"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(PlanilhaDoHistorico, NoForaDaTabelaRecusado) {
    EXPECT_THROW(ExportaCsv::Nos(Historico(), {1, 4}, "°C"), ErroEntrada);
    EXPECT_THROW(ExportaCsv::Nos(Historico(), {0}, "°C"), ErroEntrada);
}

struct CasoCampo {
    const char* texto;
    const char* campo;
};
class CampoDaPlanilha : public ::testing::TestWithParam<CasoCampo> {};
TEST_P(CampoDaPlanilha, AspasSoQuandoPrecisa) {
    EXPECT_EQ(ExportaCsv::Campo(GetParam().texto), GetParam().campo);
}
INSTANTIATE_TEST_SUITE_P(Casos, CampoDaPlanilha,
                         ::testing::Values(CasoCampo{"12,5", "12,5"}, CasoCampo{"a;b", "\"a;b\""},
                                           CasoCampo{"diz \"sim\"", "\"diz \"\"sim\"\"\""},
                                           CasoCampo{"duas\nlinhas", "\"duas\nlinhas\""}, CasoCampo{"", ""}));

// A missing folder is refused with the reason; a full disk leaves the earlier file.
TEST(GravaPlanilha, PastaInexistenteEDiscoCheio) {
    PastaTemporaria pasta;
    try {
        ExportaCsv::Grava(pasta / "nao/t.csv", "x");
        ADD_FAILURE() << "gravou numa pasta que não existe";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("a pasta não existe"), std::string::npos) << e.what();
    }
    EXPECT_EQ(pasta.QuantosArquivos(), 0);

    GravaArquivo(pasta / "t.csv", "anterior");
    {
        DiscoCheio cheio(1000);
        EXPECT_THROW(ExportaCsv::Grava(pasta / "t.csv", std::string(5000, 'x')), ErroEntrada);
    }
    EXPECT_EQ(LeArquivo(pasta / "t.csv"), "anterior");
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
    ExportaCsv::Grava(pasta / "t.csv", ExportaCsv::Tabela(Historico(), 2, "°C"));
    EXPECT_EQ(LeArquivo(pasta / "t.csv"), ExportaCsv::Tabela(Historico(), 2, "°C"));
}

std::vector<std::string> LinhasCsv(const std::string& bytes) {
    std::vector<std::string> linhas;
    std::size_t i = 3;  // after the mark
    while (i < bytes.size()) {
        const std::size_t fim = bytes.find("\r\n", i);
        linhas.push_back(bytes.substr(i, fim - i));
        i = fim + 2;
    }
    return linhas;
}

// The summary of the foundation block (peak 63,75 °C at node 10, hour 255; lifts of 16,59,
// 26,20 and 31,06 °C): its figures, one lift a row, one node a row.
TEST(PlanilhaDoResumo, FigurasCamadasENos) {
    Progresso semJanela;
    const Analise ex = Analise::ExecutaArquivo(
        std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json", {}, semJanela);
    const TResumoTermico r = TResumoTermico::Calcula(*ex.Dados, ex.Temperaturas, 60.0);
    const std::vector<std::string> l = LinhasCsv(ExportaCsv::Resumo(r));
    auto tem = [&l](const std::string& linha) { return std::find(l.begin(), l.end(), linha) != l.end(); };
    EXPECT_EQ(l.front(), "Grandeza;Valor;Unidade");
    EXPECT_TRUE(tem("Temperatura máxima;63,75;°C"));
    EXPECT_TRUE(tem("Nó da temperatura máxima;10;"));
    EXPECT_TRUE(tem("Hora da temperatura máxima;255;h"));
    EXPECT_TRUE(tem("Limite de temperatura;60;°C"));
    EXPECT_TRUE(tem("Camada;Diferença máxima [°C];t [h];Nó quente;Nó do topo"));
    EXPECT_TRUE(tem("1;16,59;78;3;5"));
    EXPECT_TRUE(tem("3;31,06;270;10;13"));
    EXPECT_TRUE(tem("Nó;Horas a 60 °C ou acima [h]"));
    // 10 figure rows, 1 + 3 lifts, 1 + 13 nodes, two blank lines between the blocks.
    EXPECT_EQ(l.size(), 10u + 4u + 14u + 2u);
    EXPECT_EQ(l.back().substr(0, 3), "13;");
}

// The index: a row per node with the same eight fields, the soil's and the untensioned ones blank.
TEST(PlanilhaDoIndice, UmaLinhaPorNo) {
    auto d = std::make_unique<TDadosModelo>();  // too large for the stack
    TDadosModelo& dados = *d;
    dados.NCamadas = 1;
    dados.NElemCamada = 2;
    dados.ResistTracaoA = 0.65271;
    dados.ResistTracaoB = 0.548387;
    TabelaTexto t(4, 3);
    const std::vector<std::vector<std::string>> linhas = {
        {"  Tempo[h]", "    Nó 1", "    Nó 2", "    Nó 3"}, {"24", " 0,5000", "-0,2000", "-0,9000"},
        {"48", " 0,4000", "-0,1000", "-2,0000"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) t.Celula(c, r) = linhas[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    const TIndiceFissuracao ind = TIndiceFissuracao::Calcula(dados, NumerosDe(t, 4), TCurvaTracao::Simples, 1.0);
    const std::vector<std::string> l = LinhasCsv(ExportaCsv::Indice(ind));
    ASSERT_EQ(l.size(), 4u);
    for (const auto& linha : l) EXPECT_EQ(std::count(linha.begin(), linha.end(), ';'), 7) << linha;
    EXPECT_EQ(l[1], "1;1;;;;;;sem tração");
    EXPECT_EQ(l[3].substr(0, 4), "3;1;");
    EXPECT_NE(l[3].find("abaixo do limite"), std::string::npos);
}

// Written a block of rows at a time from the numbers, the spreadsheet is the one made from
// the whole text: a member whose second layer is placed at hour 100, so the empty cells
// of its nodes end inside a block; rows left unreached; no rows at all.
TEST(PlanilhaDoHistorico, PorBlocosIgualAoTextoInteiro) {
    TDadosModelo d;
    d.NCamadas = d.NCamadasMembro = 2;
    d.NElemCamada = 2;
    d.PassoTempo = 1;
    d.TempoTotal = 300;
    d.Camadas[1].HoraConcretagem = 1;
    d.Camadas[2].HoraConcretagem = 100;
    for (const int linhas : {0, 1, 64, 65, 250, 300}) {
        HistoricoNumerico h(6, linhas, 2);
        if (linhas > 0) h.EscreveCabecalho();
        for (int r = 1; r < std::min(linhas, 240); ++r) {
            h.Define(0, r, 1 + r);
            for (int n = 1; n <= 5; ++n) h.Define(n, r, Numeros::ArredondaFixo(20.0 + 0.37 * n + 0.011 * r, 2));
        }
        for (const TDadosModelo* membro : {static_cast<const TDadosModelo*>(&d), static_cast<const TDadosModelo*>(nullptr)}) {
            std::string porBlocos;
            ExportaCsv::Escreve(h, 4, "°C", membro, [&](std::string_view b) { porBlocos.append(b); });
            EXPECT_EQ(porBlocos, ExportaCsv::Tabela(h.Texto(), 4, "°C", membro)) << linhas << ' ' << (membro != nullptr);
        }
    }
}

}  // namespace
