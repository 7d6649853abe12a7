// Site measurements: the sensors file in its accepted forms and its refusals, the
// computed temperature at a sensor's height against the table's own cells, the RMS,
// and the measurements kept by the project file.
#include "results/Medicoes.h"

#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Projeto.h"

namespace {

using ::testing::HasSubstr;

struct Aceito {
    const char* nome;
    std::string texto;
    const char* origem;
    std::vector<TSensor> esperado;
};

class MedicoesAceitas : public ::testing::TestWithParam<Aceito> {};

TEST_P(MedicoesAceitas, Le) { EXPECT_EQ(Medicoes::LeTexto(GetParam().texto, GetParam().origem), GetParam().esperado); }

const std::vector<TSensor> DoisSensores = {{"T1", 0.5, {{10, 20.5}, {11, 21.25}}}, {"T2", 1.5, {{10, 19}, {11, 19.5}}}};

INSTANTIATE_TEST_SUITE_P(
    Formas, MedicoesAceitas,
    ::testing::Values(
        Aceito{"PontoEVirgulaComVirgula", "Hora;T1 (0,5 m);T2 (1,5 m)\n10;20,5;19\n11;21,25;19,5\n", "", DoisSensores},
        Aceito{"PontoEVirgulaComPonto", "Hora;T1 (0.5 m);T2 @ 1.5\r\n10;20.5;19\r\n11;21.25;19.5\r\n", "", DoisSensores},
        Aceito{"VirgulaComPonto", "\xEF\xBB\xBFhora,T1 @ 0.5,T2 @ 1.5\n10,20.5,19\n11,21.25,19.5\n\n", "", DoisSensores},
        Aceito{"Tabulacao", "Hora\tT1 (0,5 m)\tT2 (1,5m)\n10\t20,5\t19\n11\t21,25\t19,5\n", "", DoisSensores},
        Aceito{"DataEHora", "Data;T1 (0,5 m);T2 (1,5 m)\n2026-03-10 10:00;20,5;19\n10/03/2026 11:00:00;21,25;19,5\n",
               "2026-03-10 00:00", DoisSensores},
        Aceito{"DataCruzaMes", "Data;S (2 m)\n01/03/2024 06:30;30\n", "28/02/2024 00:00", {{"S", 2, {{24 * 2 + 6.5, 30}}}}},
        Aceito{"LeituraFaltando", "Hora;A (0 m);B (1 m)\n1;20;\n2;;21\n3;22;23\n", "",
               {{"A", 0, {{1, 20}, {3, 22}}}, {"B", 1, {{2, 21}, {3, 23}}}}},
        // The logger's "no value" and readings colder than any air are missing, never fitted.
        Aceito{"Menos9999EAbaixoDeMenos60SaoAusentes", "Hora;A (0 m)\n1;-9999\n2;-300\n3;22\n4;-60\n", "",
               {{"A", 0, {{3, 22}, {4, -60}}}}},
        // Names enter the problem as UTF-8 whatever the encoding of the file.
        Aceito{"NomeEmWindows1252", "Hora;N\xFA" "cleo (1 m)\n1;20\n", "", {{"Núcleo", 1, {{1, 20}}}}},
        Aceito{"Utf16LE", std::string("\xFF\xFEH\0;\0S\0\xE9\0 \0@\0 \0\x31\0\n\0\x31\0;\0\x32\0", 26), "",
               {{"Sé", 1, {{1, 2}}}}}),
    [](const auto& info) { return std::string(info.param.nome); });

struct Recusado {
    const char* nome;
    const char* texto;
    const char* origem;
    const char* mensagem;
};

class MedicoesRecusadas : public ::testing::TestWithParam<Recusado> {};

TEST_P(MedicoesRecusadas, ComMensagem) {
    try {
        Medicoes::LeTexto(GetParam().texto, GetParam().origem);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr(GetParam().mensagem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, MedicoesRecusadas,
    ::testing::Values(
        Recusado{"Vazio", "\n\n", "", "Arquivo de medições vazio"},
        Recusado{"SoHora", "Hora\n1\n", "", "ao menos um sensor"},
        Recusado{"SemAltura", "Hora;T1\n1;20\n", "", "linha 1, coluna 2: \"T1\" não dá a altura do sensor"},
        Recusado{"AlturaNegativa", "Hora;T1 (-1 m)\n1;20\n", "", "não pode ser negativa"},
        Recusado{"Temperatura", "Hora;T1 (1 m)\n1;20\n2;vinte\n", "", "linha 3, coluna 2: 'vinte' não é um valor"},
        Recusado{"PontoComVirgulaSeparando", "Hora,T1 @ 1\n1,20,5\n", "", "a linha 2 tem 3 colunas e o cabeçalho 2"},
        Recusado{"HoraVoltando", "Hora;T1 (1 m)\n2;20\n1;21\n", "", "linha 3, coluna 1: as horas devem crescer"},
        Recusado{"SemLeitura", "Hora;T1 (1 m);T2 (2 m)\n1;20;\n", "", "o sensor \"T2\" não tem leitura"},
        Recusado{"DataSemOrigem", "Data;T1 (1 m)\n2026-03-10 10:00;20\n", "", "linha 2, coluna 1"},
        Recusado{"DataInvalida", "Data;T1 (1 m)\n2026-02-30 10:00;20\n", "2026-02-01 00:00",
                 "linha 2, coluna 1: \"2026-02-30 10:00\" não é uma data e hora válida"},
        Recusado{"OrigemInvalida", "Data;T1 (1 m)\n2026-02-03 10:00;20\n", "ontem", "\"ontem\" não é uma data e hora válida"}),
    [](const auto& info) { return std::string(info.param.nome); });

// Two layers of 1 m, two elements each, layer 2 placed at hour 2; node n at hour r reads
// 20 + n + r/100, except the cells of layer 2 before its placement, which hold zero.
struct Membro {
    TDadosModelo d;
    HistoricoNumerico t;
    Membro() {
        d.NCamadas = 2;
        d.NCamadasMembro = 2;
        d.NElemCamada = 2;
        d.Camadas[1] = TCamada{2, 1, 0, 2400, 1000, 1e-5, 0, 20};
        d.Camadas[2] = TCamada{2, 1, 1, 2400, 1000, 1e-5, 2, 20};
        t.Redimensiona(6, 6);
        for (int r = 1; r <= 5; ++r) {
            t.Define(0, r, r);
            for (int n = 1; n <= 5; ++n) t.Define(n, r, Numeros::ArredondaFixo(n > 3 && r <= 2 ? 0.0 : 20 + n + r / 100.0, 2));
        }
    }
};

struct Ponto {
    double altura, hora;
    std::optional<double> esperado;
};

class MedicoesCalculada : public ::testing::TestWithParam<Ponto> {};

TEST_P(MedicoesCalculada, InterpolaEntreNosELinhas) {
    const auto m = std::make_unique<const Membro>();
    const auto v = Medicoes::Calculada(m->d, m->t, GetParam().altura, GetParam().hora);
    ASSERT_EQ(v.has_value(), GetParam().esperado.has_value());
    if (v) {
        EXPECT_NEAR(*v, *GetParam().esperado, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pontos, MedicoesCalculada,
    ::testing::Values(Ponto{0.0, 1, 21.01}, Ponto{0.5, 3, 22.03}, Ponto{0.25, 3, 21.53}, Ponto{2.0, 5, 25.05},
                      Ponto{0.25, 3.5, 21.535}, Ponto{1.75, 3, 24.53},
                      Ponto{1.75, 2, std::nullopt},    // layer 2 not placed yet
                      Ponto{1.75, 2.5, std::nullopt},  // between a row before and one after its placement
                      Ponto{2.01, 3, std::nullopt}, Ponto{-0.01, 3, std::nullopt}, Ponto{1.0, 0.5, std::nullopt},
                      Ponto{1.0, 5.5, std::nullopt}));

TEST(Medicoes, RmsDasDiferencasAteAHoraDada) {
    const auto pm = std::make_unique<const Membro>();
    const Membro& m = *pm;
    // Node 2 (0,5 m) read 0,3 above and 0,4 below the table, then far off after hour 4.
    const TSensor s{"S", 0.5, {{1, 22.01 + 0.3}, {2, 22.02 - 0.4}, {5, 40}, {9, 50}}};
    const auto ate4 = Medicoes::Compara(m.d, m.t, s, 4);
    EXPECT_EQ(ate4.Pontos, 2);
    EXPECT_NEAR(ate4.RMS, std::sqrt((0.09 + 0.16) / 2), 1e-12);
    EXPECT_EQ(Medicoes::Compara(m.d, m.t, s).Pontos, 3);  // hour 9 is past the table
    EXPECT_EQ(Medicoes::CurvaCalculada(m.d, m.t, 1.5).size(), 3u);  // rows 3 to 5
}

TEST(Medicoes, ProjetoGuardaAsMedicoesEmIdaEVolta) {
    auto pd = std::make_unique<TDadosModelo>();
    TDadosModelo& d = *pd;
    Projeto::LeTexto(R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 1, "NCamadas": 1, "PassoTempo": 1,
                         "TempoTotal": 10, "Camadas": [{"Espessura": 1, "K": 2, "Ro": 2400, "CalorEsp": 1000}]})",
                     d);
    const std::string semMedicoes = Projeto::Texto(d);
    EXPECT_EQ(semMedicoes.find("Medicoes"), std::string::npos);
    d.Medicoes = {{"T1", 0.25, {{1, 20.5}, {2.5, 21}}}, {"Base", 0, {{3, -1.125}}}};
    auto pl = std::make_unique<TDadosModelo>();
    TDadosModelo& lido = *pl;
    Projeto::LeTexto(Projeto::Texto(d), lido);
    EXPECT_EQ(lido.Medicoes, d.Medicoes);
    // A project without the key clears what the program held.
    Projeto::LeTexto(semMedicoes, lido);
    EXPECT_TRUE(lido.Medicoes.empty());
}

TEST(Medicoes, ProjetoDescartaLeiturasAusentes) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 1, "NCamadas": 1, "PassoTempo": 1,
                         "TempoTotal": 10, "Camadas": [{"Espessura": 1, "K": 2, "Ro": 2400, "CalorEsp": 1000}],
                         "Medicoes": [{"Nome": "T1", "Altura": 0.5, "Leituras": [[1, -9999], [2, 20], [3, -61]]}]})",
                     *d);
    ASSERT_EQ(d->Medicoes.size(), 1u);
    EXPECT_EQ(d->Medicoes[0].Leituras, (std::vector<TLeitura>{{2, 20}}));
}

