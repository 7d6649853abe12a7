// Calibration on a known answer: measurements written by a run of the wall with known
// heat parameters and placing temperature, at five sensor heights, with Gaussian noise
// of 0,3 °C from a fixed seed, fitted back from perturbed starting values.
#include "estudos/Calibracao.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>

#include "core/Erros.h"
#include "core/Projeto.h"
#include "analise/Analise.h"
#include "mistura/Cimentos.h"
#include "mistura/Hidratacao.h"
#include "results/Medicoes.h"
#include "obra/DadosObra.h"

namespace {

using ::testing::HasSubstr;

const std::string Muro = std::string(NORVIK_FONTES) + "/exemplos/muro-10-camadas-cura.n1d.json";

// Box–Muller on the standard's fixed generator: the same noise on every machine.
struct Ruido {
    std::mt19937_64 g{20261209};
    double operator()(double sigma) {
        const double u1 = (static_cast<double>(g() >> 11) + 0.5) / 9007199254740992.0;
        const double u2 = (static_cast<double>(g() >> 11) + 0.5) / 9007199254740992.0;
        return sigma * std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * M_PI * u2);
    }
};

// The wall as it was built, and the readings its sensors gave every 2 hours up to `ate`;
// `cenario` changes the wall before (the heat model, the weather).
std::unique_ptr<TDadosModelo> ComMedicoes(double ate, const std::function<void(TDadosModelo&)>& cenario = {}) {
    auto verdade = std::make_unique<TDadosModelo>();
    Projeto::Le(Muro, *verdade);
    if (cenario) cenario(*verdade);
    auto medido = std::make_unique<TDadosModelo>(*verdade);
    Progresso nada;
    const Analise ex = Analise::Executa(std::move(verdade), OpcoesAnalise{}, nada);
    Ruido ruido;
    for (double altura : {0.3, 0.8, 1.5, 2.25, 2.9}) {
        TSensor s{std::string("S").append(std::to_string(medido->Medicoes.size() + 1)), altura, {}};
        for (double h = 2; h <= ate; h += 2) {
            if (const auto t = Medicoes::Calculada(*ex.Dados, ex.Temperaturas, altura, h))
                s.Leituras.push_back({h, *t + ruido(0.3)});
        }
        medido->Medicoes.push_back(s);
    }
    return medido;
}

// The wall's concrete with the maturity heat of a Portland cement (E = 107 cal/g, αu = 0,75:
// the same final heat of about 80 cal/g).
void ComMaturidade(TDadosModelo& d) {
    for (int L = 1; L <= d.NCamadas; ++L) {
        TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(L)];
        c.Maturidade = true;
        c.E = 107.0;
    }
}

// The top face exchanging with the wind of an hourly weather file (no curing to override it).
void ComVento(TDadosModelo& d) {
    d.CuraAtiva = false;
    d.CoefConvConstante = true;
    d.BetaSup = 40000.0;
    ObraEditavel(d).ClimaArquivo = true;
    const auto horas = static_cast<std::size_t>(d.TempoTotal) + 1;
    ObraEditavel(d).Temperatura.assign(horas, 22.0);
    ObraEditavel(d).Vento.assign(horas, 3.0);
}

// The wall as a 4 × 6 m block whose sides, in forms until 48 h, then bare, lose heat.
void ComLaterais(TDadosModelo& d) {
    TDadosObra& o = ObraEditavel(d);
    o.ComprimentoPlanta = 4.0;
    o.LarguraPlanta = 6.0;
    o.CoefLateral = 10.0;
    o.ProtecoesLaterais.assign(static_cast<std::size_t>(d.NCamadas + 1), {{"forma", 0.15, 0.0, 48.0}});
}

struct Caso {
    const char* nome;
    const char* parametros;
    std::vector<double> verdade;
    std::vector<double> inicio;
    std::function<void(TDadosModelo&)> cenario = {};
};

class CalibracaoConhecida : public ::testing::TestWithParam<Caso> {};

