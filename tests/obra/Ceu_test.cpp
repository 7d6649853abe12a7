// The top face's long-wave exchange with the sky: the steady state and the balance's
// terms against the hand balance, the published sky temperatures, the weather file's
// dew point and the project key.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "core/Erros.h"
#include "core/MembroTeste.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "obra/ClimaHorario.h"
#include "obra/CondicoesObra.h"
#include "obra/DadosObra.h"
#include "obra/Protecoes.h"
#include "verificacao/BalancoEnergia.h"

namespace {

constexpr double Sigma = 5.670374419e-8;
constexpr double K0 = 273.15;
const double SemOrvalho = std::numeric_limits<double>::quiet_NaN();

// The sky of the references, written out: Swinbank (T_c = 0,0552·T_a^1,5) or the
// clear-sky emissivity of Berdahl and Martin from the dew point.
double CeuReferencia(double ar, double orvalho) {
    const double a = ar + K0;
    if (std::isnan(orvalho)) return 0.0552 * std::pow(a, 1.5) - K0;
    const double e = 0.711 + 0.0056 * orvalho + 0.000073 * orvalho * orvalho;
    return a * std::pow(e, 0.25) - K0;
}

// The temperature T of a face where the air's convection balances the radiation to the
// sky, h·(T_a − T) = ε·σ·(T⁴ − T_c⁴), by bisection between T_c and T_a.
double EquilibrioAMao(double h, double eps, double ar, double ceu) {
    const auto f = [&](double t) { return h * (ar - t) - eps * Sigma * (std::pow(t + K0, 4) - std::pow(ceu + K0, 4)); };
    double a = ceu, b = ar;
    for (int i = 0; i < 200; ++i) {
        const double m = 0.5 * (a + b);
        (f(m) > 0.0 ? a : b) = m;
    }
    return 0.5 * (a + b);
}

TEST(TemperaturaCeu, DasFormulasPublicadas) {
    struct Caso {
        double ar, orvalho, esperado;  // °C; hand values of the formulas
    };
    const Caso casos[] = {
        {20.0, SemOrvalho, 3.91},  // 0,0552·293,15^1,5 = 277,06 K
        {20.0, 10.0, 1.84},        // ε_c = 0,7743
        {20.0, 20.0, 8.51},        // saturated air: ε_c = 0,8522
        {0.0, SemOrvalho, -23.95},
    };
    for (const Caso& c : casos) {
        const double* po = std::isnan(c.orvalho) ? nullptr : &c.orvalho;
        EXPECT_NEAR(CondicoesObra::TemperaturaCeu(c.ar, po), c.esperado, 0.01) << c.ar << " " << c.orvalho;
        EXPECT_NEAR(CondicoesObra::TemperaturaCeu(c.ar, po), CeuReferencia(c.ar, c.orvalho), 1e-9);
    }
}

struct CasoPermanente {
    const char* nome;
    double h;         // W/(m²·°C), top
    double eps;
    double R;         // top protection, m²·°C/W
    double orvalho;   // °C, with a weather file; NaN: constant ambient, no file
    TFormulacao formulacao;
};

// A 1 m slab without heat, insulated at the bottom, air at 20 °C: it settles where the
// top's convection balances its radiation (no heat crosses a protection then). Started
// at that temperature, 100 h more leave it there, and the balance splits the top's
// exchange into h·(T_a − T) and ε·σ·(T_c⁴ − T⁴) per second.
class RegimeComCeu : public testing::TestWithParam<CasoPermanente> {};

TEST_P(RegimeComCeu, ConfereComOBalancoAMao) {
    const CasoPermanente& c = GetParam();
    const bool arquivo = !std::isnan(c.orvalho);
    const double ceu = CeuReferencia(20.0, c.orvalho);
    const double equilibrio = EquilibrioAMao(c.h, c.eps, 20.0, ceu);

    auto prepara = [&](double horas, double inicial) {
        auto d = teste::Membro(1, 5, 0, 0, horas);
        d->Formulacao = c.formulacao;
        d->BetaInf = 0.0;
        d->BetaSup = c.h * 3600.0;
        d->Camadas[1].TInicial = inicial;
        TDadosObra& o = ObraEditavel(*d);
        o.CeuAtivo = true;
        o.Emissividade = c.eps;
        if (arquivo) {
            o.ClimaArquivo = true;
            o.Temperatura.assign(static_cast<std::size_t>(horas) + 2, 20.0);
            o.PontoOrvalho.assign(static_cast<std::size_t>(horas) + 2, c.orvalho);
        }
        if (c.R > 0.0) Protecoes::DoTopo(o, 1).push_back({"manta", c.R, 0.0, 1e9});
        return d;
    };

    auto longo = prepara(20000.0, 20.0);
    TabelaTexto t;
    teste::Gravador g;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*longo, t, g).Completo);
    for (int i = 1; i <= 6; ++i) EXPECT_NEAR(longo->Temperaturas[i], equilibrio, 1e-4) << i;

    auto parado = prepara(100.0, equilibrio);
    TBalancoEnergia b;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*parado, t, g, nullptr, &b).Completo);
    const double s = 100.0 * 3600.0;
    const double radiacao = s * c.eps * Sigma * (std::pow(ceu + K0, 4) - std::pow(equilibrio + K0, 4));
    EXPECT_NEAR(b.Ceu, radiacao, 1e-6 * std::fabs(radiacao));
    EXPECT_NEAR(b.Conveccao, s * c.h * (20.0 - equilibrio), 1e-6 * std::fabs(radiacao));
    EXPECT_DOUBLE_EQ(b.Radiacao, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Ceu, RegimeComCeu,
    testing::Values(CasoPermanente{"Concreto", 10.0, 0.9, 0.0, SemOrvalho, TFormulacao::Classica},
                    CasoPermanente{"ConcretoConsistente", 10.0, 0.9, 0.0, SemOrvalho, TFormulacao::Consistente},
                    CasoPermanente{"VentoFraco", 3.0, 0.9, 0.0, SemOrvalho, TFormulacao::Classica},
                    CasoPermanente{"SobManta", 15.0, 0.9, 0.625, SemOrvalho, TFormulacao::Classica},
                    CasoPermanente{"LonaBrilhante", 10.0, 0.3, 0.15, SemOrvalho, TFormulacao::Consistente},
                    CasoPermanente{"ArquivoComOrvalho", 10.0, 0.9, 0.0, 12.0, TFormulacao::Classica},
                    CasoPermanente{"ArquivoUmidoSobManta", 8.0, 0.9, 1.25, 19.0, TFormulacao::Consistente}),
    [](const auto& i) { return std::string(i.param.nome); });