struct ChaveRuim {
    const char* nome;
    const char* medicoes;
    const char* mensagem;
};

class MedicoesProjetoRecusa : public ::testing::TestWithParam<ChaveRuim> {};

TEST_P(MedicoesProjetoRecusa, NadaMuda) {
    auto pd = std::make_unique<TDadosModelo>();
    TDadosModelo& d = *pd;
    d.Medicoes = {{"Antes", 1, {{1, 1}}}};
    const std::string texto = std::string(R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 1, "NCamadas": 1,
        "PassoTempo": 1, "TempoTotal": 10, "Medicoes": )") + GetParam().medicoes + "}";
    try {
        Projeto::LeTexto(texto, d);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr(GetParam().mensagem));
    }
    EXPECT_EQ(d.Medicoes[0].Nome, "Antes");
}

INSTANTIATE_TEST_SUITE_P(
    Chaves, MedicoesProjetoRecusa,
    ::testing::Values(ChaveRuim{"NaoLista", "{}", "\"Medicoes\" deve ser uma lista"},
                      ChaveRuim{"ChaveDesconhecida", R"([{"Nome": "a", "Altura": 1, "Leituras": [], "Cor": 1}])",
                                "chave desconhecida \"Cor\" em Medicoes[0]"},
                      ChaveRuim{"FaltaAltura", R"([{"Nome": "a", "Leituras": []}])", "precisa de \"Nome\", \"Altura\""},
                      ChaveRuim{"LeituraSemPar", R"([{"Nome": "a", "Altura": 1, "Leituras": [[1, 2, 3]]}])",
                                "\"Medicoes[0].Leituras[0]\" deve ser um par"},
                      ChaveRuim{"HoraTexto", R"([{"Nome": "a", "Altura": 1, "Leituras": [["1", 2]]}])",
                                "\"Medicoes[0].Leituras[0][0]\" deve ser um número"},
                      ChaveRuim{"HorasVoltando", R"([{"Nome": "a", "Altura": 1, "Leituras": [[2, 1], [1, 1]]}])",
                                "devem crescer"},
                      // Refused from the project file as from the sensor file: outside the member.
                      ChaveRuim{"AlturaNegativa", R"([{"Nome": "a", "Altura": -0.5, "Leituras": [[1, 20]]}])",
                                "O sensor \"a\" está a -0,5 m da base, fora do membro"},
                      ChaveRuim{"AcimaDoMembro", R"([{"Nome": "a", "Altura": 0.5, "Leituras": [[1, 20]]}])",
                                "a altura deve ficar entre 0 e 0 m"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
