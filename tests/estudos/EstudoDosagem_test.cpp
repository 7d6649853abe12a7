// The study parameters of the mix: each value goes into the mix of every layer that has
// one, and those layers' heat records take the parameters computed from the changed mix;
// layers without a mix keep theirs. References: αu = 1,031·(a/agl)/(0,194 + a/agl) +
// 0,50·p_poz + 0,30·p_esc worked by hand.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/ProjetoMistura.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"
#include "mistura/Cimentos.h"

namespace {

using Json = nlohmann::ordered_json;
using ::testing::HasSubstr;

Json Dosagem(int camada) {
    Json o = Json::object();
    o["Camada"] = camada;
    o["Cimento"] = ProjetoMistura::CimentoParaJson(Cimentos::Tipico("CP I")->Cimento);
    for (const char* k : {"Escoria", "Pozolana", "CaOPozolana", "Silica", "Filer"}) o[k] = 0;
    o["Aglomerante"] = 350;
    o["AguaAglomerante"] = 0.5;
    return o;
}

// The wall of the examples with a CP I mix (w/b 0,5) in lifts 3 and 7.
Json MuroComDosagem(bool comDosagem = true) {
    std::ifstream f(std::string(NORVIK_FONTES) + "/exemplos/muro-10-camadas-cura.n1d.json");
    Json j = Json::parse(f);
    if (comDosagem) j["Dosagens"] = Json::array({Dosagem(3), Dosagem(7)});
    return j;
}

TEstudo EstudoDe(const Json& base, const std::string& parametros, const PastaTemporaria& pasta) {
    std::ofstream(pasta / "base.n1d.json") << base.dump();
    return Estudo::LeTexto(R"({"formato": "norvik-1d/estudo", "versao": 1, "projeto": "base.n1d.json",
                              "parametros": {)" + parametros + "}}",
                           pasta.Caminho().string());
}

struct CasoParametro {
    const char* nome;
    const char* chave;
    double valor;
    double alfaU;        // worked by hand
    double aglomerante;  // kg/m³ of the record (C)
};
class ParametroDaDosagem : public ::testing::TestWithParam<CasoParametro> {};

TEST_P(ParametroDaDosagem, SoAsCamadasComDosagem) {
    const CasoParametro& c = GetParam();
    PastaTemporaria pasta;
    const TEstudo e = EstudoDe(MuroComDosagem(), std::string("\"") + c.chave + "\": [" + std::to_string(c.valor) + "]", pasta);
    const auto caso = Estudo::MontaCaso(e, {c.valor});
    for (int L = 1; L <= caso->NCamadas; ++L) {
        const TCalorInterno& q = caso->CalorCamadas[static_cast<std::size_t>(L)];
        const TCalorInterno& antes = e.Base->CalorCamadas[static_cast<std::size_t>(L)];
        if (L != 3 && L != 7) {
            EXPECT_EQ(q.AlfaU, antes.AlfaU) << L;
            EXPECT_EQ(q.C, antes.C) << L;
            EXPECT_FALSE(q.Maturidade) << L;
            continue;
        }
        EXPECT_NEAR(q.AlfaU, c.alfaU, 5e-7) << L;
        EXPECT_EQ(q.C, c.aglomerante) << L;
        EXPECT_TRUE(q.Maturidade) << L;
    }
    // The base is untouched; the case reads back the value it was given.
    EXPECT_EQ(e.Base->Dosagens.at(3).AguaAglomerante, 0.5);
    const TParametroEstudo& p = Estudo::Parametros()[static_cast<std::size_t>(Estudo::IndiceParametro(c.chave))];
    EXPECT_EQ(p.Le(*caso), c.valor);
    EXPECT_TRUE(p.Cabe(*e.Base));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, ParametroDaDosagem,
    ::testing::Values(CasoParametro{"AguaAglomerante040", "RelacaoAguaAglomerante", 0.40, 0.694276, 350},
                      CasoParametro{"AguaAglomerante060", "RelacaoAguaAglomerante", 0.60, 0.779093, 350},
                      CasoParametro{"Escoria30", "EscoriaAglomerante", 30, 0.832795, 350},
                      CasoParametro{"Pozolana25", "PozolanaAglomerante", 25, 0.867795, 350},
                      // CP III: 60 % of slag in the cement.
                      CasoParametro{"TipoCPIII", "TipoCimento", 6, 0.922795, 350},
                      CasoParametro{"TipoCPI", "TipoCimento", 1, 0.742795, 350},
                      CasoParametro{"Aglomerante400", "ConsumoAglomerante", 400, 0.742795, 400}),
    [](const auto& i) { return std::string(i.param.nome); });

