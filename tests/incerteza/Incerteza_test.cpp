// The uncertainty study: outputs whose distribution is known exactly from the input's,
// the reproducibility of the rows, the stress factors against the same change made in
// the problem's data, and the refusals of the study file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <fstream>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/MembroTeste.h"
#include "core/Numeros.h"
#include "estudos/RodaEstudo.h"
#include "incerteza/Distribuicoes.h"
#include "incerteza/Incerteza.h"
#include "incerteza/RelatorioIncerteza.h"

namespace {

using ::testing::HasSubstr;

// No exchange at any face and a heat that follows the age alone: every temperature is
// the placing temperature plus a rise that does not depend on it, so the peak moves
// one for one with the placing temperature.
std::shared_ptr<TDadosModelo> Adiabatico() {
    std::shared_ptr<TDadosModelo> d = teste::Membro(3, 2, 0, 24, 200);
    teste::CurvaHidratacao(*d);
    return d;
}

// The benchmark member, shorter, with Bureau's creep and the simple tensile strength.
std::shared_ptr<TDadosModelo> ComTensoes() {
    std::shared_ptr<TDadosModelo> d = teste::MembroDeBancada(3, 2, 200);
    d->ModeloFluencia = TModeloFluencia::Bureau;
    d->EBureauA = 0.111137;
    d->EBureauB = 0.03547;
    d->FBureauA = 6.0656;
    d->FBureauB = 8.748;
    d->ResistTracaoA = 2.1;
    d->ResistTracaoB = 0.3;
    return d;
}

TEstudoIncerteza Estudo(std::shared_ptr<const TDadosModelo> base, const std::string& entradas,
                        const std::string& amostragem, const std::string& limites = "{}") {
    return Incerteza::LeTexto(R"({"formato": "norvik-1d/incerteza", "versao": 1, "projeto": "base.n1d.json",
                                  "entradas": {)" + entradas + R"(}, "amostragem": )" + amostragem +
                                  R"(, "limites": )" + limites + "}",
                              "", std::move(base));
}

// The peak of the base at one placing temperature, through the same pipeline.
double Pico(const std::shared_ptr<const TDadosModelo>& base, double t) {
    const TEstudoIncerteza e = Estudo(base, R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20,
                                              "desvio": 1})", R"({"amostras": 1})");
    std::unique_ptr<TDadosModelo> area;
    const TLinhaIncerteza l = Incerteza::RodaAmostra(e, 1, {t}, area);
    EXPECT_TRUE(l.Ok) << l.Erro;
    return l.TMaxima;
}

struct CasoLinear {
    const char* nome;
    const char* metodo;
    long long amostras;
    double limiteAcima;  // °C above the peak at the mean: the limit of P(peak > limit)
};

bool Hipercubo(const CasoLinear& c) { return std::string(c.metodo) == "hipercubo"; }

class PicoLinear : public ::testing::TestWithParam<CasoLinear> {};

