// The key "Dosagens" of the project file: absent without a mix, back unchanged, read
// strictly.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "core/Erros.h"
#include "core/Projeto.h"

namespace {

using Json = nlohmann::ordered_json;

const char* Base = R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 2, "NCamadas": 2, "TempoTotal": 48,
  "PassoTempo": 1})";

Json Dosagem(int camada) {
    return Json::parse(R"({"Camada": )" + std::to_string(camada) + R"(, "Cimento": {"Nome": "Fábrica A", "C3S": 58,
      "C2S": 16, "C3A": 7.25, "C4AF": 10, "SO3": 3, "CaOLivre": 1, "MgO": 4, "Escoria": 60, "Pozolana": 0,
      "CaOPozolana": 0, "Filer": 5, "Blaine": 420}, "Escoria": 0, "Pozolana": 15, "CaOPozolana": 8.5, "Silica": 0,
      "Filer": 0, "Aglomerante": 380, "AguaAglomerante": 0.48})");
}

TEST(ProjetoDosagens, SemDosagemNaoHaChave) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(Base, *d);
    EXPECT_TRUE(d->Dosagens.empty());
    EXPECT_EQ(Projeto::Conteudo(*d).find("Dosagens"), std::string::npos);
}

TEST(ProjetoDosagens, VoltaIgualETextoEstavel) {
    Json j = Json::parse(Base);
    j["Dosagens"] = Json::array({Dosagem(1), Dosagem(2)});
    j["Dosagens"][1]["Cimento"]["Nome"] = "CP V-ARI";
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(j.dump(), *d);
    ASSERT_EQ(d->Dosagens.size(), 2u);
    const TDosagem& a = d->Dosagens.at(1);
    EXPECT_EQ(a.Cimento.Nome, "Fábrica A");
    EXPECT_EQ(a.Cimento.C3A, 7.25);
    EXPECT_EQ(a.Cimento.Escoria, 60.0);
    EXPECT_EQ(a.CaOPozolana, 8.5);
    EXPECT_EQ(a.AguaAglomerante, 0.48);
    EXPECT_EQ(d->Dosagens.at(2).Cimento.Nome, "CP V-ARI");

    const std::string texto = Projeto::Conteudo(*d);
    auto outra = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *outra);
    EXPECT_EQ(outra->Dosagens, d->Dosagens);
    EXPECT_EQ(Projeto::Conteudo(*outra), texto);

    auto copia = std::make_unique<TDadosModelo>();
    Projeto::CopiaProblema(*d, *copia);
    EXPECT_EQ(copia->Dosagens, d->Dosagens);
}

TEST(ProjetoRetracao, VoltaIgualEChaveSoComRetracao) {
    Json j = Json::parse(Base);
    j["RetracaoAutogena"] = Json::parse(R"([{"Camada": 1, "Modelo": "EN1992", "Fck": 35.5}, {"Camada": 2, "Modelo": "EN1992", "Fck": 50}])");
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(j.dump(), *d);
    ASSERT_EQ(d->RetracaoAutogena.size(), 2u);
    EXPECT_EQ(d->RetracaoAutogena.at(1).Fck, 35.5);
    const std::string texto = Projeto::Conteudo(*d);
    auto outra = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *outra);
    EXPECT_EQ(outra->RetracaoAutogena, d->RetracaoAutogena);
    EXPECT_EQ(Projeto::Conteudo(*outra), texto);
    d->RetracaoAutogena.clear();
    EXPECT_EQ(Projeto::Conteudo(*d).find("RetracaoAutogena"), std::string::npos);
}

