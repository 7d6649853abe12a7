// The sides of a block of finite plan size: a lumped block against its closed-form
// temperature, the member of unlimited plan unchanged, the plan Biot number and the
// project key.
#include "obra/Laterais.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/Erros.h"
#include "core/MembroTeste.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "core/Validacao.h"
#include "obra/DadosObra.h"
#include "analise/Analise.h"

namespace {

constexpr double RhoC = 2400.0 * 1000.0;  // of teste::Membro, J/(m³·°C)

struct Protecao {
    double R, colocacao, retirada;
};

struct CasoBloco {
    const char* nome;
    double lx, ly;  // m, 0 unlimited
    double h;       // W/(m²·°C) of the bare sides
    std::vector<Protecao> protecoes;
};

// U of the sides at `idade`, written here from the series rule: 1/(1/h + ΣR on).
double U(const CasoBloco& c, double idade) {
    double r = 1.0 / c.h;
    for (const Protecao& p : c.protecoes)
        if (p.colocacao <= idade && idade < p.retirada) r += p.R;
    return 1.0 / r;
}

double AreaPorVolume(const CasoBloco& c) { return (c.lx > 0 ? 2.0 / c.lx : 0.0) + (c.ly > 0 ? 2.0 / c.ly : 0.0); }

// The lumped block with a uniform source q: between the hours where U changes,
// T(t) = T_ar + q/β + (T(t0) − T_ar − q/β)·e^{−β(t − t0)/(ρc)}, β = U·(2/Lx + 2/Ly).
// The engine takes each step's U at its end, so U of the interval (t − Δt, t] is U(t).
double Analitica(const CasoBloco& c, double q, double tAr, double t0, int horas, int subpassos) {
    double T = t0;
    for (int k = 1; k <= horas * subpassos; ++k) {
        const double beta = U(c, static_cast<double>(k) / subpassos) * AreaPorVolume(c);
        const double eq = tAr + q / beta;
        T = eq + (T - eq) * std::exp(-beta * 3600.0 / subpassos / RhoC);
    }
    return T;
}

const CasoBloco Blocos[] = {
    {"Bloco3x3Descoberto", 3.0, 3.0, 10.0, {}},
    {"Bloco3x3ComForma72h", 3.0, 3.0, 10.0, {{0.15, 0.0, 72.0}}},
    {"Bloco1x2ComEPS48h", 1.0, 2.0, 10.0, {{1.32, 0.0, 48.0}}},
    {"ParedeDe2mExtensaNoComprimento", 0.0, 2.0, 15.0, {}},
    {"RetiradaEmDuasEtapas", 3.0, 3.0, 12.0, {{0.625, 0.0, 24.0}, {0.15, 0.0, 72.0}}},
    {"MantaColocadaNa12aHora", 2.0, 4.0, 20.0, {{1.25, 12.0, 96.0}}},
};

struct Formulacao {
    const char* nome;
    TFormulacao f;
    int subpassos;
};
const Formulacao Formulacoes[] = {
    {"Classica", TFormulacao::Classica, 1},
    {"Consistente", TFormulacao::Consistente, 1},
    {"ConsistenteQuatroSubpassos", TFormulacao::Consistente, 4},
};

class BlocoConcentrado : public testing::TestWithParam<std::tuple<CasoBloco, Formulacao>> {};

// A 1 m lift with adiabatic top and bottom keeps a uniform temperature: the lumped
// block is exact in space, and what is left is the step's first-order time error, at
// most (Δt/2τ)·A/e for a decay of amplitude A and time constant τ = ρc/β, bounded here
// by 0,25·(Δt/τ)·A with the largest β, plus the 0,005 °C of the table's rounding.
TEST_P(BlocoConcentrado, SegueASolucaoAnalitica) {
    const auto& [c, f] = GetParam();
    constexpr double q = 300.0, tAr = 20.0, t0 = 25.0;
    constexpr int horas = 168;
    auto d = teste::Membro(1, 4, 0, 0, horas);
    d->CalorCamadas[1].F = q;
    d->Camadas[1].TInicial = t0;
    d->TAmbConst = tAr;
    d->Formulacao = f.f;
    d->SubpassosPorPasso = f.subpassos;
    TDadosObra& o = ObraEditavel(*d);
    o.ComprimentoPlanta = c.lx;
    o.LarguraPlanta = c.ly;
    o.CoefLateral = c.h;
    for (const Protecao& p : c.protecoes) Laterais::Do(o, 1).push_back({"p", p.R, p.colocacao, p.retirada});

    TabelaTexto t;
    teste::Gravador g;
    ASSERT_TRUE(TProcesso::ProcessaTransiente(*d, t, g).Completo);
    double betaMax = 0.0, amplitude = t0 - tAr;
    for (int k = 1; k <= horas; ++k) {
        betaMax = std::max(betaMax, U(c, k) * AreaPorVolume(c));
        amplitude = std::max(amplitude, q / (U(c, k) * AreaPorVolume(c)));
    }
    const double dt = 3600.0 / f.subpassos;
    const double tolerancia = 0.25 * dt * betaMax / RhoC * amplitude + 0.005;
    for (int k = 1; k <= horas; ++k) {
        const double esperada = Analitica(c, q, tAr, t0, k, f.subpassos);
        for (int no : {1, 3, 5}) ASSERT_NEAR(t.Valor(no, k), esperada, tolerancia) << "hora " << k << " nó " << no;
    }
}

INSTANTIATE_TEST_SUITE_P(Laterais, BlocoConcentrado, testing::Combine(testing::ValuesIn(Blocos), testing::ValuesIn(Formulacoes)),
                         [](const auto& i) {
                             return std::string(std::get<0>(i.param).nome) + "_" + std::get<1>(i.param).nome;
                         });

TabelaTexto Roda(TDadosModelo& d) {
    TabelaTexto t;
    teste::Gravador g;
    TProcesso::ProcessaTransiente(d, t, g);
    return t;
}

// Two lifts with hydration, day/night air and a top blanket: side data that leaves the
// plan unlimited (a coefficient, side forms) changes nothing, in either formulation.
TEST(Laterais, MembroExtensoRodaComoSemObra) {
    for (TFormulacao f : {TFormulacao::Classica, TFormulacao::Consistente}) {
        auto base = teste::MembroDeBancada(2, 4, 72);
        base->Formulacao = f;
        auto extenso = std::make_unique<TDadosModelo>(*base);
        TDadosObra& o = ObraEditavel(*extenso);
        o.CoefLateral = 3.0;
        Laterais::Do(o, 1).push_back({"forma", 0.15, 0.0, 48.0});
        const TabelaTexto a = Roda(*base), b = Roda(*extenso);
        ASSERT_EQ(a.Linhas(), b.Linhas());
        for (int l = 0; l < a.Linhas(); ++l)
            for (int col = 0; col < a.Colunas(); ++col) ASSERT_EQ(a.Celula(col, l), b.Celula(col, l));
        // And a finite plan does change it.
        o.ComprimentoPlanta = o.LarguraPlanta = 3.0;
        const TabelaTexto bloco = Roda(*extenso);
        EXPECT_LT(bloco.Valor(5, bloco.Linhas() - 1), a.Valor(5, a.Linhas() - 1) - 0.5);
    }
}

// The soil of a foundation continues beyond the block: it loses nothing by the sides.
TEST(Laterais, FundacaoNaoPerdePelasLaterais) {
    auto d = teste::Membro(2, 2, 0, 0, 10);
    d->Fundacao = true;
    TDadosObra& o = ObraEditavel(*d);
    o.ComprimentoPlanta = 2.0;
    o.LarguraPlanta = 4.0;
    EXPECT_EQ(Laterais::Perda(*d, 5.0, 1), 0.0);
    EXPECT_DOUBLE_EQ(Laterais::Perda(*d, 5.0, 2), 10.0 * (1.0 + 0.5));
    EXPECT_EQ(Laterais::Biot(*d, 1), 0.0);
}

struct CasoBiot {
    const char* nome;
    double lx, ly, h, k;
    std::vector<Protecao> protecoes;
    double tempoTotal;
    double biot;  // U_max·(L/2)/k, L the smaller finite dimension
    bool aviso;
};

class BiotEmPlanta : public testing::TestWithParam<CasoBiot> {};

TEST_P(BiotEmPlanta, MaiorBiotDaCamadaEAviso) {
    const CasoBiot& c = GetParam();
    auto d = teste::Membro(1, 2, 0, 0, c.tempoTotal);
    d->Camadas[1].K = c.k;
    TDadosObra& o = ObraEditavel(*d);
    o.ComprimentoPlanta = c.lx;
    o.LarguraPlanta = c.ly;
    o.CoefLateral = c.h;
    for (const Protecao& p : c.protecoes) Laterais::Do(o, 1).push_back({"p", p.R, p.colocacao, p.retirada});
    EXPECT_NEAR(Laterais::Biot(*d, 1), c.biot, 1e-12);
    const Validacao::Resultado r = Validacao::ValidaProblema(*d);
    bool avisou = false;
    for (const std::string& a : r.Avisos) avisou |= a.find("núcleo e as laterais não é representada") != std::string::npos;
    EXPECT_EQ(avisou, c.aviso);
}

INSTANTIATE_TEST_SUITE_P(
    Laterais, BiotEmPlanta,
    testing::Values(
        // Insulated forms kept to the end: U = 1/(1/10 + 1,32) = 0,704, still Bi = 0,53.
        CasoBiot{"FormaIsolanteAteOFim", 3.0, 3.0, 10.0, 2.0, {{1.32, 0.0, 1e6}}, 240.0, 0.704225352112676 * 1.5 / 2.0, true},
        // Only a very thick insulation brings a 3 m block under the limit: U = 1/10,1.
        CasoBiot{"IsolamentoMuitoGrosso", 3.0, 3.0, 10.0, 2.0, {{10.0, 0.0, 1e6}}, 240.0, 1.0 / 10.1 * 1.5 / 2.0, false},
        // Stripped at 72 h within a 240 h analysis: the bare sides decide, 10·1,5/2.
        CasoBiot{"FormaRetiradaNas72h", 3.0, 3.0, 10.0, 2.0, {{1.32, 0.0, 72.0}}, 240.0, 7.5, true},
        // Stripped after the end of the analysis: the form decides.
        CasoBiot{"RetiradaDepoisDoFim", 3.0, 3.0, 10.0, 2.0, {{10.0, 0.0, 300.0}}, 240.0, 1.0 / 10.1 * 1.5 / 2.0, false},
        // The smaller dimension gives the half-width; an unlimited one is left out.
        CasoBiot{"RetanguloUsaAMenor", 8.0, 0.4, 1.0, 2.5, {}, 48.0, 1.0 * 0.2 / 2.5, false},
        CasoBiot{"ParedeExtensa", 0.0, 0.6, 5.0, 2.0, {}, 48.0, 5.0 * 0.3 / 2.0, true},
        CasoBiot{"LimiteExato", 2.0, 2.0, 0.2, 2.0, {}, 48.0, 0.1, true}),
    [](const auto& i) { return std::string(i.param.nome); });

// The project key: sides round-trip, an old file reads as the member of unlimited plan
// and writes back byte for byte, and the reading is strict.
TEST(Laterais, ChaveDoProjetoIdaEVolta) {
    auto d = teste::Membro(2, 2, 0, 24, 96);
    TDadosObra& o = ObraEditavel(*d);
    o.ComprimentoPlanta = 3.0;
    o.LarguraPlanta = 2.5;
    o.CoefLateral = 12.5;
    Laterais::Do(o, 2).push_back({"Fôrma de compensado 18 mm", 0.15, 0.0, 72.0});
    const std::string texto = Projeto::Texto(*d);
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *lido);
    const TDadosObra& l = ObraDe(*lido);
    EXPECT_EQ(l.ComprimentoPlanta, 3.0);
    EXPECT_EQ(l.LarguraPlanta, 2.5);
    EXPECT_EQ(l.CoefLateral, 12.5);
    ASSERT_NE(Laterais::Do(l, 2), nullptr);
    ASSERT_EQ(Laterais::Do(l, 2)->size(), 1u);
    EXPECT_EQ((*Laterais::Do(l, 2))[0].HoraRetirada, 72.0);
    EXPECT_TRUE(Laterais::Do(l, 1)->empty());
    EXPECT_EQ(Projeto::Texto(*lido), texto);
}

