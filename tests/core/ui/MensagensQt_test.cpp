#include "core/ui/MensagensQt.h"

#include <gtest/gtest.h>

namespace {

// What the file dialog shows as its filter: each description names its patterns once.
struct CasoFiltro {
    const char* programa;
    const char* dialogo;
};
class FiltroDoDialogo : public ::testing::TestWithParam<CasoFiltro> {};

TEST_P(FiltroDoDialogo, PadroesUmaVez) {
    EXPECT_EQ(DialogosArquivoQt::FiltroQt(QString::fromUtf8(GetParam().programa)),
              QString::fromUtf8(GetParam().dialogo));
}
INSTANTIATE_TEST_SUITE_P(
    Filtros, FiltroDoDialogo,
    ::testing::Values(CasoFiltro{"Metarquivo do Windows (*.wmf)|*.wmf", "Metarquivo do Windows (*.wmf)"},
                      CasoFiltro{"Projeto Norvik-1D|*.n1d.json", "Projeto Norvik-1D (*.n1d.json)"},
                      CasoFiltro{"Arquivo Texto|*.txt|Todos Arquivos|*.*",
                                 "Arquivo Texto (*.txt);;Todos Arquivos (*.*)"},
                      CasoFiltro{"Dados|*.txt;*.dat", "Dados (*.txt *.dat)"}));

}  // namespace
