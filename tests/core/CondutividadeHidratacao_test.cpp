// The conductivity that follows the hydration in the consistent formulation:
// k(α) = k·(1,33 − 0,33·α), α = αu·exp(−(τ/te)^β) (Schindler 2002), against values
// worked apart, against the same change made in the data, in the file and in what is
// refused.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "MembroTeste.h"
#include "core/Erros.h"
#include "core/Func.h"
#include "core/Maturidade.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "core/TabelaTexto.h"

namespace {

// A block of `camadas` layers of 3 elements with the maturity heat of a common cement
// (330 kg/m³, 107 cal/g, αu 0,75, τ 20 h, β 0,9) in the consistent formulation,
// exchanging with air at 20 °C on both faces.
std::unique_ptr<TDadosModelo> Bloco(int camadas = 1) {
    auto d = teste::Membro(camadas, 3, 0, 24, 96);
    d->Formulacao = TFormulacao::Consistente;
    d->BetaInf = 10.0 * 3600.0;
    d->BetaSup = 10.0 * 3600.0;
    d->Camadas[1].TInicial = 25.0;
    for (int L = 1; L <= camadas; ++L) {
        TCalorInterno& c = d->CalorCamadas[L];
        c = TCalorInterno{};
        c.Maturidade = true;
        c.C = 330.0;
        c.E = 107.0;
    }
    return d;
}

// Every node's temperature at the end of every step, unrounded.
class Temperaturas final : public ObservadorPasso {
public:
    std::vector<double> Valores;
    void Resolvido(const TDadosModelo&, const TTrabalhoTermico&) override {}
    void Passo(const TDadosModelo& d, const TTrabalhoTermico&) override {
        for (int i = 1; i <= d.NElemAtivos + 1; ++i) Valores.push_back(d.Temperaturas[static_cast<std::size_t>(i)]);
    }
};

std::vector<double> Roda(TDadosModelo& d, ObservadorPasso* observador = nullptr) {
    TabelaTexto t;
    teste::Gravador p;
    Temperaturas temperaturas;
    EXPECT_TRUE(TProcesso::ProcessaTransiente(d, t, p, nullptr, observador ? observador : &temperaturas).Completo);
    return temperaturas.Valores;
}

// Worked with a pocket calculator from αu 0,75, τ 20 h, β 0,9.
TEST(CondutividadeHidratacao, FatorContraValoresCalculadosAParte) {
    TCalorInterno c;
    c.AlfaU = 0.75;
    c.Tau = 20.0;
    c.BetaHid = 0.9;
    const struct {
        double te, fator;
    } casos[] = {{-1.0, 1.33}, {0.0, 1.33}, {5.0, 1.3223919391085}, {20.0, 1.2389498383101},
                 {100.0, 1.1343188021505}, {1e300, 1.0825}};
    for (const auto& k : casos) EXPECT_NEAR(Maturidade::FatorCondutividade(c, k.te), k.fator, 1e-12) << k.te;
}

// While no element has hydrated (τ so long that α stays 0), the run is the one with
// every maturity layer's k times 1,33 typed in; a layer without maturity keeps its k.
TEST(CondutividadeHidratacao, SemHidratarEAMesmaQueKVezes133) {
    for (const bool segundaSemMaturidade : {false, true}) {
        auto ligada = Bloco(2);
        for (int L = 1; L <= 2; ++L) ligada->CalorCamadas[L].Tau = 1e300;
        if (segundaSemMaturidade) ligada->CalorCamadas[2].Maturidade = false;
        auto digitada = std::make_unique<TDadosModelo>(*ligada);
        ligada->CondutividadeHidratacao = true;
        for (int L = 1; L <= 2; ++L)
            if (digitada->CalorCamadas[L].Maturidade) digitada->Camadas[L].K *= 1.33;
        const std::vector<double> a = Roda(*ligada), b = Roda(*digitada);
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(a, b) << segundaSemMaturidade;
    }
}

// In every step, the conductance of each element is k·(1,33 − 0,33·α)/Δx at the age
// the element starts the step from (the age the step before reached), falling as the
// element hydrates.
class Condutancias final : public ObservadorPasso {
public:
    double MaiorDesvio = 0.0, UltimoFator = 2.0;
    bool Cresceu = false;
    int Passos = 0;
    std::vector<double> Inicio = std::vector<double>(MaxElementos + 1, 0.0);
    void Resolvido(const TDadosModelo& d, const TTrabalhoTermico& w) override {
        ++Passos;
        for (int e = 1; e <= d.NElemAtivos; ++e) {
            const auto i = static_cast<std::size_t>(e);
            const double te = Inicio[i];
            const double alfa = te > 0.0 ? 0.75 * std::exp(-std::pow(20.0 / te, 0.9)) : 0.0;
            const double esperado = -2.0 * (1.33 - 0.33 * alfa) / (1.0 / 3.0);
            MaiorDesvio = std::max(MaiorDesvio, std::fabs(w.K.Sup[i] / esperado - 1.0));
            Inicio[i] = w.Maturidade.Idade[i];
        }
        const double fator = -w.K.Sup[2] * (1.0 / 3.0) / 2.0;
        Cresceu = Cresceu || fator > UltimoFator;
        UltimoFator = fator;
    }
    void Passo(const TDadosModelo&, const TTrabalhoTermico&) override {}
};

TEST(CondutividadeHidratacao, CondutanciaSegueOGrauDaIdadeDoElemento) {
    auto d = Bloco();
    d->CondutividadeHidratacao = true;
    Condutancias c;
    Roda(*d, &c);
    EXPECT_EQ(c.Passos, 96);
    EXPECT_LT(c.MaiorDesvio, 1e-14);
    EXPECT_FALSE(c.Cresceu);
    EXPECT_LT(c.UltimoFator, 1.33 - 0.33 * 0.5);  // well into the hydration after 4 days
}

// What the run refuses, naming why.
TEST(CondutividadeHidratacao, Recusas) {
    const struct {
        const char* caso;
        void (*muda)(TDadosModelo&);
        const char* trecho;
    } casos[] = {
        {"clássica", [](TDadosModelo& d) { d.Formulacao = TFormulacao::Classica; }, "formulação consistente"},
        {"tabelas", [](TDadosModelo& d) { d.CalorDiscreto = true; }, "tabelas horárias"},
        {"αu > 1", [](TDadosModelo& d) { d.CalorCamadas[1].AlfaU = 1.2; }, "não pode passar de 1"},
    };
    for (const auto& k : casos) {
        auto d = Bloco();
        d->CondutividadeHidratacao = true;
        k.muda(*d);
        TabelaTexto t;
        teste::Gravador p;
        try {
            TProcesso::ProcessaTransiente(*d, t, p);
            ADD_FAILURE() << k.caso << ": aceito";
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(k.trecho), std::string::npos) << k.caso << ": " << e.what();
        }
    }
}

// The key is written only when on, and comes back.
TEST(CondutividadeHidratacao, ArquivoSoComAChaveLigada) {
    auto d = Bloco();
    const std::string sem = Projeto::Texto(*d);
    EXPECT_EQ(sem.find("CondutividadeHidratacao"), std::string::npos);
    d->CondutividadeHidratacao = true;
    const std::string com = Projeto::Texto(*d);
    EXPECT_NE(com.find("\"CondutividadeHidratacao\": true"), std::string::npos);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(com, *lido);
    EXPECT_TRUE(lido->CondutividadeHidratacao);
    EXPECT_EQ(Projeto::Texto(*lido), com);
}

}  // namespace