TEST(Laterais, ProjetoAntigoLidoComoMembroExtensoEGravadoIgual) {
    std::ifstream f(std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json", std::ios::binary);
    ASSERT_TRUE(f);
    std::stringstream ss;
    ss << f.rdbuf();
    const std::string texto = ss.str();
    ASSERT_EQ(texto.find("Laterais"), std::string::npos);
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(texto, *d);
    EXPECT_FALSE(Laterais::Finita(ObraDe(*d)));
    EXPECT_FALSE(d->Obra.TemLaterais());
    // The program's own writing of it reads and writes back byte for byte, without the key.
    const std::string escrito = Projeto::Texto(*d);
    EXPECT_EQ(escrito.find("Laterais"), std::string::npos);
    auto relido = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(escrito, *relido);
    EXPECT_EQ(Projeto::Texto(*relido), escrito);
}

struct CasoRecusa {
    const char* nome;
    const char* laterais;  // the value of "Obra"."Laterais"
    const char* motivo;    // part of the message
};

class LeituraEstrita : public testing::TestWithParam<CasoRecusa> {};

TEST_P(LeituraEstrita, RecusaNomeandoAChave) {
    const CasoRecusa& c = GetParam();
    auto d = teste::Membro(1, 2, 0, 0, 24);
    ObraEditavel(*d).ComprimentoPlanta = 3.0;
    std::string texto = Projeto::Texto(*d);
    const std::string chave = "\"Laterais\":";
    const auto i = texto.find(chave);
    ASSERT_NE(i, std::string::npos);
    const auto fim = texto.find('}', i);
    texto.replace(i + chave.size(), fim + 1 - i - chave.size(), c.laterais);
    auto lido = std::make_unique<TDadosModelo>();
    try {
        Projeto::LeTexto(texto, *lido);
        FAIL() << "aceitou " << c.laterais;
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find(c.motivo), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Laterais, LeituraEstrita,
    testing::Values(CasoRecusa{"NaoObjeto", "[3, 3]", "Laterais: deve ser um objeto"},
                    CasoRecusa{"ComprimentoNegativo", "{\"Comprimento\": -3}", "Laterais.Comprimento: não pode ser negativo"},
                    CasoRecusa{"LarguraTexto", "{\"Largura\": \"3\"}", "Laterais.Largura: deve ser um número"},
                    CasoRecusa{"CoeficienteNegativo", "{\"Coeficiente\": -1}", "Laterais.Coeficiente"},
                    CasoRecusa{"ChaveDesconhecida", "{\"Altura\": 2}", "chave desconhecida \"Altura\""},
                    CasoRecusa{"ProtecoesNaoLista", "{\"Protecoes\": 5}", "Laterais.Protecoes: deve ser uma lista"},
                    CasoRecusa{"ProtecaoSemR", "{\"Protecoes\": [[{\"Nome\": \"x\"}]]}", "falta a chave \"R\""}),
    [](const auto& i) { return std::string(i.param.nome); });

// A side protection taken off before it goes on is refused before the run.
TEST(Laterais, ProtecaoLateralInvalidaRecusadaNaExecucao) {
    auto d = teste::Membro(1, 2, 0, 0, 24);
    TDadosObra& o = ObraEditavel(*d);
    o.ComprimentoPlanta = 3.0;
    Laterais::Do(o, 1).push_back({"forma", 0.15, 30.0, 10.0});
    TabelaTexto t;
    teste::Gravador g;
    try {
        TProcesso::ProcessaTransiente(*d, t, g);
        FAIL();
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("das laterais da camada 1"), std::string::npos) << e.what();
    }
}

struct CasoResumo {
    const char* nome;
    double lx, ly;
    bool fundacao;
    std::vector<std::vector<Protecao>> protecoes;  // of lifts 1, 2, 3
    const char* esperado;                          // empty: no line
};

class ResumoLaterais : public testing::TestWithParam<CasoResumo> {};

// The line of the thermal summary and the report: lifts with the same list together,
// the soil of a foundation left out, nothing for the member of unlimited plan.
TEST_P(ResumoLaterais, LinhaDoResumoTermico) {
    const CasoResumo& c = GetParam();
    auto d = teste::Membro(3, 2, 0, 24, 96);
    d->Fundacao = c.fundacao;
    TDadosObra& o = ObraEditavel(*d);
    o.ComprimentoPlanta = c.lx;
    o.LarguraPlanta = c.ly;
    for (std::size_t L = 0; L < c.protecoes.size(); ++L)
        for (const Protecao& p : c.protecoes[L])
            Laterais::Do(o, static_cast<int>(L + 1)).push_back({"Fôrma", p.R, p.colocacao, p.retirada});
    EXPECT_EQ(Laterais::Resumo(*d), c.esperado);
    Progresso nada;
    OpcoesAnalise opcoes;
    opcoes.LimiteResumo = 70.0;
    const std::string texto = Analise::Executa(*d, opcoes, nada).Resumo.value().Texto();
    if (*c.esperado) {
        EXPECT_NE(texto.find(std::string(c.esperado) + "\n"), std::string::npos) << texto;
    } else {
        EXPECT_EQ(texto.find("laterais"), std::string::npos) << texto;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Laterais, ResumoLaterais,
    testing::Values(
        CasoResumo{"MembroExtenso", 0.0, 0.0, false, {{{0.15, 0.0, 72.0}}}, ""},
        CasoResumo{"DescobertoEmTodas", 3.0, 3.0, false, {},
                   "Bloco de 3 × 3 m em planta, coeficiente das laterais descobertas h = 10 W/(m²·°C); "
                   "laterais: camadas 1 a 3: descobertas."},
        CasoResumo{"MesmaFormaNasTres", 3.0, 2.5, false,
                   {{{0.15, 0.0, 72.0}}, {{0.15, 0.0, 72.0}}, {{0.15, 0.0, 72.0}}},
                   "Bloco de 3 × 2,5 m em planta, coeficiente das laterais descobertas h = 10 W/(m²·°C); laterais: "
                   "camadas 1 a 3: Fôrma: R = 0,15 m²·°C/W, da hora 0 à hora 72 após o lançamento."},
        CasoResumo{"SoloEUmaCamadaDiferente", 0.0, 4.0, true,
                   {{{0.15, 0.0, 72.0}}, {{0.15, 0.0, 72.0}}, {{0.15, 0.0, 48.0}}},
                   "Membro extenso numa direção e de 4 m na outra, coeficiente das laterais descobertas h = 10 W/(m²·°C); "
                   "laterais: camada 2: Fôrma: R = 0,15 m²·°C/W, da hora 0 à hora 72 após o lançamento; camada 3: "
                   "Fôrma: R = 0,15 m²·°C/W, da hora 0 à hora 48 após o lançamento."}),
    [](const auto& i) { return std::string(i.param.nome); });

// The bundled block with its side forms stripped at 72 h, with and without the side loss:
// the figures its line in the README gives.
TEST(Laterais, ExemploDoBlocoComEsemPerdaLateral) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/bloco-3x3-duas-camadas-formas-laterais.n1d.json", *d);
    ASSERT_TRUE(d->Obra.TemLaterais());
    auto extenso = std::make_unique<TDadosModelo>(*d);
    ObraEditavel(*extenso).ComprimentoPlanta = ObraEditavel(*extenso).LarguraPlanta = 0.0;
    OpcoesAnalise opcoes;
    opcoes.LimiteResumo = 70.0;
    Progresso nada;
    const TResumoTermico com = Analise::Executa(*d, opcoes, nada).Resumo.value();
    const TResumoTermico sem = Analise::Executa(*extenso, opcoes, nada).Resumo.value();
    EXPECT_EQ(Numeros::FormataFixo(com.TMaxima, 0, 2), "47,58");
    EXPECT_EQ(Numeros::FormataFixo(com.DifMaxima, 0, 2), "15,98");
    EXPECT_EQ(Numeros::FormataFixo(sem.TMaxima, 0, 2), "57,53");
    EXPECT_EQ(Numeros::FormataFixo(sem.DifMaxima, 0, 2), "24,08");
    EXPECT_NEAR(Laterais::Biot(*d, 2), 10.0 * 1.5 / 2.4, 1e-12);
}

}  // namespace
