#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "MembroTeste.h"
#include "SolverDenso.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/PosProcesso.h"
#include "core/Processo.h"

namespace {

using teste::Membro;

ResultadoTransiente Roda(TDadosModelo& d, TabelaTexto& t) {
    teste::Gravador p;
    return TProcesso::ProcessaTransiente(d, t, p);
}


TEST(Historico, CabecalhoEDimensoes) {
    auto d = Membro(3, 4, 6, 0, 72);
    TabelaTexto t;
    const ResultadoTransiente r = Roda(*d, t);
    EXPECT_TRUE(r.Completo);
    EXPECT_EQ(t.Colunas(), 14);
    EXPECT_EQ(t.Linhas(), 67);
    EXPECT_EQ(t.Celula(0, 0), "  Tempo[h]");
    EXPECT_EQ(t.Celula(1, 0), "    Nó 1");
    EXPECT_EQ(t.Celula(13, 0), "    Nó 13");
    EXPECT_EQ(t.Celula(0, 1), "7");
    EXPECT_EQ(t.Celula(0, 66), "72");
    EXPECT_EQ(t.Celula(5, 66), "  20,00");  // no heat, no exchange: stays at 20 °C
    EXPECT_EQ(r.TempoFinal, 72);
}

TEST(Colocacao, SegundaCamadaAsDezoitoHoras) {
    auto d = Membro(2, 2, 6, 12, 72);
    d->Camadas[2].TInicial = 30;
    TabelaTexto t;
    teste::Gravador p;
    TProcesso::ProcessaTransiente(*d, t, p);
    EXPECT_EQ(t.Linhas(), 67);
    EXPECT_EQ(t.Colunas(), 6);
    // Hour 18 (row 12) still with 3 nodes; the fresh state holds 0 above them.
    EXPECT_EQ(t.Celula(4, 12), "   0,00");
    EXPECT_EQ(t.Celula(5, 12), "   0,00");
    EXPECT_EQ(t.Celula(3, 12), "  20,00");
    // At the top of the step at 18 nodes 3..5 take 30 °C, and hour 19 is solved on 5 nodes.
    EXPECT_GT(t.Valor(5, 13), 29.9);
    EXPECT_LT(t.Valor(3, 13), 30.0);
    EXPECT_GT(t.Valor(3, 13), 25.0);
    EXPECT_EQ(d->CamadaAtual, 2);
    EXPECT_EQ(d->NElemAtivos, 4);
    // The solver's rows tell how many nodes each step had: 3 until hour 18, then 5.
    EXPECT_EQ(p.Barra[0], 1);
    EXPECT_EQ(p.Barra[1], 2);
    EXPECT_EQ(p.Barra[2], 2 + 2);  // back substitution adds i = 2, then 1
}

struct Agenda {
    const char* nome;
    int t0, passo, h2, h3, h4;
    int camadasColocadas;
};

void PrintTo(const Agenda& a, std::ostream* os) { *os << a.nome; }

class Colocacoes : public testing::TestWithParam<Agenda> {};

TEST_P(Colocacoes, UmaCamadaPorPassoNaHoraExataEEmOrdem) {
    const Agenda& a = GetParam();
    auto d = Membro(4, 1, a.t0, 0, a.t0 + 48);
    d->PassoTempo = a.passo;
    d->Camadas[2].HoraConcretagem = a.h2;
    d->Camadas[3].HoraConcretagem = a.h3;
    d->Camadas[4].HoraConcretagem = a.h4;
    TabelaTexto t;
    Roda(*d, t);
    EXPECT_EQ(d->CamadaAtual, a.camadasColocadas);
    EXPECT_EQ(d->NElemAtivos, a.camadasColocadas);
}

INSTANTIATE_TEST_SUITE_P(
    Agendas, Colocacoes,
    testing::Values(Agenda{"em_ordem", 6, 1, 10, 20, 30, 4}, Agenda{"fora_do_passo", 6, 2, 9, 11, 13, 1},
                    Agenda{"no_passo", 6, 2, 10, 12, 14, 4}, Agenda{"hora_zero_nunca", 0, 1, 0, 5, 6, 1},
                    Agenda{"mesma_hora", 6, 1, 12, 12, 13, 2}, Agenda{"segunda_em_t0", 6, 1, 6, 7, 8, 4},
                    Agenda{"terceira_tambem_em_t0", 6, 1, 6, 6, 8, 2}, Agenda{"antes_de_t0", 6, 1, 3, 7, 8, 1},
                    Agenda{"fora_de_ordem", 6, 1, 10, 8, 20, 2}, Agenda{"depois_do_fim", 6, 1, 10, 54, 55, 2},
                    Agenda{"na_ultima_hora", 6, 1, 10, 53, 54, 3}),
    [](const testing::TestParamInfo<Agenda>& i) { return std::string(i.param.nome); });

// A layer count confirmed larger than the member's never places a layer the table has no column for.
TEST(Colocacao, NadaAlemDasCamadasDoMembro) {
    auto d = Membro(3, 2, 6, 4, 40);
    d->NCamadas = 2;
    d->NCamadasMembro = 3;
    TabelaTexto t;
    const ResultadoTransiente r = Roda(*d, t);
    EXPECT_TRUE(r.Completo);
    EXPECT_EQ(d->CamadaAtual, 2);
    EXPECT_EQ(d->NElemAtivos, 4);
    EXPECT_EQ(t.Colunas(), 6);
}

TEST(Fim, PassoQuatroTerminaAntesSemMensagem) {
    auto d = Membro(1, 2, 6, 0, 16);
    d->PassoTempo = 4;
    const double escala = d->TMaxEscala;
    TabelaTexto t;
    teste::Gravador p;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*d, t, p);
    EXPECT_FALSE(r.Completo);
    EXPECT_TRUE(r.Mensagem.empty());
    EXPECT_EQ(r.TempoFinal, 14);
    EXPECT_FALSE(d->TermicoCompleto);
    EXPECT_EQ(d->TMaxEscala, escala);
    EXPECT_EQ(p.Maximo, 2);
    EXPECT_EQ(p.Gauge, (std::vector<int>{0, 1, 2}));
    for (const auto& s : p.Textos) EXPECT_NE(s, "                         Sistema Resolvido ");
    // One row per computed step, none between: hours 10 and 14 in rows 1 and 2.
    ASSERT_EQ(t.Linhas(), 3);
    EXPECT_EQ(t.Celula(0, 1), "10");
    EXPECT_EQ(t.Celula(0, 2), "14");
    EXPECT_EQ(r.Motivo, FimTransiente::PassoPassaDoTotal);
}

