// The schedule study: its CSV against single runs of the same problems built by hand
// in the project file, the order of the rows, the draw and the refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"
#include "analise/Analise.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

namespace {

using Json = nlohmann::ordered_json;
using ::testing::HasSubstr;

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

Json Muro() {
    std::ifstream f(Exemplos + "muro-10-camadas-cura.n1d.json");
    return Json::parse(f);
}

// The wall with the Bureau creep model and a simple tensile strength curve.
Json MuroComTensoes() {
    Json j = Muro();
    j["ModeloFluencia"] = "Bureau";
    j["EBureauA"] = 0.111137;
    j["EBureauB"] = 0.03547;
    j["FBureauA"] = 6.0656;
    j["FBureauB"] = 8.748;
    j["ResistTracaoA"] = 1.5;
    j["ResistTracaoB"] = 0.35;
    return j;
}

std::vector<std::string> Divide(const std::string& linha, char sep) {
    std::vector<std::string> r;
    std::string c;
    for (char ch : linha) {
        if (ch == sep) {
            r.push_back(c);
            c.clear();
        } else {
            c += ch;
        }
    }
    r.push_back(c);
    return r;
}

std::vector<std::vector<std::string>> Linhas(const std::string& csv) {
    std::vector<std::vector<std::string>> r;
    std::size_t i = 3;  // after the BOM
    while (i < csv.size()) {
        const std::size_t fim = csv.find("\r\n", i);
        r.push_back(Divide(csv.substr(i, fim - i), ';'));
        i = fim + 2;
    }
    return r;
}

std::string Captura(const std::string& texto, const std::string& padrao) {
    std::smatch m;
    if (!std::regex_search(texto, m, std::regex(padrao))) return "(ausente: " + padrao + ")";
    return m[1].str();
}

// The case written out as its own project file, the way an engineer would enter it: N
// lifts of the given height, each placed `intervalo` hours after the one below.
Json CasoAMao(const Json& base, double altura, int intervalo, double tLancamento, int elementos) {
    Json j = base;
    const int n = static_cast<int>(10.0 / altura + 0.5);
    const Json camada = base["Camadas"][0];
    const Json calor = base["CalorCamadas"][0];
    j["Camadas"] = Json::array();
    j["CalorCamadas"] = Json::array();
    j["Superficie"] = Json::array();
    for (int k = 0; k < n; ++k) {
        Json c = camada;
        c["Espessura"] = altura;
        c["XIni"] = camada["XIni"].get<double>() + k * altura;
        c["HoraConcretagem"] = camada["HoraConcretagem"].get<int>() + k * intervalo;
        c["TInicial"] = tLancamento;
        j["Camadas"].push_back(c);
        j["CalorCamadas"].push_back(calor);
        j["Superficie"].push_back(base["Superficie"][k == 0 ? 0 : 1]);
    }
    j["NCamadas"] = n;
    j["NCamadasMembro"] = n;
    j["NElemCamada"] = elementos;
    const int ultimaBase = base["Camadas"].back()["HoraConcretagem"].get<int>();
    j["TempoTotal"] = base["TempoTotal"].get<double>() + (j["Camadas"].back()["HoraConcretagem"].get<int>() - ultimaBase);
    return j;
}

// The figures as the single run prints them: the thermal summary and the stress message
// of the batch tool, the headline of the cracking index.
std::vector<std::string> FigurasIsoladas(const PastaTemporaria& pasta, const Json& projeto, bool tensoes) {
    const std::string caminho = pasta / "caso.n1d.json";
    std::ofstream(caminho) << projeto.dump();
    Progresso nada;
    OpcoesAnalise op;
    op.Tensoes = tensoes;
    Analise ex = Analise::ExecutaArquivo(caminho, op, nada);
    const std::string resumo = TResumoTermico::Calcula(*ex.Dados, ex.Temperaturas, 70.0).Texto(false);
    std::vector<std::string> r = {
        Captura(resumo, "Temperatura máxima: ([-0-9,]+) °C"),
        resumo.find("Nenhum nó atinge") != std::string::npos ? "0"
                                                              : Captura(resumo, "ou acima: Nó [0-9]+, ([0-9,]+) horas"),
        Captura(resumo, "enquanto é a do topo: ([-0-9,]+) °C"),
    };
    if (tensoes) {
        r.push_back(Captura(ex.MensagemTensoes, "Tração *([-0-9,]+) MPa"));
        const auto indice = TIndiceFissuracao::Calcula(*ex.Dados, ex.Tensoes, TCurvaTracao::Simples, 1.0);
        r.push_back(Captura(indice.LinhaCritico(), "Menor índice: ([0-9,]+)"));
    }
    return r;
}

TEstudo EstudoDe(const Json& base, const std::string& parametros, const PastaTemporaria& pasta,
                 const std::string& extra = "") {
    std::ofstream(pasta / "base.n1d.json") << base.dump();
    return Estudo::LeTexto(R"({"formato": "norvik-1d/estudo", "versao": 1, "projeto": "base.n1d.json",
                              "AlturaTotal": 10, "parametros": {)" + parametros + "}" + extra + "}",
                           pasta.Caminho().string());
}