// The peak is T0 + rise with T0 ~ N(20, 2): its mean is the peak at 20 °C, its standard
// deviation 2 °C, and P(peak > peak(20) + a) = 1 − Φ(a/2).
TEST_P(PicoLinear, MediaDesvioEProbabilidadeExatos) {
    const CasoLinear& c = GetParam();
    const auto base = Adiabatico();
    const double pico20 = Pico(base, 20.0);
    ASSERT_NEAR(Pico(base, 27.0) - pico20, 7.0, 0.011);
    ASSERT_NEAR(pico20 - Pico(base, 14.0), 6.0, 0.011);

    constexpr double sigma = 2.0;
    const TEstudoIncerteza e =
        Estudo(base, R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 2})",
               std::string(R"({"amostras": )") + std::to_string(c.amostras) + R"(, "metodo": ")" + c.metodo +
                   R"(", "semente": 11})",
               R"({"Temperatura": )" + std::to_string(pico20 + c.limiteAcima) + "}");
    const TResultadoIncerteza r = Incerteza::Roda(e);
    const TResumoIncerteza s = Incerteza::Resume(e, r.Linhas);
    ASSERT_EQ(s.Falhas, 0);
    ASSERT_EQ(s.Saidas[0].N, c.amostras);
    const double n = static_cast<double>(c.amostras);
    // Four standard errors of the plain estimators (the hypercube's are smaller).
    EXPECT_NEAR(s.Saidas[0].Media, pico20, 4.0 * sigma / std::sqrt(n));
    EXPECT_NEAR(s.Saidas[0].Desvio, sigma, 4.0 * sigma / std::sqrt(2.0 * (n - 1.0)));
    EXPECT_NEAR(s.Saidas[0].Q50, pico20, 4.0 * 1.2533 * sigma / std::sqrt(n));
    const double exata = 1.0 - Distribuicoes::NormalAcumulada(c.limiteAcima / sigma);
    EXPECT_NEAR(s.PicoAcima.P, exata, 4.0 * std::sqrt(exata * (1.0 - exata) / n));
    // A 95 % interval of plain sampling misses one time in twenty; the hypercube's
    // estimate is far closer than the interval's width.
    if (Hipercubo(c)) {
        EXPECT_LE(s.PicoAcima.Inferior, exata);
        EXPECT_GE(s.PicoAcima.Superior, exata);
    }
    // The peak rises with the placing temperature (ties only where the printed peak
    // rounds two samples alike).
    EXPECT_GT(s.Spearman[0][0], 0.9999);
}

INSTANTIATE_TEST_SUITE_P(Tabela, PicoLinear,
                         ::testing::Values(CasoLinear{"hipercubo", "hipercubo", 200, 1.5},
                                           CasoLinear{"aleatoria", "aleatoria", 300, 2.0},
                                           CasoLinear{"caudaHipercubo", "hipercubo", 400, 3.5},
                                           CasoLinear{"abaixoDaMedia", "hipercubo", 200, -1.0},
                                           CasoLinear{"aleatoriaAbaixo", "aleatoria", 500, -0.5}),
                         [](const auto& i) { return std::string(i.param.nome); });

// The same seed gives the same file whatever the number of threads; another seed does not.
class Reproducao : public ::testing::TestWithParam<int> {};

TEST_P(Reproducao, CsvIgualComQualquerNumeroDeThreads) {
    const TEstudoIncerteza e = Estudo(ComTensoes(),
                                      R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 3},
                                         "Condutividade": {"distribuicao": "triangular", "min": 1.6, "moda": 2, "max": 2.6},
                                         "EscalaResistencia": {"distribuicao": "lognormal", "media": 1, "desvio": 0.1,
                                                               "truncamento": {"min": 0.8}},
                                         "FatorRestricao": {"distribuicao": "uniforme", "min": 0.6, "max": 1})",
                                      R"({"amostras": 24, "semente": 5})");
    OpcoesEstudo uma;
    uma.Threads = 1;
    static const std::string referencia = Incerteza::Csv(e, Incerteza::Roda(e, uma));
    ASSERT_THAT(referencia, HasSubstr("P(menor índice < limite)"));
    OpcoesEstudo op;
    op.Threads = GetParam();
    EXPECT_EQ(Incerteza::Csv(e, Incerteza::Roda(e, op)), referencia);
    TEstudoIncerteza outra = e;
    outra.Semente = 6;
    EXPECT_NE(Incerteza::Csv(outra, Incerteza::Roda(outra, op)), referencia);
}

INSTANTIATE_TEST_SUITE_P(Threads, Reproducao, ::testing::Values(1, 2, 3, 0));

// The factors on the stresses against the same change made in the data: the modulus
// with the whole compliance of Bureau's model divided by it, the restraint with the
// expansion coefficient multiplied by it (ε = α·ΔT·R).
struct CasoFator {
    const char* entrada;
    double valor;
    void (*muda)(TDadosModelo&, double);
};

class FatorDasTensoes : public ::testing::TestWithParam<CasoFator> {};

