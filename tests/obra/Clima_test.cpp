// The hourly weather: read from both layouts, gaps and refusals, and the runs it drives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "obra/CondicoesObra.h"
#include "core/Erros.h"
#include "core/Func.h"
#include "core/MembroTeste.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "core/Vento.h"
#include "obra/ClimaHorario.h"
#include "obra/DadosObra.h"

namespace {

TabelaTexto Roda(TDadosModelo& d) {
    TabelaTexto t;
    teste::Gravador g;
    TProcesso::ProcessaTransiente(d, t, g);
    return t;
}

// Layer 1 with heat, 2 m, faces exchanging with the air; 3 days.
std::unique_ptr<TDadosModelo> Bloco() {
    auto d = teste::Membro(2, 4, 0, 30, 72.0);
    teste::CurvaHidratacao(*d);
    d->BetaSup = 15.0 * 3600.0;
    d->BetaInf = 5.0 * 3600.0;
    return d;
}

std::string Csv(int horas, auto temperatura, const char* cabecalho = "hora;temperatura") {
    std::string s = std::string(cabecalho) + "\n";
    for (int k = 0; k <= horas; ++k) s += std::to_string(k) + ";" + temperatura(k) + "\n";
    return s;
}

struct CasoAmbiente {
    const char* nome;
    void (*prepara)(TDadosModelo&);         // the problem without the file
    std::string (*linha)(const TDadosModelo&, int hora);  // the file's cells after the hour
    const char* cabecalho;
};

const CasoAmbiente CasosAmbiente[] = {
    {"CicloDiario",
     [](TDadosModelo& d) {
         d.TAmbConstante = false;
         d.TAmbMax = 24.5, d.TAmbMin = 14.5, d.HoraTAmbMax = 12, d.HoraTAmbMin = 2;
     },
     [](const TDadosModelo& d, int k) { return Numeros::FormataGeral(TFunc::TemperaturaAmbiente(d, k)); },
     "hora;temperatura"},
    {"Constante", [](TDadosModelo& d) { d.TAmbConst = 31.5; }, [](const TDadosModelo&, int) { return std::string("31,5"); },
     "hora;temperatura"},
    // A steady wind of 6 m/s: the CEB coefficient at every hour, as the day/night pair gives it.
    {"VentoConstante",
     [](TDadosModelo& d) {
         d.TAmbConst = 25.0;
         d.CoefConvConstante = false;
         d.Superficie[1].HDia = d.Superficie[1].HNoite = CoeficienteVentoCEB(6.0);
         d.Superficie[1].HoraIniDia = 6, d.Superficie[1].HoraIniNoite = 18;
     },
     [](const TDadosModelo&, int) { return std::string("25;6"); }, "hora;temperatura;vento"},
};

class ArquivoIgualAmbiente : public testing::TestWithParam<CasoAmbiente> {};

TEST_P(ArquivoIgualAmbiente, DaAMesmaTabela) {
    const CasoAmbiente& c = GetParam();
    auto semArquivo = Bloco();
    c.prepara(*semArquivo);
    const TabelaTexto esperado = Roda(*semArquivo);

    auto comArquivo = Bloco();
    c.prepara(*comArquivo);
    const std::string texto = Csv(72, [&](int k) { return c.linha(*comArquivo, k); }, c.cabecalho);
    TClimaHorario::LeCsv(texto).Aplica(ObraEditavel(*comArquivo));
    comArquivo->TAmbConst = -99.0;  // the file, not these, gives the air
    comArquivo->TAmbConstante = true;
    comArquivo->CoefConvConstante = true;
    const TabelaTexto obtido = Roda(*comArquivo);

    ASSERT_EQ(obtido.Linhas(), esperado.Linhas());
    for (int l = 0; l < esperado.Linhas(); ++l)
        for (int col = 0; col < esperado.Colunas(); ++col)
            ASSERT_EQ(obtido.Celula(col, l), esperado.Celula(col, l)) << "linha " << l << " coluna " << col;
}

INSTANTIATE_TEST_SUITE_P(Clima, ArquivoIgualAmbiente, testing::ValuesIn(CasosAmbiente),
                         [](const auto& i) { return std::string(i.param.nome); });

struct CasoLeitura {
    const char* nome;
    const char* texto;
    int ultimaHora;        // -1: refused
    int hora;              // hour checked
    double temperatura, vento, radiacao;  // NAN: column absent
    const char* mensagem;  // part of the refusal
};

const CasoLeitura CasosLeitura[] = {
    {"VirgulaEPonto", "hora;temperatura;vento;radiacao\n0;20,5;2;0\n1;21.5;2,5;100.5\n", 1, 1, 21.5, 2.5, 100.5, ""},
    {"SoTemperatura", "Hora;Temperatura\r\n0;20\r\n1;22\r\n", 1, 1, 22.0, NAN, NAN, ""},
    {"ColunasEmOutraOrdem", "hora;radiação;temperatura\n0;300;20\n1;400;22\n", 1, 1, 22.0, NAN, 400.0, ""},
    {"LacunaDeSeisHoras", "hora;temperatura\n0;10\n7;24\n", 7, 3, 16.0, NAN, NAN, ""},
    {"CelulaVaziaELinhaAusente", "hora;temperatura;vento\n0;10;1\n1;;2\n3;16;4\n", 3, 1, 12.0, 2.0, NAN, ""},
    {"LacunaDeSeteHoras", "hora;temperatura\n0;10\n1;11\n9;24\n", -1, 0, 0, 0, 0, "nas horas 2 a 8 (7 h seguidas)"},
    {"NaoComecaNaHoraZero", "hora;temperatura\n2;10\n3;11\n", -1, 0, 0, 0, 0, "é o da hora 2"},
    {"HoraRepetida", "hora;temperatura\n0;10\n1;11\n1;12\n", -1, 0, 0, 0, 0, "não vem depois da hora 1"},
    {"ColunaDesconhecida", "hora;temperatura;umidade\n0;10;50\n", -1, 0, 0, 0, 0, "coluna desconhecida \"umidade\""},
    {"SemCabecalho", "0;10\n1;11\n", -1, 0, 0, 0, 0, "cabeçalho"},
    {"TextoNaCelula", "hora;temperatura\n0;dez\n", -1, 0, 0, 0, 0, "linha 2 tem \"dez\""},
    // The series ends where every column still has a value.
    {"VentoMaisCurto", "hora;temperatura;vento\n0;10;1\n1;11;1\n2;12;\n", 1, 1, 11.0, 1.0, NAN, ""},
    // −9999 is a gap in every column, filled like an empty cell.
    {"Menos9999EmQualquerColuna", "hora;temperatura;vento;radiacao\n0;10;1;0\n1;-9999;-9999;-9999\n2;12;3;200\n", 2, 1,
     11.0, 2.0, 100.0, ""},
    {"ArEmKelvin", "hora;temperatura\n0;293,15\n", -1, 0, 0, 0, 0,
     "a linha 2 tem temperatura do ar de 293,15 °C; a faixa aceita é de -60 a 100 °C"},
    {"ArAMenos300", "hora;temperatura\n0;20\n1;-300\n", -1, 0, 0, 0, 0, "a linha 3 tem temperatura do ar de -300 °C"},
    {"VentoNegativo", "hora;temperatura;vento\n0;20;1\n1;20;-1\n", -1, 0, 0, 0, 0,
     "a linha 3 tem velocidade do vento negativa (-1)"},
    {"RadiacaoNegativa", "hora;temperatura;radiacao\n0;20;-5\n", -1, 0, 0, 0, 0, "a linha 2 tem radiação negativa (-5)"},
    {"HoraAlemDeLongLong", "hora;temperatura\n0;20\n1e70;21\n", -1, 0, 0, 0, 0,
     "a linha 3 não começa por uma hora inteira (\"1e70\")"},
    {"HoraNegativaEnorme", "hora;temperatura\n-1e300;21\n", -1, 0, 0, 0, 0, "não começa por uma hora inteira"},
};

class LeituraCsv : public testing::TestWithParam<CasoLeitura> {};

TEST_P(LeituraCsv, LeOuRecusa) {
    const CasoLeitura& c = GetParam();
    if (c.ultimaHora < 0) {
        try {
            TClimaHorario::LeCsv(c.texto);
            FAIL() << "aceitou";
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(c.mensagem), std::string::npos) << e.what();
        }
        return;
    }
    const TClimaHorario clima = TClimaHorario::LeCsv(c.texto);
    ASSERT_EQ(clima.UltimaHora(), c.ultimaHora);
    const auto h = static_cast<std::size_t>(c.hora);
    EXPECT_DOUBLE_EQ(clima.Temperatura[h], c.temperatura);
    if (std::isnan(c.vento)) EXPECT_TRUE(clima.Vento.empty());
    else EXPECT_DOUBLE_EQ(clima.Vento[h], c.vento);
    if (std::isnan(c.radiacao)) EXPECT_TRUE(clima.Radiacao.empty());
    else EXPECT_DOUBLE_EQ(clima.Radiacao[h], c.radiacao);
}

