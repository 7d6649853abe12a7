#include "input/CalorDiscreto.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace {

using CalorDiscreto::LinhaTexto;
using Tabela = std::array<double, MaxHoras + 1>;

// ρ·c / 3600 of a layer with ρ = 2400 kg/m³ and c = 1000 J/(kg·°C).
constexpr double Ro = 2400.0, C = 1000.0, RoC = Ro * C / 3600.0;

std::unique_ptr<Tabela> TabelaMarcada(double marca = -1.0) {
    auto t = std::make_unique<Tabela>();
    t->fill(marca);
    return t;
}

// Entries a..b all equal `valor` (relative tolerance of a few ulps).
void EsperaFaixa(const Tabela& t, int a, int b, double valor) {
    for (int h = a; h <= b; ++h) EXPECT_NEAR(t[h], valor, std::abs(valor) * 1e-14) << "hora " << h;
}

struct CasoCurva {
    const char* nome;
    std::vector<LinhaTexto> pontos;
    int primeira, ultima;  // hours written with `taxa`
    double taxa;
    int escritas;
};

class Curva : public ::testing::TestWithParam<CasoCurva> {};

TEST_P(Curva, PreencheAsHorasDoIntervalo) {
    const CasoCurva& c = GetParam();
    auto t = TabelaMarcada();
    const auto r = CalorDiscreto::PreencheTabela(c.pontos, Ro, C, false, *t);
    EXPECT_EQ(r.horasEscritas, c.escritas);
    EXPECT_EQ(r.horasOmitidas, 0);
    EXPECT_EQ((*t)[0], -1.0);
    EsperaFaixa(*t, c.primeira, c.ultima, c.taxa);
    EXPECT_EQ((*t)[c.ultima + 1], -1.0) << "depois do último ponto a tabela fica como estava";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Curva,
    ::testing::Values(
        CasoCurva{"UmDia20Graus", {{"0", "20"}, {"1", "40"}}, 1, 24, 20.0 / 24.0 * RoC, 24},
        // The half day before the first point is not represented.
        CasoCurva{"ComecaAoMeioDia", {{"0,5", "20"}, {"1,5", "44"}}, 1, 24, 1.0 * RoC, 24},
        // 1 h 30 min give one whole hour.
        CasoCurva{"UmaHoraEMeia", {{"0", "20"}, {"0,0625", "23"}}, 1, 1, 3.0 * RoC, 1},
        // An interval under one hour adds no hour and its rise is lost.
        CasoCurva{"IntervaloCurto", {{"0", "20"}, {"0,02", "25"}, {"1,02", "49"}}, 1, 24, 1.0 * RoC, 24}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(CalorDiscreto, UnidadesUsuaisMultiplicamPor3600) {
    auto t = TabelaMarcada();
    CalorDiscreto::PreencheTabela({{"0", "20"}, {"1", "40"}}, Ro, C, true, *t);
    EsperaFaixa(*t, 1, 24, 20.0 / 24.0 * RoC * 3600.0);
}

TEST(CalorDiscreto, UmPontoSoNaoEscreveNemConverte) {
    auto t = TabelaMarcada();
    EXPECT_EQ(CalorDiscreto::PreencheTabela({{"", ""}}, Ro, C, false, *t).horasEscritas, 0);
    EXPECT_EQ((*t)[1], -1.0);
}

// Hourly readings imported from a file arrive as hours / 24 with 15 significant
// digits; every one-hour interval must still count as one hour.
TEST(CalorDiscreto, LeiturasHorariasImportadasValemUmaHoraCada) {
    std::vector<LinhaTexto> pontos;
    for (int h = 0; h <= 3000; ++h) {
        pontos.push_back({Numeros::FormataGeral(h / 24.0), Numeros::FormataGeral(0.01 * h)});
    }
    auto t = TabelaMarcada();
    const auto r = CalorDiscreto::PreencheTabela(pontos, Ro, C, false, *t);
    EXPECT_EQ(r.horasEscritas, 3000);
    for (int h = 1; h <= 3000; ++h) ASSERT_NEAR((*t)[h], 0.01 * RoC, 0.01 * RoC * 1e-9) << "hora " << h;
    EXPECT_EQ((*t)[3001], -1.0);
}

TEST(CalorDiscreto, CurvaAlemDe5000HorasPreencheAte5000EContaORestante) {
    auto t = TabelaMarcada();
    // 250 days = 6000 hours in one interval, then 10 more days.
    const auto r = CalorDiscreto::PreencheTabela({{"0", "0"}, {"250", "6000"}, {"260", "6240"}}, Ro, C, false, *t);
    EXPECT_EQ(r.horasEscritas, 5000);
    EXPECT_EQ(r.horasOmitidas, 1000 + 240);
    EsperaFaixa(*t, 1, 5000, RoC);
    EXPECT_EQ((*t)[0], -1.0);
}

TEST(CalorDiscreto, TempoEnormeNaoEscreveForaDaTabela) {
    auto t = TabelaMarcada();
    const auto r = CalorDiscreto::PreencheTabela({{"0", "0"}, {"1E300", "1"}, {"-1E300", "2"}, {"0", "3"}},
                                                 Ro, C, false, *t);
    // Out to the limit, back to hour 0, out again: hours 1..5000 written twice.
    EXPECT_EQ(r.horasEscritas, 10000);
    EXPECT_GT(r.horasOmitidas, 0);
    EXPECT_EQ((*t)[0], -1.0);
}

// Decreasing times move the hour counter back: later intervals overwrite.
TEST(CalorDiscreto, TempoQueVoltaSobrescreveHorasJaEscritas) {
    auto t = TabelaMarcada();
    CalorDiscreto::PreencheTabela({{"0", "0"}, {"1", "24"}, {"0,5", "24"}, {"1", "48"}}, Ro, C, false, *t);
    EsperaFaixa(*t, 1, 12, 1.0 * RoC);
    EsperaFaixa(*t, 13, 24, 2.0 * RoC);
    EXPECT_EQ((*t)[25], -1.0);
}

TEST(CalorDiscreto, TempoQueVoltaAntesDoInicioNuncaEscreveAbaixoDaHora1) {
    auto t = TabelaMarcada();
    const auto r = CalorDiscreto::PreencheTabela({{"1", "0"}, {"0", "0"}, {"0,25", "12"}, {"1,25", "36"}},
                                                 Ro, C, false, *t);
    // Counter: -24, then -18 (the 6 hours fall below hour 1), then +6.
    EXPECT_EQ(r.horasEscritas, 6);
    EXPECT_EQ((*t)[0], -1.0);
    EsperaFaixa(*t, 1, 6, 1.0 * RoC);
    EXPECT_EQ((*t)[7], -1.0);
}

TEST(CalorDiscreto, CelulaInvalidaParaComAsHorasAnterioresGravadas) {
    auto t = TabelaMarcada();
    try {
        CalorDiscreto::PreencheTabela({{"0", "20"}, {"1", "40"}, {"2.5", "50"}}, Ro, C, false, *t);
        FAIL() << "esperava ErroConversao";
    } catch (const ErroConversao& e) {
        EXPECT_STREQ(e.what(), "'2.5' não é um valor de ponto flutuante válido");
    }
    EsperaFaixa(*t, 1, 24, 20.0 / 24.0 * RoC);
    EXPECT_EQ((*t)[25], -1.0);
}

TEST(CalorDiscreto, TaxaNaoFinitaERecusadaSemEscrever) {
    auto t = TabelaMarcada();
    EXPECT_THROW(CalorDiscreto::PreencheTabela({{"0", "-1E308"}, {"1", "1E308"}}, Ro, C, false, *t), ErroEntrada);
    EXPECT_EQ((*t)[1], -1.0);
}

struct CasoArquivo {
    const char* nome;
    const char* texto;
    bool aceito;
    std::vector<std::pair<double, double>> pontos;
};

class Arquivo : public ::testing::TestWithParam<CasoArquivo> {};

TEST_P(Arquivo, LeDoisNumerosPorLinha) {
    const CasoArquivo& c = GetParam();
    std::istringstream entrada(c.texto);
    const auto pontos = CalorDiscreto::LeArquivo(entrada);
    ASSERT_EQ(pontos.has_value(), c.aceito);
    if (!pontos) return;
    ASSERT_EQ(pontos->size(), c.pontos.size());
    for (std::size_t i = 0; i < c.pontos.size(); ++i) {
        EXPECT_EQ((*pontos)[i].horas, c.pontos[i].first);
        EXPECT_EQ((*pontos)[i].temperatura, c.pontos[i].second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Arquivo,
    ::testing::Values(CasoArquivo{"DuasLinhas", "0 20\n24 40\n", true, {{0, 20}, {24, 40}}},
                      CasoArquivo{"SemFimDeLinha", "0 20\n24 40", true, {{0, 20}, {24, 40}}},
                      CasoArquivo{"WindowsETabulacao", "0\t20.5\r\n12.25  41 obs\r\n", true, {{0, 20.5}, {12.25, 41}}},
                      CasoArquivo{"LinhasEmBrancoIgnoradas", "\n0 20\n\n  \n24 40\n\n", true, {{0, 20}, {24, 40}}},
                      CasoArquivo{"Vazio", "", true, {}},
                      CasoArquivo{"VirgulaDecimal", "0 20\n1,5 30\n", false, {}},
                      CasoArquivo{"UmNumeroSo", "0 20\n24\n", false, {}},
                      CasoArquivo{"Texto", "tempo temperatura\n0 20\n", false, {}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
