#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Erros.h"
#include "results/ExportaNos.h"

namespace {

// Hours 6, 7, 8 of a member of 3 nodes.
TabelaTexto Tabela3Nos() {
    TabelaTexto t(4, 4);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c <= 3; ++c) t.Celula(c, 0) = "    Nó " + std::to_string(c);
    const char* valores[3][3] = {{"  25,31", "  26,00", "   0,00"},
                                 {"  27,45", "  28,10", "  -1,50"},
                                 {"  30,02", "  31,99", " 100,25"}};
    for (int r = 1; r <= 3; ++r) {
        t.Celula(0, r) = std::to_string(r + 5);
        for (int c = 1; c <= 3; ++c) t.Celula(c, r) = valores[r - 1][c - 1];
    }
    return t;
}

TEST(ExportaNos, DoisNosLadoALado) {
    const std::string sete(7, ' ');
    const std::string esperado = "\r\nt[h]       N\xF3:3" + std::string(10, ' ') + "N\xF3:1" + std::string(10, ' ') +
                                 "\r\n6" + sete + "   0,00" + sete + "  25,31" + sete +  //
                                 "\r\n7" + sete + "  -1,50" + sete + "  27,45" + sete +  //
                                 "\r\n8" + sete + " 100,25" + sete + "  30,02" + sete;
    EXPECT_EQ(ExportaNos::Bytes(Tabela3Nos(), {3, 1}), esperado);
}

TEST(ExportaNos, DezNosComRepeticaoContamPosicoesNaoNumeros) {
    const std::vector<int> nos = {1, 2, 3, 1, 2, 3, 1, 2, 3, 2};
    const std::string bytes = ExportaNos::Bytes(Tabela3Nos(), nos);
    std::string cabecalho = "\r\nt[h]       ";
    for (int j = 0; j < 9; ++j) cabecalho += "N\xF3:" + std::to_string(nos[j]) + std::string(10, ' ');
    cabecalho += "N\xF3:2" + std::string(9, ' ');  // the tenth position gets nine blanks
    ASSERT_GE(bytes.size(), cabecalho.size());
    EXPECT_EQ(bytes.substr(0, cabecalho.size()), cabecalho);
    // The same node twice gives two identical columns.
    const std::string linha6 = "\r\n6" + std::string(7, ' ') + "  25,31       " + "  26,00       " + "   0,00       " +
                               "  25,31       " + "  26,00       " + "   0,00       " + "  25,31       " +
                               "  26,00       " + "   0,00       " + "  26,00       ";
    EXPECT_EQ(bytes.substr(cabecalho.size(), linha6.size()), linha6);
}

TEST(ExportaNos, ListaVaziaSoQuebrasDeLinha) {
    EXPECT_EQ(ExportaNos::Bytes(Tabela3Nos(), {}), "\r\n\r\n\r\n\r\n");
}

TEST(ExportaNos, LinhasSemPassoNaoSaemETempoInvalidoFalha) {
    TabelaTexto t = Tabela3Nos();
    t.DefineLinhas(6);  // two rows never written
    EXPECT_EQ(ExportaNos::Bytes(t, {1}), ExportaNos::Bytes(Tabela3Nos(), {1}));
    t.Celula(0, 2) = "7,5";
    try {
        ExportaNos::Bytes(t, {1});
        FAIL() << "hora não inteira aceita";
    } catch (const ErroEntrada& e) {
        EXPECT_STREQ(e.what(), "Não foi possível salvar o arquivo");
    }
}

struct CasoLacuna {
    long long hora;
    int brancos;
};
class LacunaTempoTeste : public ::testing::TestWithParam<CasoLacuna> {};
TEST_P(LacunaTempoTeste, BrancosAposAHora) { EXPECT_EQ(ExportaNos::LacunaTempo(GetParam().hora), GetParam().brancos); }
INSTANTIATE_TEST_SUITE_P(Limites, LacunaTempoTeste,
                         ::testing::Values(CasoLacuna{1, 7}, CasoLacuna{9, 7}, CasoLacuna{10, 6}, CasoLacuna{99, 6},
                                           CasoLacuna{100, 5}, CasoLacuna{999, 5}, CasoLacuna{1000, 4},
                                           CasoLacuna{5000, 4}));

TEST(ExportaNos, GravaOsMesmosBytesEAvisaCadaLinha) {
    const auto pasta = std::filesystem::temp_directory_path() / "norvik_exportanos";
    std::filesystem::create_directories(pasta);
    const auto caminho = pasta / "nos.txt";
    std::vector<int> avisos;
    ExportaNos::Grava(caminho.string(), Tabela3Nos(), {2}, [&](int i) { avisos.push_back(i); });
    std::ifstream f(caminho, std::ios::binary);
    const std::string lido((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(lido, ExportaNos::Bytes(Tabela3Nos(), {2}));
    EXPECT_EQ(avisos, (std::vector<int>{1, 2, 3, 4}));
    std::filesystem::remove_all(pasta);
}

}  // namespace