TEST(Estudo, CsvConfereComExecucoesIsoladasDosMesmosCasos) {
    PastaTemporaria pasta;
    const Json base = MuroComTensoes();
    const TEstudo estudo = EstudoDe(base,
                                    R"("ElementosCamada": [3, 2], "AlturaCamada": [2, 1],
                                       "IntervaloLancamento": [72, 24], "TemperaturaLancamento": [18])",
                                    pasta);
    const auto linhas = Linhas(RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo)));
    ASSERT_EQ(linhas.size(), 9u);
    // The columns follow the table of parameters, whatever the order in the file.
    EXPECT_THAT(linhas[0], ::testing::ElementsAre(
                               "Altura da camada (m)", "Intervalo entre lançamentos (h)",
                               "Temperatura de lançamento (°C)", "Elementos por camada (-)", "Temperatura máxima (°C)",
                               "Horas acima de 70 °C (h)", "Maior diferença núcleo–superfície (°C)",
                               "Maior tração (MPa)", "Menor índice de fissuração (-)", "Atende aos limites", "Mensagem"));
    // Rows in the order of the lists, the last parameter fastest.
    const std::vector<std::vector<std::string>> parametros = {
        {"2", "72", "18", "3"}, {"2", "72", "18", "2"}, {"2", "24", "18", "3"}, {"2", "24", "18", "2"},
        {"1", "72", "18", "3"}, {"1", "72", "18", "2"}, {"1", "24", "18", "3"}, {"1", "24", "18", "2"}};
    for (std::size_t i = 0; i < parametros.size(); ++i) {
        const auto& linha = linhas[i + 1];
        SCOPED_TRACE(i);
        ASSERT_EQ(linha.size(), 11u);
        EXPECT_EQ(std::vector<std::string>(linha.begin(), linha.begin() + 4), parametros[i]);
        const double altura = std::stod(parametros[i][0]);
        const Json caso = CasoAMao(base, altura, std::stoi(parametros[i][1]), 18, std::stoi(parametros[i][3]));
        EXPECT_EQ(std::vector<std::string>(linha.begin() + 4, linha.begin() + 9), FigurasIsoladas(pasta, caso, true));
        EXPECT_EQ(linha[10], "");
    }
}

Json Radier() {
    std::ifstream f(Exemplos + "radier-verao-mantas.n1d.json");
    return Json::parse(f);
}

// The removal varied on the mat with blankets: each lift's blanket that comes off last
// (lift 1 has one, lift 2 two) is edited by hand in the project file, and the single
// runs print what the study's rows hold.
TEST(Estudo, RetiradaDaProtecaoConfereComExecucoesIsoladas) {
    PastaTemporaria pasta;
    const Json base = Radier();
    const TEstudo estudo =
        EstudoDe(base, R"("HoraRetiradaProtecao": [36, 240], "TemperaturaLancamento": [30, 18])", pasta);
    const bool tensoes = Estudo::ComTensoes(*estudo.Base);
    const auto linhas = Linhas(RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo)));
    ASSERT_EQ(linhas.size(), 5u);
    EXPECT_EQ(linhas[0][1], "Retirada da proteção do topo (h)");
    // The columns and the rows follow the table of parameters: the placing temperature
    // slowest, the removal fastest.
    const std::vector<std::vector<std::string>> parametros = {{"30", "36"}, {"30", "240"}, {"18", "36"}, {"18", "240"}};
    for (std::size_t r = 1; r < linhas.size(); ++r)
        EXPECT_EQ(std::vector<std::string>(linhas[r].begin(), linhas[r].begin() + 2), parametros[r - 1]);
    // The removal hour reaches the run: the blanket kept longer changes the figures.
    EXPECT_NE(std::vector<std::string>(linhas[1].begin() + 2, linhas[1].end()),
              std::vector<std::string>(linhas[2].begin() + 2, linhas[2].end()));
    for (std::size_t r = 1; r < linhas.size(); ++r) {
        SCOPED_TRACE(r);
        const auto& linha = linhas[r];
        const double t = std::stod(linha[0]), hora = std::stod(linha[1]);
        Json caso = base;
        for (auto& c : caso["Camadas"]) c["TInicial"] = t;
        caso["Obra"]["ProtecoesTopo"][0][0]["HoraRetirada"] = hora;  // lift 1: its only blanket
        caso["Obra"]["ProtecoesTopo"][1][1]["HoraRetirada"] = hora;  // lift 2: the second, off at 168 h
        const auto figuras = FigurasIsoladas(pasta, caso, tensoes);
        EXPECT_EQ(std::vector<std::string>(linha.begin() + 2, linha.begin() + 2 + static_cast<long>(figuras.size())),
                  figuras);
        EXPECT_EQ(linha.back(), "");
    }
}