TEST(Fim, TempoTotalIgualAoInicioSoCabecalho) {
    auto d = Membro(1, 2, 6, 0, 6);
    TabelaTexto t;
    teste::Gravador p;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*d, t, p);
    EXPECT_FALSE(r.Completo);
    EXPECT_EQ(t.Linhas(), 1);
    EXPECT_EQ(p.Maximo, 0);
    EXPECT_EQ(d->TMaxima, 0.0);
}

TEST(Fim, PassoDoisCompletoLeSoAsLinhasEscritas) {
    auto d = Membro(2, 2, 6, 4, 30);
    d->PassoTempo = 2;
    d->CalorCamadas[1].F = 500;
    d->CalorCamadas[2].F = 500;
    TabelaTexto t;
    teste::Gravador p;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*d, t, p);
    EXPECT_TRUE(r.Completo);
    EXPECT_TRUE(d->TermicoCompleto);
    EXPECT_EQ(r.Motivo, FimTransiente::Completo);
    ASSERT_EQ(t.Linhas(), 13);
    for (int r2 = 1; r2 < t.Linhas(); ++r2) {
        EXPECT_EQ(t.Celula(0, r2), std::to_string(6 + 2 * r2)) << r2;
        EXPECT_FALSE(t.Celula(3, r2).empty()) << r2;
    }
    EXPECT_EQ(p.Textos.back(), "                         Sistema Resolvido ");
    EXPECT_GT(d->TMaxEscala, 20.0);
    EXPECT_EQ(d->TMinEscala, 0.0);  // nodes of layer 2 before its placement
}

