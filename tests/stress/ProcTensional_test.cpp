#include "stress/ProcTensional.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "ModeloTensional.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "stress/Funcao.h"
#include "stress/MatrizFluencia.h"
#include "stress/Restricao.h"

namespace {

using ModeloTensional::Membro;
using ModeloTensional::Temperaturas;

class Gravador : public Progresso {
public:
    void Status(std::string_view t) override { status.emplace_back(t); }
    void PosicaoGauge(int p) override { gauge = p; }
    void MaximoGauge(int m) override { maximoGauge = m; }
    std::vector<std::string> status;
    int gauge = -1, maximoGauge = -1;
};

double Valor(const TabelaTexto& t, int c, int r) { return Numeros::TextoParaReal(t.Celula(c, r)); }

TEST(ProcTensional, NoNaTemperaturaDeLancamentoNaoTemTensao) {
    auto d = Membro({0}, 4, 48);
    auto temp = Temperaturas(*d, [](int n, int h) { return n == 3 ? 20.0 : 20.0 + 0.5 * h; });
    TabelaTexto tens;
    Gravador g;
    const auto r = TProcTensional::ProcessaTensional(*d, temp, tens, g);
    ASSERT_TRUE(r.Completo);
    for (int k = 1; k <= 48; ++k) EXPECT_EQ(tens.Celula(3, k), " 0,0000") << k;
    // Heated and restrained: compression everywhere else, so no tension at all.
    EXPECT_EQ(r.Mensagem, "A Tensão Máxima de Tração  0,00 MPa ,ocorreu no Nó 0, transcorridos 0 horas.");
    EXPECT_EQ(g.status.back(), "                        Sistema Resolvido ");
    EXPECT_EQ(g.maximoGauge, 4);
    EXPECT_EQ(g.gauge, 5);
}

TEST(ProcTensional, ElevacaoUniformeDaPrimeiraTensaoAlfaDeltaTE) {
    auto d = Membro({6}, 2, 30);
    auto temp = Temperaturas(*d, [](int, int) { return 35.0; });  // ΔT = 15 from the first hour
    TabelaTexto tens;
    Gravador g;
    TProcTensional::ProcessaTensional(*d, temp, tens, g);
    const double esperado = 10e-6 * 15.0 * TFuncao::ModuloBureau(*d, 1.0 / 24.0);
    EXPECT_EQ(tens.Celula(1, 1), Numeros::FormataFixo(esperado, 7, 4));
    EXPECT_GT(esperado, 0.0);
    // Layout: the header, one row per hour from the placement on, the hours in column 0.
    EXPECT_EQ(tens.Colunas(), 4);
    EXPECT_EQ(tens.Linhas(), 25);
    EXPECT_EQ(tens.Celula(0, 0), "  Tempo[h]");
    EXPECT_EQ(tens.Celula(3, 0), "    Nó 3");
    EXPECT_EQ(tens.Celula(0, 1), "7");
    EXPECT_EQ(tens.Celula(0, 24), "30");
    // Held strain, creeping concrete: the compression relaxes.
    EXPECT_LT(Valor(tens, 1, 24), Valor(tens, 1, 1));
    EXPECT_GT(Valor(tens, 1, 24), 0.0);
}

TEST(ProcTensional, ResfriamentoDaTracaoComMensagemEPrimeiroEmpate) {
    auto d = Membro({0}, 2, 40);
    // Nodes 1 and 2 cool alike (the tie keeps node 1); node 3 is unchanged.
    auto temp = Temperaturas(*d, [](int n, int h) { return n == 3 ? 20.0 : 20.0 - 0.5 * h; });
    TabelaTexto tens;
    Gravador g;
    const auto r = TProcTensional::ProcessaTensional(*d, temp, tens, g);
    double minimo = 0.0;
    int hora = 0;
    for (int k = 2; k <= 40; ++k)
        if (Valor(tens, 1, k) < minimo) minimo = Valor(tens, 1, k), hora = k;
    EXPECT_LT(minimo, 0.0);
    EXPECT_EQ(d->NoTracaoMaxima, 1);
    EXPECT_EQ(d->HoraTracaoMaxima, hora);
    EXPECT_EQ(hora, 40);
    EXPECT_NEAR(d->TracaoMaxima, minimo, 5e-5);
    EXPECT_EQ(r.Mensagem, "A Tensão Máxima de Tração" + Numeros::FormataFixo(-d->TracaoMaxima, 6, 2) +
                              " MPa ,ocorreu no Nó 1, transcorridos 40 horas.");
    EXPECT_EQ(tens.Celula(1, 20), tens.Celula(2, 20));
}

TEST(ProcTensional, PrimeiraHoraNaoEExaminada) {
    auto d = Membro({0}, 1, 10);
    // Cold only in the first hour, then back to the placement temperature.
    auto temp = Temperaturas(*d, [](int, int h) { return h == 1 ? 10.0 : 20.0; });
    TabelaTexto tens;
    Gravador g;
    d->NoTracaoMaxima = 7;
    d->HoraTracaoMaxima = 9;
    TProcTensional::ProcessaTensional(*d, temp, tens, g);
    EXPECT_LT(Valor(tens, 1, 1), 0.0);
    EXPECT_GT(Valor(tens, 1, 2), 0.0);  // the unloading leaves a creep residue in compression
    EXPECT_EQ(d->TracaoMaxima, 0.0);
    // With no tension found the node and hour of an earlier run stay.
    EXPECT_EQ(d->NoTracaoMaxima, 7);
    EXPECT_EQ(d->HoraTracaoMaxima, 9);
}

TEST(ProcTensional, CamadasPosterioresNasLinhasDasSuasHoras) {
    auto d = Membro({0, 10, 24}, 2, 24);  // layer 3 placed at the last hour
    auto temp = Temperaturas(*d, [](int, int h) { return 20.0 + 0.3 * h; });
    TabelaTexto tens;
    tens.Redimensiona(8, 30);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 30; ++r) tens.Celula(c, r) = "velho";
    Gravador g;
    TProcTensional::ProcessaTensional(*d, temp, tens, g);
    // Node 4 is of layer 2 (placed at hour 10): nothing before row 11.
    EXPECT_EQ(tens.Celula(4, 10), "");
    EXPECT_NE(tens.Celula(4, 11), "");
    // Node 3 belongs to layer 1; nodes 6 and 7 to layer 3, which lives no hour.
    EXPECT_NE(tens.Celula(3, 1), "");
    for (int r = 1; r <= 24; ++r) {
        EXPECT_EQ(tens.Celula(6, r), "") << r;
        EXPECT_EQ(tens.Celula(7, r), "") << r;
    }
    EXPECT_NE(tens.Celula(5, 24), "");
    // Node 4's first stress is its own first hour: T(11) − 20 over the elastic compliance.
    const double primeira = 10e-6 * (Numeros::TextoParaReal(temp.Celula(4, 11)) - 20.0) *
                            TFuncao::ModuloBureau(*d, 1.0 / 24.0);
    EXPECT_EQ(tens.Celula(4, 11), Numeros::FormataFixo(primeira, 7, 4));
}