INSTANTIATE_TEST_SUITE_P(Clima, LeituraCsv, testing::ValuesIn(CasosLeitura),
                         [](const auto& i) { return std::string(i.param.nome); });

std::string Amostra() {
    std::ifstream f(std::string(NORVIK_FONTES) + "/tests/obra/amostras/estacao-automatica.csv", std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The sample station file (Latin-1, metadata lines, "2024/01/15;0300 UTC" rows) with
// hour 0 at 15/01/2024 0 h Brasília time, that is 03 UTC.
TEST(ClimaEstacao, LeAAmostraNaHoraLocal) {
    const std::string texto = Amostra();
    ASSERT_TRUE(TClimaHorario::PareceInmet(texto));
    EXPECT_FALSE(TClimaHorario::PareceInmet("hora;temperatura\n0;1\n"));
    const TClimaHorario c = TClimaHorario::LeInmet(texto, TClimaHorario::LeData("15/01/2024", 0, -3));
    ASSERT_EQ(c.UltimaHora(), 44);  // 16/01 23 UTC
    EXPECT_DOUBLE_EQ(c.Temperatura[0], 19.8);
    EXPECT_DOUBLE_EQ(c.Vento[0], 2.3);
    EXPECT_DOUBLE_EQ(c.Radiacao[0], 0.0);  // night: the service leaves it empty
    // 10 UTC has -9999: the mean of 09 and 11 UTC; its radiation of 828,2 kJ/m² is a mean flux.
    EXPECT_NEAR(c.Temperatura[7], (19.8 + 22.4) / 2.0, 1e-12);
    EXPECT_NEAR(c.Radiacao[7], 828.2 * 1000.0 / 3600.0, 1e-9);
    EXPECT_DOUBLE_EQ(c.Vento[7], 3.0);
    EXPECT_NE(c.Origem.find("15/01/2024 03 UTC"), std::string::npos) << c.Origem;

    // Starting at local noon moves hour 0 to 15 UTC.
    const TClimaHorario meioDia = TClimaHorario::LeInmet(texto, TClimaHorario::LeData("15/01/2024", 12, -3));
    EXPECT_DOUBLE_EQ(meioDia.Temperatura[0], c.Temperatura[12]);
    EXPECT_EQ(meioDia.UltimaHora(), 32);
}

TEST(ClimaEstacao, RecusaInicioForaDoArquivoELacunaLonga) {
    const std::string texto = Amostra();
    EXPECT_THROW(TClimaHorario::LeInmet(texto, TClimaHorario::LeData("20/01/2024", 0, -3)), ErroEntrada);
    EXPECT_THROW(TClimaHorario::LeData("31/02/2024", 0, -3), ErroEntrada);
    // Seven hours without temperature: refused with the hours on both clocks.
    std::string lacuna = texto;
    for (const char* h : {"1200", "1300", "1400", "1500", "1600", "1700", "1800"}) {
        const auto p = lacuna.find(std::string("2024/01/16;") + h + " UTC");
        ASSERT_NE(p, std::string::npos);
        const auto fim = lacuna.find("\r\n", p);
        lacuna.erase(p, fim + 2 - p);
    }
    try {
        TClimaHorario::LeInmet(lacuna, TClimaHorario::LeData("15/01/2024", 0, -3));
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("horas 33 (16/01/2024 12 UTC) a 39 (16/01/2024 18 UTC)"),
                  std::string::npos)
            << e.what();
    }
}

// ---- Radiation missing in the station file: a daylight gap is interpolated, the night is no sun. ----

// The sample with the radiation cell of 16/01 at the given UTC hours set to `valor`.
std::string SemRadiacao(const std::vector<int>& horasUtc, const std::string& valor) {
    std::string texto = Amostra();
    for (int h : horasUtc) {
        char chave[32];
        std::snprintf(chave, sizeof chave, "2024/01/16;%02d00 UTC;", h);
        const auto p = texto.find(chave);
        EXPECT_NE(p, std::string::npos) << chave;
        std::size_t ini = p;
        for (int campo = 0; campo < 6; ++campo) ini = texto.find(';', ini) + 1;
        texto.replace(ini, texto.find(';', ini) - ini, valor);
    }
    return texto;
}

// Hour k of the analysis from 15/01 03 UTC is 16/01 at k − 21 UTC.
constexpr int Hora16(int utc) { return 21 + utc; }
double Fluxo(double kj) { return kj * 1000.0 / 3600.0; }

struct CasoSol {
    const char* nome;
    std::vector<int> horasUtc;            // emptied on 16/01
    const char* valor;                     // what the cell holds instead
    int antes, depois;                     // UTC hours with sun around the gap (−1: the gap is night)
    double kjAntes, kjDepois;
};

const CasoSol CasosSol[] = {
    {"LacunaDeTresHoras", {13, 14, 15}, "", 12, 16, 2262.7, 3091.0},
    {"LacunaDeSeisHoras", {12, 13, 14, 15, 16, 17}, "", 11, 18, 1600.0, 2262.7},
    {"AusenteMenos9999", {14}, "-9999", 13, 15, 2771.3, 3200.0},
    // The last hours of sun, then the night: nothing says the sun was there.
    {"AteAnoitecer", {19, 20}, "", -1, -1, 0, 0},
    // Longer than the gaps the other columns fill: read as night, as before.
    {"LacunaDeSeteHoras", {11, 12, 13, 14, 15, 16, 17}, "", -1, -1, 0, 0},
};

class SolDaEstacao : public testing::TestWithParam<CasoSol> {};

TEST_P(SolDaEstacao, LacunaDeDiaInterpoladaNoiteSemSol) {
    const CasoSol& c = GetParam();
    const TClimaHorario clima =
        TClimaHorario::LeInmet(SemRadiacao(c.horasUtc, c.valor), TClimaHorario::LeData("15/01/2024", 0, -3));
    const TClimaHorario inteiro = TClimaHorario::LeInmet(Amostra(), TClimaHorario::LeData("15/01/2024", 0, -3));
    ASSERT_EQ(clima.Radiacao.size(), inteiro.Radiacao.size());
    for (int h : c.horasUtc) {
        const auto k = static_cast<std::size_t>(Hora16(h));
        const double esperado = c.antes < 0 ? 0.0
                                            : Fluxo(c.kjAntes) + (Fluxo(c.kjDepois) - Fluxo(c.kjAntes)) *
                                                                     (h - c.antes) / double(c.depois - c.antes);
        EXPECT_NEAR(clima.Radiacao[k], esperado, 1e-9) << h << " UTC";
    }
    // Every other hour is as in the whole file, the nights at zero.
    for (std::size_t k = 0; k < clima.Radiacao.size(); ++k) {
        if (std::find(c.horasUtc.begin(), c.horasUtc.end(), static_cast<int>(k) - 21) != c.horasUtc.end()) continue;
        EXPECT_EQ(clima.Radiacao[k], inteiro.Radiacao[k]) << "hora " << k;
    }
    EXPECT_EQ(clima.Radiacao[static_cast<std::size_t>(Hora16(2))], 0.0);

    // Our layout with the same data — the night written as zero, the same hours left
    // empty — gives the same hours.
    std::string csv = "hora;temperatura;vento;radiacao\n";
    for (std::size_t k = 0; k < clima.Radiacao.size(); ++k) {
        const bool vazio = c.antes >= 0 && std::find(c.horasUtc.begin(), c.horasUtc.end(),
                                                     static_cast<int>(k) - 21) != c.horasUtc.end();
        char linha[160];
        std::snprintf(linha, sizeof linha, "%zu;%.17g;%.17g;", k, inteiro.Temperatura[k], inteiro.Vento[k]);
        csv += linha;
        if (!vazio) {
            std::snprintf(linha, sizeof linha, "%.17g", clima.Radiacao[k]);
            csv += linha;
        }
        csv += "\n";
    }
    const TClimaHorario nosso = TClimaHorario::LeCsv(csv);
    ASSERT_EQ(nosso.Radiacao.size(), clima.Radiacao.size());
    for (std::size_t k = 0; k < clima.Radiacao.size(); ++k) EXPECT_DOUBLE_EQ(nosso.Radiacao[k], clima.Radiacao[k]) << k;
}

INSTANTIATE_TEST_SUITE_P(Clima, SolDaEstacao, testing::ValuesIn(CasosSol),
                         [](const auto& i) { return std::string(i.param.nome); });
// A reading lost in daylight (−9999) is a gap, interpolated; never zero sun. A date
// beyond any calendar is refused with the line, never with a library's message.
TEST(ClimaEstacao, RadiacaoPerdidaELacunaEDataImpossivelERecusada) {
    const std::string texto = Amostra();
    const auto inicio = TClimaHorario::LeData("15/01/2024", 0, -3);
    const TClimaHorario c = TClimaHorario::LeInmet(texto, inicio);
    std::string perdida = texto;
    const std::string linha = "2024/01/15;1100 UTC;0;925,1;925,3;924,9;1600,0;";
    const auto p = perdida.find(linha);
    ASSERT_NE(p, std::string::npos);
    perdida.replace(p, linha.size(), "2024/01/15;1100 UTC;0;925,1;925,3;924,9;-9999;");
    const TClimaHorario r = TClimaHorario::LeInmet(perdida, inicio);
    EXPECT_GT(r.Radiacao[8], 0.0);
    EXPECT_NEAR(r.Radiacao[8], (c.Radiacao[7] + c.Radiacao[9]) / 2.0, 1e-9);

    for (const char* data : {"2023/99999999999/01", "99999999999/01/2024", "2024/01/99999999999"}) {
        std::string ruim = texto;
        const auto q = ruim.find("2024/01/15;0300 UTC");
        ASSERT_NE(q, std::string::npos);
        ruim.replace(q, 10, data);
        try {
            TClimaHorario::LeInmet(ruim, inicio);
            ADD_FAILURE() << "aceitou " << data;
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find("não tem data e hora UTC válidas"), std::string::npos) << e.what();
        }
    }
}