// A block without exchange under a constant rate heats by F·Δt/(ρ·c) every step, everywhere.
TEST(Fisica, BlocoAdiabaticoAqueceFDtSobreRhoC) {
    auto d = Membro(2, 5, 0, 0, 10);  // layer 2 never placed (hour 0)
    d->NCamadasMembro = 1;
    d->CalorCamadas[1].F = 1000.0;  // 1000 · 3600 / (2400 · 1000) = 1,5 °C/h
    TabelaTexto t;
    const ResultadoTransiente r = Roda(*d, t);
    for (int i = 1; i <= 6; ++i) EXPECT_NEAR(d->Temperaturas[i], 35.0, 35.0 * 64 * 2.2e-16) << i;
    for (int h = 1; h <= 10; ++h) EXPECT_EQ(t.Celula(3, h), Numeros::FormataFixo(20.0 + 1.5 * h, 7, 2)) << h;
    EXPECT_EQ(r.Mensagem, "A Temperatura Máxima de  35,00 Celcius ,ocorreu no Nó " + std::to_string(d->NoTMax) +
                              ", transcorridos 10 horas.");
}

TEST(Fisica, ConveccaoLevaATemperaturaAmbiente) {
    auto d = Membro(1, 4, 0, 0, 4000);
    d->TAmbConst = 25.0;
    d->BetaInf = d->BetaSup = 15.0 * 3600;  // as the dialog stores 15 W/(m²·°C)
    TabelaTexto t;
    Roda(*d, t);
    for (int i = 1; i <= 5; ++i) EXPECT_NEAR(d->Temperaturas[i], 25.0, 1e-6) << i;
}

// A slab 1 m thick at 20 °C, insulated below, its top exposed from hour 0 to air at
// 40 °C with h = 10 W/(m²·°C) (Bi = hL/k = 5): the top temperature of the
// classical series, T = 40 − 20·Σ Cn·exp(−ζn²·Fo)·cos ζn with ζn·tan ζn = Bi.
double TopoPlacaAnalitica(double horas) {
    const double bi = 5.0, fo = 2.0 / (2400.0 * 1000.0) * horas * 3600.0;
    double soma = 0.0;
    for (int n = 0; n < 200; ++n) {
        // ζn lies in (nπ, nπ + π/2), where ζ·tan ζ grows from 0 to infinity: bisection.
        double a = n * std::numbers::pi, b = a + std::numbers::pi / 2;
        for (int it = 0; it < 100; ++it) {
            const double m = 0.5 * (a + b);
            (m * std::tan(m) < bi ? a : b) = m;
        }
        const double z = 0.5 * (a + b);
        soma += 4.0 * std::sin(z) / (2.0 * z + std::sin(2.0 * z)) * std::exp(-z * z * fo) * std::cos(z);
    }
    return 40.0 - 20.0 * soma;
}

struct CasoPlaca {
    int passo;
    double horas;
};
class PlacaConveccao : public ::testing::TestWithParam<CasoPlaca> {};

// Every step exchanges through the faces the heat of its whole length: a 2 h or 3 h
// step warms the exposed top as the hourly run does. The 40 elements of 2,5 cm keep
// the hourly run within 0,1 °C of the series (0,07 °C at 24 h); the θ = 2/3 scheme
// adds a time error about proportional to the step, under 0,05 °C per hour of step
// here, so 0,06 °C per hour bounds it: a face exchanging one hour's heat per step
// misses by 3,8 °C at 24 h and by 7 °C with a 4 h step.
TEST_P(PlacaConveccao, TopoAcompanhaASerieComQualquerPasso) {
    const auto [passo, horas] = GetParam();
    auto roda = [&](int p) {
        auto d = Membro(1, 40, 0, 0, horas);
        d->PassoTempo = p;
        d->TAmbConst = 40.0;
        d->BetaSup = 10.0 * 3600;  // as the dialogs store 10 W/(m²·°C)
        d->BetaInf = 0.0;
        TabelaTexto t;
        EXPECT_TRUE(Roda(*d, t).Completo);
        return d->Temperaturas[41];
    };
    const double horaria = roda(1);
    const double analitica = TopoPlacaAnalitica(horas);
    EXPECT_NEAR(horaria, analitica, 0.1) << horas;
    EXPECT_NEAR(roda(passo), horaria, 0.06 * passo) << "passo " << passo << ", hora " << horas;
}
INSTANTIATE_TEST_SUITE_P(Fisica, PlacaConveccao,
                         ::testing::Values(CasoPlaca{2, 24}, CasoPlaca{2, 72}, CasoPlaca{3, 24}, CasoPlaca{4, 48}));

