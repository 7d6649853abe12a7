#include "core/Projeto.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>

#include "PastaTemporaria.h"
#include "core/Erros.h"

namespace {

using Json = nlohmann::ordered_json;

// A member of two layers as the dialogs leave it, in the layout of the file.
Json Base() {
    return Json::parse(R"({
      "formato": "norvik-1d/projeto", "versao": 1, "UnidadesUsuais": false,
      "NElemCamada": 4, "NCamadas": 2, "Fundacao": false, "TempoTotal": 168, "PassoTempo": 1,
      "Camadas": [
        {"K": 2, "Espessura": 1.5, "XIni": 0, "Ro": 2400, "CalorEsp": 1000, "Alfa": 1e-05, "HoraConcretagem": 6, "TInicial": 20},
        {"K": 2, "Espessura": 1.5, "XIni": 1.5, "Ro": 2400, "CalorEsp": 1000, "Alfa": 1e-05, "HoraConcretagem": 78, "TInicial": 22}
      ],
      "CalorDiscreto": false,
      "CalorCamadas": [
        {"Constante": false, "F": 0, "N": 0.45, "Tr": 0, "E": 80, "C": 300, "B": 7, "Tabela": []},
        {"Constante": false, "F": 0, "N": 0.45, "Tr": 0, "E": 80, "C": 300, "B": 7, "Tabela": [1.5, 2.5]}
      ],
      "Superficie": [
        {"HDia": 77760, "HNoite": 92160, "HoraIniDia": 6, "HoraIniNoite": 18, "BetaS": 54000, "BetaI": 0,
         "DiasCura": 1, "HoraIniCura": 8, "HoraFimCura": 17, "BetaSC": 360000}
      ],
      "TAmbConstante": false, "TAmbConst": 30, "TAmbMax": 24.5, "TAmbMin": 14.5, "HoraTAmbMax": 12,
      "HoraTAmbMin": 2, "QRadiacao": 0, "CoefConvConstante": true, "BetaInf": 0, "BetaSup": 54000,
      "ModeloFluencia": "Bureau", "EBureauA": 0.111137, "EEmGPa": true, "SlumpNBR": "5a9"
    })");
}

std::unique_ptr<TDadosModelo> Novo() { return std::make_unique<TDadosModelo>(); }

TEST(Projeto, LeOExemploEChavesAusentes) {
    auto d = Novo();
    Projeto::LeTexto(Base().dump(), *d);
    EXPECT_EQ(d->NCamadas, 2);
    EXPECT_EQ(d->NCamadasMembro, 2) << "ausente, segue NCamadas";
    EXPECT_EQ(d->Camadas[2].HoraConcretagem, 78);
    EXPECT_DOUBLE_EQ(d->Camadas[1].Alfa, 1e-05);
    EXPECT_EQ(d->CalorCamadas[2].Tabela[2], 2.5);
    EXPECT_EQ(d->CalorCamadas[2].Tabela[3], 0.0);
    EXPECT_EQ(d->Superficie[1].HNoite, 92160.0);
    EXPECT_EQ(d->Superficie[2].BetaS, 0.0);
    EXPECT_EQ(d->ModeloFluencia, TModeloFluencia::Bureau);
    EXPECT_EQ(d->SlumpNBR, TSlumpNBR::S5a9);
    // Absent keys keep the start-up values.
    EXPECT_EQ(d->TAmbMax, 24.5);
    EXPECT_TRUE(d->TAmbConstante == false);
    EXPECT_TRUE(d->EOtimizado);
    EXPECT_EQ(d->CuraACI, TCuraACI::SemCura);
}

