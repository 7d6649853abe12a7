#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "MembroTeste.h"
#include "SolverDenso.h"
#include "core/Erros.h"
#include "core/Func.h"

namespace {

enum class Tipo { Dominante, Trocas, InteirosComEmpates };

struct Caso {
    const char* nome;
    Tipo tipo;
    int n;
    unsigned semente;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

struct Sistema {
    TBanda banda;
    std::unique_ptr<denso::Matriz> matriz = std::make_unique<denso::Matriz>();
    TVetorNos b{};
    std::unique_ptr<denso::Vetor> vetor = std::make_unique<denso::Vetor>();
};

// A random tridiagonal system with its dense twin. The integer systems are made
// of blocks of four rows, each non-singular (its determinant by the three-term
// recurrence is not zero), joined only above the diagonal: the whole is
// non-singular, and equal magnitudes in a pivot column are frequent.
void Sorteia(const Caso& caso, std::mt19937& g, Sistema& s) {
    std::uniform_real_distribution<double> real(-1.0, 1.0);
    std::uniform_int_distribution<int> inteiro(-3, 3);
    const int n = caso.n;
    std::array<double, MaxNos + 2> inf{}, diag{}, sup{};
    for (int i = 1; i <= n; ++i) {
        switch (caso.tipo) {
            case Tipo::Dominante:
                inf[i] = real(g);
                sup[i] = real(g);
                diag[i] = 3.0 + real(g);
                break;
            case Tipo::Trocas:
                inf[i] = 4.0 * real(g);
                sup[i] = real(g);
                diag[i] = real(g);
                break;
            case Tipo::InteirosComEmpates:
                break;
        }
    }
    if (caso.tipo == Tipo::InteirosComEmpates) {
        for (int ini = 1; ini <= n; ini += 4) {
            const int fim = std::min(n, ini + 3);
            for (;;) {
                for (int i = ini; i <= fim; ++i) {
                    inf[i] = i == ini ? 0.0 : inteiro(g);
                    diag[i] = inteiro(g);
                    sup[i] = inteiro(g);
                }
                double detAnt = 1.0, det = diag[ini];
                for (int i = ini + 1; i <= fim; ++i) {
                    const double novo = diag[i] * det - inf[i] * sup[i - 1] * detAnt;
                    detAnt = det;
                    det = novo;
                }
                if (det != 0.0) break;
            }
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (i > 1) s.banda.Inf[i] = (*s.matriz)[i][i - 1] = inf[i];
        s.banda.Diag[i] = (*s.matriz)[i][i] = diag[i];
        if (i < n) s.banda.Sup[i] = (*s.matriz)[i][i + 1] = sup[i];
        s.b[i] = (*s.vetor)[i] = caso.tipo == Tipo::InteirosComEmpates ? inteiro(g) + 0.5 : 100.0 * real(g);
    }
}

class OraculoDenso : public testing::TestWithParam<Caso> {};

// The band solver must give the very doubles of the dense elimination.
TEST_P(OraculoDenso, MesmosBitsEMesmoMaximo) {
    const Caso& caso = GetParam();
    std::mt19937 g(caso.semente);
    denso::Contagem total;
    int comparados = 0;
    for (int repeticao = 0; repeticao < 40; ++repeticao) {
        Sistema s;
        Sorteia(caso, g, s);
        const int m = caso.n - 1;
        std::array<double, MaxNos + 2> xBanda{}, xDenso{};
        double tMaxB = repeticao % 2 ? -1e300 : 0.0, tMaxD = tMaxB;
        int noB = -7, noD = -7;
        teste::Gravador pb, pd;
        denso::Contagem c;
        try {
            denso::ResolveSistema(m, *s.matriz, xDenso.data(), *s.vetor, tMaxD, noD, pd, &c);
        } catch (...) {
        }
        bool finito = true;
        for (int i = 1; i <= caso.n; ++i) finito = finito && std::isfinite(xDenso[i]);
        if (!finito) continue;  // a singular draw: nothing to compare
        TFunc::ResolveSistema(m, s.banda, s.b, xBanda.data(), tMaxB, noB, pb);
        ++comparados;
        total.Trocas += c.Trocas;
        total.Empates += c.Empates;
        for (int i = 1; i <= caso.n; ++i) {
            ASSERT_EQ(0, std::memcmp(&xBanda[i], &xDenso[i], sizeof(double)))
                << "nó " << i << ": " << xBanda[i] << " != " << xDenso[i];
        }
        ASSERT_EQ(0, std::memcmp(&tMaxB, &tMaxD, sizeof(double)));
        ASSERT_EQ(noB, noD);
        ASSERT_EQ(pb.Barra, pd.Barra);
    }
    EXPECT_GT(comparados, 20);
    if (caso.tipo == Tipo::Dominante) {
        EXPECT_EQ(total.Trocas, 0);
    } else {
        EXPECT_GT(total.Trocas, 0);
    }
    if (caso.tipo == Tipo::InteirosComEmpates) {
        EXPECT_GT(total.Empates, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tridiagonais, OraculoDenso,
    testing::Values(Caso{"dominante_2", Tipo::Dominante, 2, 1}, Caso{"dominante_13", Tipo::Dominante, 13, 2},
                    Caso{"dominante_300", Tipo::Dominante, 300, 3}, Caso{"trocas_2", Tipo::Trocas, 2, 4},
                    Caso{"trocas_3", Tipo::Trocas, 3, 5}, Caso{"trocas_57", Tipo::Trocas, 57, 6},
                    Caso{"trocas_300", Tipo::Trocas, 300, 7}, Caso{"empates_5", Tipo::InteirosComEmpates, 5, 8},
                    Caso{"empates_40", Tipo::InteirosComEmpates, 40, 9},
                    Caso{"empates_300", Tipo::InteirosComEmpates, 300, 10}),
    [](const testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(ResolveSistema, DoisNosUmaEliminacaoEUmaRetrosubstituicao) {
    TBanda A;
    A.Diag[1] = 2.0;
    A.Sup[1] = 1.0;
    A.Inf[2] = 1.0;
    A.Diag[2] = 2.0;
    TVetorNos b{};
    b[1] = 3.0;
    b[2] = 3.0;
    std::array<double, 4> x{};
    double tMax = 0.0;
    int no = 0;
    teste::Gravador p;
    TFunc::ResolveSistema(1, A, b, x.data(), tMax, no, p);
    EXPECT_EQ(p.Barra, (std::vector<int>{1, 2}));
    EXPECT_EQ(p.Textos, (std::vector<std::string>{"Resolvendo Sistema Linear ...", "Fazendo Retrosubstituição..."}));
    EXPECT_EQ(p.Repinturas, 2);
    // Equal solutions: the node found first, the top one, holds the maximum.
    EXPECT_EQ(x[1], 1.0);
    EXPECT_EQ(x[2], 1.0);
    EXPECT_EQ(tMax, 1.0);
    EXPECT_EQ(no, 2);
}

TEST(ResolveSistema, MaximoAnteriorMaiorFicaIntacto) {
    TBanda A;
    for (int i = 1; i <= 3; ++i) A.Diag[i] = 1.0;
    TVetorNos b{};
    b[1] = 5.0;
    b[2] = 9.0;
    b[3] = 7.0;
    std::array<double, 5> x{};
    double tMax = 50.0;
    int no = 42;
    teste::Gravador p;
    TFunc::ResolveSistema(2, A, b, x.data(), tMax, no, p);
    EXPECT_EQ(tMax, 50.0);
    EXPECT_EQ(no, 42);
    tMax = 0.0;
    TFunc::ResolveSistema(2, A, b, x.data(), tMax, no, p);
    EXPECT_EQ(tMax, 9.0);
    EXPECT_EQ(no, 2);
}

TEST(ResolveSistema, PivoNuloEhErroENaoTocaASolucao) {
    TBanda A;  // all zero
    TVetorNos b{};
    b[1] = 1.0;
    std::array<double, 4> x{0.0, 11.0, 12.0, 0.0};
    double tMax = 0.0;
    int no = 0;
    teste::Gravador p;
    try {
        TFunc::ResolveSistema(1, A, b, x.data(), tMax, no, p);
        FAIL() << "sem erro";
    } catch (const ErroCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("pivô nulo na linha 1"), std::string::npos) << e.what();
    }
    EXPECT_EQ(x[1], 11.0);
    EXPECT_EQ(x[2], 12.0);
    EXPECT_EQ(tMax, 0.0);
}

}  // namespace
