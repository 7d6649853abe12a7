// --resumo on the shipped raft example: its classic verdict (the peak under 70 °C, the
// joint node's index 0,625) is not the consistent formulation's (70,19 °C, 1,41), and
// the summary says so after the index; run in the consistent formulation, or with limits
// both formulations meet alike, it says nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RodaLote.h"

namespace {

const std::string Radier = std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json";

struct CasoAviso {
    const char* nome;
    const char* opcoes;
    std::vector<std::string> trechos;  // in the output, in order; none: no warning at all
};
class LoteAviso : public ::testing::TestWithParam<CasoAviso> {};

TEST_P(LoteAviso, ResumoAvisaQuandoAConsistenteMudaOVeredito) {
    const CasoAviso& c = GetParam();
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, Q(Radier) + " --resumo --tensoes " + Q(pasta / "s.txt") + c.opcoes);
    ASSERT_EQ(s.codigo, 0) << s.err;
    const std::size_t indice = s.out.find("Índice de Fissuração");
    ASSERT_NE(indice, std::string::npos) << s.out;
    std::size_t desde = indice;
    for (const auto& t : c.trechos) {
        const std::size_t em = s.out.find(t, desde);
        ASSERT_NE(em, std::string::npos) << t << "\n" << s.out;
        desde = em + t.size();
    }
    EXPECT_EQ(s.out.find("Confira na formulação consistente.") != std::string::npos, !c.trechos.empty()) << s.out;
}
INSTANTIATE_TEST_SUITE_P(
    Casos, LoteAviso,
    ::testing::Values(
        CasoAviso{"Classica", "",
                  {"\nA temperatura máxima (68,95 °C no Nó 9) é da formulação clássica; na consistente é 70,19 °C, "
                   "que atinge o limite de 70 °C.\n",
                   "O menor índice (0,625 no Nó 6, junta da camada 2) é da formulação clássica; na consistente é "
                   "1,41",
                   "Confira na formulação consistente.\n"}},
        // With 75 °C the peak passes in both; the joint node still changes sides.
        CasoAviso{"SoOIndice", " --limite-temperatura 75", {"\nO menor índice (0,625 no Nó 6"}},
        CasoAviso{"Consistente", " --formulacao consistente", {}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