TEST_P(CalibracaoConhecida, CadaValorDentroDeDuasIncertezasDaVerdade) {
    auto d = ComMedicoes(168, GetParam().cenario);
    const std::vector<int> escolhidos = Calibracao::LeLista(GetParam().parametros);
    ASSERT_EQ(escolhidos.size(), GetParam().inicio.size());
    for (std::size_t k = 0; k < escolhidos.size(); ++k)
        Calibracao::Parametros()[static_cast<std::size_t>(escolhidos[k])].Aplica(*d, GetParam().inicio[k]);

    const TResultadoCalibracao r = Calibracao::Ajusta(*d, escolhidos, 168);
    SCOPED_TRACE(r.Texto());
    EXPECT_TRUE(r.Convergiu);
    EXPECT_GT(r.RMSAntes, 1.0);
    // The noise itself: the fit leaves about 0,3 °C.
    EXPECT_NEAR(r.RMSDepois, 0.3, 0.05);
    for (std::size_t k = 0; k < escolhidos.size(); ++k) {
        const auto& v = r.Valores[k];
        EXPECT_GT(v.Incerteza, 0.0);
        EXPECT_LT(std::fabs(v.Ajustado - GetParam().verdade[k]), 2.0 * v.Incerteza)
            << Calibracao::Parametros()[static_cast<std::size_t>(v.Parametro)].Chave;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parametros, CalibracaoConhecida,
    ::testing::Values(Caso{"CalorELancamento", "E,n,TLanc", {80, 0.45, 20}, {68, 0.55, 23}},
                      Caso{"CEETopo", "CE,b,Topo", {320 * 80, 7, 54000}, {320 * 70, 6, 40000}},
                      Caso{"Maturidade", "alfaU,tau,Ea", {0.75, 20, 40000}, {0.65, 26, 32000}, ComMaturidade},
                      Caso{"LateraisELancamento", "Lateral,TLanc", {10, 20}, {3, 23}, ComLaterais}),
    [](const auto& info) { return std::string(info.param.nome); });

// A wall whose lifts take their heat from a CP III mix (the dosage dialog's parameters):
// αu and Ea of the mix are fitted back from perturbed starting values, and the mix itself
// stays with the layers.
TEST(CalibracaoDaDosagem, AjustaAlfaUEEaDasCamadasDaMistura) {
    TDosagem m;
    m.Cimento = Cimentos::Tipico("CP III")->Cimento;
    m.Aglomerante = 350.0;
    m.AguaAglomerante = 0.5;
    const Hidratacao::TParametros p = Hidratacao::Calcula(m);
    auto d = ComMedicoes(168, [&](TDadosModelo& dados) {
        for (int L = 1; L <= dados.NCamadas; ++L) {
            dados.Dosagens[L] = m;
            Hidratacao::Aplica(p, m, dados.CalorDiscreto, dados.CalorCamadas[static_cast<std::size_t>(L)]);
        }
    });
    const std::vector<int> escolhidos = Calibracao::LeLista("alfaU,Ea");
    Calibracao::Parametros()[static_cast<std::size_t>(escolhidos[0])].Aplica(*d, 0.85 * p.AlfaU);
    Calibracao::Parametros()[static_cast<std::size_t>(escolhidos[1])].Aplica(*d, 0.8 * p.Ea);
    const TResultadoCalibracao r = Calibracao::Ajusta(*d, escolhidos, 168);
    SCOPED_TRACE(r.Texto());
    EXPECT_TRUE(r.Convergiu);
    EXPECT_NEAR(r.RMSDepois, 0.3, 0.05);
    const double verdade[] = {p.AlfaU, p.Ea};
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_GT(r.Valores[k].Incerteza, 0.0);
        EXPECT_LT(std::fabs(r.Valores[k].Ajustado - verdade[k]), 2.0 * r.Valores[k].Incerteza) << k;
    }
    Calibracao::Aplica(*d, r);
    EXPECT_EQ(d->Dosagens.at(2), m);
    EXPECT_EQ(d->CalorCamadas[2].AlfaU, r.Valores[0].Ajustado);
}