// The same member entered in SI and in the usual units, converted by hand.
TEST(Unidades, UsuaisESIDaoAMesmaTabela) {
    auto si = Membro(3, 3, 6, 24, 200);
    teste::CurvaHidratacao(*si);
    si->CalorCamadas[3].Constante = true;
    si->CalorCamadas[3].F = 20.0;
    si->TAmbConstante = false;
    si->CoefConvConstante = false;
    si->BetaInf = 2.0 * 3600;
    si->Superficie[1] = TTrocaCalor{77760, 92160, 6, 18, 0, 0, 0, 0, 0, 0};
    for (int L = 1; L <= 3; ++L) {
        si->Camadas[L].K = 2.093;
        si->Camadas[L].CalorEsp = 837.2;
    }
    auto us = std::make_unique<TDadosModelo>(*si);
    us->UnidadesUsuais = true;
    us->BetaInf = (2.0 * 86400 / 4186) * 1000 / 86400;  // 2 W/(m²·°C) in kcal/(m²·d·°C), stored
    us->Superficie[1].HDia = 77760.0 * 1000 / 86400;
    us->Superficie[1].HNoite = 92160.0 * 1000 / 86400;
    us->CalorCamadas[3].F = (20.0 * 86400 / 4.186) * 0.0099537;  // cal/(d·m³), stored
    for (int L = 1; L <= 3; ++L) {
        us->Camadas[L].K = (2.093 * 86400 / 4186) * 1000 / 24;
        us->Camadas[L].CalorEsp = 0.2;
    }
    const auto guardado = std::make_unique<TDadosModelo>(*us);
    TabelaTexto ts, tu;
    Roda(*si, ts);
    const ResultadoTransiente r = Roda(*us, tu);
    ASSERT_EQ(ts.Linhas(), tu.Linhas());
    int diferentes = 0;
    for (int l = 1; l < ts.Linhas(); ++l)
        for (int c = 1; c < ts.Colunas(); ++c) {
            EXPECT_NEAR(ts.Valor(c, l), tu.Valor(c, l), 0.0100001);
            diferentes += ts.Celula(c, l) != tu.Celula(c, l);
        }
    EXPECT_LE(diferentes, 2);
    for (int i = 1; i <= 10; ++i) EXPECT_NEAR(si->Temperaturas[i], us->Temperaturas[i], 1e-9);
    EXPECT_GT(us->TMaxima, 30.0);
    EXPECT_LT(us->TMaxima, 100.0);
    EXPECT_FALSE(r.Mensagem.empty());
    // The run leaves what the dialogs stored untouched.
    for (int L = 1; L <= MaxCamadas; ++L) {
        const TCamada &a = guardado->Camadas[L], &b = us->Camadas[L];
        EXPECT_TRUE(a.K == b.K && a.Espessura == b.Espessura && a.XIni == b.XIni && a.Ro == b.Ro &&
                    a.CalorEsp == b.CalorEsp && a.Alfa == b.Alfa && a.HoraConcretagem == b.HoraConcretagem &&
                    a.TInicial == b.TInicial)
            << L;
        const TCalorInterno &ca = guardado->CalorCamadas[L], &cb = us->CalorCamadas[L];
        EXPECT_TRUE(ca.Constante == cb.Constante && ca.F == cb.F && ca.N == cb.N && ca.Tr == cb.Tr &&
                    ca.E == cb.E && ca.C == cb.C && ca.B == cb.B && ca.Tabela == cb.Tabela)
            << L;
        const TTrocaCalor &sa = guardado->Superficie[L], &sb = us->Superficie[L];
        EXPECT_TRUE(sa.HDia == sb.HDia && sa.HNoite == sb.HNoite && sa.HoraIniDia == sb.HoraIniDia &&
                    sa.HoraIniNoite == sb.HoraIniNoite && sa.BetaS == sb.BetaS && sa.BetaI == sb.BetaI &&
                    sa.DiasCura == sb.DiasCura && sa.HoraIniCura == sb.HoraIniCura &&
                    sa.HoraFimCura == sb.HoraFimCura && sa.BetaSC == sb.BetaSC)
            << L;
    }
    EXPECT_EQ(guardado->BetaInf, us->BetaInf);
    EXPECT_EQ(guardado->BetaSup, us->BetaSup);
}