// Saving and reopening changes nothing, bit for bit, including values that a
// decimal printout would round (0.1 + 0.2, 1/3, -0, subnormals, huge values).
TEST(Projeto, IdaEVoltaExata) {
    auto d = Novo();
    d->UnidadesUsuais = true;
    d->NElemCamada = 3;
    d->NCamadas = 3;
    d->NCamadasMembro = 2;
    d->PassoTempo = 2;
    d->TempoTotal = 720.5;
    d->Camadas[1] = {43.2, 0.1 + 0.2, 0.0, 2450.0, 0.22, 1.0 / 3.0, 12, 18.75};
    d->Camadas[3] = {2.5, 2.0, 1e-300, 5e-324, 1e300, -0.0, -24, -3.5};
    d->Camadas[7].TInicial = 9.0;  // beyond NCamadas: still held, still saved
    d->CalorCamadas[1].Constante = true;
    d->CalorCamadas[1].F = 123456.789;
    d->CalorCamadas[2].Tabela[1] = 0.7;
    d->CalorCamadas[2].Tabela[MaxHoras] = 1.0 / 7.0;
    d->Superficie[4].BetaSC = 360000.0;
    d->TAmbConstante = false;
    d->QRadiacao = 0.0;
    d->ModeloFluencia = TModeloFluencia::NBR6118;
    d->CuraACI = TCuraACI::Vapor;
    d->CimentoNBR = TCimentoNBR::Rapido;
    d->AgregadoNBR = TAgregadoNBR::Arenito;
    d->SlumpNBR = TSlumpNBR::S10a15;
    d->ResistComprB = 0.6931471805599453;
    d->EOtimizado = false;

    const std::string texto = Projeto::Texto(*d);
    auto lido = Novo();
    Projeto::LeTexto(texto, *lido);
    EXPECT_EQ(Projeto::Texto(*lido), texto);
    // Field by field and bit by bit (a record's padding is not part of it).
    auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    for (int L = 1; L <= MaxCamadas; ++L) {
        const TCamada& a = lido->Camadas[L];
        const TCamada& b = d->Camadas[L];
        EXPECT_TRUE(bits(a.K) == bits(b.K) && bits(a.Espessura) == bits(b.Espessura) && bits(a.XIni) == bits(b.XIni) &&
                    bits(a.Ro) == bits(b.Ro) && bits(a.CalorEsp) == bits(b.CalorEsp) && bits(a.Alfa) == bits(b.Alfa) &&
                    a.HoraConcretagem == b.HoraConcretagem && bits(a.TInicial) == bits(b.TInicial))
            << L;
    }
    EXPECT_EQ(std::memcmp(&lido->Superficie, &d->Superficie, sizeof d->Superficie), 0);
    for (int L = 1; L <= MaxCamadas; ++L) {
        bool mesmosBits = true;
        for (int h = 0; h <= MaxHoras; ++h)
            mesmosBits = mesmosBits && bits(lido->CalorCamadas[L].Tabela[h]) == bits(d->CalorCamadas[L].Tabela[h]);
        EXPECT_TRUE(mesmosBits) << L;
    }
    EXPECT_EQ(lido->NCamadasMembro, 2);
    EXPECT_EQ(lido->CuraACI, TCuraACI::Vapor);
    EXPECT_EQ(lido->ResistComprB, d->ResistComprB);
    EXPECT_TRUE(std::signbit(lido->Camadas[3].Alfa));
    // Whole values are written without a decimal point, fractions in their shortest form.
    EXPECT_NE(texto.find("\"NCamadas\": 3"), std::string::npos);
    EXPECT_NE(texto.find("\"Espessura\":0.30000000000000004"), std::string::npos);
    EXPECT_NE(texto.find("\"K\":43.2"), std::string::npos);
}

// Absent, the formulation is the classic one; each value comes back from the file.
TEST(Projeto, FormulacaoAusenteEhClassicaEVoltaDoArquivo) {
    auto d = Novo();
    d->Formulacao = TFormulacao::Consistente;
    Projeto::LeTexto(Base().dump(), *d);
    EXPECT_EQ(d->Formulacao, TFormulacao::Classica);
    for (const TFormulacao f : {TFormulacao::Consistente, TFormulacao::Classica}) {
        d->Formulacao = f;
        const std::string texto = Projeto::Texto(*d);
        auto lido = Novo();
        lido->Formulacao = f == TFormulacao::Classica ? TFormulacao::Consistente : TFormulacao::Classica;
        Projeto::LeTexto(texto, *lido);
        EXPECT_EQ(lido->Formulacao, f);
    }
    EXPECT_NE(Projeto::Texto(*d).find("\"Formulacao\": \"Classica\""), std::string::npos);
}

