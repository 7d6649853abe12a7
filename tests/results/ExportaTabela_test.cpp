#include "results/ExportaTabela.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/Historico.h"
#include "core/Numeros.h"

namespace {

// A table as the thermal run fills it: header row, hour column, "%7.2f" cells.
TabelaTexto Tabela(int nos, int linhas, int t0 = 6) {
    TabelaTexto t(nos + 1, linhas);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c <= nos; ++c) t.Celula(c, 0) = "    N\xC3\xB3 " + std::to_string(c);
    for (int r = 1; r < linhas; ++r) {
        t.Celula(0, r) = std::to_string(t0 + r);
        for (int c = 1; c <= nos; ++c) t.Celula(c, r) = Numeros::FormataFixo(20.0 + c + r * 0.01, 7, 2);
    }
    return t;
}

const std::string Sete(7, ' ');

TEST(ExportaTabela, TresNosByteAByte) {
    TabelaTexto t = Tabela(3, 3);
    t.Celula(2, 1) = "  25,31";
    t.Celula(3, 2) = " -10,00";
    const std::string esperado =
        "\r\n"
        "t[h]   "
        "    N\xF3 1      "
        "    N\xF3 2      "
        "    N\xF3 3      "
        "\r\n"
        "7" + Sete + "  21,01" + Sete + "  25,31" + Sete + "  23,01" + Sete +
        "\r\n"
        "8" + Sete + "  21,02" + Sete + "  22,02" + Sete + " -10,00" + Sete;
    const std::string bytes = ExportaTabela::Bytes(t, 2);
    EXPECT_EQ(bytes, esperado);
    // The header line: 7 + 3 x 14 characters.
    EXPECT_EQ(bytes.find("\r\n", 2) - 2, 49u);
}

TEST(ExportaTabela, DezNosSeparadoresDoCabecalho) {
    const TabelaTexto t = Tabela(10, 2);
    std::string cabecalho = "t[h]   ";
    for (int c = 1; c <= 8; ++c) cabecalho += "    N\xF3 " + std::to_string(c) + "      ";
    cabecalho += "    N\xF3 9     ";
    cabecalho += "    N\xF3 10     ";
    std::string dados = "7" + Sete;
    for (int c = 1; c <= 10; ++c) dados += Numeros::FormataFixo(20.01 + c, 7, 2) + Sete;
    EXPECT_EQ(ExportaTabela::Bytes(t, 9), "\r\n" + cabecalho + "\r\n" + dados);
}

struct CasoColunas {
    const char* nome;
    int nos;
    int nElemAtivos;
    int esperado;
};

class ExportaColunas : public ::testing::TestWithParam<CasoColunas> {};

// Only the time column and the active nodes; never a column beyond the table.
TEST_P(ExportaColunas, ColunasExportadas) {
    const CasoColunas& c = GetParam();
    const TabelaTexto t = Tabela(c.nos, 3);
    EXPECT_EQ(ExportaTabela::ColunasExportadas(t, c.nElemAtivos), c.esperado);
    const std::string bytes = ExportaTabela::Bytes(t, c.nElemAtivos);
    const std::string ultima = bytes.substr(bytes.rfind("\r\n") + 2);
    EXPECT_EQ(ultima.size(), 1 + 7 + static_cast<std::size_t>(c.esperado - 1) * 14);
}

INSTANTIATE_TEST_SUITE_P(Casos, ExportaColunas,
                         ::testing::Values(CasoColunas{"SoAsCamadasColocadas", 13, 4, 6},
                                           CasoColunas{"MembroCompleto", 13, 12, 14},
                                           CasoColunas{"AtivosAlemDaTabela", 5, 40, 6},
                                           CasoColunas{"NenhumElemento", 5, 0, 2}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(ExportaTabela, SoOCabecalho) {
    const TabelaTexto t = Tabela(2, 1);
    EXPECT_EQ(ExportaTabela::Bytes(t, 1), "\r\nt[h]   " "    N\xF3 1      " "    N\xF3 2      ");
}

TEST(ExportaTabela, GravaOsMesmosBytesEAvisaCadaLinha) {
    PastaTemporaria pasta;
    const TabelaTexto t = Tabela(13, 50);
    std::vector<int> linhas;
    const std::string caminho = pasta / "tudo.txt.txt";
    ExportaTabela::Grava(caminho, t, 12, [&](int r) { linhas.push_back(r); });
    EXPECT_EQ(LeArquivo(caminho), ExportaTabela::Bytes(t, 12));
    ASSERT_EQ(linhas.size(), 50u);
    EXPECT_EQ(linhas.front(), 1);
    EXPECT_EQ(linhas.back(), 50);
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

TEST(ExportaTabela, DiscoCheioNaoEhSucessoENaoEstragaOArquivoAnterior) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "t.txt";
    GravaArquivo(caminho, "anterior");
    const TabelaTexto t = Tabela(100, 200);
    try {
        DiscoCheio cheio(100000);
        ExportaTabela::Grava(caminho, t, 99);
        FAIL() << "a gravação deveria falhar";
    } catch (const ErroEntrada& e) {
        // The failure names the file and the reason.
        EXPECT_EQ(std::string(e.what()),
                  "Não foi possível salvar o arquivo \"" + caminho + "\": o arquivo passa do tamanho que o sistema permite");
    }
    EXPECT_EQ(LeArquivo(caminho), "anterior");
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

TEST(ExportaTabela, PastaQueSumiuDuranteAGravacao) {
    PastaTemporaria pasta;
    const std::filesystem::path sub = pasta.Caminho() / "sub";
    std::filesystem::create_directory(sub);
    const TabelaTexto t = Tabela(3, 10);
    EXPECT_THROW(ExportaTabela::Grava((sub / "t.txt").string(), t, 2,
                                      [&](int r) {
                                          if (r == 5) std::filesystem::remove_all(sub);
                                      }),
                 ErroEntrada);
    EXPECT_FALSE(std::filesystem::exists(sub));
}

TEST(ExportaTabela, PastaInexistenteNaoCriaNada) {
    PastaTemporaria pasta;
    try {
        ExportaTabela::Grava(pasta / "nao/existe.txt", Tabela(3, 3), 2);
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("a pasta não existe"), std::string::npos) << e.what();
    }
}

// Written a block of rows at a time from the numbers, the file is the one made from the
// whole text: row counts around the block size, with and without the header, cells left
// empty, fewer nodes placed than the table holds.
TEST(ExportaTabela, PorBlocosIgualAoTextoInteiro) {
    for (const int linhas : {0, 1, 2, 63, 64, 65, 128, 129, 300}) {
        for (const bool cabecalho : {true, false}) {
            HistoricoNumerico h(5, linhas, 4);
            if (cabecalho) h.EscreveCabecalho();
            for (int r = 1; r < linhas; ++r) {
                h.Define(0, r, 6 + r);
                for (int c = 1; c < 5; ++c)
                    if ((r + c) % 7 != 0) h.Define(c, r, Numeros::ArredondaFixo(-1.5 + 0.0137 * r * c, 4));
            }
            for (const int ativos : {2, 4}) {
                std::string porBlocos;
                int pedacos = 0;
                ExportaTabela::Escreve(h, ativos, [&](std::string_view b) {
                    porBlocos.append(b);
                    ++pedacos;
                });
                EXPECT_EQ(porBlocos, ExportaTabela::Bytes(h.Texto(), ativos)) << linhas << ' ' << cabecalho << ' ' << ativos;
                EXPECT_EQ(pedacos, (linhas + 63) / 64) << linhas;
            }
        }
    }
}

}  // namespace