// The cold night of a summer-mat member: the sky lowers the top and widens the
// core-to-top difference, and nothing changes when the exchange is off.
TEST(Ceu, EsfriaOTopoEDesligadoNaoMudaNada) {
    auto base = teste::MembroDeBancada(3, 4, 96.0);
    auto semCeu = std::make_unique<TDadosModelo>(*base);
    ObraEditavel(*semCeu).Emissividade = 0.5;  // site data present, the exchange off
    auto comCeu = std::make_unique<TDadosModelo>(*base);
    ObraEditavel(*comCeu).CeuAtivo = true;
    TabelaTexto a, b, c;
    teste::Gravador g;
    TProcesso::ProcessaTransiente(*base, a, g);
    TProcesso::ProcessaTransiente(*semCeu, b, g);
    TProcesso::ProcessaTransiente(*comCeu, c, g);
    for (int l = 0; l < a.Linhas(); ++l)
        for (int col = 0; col < a.Colunas(); ++col) ASSERT_EQ(b.Celula(col, l), a.Celula(col, l)) << l << " " << col;
    const int topo = comCeu->NElemAtivos + 1;
    EXPECT_LT(comCeu->Temperaturas[topo], base->Temperaturas[topo] - 0.5);
    EXPECT_LT(comCeu->Temperaturas[1] - comCeu->Temperaturas[topo], 100.0);
}