// Lifts rebuilt by the lift height take the first lift's blankets along, at the same
// hours after their own placement; the removal then applies to each of them.
TEST(Estudo, CamadasRefeitasLevamAsMantasDaPrimeira) {
    PastaTemporaria pasta;
    const Json base = Radier();
    std::ofstream(pasta / "base.n1d.json") << base.dump();
    const TEstudo estudo = Estudo::LeTexto(
        R"({"formato": "norvik-1d/estudo", "versao": 1, "projeto": "base.n1d.json", "AlturaTotal": 2.5,
            "parametros": {"AlturaCamada": [0.625, 1.25], "IntervaloLancamento": [24],
                           "HoraRetiradaProtecao": [96]}})",
        pasta.Caminho().string());
    const bool tensoes = Estudo::ComTensoes(*estudo.Base);
    const auto linhas = Linhas(RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo)));
    ASSERT_EQ(linhas.size(), 3u);
    for (std::size_t r = 1; r < linhas.size(); ++r) {
        SCOPED_TRACE(r);
        const double altura = r == 1 ? 0.625 : 1.25;
        const int n = r == 1 ? 4 : 2;
        Json caso = base;
        Json manta = base["Obra"]["ProtecoesTopo"][0];
        manta[0]["HoraRetirada"] = 96;
        caso["Camadas"] = Json::array();
        caso["CalorCamadas"] = Json::array();
        caso["Obra"]["ProtecoesTopo"] = Json::array();
        for (int k = 0; k < n; ++k) {
            Json c = base["Camadas"][0];
            c["Espessura"] = altura;
            c["XIni"] = k * altura;
            c["HoraConcretagem"] = 7 + 24 * k;
            caso["Camadas"].push_back(c);
            caso["CalorCamadas"].push_back(base["CalorCamadas"][0]);
            caso["Obra"]["ProtecoesTopo"].push_back(manta);
        }
        caso["NCamadas"] = n;
        caso["NCamadasMembro"] = n;
        caso["TempoTotal"] = 720 + (7 + 24 * (n - 1) - 127);
        const auto figuras = FigurasIsoladas(pasta, caso, tensoes);
        EXPECT_EQ(std::vector<std::string>(linhas[r].begin() + 3, linhas[r].begin() + 3 + static_cast<long>(figuras.size())),
                  figuras);
        EXPECT_EQ(linhas[r].back(), "");
    }
}

// The side forms' removal varied on the mat made a 3 × 3 m block: each lift's side form
// that comes off last is edited by hand in the project file, and the single runs print
// what the study's rows hold; a lift without side forms stays bare.
TEST(Estudo, RetiradaDaFormaLateralConfereComExecucoesIsoladas) {
    PastaTemporaria pasta;
    Json base = Radier();
    const Json forma = {{"Nome", "Fôrma"}, {"R", 0.15}, {"HoraColocacao", 0}, {"HoraRetirada", 200}};
    const Json manta = {{"Nome", "Manta"}, {"R", 0.625}, {"HoraColocacao", 0}, {"HoraRetirada", 24}};
    base["Obra"]["Laterais"] = {{"Comprimento", 3}, {"Largura", 3}, {"Coeficiente", 10},
                                {"Protecoes", Json::array({Json::array({manta, forma}), Json::array()})}};
    const TEstudo estudo = EstudoDe(base, R"("HoraRetiradaFormaLateral": [48, 168])", pasta);
    const bool tensoes = Estudo::ComTensoes(*estudo.Base);
    const auto linhas = Linhas(RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo)));
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0][0], "Retirada da fôrma lateral (h)");
    EXPECT_NE(std::vector<std::string>(linhas[1].begin() + 1, linhas[1].end()),
              std::vector<std::string>(linhas[2].begin() + 1, linhas[2].end()));
    for (std::size_t r = 1; r < linhas.size(); ++r) {
        SCOPED_TRACE(r);
        Json caso = base;
        caso["Obra"]["Laterais"]["Protecoes"][0][1]["HoraRetirada"] = std::stod(linhas[r][0]);
        const auto figuras = FigurasIsoladas(pasta, caso, tensoes);
        EXPECT_EQ(std::vector<std::string>(linhas[r].begin() + 1, linhas[r].begin() + 1 + static_cast<long>(figuras.size())),
                  figuras);
        EXPECT_EQ(linhas[r].back(), "");
    }
}

