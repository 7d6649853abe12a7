// --remocao-segura on the summer mat example, and the refusals of its options.
#include <gtest/gtest.h>

#include "RodaLote.h"

namespace {

const std::string Radier = std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json";

TEST(LoteRemocao, RadierDeVeraoDizAHoraEOIndiceDaPlanejada) {
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, Q(Radier) + " --remocao-segura 2");
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_NE(s.out.find("A Temperatura Máxima de  68,95 Celcius"), std::string::npos) << s.out;
    EXPECT_NE(s.out.find("proteção 2 (Manta de lã mineral 25 mm (segunda)) do topo da camada 2"), std::string::npos)
        << s.out;
    EXPECT_NE(s.out.find("retirada na hora 0 após o lançamento; índice mínimo dali em diante: 1,16."),
              std::string::npos)
        << s.out;
    EXPECT_NE(s.out.find("Retirada planejada na hora 168: índice mínimo dali em diante: 0,95."), std::string::npos)
        << s.out;
}

TEST(LoteRemocao, OpcoesRuinsSaoRecusadas) {
    struct Caso {
        const char* args;
        const char* mensagem;
    };
    for (const Caso& c : {Caso{" --protecao 1", "--protecao só vale com --remocao-segura"},
                          Caso{" --remocao-segura x", "não é um valor inteiro válido"},
                          Caso{" --remocao-segura 3", "A camada 3 não existe"},
                          Caso{" --remocao-segura 2 --protecao 5", "não há a proteção 5"}}) {
        PastaTemporaria pasta;
        const Saida s = Roda(pasta, Q(Radier) + c.args);
        EXPECT_EQ(s.codigo, 2) << c.args;
        EXPECT_NE(s.err.find(c.mensagem), std::string::npos) << c.args << ": " << s.err;
        EXPECT_TRUE(s.out.empty()) << c.args;
    }
}

}  // namespace