TEST(ProcTensional, RestricaoACIComFundacao) {
    auto total = Membro({0, 0, 0}, 2, 30);
    auto temp = Temperaturas(*total, [](int n, int h) { return 20.0 + 0.2 * h + n; });
    TabelaTexto tensTotal, tensACI;
    Gravador g;
    TProcTensional::ProcessaTensional(*total, temp, tensTotal, g);

    auto aci = Membro({0, 0, 0}, 2, 30);
    aci->RestricaoACI = true;
    aci->Fundacao = true;
    aci->AlturaRestricao = 2.0;
    aci->ComprimentoRestricao = 4.0;
    TProcTensional::ProcessaTensional(*aci, temp, tensACI, g);
    // Layer 1 (nodes 1 to 3) rests on the foundation: full restraint.
    for (int n = 1; n <= 3; ++n)
        for (int r = 1; r <= 30; ++r) EXPECT_EQ(tensACI.Celula(n, r), tensTotal.Celula(n, r));
    // Above it the strain is scaled by the factor at the height over layer 1.
    for (int n = 4; n <= 7; ++n) {
        const double h = (n - 1) * 0.5 - 1.0;
        const double f = FatorRestricao(h, 2.0, 4.0);
        EXPECT_EQ(TProcTensional::CoefRestricaoNo(*aci, n), f);
        EXPECT_NEAR(Valor(tensACI, n, 30), f * Valor(tensTotal, n, 30), 1e-4) << n;
    }
    // Without the foundation every height counts from the bottom.
    aci->Fundacao = false;
    EXPECT_EQ(TProcTensional::CoefRestricaoNo(*aci, 1), 1.0);
    EXPECT_EQ(TProcTensional::CoefRestricaoNo(*aci, 7), FatorRestricao(3.0, 2.0, 4.0));
}