// The fib model keeps its cement class; the text reads back to the same bytes.
TEST(ProjetoRetracao, ModeloFibComClasseVoltaIgual) {
    Json j = Json::parse(Base);
    j["RetracaoAutogena"] = Json::parse(
        R"([{"Camada": 1, "Modelo": "EN1992", "Fck": 30}, {"Camada": 2, "Modelo": "fibMC2010", "Fck": 40, "ClasseCimento": "32.5N"}])");
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(j.dump(), *d);
    ASSERT_EQ(d->RetracaoAutogena.size(), 2u);
    EXPECT_EQ(d->RetracaoAutogena.at(1).Modelo, TModeloRetracao::EN1992);
    EXPECT_EQ(d->RetracaoAutogena.at(2).Modelo, TModeloRetracao::FibMC2010);
    EXPECT_EQ(d->RetracaoAutogena.at(2).Classe, TClasseCimento::C325N);
    const std::string texto = Projeto::Conteudo(*d);
    EXPECT_NE(texto.find("\"32.5N\""), std::string::npos);
    auto outra = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *outra);
    EXPECT_EQ(outra->RetracaoAutogena, d->RetracaoAutogena);
    EXPECT_EQ(Projeto::Conteudo(*outra), texto);
}

// The aggregates of the layers: absent without one, back to the same bytes with.
TEST(ProjetoAgregados, VoltaIgualEChaveSoComAgregado) {
    Json j = Json::parse(Base);
    j["Agregados"] = Json::parse(R"([{"Camada": 1, "Agregado": "Quartzito"}, {"Camada": 2, "Agregado": "Calcario"}])");
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(j.dump(), *d);
    ASSERT_EQ(d->Agregados.size(), 2u);
    EXPECT_EQ(d->Agregados.at(1), TAgregado::Quartzito);
    EXPECT_EQ(d->Agregados.at(2), TAgregado::Calcario);
    const std::string texto = Projeto::Conteudo(*d);
    auto outra = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *outra);
    EXPECT_EQ(outra->Agregados, d->Agregados);
    EXPECT_EQ(Projeto::Conteudo(*outra), texto);
    auto copia = std::make_unique<TDadosModelo>();
    Projeto::CopiaProblema(*d, *copia);
    EXPECT_EQ(copia->Agregados, d->Agregados);
    d->Agregados.clear();
    EXPECT_EQ(Projeto::Conteudo(*d).find("Agregados"), std::string::npos);
}

struct CasoRecusa {
    const char* nome;
    void (*altera)(Json&);
    const char* trecho;
};

class DosagemRecusada : public testing::TestWithParam<CasoRecusa> {};

