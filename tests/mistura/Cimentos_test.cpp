// The Brazilian cement presets and the user's library of cements.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "mistura/Cimentos.h"

namespace {

// Composition limits of ABNT NBR 16697:2018 (additions, % of the cement) and, for the
// sulfate-resisting variants, the usual composition criteria of an RS cement.
struct Limites {
    const char* nome;
    double escoriaMin, escoriaMax, pozolanaMin, pozolanaMax, filerMin, filerMax;
    double c3aMax;
};

class CimentoTipico : public testing::TestWithParam<Limites> {};

TEST_P(CimentoTipico, AdicoesDentroDaNormaEFonteCitada) {
    const Limites& l = GetParam();
    const Cimentos::TPreset* p = Cimentos::Tipico(l.nome);
    ASSERT_NE(p, nullptr) << l.nome;
    const TCimento& c = p->Cimento;
    EXPECT_GE(c.Escoria, l.escoriaMin);
    EXPECT_LE(c.Escoria, l.escoriaMax);
    EXPECT_GE(c.Pozolana, l.pozolanaMin);
    EXPECT_LE(c.Pozolana, l.pozolanaMax);
    EXPECT_GE(c.Filer, l.filerMin);
    EXPECT_LE(c.Filer, l.filerMax);
    EXPECT_LE(c.C3A, l.c3aMax);
    EXPECT_LE(c.Escoria + c.Pozolana + c.Filer, 75.0);
    // The phases and oxides of the Portland part cannot pass the whole.
    EXPECT_LE(c.C3S + c.C2S + c.C3A + c.C4AF + c.SO3 + c.CaOLivre + c.MgO, 100.0);
    EXPECT_LE(c.MgO, 6.5);
    EXPECT_GE(c.Blaine, 300.0);
    EXPECT_NE(p->Fonte.find("típicos"), std::string::npos);
    EXPECT_NE(p->Fonte.find("certificado"), std::string::npos);
    EXPECT_NE(p->Fonte.find("NBR 16697"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Tabela, CimentoTipico,
                         testing::Values(Limites{"CP I", 0, 5, 0, 5, 0, 5, 100},
                                         Limites{"CP I-S", 0, 0, 0, 0, 6, 10, 100},
                                         Limites{"CP II-E", 6, 34, 0, 0, 0, 15, 100},
                                         Limites{"CP II-Z", 0, 0, 6, 14, 0, 15, 100},
                                         Limites{"CP II-F", 0, 0, 0, 0, 11, 25, 100},
                                         Limites{"CP III", 35, 75, 0, 0, 0, 10, 100},
                                         Limites{"CP IV", 0, 0, 15, 50, 0, 10, 100},
                                         Limites{"CP V-ARI", 0, 0, 0, 0, 0, 10, 100},
                                         Limites{"CP III RS", 60, 70, 0, 0, 0, 5, 100},
                                         Limites{"CP IV RS", 0, 0, 25, 40, 0, 5, 100},
                                         Limites{"CP V-ARI RS", 0, 0, 0, 0, 0, 5, 8}));

TEST(CimentosTipicos, TodosNaTabelaNaOrdemDosTipos) {
    ASSERT_EQ(Cimentos::Tipicos().size(), 11u);
    EXPECT_EQ(Cimentos::Tipicos().front().Cimento.Nome, "CP I");
    EXPECT_EQ(Cimentos::Tipicos().back().Cimento.Nome, "CP V-ARI RS");
    EXPECT_EQ(Cimentos::Tipico("CP VI"), nullptr);
}

TCimento Meu(const std::string& nome, double c3a) {
    TCimento c = Cimentos::Tipico("CP III")->Cimento;
    c.Nome = nome;
    c.C3A = c3a;
    c.Blaine = 401.5;
    return c;
}

TEST(BibliotecaCimentos, VoltaIgualESemArquivoEstaVazia) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / Cimentos::NomeBiblioteca;
    EXPECT_TRUE(Cimentos::LeBiblioteca(caminho).empty());
    auto lista = Cimentos::Acrescenta({}, Meu("Fábrica A, lote 12", 6.25));
    lista = Cimentos::Acrescenta(lista, Meu("Fábrica B", 7.0));
    lista = Cimentos::Acrescenta(lista, Meu("Fábrica A, lote 12", 5.5));  // replaces, keeps the place
    ASSERT_EQ(lista.size(), 2u);
    Cimentos::GravaBiblioteca(caminho, lista);
    const auto lidos = Cimentos::LeBiblioteca(caminho);
    ASSERT_EQ(lidos, lista);
    EXPECT_EQ(lidos[0].C3A, 5.5);
    EXPECT_EQ(Cimentos::TextoBiblioteca(lidos), Cimentos::TextoBiblioteca(lista));
}

TEST(BibliotecaCimentos, NomesRepetidosOuDeTipicosNaoSeGravam) {
    PastaTemporaria pasta;
    EXPECT_THROW(Cimentos::GravaBiblioteca(pasta / "a.json", {Meu("X", 6), Meu("X", 7)}), ErroEntrada);
    EXPECT_THROW(Cimentos::GravaBiblioteca(pasta / "a.json", {Meu("CP IV", 6)}), ErroEntrada);
    EXPECT_THROW(Cimentos::GravaBiblioteca(pasta / "a.json", {Meu("", 6)}), ErroEntrada);
    EXPECT_FALSE(std::filesystem::exists(pasta / "a.json"));
}

struct CasoArquivo {
    const char* nome;
    const char* texto;
    const char* trecho;
};

class BibliotecaRecusada : public testing::TestWithParam<CasoArquivo> {};

TEST_P(BibliotecaRecusada, NomeiaArquivoEChave) {
    PastaTemporaria pasta;
    const std::string caminho = pasta / "c.json";
    std::ofstream(caminho) << GetParam().texto;
    try {
        Cimentos::LeBiblioteca(caminho);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("c.json"), std::string::npos) << m;
        EXPECT_NE(m.find(GetParam().trecho), std::string::npos) << m;
    }
}

#define CIMENTO_OK R"("Nome": "A", "C3S": 55, "C2S": 18, "C3A": 7, "C4AF": 10, "SO3": 3, "CaOLivre": 1, "MgO": 4, )"
#define ADICOES_OK R"("Escoria": 0, "Pozolana": 0, "CaOPozolana": 0, "Filer": 5)"

INSTANTIATE_TEST_SUITE_P(
    Tabela, BibliotecaRecusada,
    testing::Values(
        CasoArquivo{"NaoJson", "{", "linha"},
        CasoArquivo{"OutroFormato", R"({"formato": "norvik-1d/projeto", "versao": 1, "Cimentos": []})", "\"formato\""},
        CasoArquivo{"VersaoNova", R"({"formato": "norvik-1d/cimentos", "versao": 2, "Cimentos": []})", "\"versao\""},
        CasoArquivo{"ChaveDesconhecida", R"({"formato": "norvik-1d/cimentos", "versao": 1, "Cimentos": [], "X": 1})", "\"X\""},
        CasoArquivo{"FaltaBlaine",
                    "{\"formato\": \"norvik-1d/cimentos\", \"versao\": 1, \"Cimentos\": [{" CIMENTO_OK ADICOES_OK "}]}",
                    "\"Blaine\""},
        CasoArquivo{"PercentualAcimaDe100",
                    "{\"formato\": \"norvik-1d/cimentos\", \"versao\": 1, \"Cimentos\": [{" CIMENTO_OK
                    "\"Blaine\": 400, \"Escoria\": 120, \"Pozolana\": 0, \"CaOPozolana\": 0, \"Filer\": 5}]}",
                    "Cimentos[0].Escoria"},
        CasoArquivo{"BlaineTexto",
                    "{\"formato\": \"norvik-1d/cimentos\", \"versao\": 1, \"Cimentos\": [{" CIMENTO_OK
                    "\"Blaine\": \"400\", " ADICOES_OK "}]}",
                    "Cimentos[0].Blaine"},
        CasoArquivo{"NomeRepetido",
                    "{\"formato\": \"norvik-1d/cimentos\", \"versao\": 1, \"Cimentos\": [{" CIMENTO_OK
                    "\"Blaine\": 400, " ADICOES_OK "}, {" CIMENTO_OK "\"Blaine\": 400, " ADICOES_OK "}]}",
                    "duas vezes"}),
    [](const testing::TestParamInfo<CasoArquivo>& i) { return std::string(i.param.nome); });

}  // namespace
