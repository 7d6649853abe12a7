#include "input/TabelaMembro.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/Erros.h"

namespace {

using namespace TabelaMembro;

struct CasoColagem {
    const char* nome;
    std::string texto;
    std::vector<std::vector<std::string>> esperado;
};
class ColagemTabela : public ::testing::TestWithParam<CasoColagem> {};

TEST_P(ColagemTabela, LinhasECelulas) { EXPECT_EQ(Colagem(GetParam().texto), GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(
    Casos, ColagemTabela,
    ::testing::Values(
        CasoColagem{"TabulacaoCRLF", "1,5\t2,4\r\n2\t2,6\r\n", {{"1,5", "2,4"}, {"2", "2,6"}}},
        CasoColagem{"PontoEVirgula", "1,5;2,4\n2;2,6", {{"1,5", "2,4"}, {"2", "2,6"}}},
        // With tabs, ';' is text of a cell.
        CasoColagem{"TabulacaoVence", "a;b\tc\n", {{"a;b", "c"}}},
        CasoColagem{"CelulasVazias", ";;3\n", {{"", "", "3"}}},
        CasoColagem{"LinhaVaziaNoMeio", "1\n\n2\n", {{"1"}, {""}, {"2"}}},
        CasoColagem{"Vazio", "", {}},
        // A spreadsheet's clipboard in Windows-1252 or UTF-16: the cells in UTF-8.
        CasoColagem{"Windows1252", "N\xE3o\tSim\n", {{"Não", "Sim"}}},
        CasoColagem{"Utf16", std::string("\xFF\xFE\x31\0\t\0\xE3\0", 8), {{"1", "ã"}}}),
    [](const auto& i) { return std::string(i.param.nome); });

// Columns beyond the table's are refused, never dropped: each row the paste, the
// column it starts at, and the message (empty: it fits).
struct CasoExcesso {
    const char* nome;
    std::string texto;
    int coluna0;
    const char* mensagem;
};
class ColagemExcesso : public ::testing::TestWithParam<CasoExcesso> {};

TEST_P(ColagemExcesso, RecusaOuCabe) {
    const std::string m = ProblemaColagem(Colagem(GetParam().texto), GetParam().coluna0, false);
    if (*GetParam().mensagem) {
        EXPECT_NE(m.find(GetParam().mensagem), std::string::npos) << m;
    } else {
        EXPECT_EQ(m, "");
    }
}

std::string Colunas(int n, const char* ultima = "1") {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? "\t" : "") + std::string(i + 1 == n ? ultima : "1");
    return s + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ColagemExcesso,
    ::testing::Values(CasoExcesso{"QuinzeCabem", Colunas(15), 0, ""},
                      CasoExcesso{"Dezessete", Colunas(17), 0,
                                  "A linha 1 da colagem tem 17 colunas, mas a partir da coluna \"Espessura [m]\" a tabela "
                                  "tem só 16. Nada foi colado."},
                      CasoExcesso{"DoisAPartirDaUltima", "1\t2\n", NumColunas - 1, "tem 2 colunas"},
                      CasoExcesso{"UmNaUltimaCabe", "1\n", NumColunas - 1, ""},
                      CasoExcesso{"TabulacaoFinalVaziaCabe", Colunas(16, ""), 0, ""},
                      CasoExcesso{"SegundaLinhaLonga", "1\n" + Colunas(17), 0, "A linha 2 da colagem tem 17 colunas"}),
    [](const auto& i) { return std::string(i.param.nome); });

Linha Boa() { return {"1,5", "2,4", "2400", "950", "10,0", "2", "6", "22", "Não", "330", "80", "0", "0,45", "7", "0"}; }

// The dialogs' conversions: usual conductivity × 1000/24, dilation / 10⁶, day and hour to hours,
// the constant rate × 0,0099537 in the usual units.
TEST(TabelaMembroConverte, UnidadesDosDialogos) {
    const Camada si = Converte(Boa(), 1, false);
    EXPECT_EQ(si.K, 2.4);
    EXPECT_EQ(si.Alfa, 0.00001);
    EXPECT_EQ(si.HoraConcretagem, 30);
    EXPECT_FALSE(si.Constante);
    Linha u = Boa();
    u[Condutividade] = "43,20";
    u[Constante] = "Sim";
    u[F] = "1000";
    const Camada usuais = Converte(u, 1, true);
    EXPECT_DOUBLE_EQ(usuais.K, 1800.0);
    EXPECT_TRUE(usuais.Constante);
    EXPECT_DOUBLE_EQ(usuais.F, 9.9537);
}

TEST(TabelaMembroConverte, LinhaDoEstadoVoltaAoMesmoValor) {
    auto d = std::make_unique<TDadosModelo>();
    d->UnidadesUsuais = true;
    const Camada k = Converte(Boa(), 1, true);
    d->Camadas[1].K = k.K;
    d->Camadas[1].Alfa = k.Alfa;
    d->Camadas[1].HoraConcretagem = k.HoraConcretagem;
    const Linha l = LinhaDoEstado(*d, 1);
    EXPECT_EQ(l[Condutividade], "2,4");
    EXPECT_EQ(l[Dilatacao], "10");
    EXPECT_EQ(l[Dia], "2");
    EXPECT_EQ(l[Hora], "6");
    d->Camadas[1].HoraConcretagem = 0;
    EXPECT_EQ(LinhaDoEstado(*d, 1)[Dia], "1");
    EXPECT_EQ(LinhaDoEstado(*d, 1)[Hora], "0");
}

// The aggregate cell: a name of the list (with or without the accent), empty or "Outro"
// for none; anything else refused at that cell. Aplica keeps the choice of each row.
struct CasoAgregado {
    const char* nome;
    const char* celula;
    TAgregado esperado;
    bool recusa;
};
class AgregadoDaTabela : public ::testing::TestWithParam<CasoAgregado> {};

TEST_P(AgregadoDaTabela, ConverteEAplica) {
    const CasoAgregado& c = GetParam();
    Linha l = Boa();
    l[Agregado] = c.celula;
    if (c.recusa) {
        ErroCelula erro{};
        EXPECT_THROW(Converte(l, 2, false, &erro), ErroEntrada);
        EXPECT_EQ(erro.Coluna, static_cast<int>(Agregado));
        EXPECT_NE(erro.Mensagem.find("Camada 2, coluna \"Agregado\""), std::string::npos) << erro.Mensagem;
        return;
    }
    EXPECT_EQ(Converte(l, 2, false).Agregado, c.esperado);
    auto d = std::make_unique<TDadosModelo>();
    d->Agregados[5] = TAgregado::Basalto;  // a layer the table no longer has
    Aplica(*d, {Boa(), l}, {}, false, 1);
    EXPECT_EQ(d->Agregados.count(5), 0u);
    EXPECT_EQ(d->Agregados.count(1), 0u);
    if (c.esperado == TAgregado::Outro) {
        EXPECT_TRUE(d->Agregados.empty());
    } else {
        ASSERT_EQ(d->Agregados.count(2), 1u);
        EXPECT_EQ(d->Agregados.at(2), c.esperado);
        // The state shows it back with the window's name.
        EXPECT_EQ(Converte(LinhaDoEstado(*d, 2), 2, false).Agregado, c.esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AgregadoDaTabela,
    ::testing::Values(CasoAgregado{"Basalto", "Basalto", TAgregado::Basalto, false},
                      CasoAgregado{"CalcarioComAcento", "Calcário", TAgregado::Calcario, false},
                      CasoAgregado{"CalcarioSemAcento", "Calcario", TAgregado::Calcario, false},
                      CasoAgregado{"Gnaisse", "Gnaisse", TAgregado::Gnaisse, false},
                      CasoAgregado{"Outro", "Outro", TAgregado::Outro, false},
                      CasoAgregado{"Vazio", "", TAgregado::Outro, false},
                      CasoAgregado{"Desconhecido", "Xisto", TAgregado::Outro, true},
                      CasoAgregado{"Minusculo", "basalto", TAgregado::Outro, true}),
    [](const auto& i) { return std::string(i.param.nome); });

// Naming an aggregate fills the row's specific heat (in the unit system's units) and
// dilation; "Outro" or an unknown name leaves the row as it was.
struct CasoPreenche {
    const char* agregado;
    bool usuais;
    bool preenche;
    const char* calor;
    const char* dilatacao;
};
class PreencheAgregadoTabela : public ::testing::TestWithParam<CasoPreenche> {};

TEST_P(PreencheAgregadoTabela, CalorEDilatacao) {
    const CasoPreenche& c = GetParam();
    Linha l = Boa();
    l[Agregado] = c.agregado;
    const Linha antes = l;
    EXPECT_EQ(PreencheAgregado(l, c.usuais), c.preenche);
    EXPECT_EQ(l[CalorEspecifico], c.calor);
    EXPECT_EQ(l[Dilatacao], c.dilatacao);
    EXPECT_EQ(l[Condutividade], antes[Condutividade]);  // no confirmed conductivity
}

INSTANTIATE_TEST_SUITE_P(Casos, PreencheAgregadoTabela,
                         ::testing::Values(CasoPreenche{"Quartzito", false, true, "962,78", "11,88"},
                                           CasoPreenche{"Basalto", true, true, "0,23", "8,64"},
                                           CasoPreenche{"Calcário", false, true, "962,78", "6,84"},
                                           CasoPreenche{"Outro", false, false, "950", "10,0"},
                                           CasoPreenche{"Xisto", false, false, "950", "10,0"}));

// Capacities and a bad row refuse everything: the state does not change.
struct CasoRecusa {
    const char* nome;
    int camadas;
    int elementos;
    int linhaRuim;  // -1: none
    const char* trecho;
};
class AplicaRecusa : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(AplicaRecusa, NadaMuda) {
    const auto& c = GetParam();
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = d->NCamadasMembro = 1;
    d->Camadas[1].Espessura = 7.0;
    d->Fundacao = false;
    std::vector<Linha> linhas(static_cast<std::size_t>(c.camadas), Boa());
    if (c.linhaRuim >= 0) linhas[static_cast<std::size_t>(c.linhaRuim)][MassaEspecifica] = "x";
    try {
        Aplica(*d, linhas, {}, true, c.elementos);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
    }
    EXPECT_EQ(d->NCamadas, 1);
    EXPECT_EQ(d->Camadas[1].Espessura, 7.0);
    EXPECT_EQ(d->Camadas[2].Espessura, 0.0);
    EXPECT_FALSE(d->Fundacao);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AplicaRecusa,
    ::testing::Values(CasoRecusa{"UltimaLinhaRuim", 3, 1, 2, "Camada 3, coluna \"Massa Específica"},
                      CasoRecusa{"NosDemais", 100, 3, -1, "301 nós"},
                      CasoRecusa{"CamadasDemais", MaxCamadas + 1, 0, -1, "até 300 camadas"}),
    [](const auto& i) { return std::string(i.param.nome); });

// Rows stack from 0 as the layer dialog stacks them; records past the new count are cleared
// and what rows carry from their origin (calorimeter table, curing) moves with them.
TEST(TabelaMembroAplica, EmpilhaELevaOQueNaoEstaNaGrade) {
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = d->NCamadasMembro = 3;
    for (int L = 1; L <= 3; ++L) {
        d->Camadas[L].Espessura = 1.0;
        d->CalorCamadas[L].Tabela[1] = 10.0 * L;
        d->Superficie[L].BetaS = 100.0 * L;
    }
    std::vector<Linha> linhas{Boa(), Boa()};
    linhas[0][Espessura] = "0,1";
    linhas[1][Espessura] = "0,2";
    Aplica(*d, linhas, {3, 0}, false, 4);
    EXPECT_EQ(d->NCamadas, 2);
    EXPECT_EQ(d->Camadas[2].XIni, 0.1);
    EXPECT_EQ(d->CalorCamadas[1].Tabela[1], 30.0);
    EXPECT_EQ(d->Superficie[1].BetaS, 300.0);
    EXPECT_EQ(d->CalorCamadas[2].Tabela[1], 0.0);  // a new row has no table
    EXPECT_EQ(d->Camadas[3].Espessura, 0.0);
    EXPECT_EQ(d->Superficie[3].BetaS, 0.0);
}

}  // namespace