// Our CSV in each encoding a spreadsheet saves: the same weather.
TEST(ClimaCodificacao, Utf16ECp1252LidosComoUtf8) {
    const std::string utf8 = "hora;temperatura;radiação\r\n0;20;0\r\n1;21,5;100\r\n";
    std::string le("\xFF\xFE", 2), be("\xFE\xFF", 2);
    for (unsigned char ch : std::string("hora;temperatura;radia\xE7\xE3o\r\n0;20;0\r\n1;21,5;100\r\n")) {
        le += static_cast<char>(ch);
        le += '\0';
        be += '\0';
        be += static_cast<char>(ch);
    }
    const std::string cp1252 = "hora;temperatura;radia\xE7\xE3o\r\n0;20;0\r\n1;21,5;100\r\n";
    for (const std::string& texto : {utf8, "\xEF\xBB\xBF" + utf8, le, be, cp1252}) {
        const TClimaHorario c = TClimaHorario::LeCsv(texto);
        ASSERT_EQ(c.UltimaHora(), 1);
        EXPECT_DOUBLE_EQ(c.Temperatura[1], 21.5);
        ASSERT_EQ(c.Radiacao.size(), 2u);
        EXPECT_DOUBLE_EQ(c.Radiacao[1], 100.0);
    }
}