TEST_P(FatorDasTensoes, IgualAMudarOsDados) {
    const CasoFator& c = GetParam();
    const auto base = ComTensoes();
    const TEstudoIncerteza e =
        Estudo(base, std::string("\"") + c.entrada + R"(": {"distribuicao": "uniforme", "min": 0.1, "max": 3})",
               R"({"amostras": 1})");
    std::unique_ptr<TDadosModelo> area;
    const TLinhaIncerteza comFator = Incerteza::RodaAmostra(e, 1, {c.valor}, area);
    ASSERT_TRUE(comFator.Ok) << comFator.Erro;
    ASSERT_TRUE(comFator.ComIndice);

    auto mudada = std::make_shared<TDadosModelo>(*base);
    c.muda(*mudada, c.valor);
    const TEstudoIncerteza semFator =
        Estudo(mudada, R"("EscalaModulo": {"distribuicao": "uniforme", "min": 0.5, "max": 2})", R"({"amostras": 1})");
    const TLinhaIncerteza pelosDados = Incerteza::RodaAmostra(semFator, 1, {1.0}, area);
    ASSERT_TRUE(pelosDados.Ok) << pelosDados.Erro;
    EXPECT_NEAR(comFator.IndiceMinimo, pelosDados.IndiceMinimo, 1.5e-4);
    EXPECT_NEAR(comFator.TracaoMaxima, pelosDados.TracaoMaxima, 0.011);
    EXPECT_EQ(comFator.TMaxima, pelosDados.TMaxima);

    const TLinhaIncerteza semNada = Incerteza::RodaAmostra(e, 1, {1.0}, area);
    EXPECT_NEAR(comFator.IndiceMinimo, semNada.IndiceMinimo / c.valor, 1.5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FatorDasTensoes,
    ::testing::Values(CasoFator{"EscalaModulo", 1.7,
                                [](TDadosModelo& d, double s) {
                                    d.EBureauA /= s, d.EBureauB /= s, d.FBureauA /= s, d.FBureauB /= s;
                                }},
                      CasoFator{"EscalaModulo", 0.6,
                                [](TDadosModelo& d, double s) {
                                    d.EBureauA /= s, d.EBureauB /= s, d.FBureauA /= s, d.FBureauB /= s;
                                }},
                      CasoFator{"FatorRestricao", 0.55,
                                [](TDadosModelo& d, double r) {
                                    for (auto& c : d.Camadas) c.Alfa *= r;
                                }}));

// Each input changes what it names in every concrete lift, and only that.
struct CasoEntrada {
    const char* chave;
    double valor;
    bool (*confere)(const TDadosModelo& base, const TDadosModelo& caso);
};

class EntradaAplicada : public ::testing::TestWithParam<CasoEntrada> {};

TEST_P(EntradaAplicada, NasCamadasDeConcreto) {
    const CasoEntrada& c = GetParam();
    auto base = ComTensoes();
    for (int L = 1; L <= 3; ++L) {
        base->CalorCamadas[L].Maturidade = true;
        base->Superficie[L].BetaS = 100.0 * L;
    }
    const TEstudoIncerteza e =
        Estudo(base, std::string("\"") + c.chave + R"(": {"distribuicao": "uniforme", "min": 0.2, "max": 0.9})",
               R"({"amostras": 1})");
    TDadosModelo caso;
    Incerteza::MontaAmostra(e, {c.valor}, caso);
    EXPECT_TRUE(c.confere(*base, caso));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, EntradaAplicada,
    ::testing::Values(
        CasoEntrada{"DesvioAmbiente", 2.5,
                    [](const TDadosModelo& b, const TDadosModelo& c) {
                        return c.TAmbMax == b.TAmbMax + 2.5 && c.TAmbMin == b.TAmbMin + 2.5 &&
                               c.TAmbConst == b.TAmbConst + 2.5;
                    }},
        CasoEntrada{"EscalaCalor", 1.2,
                    [](const TDadosModelo& b, const TDadosModelo& c) {
                        return c.CalorCamadas[3].E == b.CalorCamadas[3].E * 1.2 &&
                               c.CalorCamadas[1].C == b.CalorCamadas[1].C;
                    }},
        CasoEntrada{"AlfaU", 0.7,
                    [](const TDadosModelo&, const TDadosModelo& c) {
                        return c.CalorCamadas[1].AlfaU == 0.7 && c.CalorCamadas[3].AlfaU == 0.7;
                    }},
        CasoEntrada{"Condutividade", 2.4,
                    [](const TDadosModelo&, const TDadosModelo& c) { return c.Camadas[2].K == 2.4; }},
        CasoEntrada{"CoefDilatacao", 1.5,
                    [](const TDadosModelo&, const TDadosModelo& c) { return c.Camadas[3].Alfa == 1.5e-6; }},
        CasoEntrada{"EscalaCoefTopo", 0.5,
                    [](const TDadosModelo& b, const TDadosModelo& c) {
                        return c.Superficie[1].HDia == b.Superficie[1].HDia * 0.5 &&
                               c.Superficie[2].BetaS == 100.0 && c.BetaInf == b.BetaInf;
                    }},
        CasoEntrada{"EscalaResistencia", 1.25,
                    [](const TDadosModelo& b, const TDadosModelo& c) {
                        return c.ResistTracaoA == b.ResistTracaoA / 1.25 && c.ResistTracaoB == b.ResistTracaoB / 1.25;
                    }}));

