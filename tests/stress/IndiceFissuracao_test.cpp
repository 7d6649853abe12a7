// Cracking index read back from made-up stress tables with known strengths: a curve
// with b = 1, a = 0 is 1 MPa at every age, one with a = 1, b = 0 is the age in days.
#include "stress/IndiceFissuracao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "TabelaNumerica.h"
#include "PastaTemporaria.h"
#include "core/Erros.h"

namespace {

struct Tabela {
    std::unique_ptr<TDadosModelo> dados = std::make_unique<TDadosModelo>();
    TabelaTexto tensoes;

    // One layer of two elements placed at hour 0; rows are hours 1 to 4.
    explicit Tabela(const std::vector<std::vector<std::string>>& colunasNos) {
        dados->NCamadas = 1;
        dados->NElemCamada = 2;
        dados->ResistTracaoA = 0.0;
        dados->ResistTracaoB = 1.0;
        const int nos = static_cast<int>(colunasNos.size());
        tensoes.Redimensiona(nos + 1, 5);
        tensoes.Celula(0, 0) = "  Tempo[h]";
        for (int r = 1; r <= 4; ++r) tensoes.Celula(0, r) = std::to_string(r);
        for (int n = 1; n <= nos; ++n) {
            tensoes.Celula(n, 0) = "    Nó " + std::to_string(n);
            for (int r = 1; r <= 4; ++r)
                tensoes.Celula(n, r) = colunasNos[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(r - 1)];
        }
    }
};

struct Probabilidade {
    double indice;
    double esperada;
    double tolerancia;
};

class ProbabilidadeFissuracao : public testing::TestWithParam<Probabilidade> {};

TEST_P(ProbabilidadeFissuracao, ValoresConhecidos) {
    const Probabilidade& p = GetParam();
    EXPECT_NEAR(TIndiceFissuracao::Probabilidade(p.indice), p.esperada, p.tolerancia);
}

INSTANTIATE_TEST_SUITE_P(JCI, ProbabilidadeFissuracao,
                         testing::Values(Probabilidade{0.92, 1.0 - std::exp(-1.0), 1e-15},  // (I/0,92) = 1
                                         Probabilidade{1.0, 0.50, 0.005},                   // about one half
                                         Probabilidade{1.45, 0.13, 0.005},                  // about 13 %
                                         Probabilidade{3.0, 0.0063, 0.0005}));

TEST(IndiceFissuracao, MenorIndicePorNoESuaProbabilidade) {
    // Node 1: compression, then −0,5 (I = 2), −1 (I = 1), −0,8 (I = 1,25).
    // Node 2: empty before its placement, never in tension. Node 3: −0,6897 (I ≈ 1,45).
    Tabela t({{" 0,5000", "-0,5000", "-1,0000", "-0,8000"},
              {"", "", " 0,1000", " 0,0000"},
              {"-0,6897", " 0,2000", "", ""}});
    const TIndiceFissuracao r = TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.2);
    ASSERT_EQ(r.Nos.size(), 4u);
    const auto& n1 = r.Nos[1];
    ASSERT_TRUE(n1.ComTracao);
    EXPECT_EQ(n1.IndiceMinimo, 1.0);
    EXPECT_EQ(n1.Hora, 3.0);
    EXPECT_EQ(n1.Tensao, -1.0);
    EXPECT_NEAR(n1.Probabilidade, 0.50, 0.005);
    ASSERT_EQ(n1.Indices.size(), 3u);
    EXPECT_EQ(n1.Indices[0].hora, 2.0);
    EXPECT_EQ(n1.Indices[0].valor, 2.0);
    EXPECT_FALSE(r.Nos[2].ComTracao);
    EXPECT_TRUE(r.Nos[2].Indices.empty());
    EXPECT_NEAR(r.Nos[3].IndiceMinimo, 1.45, 1e-4);
    EXPECT_NEAR(r.Nos[3].Probabilidade, 0.13, 0.005);
    EXPECT_EQ(r.NoCritico, 1);
    EXPECT_EQ(r.NosAbaixoDoLimite(), (std::vector<int>{1}));
    const std::string texto = r.Texto(false);
    EXPECT_NE(texto.find("Menor índice: 1,000 no Nó 1, na hora 3 (P = 50,3 %)."), std::string::npos) << texto;
    EXPECT_NE(texto.find("Nós abaixo do limite: 1."), std::string::npos) << texto;
    EXPECT_NE(texto.find("      2       1   sem tração\n"), std::string::npos) << texto;
}