// The ice replaces as much water in the mix the project keeps; the lifts it was applied
// to (not the others) take the temperature it gives, worked here by the ACI 305R balance
// apart from the program, and a single run of that problem prints what the row holds.
TEST(Estudo, TeorDeGeloDaMisturaGuardadaConfereComExecucoesIsoladas) {
    PastaTemporaria pasta;
    Json base = Radier();
    Json mistura = {{"Cimento", {{"Massa", 330}, {"Temperatura", 40}, {"CalorEspecifico", 0.92}}},
                    {"Agregados", Json::array({{{"Nome", "Brita"}, {"Massa", 1850}, {"Temperatura", 30},
                                                {"CalorEspecifico", 0.92}, {"Umidade", 2}}})},
                    {"Agua", {{"Massa", 160}, {"Temperatura", 20}, {"CalorEspecifico", 4.184}}},
                    {"Gelo", {{"Massa", 0}, {"Temperatura", 0}, {"CalorEspecifico", 2.05}}},
                    {"CalorFusao", 334},
                    {"Ganho", 1},
                    {"Camadas", {2}}};
    base["Obra"]["MisturaLancamento"] = mistura;
    const double tCamada1 = base["Camadas"][0]["TInicial"].get<double>();
    const TEstudo estudo = EstudoDe(base, R"("TeorGelo": [0, 50])", pasta);
    const bool tensoes = Estudo::ComTensoes(*estudo.Base);
    const auto linhas = Linhas(RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo)));
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0][0], "Teor de gelo (kg/m³)");
    for (std::size_t r = 1; r < linhas.size(); ++r) {
        SCOPED_TRACE(r);
        const double gelo = r == 1 ? 0.0 : 50.0;
        // Σ m·c·T with the aggregate's free water at its temperature, the ice's
        // c·(0 − T) + L taken out, over Σ m·c with the melted ice as water, plus the gain.
        const double agua = 160.0 - gelo, livre = 1850.0 * 0.02;
        const double calor = 330 * 0.92 * 40 + (1850 * 0.92 + livre * 4.184) * 30 + agua * 4.184 * 20 - gelo * 334;
        const double capacidade = 330 * 0.92 + 1850 * 0.92 + livre * 4.184 + 160.0 * 4.184;
        const std::unique_ptr<TDadosModelo> caso = Estudo::MontaCaso(estudo, {gelo});
        EXPECT_NEAR(caso->Camadas[2].TInicial, calor / capacidade + 1.0, 1e-12);
        EXPECT_EQ(caso->Camadas[1].TInicial, tCamada1);
        Json isolado = base;
        isolado["Camadas"][1]["TInicial"] = caso->Camadas[2].TInicial;
        const auto figuras = FigurasIsoladas(pasta, isolado, tensoes);
        EXPECT_EQ(std::vector<std::string>(linhas[r].begin() + 1, linhas[r].begin() + 1 + static_cast<long>(figuras.size())),
                  figuras);
    }
    EXPECT_NE(linhas[1][1], linhas[2][1]);
    const TResultadoCaso demais = RodaEstudo::RodaCaso(estudo, {200});
    EXPECT_FALSE(demais.Ok);
    EXPECT_THAT(demais.Erro, HasSubstr("O gelo deve estar entre 0 e 160,00 kg/m³"));
}

// A blanket placed later than the removal asked for: that case is a row with the message.
TEST(Estudo, RetiradaAntesDaColocacaoRecusaOCaso) {
    PastaTemporaria pasta;
    Json base = Radier();
    base["Obra"]["ProtecoesTopo"][1][1]["HoraColocacao"] = 24;
    const TEstudo estudo = EstudoDe(base, R"("HoraRetiradaProtecao": [48, 12])", pasta);
    const TResultadoEstudo r = RodaEstudo::Roda(estudo);
    ASSERT_EQ(r.Casos.size(), 2u);
    EXPECT_TRUE(r.Casos[0].Ok) << r.Casos[0].Erro;
    EXPECT_FALSE(r.Casos[1].Ok);
    EXPECT_THAT(r.Casos[1].Erro, HasSubstr("da camada 2 é colocada 24 h após o lançamento; não pode ser retirada 12 h"));
}