TEST_P(DosagemRecusada, NomeiaAChaveENadaMuda) {
    Json j = Json::parse(Base);
    j["Dosagens"] = Json::array({Dosagem(1), Dosagem(2)});
    GetParam().altera(j);
    auto d = std::make_unique<TDadosModelo>();
    d->Dosagens[7] = TDosagem{};
    try {
        Projeto::LeTexto(j.dump(), *d);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        const std::string m = e.what();
        EXPECT_EQ(m.rfind("Arquivo de projeto recusado: ", 0), 0u) << m;
        EXPECT_NE(m.find(GetParam().trecho), std::string::npos) << m;
    }
    EXPECT_EQ(d->Dosagens.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, DosagemRecusada,
    testing::Values(
        CasoRecusa{"NaoLista", [](Json& j) { j["Dosagens"] = Json::object(); }, "\"Dosagens\""},
        CasoRecusa{"ChaveDesconhecida", [](Json& j) { j["Dosagens"][0]["Areia"] = 700; }, "\"Areia\""},
        CasoRecusa{"FaltaAgua", [](Json& j) { j["Dosagens"][1].erase("AguaAglomerante"); }, "Dosagens[1]"},
        CasoRecusa{"FaltaFaseDoCimento", [](Json& j) { j["Dosagens"][0]["Cimento"].erase("C4AF"); },
                   "Dosagens[0].Cimento"},
        CasoRecusa{"CamadaZero", [](Json& j) { j["Dosagens"][0]["Camada"] = 0; }, "Dosagens[0].Camada"},
        CasoRecusa{"CamadaFracionaria", [](Json& j) { j["Dosagens"][0]["Camada"] = 1.5; }, "Dosagens[0].Camada"},
        CasoRecusa{"CamadaRepetida", [](Json& j) { j["Dosagens"][1]["Camada"] = 1; }, "já tem dosagem"},
        CasoRecusa{"ForaDeOrdem", [](Json& j) { j["Dosagens"][0]["Camada"] = 3; }, "ordem crescente"},
        CasoRecusa{"Percentual", [](Json& j) { j["Dosagens"][0]["Silica"] = 101; }, "Dosagens[0].Silica"},
        CasoRecusa{"PercentualNegativo", [](Json& j) { j["Dosagens"][0]["Cimento"]["MgO"] = -1; }, "Cimento.MgO"},
        CasoRecusa{"AdicoesDemais", [](Json& j) { j["Dosagens"][0]["Escoria"] = 90; }, "passam de 100"},
        CasoRecusa{"AglomeranteZero", [](Json& j) { j["Dosagens"][1]["Aglomerante"] = 0; }, "Dosagens[1].Aglomerante"},
        CasoRecusa{"NomeNumero", [](Json& j) { j["Dosagens"][0]["Cimento"]["Nome"] = 3; }, "Cimento.Nome"},
        CasoRecusa{"RetracaoFckBaixo",
                   [](Json& j) { j["RetracaoAutogena"] = Json::parse(R"([{"Camada": 1, "Modelo": "EN1992", "Fck": 10}])"); },
                   "RetracaoAutogena[0].Fck"},
        CasoRecusa{"RetracaoOutroModelo",
                   [](Json& j) { j["RetracaoAutogena"] = Json::parse(R"([{"Camada": 1, "Modelo": "MC2010", "Fck": 30}])"); },
                   "RetracaoAutogena[0].Modelo"},
        CasoRecusa{"RetracaoFibSemClasse",
                   [](Json& j) { j["RetracaoAutogena"] = Json::parse(R"([{"Camada": 1, "Modelo": "fibMC2010", "Fck": 30}])"); },
                   "\"ClasseCimento\""},
        CasoRecusa{"RetracaoClasseNoEN",
                   [](Json& j) {
                       j["RetracaoAutogena"] =
                           Json::parse(R"([{"Camada": 1, "Modelo": "EN1992", "Fck": 30, "ClasseCimento": "42.5N"}])");
                   },
                   "RetracaoAutogena[0].ClasseCimento"},
        CasoRecusa{"RetracaoClasseDesconhecida",
                   [](Json& j) {
                       j["RetracaoAutogena"] =
                           Json::parse(R"([{"Camada": 1, "Modelo": "fibMC2010", "Fck": 30, "ClasseCimento": "42,5 N"}])");
                   },
                   "RetracaoAutogena[0].ClasseCimento"},
        CasoRecusa{"AgregadoOutro",
                   [](Json& j) { j["Agregados"] = Json::parse(R"([{"Camada": 1, "Agregado": "Outro"}])"); },
                   "Agregados[0].Agregado"},
        CasoRecusa{"AgregadoComAcento",
                   [](Json& j) { j["Agregados"] = Json::parse(R"([{"Camada": 1, "Agregado": "Calcário"}])"); },
                   "Agregados[0].Agregado"},
        CasoRecusa{"AgregadoRepetido",
                   [](Json& j) {
                       j["Agregados"] = Json::parse(R"([{"Camada": 1, "Agregado": "Basalto"}, {"Camada": 1, "Agregado": "Granito"}])");
                   },
                   "já tem agregado"},
        CasoRecusa{"AgregadoChaveDesconhecida",
                   [](Json& j) { j["Agregados"] = Json::parse(R"([{"Camada": 1, "Agregado": "Basalto", "K": 2}])"); },
                   "\"K\""},
        CasoRecusa{"RetracaoSemFck",
                   [](Json& j) { j["RetracaoAutogena"] = Json::parse(R"([{"Camada": 1, "Modelo": "EN1992"}])"); },
                   "\"Fck\""}),
    [](const testing::TestParamInfo<CasoRecusa>& i) { return std::string(i.param.nome); });

}  // namespace
