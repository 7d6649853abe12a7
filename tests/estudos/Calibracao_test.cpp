// Calibration on a known answer: measurements written by a run of the wall with known
// heat parameters and placing temperature, at five sensor heights, with Gaussian noise
// of 0,3 °C from a fixed seed, fitted back from perturbed starting values.
#include "estudos/Calibracao.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "core/Erros.h"
#include "core/Projeto.h"
#include "analise/Analise.h"
#include "results/Medicoes.h"

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

// The wall as it was built, and the readings its sensors gave every 2 hours up to `ate`.
std::unique_ptr<TDadosModelo> ComMedicoes(double ate) {
    auto verdade = std::make_unique<TDadosModelo>();
    Projeto::Le(Muro, *verdade);
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

struct Caso {
    const char* nome;
    const char* parametros;
    std::vector<double> verdade;
    std::vector<double> inicio;
};

class CalibracaoConhecida : public ::testing::TestWithParam<Caso> {};

TEST_P(CalibracaoConhecida, CadaValorDentroDeDuasIncertezasDaVerdade) {
    auto d = ComMedicoes(168);
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
                      Caso{"CEETopo", "CE,b,Topo", {320 * 80, 7, 54000}, {320 * 70, 6, 40000}}),
    [](const auto& info) { return std::string(info.param.nome); });

struct Recusa {
    const char* nome;
    const char* parametros;
    const char* mensagem;
};

class CalibracaoRecusa : public ::testing::TestWithParam<Recusa> {};

TEST_P(CalibracaoRecusa, ComMensagem) {
    try {
        auto d = ComMedicoes(48);
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
                      Recusa{"Poucas", "E,n", "poucas para 2 parâmetros"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