TEST(Estudo, LinhasNaoDependemDoNumeroDeThreadsNemDoSorteioRepetido) {
    PastaTemporaria pasta;
    const TEstudo estudo = EstudoDe(Muro(),
                                    R"("IntervaloLancamento": [24, 36, 48, 60, 72], "TemperaturaLancamento": [15, 20, 25],
                                       "ConsumoCimento": [280, 320, 360])",
                                    pasta, R"(, "sorteio": {"casos": 9, "semente": 7})");
    OpcoesEstudo uma;
    uma.Threads = 1;
    OpcoesEstudo tres;
    tres.Threads = 3;
    const std::string a = RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo, uma));
    EXPECT_EQ(a, RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo, tres)));

    // Nine distinct combinations of the 45, in combination order.
    const auto casos = Estudo::Casos(estudo);
    ASSERT_EQ(casos.size(), 9u);
    for (std::size_t i = 1; i < casos.size(); ++i) EXPECT_LT(casos[i - 1], casos[i]);
    TEstudo outra = estudo;
    outra.Semente = 8;
    EXPECT_NE(Estudo::Casos(outra), casos);
    outra.Sorteados = 0;
    EXPECT_EQ(Estudo::Casos(outra).size(), 45u);
}

// With stresses too: each case runs them on its own thread, and the CSV is the same
// byte for byte whatever the number of threads the study shares its cases among.
class EstudoFios : public ::testing::TestWithParam<int> {};

TEST_P(EstudoFios, CsvComTensoesNaoDependeDoNumeroDeThreads) {
    PastaTemporaria pasta;
    const TEstudo estudo = EstudoDe(MuroComTensoes(),
                                    R"("IntervaloLancamento": [24, 48], "TemperaturaLancamento": [15, 25],
                                       "ElementosCamada": [2, 3])",
                                    pasta);
    ASSERT_TRUE(Estudo::ComTensoes(*estudo.Base));
    OpcoesEstudo uma;
    uma.Threads = 1;
    static const std::string referencia = RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo, uma));
    ASSERT_NE(referencia.find("Maior tração (MPa)"), std::string::npos);
    OpcoesEstudo op;
    op.Threads = GetParam();
    EXPECT_EQ(RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo, op)), referencia);
}

INSTANTIATE_TEST_SUITE_P(Threads, EstudoFios, ::testing::Values(1, 2, 3, 8, 0));

TEST(Estudo, CancelarDevolveSoOsCasosQueRodaram) {
    PastaTemporaria pasta;
    const TEstudo estudo = EstudoDe(Muro(), R"("TemperaturaLancamento": [10, 15, 20, 25])", pasta);
    std::atomic<bool> cancela{true};
    OpcoesEstudo op;
    op.Cancela = &cancela;
    const TResultadoEstudo r = RodaEstudo::Roda(estudo, op);
    EXPECT_TRUE(r.Cancelado);
    EXPECT_TRUE(r.Casos.empty());
}

struct CasoRecusado {
    const char* nome;
    const char* parametros;
    const char* mensagem;
};

class EstudoCasoRecusado : public ::testing::TestWithParam<CasoRecusado> {};

