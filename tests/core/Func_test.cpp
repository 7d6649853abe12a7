#include <gtest/gtest.h>

#include <cmath>

#include "MembroTeste.h"
#include "core/Erros.h"
#include "core/Func.h"

namespace {

// One layer of one element: 1 m, k = 2, ρ = 2400, c = 1000, PassoTempo 1.
struct UmElemento : testing::Test {
    std::unique_ptr<TDadosModelo> d = teste::Membro(1, 1, 0, 24, 10);
    std::unique_ptr<TTrabalhoTermico> w = std::make_unique<TTrabalhoTermico>();
    void Monta(double tAnterior) {
        TValoresSI::Deriva(*d, w->SI);
        d->Tempo = 0;
        TFunc::AvancaTempo(*d);
        w->TAnterior[1] = w->TAnterior[2] = tAnterior;
        TFunc::MontaSistema(*d, *w, 1, d->Tempo);
    }
};

TEST_F(UmElemento, MatrizesDoElementoEDoSistema) {
    d->TAmbConst = 0.0;
    Monta(0.0);
    EXPECT_EQ(d->DtExplicito, 1200.0);
    EXPECT_EQ(d->DtImplicito, 2400.0);
    EXPECT_EQ(d->Tempo, 1.0);
    const TMatriz2 k = TFunc::MatrizCondutividadeElemento(d->Elementos[1]);
    const TMatriz2 c = TFunc::MatrizCapacidadeElemento(d->Elementos[1]);
    EXPECT_EQ(k, (TMatriz2{{{2.0, -2.0}, {-2.0, 2.0}}}));
    EXPECT_EQ(c, (TMatriz2{{{8e5, 4e5}, {4e5, 8e5}}}));
    EXPECT_EQ(w->K.Diag[1], 2.0);
    EXPECT_EQ(w->K.Sup[1], -2.0);
    EXPECT_EQ(w->Sistema.Diag[1], 8.048e5);
    EXPECT_EQ(w->Sistema.Sup[1], 3.952e5);
    EXPECT_EQ(w->Sistema.Inf[2], 3.952e5);
    EXPECT_EQ(w->Sistema.Diag[2], 8.048e5);
}

TEST_F(UmElemento, SemCargaNemTrocaATemperaturaNaoMuda) {
    Monta(31.5);
    std::array<double, 4> x{};
    double tMax = 0;
    int no = 0;
    teste::Gravador p;
    TFunc::ResolveSistema(1, w->Sistema, w->Carga, x.data(), tMax, no, p);
    EXPECT_NEAR(x[1], 31.5, 31.5 * 1e-14);
    EXPECT_NEAR(x[2], 31.5, 31.5 * 1e-14);
}

TEST_F(UmElemento, CalorConstanteSomaMetadeEmCadaNo) {
    d->CalorCamadas[1].F = 1000.0;
    d->Camadas[1].Espessura = 0.5;
    Monta(0.0);
    // Δt·F·h/2 = 3600 · 1000 · 0.5 / 2
    EXPECT_DOUBLE_EQ(w->Carga[1], 9e5);
    EXPECT_DOUBLE_EQ(w->Carga[2], 9e5);
}

TEST_F(UmElemento, EspessuraNulaEhErroDeCalculo) {
    d->Camadas[1].Espessura = 0.0;
    EXPECT_THROW(Monta(0.0), ErroCalculo);
}

struct CasoDiaHora {
    double t;
    long long dia, hora;
};

TEST(DiaHora, HorasInteiras) {
    for (const CasoDiaHora c : {CasoDiaHora{0, 1, 0}, {6, 1, 6}, {23, 1, 23}, {24, 2, 0}, {30, 2, 6}, {47, 2, 23},
                                {80, 4, 8}, {113, 5, 17}, {128, 6, 8}, {4999, 209, 7}}) {
        const TDiaHora r = TFunc::DiaHora(c.t);
        EXPECT_EQ(r.Dia, c.dia) << c.t;
        EXPECT_EQ(r.Hora, c.hora) << c.t;
    }
}

TEST(TemperaturaAmbiente, CicloDeVinteEOitoHoras) {
    auto d = teste::Membro(1, 1, 0, 0, 1);
    d->TAmbMax = 24.5;
    d->TAmbMin = 14.5;
    d->HoraTAmbMax = 12;
    d->HoraTAmbMin = 2;
    EXPECT_NEAR(TFunc::TemperaturaAmbiente(*d, 12), 24.5, 1e-12);
    EXPECT_NEAR(TFunc::TemperaturaAmbiente(*d, 40), 24.5, 1e-12);
    EXPECT_NEAR(TFunc::TemperaturaAmbiente(*d, 26), 14.5, 1e-12);
    EXPECT_NEAR(TFunc::TemperaturaAmbiente(*d, 19), 19.5, 1e-12);
    EXPECT_GT(std::fabs(TFunc::TemperaturaAmbiente(*d, 36) - 24.5), 1.0);  // not a 24-hour cycle
}

struct CasoConveccao {
    const char* nome;
    bool cura;
    double t;
    double hInf, hSup;
};

void PrintTo(const CasoConveccao& c, std::ostream* os) { *os << c.nome; }

class Conveccao : public testing::TestWithParam<CasoConveccao> {};

// Day/night from record 1 (6 to 18 h, ends included); curing of the top layer,
// placed at hour 30 (day 2), 3 days from 8 to 17 h.
TEST_P(Conveccao, CoeficienteDeCadaFace) {
    const CasoConveccao& c = GetParam();
    auto d = teste::Membro(2, 1, 0, 30, 200);
    d->BetaInf = 1.0;
    d->BetaSup = 2.0;
    d->CoefConvConstante = false;
    d->Superficie[1].HDia = 10;
    d->Superficie[1].HNoite = 20;
    d->Superficie[1].HoraIniDia = 6;
    d->Superficie[1].HoraIniNoite = 18;
    d->Superficie[2].BetaS = 100;
    d->Superficie[2].BetaI = 300;
    d->Superficie[2].BetaSC = 200;
    d->Superficie[2].DiasCura = 3;
    d->Superficie[2].HoraIniCura = 8;
    d->Superficie[2].HoraFimCura = 17;
    d->CuraAtiva = c.cura;
    auto si = std::make_unique<TValoresSI>();
    TValoresSI::Deriva(*d, *si);
    const TCoeficientes h = TFunc::CoeficientesConveccao(*d, *si, c.t, 2);
    EXPECT_EQ(h.HInf, c.hInf);
    EXPECT_EQ(h.HSup, c.hSup);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, Conveccao,
    testing::Values(CasoConveccao{"hora5_noite", false, 5, 1, 20}, CasoConveccao{"hora6_dia", false, 6, 1, 10},
                    CasoConveccao{"hora18_dia", false, 18, 1, 10}, CasoConveccao{"hora19_noite", false, 19, 1, 20},
                    CasoConveccao{"dia2_hora42_dia", false, 42, 1, 10},
                    CasoConveccao{"cura_t80_dia4_hora8", true, 80, 300, 200},
                    CasoConveccao{"cura_t113_dia5_hora17", true, 113, 300, 200},
                    CasoConveccao{"cura_t79_dia4_hora7", true, 79, 300, 100},
                    CasoConveccao{"cura_t128_dia6_hora8", true, 128, 300, 100},
                    CasoConveccao{"cura_t32_dia2_hora8", true, 32, 300, 200},
                    CasoConveccao{"cura_t90_dia4_hora18", true, 90, 300, 100}),
    [](const testing::TestParamInfo<CasoConveccao>& i) { return std::string(i.param.nome); });

TEST(Conveccao, SemDiasDeCuraNuncaUsaACura) {
    auto d = teste::Membro(1, 1, 30, 0, 200);
    d->CuraAtiva = true;
    d->Superficie[1].BetaS = 100;
    d->Superficie[1].BetaSC = 200;
    d->Superficie[1].HoraIniCura = 0;
    d->Superficie[1].HoraFimCura = 23;
    auto si = std::make_unique<TValoresSI>();
    TValoresSI::Deriva(*d, *si);
    for (double t : {31.0, 40.0, 60.0}) EXPECT_EQ(TFunc::CoeficientesConveccao(*d, *si, t, 1).HSup, 100) << t;
}

TEST(CalorHidratacao, TabelaHorariaPorTruncamento) {
    auto d = teste::Membro(1, 1, 6, 0, 20);
    d->CalorDiscreto = true;
    d->CalorCamadas[1].Constante = false;
    for (int h = 1; h <= MaxHoras; ++h) d->CalorCamadas[1].Tabela[h] = h * 10.0;
    auto si = std::make_unique<TValoresSI>();
    TValoresSI::Deriva(*d, *si);
    // PassoTempo 2, placed at 6: t = 8 takes entry 2, t = 10 entry 4.
    EXPECT_EQ(TFunc::CalorHidratacao(*d, *si, 1, 8 - 6), 20.0);
    EXPECT_EQ(TFunc::CalorHidratacao(*d, *si, 1, 10 - 6), 40.0);
    EXPECT_EQ(TFunc::CalorHidratacao(*d, *si, 1, 2.9), 20.0);
    EXPECT_EQ(TFunc::CalorHidratacao(*d, *si, 1, 5000), 50000.0);
    EXPECT_THROW(TFunc::CalorHidratacao(*d, *si, 1, 5001), ErroCalculo);
    // A constant rate wins over the table.
    d->CalorCamadas[1].Constante = true;
    d->CalorCamadas[1].F = 7.0;
    TValoresSI::Deriva(*d, *si);
    EXPECT_EQ(TFunc::CalorHidratacao(*d, *si, 1, 8 - 6), 7.0);
}

TEST(CalorHidratacao, IdadeEquivalenteEhAIntegralDaMaturidade) {
    for (double Tr : {0.0, 10.0, -5.0}) {
        for (double x : {1.0, 24.0, 168.0}) {
            // Simpson over [0, x] of 2^((s − Tr)/10).
            const int n = 2000;
            const double h = x / n;
            double soma = 0;
            for (int i = 0; i <= n; ++i) {
                const double f = std::pow(2.0, (i * h - Tr) / 10.0);
                soma += f * (i == 0 || i == n ? 1 : (i % 2 ? 4 : 2));
            }
            EXPECT_NEAR(TFunc::IdadeEquivalente(Tr, x), soma * h / 3, 1e-9 * soma * h) << Tr << " " << x;
        }
    }
}

TEST(CalorHidratacao, CurvaComoDerivadaDoCalorAdiabatico) {
    // rate = d/dt [Cc·E·exp(−b·ge^(−n))] · u, with dge/dt = 2^((x − Tr)/10).
    const double N = 0.45, Tr = 0, E = 80, C = 300, B = 7, u = 4186.0 / 3600.0;
    auto Q = [&](double x) { return C * E * std::exp(-B * std::pow(TFunc::IdadeEquivalente(Tr, x), -N)); };
    for (double x : {2.0, 12.0, 48.0, 240.0}) {
        const double dx = 1e-4;
        const double derivada = (Q(x + dx) - Q(x - dx)) / (2 * dx) * u;
        EXPECT_NEAR(TFunc::TaxaCurva(N, Tr, E, C, B, x, u), derivada, 1e-6 * derivada) << x;
    }
}

TEST(CalorHidratacao, ConcretoDeAnosDaTaxaQueSeAnula) {
    const double N = 0.45, Tr = 0, E = 80, C = 300, B = 7, u = 4186.0 / 3600.0;
    double anterior = TFunc::TaxaCurva(N, Tr, E, C, B, 5000, u);
    // Across the hour where 2^(x/10) leaves double range and far beyond it.
    for (double x : {10000.0, 10230.0, 10240.0, 10250.0, 20000.0, 26280.0, 87600.0}) {
        const double taxa = TFunc::TaxaCurva(N, Tr, E, C, B, x, u);
        EXPECT_TRUE(std::isfinite(taxa)) << x;
        EXPECT_GE(taxa, 0.0) << x;
        EXPECT_LE(taxa, anterior) << x;
        anterior = taxa;
    }
    EXPECT_EQ(TFunc::TaxaCurva(N, Tr, E, C, B, 87600, u), 0.0);
    EXPECT_THROW(TFunc::TaxaCurva(N, Tr, E, C, B, 0.0, u), ErroCalculo);
}

TEST(TemperaturasPrescritas, TopoSoComTodasAsCamadas) {
    auto d = teste::Membro(2, 2, 0, 24, 100);
    d->TPrescInfAtiva = d->TPrescSupAtiva = true;
    d->TPrescInf = 5;
    d->TPrescSup = 50;
    d->NElemAtivos = 2;
    for (int i = 1; i <= 5; ++i) d->Temperaturas[i] = 20;
    TFunc::AplicaTemperaturasPrescritas(*d, 1);
    EXPECT_EQ(d->Temperaturas[1], 5);
    EXPECT_EQ(d->Temperaturas[3], 20);
    d->NElemAtivos = 4;
    TFunc::AplicaTemperaturasPrescritas(*d, 2);
    EXPECT_EQ(d->Temperaturas[5], 50);
}

TEST(ValoresSI, PadroesDosDoisSistemasDescrevemOMesmoConcreto) {
    auto d = teste::Membro(1, 1, 0, 0, 1);
    d->UnidadesUsuais = true;
    d->Camadas[1].K = 43.20 * 1000 / 24;  // as the layer dialog stores 43,20 kcal/(m·d·°C)
    d->Camadas[1].CalorEsp = 0.20;
    d->BetaSup = 300.0 * 1000 / 86400;
    d->Superficie[1].BetaSC = 300.0 * 1000 / 24;
    d->Superficie[1].HDia = 77760.0 * 1000 / 86400;
    d->CalorCamadas[1].F = 86400.0 * 0.0099537;  // 86 400 cal/(d·m³) = 4,186 W/m³
    d->CalorCamadas[1].Tabela[1] = 3600.0;       // kcal/(m³·h)
    const auto antes = std::make_unique<TDadosModelo>(*d);
    auto si = std::make_unique<TValoresSI>();
    TValoresSI::Deriva(*d, *si);
    EXPECT_NEAR(si->Camadas[1].K, 2.093, 1e-12);
    EXPECT_NEAR(si->Camadas[1].CalorEsp, 837.2, 1e-10);
    EXPECT_NEAR(si->BetaSup / 3600, 300 * 4186.0 / 86400, 1e-10);
    EXPECT_NEAR(si->Superficie[1].BetaSC / 3600, 300 * 4186.0 / 86400, 1e-10);
    EXPECT_NEAR(si->Superficie[1].HDia, 77760.0, 1e-8);
    EXPECT_NEAR(si->Calor[1].F, 4.186, 1e-12);
    EXPECT_NEAR(si->Calor[1].Registro->Tabela[1] * si->Calor[1].FatorTabela, 4186.0, 1e-9);
    EXPECT_EQ(si->FatorCurva, 4186.0 / 3600.0);
    EXPECT_EQ(d->Camadas[1].K, antes->Camadas[1].K);
    EXPECT_EQ(d->BetaSup, antes->BetaSup);
}

}  // namespace
