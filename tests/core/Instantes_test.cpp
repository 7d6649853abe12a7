#include "core/Instantes.h"

#include <gtest/gtest.h>

#include <memory>

#include "MembroTeste.h"
#include "core/Processo.h"

namespace {

struct CasoHora {
    int passo;
    long long hora;
    int exata;      // LinhaDaHora
    int proxima;    // LinhaMaisProxima, from row 1
    int comTopo;    // LinhaMaisProxima, from row 0 (the placement of layer 1)
};
class HoraParaLinha : public ::testing::TestWithParam<CasoHora> {};

// Layer 1 placed at hour 6, analysis to 30 h.
TEST_P(HoraParaLinha, TodosOsLeitoresUsamAMesmaLinha) {
    const CasoHora c = GetParam();
    auto d = teste::Membro(1, 2, 6, 0, 30);
    d->PassoTempo = c.passo;
    EXPECT_EQ(Instantes::LinhaDaHora(*d, c.hora), c.exata);
    EXPECT_EQ(Instantes::LinhaMaisProxima(*d, c.hora), c.proxima);
    EXPECT_EQ(Instantes::LinhaMaisProxima(*d, c.hora, 0), c.comTopo);
}
INSTANTIATE_TEST_SUITE_P(
    Instantes, HoraParaLinha,
    ::testing::Values(CasoHora{1, 7, 1, 1, 1}, CasoHora{1, 30, 24, 24, 24}, CasoHora{1, 6, 0, 1, 0},
                      CasoHora{1, 3, -1, 1, 0}, CasoHora{1, 600, 594, 24, 24},
                      CasoHora{2, 8, 1, 1, 1}, CasoHora{2, 9, -1, 2, 2},  // halfway: the later step
                      CasoHora{2, 7, -1, 1, 1}, CasoHora{2, 30, 12, 12, 12}, CasoHora{2, 31, -1, 12, 12},
                      CasoHora{4, 29, -1, 6, 6}, CasoHora{4, 27, -1, 5, 5}, CasoHora{3, 6, 0, 1, 0}));

// With a step above one hour the history holds one row per computed step, the hour
// of row k being t0 + k·PassoTempo; the end hours of the choosers are those rows'.
TEST(Instantes, TabelaDeUmaLinhaPorPassoCalculado) {
    auto d = teste::Membro(1, 2, 6, 0, 30);
    d->PassoTempo = 2;
    TabelaTexto t;
    teste::Gravador p;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*d, t, p).Completo);
    ASSERT_EQ(t.Linhas(), Instantes::Passos(*d) + 1);
    for (int r = 1; r < t.Linhas(); ++r) EXPECT_EQ(t.Valor(0, r), Instantes::HoraDaLinha(*d, r)) << r;
    EXPECT_EQ(Instantes::PrimeiraHora(*d), 8);
    EXPECT_EQ(Instantes::UltimaHora(*d), 30);
}

struct CasoFim {
    const char* nome;
    int t0;
    int passo;
    double total;
    FimTransiente motivo;
    const char* mensagem;
};
class FimDaAnalise : public ::testing::TestWithParam<CasoFim> {};

// The run says why it ended; the window and the batch tool show these words.
TEST_P(FimDaAnalise, DizPorQueParou) {
    const CasoFim c = GetParam();
    auto d = teste::Membro(1, 2, c.t0, 0, c.total);
    d->PassoTempo = c.passo;
    TabelaTexto t;
    teste::Gravador p;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*d, t, p);
    EXPECT_EQ(r.Completo, c.motivo == FimTransiente::Completo);
    EXPECT_EQ(r.Motivo, c.motivo);
    EXPECT_EQ(TProcesso::MensagemFim(r, *d), c.mensagem);
}
INSTANTIATE_TEST_SUITE_P(
    Fim, FimDaAnalise,
    ::testing::Values(
        CasoFim{"Completa", 6, 2, 30, FimTransiente::Completo, ""},
        CasoFim{"PassoPassaDoTotal", 6, 4, 72, FimTransiente::PassoPassaDoTotal,
                "A análise parou em 70 h, antes do tempo total de 72 h: com passos de 4 h desde a concretagem da "
                "camada 1 (hora 6), o passo seguinte passaria do tempo total."},
        CasoFim{"SemDuracao", 8, 1, 8, FimTransiente::SemDuracao,
                "A análise não calculou nenhum passo: a camada 1 é concretada na hora 8, que é o próprio tempo "
                "total de 8 h. Aumente o tempo total."},
        CasoFim{"CamadaAposOTotal", 2147483646, 1, 72, FimTransiente::CamadaAposOTotal,
                "A análise não calculou nenhum passo: a camada 1 é concretada na hora 2147483646, depois do "
                "tempo total de 72 h. Corrija a hora de concretagem da camada 1 ou o tempo total."}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