TEST(Projeto, AbrirGuardaAEscalaDeCoresEInvalidaOHistorico) {
    auto d = Novo();
    d->TMaxEscala = 61.5;
    d->TMinEscala = 12.0;
    d->Temperaturas[3] = 44.0;
    d->TermicoCompleto = true;
    d->Camadas[9].K = 5.0;
    Projeto::LeTexto(Base().dump(), *d);
    EXPECT_EQ(d->TMaxEscala, 61.5);
    EXPECT_EQ(d->TMinEscala, 12.0);
    EXPECT_EQ(d->Temperaturas[3], 44.0);
    EXPECT_FALSE(d->TermicoCompleto);
    EXPECT_EQ(d->Camadas[9].K, 0.0) << "o problema anterior não deixa restos";
}

struct CasoRecusa {
    const char* nome;
    std::function<std::string()> texto;
    const char* trecho;  // part of the message that names what is wrong
};

std::string Com(const std::function<void(Json&)>& muda) {
    Json j = Base();
    muda(j);
    return j.dump();
}

class ProjetoRecusado : public ::testing::TestWithParam<CasoRecusa> {};

// Each refused file leaves the state as it was and says what is wrong, and where.
TEST_P(ProjetoRecusado, NomeiaAChaveENaoMudaOEstado) {
    auto d = Novo();
    d->NCamadas = 77;
    d->Camadas[1].K = 3.25;
    d->TermicoCompleto = true;
    try {
        Projeto::LeTexto(GetParam().texto(), *d);
        FAIL() << "deveria recusar";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
    EXPECT_EQ(d->NCamadas, 77);
    EXPECT_EQ(d->Camadas[1].K, 3.25);
    EXPECT_TRUE(d->TermicoCompleto);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ProjetoRecusado,
    ::testing::Values(
        CasoRecusa{"NaoEhJson", [] { return std::string("{\n  \"formato\": \"norvik-1d/projeto\",\n  \"versao\" 1\n}"); },
                   "não é JSON válido (linha 3, coluna"},
        CasoRecusa{"Vazio", [] { return std::string(); }, "não é JSON válido"},
        CasoRecusa{"NaoEhObjeto", [] { return std::string("[1, 2]"); }, "não contém um objeto"},
        CasoRecusa{"SemFormato", [] { return Com([](Json& j) { j.erase("formato"); }); }, "falta a chave \"formato\""},
        CasoRecusa{"FormatoAlheio", [] { return Com([](Json& j) { j["formato"] = "outro"; }); }, "\"formato\" vale \"outro\""},
        CasoRecusa{"SemVersao", [] { return Com([](Json& j) { j.erase("versao"); }); }, "falta a chave \"versao\""},
        CasoRecusa{"VersaoNova", [] { return Com([](Json& j) { j["versao"] = 2; }); }, "versão 2"},
        CasoRecusa{"ChaveErrada", [] { return Com([](Json& j) { j["NCamada"] = 2; }); }, "chave desconhecida \"NCamada\""},
        CasoRecusa{"ChaveErradaNaLista",
                   [] { return Com([](Json& j) { j["Camadas"][1]["Espesura"] = 1; }); },
                   "chave desconhecida \"Espesura\" em Camadas[1] (camada 2)"},
        CasoRecusa{"TextoNoLugarDeNumero", [] { return Com([](Json& j) { j["TempoTotal"] = "168"; }); },
                   "\"TempoTotal\" deve ser um número"},
        CasoRecusa{"FracaoNoLugarDeInteiro", [] { return Com([](Json& j) { j["NElemCamada"] = 4.5; }); },
                   "\"NElemCamada\" deve ser um número inteiro"},
        CasoRecusa{"HoraFracionaria", [] { return Com([](Json& j) { j["Camadas"][0]["HoraConcretagem"] = 6.5; }); },
                   "\"Camadas[0] (camada 1).HoraConcretagem\" deve ser um número inteiro"},
        CasoRecusa{"InteiroGrandeDemais", [] { return Com([](Json& j) { j["PassoTempo"] = 3000000000LL; }); },
                   "fora do alcance"},
        CasoRecusa{"NumeroNoLugarDeLogico", [] { return Com([](Json& j) { j["Fundacao"] = 1; }); },
                   "\"Fundacao\" deve ser true ou false"},
        CasoRecusa{"EnumeracaoForaDaLista", [] { return Com([](Json& j) { j["ModeloFluencia"] = "Bureaux"; }); },
                   "\"ModeloFluencia\" deve ser um destes textos: \"Bureau\", \"ACI209\""},
        CasoRecusa{"FormulacaoDesconhecida", [] { return Com([](Json& j) { j["Formulacao"] = "consistente"; }); },
                   "\"Formulacao\" deve ser um destes textos: \"Classica\", \"Consistente\""},
        CasoRecusa{"FormulacaoQueNaoEhTexto", [] { return Com([](Json& j) { j["Formulacao"] = true; }); },
                   "\"Formulacao\" deve ser um destes textos"},
        CasoRecusa{"RegistroQueNaoEhObjeto", [] { return Com([](Json& j) { j["Superficie"][0] = 5; }); },
                   "Superficie[0] (camada 1) deve ser um objeto"},
        CasoRecusa{"ListaQueNaoEhLista", [] { return Com([](Json& j) { j["CalorCamadas"] = Json::object(); }); },
                   "\"CalorCamadas\" deve ser uma lista"},
        CasoRecusa{"CamadasDemais", [] { return Com([](Json& j) { j["Camadas"] = Json(std::vector<Json>(301, Json::object())); }); },
                   "tem 301 camadas, acima do máximo de 300"},
        CasoRecusa{"NCamadasDemais", [] { return Com([](Json& j) { j["NCamadas"] = 301; j["NElemCamada"] = 1; }); },
                   "\"NCamadas\" vale 301"},
        CasoRecusa{"NosDemais", [] { return Com([](Json& j) { j["NCamadas"] = 100; j["NElemCamada"] = 3; }); },
                   "o membro teria 301 nós"},
        CasoRecusa{"TabelaLongaDemais",
                   [] { return Com([](Json& j) { j["CalorCamadas"][1]["Tabela"] = std::vector<double>(5001, 1.0); }); },
                   "\"CalorCamadas[1] (camada 2).Tabela\" tem 5001 horas"},
        CasoRecusa{"ValorDaTabelaErrado",
                   [] { return Com([](Json& j) { j["CalorCamadas"][0]["Tabela"] = Json::parse(R"([1, 2, null])"); }); },
                   "\"CalorCamadas[0] (camada 1).Tabela[2]\" deve ser um número"},
        CasoRecusa{"SemElementos", [] { return Com([](Json& j) { j.erase("NElemCamada"); }); }, "\"NElemCamada\" vale 0"},
        CasoRecusa{"PassoZero", [] { return Com([](Json& j) { j["PassoTempo"] = 0; }); }, "\"PassoTempo\" vale 0"},
        CasoRecusa{"SubpassosZero", [] { return Com([](Json& j) { j["SubpassosPorPasso"] = 0; }); },
                   "\"SubpassosPorPasso\" vale 0; deve ficar entre 1 e 60"},
        CasoRecusa{"SubpassosDemais", [] { return Com([](Json& j) { j["SubpassosPorPasso"] = 61; }); },
                   "\"SubpassosPorPasso\" vale 61"},
        CasoRecusa{"SubpassosFracionarios", [] { return Com([](Json& j) { j["SubpassosPorPasso"] = 2.5; }); },
                   "SubpassosPorPasso"},
        CasoRecusa{"ChaveRepetida",
                   [] { return std::string(R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 2, "PassoTempo": 1, "NElemCamada": 3})"); },
                   "\"NElemCamada\" aparece mais de uma vez"},
        CasoRecusa{"NumeroInfinito", [] { return std::string(R"({"formato": "norvik-1d/projeto", "versao": 1, "TempoTotal": 1e400})"); },
                   "fora do alcance"}),
    [](const auto& info) { return std::string(info.param.nome); });

// The substeps are saved only when there are some, right after the formulation.
TEST(Projeto, SubpassosSoQuandoHa) {
    auto d = Novo();
    d->NElemCamada = 2;
    d->NCamadas = 1;
    d->PassoTempo = 1;
    d->Formulacao = TFormulacao::Consistente;
    EXPECT_EQ(Projeto::Texto(*d).find("SubpassosPorPasso"), std::string::npos);
    d->SubpassosPorPasso = 4;
    const std::string texto = Projeto::Texto(*d);
    EXPECT_NE(texto.find("\"Formulacao\": \"Consistente\",\n  \"SubpassosPorPasso\": 4"), std::string::npos) << texto;
    auto lido = Novo();
    Projeto::LeTexto(texto, *lido);
    EXPECT_EQ(lido->SubpassosPorPasso, 4);
    d->SubpassosPorPasso = 1;
    Projeto::LeTexto(Projeto::Texto(*d), *lido);
    EXPECT_EQ(lido->SubpassosPorPasso, 1);
}

TEST(Projeto, GravaAtomicamente) {
    PastaTemporaria pasta;
    auto d = Novo();
    Projeto::LeTexto(Base().dump(), *d);
    const std::string caminho = pasta / "bloco.n1d.json";
    Projeto::Grava(caminho, *d);
    auto lido = Novo();
    Projeto::Le(caminho, *lido);
    EXPECT_EQ(Projeto::Texto(*lido), Projeto::Texto(*d));

    // A full disk: the earlier file stays whole and the failure names the file.
    const std::string antes = LeArquivo(caminho);
    d->CalorCamadas[1].Tabela.fill(1.0 / 3.0);
    try {
        DiscoCheio cheio(4096);
        Projeto::Grava(caminho, *d);
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(caminho), std::string::npos) << e.what();
    }
    EXPECT_EQ(LeArquivo(caminho), antes);
    EXPECT_EQ(pasta.QuantosArquivos(), 1);

    EXPECT_THROW(Projeto::Grava(pasta / "nao/ha/pasta.n1d.json", *d), ErroEntrada);
    EXPECT_THROW(Projeto::Le(pasta / "nao-existe.n1d.json", *d), ErroEntrada);
    EXPECT_THROW(Projeto::Le(pasta.Caminho().string(), *d), ErroEntrada);
    GravaArquivo(pasta / "vazio.n1d.json", "{}");
    try {
        Projeto::Le(pasta / "vazio.n1d.json", *d);
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_EQ(std::string(e.what()), "Arquivo de projeto \"" + (pasta / "vazio.n1d.json") +
                                             "\" recusado: falta a chave \"formato\"; o arquivo não é um projeto do Norvik 1D");
    }
}

// A file that could not be opened again is never written.
TEST(Projeto, NaoSalvaOQueNaoReabriria) {
    PastaTemporaria pasta;
    try {
        Projeto::Grava(pasta / "novo.n1d.json", *Novo());
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_EQ(std::string(e.what()).rfind("O projeto não foi salvo: \"NElemCamada\" vale 0", 0), 0u) << e.what();
    }
    EXPECT_EQ(pasta.QuantosArquivos(), 0);

    auto d = Novo();
    d->NElemCamada = 1;
    d->PassoTempo = 1;
    d->Camadas[1].K = std::numeric_limits<double>::infinity();
    try {
        (void)Projeto::Texto(*d);
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("Camadas[0].K"), std::string::npos) << e.what();
    }
}

}  // namespace
