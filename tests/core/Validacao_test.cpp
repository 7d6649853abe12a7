// The one check of a problem before any run: each row an input, the refusal or
// warning expected (a fragment of its message) or its acceptance. Rows as in
// docs/entradas-invalidas.md, "Validação do problema".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "MembroTeste.h"
#include "core/Erros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "core/Validacao.h"
#include "obra/DadosObra.h"

using ::testing::HasSubstr;

namespace {

struct Linha {
    const char* nome;
    void (*prepara)(TDadosModelo&);
    const char* erro;   // fragment of the refusal; empty: no refusal
    const char* aviso;  // fragment of a warning; empty: none
};

void PrintTo(const Linha& l, std::ostream* os) { *os << l.nome; }

class ValidaProblema : public ::testing::TestWithParam<Linha> {};

TEST_P(ValidaProblema, RecusaAvisaOuAceita) {
    const Linha& l = GetParam();
    auto d = teste::Membro(2, 2, 6, 10, 100);
    l.prepara(*d);
    const Validacao::Resultado r = Validacao::ValidaProblema(*d);
    if (*l.erro) {
        ASSERT_FALSE(r.Valido());
        EXPECT_THAT(r.Erros.front(), HasSubstr(l.erro));
        // The run refuses it before any arithmetic, with the same words.
        try {
            TProcesso::ValidaEntrada(*d);
            ADD_FAILURE() << "a execução aceitou";
        } catch (const ErroEntrada& e) {
            EXPECT_THAT(e.what(), HasSubstr(l.erro));
        }
    } else {
        EXPECT_TRUE(r.Valido()) << r.Erros.front();
        EXPECT_NO_THROW(TProcesso::ValidaEntrada(*d));
    }
    if (*l.aviso) {
        ASSERT_FALSE(r.Avisos.empty());
        EXPECT_THAT(r.Avisos.front(), HasSubstr(l.aviso));
    } else {
        EXPECT_TRUE(r.Avisos.empty()) << r.Avisos.front();
    }
}

void Clima(TDadosModelo& d) {
    ObraEditavel(d).ClimaArquivo = true;
    ObraEditavel(d).Temperatura.assign(101, 20.0);
    ObraEditavel(d).Vento.assign(101, 2.0);
    ObraEditavel(d).Radiacao.assign(101, 0.0);
}

TSensor Sensor(double altura, double leitura = 25.0) { return TSensor{"T1", altura, {{10.0, leitura}}}; }

const Linha Linhas[] = {
    {"MembroValido", [](TDadosModelo&) {}, "", ""},
    {"EspessuraNula", [](TDadosModelo& d) { d.Camadas[2].Espessura = 0; },
     "A espessura da camada 2 vale 0 m; deve ser um número maior que zero.", ""},
    {"CondutividadeNegativa", [](TDadosModelo& d) { d.Camadas[1].K = -2.4; },
     "A condutividade térmica da camada 1 vale -2,4", ""},
    {"MassaEspecificaNula", [](TDadosModelo& d) { d.Camadas[2].Ro = 0; }, "A massa específica da camada 2", ""},
    {"CalorEspecificoNaN", [](TDadosModelo& d) { d.Camadas[1].CalorEsp = std::nan(""); },
     "O calor específico da camada 1", ""},
    {"DilatacaoNegativa", [](TDadosModelo& d) { d.Camadas[1].Alfa = -1e-5; },
     "A dilatação térmica da camada 1 vale -1E-5 /°C; não pode ser negativa", ""},
    {"DilatacaoNulaSemTensoes", [](TDadosModelo& d) { d.Camadas[1].Alfa = 0; }, "", ""},
    {"DilatacaoNulaComTensoes",
     [](TDadosModelo& d) {
         d.ModeloFluencia = TModeloFluencia::CEB1990;
         d.Camadas[2].Alfa = 0;
     },
     "A dilatação térmica da camada 2 vale 0 /°C; deve ser um número maior que zero", ""},
    {"LancamentoAbaixoDeMenos60", [](TDadosModelo& d) { d.Camadas[2].TInicial = -200; },
     "A temperatura de lançamento da camada 2 vale -200 °C; a faixa aceita é de -60 a 100 °C", ""},
    {"LancamentoEmKelvin", [](TDadosModelo& d) { d.Camadas[1].TInicial = 293.15; },
     "vale 293,15 °C; a faixa aceita é de -60 a 100 °C", ""},
    {"LancamentoQuente", [](TDadosModelo& d) { d.Camadas[1].TInicial = 45; }, "",
     "A temperatura de lançamento da camada 1 é 45 °C, acima de 40 °C"},
    {"LancamentoNoLimiteDoAviso", [](TDadosModelo& d) { d.Camadas[1].TInicial = 40; }, "", ""},
    {"SoloNaoEhLancamento",
     [](TDadosModelo& d) {
         d.Fundacao = true;
         d.Camadas[1].TInicial = 45;
     },
     "", ""},
    {"AmbienteConstanteEmKelvin", [](TDadosModelo& d) { d.TAmbConst = 300; },
     "A temperatura ambiente constante vale 300 °C", ""},
    {"CicloDiarioAbaixoDeMenos60",
     [](TDadosModelo& d) {
         d.TAmbConstante = false;
         d.TAmbMin = -70;
     },
     "A temperatura ambiente mínima do dia vale -70 °C", ""},
    {"AguaFervendo",
     [](TDadosModelo& d) {
         d.TPrescSupAtiva = true;
         d.TPrescSup = 120;
     },
     "A temperatura prescrita na face superior vale 120 °C", ""},
    {"PrescritaInativaNaoConta", [](TDadosModelo& d) { d.TPrescInf = 500; }, "", ""},
    {"RadiacaoConstanteNegativa", [](TDadosModelo& d) { d.QRadiacao = -200; },
     "A radiação solar absorvida vale -200; não pode ser negativa", ""},
    {"AlfaUTres",
     [](TDadosModelo& d) {
         teste::CurvaHidratacao(d);
         d.CalorCamadas[2].Maturidade = true;
         d.CalorCamadas[2].AlfaU = 3;
     },
     "O grau de hidratação final αu da camada 2 vale 3; deve estar entre 0 (exclusive) e 1", ""},
    {"AlfaUUm",
     [](TDadosModelo& d) {
         teste::CurvaHidratacao(d);
         d.CalorCamadas[2].Maturidade = true;
         d.CalorCamadas[2].AlfaU = 1;
     },
     "", ""},
    {"VentoNegativo",
     [](TDadosModelo& d) {
         Clima(d);
         ObraEditavel(d).Vento[3] = -1;
     },
     "O clima horário tem velocidade do vento de -1 na hora 3; o vento não pode ser negativo", ""},
    {"VentaniaAvisa",
     [](TDadosModelo& d) {
         Clima(d);
         ObraEditavel(d).Vento[7] = 35;
     },
     "", "O clima horário tem vento de 35 m/s na hora 7, acima de 30 m/s"},
    {"RadiacaoNegativa",
     [](TDadosModelo& d) {
         Clima(d);
         ObraEditavel(d).Radiacao[50] = -5;
     },
     "radiação solar de -5 na hora 50", ""},
    {"ArDoArquivoAMenos300",
     [](TDadosModelo& d) {
         Clima(d);
         ObraEditavel(d).Temperatura[2] = -300;
     },
     "O clima horário tem temperatura do ar de -300 na hora 2; a faixa aceita é de -60 a 100 °C", ""},
    {"AmbienteDoDialogoIgnoradoComArquivo",
     [](TDadosModelo& d) {
         Clima(d);
         d.TAmbConst = 300;
         d.QRadiacao = -1;
     },
     "", ""},
    {"SensorAbaixoDaBase", [](TDadosModelo& d) { d.Medicoes = {Sensor(-0.1)}; },
     "O sensor \"T1\" está a -0,1 m da base, fora do membro: a altura deve ficar entre 0 e 2 m", ""},
    {"SensorAcimaDoTopo", [](TDadosModelo& d) { d.Medicoes = {Sensor(2.5)}; }, "fora do membro", ""},
    {"SensorNoTopo", [](TDadosModelo& d) { d.Medicoes = {Sensor(2.0)}; }, "", ""},
    {"LeituraMenos9999", [](TDadosModelo& d) { d.Medicoes = {Sensor(1.0, -9999)}; },
     "tem a leitura -9999 °C na hora 10", ""},
};

INSTANTIATE_TEST_SUITE_P(Problema, ValidaProblema, ::testing::ValuesIn(Linhas),
                         [](const auto& info) { return std::string(info.param.nome); });

// A refused run leaves the table and the state as they were.
TEST(ValidaProblema, RecusaDaExecucaoNaoTocaATabela) {
    auto d = teste::Membro(2, 2, 6, 10, 100);
    d->Camadas[2].TInicial = -200;
    TabelaTexto t(3, 3);
    t.Celula(1, 1) = "x";
    teste::Gravador g;
    EXPECT_THROW(TProcesso::ProcessaTransiente(*d, t, g), ErroEntrada);
    EXPECT_EQ(t.Celula(1, 1), "x");
    EXPECT_FALSE(d->TermicoCompleto);
}

// No shipped example is refused or warned about, but the block of finite plan size
// whose side forms come off: that its bare sides make the lumped side loss inaccurate
// is what the example shows, and its one warning says so.
TEST(ValidaProblema, ExemplosPassam) {
    const std::map<std::string, std::string> avisoEsperado = {
        {"bloco-3x3-duas-camadas-formas-laterais.n1d.json",
         "As camadas 1 e 2 têm número de Biot em planta de até 6,25"}};
    int lidos = 0;
    for (const auto& f : std::filesystem::directory_iterator(std::string(NORVIK_FONTES) + "/exemplos")) {
        if (f.path().string().find(".n1d.json") == std::string::npos) continue;
        auto d = std::make_unique<TDadosModelo>();
        Projeto::Le(f.path().string(), *d);
        const auto r = Validacao::ValidaProblema(*d);
        EXPECT_TRUE(r.Valido()) << f.path() << ": " << r.Erros.front();
        const auto esperado = avisoEsperado.find(f.path().filename().string());
        if (esperado == avisoEsperado.end()) {
            EXPECT_TRUE(r.Avisos.empty()) << f.path() << ": " << r.Avisos.front();
        } else {
            ASSERT_EQ(r.Avisos.size(), 1u) << f.path();
            EXPECT_EQ(r.Avisos.front().rfind(esperado->second, 0), 0u) << r.Avisos.front();
        }
        ++lidos;
    }
    EXPECT_GE(lidos, 8);
}

}  // namespace
