// The energy balance against what is known of each member beforehand, in both
// formulations, and the observer's promise: the run it watches is bit for bit the same.
#include "verificacao/BalancoEnergia.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/MembroTeste.h"
#include "core/Processo.h"
#include "obra/DadosObra.h"

namespace {

constexpr double RhoC = 2400.0 * 1000.0;

struct CasoBalanco {
    const char* nome;
    std::function<void(TDadosModelo&)> prepara;  // on a 1 m lift of 3 elements, 60 h
    // Known totals (J/m²), NaN when not known in closed form.
    double hidratacao;
    double radiacao;
    bool fechaNaClassica;  // the classic run conserves too (no placement after the first)
};

// 1ᵀ·C·T at the end less ρ·c·h·T_inicial of every placed lift, from the state alone.
double ArmazenadoIndependente(const TDadosModelo& d) {
    double e = 0.0;
    for (int k = 1; k <= d.NElemAtivos; ++k) {
        const TCamada& el = d.Elementos[k];
        e += el.Ro * el.CalorEsp * el.Espessura / 2.0 * (d.Temperaturas[k] + d.Temperaturas[k + 1]);
    }
    for (int L = 1; L <= d.CamadaAtual; ++L)
        e -= d.Camadas[L].Ro * d.Camadas[L].CalorEsp * d.Camadas[L].Espessura * d.Camadas[L].TInicial;
    return e;
}

const double Nada = std::nan("");

const CasoBalanco Casos[] = {
    {"AdiabaticoComCalorConstante", [](TDadosModelo& d) { d.CalorCamadas[1].F = 500.0; }, 500.0 * 60 * 3600.0, 0.0,
     true},
    {"SoRadiacao", [](TDadosModelo& d) { d.QRadiacao = 100.0; }, 0.0, 2 * 100.0 * 60 * 3600.0, true},
    {"ResfriamentoPorConveccao",
     [](TDadosModelo& d) {
         d.Camadas[1].TInicial = 40.0;
         d.BetaSup = 10.0 * 3600.0;
         d.BetaInf = 4.0 * 3600.0;
     },
     0.0, 0.0, true},
    {"FacesPrescritas",
     [](TDadosModelo& d) {
         d.Camadas[1].TInicial = 35.0;
         d.CalorCamadas[1].F = 300.0;
         d.TPrescInfAtiva = d.TPrescSupAtiva = true;
         d.TPrescInf = 10.0;
         d.TPrescSup = 25.0;
     },
     300.0 * 60 * 3600.0, 0.0, true},
    {"CurvaComConveccaoERadiacao",
     [](TDadosModelo& d) {
         teste::CurvaHidratacao(d);
         d.BetaSup = 12.0 * 3600.0;
         d.QRadiacao = 50.0;
         d.PassoTempo = 3;
     },
     Nada, 2 * 50.0 * 60 * 3600.0, true},
    // The weather file's sun enters the top face only, absorptivity × radiation.
    {"SolDoArquivoSoNoTopo",
     [](TDadosModelo& d) {
         d.QRadiacao = 5000.0;  // not used with the file
         ObraEditavel(d).ClimaArquivo = true;
         ObraEditavel(d).Temperatura.assign(80, 20.0);
         ObraEditavel(d).Radiacao.assign(80, 400.0);
     },
     0.0, 0.65 * 400.0 * 60 * 3600.0, true},
    // The sky's exchange through a blanket taken off at 30 h, and with the file's sun.
    {"CeuSobMantaRetirada",
     [](TDadosModelo& d) {
         d.Camadas[1].TInicial = 40.0;
         d.BetaSup = 12.0 * 3600.0;
         ObraEditavel(d).CeuAtivo = true;
         ObraEditavel(d).ProtecoesTopo.assign(2, {});
         ObraEditavel(d).ProtecoesTopo[1].push_back({"manta", 0.625, 0.0, 30.0});
     },
     0.0, 0.0, true},
    {"CeuComTopoPrescrito",
     [](TDadosModelo& d) {
         ObraEditavel(d).CeuAtivo = true;
         d.Camadas[1].TInicial = 35.0;
         d.TPrescSupAtiva = true;
         d.TPrescSup = 25.0;
     },
     0.0, 0.0, true},
    {"CeuComSolDoArquivo",
     [](TDadosModelo& d) {
         ObraEditavel(d).ClimaArquivo = true;
         ObraEditavel(d).CeuAtivo = true;
         ObraEditavel(d).Temperatura.assign(80, 20.0);
         ObraEditavel(d).Radiacao.assign(80, 400.0);
         ObraEditavel(d).PontoOrvalho.assign(80, 8.0);
         d.CalorCamadas[1].F = 300.0;
         d.BetaSup = 10.0 * 3600.0;
     },
     300.0 * 60 * 3600.0, 0.65 * 400.0 * 60 * 3600.0, true},
    {"DuasCamadasComFundoPrescrito",
     [](TDadosModelo& d) {
         d.NCamadas = d.NCamadasMembro = 2;
         d.Camadas[2] = d.Camadas[1];
         d.Camadas[2].XIni = 1.0;
         d.Camadas[2].HoraConcretagem = 24;
         d.Camadas[1].TInicial = 30.0;
         d.CalorCamadas[1].F = d.CalorCamadas[2].F = 800.0;
         d.CalorCamadas[2].Constante = true;
         d.BetaSup = 10.0 * 3600.0;
         d.TPrescInfAtiva = true;
         d.TPrescInf = 15.0;
     },
     800.0 * (60 + 36) * 3600.0, 0.0, false},
    // The sides of a 2 × 3 m block, their form stripped at 30 h, and a prescribed bottom
    // whose reaction must count the side loss of its own node.
    {"LateraisDoBloco",
     [](TDadosModelo& d) {
         d.Camadas[1].TInicial = 35.0;
         d.CalorCamadas[1].F = 400.0;
         TDadosObra& o = ObraEditavel(d);
         o.ComprimentoPlanta = 2.0;
         o.LarguraPlanta = 3.0;
         o.ProtecoesLaterais = {{}, {{"forma", 0.15, 0.0, 30.0}}};
     },
     400.0 * 60 * 3600.0, 0.0, true},
    {"LateraisComFacesPrescritas",
     [](TDadosModelo& d) {
         d.Camadas[1].TInicial = 35.0;
         d.BetaSup = 10.0 * 3600.0;
         d.TPrescInfAtiva = true;
         d.TPrescInf = 15.0;
         ObraEditavel(d).LarguraPlanta = 1.5;
     },
     0.0, 0.0, true},
};

class Balanco : public ::testing::TestWithParam<std::tuple<CasoBalanco, TFormulacao>> {};

TEST_P(Balanco, FechaComOQueSeSabeDoMembro) {
    const auto& [caso, formulacao] = GetParam();
    auto d = teste::Membro(1, 3, 0, 0, 60);
    d->Formulacao = formulacao;
    caso.prepara(*d);
    auto semObservador = std::make_unique<TDadosModelo>(*d);

    TBalancoEnergia b;
    TabelaTexto t, t0;
    teste::Gravador p;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*d, t, p, nullptr, &b).Completo);
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*semObservador, t0, p).Completo);
    // Watching changes nothing.
    for (int l = 0; l < t.Linhas(); ++l)
        for (int c = 0; c < t.Colunas(); ++c) ASSERT_EQ(t.Celula(c, l), t0.Celula(c, l)) << c << ", " << l;
    for (int i = 1; i <= d->NElemAtivos + 1; ++i) ASSERT_EQ(d->Temperaturas[i], semObservador->Temperaturas[i]);

    const double escala = std::fabs(b.Hidratacao) + std::fabs(b.Radiacao) + std::fabs(b.Conveccao) + std::fabs(b.Ceu) +
                          std::fabs(b.Laterais) + std::fabs(b.Extremidades) + RhoC;
    // Only a block of finite plan size loses heat by the sides, and it does.
    EXPECT_EQ(b.ComLaterais, d->Obra.TemLaterais());
    EXPECT_EQ(b.Texto().find("laterais do bloco") != std::string::npos, b.ComLaterais);
    if (b.ComLaterais) {
        EXPECT_LT(b.Laterais, -0.01 * escala);
    }
    EXPECT_NEAR(b.Armazenado(), ArmazenadoIndependente(*d), 1e-10 * escala);
    if (!std::isnan(caso.hidratacao)) {
        EXPECT_NEAR(b.Hidratacao, caso.hidratacao, 1e-12 * escala);
    }
    EXPECT_NEAR(b.Radiacao, caso.radiacao, 1e-12 * escala);
    if (formulacao == TFormulacao::Consistente || caso.fechaNaClassica) {
        EXPECT_LT(std::fabs(b.Residuo()), 1e-9 * escala);
        EXPECT_LT(std::fabs(b.Junta), 1e-9 * escala);
    } else {
        // What the classic interface node loses is the whole residual.
        EXPECT_LT(b.Junta, -1e-3 * escala);
        EXPECT_NEAR(b.Residuo(), b.Junta, 1e-9 * escala);
    }
}
INSTANTIATE_TEST_SUITE_P(Casos, Balanco,
                         ::testing::Combine(::testing::ValuesIn(Casos),
                                            ::testing::Values(TFormulacao::Classica, TFormulacao::Consistente)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) +
                                    (std::get<1>(info.param) == TFormulacao::Consistente ? "_Consistente"
                                                                                         : "_Classica");
                         });