TEST(Incerteza, AmostraForaDaFaixaTemAMensagemNaLinha) {
    const TEstudoIncerteza e = Estudo(Adiabatico(), R"("Condutividade": {"distribuicao": "normal", "media": 2,
                                                         "desvio": 1})", R"({"amostras": 1})");
    std::unique_ptr<TDadosModelo> area;
    const TLinhaIncerteza l = Incerteza::RodaAmostra(e, 1, {-0.5}, area);
    EXPECT_FALSE(l.Ok);
    EXPECT_EQ(l.Erro, "Condutividade k (W/(m·°C)) vale -0,5; deve ser maior que 0");
    const std::vector<std::string> celulas = Incerteza::Celulas(l, false);
    EXPECT_EQ(celulas.back(), l.Erro);
    EXPECT_EQ(celulas[celulas.size() - 2], "Não");
}

// The summary is a function of the rows alone: rebuilt from them it is the same text.
TEST(Incerteza, ResumoSoDasLinhas) {
    const TEstudoIncerteza e = Estudo(Adiabatico(),
                                      R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 2},
                                         "EscalaCalor": {"distribuicao": "uniforme", "min": 0.9, "max": 1.1})",
                                      R"({"amostras": 30, "semente": 3})");
    const TResultadoIncerteza r = Incerteza::Roda(e);
    const std::string csv = Incerteza::Csv(e, r);
    std::vector<TLinhaIncerteza> invertidas(r.Linhas.rbegin(), r.Linhas.rend());
    const std::string resumo = Incerteza::CsvResumo(e, Incerteza::Resume(e, r.Linhas));
    EXPECT_EQ(csv.substr(csv.size() - resumo.size()), resumo);
    EXPECT_EQ(Incerteza::CsvResumo(e, Incerteza::Resume(e, invertidas)), resumo);
    // The heat drives the peak more than ±10 % of the placing temperature's 2 °C does not.
    const TResumoIncerteza s = Incerteza::Resume(e, r.Linhas);
    EXPECT_GT(s.Spearman[0][1], 0.0);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF" "Amostra;Temperatura de lançamento (°C);Escala do calor de hidratação (-);", 0), 0u);
}

