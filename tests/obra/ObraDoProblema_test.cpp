// The site reaches the engine only through the problem it belongs to: every way a
// feature hands a problem on (a copy, an assignment, the project's copy of a problem,
// the project file, a move) runs the same site through the pipeline, and changing the
// site of a copy leaves the original's alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>

#include "analise/Analise.h"
#include "core/MembroTeste.h"
#include "core/Projeto.h"
#include "obra/DadosObra.h"
#include "obra/Protecoes.h"

namespace {

using Problema = std::unique_ptr<TDadosModelo>;

// Two lifts a day apart under two days of hourly air, wind and sun, a blanket on the
// first lift's top and a form under the stack: every part of the site changes the run.
Problema ComObra() {
    auto d = teste::Membro(2, 4, 0, 24, 48.0);
    teste::CurvaHidratacao(*d);
    d->BetaSup = 15.0 * 3600.0;
    d->BetaInf = 5.0 * 3600.0;
    TDadosObra& o = ObraEditavel(*d);
    o.ClimaArquivo = true;
    for (int k = 0; k <= 48; ++k) {
        const double dia = std::sin(2.0 * std::numbers::pi * (k - 8) / 24.0);
        o.Temperatura.push_back(22.0 + 7.0 * dia);
        o.Vento.push_back(1.0 + (k % 5));
        o.Radiacao.push_back(dia > 0.0 ? 750.0 * dia : 0.0);
    }
    Protecoes::DoTopo(o, 1).push_back({"manta", 0.5, 0.0, 30.0});
    o.ProtecoesBase.push_back({"forma", 0.15, 0.0, 36.0});
    return d;
}

HistoricoNumerico Temperaturas(const TDadosModelo& d) {
    Progresso nada;
    return Analise::Executa(d, OpcoesAnalise{}, nada).Temperaturas;
}

// The first cell where the two histories differ, or empty.
std::string Diferenca(const HistoricoNumerico& a, const HistoricoNumerico& b) {
    if (a.Linhas() != b.Linhas() || a.Colunas() != b.Colunas()) return "tamanhos diferentes";
    for (int l = 0; l < a.Linhas(); ++l)
        for (int c = 0; c < a.Colunas(); ++c)
            if (a.TextoCelula(c, l) != b.TextoCelula(c, l))
                return "linha " + std::to_string(l) + " coluna " + std::to_string(c);
    return {};
}

struct Caso {
    const char* nome;
    std::function<Problema(const TDadosModelo&)> repassa;
};

const Caso Casos[] = {
    {"Copia", [](const TDadosModelo& d) { return std::make_unique<TDadosModelo>(d); }},
    {"Atribuicao",
     [](const TDadosModelo& d) {
         auto c = std::make_unique<TDadosModelo>();
         *c = d;
         return c;
     }},
    {"CopiaDoProblema",
     [](const TDadosModelo& d) {
         auto c = std::make_unique<TDadosModelo>();
         Projeto::CopiaProblema(d, *c);
         return c;
     }},
    {"ArquivoDeProjeto",
     [](const TDadosModelo& d) {
         auto c = std::make_unique<TDadosModelo>();
         Projeto::LeTexto(Projeto::Texto(d), *c);
         return c;
     }},
    {"Movido",
     [](const TDadosModelo& d) {
         auto origem = std::make_unique<TDadosModelo>(d);
         return std::make_unique<TDadosModelo>(std::move(*origem));
     }},
};

class ObraRepassada : public testing::TestWithParam<Caso> {};

TEST_P(ObraRepassada, RodaAMesmaObraEMudaSoACopia) {
    const Problema original = ComObra();
    const HistoricoNumerico esperado = Temperaturas(*original);
    auto semObra = std::make_unique<TDadosModelo>(*original);
    semObra->Obra = TObraDoProblema{};
    ASSERT_FALSE(Diferenca(Temperaturas(*semObra), esperado).empty()) << "a obra não muda a análise";

    const Problema copia = GetParam().repassa(*original);
    EXPECT_EQ(Diferenca(Temperaturas(*copia), esperado), "");

    TDadosObra& obraDaCopia = ObraEditavel(*copia);
    ASSERT_NE(&obraDaCopia, &ObraDe(*original));
    obraDaCopia.Temperatura[10] += 5.0;
    Protecoes::DoTopo(obraDaCopia, 1).clear();
    EXPECT_EQ(ObraDe(*original).Temperatura[10], ObraDe(*ComObra()).Temperatura[10]);
    EXPECT_EQ(ObraDe(*original).ProtecoesTopo[1].size(), 1u);
    EXPECT_EQ(Diferenca(Temperaturas(*original), esperado), "");
    EXPECT_NE(Diferenca(Temperaturas(*copia), esperado), "");
}

INSTANTIATE_TEST_SUITE_P(Obra, ObraRepassada, testing::ValuesIn(Casos),
                         [](const auto& i) { return std::string(i.param.nome); });

// Without site data the problem carries none, and the project file has no site key; a
// site edited back to the start-up value writes none either.
TEST(ObraDoProblema, VaziaNaoVaiAoProjeto) {
    auto d = teste::Membro(1, 2, 0, 24, 24.0);
    EXPECT_FALSE(d->Obra);
    const std::string sem = Projeto::Texto(*d);
    EXPECT_EQ(sem.find("\"Obra\""), std::string::npos);
    ObraEditavel(*d).Absortividade = 0.65;
    EXPECT_TRUE(d->Obra);
    EXPECT_EQ(Projeto::Texto(*d), sem);
}

}  // namespace
