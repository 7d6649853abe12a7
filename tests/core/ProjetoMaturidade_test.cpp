// The keys of the maturity heat in the project file: read strictly, saved only when
// they hold something, and back unchanged.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "core/Erros.h"
#include "core/Projeto.h"

namespace {

using Json = nlohmann::ordered_json;

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

std::string LeTudo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

Json Base() {
    return Json::parse(R"({
      "formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 2, "NCamadas": 2, "TempoTotal": 48, "PassoTempo": 1,
      "Camadas": [{"K": 2, "Espessura": 1, "Ro": 2400, "CalorEsp": 1000, "HoraConcretagem": 0, "TInicial": 20},
                  {"K": 2, "Espessura": 1, "Ro": 2400, "CalorEsp": 1000, "HoraConcretagem": 24, "TInicial": 20}],
      "CalorCamadas": [{"C": 330, "E": 107, "Maturidade": true},
                       {"C": 330, "E": 107, "Maturidade": true, "AlfaU": 0.7, "Tau": 17.5, "BetaHid": 1.05,
                        "EnergiaAtivacao": 42500.25, "TRef": 20, "TInicialCalorimetro": 23.4}]
    })");
}

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Absent keys take the defaults; every key comes back bit for bit, a value that a
// decimal printout would round included.
TEST(ProjetoMaturidade, AusentesTomamOsPadroesEVoltamIguais) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(Base().dump(), *d);
    EXPECT_TRUE(d->CalorCamadas[1].Maturidade);
    EXPECT_EQ(Bits(d->CalorCamadas[1].EnergiaAtivacao), Bits(TCalorInterno{}.EnergiaAtivacao));
    EXPECT_EQ(d->CalorCamadas[2].TInicialCalorimetro, 23.4);
    d->CalorCamadas[2].BetaHid = 1.0 / 3.0;
    d->CalorCamadas[3].TRef = 0.1 + 0.2;  // beyond NCamadas: still saved
    const std::string texto = Projeto::Texto(*d);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *lido);
    EXPECT_EQ(Projeto::Texto(*lido), texto);
    for (int L = 1; L <= 3; ++L) {
        const TCalorInterno& x = lido->CalorCamadas[L];
        const TCalorInterno& y = d->CalorCamadas[L];
        EXPECT_EQ(x.Maturidade, y.Maturidade) << L;
        for (auto campo : {&TCalorInterno::AlfaU, &TCalorInterno::Tau, &TCalorInterno::BetaHid,
                           &TCalorInterno::EnergiaAtivacao, &TCalorInterno::TRef, &TCalorInterno::TInicialCalorimetro}) {
            EXPECT_EQ(Bits(x.*campo), Bits(y.*campo)) << L;
        }
    }
}

// A file of the age-only heat is saved as it was: no maturity key appears.
TEST(ProjetoMaturidade, ArquivoSemMaturidadeSalvaComoAntes) {
    for (const char* nome : {"bloco-fundacao-3-camadas", "secao-gravidade-40-camadas-adiabatico"}) {
        const std::string original = LeTudo(Exemplos + nome + ".n1d.json");
        auto d = std::make_unique<TDadosModelo>();
        Projeto::LeTexto(original, *d);
        const std::string texto = Projeto::Texto(*d);
        EXPECT_EQ(texto.find("\"Maturidade\""), std::string::npos) << nome;
        EXPECT_EQ(texto.find("AlfaU"), std::string::npos) << nome;
    }
}

struct CasoRecusa {
    const char* nome;
    const char* chave;
    Json valor;
    const char* trecho;
};
class MaturidadeRecusadaNoArquivo : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(MaturidadeRecusadaNoArquivo, NomeiaAChave) {
    Json j = Base();
    j["CalorCamadas"][1][GetParam().chave] = GetParam().valor;
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = 9;
    try {
        Projeto::LeTexto(j.dump(), *d);
        FAIL() << "deveria recusar";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
    EXPECT_EQ(d->NCamadas, 9);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, MaturidadeRecusadaNoArquivo,
    ::testing::Values(
        CasoRecusa{"MaturidadeNumero", "Maturidade", Json(1),
                   "\"CalorCamadas[1] (camada 2).Maturidade\" deve ser true ou false"},
        CasoRecusa{"TauTexto", "Tau", Json("20"), "\"CalorCamadas[1] (camada 2).Tau\" deve ser um número"},
        CasoRecusa{"AmostraComVirgula", "TInicialCalorimetro", Json("20,5"),
                   "\"CalorCamadas[1] (camada 2).TInicialCalorimetro\" deve ser um número"},
        CasoRecusa{"ChaveMalEscrita", "BetaHidr", Json(0.9),
                   "chave desconhecida \"BetaHidr\" em CalorCamadas[1] (camada 2)"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
