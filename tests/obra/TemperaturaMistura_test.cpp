// The placing temperature from the mix against the weighted-average form of ACI 305R,
// written here apart from the program: T = [0,22·(Ta·Wa + Tc·Wc) + Tw·Ww + Ta·Wwa − 80·Wi]
// / [0,22·(Wa + Wc) + Ww + Wi + Wwa] (specific heats relative to water, ice at 0 °C,
// latent heat 80 in the same unit).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "core/Erros.h"
#include "core/MembroTeste.h"
#include "core/Projeto.h"
#include "obra/DadosObra.h"
#include "obra/TemperaturaMistura.h"

namespace {

using namespace TemperaturaMistura;

struct CasoAci {
    const char* nome;
    double Wc, Tc, Wa, Ta, umidade, Ww, Tw, Wi;
};

double FormaAci(const CasoAci& c) {
    const double Wwa = c.Wa * c.umidade / 100.0;
    return (0.22 * (c.Ta * c.Wa + c.Tc * c.Wc) + c.Tw * c.Ww + c.Ta * Wwa - 80.0 * c.Wi) /
           (0.22 * (c.Wa + c.Wc) + c.Ww + c.Wi + Wwa);
}

Mistura EmUnidadesAci(const CasoAci& c) {
    Mistura m;
    m.Cimento = {c.Wc, c.Tc, 0.22};
    m.Agregados = {{"areia", c.Wa * 0.4, c.Ta, 0.22, c.umidade}, {"brita", c.Wa * 0.6, c.Ta, 0.22, c.umidade}};
    m.Agua = {c.Ww, c.Tw, 1.0};
    m.Gelo = {c.Wi, 0.0, 0.5};
    m.CalorFusao = 80.0;
    return m;
}

TEST(TemperaturaMistura, ConcordaComAFormaDaNorma) {
    const CasoAci casos[] = {
        // A hot-weather mix worked by hand: 28151,5 / 702,5 = 40,07 °C.
        {"quente sem gelo", 375, 46.2, 2000, 41, 0, 180, 35, 0},
        {"com umidade livre", 330, 60, 1900, 32, 4, 120, 28, 0},
        {"gelo em lugar de água", 360, 40, 1828.2, 37, 0, 122.8, 30, 50},
        {"muito gelo, agregado frio", 300, 35, 2000, 18, 2.5, 60, 5, 90},
        {"só agregado", 0, 0, 2000, 25, 0, 0, 0, 0},
    };
    for (const CasoAci& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_NEAR(Temperatura(EmUnidadesAci(c)), FormaAci(c), 1e-9);
    }
    EXPECT_NEAR(Temperatura(EmUnidadesAci(casos[0])), 28151.5 / 702.5, 1e-9);
}

TEST(TemperaturaMistura, GeloAbaixoDeZeroEGanho) {
    // 1 kg of ice at −10 °C takes c_gelo·10 + L from the mix before it melts.
    Mistura m;
    m.Cimento = {350, 30, 0.92};
    m.Agregados = {{"brita", 1900, 30, 0.92, 0}};
    m.Agua = {100, 30, 4.184};
    m.Gelo = {50, -10, 2.05};
    m.CalorFusao = 334;
    m.Ganho = 1.5;
    const double capacidade = 350 * 0.92 + 1900 * 0.92 + 150 * 4.184;
    const double calor = 30 * (350 * 0.92 + 1900 * 0.92 + 100 * 4.184) - 50 * (2.05 * 10 + 334);
    EXPECT_NEAR(Temperatura(m), calor / capacidade + 1.5, 1e-9);
}

TEST(TemperaturaMistura, GeloParaOAlvoLevaAoAlvo) {
    struct Caso {
        double alvo;
        bool possivel;
        bool zero;
    };
    const Caso casos[] = {{35.0, true, true}, {28.0, true, false}, {20.0, true, false}, {5.0, false, false}};
    Mistura m;
    m.Cimento = {400, 45, 0.92};
    m.Agregados = {{"areia", 750, 32, 0.92, 3}, {"brita", 1050, 30, 0.92, 1}};
    m.Agua = {160, 25, 4.184};
    m.Gelo = {10, -5, 2.05};
    m.Ganho = 1.0;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.alvo);
        const GeloNecessario g = GeloParaAlvo(m, c.alvo);
        ASSERT_EQ(g.Possivel, c.possivel) << g.Motivo;
        if (!c.possivel) {
            EXPECT_NE(g.Motivo.find("mais que toda a água da mistura (170,00 kg/m³)"), std::string::npos) << g.Motivo;
            continue;
        }
        if (c.zero) {
            EXPECT_EQ(g.Massa, 0.0);
            EXPECT_LE(Temperatura(m), c.alvo);
            continue;
        }
        // The ice found, in place of as much water, gives the target back.
        Mistura comGelo = m;
        comGelo.Agua.Massa = m.Agua.Massa + m.Gelo.Massa - g.Massa;
        comGelo.Gelo.Massa = g.Massa;
        EXPECT_NEAR(Temperatura(comGelo), c.alvo, 1e-9);
    }
}

