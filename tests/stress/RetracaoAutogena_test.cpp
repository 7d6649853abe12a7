// Autogenous shrinkage in the stresses: the strain of the standard against values worked
// by hand, its clock, and the stress it gives under full restraint.
#include "stress/RetracaoAutogena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "ModeloTensional.h"
#include "core/Maturidade.h"
#include "core/Numeros.h"
#include "stress/ProcTensional.h"

namespace {

// εca(t) = (1 − exp(−0,2·√t))·2,5·(fck − 10)·10⁻⁶.
struct CasoDeformacao {
    double fck, dias, esperado;
};
class DeformacaoAutogena : public testing::TestWithParam<CasoDeformacao> {};

TEST_P(DeformacaoAutogena, DaNorma) {
    const CasoDeformacao& c = GetParam();
    EXPECT_NEAR(RetracaoAutogena::Deformacao(c.fck, c.dias), c.esperado, 5e-12);  // half the last digit given
}

INSTANTIATE_TEST_SUITE_P(Tabela, DeformacaoAutogena,
                         testing::Values(CasoDeformacao{20, 1, 4.531731e-06}, CasoDeformacao{20, 28, 1.632387e-05},
                                         // C30 to C50 by 7 days: about 20 to 40 µε.
                                         CasoDeformacao{30, 7, 2.054473e-05}, CasoDeformacao{40, 7, 3.081710e-05},
                                         CasoDeformacao{50, 7, 4.108947e-05}, CasoDeformacao{50, 28, 6.529549e-05},
                                         CasoDeformacao{30, 0, 0.0}, CasoDeformacao{30, -1, 0.0}));

TEST(DeformacaoAutogena, TendeAoValorFinal) {
    EXPECT_DOUBLE_EQ(RetracaoAutogena::Final(30), 50e-6);
    EXPECT_NEAR(RetracaoAutogena::Deformacao(30, 1e6), 50e-6, 1e-15);
}

// fib Model Code 2010: εcbs(t) = (1 − exp(−0,2·√t))·αbs·((fcm/10)/(6 + fcm/10))^2,5·10⁻⁶,
// fcm = fck + 8; worked by hand for the three values of αbs and several strengths.
struct CasoFib {
    double fck;
    TClasseCimento classe;
    double dias, final, esperado;
};
class DeformacaoFib : public testing::TestWithParam<CasoFib> {};

TEST_P(DeformacaoFib, DoModelCode) {
    const CasoFib& c = GetParam();
    TRetracaoAutogena r;
    r.Fck = c.fck;
    r.Modelo = TModeloRetracao::FibMC2010;
    r.Classe = c.classe;
    // Half the last of the seven digits given.
    EXPECT_NEAR(RetracaoAutogena::FinalFib(c.fck + 8.0, c.classe), c.final, 5e-7 * c.final);
    EXPECT_NEAR(RetracaoAutogena::Deformacao(r, c.dias), c.esperado, 5e-7 * c.esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, DeformacaoFib,
                         testing::Values(CasoFib{30, TClasseCimento::C325N, 7, 7.490034e-05, 3.077615e-05},
                                         CasoFib{30, TClasseCimento::C425N, 7, 6.553780e-05, 2.692913e-05},
                                         CasoFib{30, TClasseCimento::C425R, 7, 5.617526e-05, 2.308211e-05},
                                         CasoFib{40, TClasseCimento::C425R, 7, 7.901235e-05, 3.246575e-05},
                                         CasoFib{50, TClasseCimento::C525R, 28, 1.016287e-04, 6.635893e-05},
                                         CasoFib{20, TClasseCimento::C325R, 1, 3.997481e-05, 7.246204e-06},
                                         CasoFib{50, TClasseCimento::C325N, 28, 1.355049e-04, 8.847858e-05},
                                         CasoFib{30, TClasseCimento::C525N, 0, 5.617526e-05, 0.0}));

using ModeloTensional::Membro;
using ModeloTensional::Temperaturas;

class SemProgresso : public Progresso {};

// Full restraint, a constant compliance J = 1/E (Bureau with E(t0) = 1/b and no creep)
// and no thermal strain: σ(t) = −E·εca(t) to the printed digit, on the layer's age, or
// on the equivalent age when its heat follows the maturity.
struct CasoTensao {
    double fck;
    bool maturidade;
    double temperatura;  // °C, constant
    TModeloRetracao modelo = TModeloRetracao::EN1992;
    TClasseCimento classe = TClasseCimento::C425N;
};
class TensaoAutogena : public testing::TestWithParam<CasoTensao> {};

TEST_P(TensaoAutogena, RestricaoTotalDaMenosEEpsilon) {
    const CasoTensao& c = GetParam();
    auto d = Membro({0}, 2, 200);
    d->EBureauA = 0.0;
    d->EBureauB = 1.0 / 30.0;  // GPa: E = 30 000 MPa at every age
    d->FBureauA = 0.0;
    d->FBureauB = 0.0;
    d->Camadas[1].Alfa = 0.0;  // the shrinkage alone
    d->RetracaoAutogena[1].Fck = c.fck;
    d->RetracaoAutogena[1].Modelo = c.modelo;
    d->RetracaoAutogena[1].Classe = c.classe;
    const TRetracaoAutogena escolha = d->RetracaoAutogena[1];
    d->CalorCamadas[1].Maturidade = c.maturidade;
    auto temp = Temperaturas(*d, [&](int, int) { return c.temperatura; });
    TabelaTexto tens;
    SemProgresso p;
    const auto r = TProcTensional::ProcessaTensional(*d, temp, tens, p);
    ASSERT_TRUE(r.Completo);
    const double f = c.maturidade ? Maturidade::FatorArrhenius(40000.0, 21.1, (20.0 + c.temperatura) / 2.0) : 1.0;
    const double g = c.maturidade ? Maturidade::FatorArrhenius(40000.0, 21.1, c.temperatura) : 1.0;
    for (int h : {1, 24, 168, 200}) {
        // The first hour of the equivalent clock runs at the mean of placement and node.
        const double esperado = -30000.0 * RetracaoAutogena::Deformacao(escolha, (f + (h - 1) * g) / 24.0);
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(tens.Celula(n, h), Numeros::FormataFixo(esperado, 7, 4)) << h << " " << n;
    }
    // The largest tension is the last hour's.
    EXPECT_NEAR(d->TracaoMaxima, -30000.0 * RetracaoAutogena::Deformacao(escolha, (f + 199 * g) / 24.0), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tabela, TensaoAutogena,
                         testing::Values(CasoTensao{30, false, 20.0}, CasoTensao{50, false, 35.0},
                                         CasoTensao{30, true, 20.0}, CasoTensao{40, true, 45.0},
                                         CasoTensao{30, false, 20.0, TModeloRetracao::FibMC2010, TClasseCimento::C325N},
                                         CasoTensao{50, true, 40.0, TModeloRetracao::FibMC2010, TClasseCimento::C525R}));

// The analysis is linear in the imposed strain: the stresses of the thermal and the
// autogenous strain together are the thermal stresses plus those of the shrinkage alone
// (α = 0), node by node and hour by hour, to the printed digit (each table is rounded).
struct CasoSuperposicao {
    const char* nome;
    TModeloFluencia fluencia;
    bool restricaoACI;
    bool maturidade;  // heat by maturity: the shrinkage on the equivalent age
    TModeloRetracao modelo;
};
class SuperposicaoAutogena : public testing::TestWithParam<CasoSuperposicao> {};

TEST_P(SuperposicaoAutogena, SomaDasPartes) {
    const CasoSuperposicao& c = GetParam();
    auto base = Membro({0, 24}, 2, 150);
    base->ModeloFluencia = c.fluencia;
    base->RestricaoACI = c.restricaoACI;
    base->ComprimentoRestricao = 20.0;
    base->AlturaRestricao = 2.0;
    for (int l = 1; l <= 2; ++l) base->CalorCamadas[static_cast<std::size_t>(l)].Maturidade = c.maturidade;
    const HistoricoNumerico temp = HistoricoNumerico::DoTexto(
        Temperaturas(*base, [](int n, int h) { return 20.0 + 0.2 * n * std::min(h, 30) - 0.05 * std::max(h - 30, 0); }), 2);
    for (int l = 1; l <= 2; ++l) {
        TRetracaoAutogena& r = base->RetracaoAutogena[l];
        r.Fck = 25.0 + 10.0 * l;
        r.Modelo = c.modelo;
        r.Classe = TClasseCimento::C425R;
    }
    auto termica = std::make_unique<TDadosModelo>(*base);
    termica->RetracaoAutogena.clear();
    auto autogena = std::make_unique<TDadosModelo>(*base);
    for (int l = 1; l <= 2; ++l) autogena->Camadas[l].Alfa = 0.0;
    SemProgresso p;
    HistoricoNumerico total, soT, soA;
    ASSERT_TRUE(TProcTensional::ProcessaTensional(*base, temp, total, p).Completo);
    ASSERT_TRUE(TProcTensional::ProcessaTensional(*termica, temp, soT, p).Completo);
    ASSERT_TRUE(TProcTensional::ProcessaTensional(*autogena, temp, soA, p).Completo);
    ASSERT_EQ(total.Linhas(), soT.Linhas());
    int comparadas = 0;
    bool autogenaPesa = false;
    for (int r = 1; r < total.Linhas(); ++r) {
        for (int n = 1; n < total.Colunas(); ++n) {
            if (total.Vazia(n, r)) continue;
            ASSERT_FALSE(soT.Vazia(n, r) || soA.Vazia(n, r)) << n << " " << r;
            // Two roundings to 0,0001 MPa: the sum within a unit of the last digit.
            EXPECT_NEAR(total.Valor(n, r), soT.Valor(n, r) + soA.Valor(n, r), 1.0001e-4) << n << " " << r;
            autogenaPesa = autogenaPesa || std::abs(soA.Valor(n, r)) > 0.01;
            ++comparadas;
        }
    }
    EXPECT_GT(comparadas, 100);
    EXPECT_TRUE(autogenaPesa);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, SuperposicaoAutogena,
    testing::Values(CasoSuperposicao{"BureauLivre", TModeloFluencia::Bureau, false, false, TModeloRetracao::EN1992},
                    CasoSuperposicao{"BureauACI", TModeloFluencia::Bureau, true, false, TModeloRetracao::FibMC2010},
                    CasoSuperposicao{"BureauMaturidade", TModeloFluencia::Bureau, false, true, TModeloRetracao::EN1992},
                    CasoSuperposicao{"CEB", TModeloFluencia::CEB1990, true, true, TModeloRetracao::FibMC2010},
                    CasoSuperposicao{"ACI209", TModeloFluencia::ACI209, false, false, TModeloRetracao::FibMC2010}),
    [](const testing::TestParamInfo<CasoSuperposicao>& i) { return std::string(i.param.nome); });

// The shrinkage adds to the thermal strain of its layer only: the nodes of the layer
// below keep their stresses to the digit, those of the layer that has it go to tension.
TEST(TensaoAutogena, SoNaCamadaQueATem) {
    auto base = Membro({0, 24}, 2, 120);
    auto temp = Temperaturas(*base, [](int n, int h) { return 20.0 + 0.1 * n * std::min(h, 40); });
    auto d = std::make_unique<TDadosModelo>(*base);
    d->RetracaoAutogena[2].Fck = 40;
    TabelaTexto semRetracao, comRetracao;
    SemProgresso p;
    TProcTensional::ProcessaTensional(*base, temp, semRetracao, p);
    TProcTensional::ProcessaTensional(*d, temp, comRetracao, p);
    ASSERT_EQ(comRetracao.Linhas(), semRetracao.Linhas());
    for (int r = 1; r < semRetracao.Linhas(); ++r) {
        for (int n = 1; n <= 2; ++n) EXPECT_EQ(comRetracao.Celula(n, r), semRetracao.Celula(n, r)) << n << " " << r;
        if (r > 30) {
            EXPECT_LT(Numeros::TextoParaReal(comRetracao.Celula(5, r)), Numeros::TextoParaReal(semRetracao.Celula(5, r)))
                << r;
        }
    }
    EXPECT_LT(d->TracaoMaxima, base->TracaoMaxima);
}

}  // namespace