// Without a mix in the member the parameter cannot vary; a mix the formulas refuse
// refuses the case, naming the layer, and the case runs otherwise.
TEST(ParametroDaDosagem, SemDosagemOuMisturaImpossivelRecusaOCaso) {
    PastaTemporaria pasta;
    const TEstudo sem = EstudoDe(MuroComDosagem(false), R"("RelacaoAguaAglomerante": [0.45])", pasta);
    const TResultadoCaso r = RodaEstudo::RodaCaso(sem, {0.45});
    EXPECT_FALSE(r.Ok);
    EXPECT_THAT(r.Erro, HasSubstr("só varia quando alguma camada do membro tem dosagem"));
    EXPECT_FALSE(Estudo::Parametros()[static_cast<std::size_t>(Estudo::IndiceParametro("TipoCimento"))].Cabe(*sem.Base));

    PastaTemporaria outra;
    const TEstudo e = EstudoDe(MuroComDosagem(), R"("EscoriaAglomerante": [60], "PozolanaAglomerante": [45])", outra);
    try {
        Estudo::MontaCaso(e, {60, 45});
        FAIL() << "aceitou 105 % de adições";
    } catch (const ErroEntrada& erro) {
        EXPECT_THAT(erro.what(), HasSubstr("(camada 3)"));
    }
    const TResultadoCaso ok = RodaEstudo::RodaCaso(e, {40, 20});
    EXPECT_TRUE(ok.Ok) << ok.Erro;
}

// Lifts rebuilt for another height are copies of the first: they take its mix (so the mix
// parameters reach every lift), its autogenous shrinkage and its aggregate; what the
// other lifts of the base had goes with them.
TEST(ParametroDaDosagem, CamadasRefeitasLevamADosagemDaPrimeira) {
    Json base = MuroComDosagem(false);
    base["Dosagens"] = Json::array({Dosagem(1), Dosagem(7)});
    base["RetracaoAutogena"] = Json::parse(R"([{"Camada": 1, "Modelo": "EN1992", "Fck": 30}, {"Camada": 9, "Modelo": "EN1992", "Fck": 50}])");
    base["Agregados"] = Json::parse(R"([{"Camada": 1, "Agregado": "Basalto"}])");
    PastaTemporaria pasta;
    std::ofstream(pasta / "base.n1d.json") << base.dump();
    const TEstudo e = Estudo::LeTexto(R"({"formato": "norvik-1d/estudo", "versao": 1, "projeto": "base.n1d.json",
                                         "AlturaTotal": 10, "parametros": {"AlturaCamada": [2], "TipoCimento": [6]}})",
                                      pasta.Caminho().string());
    const auto caso = Estudo::MontaCaso(e, {2, 6});
    ASSERT_EQ(caso->NCamadas, 5);
    ASSERT_EQ(caso->Dosagens.size(), 5u);
    ASSERT_EQ(caso->RetracaoAutogena.size(), 5u);
    ASSERT_EQ(caso->Agregados.size(), 5u);
    for (int L = 1; L <= 5; ++L) {
        EXPECT_NEAR(caso->CalorCamadas[static_cast<std::size_t>(L)].AlfaU, 0.922795, 5e-7) << L;
        EXPECT_EQ(caso->RetracaoAutogena.at(L).Fck, 30.0) << L;
        EXPECT_EQ(caso->Agregados.at(L), TAgregado::Basalto) << L;
    }
}

}  // namespace