TEST(Mensagem, MaximoComVirgulaNoETempoGeral) {
    EXPECT_EQ(TProcesso::MensagemMaxima(41.237, 7, 30),
              "A Temperatura Máxima de  41,24 Celcius ,ocorreu no Nó 7, transcorridos 30 horas.");
    EXPECT_EQ(TProcesso::MensagemMaxima(105.5, 12, 1000),
              "A Temperatura Máxima de 105,50 Celcius ,ocorreu no Nó 12, transcorridos 1000 horas.");
}

// Solves nothing: writes the temperatures chosen for each hour.
class PassoRoteirizado final : public MetodoPasso {
public:
    void MontaEResolve(TDadosModelo& d, TTrabalhoTermico&, int, Progresso&) override {
        const int n = d.NElemAtivos + 1;
        for (int i = 1; i <= n; ++i) d.Temperaturas[i] = 20.0;
        if (d.Tempo >= 30) d.Temperaturas[7] = 41.237;  // reached at 30 and equalled afterwards
        for (int i = n; i >= 1; --i) {
            if (d.Temperaturas[i] > d.TMaxSolucao) {
                d.TMaxSolucao = d.Temperaturas[i];
                d.NoTMax = i;
            }
        }
    }
};

TEST(Mensagem, EmpateGuardaAPrimeiraHora) {
    auto d = Membro(1, 8, 0, 0, 40);
    TabelaTexto t;
    teste::Gravador p;
    PassoRoteirizado passo;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*d, t, p, nullptr, passo);
    EXPECT_EQ(r.Mensagem, "A Temperatura Máxima de  41,24 Celcius ,ocorreu no Nó 7, transcorridos 30 horas.");
    EXPECT_EQ(d->TempoTMax, 30.0);
}

TEST(Mensagem, MembroAbaixoDeZeroNomeiaUmNoDaAnalise) {
    auto d = Membro(1, 2, 0, 0, 5);
    d->NoTMax = 99;
    d->Camadas[1].TInicial = -5;
    d->TAmbConst = -10;
    d->BetaSup = 15 * 3600;
    TabelaTexto t;
    const ResultadoTransiente r = Roda(*d, t);
    EXPECT_GE(d->NoTMax, 1);
    EXPECT_LE(d->NoTMax, 3);
    EXPECT_LT(d->TMaxima, -4.0);
    EXPECT_NE(r.Mensagem.find("Máxima de  -"), std::string::npos) << r.Mensagem;
}

TEST(SegundaRodada, NosAindaNaoColocadosMostramARodadaAnterior) {
    auto d = Membro(2, 1, 6, 12, 40);
    d->CalorCamadas[2].F = 2000;
    TabelaTexto t;
    Roda(*d, t);
    const std::string topo = Numeros::FormataFixo(d->Temperaturas[3], 7, 2);
    d->Camadas[2].HoraConcretagem = 30;
    Roda(*d, t);
    EXPECT_EQ(t.Celula(3, 1), topo);
    EXPECT_EQ(t.Celula(3, 24), topo);  // hour 30, before the solve of the placed layer
}

