#include "core/Membro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "MembroTeste.h"
#include "core/Processo.h"

namespace {

// Layer counts × elements per layer × foundation × time step × placement interval
// (24 h lands on every step; 5 h misses the steps above one hour, so the run never
// places those layers). Layer 1 at hour 6, the analysis to a fractional end.
using Caso = std::tuple<int, int, bool, int, int>;

class RegrasDoMembro : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override {
        const auto [camadas, elementos, fundacao, passo, intervalo] = GetParam();
        d = teste::Membro(camadas, elementos, 6, intervalo, 6 + intervalo * camadas + 30.5);
        d->Fundacao = fundacao;
        d->PassoTempo = passo;
        for (int L = 1; L <= camadas; ++L) d->Camadas[L].Espessura = 0.3 + 0.1 * L;
    }
    std::unique_ptr<TDadosModelo> d;
};

// The numbering walked layer by layer: node 1, then each layer's elements, each
// adding the node at its top; the joint is the top of the layer below.
TEST_P(RegrasDoMembro, NosCamadasEElementosPercorrendoAsCamadas) {
    const int ne = d->NElemCamada;
    std::vector<int> camadaDoNo{0, 1};
    std::vector<int> camadaDoElemento{0};
    for (int L = 1; L <= d->NCamadas; ++L)
        for (int k = 1; k <= ne; ++k) {
            camadaDoElemento.push_back(L);
            camadaDoNo.push_back(L);
        }
    ASSERT_EQ(Membro::NumeroNos(*d), static_cast<long long>(camadaDoNo.size()) - 1);
    ASSERT_EQ(Membro::NumeroElementos(*d), static_cast<long long>(camadaDoElemento.size()) - 1);
    for (int n = 1; n < static_cast<int>(camadaDoNo.size()); ++n) {
        const int L = camadaDoNo[static_cast<std::size_t>(n)];
        EXPECT_EQ(Membro::CamadaDoNo(*d, n), L) << "nó " << n;
        EXPECT_EQ(Membro::NoDaFundacao(*d, n), d->Fundacao && L == 1) << "nó " << n;
        EXPECT_GE(n, Membro::PrimeiroNo(*d, L));
        EXPECT_LE(n, Membro::UltimoNo(*d, L));
    }
    for (int L = 1; L <= d->NCamadas; ++L) {
        EXPECT_EQ(camadaDoNo[static_cast<std::size_t>(Membro::PrimeiroNo(*d, L))], L);
        EXPECT_EQ(camadaDoNo[static_cast<std::size_t>(Membro::UltimoNo(*d, L))], L);
        EXPECT_EQ(Membro::CamadaDaFundacao(*d, L), d->Fundacao && L == 1);
    }
    for (int e = 1; e < static_cast<int>(camadaDoElemento.size()); ++e)
        EXPECT_EQ(Membro::CamadaDoElemento(*d, e), camadaDoElemento[static_cast<std::size_t>(e)]) << "elemento " << e;
    EXPECT_EQ(Membro::PrimeiraCamadaDeConcreto(*d), d->Fundacao ? 2 : 1);
    EXPECT_EQ(Membro::BaseDoConcreto(*d), d->Fundacao ? d->Camadas[1].Espessura : 0.0);
}

// Heights summed element by element, and those of the element table a run builds.
TEST_P(RegrasDoMembro, AlturasDosNosSaoAsDaMalhaDaAnalise) {
    std::vector<double> y{0.0, 0.0};
    for (int L = 1; L <= d->NCamadas; ++L)
        for (int k = 1; k <= d->NElemCamada; ++k) y.push_back(y.back() + d->Camadas[L].Espessura / d->NElemCamada);
    EXPECT_EQ(Membro::Alturas(*d), y);

    TabelaTexto t;
    teste::Gravador p;
    TProcesso::ProcessaTransiente(*d, t, p);
    // The run builds the elements of the layers it placed; the rest keep their start.
    for (int n = 1; n <= Membro::NosAtivos(*d); ++n)
        EXPECT_EQ(Membro::AlturaNaMalha(*d, n, d->NElemAtivos), y[static_cast<std::size_t>(n)]) << "nó " << n;
}

// The layers of each row, against the run itself: it writes its row hour by hour and
// ends with the layers of its last row.
TEST_P(RegrasDoMembro, CamadasColocadasSaoAsDaAnalise) {
    // The run's placement rule, stepped: the next layer enters at the start of the step
    // at its exact hour, one a step, never at hour 0.
    const int limite = std::min(d->NCamadas, d->NCamadasMembro);
    int camadas = 1;
    double tempo = d->Camadas[1].HoraConcretagem;
    EXPECT_EQ(Membro::CamadasColocadas(*d, tempo - 1), 0);
    for (int k = 1; k <= Membro::Passos(*d); ++k) {
        if (tempo != 0.0 && camadas < limite && d->Camadas[camadas + 1].HoraConcretagem == tempo) ++camadas;
        tempo += d->PassoTempo;
        ASSERT_EQ(Membro::HoraDaLinha(*d, k), tempo);
        EXPECT_EQ(Membro::CamadasColocadas(*d, tempo), camadas) << "hora " << tempo;
        int antes = 1;
        for (int L = 2; L <= d->NCamadas; ++L) antes += d->Camadas[L].HoraConcretagem < tempo;
        EXPECT_EQ(Membro::CamadasAntesDe(*d, tempo, d->NCamadas), antes) << "hora " << tempo;
    }
    TabelaTexto t;
    teste::Gravador p;
    TProcesso::ProcessaTransiente(*d, t, p);
    EXPECT_EQ(d->CamadaAtual, Membro::CamadasColocadas(*d, static_cast<double>(Membro::UltimaHora(*d))));
    EXPECT_EQ(d->NElemAtivos + 1, Membro::UltimoNo(*d, d->CamadaAtual));
}