TEST(TemperaturaMistura, RecusaOImpossivelNomeandoOCampo) {
    struct Caso {
        const char* trecho;
        void (*estraga)(Mistura&);
    };
    const Caso casos[] = {
        {"A massa do cimento não pode ser negativa", [](Mistura& m) { m.Cimento.Massa = -1; }},
        {"A umidade livre de brita deve estar entre 0 e 30 %", [](Mistura& m) { m.Agregados[0].Umidade = 40; }},
        {"A temperatura do gelo deve estar entre -60 e 0 °C (lido 2,00)", [](Mistura& m) { m.Gelo.Temperatura = 2; }},
        {"O calor específico da água deve ser maior que zero", [](Mistura& m) { m.Agua.CalorEspecifico = 0; }},
        {"A temperatura da água deve estar entre -60 e 100 °C", [](Mistura& m) { m.Agua.Temperatura = 120; }},
        {"A mistura não tem massa", [](Mistura& m) {
             m.Cimento.Massa = 0;
             m.Agregados.clear();
             m.Agua.Massa = 0;
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.trecho);
        Mistura m;
        m.Cimento = {350, 30, 0.92};
        m.Agregados = {{"brita", 1900, 30, 0.92, 0}};
        m.Agua = {150, 25, 4.184};
        c.estraga(m);
        try {
            (void)Temperatura(m);
            ADD_FAILURE() << "aceitou";
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
        }
    }
}

// The mix kept in the project with the lifts it was applied to: it reads back equal,
// writes back byte for byte, and a file without it stays as it was.
Mistura Tipica() {
    Mistura m;
    m.Cimento = {330, 40, 0.92};
    m.Agregados = {{"Areia", 750, 30, 0.92, 4.5}, {"Brita 1", 500, 28, 0.92, 1}, {"Brita 2", 600, 28, 0.92, 0}};
    m.Agua = {120.5, 25, 4.184};
    m.Gelo = {39.5, -5, 2.05};
    m.Ganho = 1.5;
    return m;
}

TEST(TemperaturaMistura, MisturaGuardadaNoProjetoIdaEVolta) {
    auto d = teste::Membro(3, 2, 0, 24, 96);
    const std::string semMistura = Projeto::Texto(*d);
    EXPECT_EQ(semMistura.find("MisturaLancamento"), std::string::npos);
    TDadosObra& o = ObraEditavel(*d);
    o.MisturaLancamento = Tipica();
    o.CamadasMistura = {2, 3};
    const std::string texto = Projeto::Texto(*d);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *lido);
    ASSERT_TRUE(ObraDe(*lido).MisturaLancamento);
    EXPECT_EQ(*ObraDe(*lido).MisturaLancamento, Tipica());
    EXPECT_EQ(ObraDe(*lido).CamadasMistura, (std::vector<int>{2, 3}));
    EXPECT_EQ(Projeto::Texto(*lido), texto);
}

TEST(TemperaturaMistura, ComGeloTrocaAguaPorGeloEMantemOTotal) {
    const Mistura m = ComGelo(Tipica(), 60);
    EXPECT_EQ(m.Gelo.Massa, 60);
    EXPECT_EQ(m.Agua.Massa, 100);
    EXPECT_THROW((void)ComGelo(Tipica(), 160.5), ErroEntrada);
    EXPECT_THROW((void)ComGelo(Tipica(), -1), ErroEntrada);
}

struct MisturaRuim {
    const char* nome;
    void (*estraga)(nlohmann::ordered_json&);
    const char* trecho;
};

class MisturaDoProjetoRecusada : public testing::TestWithParam<MisturaRuim> {};

TEST_P(MisturaDoProjetoRecusada, NomeandoAChave) {
    auto d = teste::Membro(3, 2, 0, 24, 96);
    ObraEditavel(*d).MisturaLancamento = Tipica();
    ObraEditavel(*d).CamadasMistura = {1, 2};
    auto j = nlohmann::ordered_json::parse(Projeto::Texto(*d));
    GetParam().estraga(j["Obra"]["MisturaLancamento"]);
    auto lido = std::make_unique<TDadosModelo>();
    try {
        Projeto::LeTexto(j.dump(2), *lido);
        ADD_FAILURE() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chaves, MisturaDoProjetoRecusada,
    testing::Values(
        MisturaRuim{"ChaveDesconhecida", [](auto& m) { m["Sal"] = 1; }, "MisturaLancamento: chave desconhecida \"Sal\""},
        MisturaRuim{"FaltaGanho", [](auto& m) { m.erase("Ganho"); }, "MisturaLancamento: falta a chave \"Ganho\""},
        MisturaRuim{"MassaTexto", [](auto& m) { m["Agua"]["Massa"] = "150"; }, "MisturaLancamento.Agua.Massa: deve ser um número"},
        MisturaRuim{"AgregadoSemUmidade", [](auto& m) { m["Agregados"][1].erase("Umidade"); },
                    "MisturaLancamento.Agregados[1]: falta a chave \"Umidade\""},
        MisturaRuim{"GeloQuente", [](auto& m) { m["Gelo"]["Temperatura"] = 4; },
                    "A temperatura do gelo deve estar entre -60 e 0 °C"},
        MisturaRuim{"CamadaZero", [](auto& m) { m["Camadas"] = {0}; }, "Camadas[0]: não é uma camada do membro"},
        MisturaRuim{"CamadaFracionaria", [](auto& m) { m["Camadas"] = {1.5}; }, "deve ser um número inteiro de camada"},
        MisturaRuim{"CamadasRepetidas", [](auto& m) { m["Camadas"] = {2, 2}; }, "em ordem, sem repetir"}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
