// The earliest safe removal on a case whose answer is known before any run.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/Erros.h"
#include "core/MembroTeste.h"
#include "obra/ClimaHorario.h"
#include "obra/Protecoes.h"
#include "estudos/RemocaoSegura.h"
#include "stress/ModeloTensional.h"
#include "obra/DadosObra.h"

namespace {

// A lift at 20 °C without heat under a perfectly insulating cover until its removal;
// the air is at 0 °C up to hour `frente` and at 20 °C from then on. A removal before
// `frente` exposes the face to the cold (the surface contracts against the core:
// tension far above the weak strength z/(100 + z) MPa); from `frente` on the air is at
// the concrete's temperature and nothing moves: no tension at all.
std::unique_ptr<TDadosModelo> FrenteFria(int frente) {
    auto d = teste::Membro(1, 4, 0, 0, 72.0);
    d->Camadas[1].Espessura = 1.5;
    d->BetaSup = 15.0 * 3600.0;
    std::string csv = "hora;temperatura\n";
    for (int k = 0; k <= 72; ++k) csv += std::to_string(k) + (k < frente ? ";0\n" : ";20\n");
    TClimaHorario::LeCsv(csv).Aplica(ObraEditavel(*d));
    Protecoes::DoTopo(ObraEditavel(*d), 1).push_back({"lona", 0.15, 0.0, 10.0});
    Protecoes::DoTopo(ObraEditavel(*d), 1).push_back({"isolante", std::numeric_limits<double>::infinity(), 0.0, 72.0});
    d->ModeloFluencia = TModeloFluencia::Bureau;
    ModeloTensional::ParametrosPadrao(*d);
    d->ResistTracaoA = 100.0;
    d->ResistTracaoB = 1.0;
    return d;
}

class RemocaoSegura : public testing::TestWithParam<int> {};

TEST_P(RemocaoSegura, AchaAHoraDaFrente) {
    const int frente = GetParam();
    auto d = FrenteFria(frente);
    Progresso semJanela;
    const TRemocaoSegura r = TRemocaoSegura::Busca(*d, 1, 0, 1.0, TCurvaTracao::Simples, semJanela);
    EXPECT_EQ(r.Protecao, 2);  // the one that comes off last
    ASSERT_TRUE(r.Encontrada) << r.Texto();
    EXPECT_EQ(r.Hora, frente);
    EXPECT_EQ(r.IndiceHora, TRemocaoSegura::SemTracao);
    EXPECT_EQ(r.IndicePlanejada, TRemocaoSegura::SemTracao);
    EXPECT_EQ(r.Analises, 1 + frente + 1);
    EXPECT_NE(r.Texto().find("retirada na hora " + std::to_string(frente) + " após o lançamento"), std::string::npos)
        << r.Texto();

    // One hour earlier cracks: that run's index is below the limit.
    auto cedo = FrenteFria(frente);
    ObraEditavel(*cedo).ProtecoesTopo[1][1].HoraRetirada = frente - 1;
    const TRemocaoSegura antes = TRemocaoSegura::Busca(*cedo, 1, 2, 1.0, TCurvaTracao::Simples, semJanela);
    EXPECT_FALSE(antes.Encontrada);
    EXPECT_LT(antes.IndicePlanejada, 1.0);
    EXPECT_NE(antes.Texto().find("nenhuma hora"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Obra, RemocaoSegura, testing::Values(6, 30));

TEST(RemocaoSeguraRecusa, DizOQueFaltaAntesDeRodar) {
    struct Caso {
        const char* nome;
        void (*estraga)(TDadosModelo&);
        const char* mensagem;
    };
    const Caso casos[] = {
        {"SemFluencia", [](TDadosModelo& d) { d.ModeloFluencia = TModeloFluencia::Nenhum; }, "modelo de fluência"},
        {"SemResistencias", [](TDadosModelo& d) { d.ResistTracaoA = d.ResistTracaoB = 0.0; }, "resistência"},
        {"SemProtecao", [](TDadosModelo& d) { ObraEditavel(d).ProtecoesTopo.clear(); }, "não tem proteções"},
    };
    for (const Caso& c : casos) {
        auto d = FrenteFria(6);
        c.estraga(*d);
        Progresso semJanela;
        try {
            TRemocaoSegura::Busca(*d, 1, 0, 1.0, TCurvaTracao::Simples, semJanela);
            ADD_FAILURE() << c.nome << ": buscou";
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(c.mensagem), std::string::npos) << c.nome << ": " << e.what();
        }
    }
}

}  // namespace
