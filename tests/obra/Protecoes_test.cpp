// Protections of the faces: the series resistance, an insulating one, the hour of removal.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "obra/CondicoesObra.h"
#include "core/Erros.h"
#include "core/Func.h"
#include "core/MembroTeste.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "obra/Protecoes.h"
#include "obra/DadosObra.h"

namespace {

constexpr double Infinito = std::numeric_limits<double>::infinity();

TabelaTexto Roda(TDadosModelo& d) {
    TabelaTexto t;
    teste::Gravador g;
    TProcesso::ProcessaTransiente(d, t, g);
    return t;
}

struct CasoSerie {
    const char* nome;
    double h;  // W/(m²·°C)
    double R;  // m²·°C/W
};

// Steady state of a 1 m slab (k = 2) with a uniform heat F = 50 W/m³, insulated at the
// bottom, giving all of it, q = F·L, to air at 10 °C through R and h in series: the top
// at 10 + q·(R + 1/h), the bottom F·L²/(2k) above it (linear elements are exact at the
// nodes for a uniform source).
class RegimePermanente : public testing::TestWithParam<CasoSerie> {};

TEST_P(RegimePermanente, ConfereComAResistenciaEmSerie) {
    const CasoSerie& c = GetParam();
    auto d = teste::Membro(1, 5, 0, 0, 40000.0);
    d->CalorCamadas[1].F = 50.0;
    d->TAmbConst = 10.0;
    d->BetaSup = c.h * 3600.0;
    if (c.R > 0.0) Protecoes::DoTopo(ObraEditavel(*d), 1).push_back({"placa", c.R, 0.0, 1e9});
    Roda(*d);
    const double topo = 10.0 + 50.0 * (c.R + 1.0 / c.h);
    EXPECT_NEAR(d->Temperaturas[6], topo, 1e-6);
    EXPECT_NEAR(d->Temperaturas[1], topo + 50.0 / 4.0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Protecoes, RegimePermanente,
                         testing::Values(CasoSerie{"SemProtecao", 15.0, 0.0}, CasoSerie{"Manta", 15.0, 0.625},
                                         CasoSerie{"PlacaGrossa", 10.0, 2.0}, CasoSerie{"VentoForte", 40.0, 0.15}),
                         [](const auto& i) { return std::string(i.param.nome); });

// A hot block: an infinite resistance gives the table of a face without exchange.
TEST(Protecoes, ResistenciaInfinitaEFaceIsolada) {
    auto isolada = teste::Membro(2, 3, 0, 24, 96.0);
    teste::CurvaHidratacao(*isolada);
    isolada->BetaInf = 0.0;
    isolada->BetaSup = 0.0;
    auto protegida = teste::Membro(2, 3, 0, 24, 96.0);
    teste::CurvaHidratacao(*protegida);
    protegida->BetaInf = 8.0 * 3600.0;
    protegida->BetaSup = 15.0 * 3600.0;
    for (int L = 1; L <= 2; ++L) Protecoes::DoTopo(ObraEditavel(*protegida), L).push_back({"", Infinito, 0.0, 1e9});
    ObraEditavel(*protegida).ProtecoesBase.push_back({"", Infinito, 0.0, 1e9});
    const TabelaTexto a = Roda(*isolada), b = Roda(*protegida);
    for (int l = 0; l < a.Linhas(); ++l)
        for (int col = 0; col < a.Colunas(); ++col) ASSERT_EQ(b.Celula(col, l), a.Celula(col, l)) << l << " " << col;
}

struct CasoHora {
    const char* nome;
    int L;         // lifts placed
    double t;      // absolute hour
    double RTopo;  // resistance that must act on the top face
    double RBase;
};

// Layer 1 placed at 10 h, layer 2 at 100 h. Layer 1 has a blanket 0..48 h and a board
// 0..24 h after placement (removed in two stages); layer 2 a blanket 6..30 h; the
// bottom a form 0..72 h after layer 1.
const CasoHora CasosHora[] = {
    {"AntesDaRetiradaDaPlaca", 1, 33.0, 0.625 + 0.66, 0.15},
    {"NaRetiradaDaPlaca", 1, 34.0, 0.625, 0.15},
    {"AntesDaRetiradaDaManta", 1, 57.0, 0.625, 0.15},
    {"NaRetiradaDaManta", 1, 58.0, 0.0, 0.15},
    {"FormaRetirada", 1, 82.0, 0.0, 0.0},
    {"CamadaCobertaNaoTemFace", 2, 101.0, 0.0, 0.0},
    {"MantaDaCamada2Colocada", 2, 106.0, 0.625, 0.0},
    {"MantaDaCamada2Retirada", 2, 130.0, 0.0, 0.0},
};

class HoraDaRetirada : public testing::TestWithParam<CasoHora> {};

TEST_P(HoraDaRetirada, MudaOCoeficienteExatamenteNaHora) {
    const CasoHora& c = GetParam();
    auto d = teste::Membro(2, 2, 10, 90, 200.0);
    d->BetaSup = 15.0 * 3600.0;
    d->BetaInf = 4.0 * 3600.0;
    auto& topo1 = Protecoes::DoTopo(ObraEditavel(*d), 1);
    topo1.push_back({"manta", 0.625, 0.0, 48.0});
    topo1.push_back({"placa", 0.66, 0.0, 24.0});
    Protecoes::DoTopo(ObraEditavel(*d), 2).push_back({"manta", 0.625, 6.0, 30.0});
    ObraEditavel(*d).ProtecoesBase.push_back({"forma", 0.15, 0.0, 72.0});
    TValoresSI si;
    TValoresSI::Deriva(*d, si);
    const TCoeficientes h = TFunc::CoeficientesConveccao(*d, si, c.t, c.L);
    EXPECT_DOUBLE_EQ(h.HSup / 3600.0, 1.0 / (1.0 / 15.0 + c.RTopo));
    EXPECT_DOUBLE_EQ(h.HInf / 3600.0, 1.0 / (1.0 / 4.0 + c.RBase));
}

INSTANTIATE_TEST_SUITE_P(Protecoes, HoraDaRetirada, testing::ValuesIn(CasosHora),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(Protecoes, ProjetoGuardaEVoltaERecusaOQueNaoConhece) {
    auto d = teste::Membro(2, 2, 0, 24, 48.0);
    Protecoes::DoTopo(ObraEditavel(*d), 2).push_back({"Manta de lã mineral 25 mm", 0.625, 0.0, 48.0});
    ObraEditavel(*d).ProtecoesBase.push_back({"forma", 0.15, 0.0, 72.0});
    const std::string texto = Projeto::Texto(*d);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *lido);
    ASSERT_EQ(ObraDe(*lido).ProtecoesTopo.size(), 3u);
    EXPECT_TRUE(ObraDe(*lido).ProtecoesTopo[1].empty());
    ASSERT_EQ(ObraDe(*lido).ProtecoesTopo[2].size(), 1u);
    EXPECT_EQ(ObraDe(*lido).ProtecoesTopo[2][0].Nome, "Manta de lã mineral 25 mm");
    EXPECT_EQ(ObraDe(*lido).ProtecoesBase[0].HoraRetirada, 72.0);
    EXPECT_EQ(Projeto::Texto(*lido), texto);

    for (const char* obra : {R"("Obra": {"ProtecoesBase": [{"R": 1, "Cor": 2}]})", R"("Obra": {"ProtecoesBase": [{"Nome": "x"}]})",
                             R"("Obra": {"Temperatura": [1, 2], "Vento": [1]})", R"("Obra": {"Chuva": true})"}) {
        const std::string ruim = R"({"formato": "norvik-1d/projeto", "versao": 1, )" + std::string(obra) + "}";
        try {
            Projeto::LeTexto(ruim, *lido);
            ADD_FAILURE() << "aceitou " << obra;
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find("\"Obra\""), std::string::npos) << e.what();
        }
        EXPECT_EQ(Projeto::Texto(*lido), texto) << "o estado mudou com " << obra;
    }
}

TEST(Protecoes, EntradaRuimERecusadaAntesDoCalculo) {
    for (TProtecao p : {TProtecao{"", -0.1, 0, 10}, TProtecao{"", 0.5, 20, 10}, TProtecao{"", NAN, 0, 10}}) {
        auto d = teste::Membro(1, 2, 0, 0, 24.0);
        Protecoes::DoTopo(ObraEditavel(*d), 1).push_back(p);
        TabelaTexto t;
        teste::Gravador g;
        EXPECT_THROW(TProcesso::ProcessaTransiente(*d, t, g), ErroEntrada);
    }
}

}  // namespace

