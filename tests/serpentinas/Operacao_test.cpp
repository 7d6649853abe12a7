// The pipes in a run: the heat the water carries against the energy balance, the
// operation (hours, trigger with hysteresis), the run without water, the project key.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/Erros.h"
#include "core/Func.h"
#include "core/MembroTeste.h"
#include "core/Processo.h"
#include "serpentinas/MediasMembro.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "results/ResumoTermico.h"
#include "serpentinas/DadosSerpentinas.h"
#include "verificacao/BalancoEnergia.h"

namespace {

constexpr double RhoAgua = 998.2, CAgua = 4182.0;

TSerpentinasCamada Fileiras(std::vector<double> alturas, const TTubo& tubo, double vazao) {
    TSerpentinasCamada s;
    s.Alturas = std::move(alturas);
    s.Espacamento = 1.0;
    s.Tubo = tubo;
    s.Comprimento = 150.0;
    s.Vazao = vazao;
    s.TEntrada = 12.0;
    s.HoraFim = 1e6;
    return s;
}

struct CasoAgua {
    const char* nome;
    TTubo tubo;
    double vazao;
    bool prescrita;  // the bottom at a prescribed temperature
};

class CalorDaAgua : public testing::TestWithParam<std::tuple<CasoAgua, TFormulacao>> {};

// Three lifts with the hydration curve, the faces' exchange and radiation; one row in
// lifts 1 and 3, two in lift 2, lift 3 run by the trigger. The heat the water carried,
// ṁ·c·(T_out − T_in) integrated over the steps, is the balance's term, and the balance
// still closes with it.
TEST_P(CalorDaAgua, IgualAoTermoDoBalanco) {
    const auto& [caso, formulacao] = GetParam();
    auto d = teste::MembroDeBancada(3, 4, 120);
    d->Formulacao = formulacao;
    if (caso.prescrita) {
        d->TPrescInfAtiva = true;
        d->TPrescInf = 22.0;
    }
    auto& serp = SerpentinasEditavel(*d);
    serp.Camadas.resize(4);
    serp.Camadas[1] = Fileiras({0.5}, caso.tubo, caso.vazao);
    serp.Camadas[2] = Fileiras({0.3, 0.7}, caso.tubo, caso.vazao);
    serp.Camadas[3] = Fileiras({0.5}, caso.tubo, caso.vazao);
    serp.Camadas[3].PorTemperatura = true;
    serp.Camadas[3].TLiga = 30.0;
    serp.Camadas[3].TDesliga = 27.0;

    TBalancoEnergia b;
    HistoricoNumerico h;
    teste::Gravador g;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*d, h, g, nullptr, &b).Completo);
    const TResultadosSerpentinas& r = SerpentinasDe(*d).Resultados;
    ASSERT_EQ(r.Camadas, (std::vector<int>{1, 2, 3}));

    const double mc = caso.vazao / 60000.0 * RhoAgua * CAgua;
    double porSaida = 0.0, porCalor = 0.0;
    for (std::size_t k = 0; k < r.Camadas.size(); ++k) {
        const double fileiras = static_cast<double>(serp.Camadas[r.Camadas[k]].Alturas.size());
        double total = 0.0;
        for (std::size_t s = 0; s < r.Horas.size(); ++s) {
            const double dt = 3600.0 * d->PassoTempo;
            porCalor += r.Calor[k][s] * dt;
            total += r.Calor[k][s] * dt;
            if (!std::isnan(r.Saida[k][s])) porSaida += fileiras * mc * (r.Saida[k][s] - 12.0) / (150.0 * 1.0) * dt;
        }
        EXPECT_NEAR(r.Total[k], total / 1e6, 1e-9 * (1 + total / 1e6));
    }
    ASSERT_GT(porCalor, 1e6);
    EXPECT_NEAR(porSaida, porCalor, 1e-9 * porCalor);
    EXPECT_NEAR(-b.Serpentinas, porCalor, 1e-9 * porCalor);
    const double escala = std::fabs(b.Hidratacao) + std::fabs(b.Radiacao) + std::fabs(b.Conveccao) +
                          std::fabs(b.Extremidades) + std::fabs(b.Serpentinas);
    EXPECT_NEAR(b.Residuo(), b.Junta, 1e-9 * escala);
    EXPECT_NE(b.Texto().find("Retirado pela água das serpentinas"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Serpentinas, CalorDaAgua,
    testing::Combine(testing::Values(CasoAgua{"PeadLaminar", {0.032, 0.002, 0.45}, 2.0, false},
                                     CasoAgua{"PeadTurbulento", {0.032, 0.002, 0.45}, 20.0, true},
                                     CasoAgua{"AcoTransicao", {0.0254, 0.0015, 45.0}, 3.0, false},
                                     CasoAgua{"AcoTurbulento", {0.0254, 0.0015, 45.0}, 20.0, true}),
                     testing::Values(TFormulacao::Classica, TFormulacao::Consistente)),
    [](const auto& i) {
        return std::string(std::get<0>(i.param).nome) +
               (std::get<1>(i.param) == TFormulacao::Classica ? "Classica" : "Consistente");
    });

struct CasoGatilho {
    const char* nome;
    double liga, desliga, inicio, fim;
};

class Gatilho : public testing::TestWithParam<CasoGatilho> {};

// An insulated lift heated by a constant source under a strong flow: the water runs
// within the hours and, with the trigger, from a step whose start is at TLiga or warmer
// until a step starts at TDesliga or colder (the state machine written here).
TEST_P(Gatilho, LigaEDesligaComHistereseDentroDasHoras) {
    const CasoGatilho& c = GetParam();
    auto d = teste::Membro(1, 4, 0, 0, 240);
    d->Camadas[1].Espessura = 1.0;
    d->CalorCamadas[1].F = 100.0;  // about 0,15 °C/h
    auto s = Fileiras({0.5}, {0.0254, 0.0015, 45.0}, 30.0);
    s.Espacamento = 0.5;
    s.TEntrada = 5.0;
    s.HoraInicio = c.inicio;
    s.HoraFim = c.fim;
    s.PorTemperatura = c.liga > 0.0;
    s.TLiga = c.liga;
    s.TDesliga = c.desliga;
    auto& serp = SerpentinasEditavel(*d);
    serp.Camadas.resize(2);
    serp.Camadas[1] = s;
    MediasMembro m;
    HistoricoNumerico h;
    teste::Gravador g;
    TProcesso::ProcessaTransiente(*d, h, g, nullptr, &m);
    const auto& r = SerpentinasDe(*d).Resultados;
    ASSERT_EQ(r.Horas.size(), m.valores.size());
    bool gatilho = false;
    int transicoes = 0;
    bool antes = false;
    for (std::size_t k = 0; k < r.Horas.size(); ++k) {
        const double anterior = k == 0 ? 20.0 : m.valores[k - 1];
        if (s.PorTemperatura) {
            if (!gatilho && anterior >= c.liga) gatilho = true;
            else if (gatilho && anterior <= c.desliga) gatilho = false;
        }
        const double meio = r.Horas[k] - 0.5;
        const bool ligada = meio >= c.inicio && meio < c.fim && (!s.PorTemperatura || gatilho);
        EXPECT_EQ(!std::isnan(r.Saida[0][k]), ligada) << "hora " << r.Horas[k];
        EXPECT_EQ(r.Calor[0][k] != 0.0, ligada) << "hora " << r.Horas[k];
        if (k > 0 && ligada != antes) ++transicoes;
        antes = ligada;
    }
    EXPECT_GE(transicoes, 2);
}

INSTANTIATE_TEST_SUITE_P(Serpentinas, Gatilho,
                         testing::Values(CasoGatilho{"SoHoras", 0.0, 0.0, 24.0, 96.0},
                                         CasoGatilho{"Histerese", 30.0, 26.0, 0.0, 1e6},
                                         CasoGatilho{"HisteresePorHoras", 28.0, 27.0, 12.0, 200.0}),
                         [](const auto& i) { return std::string(i.param.nome); });

// Pipes that never run leave the run as it is without them, bit for bit, in both
// formulations: rows with a trigger never reached, and lifts listed with no rows.
TEST(Serpentinas, SemAguaORodarEOMesmo) {
    for (TFormulacao f : {TFormulacao::Classica, TFormulacao::Consistente}) {
        auto base = teste::MembroDeBancada(3, 4, 96);
        base->Formulacao = f;
        auto nunca = std::make_unique<TDadosModelo>(*base);
        auto vazias = std::make_unique<TDadosModelo>(*base);
        auto& s = SerpentinasEditavel(*nunca);
        s.Camadas.resize(3);
        s.Camadas[2] = Fileiras({0.5}, {0.032, 0.002, 0.45}, 20.0);
        s.Camadas[2].PorTemperatura = true;
        s.Camadas[2].TLiga = 99.0;
        SerpentinasEditavel(*vazias).Camadas.resize(4);
        TabelaTexto t0, t1, t2;
        teste::Gravador g;
        TProcesso::ProcessaTransiente(*base, t0, g);
        TProcesso::ProcessaTransiente(*nunca, t1, g);
        TProcesso::ProcessaTransiente(*vazias, t2, g);
        ASSERT_EQ(t0.Linhas(), t1.Linhas());
        for (int l = 0; l < t0.Linhas(); ++l)
            for (int c = 0; c < t0.Colunas(); ++c) {
                ASSERT_EQ(t0.Celula(c, l), t1.Celula(c, l)) << c << ", " << l;
                ASSERT_EQ(t0.Celula(c, l), t2.Celula(c, l)) << c << ", " << l;
            }
        EXPECT_FALSE(SerpentinasDe(*nunca).Resultados.Vazio());
    }
}

// ---- The project key. ----

TEST(Serpentinas, ChaveDoProjetoIdaEVolta) {
    auto d = teste::MembroDeBancada(3, 4, 96);
    auto& s = SerpentinasEditavel(*d);
    s.Camadas.resize(3);
    s.Camadas[2] = Fileiras({0.25, 0.75}, {0.0254, 0.0015, 45.0}, 18.5);
    s.Camadas[2].EntradaDaSerie = true;
    s.Camadas[2].PorTemperatura = true;
    s.Camadas[2].TLiga = 33.5;
    s.Camadas[2].TDesliga = 29.0;
    s.Camadas[2].HoraInicio = 6.0;
    s.SerieEntrada = {14.0, 14.5, 15.0};
    s.OrigemSerie = "rio.csv, coluna agua";
    const std::string texto = Projeto::Texto(*d);
    ASSERT_NE(texto.find("\"Serpentinas\""), std::string::npos);
    TDadosModelo lido;
    Projeto::LeTexto(texto, lido);
    const TDadosSerpentinas& l = SerpentinasDe(lido);
    ASSERT_EQ(l.Camadas.size(), 3u);
    EXPECT_TRUE(l.Camadas[1].Alturas.empty());
    EXPECT_EQ(l.Camadas[2], s.Camadas[2]);
    EXPECT_EQ(l.SerieEntrada, s.SerieEntrada);
    EXPECT_EQ(l.OrigemSerie, s.OrigemSerie);
    EXPECT_EQ(Projeto::Texto(lido), texto);
    // No pipes: no key, the file as before.
    EXPECT_EQ(Projeto::Texto(*teste::MembroDeBancada(3, 4, 96)).find("Serpentinas"), std::string::npos);
}

struct CasoRecusa {
    const char* nome;
    const char* valor;   // the value of "Serpentinas"
    const char* trecho;  // in the message
};

class ChaveRecusada : public testing::TestWithParam<CasoRecusa> {};

TEST_P(ChaveRecusada, NomeiaOCampo) {
    const CasoRecusa& c = GetParam();
    auto d = teste::MembroDeBancada(3, 4, 96);
    std::string texto = Projeto::Texto(*d);
    texto.insert(texto.rfind('}'), std::string(",\n  \"Serpentinas\": ") + c.valor + "\n");
    TDadosModelo lido;
    try {
        Projeto::LeTexto(texto, lido);
        FAIL() << "aceitou " << c.valor;
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Serpentinas, ChaveRecusada,
    testing::Values(CasoRecusa{"NaoObjeto", "[]", "\"Serpentinas\" deve ser um objeto"},
                    CasoRecusa{"ChaveDesconhecida", "{\"Tubos\": 1}", "chave desconhecida \"Tubos\""},
                    CasoRecusa{"CamadaDesconhecida", "{\"Camadas\": [{\"Diametro\": 1}]}",
                               "Camadas[0] (camada 1): chave desconhecida \"Diametro\""},
                    CasoRecusa{"AlturaTexto", "{\"Camadas\": [{\"Alturas\": [\"meio\"]}]}", "Alturas[0]: deve ser um número"},
                    CasoRecusa{"GatilhoNaoLogico", "{\"Camadas\": [{\"PorTemperatura\": 1}]}", "deve ser true ou false"},
                    CasoRecusa{"EspacamentoNegativo", "{\"Camadas\": [{\"Alturas\": [0.5], \"Espacamento\": -1}]}",
                               "O espaçamento das serpentinas da camada 1"},
                    CasoRecusa{"HisteseInvertida",
                               "{\"Camadas\": [{\"Alturas\": [0.5], \"PorTemperatura\": true, \"TLiga\": 25, \"TDesliga\": 30}]}",
                               "deve desligar abaixo"},
                    CasoRecusa{"ParedeGrossa", "{\"Camadas\": [{\"Alturas\": [0.5], \"EspessuraParede\": 0.02}]}",
                               "espessura da parede"}),
    [](const auto& i) { return std::string(i.param.nome); });

// Values only the member can judge are refused by the run, naming the lift.
TEST(Serpentinas, ForaDaCamadaRecusadoNaExecucao) {
    const std::vector<std::pair<double, const char*>> casos{{1.2, "deve ficar dentro da camada"},
                                                            {0.0, "deve ficar dentro da camada"}};
    for (const auto& [altura, trecho] : casos) {
        auto d = teste::MembroDeBancada(3, 4, 96);
        auto& s = SerpentinasEditavel(*d);
        s.Camadas.resize(2);
        s.Camadas[1] = Fileiras({altura}, {0.032, 0.002, 0.45}, 20.0);
        TabelaTexto t;
        teste::Gravador g;
        try {
            TProcesso::ProcessaTransiente(*d, t, g);
            FAIL() << altura;
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(trecho), std::string::npos) << e.what();
        }
    }
}

}  // namespace