TEST(ClimaArquivo, MaisCurtoQueAAnaliseERecusadoComAUltimaHora) {
    auto d = Bloco();
    TClimaHorario::LeCsv(Csv(50, [](int) { return std::string("20"); })).Aplica(ObraEditavel(*d));
    TabelaTexto t;
    teste::Gravador g;
    try {
        TProcesso::ProcessaTransiente(*d, t, g);
        FAIL() << "rodou";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("vai só até a hora 50 e a análise vai até a hora 72"), std::string::npos)
            << e.what();
    }
}

// An insulated slab under a constant sun and no convection: 1ᵀ·C·T (the heat content)
// grows by α·G·Δt per step, and all of it enters through the top: the load of the
// bottom node is what it is without sun.
TEST(Sol, PlacaIsoladaAqueceComAEnergiaAbsorvida) {
    auto d = teste::Membro(1, 6, 0, 0, 48.0);
    d->Camadas[1].Espessura = 0.6;
    constexpr double G = 800.0, alfa = 0.65;
    TClimaHorario::LeCsv(Csv(48, [](int) { return std::string("20;;800"); }, "hora;temperatura;vento;radiacao"))
        .Aplica(ObraEditavel(*d));
    ObraEditavel(*d).Absortividade = alfa;
    d->QRadiacao = 5000.0;  // the constant flux is not used with the file
    Roda(*d);
    const double h = 0.6 / 6, rc = 2400.0 * 1000.0;
    double calor = 0.0;  // Σ over nodes of the column sums of C times the rise
    for (int i = 1; i <= 7; ++i) calor += (i == 1 || i == 7 ? rc * h / 2 : rc * h) * (d->Temperaturas[i] - 20.0);
    const double esperado = alfa * G * 3600.0 * 48.0;
    EXPECT_NEAR(calor, esperado, esperado * 1e-12);
    EXPECT_NEAR(calor / (rc * 0.6) / 48.0, alfa * G * 3600.0 / (rc * 0.6), 1e-12);  // °C per hour
    EXPECT_GT(d->Temperaturas[7], d->Temperaturas[1]);

    TTrabalhoTermico sol, semSol;
    auto sem = teste::Membro(1, 6, 0, 0, 48.0);
    sem->Camadas[1].Espessura = 0.6;
    for (auto* p : {&*d, &*sem}) {
        TTrabalhoTermico& w = p == &*d ? sol : semSol;
        TValoresSI::Deriva(*p, w.SI);
        p->NElemAtivos = 6;
        p->Tempo = 0.0;
        TFunc::AvancaTempo(*p);
        for (int i = 1; i <= 7; ++i) w.TAnterior[i] = 20.0;
        TFunc::MontaSistema(*p, w, 1, 1.0);
    }
    EXPECT_EQ(sol.Carga[1], semSol.Carga[1]);
    EXPECT_NEAR(sol.Carga[7] - semSol.Carga[7], alfa * G * 3600.0, 1e-6);
}