// A case the base cannot take comes back as a row with its message; the others still run.
TEST_P(EstudoCasoRecusado, LinhaComAMensagem) {
    PastaTemporaria pasta;
    Json base = Muro();
    base["CalorCamadas"][3]["Constante"] = true;
    const TEstudo estudo = EstudoDe(base, GetParam().parametros, pasta);
    const TResultadoEstudo r = RodaEstudo::Roda(estudo);
    ASSERT_EQ(r.Casos.size(), 2u);
    EXPECT_TRUE(r.Casos[0].Ok) << r.Casos[0].Erro;
    EXPECT_FALSE(r.Casos[1].Ok);
    EXPECT_THAT(r.Casos[1].Erro, HasSubstr(GetParam().mensagem));
    const auto linhas = Linhas(RodaEstudo::Csv(estudo, r));
    EXPECT_EQ(linhas[2][linhas[2].size() - 2], "Não");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EstudoCasoRecusado,
    ::testing::Values(CasoRecusado{"AlturaQueNaoDivide", R"("AlturaCamada": [2.5, 3])", "não se divide em camadas de 3 m"},
                      CasoRecusado{"NosDemais", R"("ElementosCamada": [29, 30])", "301 nós, acima do máximo de 300"},
                      CasoRecusado{"HorasDemais", R"("IntervaloLancamento": [24, 600])", "acima do máximo de 5000"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Estudo, ConsumoDeCimentoPedeACurvaDeHidratacao) {
    PastaTemporaria pasta;
    Json base = Muro();
    base["CalorCamadas"][3]["Constante"] = true;
    const TEstudo estudo = EstudoDe(base, R"("ConsumoCimento": [300])", pasta);
    const TResultadoCaso r = RodaEstudo::RodaCaso(estudo, {300});
    EXPECT_FALSE(r.Ok);
    EXPECT_THAT(r.Erro, HasSubstr("curva de hidratação (a camada 4 não segue)"));
}

struct EstudoRuim {
    const char* nome;
    const char* texto;
    const char* mensagem;
};

class EstudoInvalido : public ::testing::TestWithParam<EstudoRuim> {};

TEST_P(EstudoInvalido, RecusadoComMensagem) {
    PastaTemporaria pasta;
    std::ofstream(pasta / "base.n1d.json") << Muro().dump();
    try {
        Estudo::LeTexto(GetParam().texto, pasta.Caminho().string());
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr(GetParam().mensagem));
    }
}

#define CAB R"("formato": "norvik-1d/estudo", "versao": 1, "projeto": "base.n1d.json", )"
const EstudoRuim Ruins[] = {
        EstudoRuim{"NaoJson", "{", "não é JSON válido"},
        EstudoRuim{"SemFormato", R"({"projeto": "base.n1d.json", "parametros": {"ElementosCamada": [2]}})", "falta \"formato\""},
        EstudoRuim{"ChaveDesconhecida", "{" CAB R"("parametro": {}})", "chave desconhecida \"parametro\""},
        EstudoRuim{"ParametroDesconhecido", "{" CAB R"("parametros": {"Altura": [1]}})", "parâmetro desconhecido \"Altura\""},
        EstudoRuim{"NenhumParametro", "{" CAB R"("parametros": {}})", "nenhum parâmetro a variar"},
        EstudoRuim{"ListaVazia", "{" CAB R"("parametros": {"TemperaturaLancamento": []}})", "está vazia"},
        EstudoRuim{"ValorTexto", "{" CAB R"("parametros": {"TemperaturaLancamento": ["20"]}})",
                   "\"TemperaturaLancamento[0]\" deve ser um número"},
        EstudoRuim{"ElementosFracionarios", "{" CAB R"("parametros": {"ElementosCamada": [2, 1.5]}})",
                   "ElementosCamada[1] vale 1,5; deve ser um número inteiro"},
        EstudoRuim{"ElementosZero", "{" CAB R"("parametros": {"ElementosCamada": [0]}})", "deve ser no mínimo 1"},
        EstudoRuim{"AlturaNula", "{" CAB R"("AlturaTotal": 10, "parametros": {"AlturaCamada": [0]}})",
                   "deve ser maior que 0"},
        EstudoRuim{"IntervaloFracionario", "{" CAB R"("parametros": {"IntervaloLancamento": [12.5]}})",
                   "deve ser um número inteiro"},
        EstudoRuim{"LimiteDesconhecido", "{" CAB R"("parametros": {"ElementosCamada": [2]}, "limites": {"Tmax": 60}})",
                   "chave desconhecida \"Tmax\" em \"limites\""},
        EstudoRuim{"SorteioNegativo", "{" CAB R"("parametros": {"ElementosCamada": [2]}, "sorteio": {"casos": -1}})",
                   "inteiro não negativo"},
        EstudoRuim{"RetiradaSemProtecoes", "{" CAB R"("parametros": {"HoraRetiradaProtecao": [48]}})",
                   "precisa de um projeto base com proteções no topo"},
        EstudoRuim{"ResistenciaSemProtecoes", "{" CAB R"("parametros": {"ResistenciaProtecaoTopo": [0.5]}})",
                   "precisa de um projeto base com proteções no topo"},
        EstudoRuim{"VazaoNula", "{" CAB R"("parametros": {"VazaoAguaSerpentinas": [20, 0]}})",
                   "VazaoAguaSerpentinas[1] vale 0; deve ser maior que 0"},
        EstudoRuim{"GeloSemMistura", "{" CAB R"("parametros": {"TeorGelo": [20]}})",
                   "\"TeorGelo\" precisa de um projeto base que guarde a mistura de lançamento"},
        EstudoRuim{"RetiradaLateralSemLaterais", "{" CAB R"("parametros": {"HoraRetiradaFormaLateral": [48]}})",
                   "precisa de um projeto base com dimensões finitas em planta"},
        // As strict as the project file, with the place of the refusal, in Portuguese.
        EstudoRuim{"ChaveRepetida",
                   "{" CAB R"("parametros": {"TemperaturaLancamento": [20]},
"parametros": {"ElementosCamada": [2, 3]}})",
                   "a chave \"parametros\" aparece mais de uma vez (linha 2, coluna 1)"},
        EstudoRuim{"ParametroRepetido", "{" CAB R"("parametros": {"ElementosCamada": [2], "ElementosCamada": [3]}})",
                   "a chave \"ElementosCamada\" aparece mais de uma vez"},
        EstudoRuim{"NumeroAlemDoReal", "{" CAB "\n" R"("parametros": {"ConsumoCimento": [1e400]}})",
                   "o número 1e400 está fora do alcance de um número real (linha 2, coluna 35)"},
        EstudoRuim{"JsonComLinhaEColuna", "{\n  \"formato\": ,\n}", "o texto não é JSON válido (linha 2,"},
        EstudoRuim{"ValorComLugar", "{" CAB "\n" R"("parametros": {"TemperaturaLancamento": ["20"]}})",
                   "deve ser um número (linha 2, coluna 16)"},
        EstudoRuim{"LancamentoAMenos200", "{" CAB R"("parametros": {"TemperaturaLancamento": [20, -200]}})",
                   "TemperaturaLancamento[1] vale -200; deve ser no mínimo -60"},
        EstudoRuim{"LancamentoEmKelvin", "{" CAB R"("parametros": {"TemperaturaLancamento": [293.15]}})",
                   "TemperaturaLancamento[0] vale 293,15; deve ser no máximo 100"},
        EstudoRuim{"AlturaSemAlturaTotal", "{" CAB R"("parametros": {"AlturaCamada": [1, 2]}})",
                   "\"AlturaCamada\" só varia com \"AlturaTotal\""},
        EstudoRuim{"ProjetoAusente",
                   R"({"formato": "norvik-1d/estudo", "projeto": "nao-existe.n1d.json", "parametros": {"ElementosCamada": [2]}})",
                   "Projeto base do estudo"}};