// The heat the steps released against what the model releases over the same ages: a
// formulation that loses heat shows it as a residual, one that keeps it closes. The
// adiabatic block of 1 m (330 kg/m³, 107 cal/g, αu 0,75, τ 20 h, β 0,9, 40 kJ/mol), the
// hydration curve and the hourly table.
enum class Calor { Maturidade, Curva, Tabela };
struct CasoModelo {
    const char* nome;
    Calor calor;
    TFormulacao formulacao;
    int passo;
    int subpassos;
    double t0;
    double minimo;  // |residual| in % of the heat released, at least
    double maximo;  // and at most
};
class BalancoModelo : public ::testing::TestWithParam<CasoModelo> {};

TEST_P(BalancoModelo, ResiduoMedeOCalorPerdido) {
    const CasoModelo& c = GetParam();
    auto d = teste::Membro(1, 3, 0, 0, 24);
    d->Formulacao = c.formulacao;
    d->PassoTempo = c.passo;
    d->SubpassosPorPasso = c.subpassos;
    d->Camadas[1].TInicial = c.t0;
    TCalorInterno& q = d->CalorCamadas[1];
    if (c.calor == Calor::Maturidade) {
        q = TCalorInterno{};
        q.Maturidade = true;
        q.C = 330.0;
        q.E = 107.0;
    } else if (c.calor == Calor::Curva) {
        teste::CurvaHidratacao(*d);
    } else {
        q.Constante = false;
        d->CalorDiscreto = true;
        for (int h = 1; h <= 60; ++h) q.Tabela[h] = 2500.0 * std::exp(-h / 15.0) * (h % 3 + 1);
    }
    TBalancoEnergia b;
    TabelaTexto t;
    teste::Gravador p;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*d, t, p, nullptr, &b).Completo);
    ASSERT_TRUE(b.ModeloDisponivel);
    // The steps' own arithmetic closes whatever the formulation loses.
    EXPECT_LT(std::fabs(b.Residuo()), 1e-9 * (b.Hidratacao + RhoC));
    const double perc = std::fabs(b.ResiduoPercentual());
    EXPECT_GE(perc, c.minimo) << b.Texto();
    EXPECT_LE(perc, c.maximo) << b.Texto();
    // What the steps lost is the residual of an adiabatic block, per m² and per m³ of its 1 m.
    EXPECT_NEAR(b.ResiduoModelo(), -b.Perdido(), 1e-9 * (b.Hidratacao + RhoC));
    EXPECT_NEAR(b.ResiduoPorVolume(), b.ResiduoModelo(), 1e-9 * std::fabs(b.ResiduoModelo()) + 1e-6);
    const std::string texto = b.Texto();
    EXPECT_NE(texto.find("Calor do modelo nas mesmas idades"), std::string::npos);
    EXPECT_EQ(texto.find("0,0000 %") == std::string::npos, c.minimo > 0.0) << texto;
}
INSTANTIATE_TEST_SUITE_P(
    Casos, BalancoModelo,
    ::testing::Values(
        // The classic age grows at the temperature the step starts from: heat lost, more at 4 h and at 35 °C.
        CasoModelo{"MaturidadeClassica4h35", Calor::Maturidade, TFormulacao::Classica, 4, 1, 35.0, 1.0, 100.0},
        CasoModelo{"MaturidadeClassica1h35", Calor::Maturidade, TFormulacao::Classica, 1, 1, 35.0, 0.2, 100.0},
        CasoModelo{"MaturidadeClassica1h20", Calor::Maturidade, TFormulacao::Classica, 1, 1, 20.0, 0.5, 100.0},
        // The consistent step iterates its age to the mean temperature: nothing lost.
        CasoModelo{"MaturidadeConsistente4h35", Calor::Maturidade, TFormulacao::Consistente, 4, 1, 35.0, 0.0, 1e-6},
        CasoModelo{"MaturidadeConsistente4h4Sub35", Calor::Maturidade, TFormulacao::Consistente, 4, 4, 35.0, 0.0, 1e-6},
        // The classic rate taken at the start of a 3 h step misses two thirds of the table's hours.
        CasoModelo{"TabelaClassica3h", Calor::Tabela, TFormulacao::Classica, 3, 1, 20.0, 30.0, 100.0},
        CasoModelo{"TabelaConsistente3h", Calor::Tabela, TFormulacao::Consistente, 3, 1, 20.0, 0.0, 1e-6},
        CasoModelo{"CurvaClassica4h", Calor::Curva, TFormulacao::Classica, 4, 1, 20.0, 3.0, 100.0},
        CasoModelo{"CurvaConsistente4h", Calor::Curva, TFormulacao::Consistente, 4, 1, 20.0, 0.0, 1e-6}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