// The rows read back from their file give the single run's file again, the shares of
// the samples run apart give the same rows, and what is not this study's rows is refused.
TEST(Incerteza, AmostrasLidasDeVoltaEPartes) {
    const TEstudoIncerteza e = Estudo(Adiabatico(),
                                      R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 2},
                                         "Condutividade": {"distribuicao": "uniforme", "min": -0.5, "max": 3})",
                                      R"({"amostras": 12, "semente": 5})");
    const TResultadoIncerteza r = Incerteza::Roda(e);
    ASSERT_TRUE(std::any_of(r.Linhas.begin(), r.Linhas.end(), [](const auto& l) { return !l.Ok; }));
    const std::string amostras = Incerteza::CsvAmostras(e, r);
    EXPECT_EQ(Incerteza::Csv(e, Incerteza::LeAmostras(e, amostras)), Incerteza::Csv(e, r));
    std::string juntas = Incerteza::CsvAmostras(e, TResultadoIncerteza{{}, r.ComTensoes, false});
    for (const auto& [inicio, fim] : {std::pair{0LL, 5LL}, {5LL, 5LL}, {5LL, 12LL}}) {
        OpcoesEstudo op;
        op.Inicio = inicio;
        op.Fim = fim;
        const std::string parte = Incerteza::CsvAmostras(e, Incerteza::Roda(e, op));
        juntas += parte.substr(parte.find("\r\n") + 2);
    }
    EXPECT_EQ(juntas, amostras);

    struct Caso {
        const char* nome;
        std::string texto;
        const char* trecho;
    };
    const std::string cabecalho = amostras.substr(0, amostras.find("\r\n") + 2);
    const std::string primeira = amostras.substr(cabecalho.size(), amostras.find("\r\n", cabecalho.size()) + 2 - cabecalho.size());
    const Caso casos[] = {
        {"OutroCabecalho", "\xEF\xBB\xBF" "Amostra;Outra\r\n", "as colunas das amostras não são as deste estudo"},
        {"ForaDeOrdem", cabecalho + primeira + primeira, "a amostra da linha 3 está fora da ordem das amostras"},
        {"ColunaAMais", cabecalho + primeira.substr(0, primeira.size() - 2) + ";x\r\n", "não tem as colunas do cabeçalho"},
        {"NumeroIlegivel", cabecalho + "1;vinte" + primeira.substr(primeira.find(';', 2)), "tem um número ilegível"},
        {"AspasAbertas", cabecalho + "1;\"20\r\n", "termina no meio de um registro"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        try {
            (void)Incerteza::LeAmostras(e, c.texto);
            ADD_FAILURE() << "leu";
        } catch (const ErroEntrada& erro) {
            EXPECT_NE(std::string(erro.what()).find(c.trecho), std::string::npos) << erro.what();
        }
    }
}

TEST(Incerteza, CancelarDevolveSoAsAmostrasQueRodaram) {
    const TEstudoIncerteza e = Estudo(Adiabatico(),
                                      R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 2})",
                                      R"({"amostras": 50})");
    std::atomic<bool> cancela{true};
    OpcoesEstudo op;
    op.Cancela = &cancela;
    const TResultadoIncerteza r = Incerteza::Roda(e, op);
    EXPECT_TRUE(r.Cancelado);
    EXPECT_TRUE(r.Linhas.empty());
}

TEST(Incerteza, ArquivoDeIdaEVolta) {
    const TEstudoIncerteza e = Estudo(ComTensoes(),
                                      R"("FatorRestricao": {"distribuicao": "triangular", "min": 0.5, "moda": 0.7, "max": 1},
                                         "TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 1.5,
                                                                   "truncamento": {"min": 16, "max": 24}})",
                                      R"({"amostras": 500, "metodo": "aleatoria", "semente": 99})",
                                      R"({"Temperatura": 65.5, "Indice": 1.2})");
    const std::string texto = Incerteza::Texto(e);
    const TEstudoIncerteza relido = Incerteza::LeTexto(texto, "", e.Base);
    EXPECT_EQ(Incerteza::Texto(relido), texto);
    ASSERT_EQ(relido.Entradas.size(), 2u);
    EXPECT_EQ(Incerteza::Entradas()[static_cast<std::size_t>(relido.Entradas[0].Entrada)].Chave,
              "TemperaturaLancamento");
    EXPECT_EQ(relido.Entradas[0].Distribuicao.Max, 24.0);
    EXPECT_FALSE(relido.Hipercubo);
    EXPECT_EQ(relido.Semente, 99u);
    EXPECT_EQ(relido.LimiteIndice, 1.2);
}

struct Ruim {
    const char* nome;
    std::string texto;
    const char* mensagem;
};

std::string Arquivo(const std::string& entradas, const std::string& resto = "") {
    return R"({"formato": "norvik-1d/incerteza", "versao": 1, "projeto": "base.n1d.json", "entradas": {)" + entradas +
           "}" + resto + "}";
}