struct Recusa {
    const char* nome;
    const char* parametros;
    const char* mensagem;
    std::function<void(TDadosModelo&)> cenario = {};
};

class CalibracaoRecusa : public ::testing::TestWithParam<Recusa> {};

TEST_P(CalibracaoRecusa, ComMensagem) {
    try {
        auto d = ComMedicoes(48, GetParam().cenario);
        Calibracao::Ajusta(*d, Calibracao::LeLista(GetParam().parametros), std::string(GetParam().nome) == "Poucas" ? 3 : 48);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_THAT(e.what(), HasSubstr(GetParam().mensagem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, CalibracaoRecusa,
    ::testing::Values(Recusa{"Desconhecido", "E,k", "parâmetro de calibração desconhecido \"k\"; use E, CE, n"},
                      Recusa{"Repetido", "n,n", "aparece duas vezes"},
                      Recusa{"EComCE", "E,CE", "E e C·E não se ajustam juntos"},
                      Recusa{"Poucas", "E,n", "poucas para 2 parâmetros"},
                      // A parameter that does not move the computed temperatures, refused with why.
                      Recusa{"NComMaturidade", "E,n", "n não influi: as camadas usam o calor pela maturidade",
                             ComMaturidade},
                      Recusa{"BComMaturidade", "b,TLanc", "b não influi: as camadas usam o calor pela maturidade",
                             ComMaturidade},
                      Recusa{"TauSemMaturidade", "E,tau", "tau não influi: as camadas não usam o calor pela maturidade"},
                      Recusa{"EaSemMaturidade", "Ea", "Ea não influi: as camadas não usam o calor pela maturidade"},
                      Recusa{"LateralSemLaterais", "E,Lateral", "Lateral não influi: o membro é extenso em planta"},
                      Recusa{"TopoComVento", "E,Topo",
                             "Topo não influi: o vento do arquivo de clima define o coeficiente do topo", ComVento}),
    [](const auto& info) { return std::string(info.param.nome); });

// Data to 12 h of age cannot tell E from the shape of the curve: the fit says so, with
// the correlations, instead of reporting values it cannot know.
TEST(CalibracaoIndeterminada, DadosAte12hAvisam) {
    auto d = ComMedicoes(12);
    const std::vector<int> escolhidos = Calibracao::LeLista("E,n,b");
    const std::vector<double> inicio{68, 0.55, 6};
    for (std::size_t k = 0; k < escolhidos.size(); ++k)
        Calibracao::Parametros()[static_cast<std::size_t>(escolhidos[k])].Aplica(*d, inicio[k]);
    const TResultadoCalibracao r = Calibracao::Ajusta(*d, escolhidos, 12);
    const std::string texto = r.Texto();
    SCOPED_TRACE(texto);
    ASSERT_EQ(r.Correlacao.size(), 9u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(r.Correlacao[k * 3 + k], 1.0);
        for (std::size_t m = 0; m < 3; ++m) EXPECT_NEAR(r.Correlacao[k * 3 + m], r.Correlacao[m * 3 + k], 1e-12);
    }
    ASSERT_FALSE(r.Avisos.empty());
    EXPECT_THAT(texto, HasSubstr("Correlação dos parâmetros ajustados"));
    EXPECT_THAT(texto, HasSubstr("os dados não determinam os parâmetros"));
    EXPECT_THAT(texto, HasSubstr("a previsão com os valores ajustados pode ficar longe"));
}

// Data over the week determine E and n: no warning.
TEST(CalibracaoIndeterminada, DadosDaSemanaNaoAvisam) {
    auto d = ComMedicoes(168);
    const std::vector<int> escolhidos = Calibracao::LeLista("E,TLanc");
    Calibracao::Parametros()[static_cast<std::size_t>(escolhidos[0])].Aplica(*d, 70);
    const TResultadoCalibracao r = Calibracao::Ajusta(*d, escolhidos, 168);
    SCOPED_TRACE(r.Texto());
    EXPECT_TRUE(r.Avisos.empty());
}

}  // namespace