namespace {

// The dam section of the examples, with its pipes and without them: the figures the
// README gives.
TEST(Serpentinas, ExemploDaBarragemComESemSerpentinas) {
    struct Caso {
        bool tubos;
        const char* maxima;
        const char* diferenca;
    };
    for (const Caso& c : {Caso{true, "48,43", "19,82"}, Caso{false, "53,04", "24,36"}}) {
        TDadosModelo d;
        Projeto::Le(NORVIK_FONTES "/exemplos/secao-barragem-15-camadas-serpentinas.n1d.json", d);
        ASSERT_TRUE(SerpentinasDe(d).EmUso());
        if (!c.tubos) d.Resfriamento.Define(nullptr);
        HistoricoNumerico h;
        teste::Gravador g;
        ASSERT_TRUE(TProcesso::ProcessaTransiente(d, h, g).Completo);
        const TResumoTermico r = TResumoTermico::Calcula(d, h, 70.0);
        EXPECT_EQ(Numeros::FormataFixo(r.TMaxima, 0, 2), c.maxima) << c.tubos;
        EXPECT_EQ(Numeros::FormataFixo(r.DifMaxima, 0, 2), c.diferenca) << c.tubos;
        EXPECT_EQ(r.Serpentinas.empty(), !c.tubos);
    }
}

}  // namespace
