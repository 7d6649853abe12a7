// The type a save takes from the chosen name when the dialog cannot say which one was
// picked, and the name the save writes to.
#include "core/ui/DialogosArquivo.h"

#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "core/ui/SalvaComTipo.h"

namespace {

struct CasoTipo {
    const char* filtro;
    const char* nome;
    int tipo;
};
class TipoPeloNome : public ::testing::TestWithParam<CasoTipo> {};

TEST_P(TipoPeloNome, PosicaoDoPadrao) {
    EXPECT_EQ(DialogosArquivo::TipoDoNome(QString::fromUtf8(GetParam().filtro), QString::fromUtf8(GetParam().nome)),
              GetParam().tipo);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, TipoPeloNome,
    ::testing::Values(CasoTipo{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*", "a/b.csv", 1},
                      CasoTipo{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*", "b.CSV", 1},
                      CasoTipo{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*", "b.txt", 0},
                      // "*.*" names no type; a name without ending neither.
                      CasoTipo{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*", "b.dat", -1},
                      CasoTipo{"Arquivo Texto|*.txt|Planilha CSV|*.csv|Todos Arquivos|*.*", "b", -1},
                      CasoTipo{"Dados|*.txt;*.dat|Imagem PNG|*.png", "b.dat", 0},
                      CasoTipo{"Projeto Norvik-1D|*.n1d.json", "p.json", -1},
                      CasoTipo{"Projeto Norvik-1D|*.n1d.json", "p.n1d.json", 0}));

// The program's own type keeps its ending as always (appended whatever the name is, or
// only when missing); the other types get theirs only when missing.
struct CasoNome {
    const char* escolhido;
    SalvaComTipo::PrimeiroTipo primeiro;
    const char* caminho;
    int tipo;
};
class NomeGravado : public ::testing::TestWithParam<CasoNome> {};

TEST_P(NomeGravado, TerminacaoDoTipo) {
    DialogosArquivoFalsos arquivos;
    arquivos.caminhos.push_back(QString::fromUtf8(GetParam().escolhido));
    const auto e = SalvaComTipo::Pergunta(arquivos, SalvaComTipo::TiposTabela(), GetParam().primeiro);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Caminho, GetParam().caminho);
    EXPECT_EQ(e->Tipo, GetParam().tipo);
}
using P = SalvaComTipo::PrimeiroTipo;
INSTANTIATE_TEST_SUITE_P(Casos, NomeGravado,
                         ::testing::Values(CasoNome{"t", P::SempreAnexa, "t.txt", 0},
                                           CasoNome{"t.txt", P::SempreAnexa, "t.txt.txt", 0},
                                           CasoNome{"t.txt", P::AnexaSeFaltar, "t.txt", 0},
                                           CasoNome{"t.csv", P::SempreAnexa, "t.csv", 1},
                                           CasoNome{"t.dat", P::AnexaSeFaltar, "t.dat.txt", 0},
                                           CasoNome{"pasta/ação.csv", P::SempreAnexa, "pasta/ação.csv", 1}));

TEST(NomeGravado, CancelarNaoDaNome) {
    DialogosArquivoFalsos arquivos;
    arquivos.caminhos.push_back(std::nullopt);
    EXPECT_FALSE(SalvaComTipo::Pergunta(arquivos, SalvaComTipo::TiposTabela()));
}

}  // namespace