INSTANTIATE_TEST_SUITE_P(Arquivos, EstudoInvalido, ::testing::ValuesIn(Ruins),
                         [](const auto& info) { return std::string(info.param.nome); });

// A million combinations and more are run only as a draw of at most a million.
TEST(Estudo, CombinacoesDemaisPedemSorteio) {
    PastaTemporaria pasta;
    std::string lista = "[";
    for (int i = 1; i <= 32; ++i) {
        if (i > 1) lista += ',';
        lista.append(std::to_string(i));
    }
    lista += "]";
    const std::string parametros = "\"IntervaloLancamento\": " + lista + ", \"TemperaturaLancamento\": " + lista +
                                   ", \"ConsumoCimento\": " + lista + ", \"ElementosCamada\": " + lista;
    try {
        EstudoDe(Muro(), parametros, pasta);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr("mais de 1000000 combinações; sorteie no máximo"));
    }
    const TEstudo sorteado = EstudoDe(Muro(), parametros, pasta, R"(, "sorteio": {"casos": 5})");
    EXPECT_EQ(Estudo::Combinacoes(sorteado), 1048576);
    EXPECT_EQ(Estudo::Casos(sorteado).size(), 5u);
}

TEST(Estudo, ArquivoDeIdaEVolta) {
    PastaTemporaria pasta;
    const TEstudo a = EstudoDe(Muro(), R"("AlturaCamada": [0.5, 1], "ConsumoCimento": [300.5])", pasta,
                               R"(, "sorteio": {"casos": 1, "semente": 3}, "limites": {"Diferenca": 18.5})");
    Estudo::Grava(pasta / "e.json", a);
    const TEstudo b = Estudo::Le(pasta / "e.json");
    EXPECT_EQ(Estudo::Texto(a), Estudo::Texto(b));
    EXPECT_EQ(b.LimiteDiferenca, 18.5);
    EXPECT_EQ(b.Sorteados, 1);
    ASSERT_EQ(b.Variacoes.size(), 2u);
    EXPECT_EQ(b.Variacoes[0].Valores, (std::vector<double>{0.5, 1}));
}

}  // namespace

