// Cooling pipes: the water film by flow regime, the concrete around one pipe against an
// axisymmetric reference written here, the heat the water carries in the energy balance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "core/Erros.h"
#include "core/Func.h"
#include "core/MembroTeste.h"
#include "core/Processo.h"
#include "serpentinas/MediasMembro.h"
#include "obra/ClimaHorario.h"
#include "serpentinas/DadosSerpentinas.h"
#include "serpentinas/Serpentinas.h"
#include "verificacao/BalancoEnergia.h"

namespace {

constexpr double Pi = std::numbers::pi;

// Water at 20 °C, as the reference takes it.
constexpr double RhoAgua = 998.2, CAgua = 4182.0;

TTubo Pead() { return {0.032, 0.002, 0.45}; }
TTubo Aco() { return {0.0254, 0.0015, 45.0}; }

// ---- The water film and the wall, by preset and regime (values worked by hand). ----

struct CasoPelicula {
    const char* nome;
    TTubo tubo;
    double vazao;     // L/min
    double re;        // Reynolds
    double nu;        // Nusselt
    double resistencia;  // film + wall, m·°C/W
};

class Pelicula : public testing::TestWithParam<CasoPelicula> {};

TEST_P(Pelicula, ReynoldsNusseltEResistencia) {
    const CasoPelicula& c = GetParam();
    const double re = Serpentinas::Reynolds(c.tubo, c.vazao);
    EXPECT_NEAR(re, c.re, 0.01);
    EXPECT_NEAR(Serpentinas::Nusselt(re), c.nu, 1e-3);
    EXPECT_NEAR(Serpentinas::ResistenciaAguaParede(c.tubo, c.vazao), c.resistencia, 1e-6);
    // Turbulent: within 10 % of Dittus–Boelter, an independent correlation.
    if (re > 1e4) {
        EXPECT_NEAR(c.nu / (0.023 * std::pow(re, 0.8) * std::pow(7.01, 0.4)), 1.0, 0.10);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Serpentinas, Pelicula,
    testing::Values(CasoPelicula{"PeadLaminar", Pead(), 2.0, 1510.01, 3.66, 0.192662},
                    CasoPelicula{"PeadTransicao", Pead(), 3.5, 2642.52, 12.8680, 0.088593},
                    CasoPelicula{"PeadTurbulento", Pead(), 20.0, 15100.13, 115.6613, 0.051829},
                    CasoPelicula{"AcoLaminar", Aco(), 2.0, 1887.52, 3.66, 0.145879},
                    CasoPelicula{"AcoTransicao", Aco(), 3.0, 2831.27, 17.9422, 0.030112},
                    CasoPelicula{"AcoTurbulento", Aco(), 20.0, 18875.16, 141.0288, 0.004219}),
    [](const auto& i) { return std::string(i.param.nome); });

// The Nusselt number is continuous across the regimes' limits.
TEST(Serpentinas, NusseltContinuoNosLimites) {
    for (double re : {Serpentinas::ReynoldsLaminar, Serpentinas::ReynoldsTurbulento}) {
        EXPECT_NEAR(Serpentinas::Nusselt(re * (1 - 1e-9)), Serpentinas::Nusselt(re * (1 + 1e-9)), 1e-5) << re;
    }
}

// ---- The axisymmetric reference. ----

// The concrete cylinder a..b around one pipe, insulated at b, with a uniform source, in
// finite volumes of equal width stepped fully implicit in steps of three minutes; the
// loop in segments the water crosses in turn, each giving its heat to the water at the
// segment's mean water temperature. Mean concrete temperature at the end of each hour.
struct Referencia {
    double a, b, k, rhoC;
    double resistencia;   // film + wall, m·°C/W
    double comprimento;   // m
    double mc;            // W/°C of the water
    double tEntrada, fonte, t0;
    int nos = 300, segmentos = 20;
    double dt = 180.0;

    std::vector<double> Medias(int horas) const {
        const int n = nos;
        const double dr = (b - a) / (n - 1);
        std::vector<double> vol(n), cond(n, 0.0);
        double volume = 0.0;
        for (int i = 0; i < n; ++i) {
            const double r = a + i * dr;
            const double dentro = std::max(a, r - dr / 2), fora = std::min(b, r + dr / 2);
            vol[i] = Pi * (fora * fora - dentro * dentro);
            volume += vol[i];
            if (i + 1 < n) cond[i] = 2 * Pi * k * (r + dr / 2) / dr;
        }
        const double dx = comprimento / segmentos;
        const double rSeg = resistencia + dx / (2 * mc);
        std::vector<std::vector<double>> T(segmentos, std::vector<double>(n, t0));
        std::vector<double> d(n), sup(n), rhs(n), medias;
        const int passosHora = static_cast<int>(std::lround(3600.0 / dt));
        for (int h = 1; h <= horas; ++h) {
            for (int p = 0; p < passosHora; ++p) {
                double agua = tEntrada;
                for (auto& t : T) {
                    for (int i = 0; i < n; ++i) {
                        d[i] = rhoC * vol[i] / dt + (i > 0 ? cond[i - 1] : 0) + (i + 1 < n ? cond[i] : 0);
                        sup[i] = i + 1 < n ? -cond[i] : 0;
                        rhs[i] = rhoC * vol[i] / dt * t[i] + fonte * vol[i];
                    }
                    d[0] += 1 / rSeg;
                    rhs[0] += agua / rSeg;
                    for (int i = 1; i < n; ++i) {
                        const double m = -cond[i - 1] / d[i - 1];
                        d[i] -= m * sup[i - 1];
                        rhs[i] -= m * rhs[i - 1];
                    }
                    t[n - 1] = rhs[n - 1] / d[n - 1];
                    for (int i = n - 2; i >= 0; --i) t[i] = (rhs[i] - sup[i] * t[i + 1]) / d[i];
                    agua += (t[0] - agua) / rSeg * dx / mc;
                }
            }
            double s = 0;
            for (const auto& t : T)
                for (int i = 0; i < n; ++i) s += t[i] * vol[i];
            medias.push_back(s / (volume * segmentos));
        }
        return medias;
    }
};

struct CasoCilindro {
    const char* nome;
    TTubo tubo;
    double vazao;  // L/min
    double fonte;  // W/m³
};

// One lift of 1,5 m with insulated faces and one row at mid-height, pipes 1,5 m apart:
// the concrete each pipe serves is the cylinder of radius √(1,5·1,5/π).
std::unique_ptr<TDadosModelo> Bloco(const CasoCilindro& c, double t0, double tEntrada, int horas) {
    auto d = teste::Membro(1, 6, 0, 0, horas);
    d->Camadas[1].Espessura = 1.5;
    d->Camadas[1].TInicial = t0;
    d->CalorCamadas[1].F = c.fonte;
    TSerpentinasCamada s;
    s.Alturas = {0.75};
    s.Espacamento = 1.5;
    s.Tubo = c.tubo;
    s.Comprimento = 200.0;
    s.Vazao = c.vazao;
    s.TEntrada = tEntrada;
    s.HoraFim = 1e6;
    auto& serp = SerpentinasEditavel(*d);
    serp.Camadas.resize(2);
    serp.Camadas[1] = s;
    return d;
}

class CilindroAxissimetrico : public testing::TestWithParam<CasoCilindro> {};

// At every hour to 14 days the mean temperature's drop (or, with a source, what the pipe
// takes off the temperature the concrete would reach without it) is within 5 % of the
// reference's.
TEST_P(CilindroAxissimetrico, TemperaturaMediaConfereComAReferencia) {
    const CasoCilindro& c = GetParam();
    constexpr int Horas = 336;
    const double t0 = 30.0, tEntrada = 12.0;
    auto d = Bloco(c, t0, tEntrada, Horas);
    MediasMembro medias;
    HistoricoNumerico h;
    teste::Gravador g;
    TProcesso::ProcessaTransiente(*d, h, g, nullptr, &medias);
    ASSERT_EQ(medias.valores.size(), static_cast<std::size_t>(Horas));

    const double rhoC = 2400.0 * 1000.0;
    const Referencia ref{c.tubo.DiametroExterno / 2, std::sqrt(1.5 * 1.5 / Pi), 2.0, rhoC,
                         Serpentinas::ResistenciaAguaParede(c.tubo, c.vazao), 200.0,
                         c.vazao / 60000.0 * RhoAgua * CAgua, tEntrada, c.fonte, t0};
    const std::vector<double> esperado = ref.Medias(Horas);
    for (int hora = 1; hora <= Horas; ++hora) {
        const double semTubo = t0 + c.fonte * 3600.0 * hora / rhoC;
        const double efeito = semTubo - esperado[hora - 1];
        ASSERT_GT(efeito, 0.0) << hora;
        EXPECT_LE(std::fabs(medias.valores[hora - 1] - esperado[hora - 1]), 0.05 * efeito)
            << "hora " << hora << ": " << medias.valores[hora - 1] << " contra " << esperado[hora - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(Serpentinas, CilindroAxissimetrico,
                         testing::Values(CasoCilindro{"PeadTurbulento", Pead(), 20.0, 0.0},
                                         CasoCilindro{"PeadLaminar", Pead(), 2.0, 0.0},
                                         CasoCilindro{"AcoTurbulento", Aco(), 20.0, 0.0},
                                         CasoCilindro{"AcoLaminar", Aco(), 2.0, 0.0},
                                         CasoCilindro{"PeadComFonte", Pead(), 20.0, 40.0},
                                         CasoCilindro{"AcoComFonte", Aco(), 3.0, 40.0}),
                         [](const auto& i) { return std::string(i.param.nome); });

}  // namespace

namespace {

// ---- The inlet water from a column of an hourly file. ----

struct CasoSerie {
    const char* nome;
    const char* texto;
    const char* coluna;
    std::vector<double> esperado;  // empty: refused
    const char* trecho;            // of the refusal
};

class SerieAgua : public testing::TestWithParam<CasoSerie> {};

TEST_P(SerieAgua, LeOuRecusa) {
    const CasoSerie& c = GetParam();
    if (c.esperado.empty()) {
        try {
            Serpentinas::LeSerieCsv(c.texto, c.coluna);
            FAIL() << "aceitou";
        } catch (const ErroEntrada& e) {
            EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
        }
        return;
    }
    const std::vector<double> s = Serpentinas::LeSerieCsv(c.texto, c.coluna);
    ASSERT_EQ(s.size(), c.esperado.size());
    for (std::size_t k = 0; k < s.size(); ++k) EXPECT_NEAR(s[k], c.esperado[k], 1e-12) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Serpentinas, SerieAgua,
    testing::Values(
        CasoSerie{"ColunaDoClima", "hora;temperatura;agua\r\n0;23,3;16,5\r\n1;22,3;16,25\r\n", "agua", {16.5, 16.25}, ""},
        CasoSerie{"AcentoEPonto", "\xEF\xBB\xBFHora,Água\n0,15.5\n1,15.0\n", "água", {15.5, 15.0}, ""},
        CasoSerie{"LacunaPreenchida", "hora;rio\n0;10\n1;\n3;13\n4;14\n", "rio", {10, 11, 12, 13, 14}, ""},
        CasoSerie{"FimVazioCortado", "hora;rio\n0;10\n1;11\n2;\n", "rio", {10, 11}, ""},
        CasoSerie{"SemColuna", "hora;temperatura\n0;20\n", "agua", {}, "não tem a coluna \"agua\""},
        CasoSerie{"SemHora", "tempo;agua\n0;20\n", "agua", {}, "começando por \"hora\""},
        CasoSerie{"NaoComecaEmZero", "hora;agua\n2;20\n", "agua", {}, "valor na hora 0"},
        CasoSerie{"LacunaLonga", "hora;agua\n0;20\n8;21\n", "agua", {}, "faltam as horas 1 a 7"},
        CasoSerie{"HoraRepetida", "hora;agua\n0;20\n0;21\n", "agua", {}, "linha 3 não começa por uma hora inteira"},
        CasoSerie{"Texto", "hora;agua\n0;vinte\n", "agua", {}, "\"vinte\", que não é um número"}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace

namespace {
// The weather file may carry the river water beside the air: the weather reader passes it by.
TEST(Serpentinas, ClimaComColunaDaAgua) {
    const std::string texto = "hora;temperatura;vento;agua\n0;23,3;1,1;16\n1;22,3;1,3;16,5\n";
    const TClimaHorario c = TClimaHorario::LeCsv(texto);
    EXPECT_EQ(c.Temperatura, (std::vector<double>{23.3, 22.3}));
    EXPECT_EQ(Serpentinas::LeSerieCsv(texto, "agua"), (std::vector<double>{16.0, 16.5}));
}
}  // namespace