TEST(ClimaProjeto, OConteudoVaiAoArquivoEVolta) {
    auto d = Bloco();
    TClimaHorario::LeCsv("hora;temperatura;vento;radiacao\n0;20,125;1;0\n1;21;2;350,5\n2;22;3;0\n").Aplica(ObraEditavel(*d));
    ObraEditavel(*d).Absortividade = 0.7;
    const std::string texto = Projeto::Texto(*d);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *lido);
    EXPECT_TRUE(ObraDe(*lido).ClimaArquivo);
    EXPECT_EQ(ObraDe(*lido).Temperatura, ObraDe(*d).Temperatura);
    EXPECT_EQ(ObraDe(*lido).Vento, ObraDe(*d).Vento);
    EXPECT_EQ(ObraDe(*lido).Radiacao, ObraDe(*d).Radiacao);
    EXPECT_EQ(ObraDe(*lido).Absortividade, 0.7);
    EXPECT_EQ(Projeto::Texto(*lido), texto);

    // Without site data the key is not written.
    EXPECT_EQ(Projeto::Texto(*Bloco()).find("\"Obra\""), std::string::npos);
}

}  // namespace

namespace {

struct CasoSolProtegido {
    const char* nome;
    double R;
    double fracao;  // of α·G that enters the concrete, 1/(1 + h·R) with h = 15
};

class SolSobProtecao : public testing::TestWithParam<CasoSolProtegido> {};

// Under a blanket the absorbed sun divides between the air (through h) and the concrete
// (through R): the load of the top node grows by α·G·Δt/(1 + h·R).
TEST_P(SolSobProtecao, EntraAFracaoDaResistenciaEmSerie) {
    const CasoSolProtegido& c = GetParam();
    auto montaCarga = [&](double G) {
        auto d = teste::Membro(1, 2, 0, 0, 24.0);
        d->BetaSup = 15.0 * 3600.0;
        const std::string linha = "20;" + Numeros::FormataGeral(G);
        TClimaHorario::LeCsv(Csv(24, [&](int) { return linha; }, "hora;temperatura;radiacao")).Aplica(ObraEditavel(*d));
        if (c.R > 0.0) ObraEditavel(*d).ProtecoesTopo = {{}, {TProtecao{"manta", c.R, 0.0, 100.0}}};
        auto w = std::make_unique<TTrabalhoTermico>();
        TValoresSI::Deriva(*d, w->SI);
        d->NElemAtivos = 2;
        TFunc::AvancaTempo(*d);
        for (int i = 1; i <= 3; ++i) w->TAnterior[i] = 20.0;
        TFunc::MontaSistema(*d, *w, 1, 1.0);
        return w->Carga[3];
    };
    EXPECT_NEAR(montaCarga(600.0) - montaCarga(0.0), 0.65 * 600.0 * 3600.0 * c.fracao, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Sol, SolSobProtecao,
                         testing::Values(CasoSolProtegido{"Descoberto", 0.0, 1.0},
                                         CasoSolProtegido{"Manta", 0.5, 1.0 / (1.0 + 15.0 * 0.5)},
                                         CasoSolProtegido{"Isolante", std::numeric_limits<double>::infinity(), 0.0}),
                         [](const auto& i) { return std::string(i.param.nome); });

// Curing keeps deciding the top face: the file's wind does not replace it.
TEST(ClimaVento, CuraPrevaleceSobreOVentoDoArquivo) {
    auto d = teste::Membro(1, 2, 0, 0, 48.0);
    TClimaHorario::LeCsv("hora;temperatura;vento\n0;20;8\n1;20;8\n2;20;8\n").Aplica(ObraEditavel(*d));
    TValoresSI si;
    TValoresSI::Deriva(*d, si);
    EXPECT_EQ(TFunc::CoeficientesConveccao(*d, si, 1.0, 1).HSup, CoeficienteVentoCEB(8.0));
    d->CuraAtiva = true;
    d->Superficie[1].BetaS = 11.0 * 3600.0;
    d->Superficie[1].BetaSC = 99.0 * 3600.0;
    d->Superficie[1].DiasCura = 1.0;
    d->Superficie[1].HoraIniCura = 8.0;
    d->Superficie[1].HoraFimCura = 17.0;
    TValoresSI::Deriva(*d, si);
    EXPECT_EQ(TFunc::CoeficientesConveccao(*d, si, 1.0, 1).HSup, 11.0 * 3600.0);
    EXPECT_EQ(TFunc::CoeficientesConveccao(*d, si, 9.0, 1).HSup, 99.0 * 3600.0);
}

}  // namespace
