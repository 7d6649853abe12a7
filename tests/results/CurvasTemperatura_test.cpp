#include "TabelaNumerica.h"
#include "results/CurvasTemperatura.h"

#include <gtest/gtest.h>

using CurvasTemperatura::Ponto;

namespace {
// Three nodes, hours 1..4; row 5 never written by the analysis.
TabelaTexto Historico() {
    TabelaTexto t(4, 7);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int n = 1; n <= 3; ++n) t.Celula(n, 0) = "    Nó " + std::to_string(n);
    const char* linhas[4][4] = {{"      1", "  20,50", "   0,00", "  21,00"},
                                {"      2", "  22,25", "  23,00", "   0,00"},
                                {"      3", "   0,00", "  25,75", "  -1,50"},
                                {"      4", "  24,00", "  abc", "  26,00"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) t.Celula(c, r + 1) = linhas[r][c];
    return t;
}
}  // namespace

TEST(CurvasTemperatura, HistoricoPulaZerosEParaNaCelulaVazia) {
    const TabelaTexto t = Historico();
    EXPECT_EQ(CurvasTemperatura::HistoricoNo(NumerosDe(t), 1),
              (std::vector<Ponto>{{1, 20.5}, {2, 22.25}, {4, 24.0}}));
    // A cell that does not convert ends the curve, keeping what came before.
    EXPECT_EQ(CurvasTemperatura::HistoricoNo(NumerosDe(t), 2), (std::vector<Ponto>{{2, 23.0}, {3, 25.75}}));
    EXPECT_EQ(CurvasTemperatura::HistoricoNo(NumerosDe(t), 3),
              (std::vector<Ponto>{{1, 21.0}, {3, -1.5}, {4, 26.0}}));
    // Columns outside the table.
    EXPECT_TRUE(CurvasTemperatura::HistoricoNo(NumerosDe(t), 0).empty());
    EXPECT_TRUE(CurvasTemperatura::HistoricoNo(NumerosDe(t), 4).empty());
    EXPECT_TRUE(CurvasTemperatura::HistoricoNo(HistoricoNumerico(4, 2000), 1).empty());
}

TEST(CurvasTemperatura, PerfilLeALinhaPulaZerosEParaNoCabecalho) {
    const TabelaTexto t = Historico();
    EXPECT_EQ(CurvasTemperatura::PerfilLinha(NumerosDe(t), 1, 3), (std::vector<Ponto>{{1, 20.5}, {3, 21.0}}));
    EXPECT_EQ(CurvasTemperatura::PerfilLinha(NumerosDe(t), 3, 3), (std::vector<Ponto>{{2, 25.75}, {3, -1.5}}));
    EXPECT_EQ(CurvasTemperatura::PerfilLinha(NumerosDe(t), 4, 3), (std::vector<Ponto>{{1, 24.0}}));
    // Only the nodes asked for.
    EXPECT_EQ(CurvasTemperatura::PerfilLinha(NumerosDe(t), 2, 1), (std::vector<Ponto>{{1, 22.25}}));
    // The header row holds no numbers; rows outside the table give nothing; a node
    // count beyond the columns stops at the last column.
    EXPECT_TRUE(CurvasTemperatura::PerfilLinha(NumerosDe(t), 0, 3).empty());
    EXPECT_TRUE(CurvasTemperatura::PerfilLinha(NumerosDe(t), 5, 3).empty());
    EXPECT_TRUE(CurvasTemperatura::PerfilLinha(NumerosDe(t), -1, 3).empty());
    EXPECT_TRUE(CurvasTemperatura::PerfilLinha(NumerosDe(t), 99, 3).empty());
    EXPECT_EQ(CurvasTemperatura::PerfilLinha(NumerosDe(t), 1, 300).size(), 2u);
}