// Every refusal leaves the state and the previous table as they were.
struct Recusa {
    const char* nome;
    void (*estraga)(TDadosModelo&, TabelaTexto&);
    const char* trecho;
};

class Recusas : public ::testing::TestWithParam<Recusa> {};

TEST_P(Recusas, NadaMudaENenhumCalculo) {
    auto d = Membro({0, 5}, 2, 30);
    auto temp = Temperaturas(*d, [](int, int h) { return 20.0 - h; });
    d->RestricaoACI = false;
    d->TracaoMaxima = -3.0;
    d->NoTracaoMaxima = 2;
    d->HoraTracaoMaxima = 4;
    GetParam().estraga(*d, temp);
    TabelaTexto tens(3, 3);
    tens.Celula(1, 1) = "anterior";
    Gravador g;
    try {
        TProcTensional::ProcessaTensional(*d, temp, tens, g);
        FAIL() << "a análise devia ser recusada";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
    EXPECT_EQ(tens.Colunas(), 3);
    EXPECT_EQ(tens.Celula(1, 1), "anterior");
    EXPECT_EQ(d->TracaoMaxima, -3.0);
    EXPECT_EQ(d->NoTracaoMaxima, 2);
    EXPECT_EQ(d->HoraTracaoMaxima, 4);
    EXPECT_TRUE(g.status.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Recusas,
    ::testing::Values(
        Recusa{"SemAnaliseTermica", [](TDadosModelo& d, TabelaTexto&) { d.TermicoCompleto = false; },
               "análise térmica completa"},
        Recusa{"PassoDeDuasHoras", [](TDadosModelo& d, TabelaTexto&) { d.PassoTempo = 2; }, "deve ser 1"},
        Recusa{"MaisDe5000Horas", [](TDadosModelo& d, TabelaTexto&) { d.TempoTotal = 5001; }, "5001 horas"},
        Recusa{"SemModelo", [](TDadosModelo& d, TabelaTexto&) { d.ModeloFluencia = TModeloFluencia::Nenhum; },
               "modelo de fluência"},
        Recusa{"RestricaoSemAltura", [](TDadosModelo& d, TabelaTexto&) { d.RestricaoACI = true; }, "altura H"},
        Recusa{"RestricaoComAlturaNegativa",
               [](TDadosModelo& d, TabelaTexto&) { d.RestricaoACI = true, d.AlturaRestricao = -3, d.ComprimentoRestricao = 6; },
               "altura H da estrutura, que está negativa (-3)"},
        Recusa{"CamadaAntesDaPrimeira", [](TDadosModelo& d, TabelaTexto&) { d.Camadas[1].HoraConcretagem = 8; },
               "camada 2"},
        Recusa{"TabelaDeOutroMembro", [](TDadosModelo& d, TabelaTexto&) { d.NElemCamada = 3; },
               "não corresponde"},
        Recusa{"CelulaIlegivel", [](TDadosModelo&, TabelaTexto& t) { t.Celula(3, 7) = "  2.50"; },
               "'  2.50' não é um valor de ponto flutuante válido"},
        Recusa{"FcmNuloNoCEB",
               [](TDadosModelo& d, TabelaTexto&) {
                   d.ModeloFluencia = TModeloFluencia::CEB1990;
                   d.ModuloConstante = true;
                   d.Fcm = 0.0;
               },
               "CEB 1990: a função de fluência da carga aplicada com 1 horas de idade, na idade de 1 horas"},
        Recusa{"PerimetroNuloNoCEB",  // h0 infinite: no βH, not the 1500 cap
               [](TDadosModelo& d, TabelaTexto&) {
                   d.ModeloFluencia = TModeloFluencia::CEB1990, d.ModuloConstante = true, d.PerimetroCEB = 0;
               },
               "CEB 1990: a função de fluência da carga aplicada com 1 horas de idade, na idade de 1 horas"},
        Recusa{"DenominadorDoBureauNulo",
               [](TDadosModelo& d, TabelaTexto&) {
                   d.EBureauA = 1.0;  // a + b·t0 = 0 at one day
                   d.EBureauB = -1.0;
               },
               "Reclamation: a função de fluência da carga aplicada com 24 horas de idade, na idade de 24 horas"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ProcTensional, FalhaNumNoDeixaOsAnteriores) {
    // Maturity with the node 2 far below freezing: its compliance has no value
    // (negative base of a fractional power); node 1 stays written, no message.
    auto d = Membro({0}, 2, 12);
    d->ModeloFluencia = TModeloFluencia::Bazant;
    d->ConsideraMaturidade = true;
    auto temp = Temperaturas(*d, [](int n, int h) { return n == 2 && h >= 5 ? -30.0 : 20.0 + h; });
    TabelaTexto tens;
    Gravador g;
    try {
        TProcTensional::ProcessaTensional(*d, temp, tens, g);
        FAIL();
    } catch (const ErroCalculo& e) {
        EXPECT_NE(std::string(e.what()).find("Bažant-Panula"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("na idade de 5 horas"), std::string::npos) << e.what();
    }
    EXPECT_NE(tens.Celula(1, 12), "");
    EXPECT_EQ(tens.Celula(2, 1), "");
    EXPECT_EQ(tens.Celula(3, 1), "");
}

// The block solve against a literal one-node-at-a-time substitution, on random triangles.
TEST(SubstituicaoProgressiva, IgualALiteralEmTriangulosAleatorios) {
    std::mt19937_64 gerador(20261208);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (int H : {1, 2, 17, 130}) {
        TMatrizFluencia M(H);
        for (int i = 0; i < H; ++i) {
            for (int j = 0; j < i; ++j) M.Linha(i)[j] = 1e-4 * u(gerador);
            M.Linha(i)[i] = 1e-4 * (2.0 + u(gerador));
        }
        std::vector<std::vector<double>> eps(37);
        for (std::size_t b = 0; b < eps.size(); ++b) {
            eps[b].resize(static_cast<std::size_t>(H - static_cast<int>(b % 5) * H / 7));
            for (auto& e : eps[b]) e = 1e-4 * u(gerador);
        }
        const auto ds = TProcTensional::SubstituicaoProgressiva(M, eps);
        for (std::size_t b = 0; b < eps.size(); ++b) {
            const auto& e = eps[b];
            std::vector<double> literal(e.size());
            for (std::size_t i = 0; i < e.size(); ++i) {
                double soma = 0.0;
                for (std::size_t j = 0; j < i; ++j) soma = soma + M(static_cast<int>(i), static_cast<int>(j)) * literal[j];
                literal[i] = (e[i] - soma) / M(static_cast<int>(i), static_cast<int>(i));
            }
            ASSERT_EQ(ds[b], literal) << "H=" << H << " no " << b;
        }
    }
}

// One thread or two, triangle or maturity: the same table.
class Fios : public ::testing::TestWithParam<bool> {};

TEST_P(Fios, UmOuDoisFiosDaoAMesmaTabela) {
    auto d = Membro({0, 30, 60}, 8, 200);
    d->ModeloFluencia = TModeloFluencia::Bazant;
    d->ConsideraMaturidade = GetParam();
    d->RestricaoACI = true;
    d->AlturaRestricao = 3;
    d->ComprimentoRestricao = 7;
    auto temp = Temperaturas(*d, [](int n, int h) { return 20.0 + 15.0 * std::sin(h / 40.0 + n / 9.0); });
    TabelaTexto um, dois;
    Gravador g;
    const auto r1 = TProcTensional::ProcessaTensional(*d, temp, um, g, 1);
    const auto r2 = TProcTensional::ProcessaTensional(*d, temp, dois, g, 2);
    EXPECT_EQ(r1.Mensagem, r2.Mensagem);
    ASSERT_EQ(um.Linhas(), dois.Linhas());
    for (int r = 0; r < um.Linhas(); ++r)
        for (int c = 0; c < um.Colunas(); ++c) ASSERT_EQ(um.Celula(c, r), dois.Celula(c, r)) << c << "," << r;
}

INSTANTIATE_TEST_SUITE_P(Maturidade, Fios, ::testing::Bool());

// The whole run against a literal one: every compliance from FuncaoFluencia, every node
// solved alone, heights and layers worked out from the geometry.
struct CasoLiteral {
    const char* nome;
    TModeloFluencia modelo;
    bool maturidade;
};

class RunLiteral : public ::testing::TestWithParam<CasoLiteral> {};

TEST_P(RunLiteral, TabelaEMensagemIguaisAsDeUmCalculoLiteral) {
    auto d = Membro({2, 20, 45}, 3, 90, 1.2);
    d->ModeloFluencia = GetParam().modelo;
    d->ConsideraMaturidade = GetParam().maturidade;
    d->Camadas[2].TInicial = 24.0;
    d->Camadas[3].Alfa = 8e-6;
    d->RestricaoACI = true;
    d->Fundacao = true;
    d->AlturaRestricao = 2.4;
    d->ComprimentoRestricao = 5.0;
    auto temp = Temperaturas(*d, [](int n, int h) { return 22.0 + 12.0 * std::sin(h / 17.0 + n) - 0.05 * h; });
    TabelaTexto tens;
    Gravador g;
    const auto r = TProcTensional::ProcessaTensional(*d, temp, tens, g);

    const int NE = 3, nos = 10, t0 = 2;
    double minimo = 0.0, tracao = 0.0;
    int no = 0, hora = 0;
    for (int n = 1; n <= nos; ++n) {
        const int l = n <= NE + 1 ? 1 : (n + NE - 2) / NE;
        const int Hl = 90 - d->Camadas[l].HoraConcretagem;
        const int desl = d->Camadas[l].HoraConcretagem - t0;
        std::vector<double> T(static_cast<std::size_t>(Hl)), eps(T.size()), ds(T.size());
        const double y = (n - 1) * 0.4;
        const double fator = l == 1 ? 1.0 : FatorRestricao(y - 1.2, 2.4, 5.0);
        for (int k = 0; k < Hl; ++k) {
            T[static_cast<std::size_t>(k)] = Valor(temp, n, desl + k + 1);
            eps[static_cast<std::size_t>(k)] =
                d->Camadas[l].Alfa * (T[static_cast<std::size_t>(k)] - d->Camadas[l].TInicial) * fator;
        }
        for (int i = 0; i < Hl; ++i) {
            double soma = 0.0;
            for (int j = 0; j < i; ++j)
                soma = soma + TFuncao::FuncaoFluencia(*d, j + 1, i + 1, T.data()) * ds[static_cast<std::size_t>(j)];
            ds[static_cast<std::size_t>(i)] =
                (eps[static_cast<std::size_t>(i)] - soma) / TFuncao::FuncaoFluencia(*d, i + 1, i + 1, T.data());
        }
        double sigma = 0.0;
        for (int k = 0; k < Hl; ++k) {
            sigma = k == 0 ? ds[0] : sigma + ds[static_cast<std::size_t>(k)];
            if (k >= 1 && sigma < 0.0 && sigma < minimo) minimo = sigma, hora = k + 1;
            ASSERT_EQ(tens.Celula(n, desl + k + 1), Numeros::FormataFixo(sigma + 0.0, 7, 4)) << n << "," << k;
        }
        if (minimo < tracao) tracao = minimo, no = n;
    }
    ASSERT_LT(tracao, 0.0);
    EXPECT_EQ(r.Mensagem, "A Tensão Máxima de Tração" + Numeros::FormataFixo(-tracao, 6, 2) + " MPa ,ocorreu no Nó " +
                              std::to_string(no) + ", transcorridos " + std::to_string(hora) + " horas.");
}

INSTANTIATE_TEST_SUITE_P(Modelos, RunLiteral,
                         ::testing::Values(CasoLiteral{"Bureau", TModeloFluencia::Bureau, false},
                                           CasoLiteral{"ACI209", TModeloFluencia::ACI209, false},
                                           CasoLiteral{"CEB1990", TModeloFluencia::CEB1990, false},
                                           CasoLiteral{"Bazant", TModeloFluencia::Bazant, false},
                                           CasoLiteral{"BazantMaturidade", TModeloFluencia::Bazant, true},
                                           CasoLiteral{"NBR6118", TModeloFluencia::NBR6118, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