namespace {

// The member a case builds: the lifts refit to the total height over the soil, the
// placements at the interval, the hours after the last placement kept.
struct Geometria {
    const char* nome;
    bool fundacao;
    double alturaTotal;
    const char* parametros;
    int nCamadas;
    double espessura, xIniUltima;
    int horaUltima;
    double tempoTotal;
};

class EstudoGeometria : public ::testing::TestWithParam<Geometria> {};

TEST_P(EstudoGeometria, CamadasLancamentosETempoTotal) {
    const Geometria& g = GetParam();
    PastaTemporaria pasta;
    Json base = Muro();
    base["Fundacao"] = g.fundacao;
    std::ofstream(pasta / "base.n1d.json") << base.dump();
    const TEstudo e = Estudo::LeTexto(R"({"formato": "norvik-1d/estudo", "projeto": "base.n1d.json", "AlturaTotal": )" +
                                          std::to_string(g.alturaTotal) + R"(, "parametros": {)" + g.parametros + "}}",
                                      pasta.Caminho().string());
    const auto casos = Estudo::Casos(e);
    ASSERT_EQ(casos.size(), 1u);
    const auto d = Estudo::MontaCaso(e, casos[0]);
    ASSERT_EQ(d->NCamadas, g.nCamadas);
    EXPECT_EQ(d->NCamadasMembro, g.nCamadas);
    const TCamada& ultima = d->Camadas[g.nCamadas];
    EXPECT_DOUBLE_EQ(ultima.Espessura, g.espessura);
    EXPECT_DOUBLE_EQ(ultima.XIni, g.xIniUltima);
    EXPECT_EQ(ultima.HoraConcretagem, g.horaUltima);
    EXPECT_EQ(d->TempoTotal, g.tempoTotal);
    // The soil stays as it was; nothing is left of the base's lifts above the new top.
    if (g.fundacao) {
        EXPECT_EQ(d->Camadas[1].Espessura, 1.0);
        EXPECT_EQ(d->Camadas[1].HoraConcretagem, 7);
    }
    EXPECT_EQ(d->Camadas[g.nCamadas + 1].Espessura, 0.0);
    EXPECT_EQ(d->CalorCamadas[g.nCamadas].C, 320);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EstudoGeometria,
    ::testing::Values(Geometria{"SemFundacao", false, 10, R"("AlturaCamada": [2.5])", 4, 2.5, 7.5, 151, 384},
                      Geometria{"SobreOSolo", true, 4.5, R"("AlturaCamada": [1.5])", 4, 1.5, 4, 151, 384},
                      Geometria{"SobreOSoloComIntervalo", true, 4.5, R"("AlturaCamada": [1.5], "IntervaloLancamento": [24])",
                                4, 1.5, 4, 103, 336},
                      Geometria{"SoIntervalo", false, 0, R"("IntervaloLancamento": [12])", 10, 1, 9, 115, 348}),
    [](const auto& info) { return std::string(info.param.nome); });

// A valid base is accepted with its hours counted as the analysis counts them: the
// capacity project's first lift at hour 8 and TempoTotal 5008 is a 5000 h analysis.
TEST(Estudo, BaseNaCapacidadeContaAsHorasDesdeOPrimeiroLancamento) {
    PastaTemporaria pasta;
    const std::string base = std::string(NORVIK_FONTES) + "/bench/dados/capacidade.n1d.json";
    const TEstudo e = Estudo::LeTexto(
        R"({"formato": "norvik-1d/estudo", "projeto": ")" + base + R"(", "parametros": {"TemperaturaLancamento": [20, 25]}})",
        pasta.Caminho().string());
    ASSERT_EQ(e.Base->TempoTotal, 5008);
    for (const auto& valores : Estudo::Casos(e)) {
        const auto caso = Estudo::MontaCaso(e, valores);
        EXPECT_NO_THROW(TProcesso::ValidaEntrada(*caso));
    }
}

// A base the run would refuse is refused with the study, not case by case.
TEST(Estudo, BaseImpossivelERecusadaNoEstudo) {
    PastaTemporaria pasta;
    Json muro = Muro();
    muro["Camadas"][2]["K"] = -2.2;
    std::ofstream(pasta / "base.n1d.json") << muro.dump();
    try {
        Estudo::LeTexto(R"({"formato": "norvik-1d/estudo", "projeto": "base.n1d.json", "parametros": {"ElementosCamada": [2]}})",
                        pasta.Caminho().string());
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr("o projeto base: A condutividade térmica da camada 3 vale -2,2"));
    }
}

}  // namespace
