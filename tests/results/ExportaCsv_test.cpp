// Spreadsheets: what a Brazilian spreadsheet needs to open them right (mark, ";", decimal
// comma, units in the header, one row per computed hour), and their writing whole or not at all.
#include "results/ExportaCsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "core/Erros.h"

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

}  // namespace
