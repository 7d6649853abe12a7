#include <gtest/gtest.h>

#include "MembroTeste.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/PosProcesso.h"
#include "core/TabelaTexto.h"

namespace {

TEST(Extremos, MaximoEMinimoDeUmVetor) {
    const double um[] = {0, 4.5};
    const double v[] = {0, 3, 5, 5};
    const double w[] = {99, -1, -7, 2, -7};
    EXPECT_EQ(TPosProcesso::MaximoVetor(um, 1), 4.5);
    EXPECT_EQ(TPosProcesso::MaximoVetor(um, 0), 4.5);
    EXPECT_EQ(TPosProcesso::MaximoVetor(v, 3), 5);
    EXPECT_EQ(TPosProcesso::MinimoVetor(w, 4), -7);
    EXPECT_EQ(TPosProcesso::MaximoVetor(w, 4), 2);  // slot 0 is not an entry
}

// The numbers of a table typed as text (a cell that is not a number stays empty).
HistoricoNumerico Numerico(const TabelaTexto& t) { return HistoricoNumerico::DoTexto(t, 2); }

// A history of 3 nodes whose rows go from `minimo` to `maximo`.
TabelaTexto Historico(double minimo, double maximo) {
    TabelaTexto t(4, 4);
    const double linhas[3][3] = {{20, 21, 22}, {minimo, 30, 31}, {25, maximo, 26}};
    for (int r = 1; r <= 3; ++r) {
        t.Celula(0, r) = Numeros::FormataInteiro(r);
        for (int c = 1; c <= 3; ++c) t.Celula(c, r) = Numeros::FormataFixo(linhas[r - 1][c - 1], 7, 2);
    }
    return t;
}

TEST(Escala, SoSeAlargaAoLongoDasRodadas) {
    auto d = teste::Membro(1, 2, 0, 0, 3);
    d->NElemAtivos = 2;
    EXPECT_EQ(d->TMaxEscala, 0.0);
    EXPECT_EQ(d->TMinEscala, 10000.0);
    TPosProcesso::PosProcessa(*d, Numerico(Historico(12.3, 47.9)), nullptr);
    EXPECT_DOUBLE_EQ(d->TMinEscala, 12.3);
    EXPECT_DOUBLE_EQ(d->TMaxEscala, 47.9);
    TPosProcesso::PosProcessa(*d, Numerico(Historico(15.0, 40.0)), nullptr);
    EXPECT_DOUBLE_EQ(d->TMinEscala, 12.3);
    EXPECT_DOUBLE_EQ(d->TMaxEscala, 47.9);
    TPosProcesso::PosProcessa(*d, Numerico(Historico(10.0, 45.0)), nullptr);
    EXPECT_DOUBLE_EQ(d->TMinEscala, 10.0);
    EXPECT_DOUBLE_EQ(d->TMaxEscala, 47.9);
}

TEST(Escala, ValoresDaTabelaArredondadosEApenasNosAtivos) {
    auto d = teste::Membro(1, 2, 0, 0, 3);
    d->NElemAtivos = 1;  // node 3 is not read
    TabelaTexto t = Historico(12.345, 47.9);
    t.Celula(3, 2) = "  99,00";
    TPosProcesso::PosProcessa(*d, Numerico(t), nullptr);
    EXPECT_DOUBLE_EQ(d->TMinEscala, 12.35);  // what the table shows
    EXPECT_DOUBLE_EQ(d->TMaxEscala, 47.9);
}

TEST(Escala, LinhasSemPassoSaoIgnoradasCelulaInvalidaNao) {
    auto d = teste::Membro(1, 2, 0, 0, 3);
    d->NElemAtivos = 2;
    TabelaTexto t = Historico(12.3, 47.9);
    t.DefineLinhas(6);  // rows 4 and 5 hold no step
    EXPECT_NO_THROW(TPosProcesso::PosProcessa(*d, Numerico(t), nullptr));
    t.Celula(0, 5) = Numeros::FormataInteiro(5);
    t.Celula(1, 5).append("abc");
    EXPECT_THROW(TPosProcesso::PosProcessa(*d, Numerico(t), nullptr), ErroConversao);
}

}  // namespace