std::string Amostra() {
    std::ifstream f(std::string(NORVIK_FONTES) + "/tests/obra/amostras/estacao-automatica.csv", std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(ClimaOrvalho, LidoDosDoisFormatosSemEncurtarOArquivo) {
    const TClimaHorario csv = TClimaHorario::LeCsv("hora;temperatura;orvalho\n0;20;12\n1;22;\n2;24;14\n");
    ASSERT_EQ(csv.PontoOrvalho.size(), 3u);
    EXPECT_DOUBLE_EQ(csv.PontoOrvalho[1], 13.0);
    // A long gap, or a column ending early, drops the dew point, never the hours.
    const TClimaHorario lacuna =
        TClimaHorario::LeCsv("hora;temperatura;orvalho\n0;20;12\n1;20;\n2;20;\n3;20;\n4;20;\n5;20;\n6;20;\n7;20;\n8;20;9\n");
    EXPECT_EQ(lacuna.UltimaHora(), 8);
    EXPECT_TRUE(lacuna.PontoOrvalho.empty());
    const TClimaHorario curto = TClimaHorario::LeCsv("hora;temperatura;orvalho\n0;20;12\n1;20;12\n2;20;\n");
    EXPECT_EQ(curto.UltimaHora(), 2);
    EXPECT_TRUE(curto.PontoOrvalho.empty());
    // A dew point outside any air is a lost reading.
    const TClimaHorario perdido = TClimaHorario::LeCsv("hora;temperatura;orvalho\n0;20;10\n1;20;-9999\n2;20;12\n");
    EXPECT_DOUBLE_EQ(perdido.PontoOrvalho[1], 11.0);

    const TClimaHorario estacao = TClimaHorario::LeInmet(Amostra(), TClimaHorario::LeData("15/01/2024", 0, -3));
    ASSERT_EQ(estacao.PontoOrvalho.size(), estacao.Temperatura.size());
    EXPECT_DOUBLE_EQ(estacao.PontoOrvalho[0], 18.2);
    TDadosObra o;
    estacao.Aplica(o);
    EXPECT_EQ(o.PontoOrvalho, estacao.PontoOrvalho);
}

TEST(CeuProjeto, GravaSoQuandoUsadoELeEstrito) {
    auto d = teste::Membro(1, 2, 0, 0, 10.0);
    ObraEditavel(*d).CeuAtivo = true;
    ObraEditavel(*d).Emissividade = 0.85;
    ObraEditavel(*d).ClimaArquivo = true;
    ObraEditavel(*d).Temperatura.assign(12, 20.0);
    ObraEditavel(*d).PontoOrvalho.assign(12, 11.0);
    const std::string texto = Projeto::Texto(*d);
    TDadosModelo lido;
    Projeto::LeTexto(texto, lido);
    EXPECT_TRUE(ObraDe(lido).CeuAtivo);
    EXPECT_DOUBLE_EQ(ObraDe(lido).Emissividade, 0.85);
    EXPECT_EQ(ObraDe(lido).PontoOrvalho, ObraDe(*d).PontoOrvalho);
    EXPECT_EQ(Projeto::Texto(lido), texto);

    // Off and at the default emissivity: no new key in the file.
    auto semCeu = teste::Membro(1, 2, 0, 0, 10.0);
    ObraEditavel(*semCeu).Absortividade = 0.5;
    const std::string antigo = Projeto::Texto(*semCeu);
    for (const char* chave : {"CeuAtivo", "Emissividade", "PontoOrvalho"}) EXPECT_EQ(antigo.find(chave), std::string::npos);

    struct Ruim {
        const char* de;
        const char* para;
        const char* mensagem;
    };
    const Ruim ruins[] = {
        {"\"CeuAtivo\":true", "\"CeuAtivo\":1", "\"Obra\".CeuAtivo: deve ser true ou false"},
        {"\"Emissividade\":0.85", "\"Emissividade\":1.5", "\"Obra\".Emissividade: deve estar entre 0 e 1"},
        {"\"PontoOrvalho\":[", "\"PontoOrvalho\":[1,", "\"PontoOrvalho\" devem ter uma hora para cada hora"},
    };
    for (const Ruim& r : ruins) {
        std::string t = texto;
        const auto p = t.find(r.de);
        ASSERT_NE(p, std::string::npos) << r.de;
        t.replace(p, std::string(r.de).size(), r.para);
        TDadosModelo x;
        try {
            Projeto::LeTexto(t, x);
            ADD_FAILURE() << "aceitou " << r.para;
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(r.mensagem), std::string::npos) << e.what();
        }
    }
}

}  // namespace