TEST(Falhas, EspessuraNulaParaNaHoraDaColocacao) {
    auto d = Membro(2, 2, 6, 12, 72);
    d->Camadas[2].Espessura = 0.0;
    const auto escala = d->TMaxEscala;
    TabelaTexto t;
    // Refused before any arithmetic (it used to fail at the placement, hour 19).
    try {
        Roda(*d, t);
        FAIL() << "sem erro";
    } catch (const ErroEntrada& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("espessura da camada 2"), std::string::npos) << m;
        EXPECT_NE(m.find("maior que zero"), std::string::npos) << m;
    }
    EXPECT_FALSE(d->TermicoCompleto);
    EXPECT_EQ(d->TMaxEscala, escala);
    for (int l = 1; l < t.Linhas(); ++l)
        for (int c = 1; c < t.Colunas(); ++c) {
            const std::string& s = t.Celula(c, l);
            EXPECT_EQ(s.find_first_of("ni"), std::string::npos) << s;  // no nan, no inf
            if (l >= 13) {
                EXPECT_TRUE(s.empty());
            }
        }
}

TEST(Falhas, CurvaDeAnosNaoFalha) {
    auto d = Membro(3, 2, 0, 24, 3 * 8760);
    teste::CurvaHidratacao(*d);
    d->BetaSup = 15 * 3600;
    TabelaTexto t;
    const ResultadoTransiente r = Roda(*d, t);
    ASSERT_TRUE(r.Completo);
    EXPECT_NEAR(d->Temperaturas[7], 20.0, 0.01);
    for (int l = 1; l < t.Linhas(); l += 97) EXPECT_TRUE(std::isfinite(t.Valor(4, l)));
}

struct Recusa {
    const char* nome;
    void (*prepara)(TDadosModelo&);
    const char* trecho;  // empty: accepted
};

void PrintTo(const Recusa& r, std::ostream* os) { *os << r.nome; }

class Validacao : public testing::TestWithParam<Recusa> {};

TEST_P(Validacao, RecusaAntesDeCalcular) {
    const Recusa& c = GetParam();
    auto d = Membro(2, 2, 6, 10, 100);
    c.prepara(*d);
    if (std::string(c.trecho).empty()) {
        EXPECT_NO_THROW(TProcesso::ValidaEntrada(*d));
        return;
    }
    TabelaTexto t(3, 3);
    t.Celula(1, 1) = "x";
    try {
        Roda(*d, t);
        FAIL() << "aceito";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
    }
    EXPECT_EQ(t.Celula(1, 1), "x");  // nothing touched
}

void Discreto(TDadosModelo& d) {
    d.CalorDiscreto = true;
    d.CalorCamadas[1].Constante = false;
    d.CalorCamadas[2].Constante = false;
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, Validacao,
    testing::Values(
        Recusa{"camadas_301", [](TDadosModelo& d) { d.NCamadas = 301; }, "301 camadas"},
        Recusa{"sem_camadas", [](TDadosModelo& d) { d.NCamadas = 0; }, "não tem camadas"},
        Recusa{"elementos_0", [](TDadosModelo& d) { d.NElemCamada = 0; }, "elementos por camada"},
        Recusa{"nos_301", [](TDadosModelo& d) { d.NCamadas = 20, d.NElemCamada = 15; }, "301 nós"},
        Recusa{"nos_300",
               [](TDadosModelo& d) {
                   // The added layers copy layer 1: an empty layer is refused on its own.
                   for (int L = 3; L <= 23; ++L) d.Camadas[L] = d.Camadas[1];
                   d.NCamadas = 23, d.NElemCamada = 13;
               },
               ""},
        Recusa{"passo_0", [](TDadosModelo& d) { d.PassoTempo = 0; }, "passo de tempo"},
        Recusa{"tabela_5001",
               [](TDadosModelo& d) {
                   Discreto(d);
                   d.TempoTotal = 6 + 5001;
               },
               "camada 1"},
        Recusa{"tabela_5000",
               [](TDadosModelo& d) {
                   Discreto(d);
                   d.TempoTotal = 6 + 5000;
               },
               ""},
        Recusa{"tabela_constante",
               [](TDadosModelo& d) {
                   Discreto(d);
                   d.CalorCamadas[1].Constante = true;
                   d.CalorCamadas[2].Constante = true;
                   d.TempoTotal = 9000;
               },
               ""},
        Recusa{"tabela_camada_2",
               [](TDadosModelo& d) {
                   Discreto(d);
                   d.CalorCamadas[1].Constante = true;
                   d.Camadas[2].HoraConcretagem = 100;
                   d.TempoTotal = 5101;
               },
               "camada 2"},
        Recusa{"tabela_camada_nunca_colocada",
               [](TDadosModelo& d) {
                   Discreto(d);
                   d.CalorCamadas[1].Constante = true;
                   d.Camadas[2].HoraConcretagem = 101;
                   d.PassoTempo = 2;
                   d.TempoTotal = 5200;
               },
               ""},
        Recusa{"tabela_grande_demais",
               [](TDadosModelo& d) {
                   d.NCamadas = 23, d.NElemCamada = 13;
                   d.TempoTotal = 1e6;
               },
               "células"}),
    [](const testing::TestParamInfo<Recusa>& i) { return std::string(i.param.nome); });

