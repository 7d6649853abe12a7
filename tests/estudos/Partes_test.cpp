// Shares of a study and their merge: the shares in order are the whole, whatever the
// count, and the merge refuses what does not belong together.
#include "estudos/Partes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Erros.h"

namespace {

using Partes::TArquivoParte;
using Partes::TParte;

TEST(Partes, FaixasContiguasCobremTodosOsCasos) {
    for (long long total : {0LL, 1LL, 2LL, 7LL, 100LL, 1000000LL}) {
        for (int n : {1, 2, 3, 7, 64, 100000}) {
            SCOPED_TRACE(std::to_string(total) + " casos em " + std::to_string(n));
            long long proximo = 0, menor = total, maior = 0;
            for (int k = 1; k <= n; ++k) {
                const Partes::TFaixa f = Partes::Faixa(total, {k, n});
                ASSERT_EQ(f.Inicio, proximo) << k;
                ASSERT_LE(f.Inicio, f.Fim) << k;
                proximo = f.Fim;
                menor = std::min(menor, f.Fim - f.Inicio);
                maior = std::max(maior, f.Fim - f.Inicio);
            }
            EXPECT_EQ(proximo, total);
            EXPECT_LE(maior - menor, 1);
        }
    }
}

TEST(Partes, LeituraDeKN) {
    struct Caso {
        const char* texto;
        int k, n;  // 0: refused
    };
    const Caso casos[] = {{"1/1", 1, 1},  {"3/10", 3, 10}, {"10/10", 10, 10}, {"0/4", 0, 0},     {"5/4", 0, 0},
                          {"1/0", 0, 0},  {"-1/4", 0, 0},  {"2", 0, 0},       {"2/4/6", 0, 0},   {"a/4", 0, 0},
                          {" 1/4", 0, 0}, {"1/", 0, 0},    {"", 0, 0},        {"1/100001", 0, 0}, {"2.0/4", 0, 0}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        if (c.k == 0) {
            try {
                (void)Partes::Le(c.texto);
                ADD_FAILURE() << "aceitou";
            } catch (const ErroEntrada& e) {
                EXPECT_NE(std::string(e.what()).find("--parte deve ser K/N com 1 ≤ K ≤ N"), std::string::npos) << e.what();
            }
        } else {
            const TParte p = Partes::Le(c.texto);
            EXPECT_EQ(p.K, c.k);
            EXPECT_EQ(p.N, c.n);
        }
    }
}

// A single run's file with a header and `total` records, one of which spans two lines
// inside quotes, as a message with a line break would.
std::string Completo(long long total, long long inicio = 0, long long fim = -1) {
    std::string s = "\xEF\xBB\xBF" "A (m);Mensagem\r\n";
    for (long long i = inicio; i < (fim < 0 ? total : fim); ++i)
        s += std::to_string(i) + (i == 4 ? ";\"duas\r\nlinhas\"\r\n" : ";\r\n");
    return s;
}

std::vector<TArquivoParte> Divide(long long total, int n, std::uint64_t assinatura = 42,
                                  Partes::TTipoEstudo tipo = Partes::TTipoEstudo::Cronograma) {
    std::vector<TArquivoParte> r;
    for (int k = 1; k <= n; ++k) {
        const Partes::TFaixa f = Partes::Faixa(total, {k, n});
        std::string nome = std::to_string(k);
        nome.insert(0, 1, 'p').append(".csv");
        r.push_back({nome,
                     Partes::ArquivoDaParte(Completo(total, f.Inicio, f.Fim), {k, n}, total, assinatura, tipo)});
    }
    return r;
}

TEST(Partes, JuntaDevolveOArquivoUnicoEmQualquerOrdem) {
    for (long long total : {0LL, 3LL, 10LL}) {
        for (int n : {1, 2, 3, 7}) {
            SCOPED_TRACE(std::to_string(total) + " em " + std::to_string(n));
            auto partes = Divide(total, n);
            EXPECT_EQ(Partes::Junta(partes).Conteudo, Completo(total));
            EXPECT_EQ(Partes::Junta(partes).Assinatura, 42u);
            EXPECT_EQ(Partes::Junta(Divide(total, n, 7, Partes::TTipoEstudo::Incerteza)).Tipo,
                      Partes::TTipoEstudo::Incerteza);
            std::reverse(partes.begin(), partes.end());
            EXPECT_EQ(Partes::Junta(partes).Conteudo, Completo(total));
        }
    }
}

struct Ruim {
    const char* nome;
    void (*estraga)(std::vector<TArquivoParte>&);
    const char* trecho;
};

class JuntaRecusa : public testing::TestWithParam<Ruim> {};

TEST_P(JuntaRecusa, NomeandoOArquivo) {
    auto partes = Divide(10, 3);
    GetParam().estraga(partes);
    try {
        (void)Partes::Junta(partes);
        ADD_FAILURE() << "juntou";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, JuntaRecusa,
    testing::Values(
        Ruim{"Faltando", [](auto& p) { p.erase(p.begin() + 1); }, "falta a parte 2 de 3"},
        Ruim{"Repetida", [](auto& p) { p[2] = p[0]; p[2].Nome = "copia.csv"; },
             "a parte 1 de 3 foi dada duas vezes: \"p1.csv\" e \"copia.csv\""},
        Ruim{"ArquivoUnico", [](auto& p) { p[1].Conteudo = Completo(10); },
             "\"p2.csv\": não é o arquivo de uma parte de estudo"},
        Ruim{"OutroEstudo", [](auto& p) { p[2] = Divide(10, 3, 43)[2]; }, "são partes de estudos diferentes"},
        Ruim{"AmostrasDeIncerteza", [](auto& p) { p[0] = Divide(10, 3, 42, Partes::TTipoEstudo::Incerteza)[0]; },
             "são partes de estudos diferentes"},
        Ruim{"OutraDivisao", [](auto& p) { p[2] = Divide(10, 4)[3]; }, "divisões diferentes (em 4 e em 3 partes)"},
        Ruim{"Truncada", [](auto& p) { p[1].Conteudo.resize(p[1].Conteudo.size() - 5); },
             "\"p2.csv\": o arquivo termina no meio de uma linha"},
        Ruim{"SemUmaLinha",
             [](auto& p) {
                 auto& c = p[0].Conteudo;
                 c.erase(c.rfind("\r\n", c.size() - 3) + 2);
             },
             "a parte deveria ter 3 casos e tem 2"},
        Ruim{"FaixaAdulterada",
             [](auto& p) {
                 auto& c = p[1].Conteudo;
                 c.replace(c.find("casos 4 a"), 9, "casos 5 a");
             },
             "não são os da parte 2 de 3"},
        Ruim{"Nenhuma", [](auto& p) { p.clear(); }, "--junta precisa dos arquivos das partes"}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