// Hour ↔ row: every computed hour has its row and back; an hour between two steps has
// none and goes to the nearest (halfway: the later); every table agrees with the run.
TEST_P(RegrasDoMembro, HoraELinhaComUmaSoRegraParaTodoPasso) {
    const int P = d->PassoTempo;
    const long long t0 = d->Camadas[1].HoraConcretagem;
    const int passos = Membro::Passos(*d);
    EXPECT_EQ(passos, static_cast<int>(std::floor((d->TempoTotal - static_cast<double>(t0)) / P)));
    TabelaTexto t;
    teste::Gravador p;
    TProcesso::ProcessaTransiente(*d, t, p);
    for (int k = 1; k <= passos; ++k) EXPECT_EQ(t.Valor(0, k), Membro::HoraDaLinha(*d, k)) << "linha " << k;
    EXPECT_EQ(Membro::PrimeiraHora(*d), t0 + P);
    EXPECT_EQ(Membro::UltimaHora(*d), t0 + static_cast<long long>(passos) * P);
    for (long long h = t0 - 3; h <= Membro::UltimaHora(*d) + 3; ++h) {
        const bool calculada = h >= t0 && (h - t0) % P == 0;
        const int linha = Membro::LinhaDaHora(*d, h);
        EXPECT_EQ(linha, calculada ? static_cast<int>((h - t0) / P) : -1) << "hora " << h;
        if (calculada) {
            EXPECT_EQ(Membro::HoraDaLinha(*d, linha), static_cast<double>(h));
        }
        // The nearest computed step, by search over the rows.
        int melhor = 1;
        for (int k = 1; k <= std::max(passos, 1); ++k)
            if (std::abs(Membro::HoraDaLinha(*d, k) - static_cast<double>(h)) <=
                std::abs(Membro::HoraDaLinha(*d, melhor) - static_cast<double>(h)))
                melhor = k;
        EXPECT_EQ(Membro::LinhaMaisProxima(*d, h), melhor) << "hora " << h;
        EXPECT_EQ(Membro::LinhaHoraria(*d, h), h - t0);
    }
}

// The two clocks: the age of a layer and the absolute hour, each the other's inverse;
// a layer lives through the whole hours from its placement to Trunc(TempoTotal).
TEST_P(RegrasDoMembro, RelogioAbsolutoEIdadeDaCamada) {
    EXPECT_EQ(Membro::UltimaHoraInteira(*d), static_cast<long long>(d->TempoTotal));
    for (int L = 1; L <= d->NCamadas; ++L) {
        const double h = d->Camadas[L].HoraConcretagem;
        EXPECT_EQ(Membro::Lancamento(*d, L), h);
        EXPECT_EQ(Membro::Idade(*d, L, h + 17.5), 17.5);
        EXPECT_EQ(Membro::HoraAbsoluta(*d, L, Membro::Idade(*d, L, 123.0)), 123.0);
        EXPECT_EQ(Membro::HorasDaCamada(*d, L), static_cast<long long>(d->TempoTotal) - d->Camadas[L].HoraConcretagem);
    }
}

INSTANTIATE_TEST_SUITE_P(Membros, RegrasDoMembro,
                         ::testing::Combine(::testing::Values(1, 3, 4), ::testing::Values(1, 2, 4),
                                            ::testing::Bool(), ::testing::Values(1, 2, 3, 24),
                                            ::testing::Values(24, 5)));

// The schedule's day and hour of the day: day 1 begins at hour 0; hours before it fall
// in day 0 and earlier, and every hour goes back to itself.
TEST(DiaHora, DiaUmComecaNaHoraZero) {
    struct {
        long long hora, dia, horaDoDia;
    } casos[] = {{0, 1, 0}, {23, 1, 23}, {24, 2, 0}, {56, 3, 8}, {-1, 0, 23}, {-24, 0, 0}, {-25, -1, 23}};
    for (const auto& c : casos) {
        const Membro::DiaEHora dh = Membro::DiaHora(c.hora);
        EXPECT_EQ(dh.Dia, c.dia) << c.hora;
        EXPECT_EQ(dh.Hora, c.horaDoDia) << c.hora;
        EXPECT_EQ(Membro::HoraDoDia(dh.Dia, dh.Hora), c.hora);
    }
}

// The table's time cell of a fractional instant: Round, halves to the even hour.
TEST(HoraInteira, MetadeVaiParaOPar) {
    EXPECT_EQ(Membro::HoraInteira(30.5), 30);
    EXPECT_EQ(Membro::HoraInteira(31.5), 32);
    EXPECT_EQ(Membro::HoraInteira(30.4999), 30);
}

}  // namespace