const std::string Normal20 = R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 2})";

const Ruim Ruins[] = {
    {"naoJson", "{", "Estudo de incerteza inválido: "},
    {"semFormato", R"({"entradas": {}})", "falta \"formato\""},
    {"outroFormato", R"({"formato": "norvik-1d/estudo"})", "\"formato\" deve ser \"norvik-1d/incerteza\""},
    {"chaveDesconhecida", Arquivo(Normal20, R"(, "amostra": 3)"), "chave desconhecida \"amostra\" (linha 1, coluna"},
    {"entradaDesconhecida", Arquivo(R"("Umidade": {"distribuicao": "normal", "media": 1, "desvio": 1})"),
     "entrada desconhecida \"Umidade\""},
    {"semEntradas", Arquivo(""), "nenhuma entrada incerta"},
    {"semDistribuicao", Arquivo(R"("Tau": {"media": 1, "desvio": 1})"), "falta \"distribuicao\" em \"Tau\""},
    {"distribuicaoDesconhecida", Arquivo(R"("Tau": {"distribuicao": "gama", "media": 1})"),
     "deve ser normal, lognormal, uniforme ou triangular"},
    {"faltaParametro", Arquivo(R"("Tau": {"distribuicao": "triangular", "min": 1, "max": 3})"),
     "falta \"moda\" em \"Tau\""},
    {"parametroDeOutra", Arquivo(R"("Tau": {"distribuicao": "uniforme", "min": 1, "max": 3, "desvio": 1})"),
     "chave desconhecida \"desvio\" para a distribuição uniforme de \"Tau\""},
    {"parametroTexto", Arquivo(R"("Tau": {"distribuicao": "normal", "media": "20", "desvio": 1})"),
     "\"Tau.media\" deve ser um número"},
    {"desvioNulo", Arquivo(R"("Tau": {"distribuicao": "normal", "media": 20, "desvio": 0})"),
     "\"Tau\": o desvio padrão vale 0; deve ser maior que 0"},
    {"truncamentoVazio",
     Arquivo(R"("Tau": {"distribuicao": "normal", "media": 20, "desvio": 1, "truncamento": {"min": 5, "max": 6}})"),
     "nenhuma probabilidade"},
    {"truncamentoChave",
     Arquivo(R"("Tau": {"distribuicao": "normal", "media": 20, "desvio": 1, "truncamento": {"inferior": 5}})"),
     "chave desconhecida \"inferior\" em \"truncamento\""},
    {"metodo", Arquivo(Normal20, R"(, "amostragem": {"metodo": "sobol"})"), "\"hipercubo\" ou \"aleatoria\""},
    {"amostrasNegativas", Arquivo(Normal20, R"(, "amostragem": {"amostras": -3})"), "inteiro não negativo"},
    {"amostrasZero", Arquivo(Normal20, R"(, "amostragem": {"amostras": 0})"), "deve ficar entre 1 e"},
    {"limiteDesconhecido", Arquivo(Normal20, R"(, "limites": {"Tracao": 3})"), "chave desconhecida \"Tracao\""},
    // The base cannot take it: refused before any sample runs.
    {"maturidade", Arquivo(R"("EnergiaAtivacao": {"distribuicao": "normal", "media": 40000, "desvio": 2000})"),
     "só varia quando o calor das camadas segue a curva de hidratação pela maturidade"},
    {"semTensoes", Arquivo(R"("EscalaModulo": {"distribuicao": "normal", "media": 1, "desvio": 0.1})"),
     "só varia quando o projeto base roda as tensões"},
    {"semDosagem", Arquivo(R"("ConsumoAglomerante": {"distribuicao": "normal", "media": 350, "desvio": 10})"),
     "o consumo de aglomerante"},
    {"semProtecao", Arquivo(R"("ResistenciaProtecaoTopo": {"distribuicao": "uniforme", "min": 0.1, "max": 0.3})"),
     "proteções no topo"},
};

class ArquivoRuim : public ::testing::TestWithParam<Ruim> {};