#include <vector>

#include "results/ResumoTermico.h"

namespace {

// The hours a top stays bare between its last blanket's removal and the next lift
// covering it (one hour after its placement), and the sentence the summary gives when
// that is an hour or less. Lift 1 placed at 7 h, lift 2 at 127 h: covered from 128 h,
// which is 121 h after lift 1's placement.
struct CasoDescoberto {
    std::vector<TProtecao> topo1;  // protections of lift 1's top
    int camadas;
    double horas;
    bool avisa;
};
class TopoDescoberto : public testing::TestWithParam<CasoDescoberto> {};

TEST_P(TopoDescoberto, HorasEAviso) {
    const CasoDescoberto& c = GetParam();
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = c.camadas;
    d->NCamadasMembro = c.camadas;
    d->Camadas[1].HoraConcretagem = 7;
    d->Camadas[2].HoraConcretagem = 127;
    d->Camadas[3].HoraConcretagem = 300;
    Protecoes::DoTopo(ObraEditavel(*d), 1) = c.topo1;
    EXPECT_DOUBLE_EQ(Protecoes::HorasDescobertas(*d, 1), c.horas);
    const auto avisos = Protecoes::AvisosTopoDescoberto(*d);
    ASSERT_EQ(avisos.size(), c.avisa ? 1u : 0u);
    if (!c.avisa) return;
    EXPECT_EQ(avisos[0], "O topo da camada 1 fica descoberto por " + Numeros::FormataGeral(c.horas) +
                             " h entre a retirada da sua proteção e a cobertura pela camada 2.");
    // The thermal summary says it beside its figures.
    HistoricoNumerico vazio;
    EXPECT_NE(TResumoTermico::Calcula(*d, vazio, 70.0).Avisos, std::vector<std::string>{});
}
INSTANTIATE_TEST_SUITE_P(
    Casos, TopoDescoberto,
    testing::Values(CasoDescoberto{{{"Manta", 0.625, 0, 120}}, 2, 1.0, true},
                    CasoDescoberto{{{"Manta", 0.625, 0, 120.5}}, 2, 0.5, true},
                    // The default removal: covered when the blanket comes off.
                    CasoDescoberto{{{"Manta", 0.625, 0, 121}}, 2, 0.0, false},
                    CasoDescoberto{{{"Manta", 0.625, 0, 200}}, 2, 0.0, false},
                    // Long bare spells are a choice, not a slip.
                    CasoDescoberto{{{"Manta", 0.625, 0, 100}}, 2, 21.0, false},
                    // The last blanket off is the one that bares the top.
                    CasoDescoberto{{{"Lona", 0.15, 0, 120.5}, {"Manta", 0.625, 0, 72}}, 2, 0.5, true},
                    CasoDescoberto{{}, 2, 0.0, false},
                    // The top lift has no next lift to cover it.
                    CasoDescoberto{{{"Manta", 0.625, 0, 120}}, 1, 0.0, false}));

}  // namespace