// The age is counted from the placement of the node's own layer.
TEST(IndiceFissuracao, IdadeContadaDaColocacaoDaCamadaDoNo) {
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = 2;
    d->NElemCamada = 1;
    d->Camadas[1].HoraConcretagem = 0;
    d->Camadas[2].HoraConcretagem = 24;
    d->ResistFlexaoA = 1.0;  // Ftf(z) = z
    TabelaTexto tensoes(4, 2);
    tensoes.Celula(0, 1) = "48";
    for (int n = 1; n <= 3; ++n) tensoes.Celula(n, 1) = "-1,0000";
    const TIndiceFissuracao r = TIndiceFissuracao::Calcula(*d, NumerosDe(tensoes, 4), TCurvaTracao::Flexao, 1.0);
    EXPECT_DOUBLE_EQ(r.Nos[1].IndiceMinimo, 2.0);  // 2 days old
    EXPECT_DOUBLE_EQ(r.Nos[2].IndiceMinimo, 2.0);  // the joint belongs to the lower layer
    EXPECT_DOUBLE_EQ(r.Nos[3].IndiceMinimo, 1.0);  // 1 day old
    EXPECT_EQ(r.NoCritico, 3);
    EXPECT_TRUE(r.NosAbaixoDoLimite().empty());
}

// With "Fundação" and a single layer there is only soil: no index, and the text says why.
TEST(IndiceFissuracao, SoAFundacaoNaoTemConcreto) {
    Tabela t({{"-1,0000", "", "", ""}, {"-2,0000", "", "", ""}, {"-4,0000", "", "", ""}});
    t.dados->Fundacao = true;
    const TIndiceFissuracao r = TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.0);
    EXPECT_EQ(r.NoCritico, 0);
    EXPECT_EQ(r.NosFundacao, 3);
    EXPECT_NE(r.Texto().find("Nós 1 a 3) fora do índice: o solo não é concreto.\n\nSó há nós da fundação: não há "
                             "concreto para o índice de fissuração.\n"),
              std::string::npos)
        << r.Texto();
}

TEST(IndiceFissuracao, SemTracaoNaoHaIndice) {
    Tabela t({{" 0,5000", " 0,0000", " 1,0000", " 0,8000"}, {" 0,1000", "", "", ""}});
    const TIndiceFissuracao r = TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.0);
    EXPECT_EQ(r.NoCritico, 0);
    EXPECT_TRUE(r.NosAbaixoDoLimite().empty());
    EXPECT_NE(r.Texto().find("Nenhum nó está tracionado: não há índice de fissuração."), std::string::npos);
}

// The soil in tension and the concrete in compression: the verdict names the concrete.
TEST(IndiceFissuracao, SoloTracionadoEConcretoComprimido) {
    Tabela t({{"-1,0000", "-1,0000", "-1,0000", "-1,0000"}, {"-2,0000", "-2,0000", "-2,0000", "-2,0000"},
              {" 0,5000", " 0,5000", " 0,5000", " 0,5000"}});
    t.dados->NCamadas = 2;
    t.dados->NElemCamada = 1;
    t.dados->Fundacao = true;
    const TIndiceFissuracao r = TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.0);
    EXPECT_EQ(r.NoCritico, 0);
    EXPECT_EQ(r.NosFundacao, 2);
    EXPECT_NE(r.Texto().find("Nenhum nó de concreto está tracionado: não há índice de fissuração."), std::string::npos)
        << r.Texto();
}

TEST(IndiceFissuracao, RecusaResistenciasNaoEntradasECurvaSemValor) {
    Tabela t({{"-1,0000", "", "", ""}});
    // The flexural pair was never entered (a = b = 0).
    EXPECT_THROW(TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Flexao, 1.0), ErroEntrada);
    EXPECT_FALSE(TIndiceFissuracao::ResistenciasDefinidas(*t.dados, TCurvaTracao::Diametral));
    // a + b·z = 0 at the age of one hour: a clear message instead of an infinite index.
    t.dados->ResistTracaoA = -1.0 / 24.0;
    t.dados->ResistTracaoB = 1.0;
    try {
        TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.0);
        FAIL() << "sem erro";
    } catch (const ErroCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("Nó 1, hora 1"), std::string::npos) << e.what();
    }
    // A stress table holds numbers: a cell that is not one is an empty cell, skipped.
    t.tensoes.Celula(1, 1) = "x";
    t.dados->ResistTracaoA = 0.0;
    EXPECT_FALSE(TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.0).Nos[1].ComTracao);
}

TEST(IndiceFissuracao, ArquivoEmWindows1252ComCrLf) {
    Tabela t({{"-0,5000", "-1,0000", "", ""}});
    const TIndiceFissuracao r = TIndiceFissuracao::Calcula(*t.dados, NumerosDe(t.tensoes, 4), TCurvaTracao::Simples, 1.0);
    PastaTemporaria pasta;
    r.Grava(pasta / "indice.txt");
    const std::string bytes = LeArquivo(pasta / "indice.txt");
    EXPECT_EQ(bytes, r.Bytes());
    EXPECT_EQ(bytes.rfind("\xCDndice de Fissura\xE7\xE3o\r\n\r\nCurva de resist\xEAncia: Tra\xE7\xE3o Simples\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\nN\xF3 1\r\n   t[h]       \xCDndice\r\n      1       2,0000\r\n      2       1,0000\r\n"),
              std::string::npos);
}

}  // namespace
