// The text table keeps its cells in place of strings; it must behave as a grid of
// std::string would (the oracle here) under any sequence of writes, appends,
// resizes, copies and clears, short and long texts alike.
#include "core/TabelaTexto.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/Numeros.h"

namespace {

// The grid of strings the table replaces.
struct Grade {
    int colunas = 0, linhas = 0;
    std::vector<std::string> celulas;
    std::string& operator()(int c, int r) { return celulas[static_cast<std::size_t>(r * colunas + c)]; }
    void Redimensiona(int c, int l) {
        Grade nova{c, l, std::vector<std::string>(static_cast<std::size_t>(c * l))};
        for (int r = 0; r < std::min(l, linhas); ++r)
            for (int k = 0; k < std::min(c, colunas); ++k) nova(k, r) = (*this)(k, r);
        *this = std::move(nova);
    }
};

::testing::AssertionResult Iguais(const TabelaTexto& t, Grade& g) {
    if (t.Colunas() != g.colunas || t.Linhas() != g.linhas)
        return ::testing::AssertionFailure() << t.Colunas() << "×" << t.Linhas() << " em vez de " << g.colunas << "×"
                                             << g.linhas;
    for (int r = 0; r < g.linhas; ++r)
        for (int c = 0; c < g.colunas; ++c)
            if (std::string_view(t.Celula(c, r)) != g(c, r))
                return ::testing::AssertionFailure()
                       << "(" << c << "," << r << ") \"" << t.Celula(c, r) << "\" em vez de \"" << g(c, r) << "\"";
    return ::testing::AssertionSuccess();
}

// Texts at and around the 15 bytes a cell holds in place, a header with a
// two-byte character, and a long message.
const std::vector<std::string> Textos = {
    "",  "1", "  25,31", "-1234,5678", "    Nó 300", "123456789012345", "1234567890123456",
    "    Nó 300 e mais", std::string(40, 'x'), std::string("a\0b", 3), "A Temperatura Máxima de  41,24 Celcius"};

struct Sequencia { const char* nome; unsigned semente; int passos; };

class TabelaComoGrade : public ::testing::TestWithParam<Sequencia> {};

TEST_P(TabelaComoGrade, OperacoesAleatorias) {
    std::mt19937 g(GetParam().semente);
    auto sorteia = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(g); };
    TabelaTexto t(3, 4);
    Grade ref{3, 4, std::vector<std::string>(12)};
    for (int passo = 0; passo < GetParam().passos; ++passo) {
        const int op = sorteia(10);
        const bool temCelula = ref.colunas > 0 && ref.linhas > 0;
        const int c = temCelula ? sorteia(ref.colunas) : 0;
        const int r = temCelula ? sorteia(ref.linhas) : 0;
        const std::string& texto = Textos[static_cast<std::size_t>(sorteia(static_cast<int>(Textos.size())))];
        if (op <= 2 && temCelula) {
            t.Celula(c, r) = texto;
            ref(c, r) = texto;
        } else if (op == 3 && temCelula) {
            t.Celula(c, r).append(texto);
            ref(c, r).append(texto);
        } else if (op == 4 && temCelula) {
            const double v = std::uniform_real_distribution<double>(-1e6, 1e6)(g);
            t.AcrescentaFixo(c, r, v, 7, 4);
            Numeros::AcrescentaFixo(ref(c, r), v, 7, 4);
        } else if (op == 5 && temCelula) {
            // One cell copied onto another, itself included.
            const int c2 = sorteia(ref.colunas), r2 = sorteia(ref.linhas);
            t.Celula(c, r) = t.Celula(c2, r2);
            ref(c, r) = std::string(ref(c2, r2));
        } else if (op == 6) {
            const int nc = sorteia(6), nl = sorteia(6);
            t.Redimensiona(nc, nl);
            ref.Redimensiona(nc, nl);
        } else if (op == 7 && passo % 5 == 0) {
            t.Limpa();
            for (auto& s : ref.celulas) s.clear();
        } else if (op == 8) {
            TabelaTexto copia(t);
            t = TabelaTexto();
            t = copia;
            ASSERT_TRUE(Iguais(copia, ref)) << "cópia, passo " << passo;
        } else if (op == 9) {
            TabelaTexto movida(std::move(t));
            EXPECT_EQ(t.Colunas() * t.Linhas(), 0);
            t = std::move(movida);
        }
        ASSERT_TRUE(Iguais(t, ref)) << "passo " << passo << ", operação " << op;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, TabelaComoGrade,
                         ::testing::Values(Sequencia{"Curta", 1, 200}, Sequencia{"Longa", 2, 3000},
                                           Sequencia{"OutraSemente", 77, 3000}),
                         [](const auto& i) { return std::string(i.param.nome); });

struct CasoFixo { double valor; int largura, decimais; const char* antes; };

class FixoNaCelula : public ::testing::TestWithParam<CasoFixo> {};

// What the drivers append to a cell is what Numeros appends to a string, at any
// width (beyond the buffer's too) and after any text already there.
TEST_P(FixoNaCelula, ComoNumaString) {
    const CasoFixo& c = GetParam();
    TabelaTexto t(1, 1);
    t.Celula(0, 0) = c.antes;
    t.AcrescentaFixo(0, 0, c.valor, c.largura, c.decimais);
    std::string esperado = c.antes;
    Numeros::AcrescentaFixo(esperado, c.valor, c.largura, c.decimais);
    EXPECT_EQ(t.Celula(0, 0), esperado);
    t.DefineFixo(0, 0, c.valor, c.largura, c.decimais);
    EXPECT_EQ(t.Celula(0, 0), Numeros::FormataFixo(c.valor, c.largura, c.decimais));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FixoNaCelula,
    ::testing::Values(CasoFixo{25.314, 7, 2, ""}, CasoFixo{-0.0, 7, 4, ""}, CasoFixo{1e300, 7, 2, ""},
                      CasoFixo{3.5, 120, 2, ""}, CasoFixo{3.5, 100, 2, "x"}, CasoFixo{-12.5, 7, 4, "123456789"},
                      CasoFixo{0.125, 0, 2, "    Nó 300 e"}, CasoFixo{1234567.891, 7, 12, ""}));

}  // namespace
