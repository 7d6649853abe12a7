// The heat parameters from the mix. No published worked example with these models'
// inputs and outputs was at hand, so the references are worked by hand from the
// equations (Schindler and Folliard, ACI Materials Journal 2005) outside the program.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Erros.h"
#include "core/Maturidade.h"
#include "mistura/Cimentos.h"
#include "mistura/Hidratacao.h"

namespace {

TDosagem Mistura(const std::string& cimento, double escoria, double pozolana, double caoPozolana, double ac) {
    TDosagem d;
    d.Cimento = Cimentos::Tipico(cimento)->Cimento;
    d.Escoria = escoria;
    d.Pozolana = pozolana;
    d.CaOPozolana = caoPozolana;
    d.Aglomerante = 350.0;
    d.AguaAglomerante = ac;
    return d;
}

// Cement presets × supplementary materials added at the plant, w/b 0,5.
struct CasoMistura {
    const char* cimento;
    double escoria, pozolana, caoPozolana;  // % of binder
    double hu, alfaU, tau, beta, ea;        // J/g, -, h, -, J/mol (worked by hand)
};

class CalorDaMistura : public testing::TestWithParam<CasoMistura> {};

TEST_P(CalorDaMistura, ParametrosDasEquacoesPublicadas) {
    const CasoMistura& c = GetParam();
    const Hidratacao::TParametros p = Hidratacao::Calcula(Mistura(c.cimento, c.escoria, c.pozolana, c.caoPozolana, 0.5));
    EXPECT_NEAR(p.Hu, c.hu, 5e-6);
    EXPECT_NEAR(p.AlfaU, c.alfaU, 5e-7);
    EXPECT_NEAR(p.Tau, c.tau, 5e-6);
    EXPECT_NEAR(p.Beta, c.beta, 5e-7);
    EXPECT_NEAR(p.Ea, c.ea, 5e-3);
    EXPECT_DOUBLE_EQ(p.QTotal, p.Hu * 1000.0 * 350.0);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, CalorDaMistura,
    testing::Values(CasoMistura{"CP I", 0, 0, 0, 498.800000, 0.742795, 30.457720, 0.429607, 44755.45},
                    CasoMistura{"CP I", 30, 0, 0, 487.460000, 0.832795, 58.699987, 0.353814, 50126.11},
                    CasoMistura{"CP I", 0, 25, 12, 428.100000, 0.867795, 40.501520, 0.429607, 36531.64},
                    CasoMistura{"CP II-E", 0, 0, 0, 464.410000, 0.817795, 52.619644, 0.365447, 49231.00},
                    CasoMistura{"CP II-E", 30, 0, 0, 463.387000, 0.885295, 86.070308, 0.315938, 53258.99},
                    CasoMistura{"CP II-E", 0, 25, 12, 402.307500, 0.924045, 61.032225, 0.380527, 39888.30},
                    CasoMistura{"CP III", 0, 0, 0, 451.180000, 0.922795, 104.383582, 0.276200, 57475.22},
                    CasoMistura{"CP III", 30, 0, 0, 454.126000, 0.958795, 135.708934, 0.255567, 59700.06},
                    // w/b 0,5 with 70 % slag and pozzolan passes complete hydration: αu stops at 1.
                    CasoMistura{"CP III", 0, 25, 12, 392.385000, 1.000000, 99.985223, 0.304349, 46177.17},
                    CasoMistura{"CP IV", 0, 0, 0, 318.180000, 0.917795, 30.468820, 0.402114, 30847.55},
                    CasoMistura{"CP IV", 30, 0, 0, 361.026000, 0.955295, 56.990175, 0.331172, 41221.69},
                    CasoMistura{"CP IV", 0, 25, 12, 292.635000, 0.999045, 39.518400, 0.402114, 26231.81},
                    CasoMistura{"CP V-ARI", 0, 0, 0, 490.676900, 0.742795, 22.950797, 0.411365, 49239.58},
                    CasoMistura{"CP V-ARI", 30, 0, 0, 481.773830, 0.832795, 44.232184, 0.338790, 55148.33},
                    CasoMistura{"CP V-ARI", 0, 25, 12, 422.007675, 0.867795, 30.519099, 0.411365, 40191.81}));

// The correlation's range for a plain cement: w/c 0,40 to 0,60 gives αu from 0,69 to 0,78.
TEST(CalorDaMistura, AlfaUDaRelacaoAguaCimento) {
    EXPECT_NEAR(Hidratacao::Calcula(Mistura("CP I", 0, 0, 0, 0.40)).AlfaU, 0.694276, 5e-7);
    EXPECT_NEAR(Hidratacao::Calcula(Mistura("CP I", 0, 0, 0, 0.60)).AlfaU, 0.779093, 5e-7);
}

// The binder of every preset with every plant addition adds up to the whole, and
// the slag and pozzolan of the cement count as the binder's.
TEST(CalorDaMistura, FracoesSomamOAglomerante) {
    for (const Cimentos::TPreset& p : Cimentos::Tipicos()) {
        for (double escoria : {0.0, 20.0, 50.0}) {
            for (double silica : {0.0, 8.0}) {
                TDosagem d = Mistura(p.Cimento.Nome, escoria, 10.0, 8.0, 0.5);
                d.Silica = silica;
                d.Filer = 5.0;
                const Hidratacao::TFracoes f = Hidratacao::Fracoes(d);
                EXPECT_NEAR(f.Cimento + f.Escoria + f.Pozolana + f.Silica + f.Filer, 1.0, 1e-14) << p.Cimento.Nome;
                const double cimento = 1.0 - (escoria + 10.0 + silica + 5.0) / 100.0;
                EXPECT_NEAR(f.Escoria, escoria / 100.0 + cimento * p.Cimento.Escoria / 100.0, 1e-14);
                EXPECT_GT(f.CaOPozolana, 0.0);
                EXPECT_LE(f.CaOPozolana, 0.08 + 1e-15);
            }
        }
    }
}

// The record takes C·E as the heat at complete hydration: the maturity curve of the
// layer is αu·Hu·(binder content)·exp(−(τ/te)^β).
TEST(CalorDaMistura, RegistroDaCamadaLevaOCalorTotal) {
    const TDosagem d = Mistura("CP III", 0, 0, 0, 0.45);
    const Hidratacao::TParametros p = Hidratacao::Calcula(d);
    TCalorInterno c;
    c.N = 1.5;  // the age-only curve's own shape stays
    Hidratacao::Aplica(p, d, false, c);
    EXPECT_TRUE(c.Maturidade);
    EXPECT_EQ(c.N, 1.5);
    EXPECT_EQ(c.C, 350.0);
    EXPECT_DOUBLE_EQ(c.TRef, 21.1);
    EXPECT_NEAR(Maturidade::CalorCurva(c, 10.0 * p.Tau), p.AlfaU * p.QTotal * std::exp(-std::pow(0.1, p.Beta)),
                1e-9 * p.QTotal);
    EXPECT_NEAR(Maturidade::CalorCurva(c, p.Tau), p.AlfaU * p.QTotal * std::exp(-1.0), 1e-9 * p.QTotal);

    // With the calorimeter table the curve is the table's: only Arrhenius changes.
    TCalorInterno t;
    Hidratacao::Aplica(p, d, true, t);
    EXPECT_EQ(t.C, 0.0);
    EXPECT_EQ(t.AlfaU, TCalorInterno{}.AlfaU);
    EXPECT_EQ(t.EnergiaAtivacao, p.Ea);
}

struct CasoRecusa {
    const char* nome;
    void (*altera)(TDosagem&);
    const char* trecho;
};

class MisturaRecusada : public testing::TestWithParam<CasoRecusa> {};

TEST_P(MisturaRecusada, NomeiaOQueFalta) {
    TDosagem d = Mistura("CP I", 0, 0, 0, 0.5);
    GetParam().altera(d);
    try {
        Hidratacao::Calcula(d);
        FAIL() << "aceitou";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, MisturaRecusada,
    testing::Values(CasoRecusa{"SemAglomerante", [](TDosagem& d) { d.Aglomerante = 0; }, "consumo de aglomerante"},
                    CasoRecusa{"SemAgua", [](TDosagem& d) { d.AguaAglomerante = 0; }, "água/aglomerante"},
                    CasoRecusa{"SoAdicoes", [](TDosagem& d) { d.Escoria = 60; d.Silica = 40; }, "não sobra cimento"},
                    CasoRecusa{"CimentoSoAdicao", [](TDosagem& d) { d.Cimento.Escoria = 100; }, "adições do cimento"},
                    CasoRecusa{"SemC3A", [](TDosagem& d) { d.Cimento.C3A = 0; }, "C3A"},
                    CasoRecusa{"SemSO3", [](TDosagem& d) { d.Cimento.SO3 = 0; }, "SO3"},
                    CasoRecusa{"SemFinura", [](TDosagem& d) { d.Cimento.Blaine = 0; }, "Blaine"}),
    [](const testing::TestParamInfo<CasoRecusa>& i) { return std::string(i.param.nome); });

struct CasoAviso {
    const char* nome;
    void (*altera)(TDosagem&);
    const char* trecho;  // nullptr: no warning
};

class FaixaCalibrada : public testing::TestWithParam<CasoAviso> {};

TEST_P(FaixaCalibrada, AvisaForaDaFaixa) {
    TDosagem d = Mistura("CP I", 0, 0, 0, 0.5);
    GetParam().altera(d);
    const auto avisos = Hidratacao::Avisos(d);
    if (!GetParam().trecho) {
        EXPECT_TRUE(avisos.empty()) << avisos.front();
        return;
    }
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_NE(avisos[0].find(GetParam().trecho), std::string::npos) << avisos[0];
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FaixaCalibrada,
    testing::Values(CasoAviso{"Dentro", [](TDosagem&) {}, nullptr},
                    CasoAviso{"NoLimite", [](TDosagem& d) { d.AguaAglomerante = 0.40; d.Escoria = 70; }, nullptr},
                    CasoAviso{"AguaBaixa", [](TDosagem& d) { d.AguaAglomerante = 0.35; }, "água/aglomerante = 0,35"},
                    CasoAviso{"AguaAlta", [](TDosagem& d) { d.AguaAglomerante = 0.65; }, "(0,4 a 0,6)"},
                    CasoAviso{"EscoriaDoCimentoEDaCentral", [](TDosagem& d) { d.Cimento.Escoria = 60; d.Escoria = 30; },
                              "escória no aglomerante = 72 %"},
                    CasoAviso{"FinuraAlta", [](TDosagem& d) { d.Cimento.Blaine = 650; }, "finura Blaine = 650 m²/kg"},
                    CasoAviso{"C3ABaixo", [](TDosagem& d) { d.Cimento.C3A = 1.5; }, "C3A do cimento = 1,5 %"},
                    CasoAviso{"PozolanaCalcica", [](TDosagem& d) { d.Pozolana = 20; d.CaOPozolana = 35; }, "CaO da pozolana"},
                    CasoAviso{"Silica", [](TDosagem& d) { d.Silica = 8; }, "sílica ativa = 8 %"},
                    CasoAviso{"Filer", [](TDosagem& d) { d.Filer = 10; }, "fíler = 10 %"}),
    [](const testing::TestParamInfo<CasoAviso>& i) { return std::string(i.param.nome); });

}  // namespace
