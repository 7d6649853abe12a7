// The one pipeline: a run never changes the problem it is given, its numbers are those
// of the tables the windows show, and the stress part run alone (the stress window)
// gives what the whole run gives.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>

#include "analise/Analise.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "core/TabelaTexto.h"
#include "stress/ProcTensional.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

std::unique_ptr<TDadosModelo> Le(const std::string& nome) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(Exemplos + nome, *d);
    return d;
}

// The fields a run writes, besides the project file's.
struct Estado {
    std::string projeto;
    bool termicoCompleto;
    int ativos;
    double tMaxima, tMaxEscala, tMinEscala, tracao;
    std::array<double, MaxHoras + 1> temperaturas;
    bool operator==(const Estado&) const = default;
};

Estado EstadoDe(const TDadosModelo& d) {
    return {Projeto::Texto(d), d.TermicoCompleto, d.NElemAtivos, d.TMaxima, d.TMaxEscala, d.TMinEscala,
            d.TracaoMaxima, d.Temperaturas};
}

struct Caso {
    const char* nome;
    const char* projeto;
    OpcoesAnalise opcoes;
};

class Executa : public ::testing::TestWithParam<Caso> {};

// The options each feature runs with: the run button and the calibration (thermal
// alone), the comparison and the batch tool's --formulacao, the studies and the safe
// removal (stresses with the index), the batch tool's --resumo.
INSTANTIATE_TEST_SUITE_P(
    Recursos, Executa,
    ::testing::Values(Caso{"Termica", "bloco-fundacao-3-camadas.n1d.json", {}},
                      Caso{"OutraFormulacao", "bloco-fundacao-3-camadas.n1d.json", [] {
                               OpcoesAnalise o;
                               o.Formulacao = TFormulacao::Consistente;
                               return o;
                           }()},
                      Caso{"Maturidade", "bloco-fundacao-3-camadas-consistente-maturidade.n1d.json", {}},
                      Caso{"TensoesEIndice", "radier-verao-mantas.n1d.json", [] {
                               OpcoesAnalise o;
                               o.Tensoes = true;
                               o.Indice = OpcoesAnalise::ParametrosIndice{};
                               return o;
                           }()},
                      Caso{"ResumoComTensoes", "radier-verao-mantas.n1d.json", [] {
                               OpcoesAnalise o;
                               o.Tensoes = true;
                               o.LimiteResumo = 60.0;
                               return o;
                           }()}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_P(Executa, NaoMudaOProblemaDado) {
    const auto problema = Le(GetParam().projeto);
    const Estado antes = EstadoDe(*problema);
    Progresso nada;
    const Analise a = Analise::Executa(*problema, GetParam().opcoes, nada);
    EXPECT_TRUE(EstadoDe(*problema) == antes);
    // The copy is the one that ran.
    EXPECT_TRUE(a.Dados->TermicoCompleto);
    EXPECT_EQ(a.Termico.Completo, true);
    EXPECT_EQ(a.ComTensoes, GetParam().opcoes.Tensoes);
    EXPECT_EQ(a.Resumo.has_value(), GetParam().opcoes.LimiteResumo.has_value());
    EXPECT_EQ(a.Indice.has_value(), GetParam().opcoes.Indice.has_value());
    if (GetParam().opcoes.Formulacao) {
        EXPECT_EQ(a.Dados->Formulacao, *GetParam().opcoes.Formulacao);
    }
}

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// The numbers of the analysis against the text tables of the text path (the thermal
// table printed, then read back by the stress run): every cell is the text's number.
TEST(Analise, NumerosSaoOsDoTextoDasTabelas) {
    Progresso nada;
    OpcoesAnalise o;
    o.Tensoes = true;
    const Analise a = Analise::Executa(*Le("radier-verao-mantas.n1d.json"), o, nada);

    auto d = Le("radier-verao-mantas.n1d.json");
    d->NElemAtivos = d->NElemCamada;
    TabelaTexto temperaturas, tensoes;
    TProcesso::ProcessaTransiente(*d, temperaturas, nada);
    TProcTensional::ProcessaTensional(*d, temperaturas, tensoes, nada);

    int lidas = 0;
    for (auto [numeros, texto] : {std::pair{&a.Temperaturas, &temperaturas}, std::pair{&a.Tensoes, &tensoes}}) {
        ASSERT_EQ(numeros->Colunas(), texto->Colunas());
        ASSERT_EQ(numeros->Linhas(), texto->Linhas());
        for (int r = 0; r < texto->Linhas(); ++r)
            for (int c = 0; c < texto->Colunas(); ++c) {
                const std::string_view celula = texto->Celula(c, r);
                ASSERT_EQ(numeros->TextoCelula(c, r), celula) << c << ", " << r;
                if (r == 0 || celula.empty()) continue;
                ASSERT_EQ(Bits(numeros->Valor(c, r)), Bits(Numeros::TextoParaReal(celula))) << c << ", " << r;
                ++lidas;
            }
    }
    EXPECT_GT(lidas, 10000);
}

// The stress window runs the stress part on the thermal analysis it shows.
TEST(Analise, TensoesSozinhasComoNaExecucaoInteira) {
    Progresso nada;
    const auto problema = Le("radier-verao-mantas.n1d.json");
    OpcoesAnalise o;
    o.Tensoes = true;
    const Analise inteira = Analise::Executa(*problema, o, nada);
    Analise termica = Analise::Executa(*problema, {}, nada);
    TDadosModelo naTela = *problema;
    Analise::CopiaResultadosTermicos(*termica.Dados, naTela);
    const std::string antes = Projeto::Texto(naTela);
    termica.ExecutaTensoes(naTela, nada);
    EXPECT_EQ(Projeto::Texto(naTela), antes);
    ASSERT_TRUE(termica.ComTensoes);
    EXPECT_EQ(termica.MensagemTensoes, inteira.MensagemTensoes);
    ASSERT_EQ(termica.Tensoes.Linhas(), inteira.Tensoes.Linhas());
    for (int r = 1; r < inteira.Tensoes.Linhas(); ++r)
        for (int c = 0; c < inteira.Tensoes.Colunas(); ++c)
            ASSERT_EQ(termica.Tensoes.TextoCelula(c, r), inteira.Tensoes.TextoCelula(c, r)) << c << ", " << r;
}

}  // namespace