// The whole run, band against the literal dense step: the same table and doubles.
TEST(OraculoDaRodada, BandaEDensoDaoOsMesmosBits) {
    auto a = Membro(6, 3, 6, 18, 240);
    teste::CurvaHidratacao(*a);
    a->TAmbConstante = false;
    a->CuraAtiva = true;
    a->QRadiacao = 300;
    for (int L = 1; L <= 6; ++L) a->Superficie[L] = TTrocaCalor{0, 0, 0, 0, 54000, 7200, 2, 8, 17, 360000};
    a->TPrescInfAtiva = true;
    a->TPrescInf = 22;
    auto b = std::make_unique<TDadosModelo>(*a);
    TabelaTexto ta, tb;
    teste::Gravador pa, pb;
    denso::MetodoDenso denso;
    const ResultadoTransiente ra = TProcesso::ProcessaTransiente(*a, ta, pa);
    const ResultadoTransiente rb = TProcesso::ProcessaTransiente(*b, tb, pb, nullptr, denso);
    EXPECT_EQ(ra.Mensagem, rb.Mensagem);
    EXPECT_EQ(0, std::memcmp(a->Temperaturas.data(), b->Temperaturas.data(), 20 * sizeof(double)));
    EXPECT_EQ(a->TMaxSolucao, b->TMaxSolucao);
    for (int l = 0; l < ta.Linhas(); ++l)
        for (int c = 0; c < ta.Colunas(); ++c) ASSERT_EQ(ta.Celula(c, l), tb.Celula(c, l)) << c << "," << l;
    EXPECT_EQ(pa.Barra, pb.Barra);
}

struct Pintor : PintorElemento {
    std::vector<int> elementos;
    double altura = 0, tMax = 0, tMin = 0;
    void DesenhaElemento(int e, int m, double, double, double tMaxEscala, double tMinEscala, double alturaMembro,
                         const std::array<TCamada, MaxElementos + 1>&) override {
        elementos.push_back(e * 1000 + m);
        altura = alturaMembro;
        tMax = tMaxEscala;
        tMin = tMinEscala;
    }
};

TEST(FimDaRodada, PintaCadaElementoAtivoEAvisaResolvido) {
    auto d = Membro(2, 2, 0, 5, 10);
    d->CalorCamadas[1].F = 1000;
    Pintor pintor;
    TabelaTexto t;
    teste::Gravador p;
    TProcesso::ProcessaTransiente(*d, t, p, &pintor);
    EXPECT_EQ(pintor.elementos, (std::vector<int>{1004, 2004, 3004, 4004}));
    EXPECT_EQ(pintor.altura, 2.0);
    EXPECT_EQ(pintor.tMax, d->TMaxEscala);
    EXPECT_EQ(p.Mostrou, 1);
    EXPECT_EQ(p.Maximo, 10);
    EXPECT_EQ(p.Gauge.size(), 11u);
    EXPECT_EQ(p.Textos.back(), "                         Sistema Resolvido ");
    EXPECT_TRUE(d->TermicoCompleto);
}

}  // namespace