TEST_P(ArquivoRuim, RecusadoComMensagem) {
    try {
        Incerteza::LeTexto(GetParam().texto, "", Adiabatico());
        FAIL() << "aceito";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr(GetParam().mensagem));
        EXPECT_THAT(e.what(), HasSubstr("Estudo de incerteza inválido"));
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, ArquivoRuim, ::testing::ValuesIn(Ruins),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(Incerteza, ProjetoBaseAusente) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "estudo.json";
    std::ofstream(caminho) << Arquivo(Normal20);
    try {
        Incerteza::Le(caminho);
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr("Projeto base do estudo de incerteza"));
    }
}

}  // namespace

namespace {

// The report's section: numbered before the conclusion, its tables from the summary of
// the rows, a histogram per output whose bars count every sample, the limit beside them.
TEST(IncertezaRelatorio, SecaoAntesDaConclusao) {
    const TEstudoIncerteza e = Estudo(ComTensoes(),
                                      R"("TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 3},
                                         "FatorRestricao": {"distribuicao": "uniforme", "min": 0.6, "max": 1})",
                                      R"({"amostras": 30, "semente": 2})");
    const TResultadoIncerteza r = Incerteza::Roda(e);
    const TResumoIncerteza resumo = Incerteza::Resume(e, r.Linhas);
    TRelatorio rel;
    rel.Secoes.resize(3);
    rel.Secoes[0].Titulo = "1. Problema";
    rel.Secoes[1].Titulo = "2. Temperaturas";
    rel.Secoes[2].Titulo = TRelatorio::TituloConclusao;
    Incerteza::AcrescentaAoRelatorio(rel, e, r, "\"base.n1d.json\"");
    ASSERT_EQ(rel.Secoes.size(), 4u);
    const TSecaoRelatorio& s = rel.Secoes[2];
    EXPECT_EQ(s.Titulo, "3. Estudo de incerteza");
    EXPECT_EQ(rel.Secoes[3].Titulo, TRelatorio::TituloConclusao);
    EXPECT_THAT(s.Blocos[0].Texto, HasSubstr("Projeto base: \"base.n1d.json\". 30 amostras (hipercubo latino, semente 2)"));

    std::vector<const TBlocoRelatorio*> tabelas, graficos;
    for (const auto& b : s.Blocos) {
        if (b.Tipo == TBlocoRelatorio::Especie::Tabela) tabelas.push_back(&b);
        if (b.Tipo == TBlocoRelatorio::Especie::Grafico) graficos.push_back(&b);
    }
    ASSERT_EQ(tabelas.size(), 4u);
    EXPECT_EQ(tabelas[0]->Tabela.Linhas[0][1], "normal");
    EXPECT_EQ(tabelas[0]->Tabela.Linhas[1][2], "de 0,6 a 1");
    ASSERT_EQ(tabelas[2]->Tabela.Linhas.size(), 3u);
    EXPECT_EQ(tabelas[2]->Tabela.Linhas[2][1], std::to_string(resumo.IndiceAbaixo.Casos) + " de 30");
    EXPECT_EQ(tabelas[2]->Tabela.Linhas[2][2], Numeros::FormataFixo(resumo.IndiceAbaixo.P, 0, 3));
    ASSERT_EQ(tabelas[3]->Tabela.Linhas.size(), 2u);
    EXPECT_EQ(tabelas[3]->Tabela.Linhas[1][3], Numeros::FormataFixo(resumo.Spearman[2][1], 0, 3));

    ASSERT_EQ(graficos.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& curvas = graficos[k]->Grafico.Curvas;
        ASSERT_EQ(curvas.size(), 2u);
        double amostras = 0.0;
        for (std::size_t i = 1; i < curvas[0].Pontos.size(); i += 4) amostras += curvas[0].Pontos[i].y;
        EXPECT_EQ(amostras, static_cast<double>(resumo.Saidas[k].N)) << k;
        const double limite = k == 0 ? 70.0 : k == 1 ? 20.0 : 1.0;
        EXPECT_EQ(curvas[1].Pontos.front().x, limite);
        EXPECT_EQ(curvas[1].Pontos.back().x, limite);
    }
}

}  // namespace
