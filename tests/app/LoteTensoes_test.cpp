// The batch tool's stress analysis: it runs after the thermal one, writes the stress
// table in the layout of "Salvar Tudo" and prints the tension message; a refusal exits
// with 2 before anything is written.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RodaLote.h"
#include "core/DadosModelo.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "results/ExportaTabela.h"
#include "stress/ProcTensional.h"

namespace {

std::string ProjetoBase() {
    return R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 3, "NCamadas": 2, "NCamadasMembro": 2,
  "TempoTotal": 120, "PassoTempo": 1, "Fundacao": true, "TAmbConst": 22, "BetaSup": 43200,
  "Camadas": [{"K": 2.4, "Espessura": 1.5, "XIni": 0, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 8, "TInicial": 22},
              {"K": 2.4, "Espessura": 1.5, "XIni": 1.5, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 32, "TInicial": 24}],
  "CalorCamadas": [{"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7}],
  "ModeloFluencia": "Bureau", "EBureauA": 0.111137, "EBureauB": 0.03547, "FBureauA": 6.0656, "FBureauB": 8.748,
  "RestricaoACI": true, "AlturaRestricao": 1.5, "ComprimentoRestricao": 6})";
}

// Two layers on a foundation, the second placed a day later, Bureau model, ACI
// restraint; `de` replaced by `para` changes it.
std::string ProjetoTeste(const std::string& de = "", const std::string& para = "") {
    std::string p = ProjetoBase();
    if (!de.empty()) p.replace(p.find(de), de.size(), para);
    return p;
}

// In either formulation the stress run reads the temperatures of the one that ran.
struct CasoFormulacao {
    const char* nome;
    const char* opcao;
    TFormulacao formulacao;
};
class LoteTensoesFormulacao : public ::testing::TestWithParam<CasoFormulacao> {};

TEST_P(LoteTensoesFormulacao, GravaATabelaDeTensoesEAMensagem) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", ProjetoTeste());
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "s.txt") + GetParam().opcao);
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, "");

    // The same analyses in this process give the same message and the same bytes.
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(pasta / "p.n1d.json", *dados);
    dados->Formulacao = GetParam().formulacao;
    dados->NElemAtivos = dados->NElemCamada;
    TabelaTexto temperaturas, tensoes;
    Progresso progresso;
    const ResultadoTransiente termico = TProcesso::ProcessaTransiente(*dados, temperaturas, progresso);
    ASSERT_TRUE(termico.Completo);
    const ResultadoTensional r = TProcTensional::ProcessaTensional(*dados, temperaturas, tensoes, progresso);
    EXPECT_EQ(s.out, termico.Mensagem + "\n" + r.Mensagem + "\n");
    EXPECT_EQ(s.out.find("A Tensão Máxima de Tração"), termico.Mensagem.size() + 1) << s.out;
    EXPECT_EQ(LeArquivo(pasta / "s.txt"), ExportaTabela::Bytes(tensoes, dados->NElemAtivos));
    EXPECT_EQ(pasta.QuantosArquivos(), 2);
}

INSTANTIATE_TEST_SUITE_P(Formulacoes, LoteTensoesFormulacao,
                         ::testing::Values(CasoFormulacao{"Classica", "", TFormulacao::Classica},
                                           CasoFormulacao{"Consistente", " --formulacao consistente",
                                                          TFormulacao::Consistente}),
                         [](const auto& info) { return std::string(info.param.nome); });

// The two formulations give different temperatures, hence different stresses.
TEST(LoteTensoes, FormulacoesDaoTensoesDiferentes) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", ProjetoTeste());
    ASSERT_EQ(Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "a.txt")).codigo, 0);
    ASSERT_EQ(Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "b.txt") + " --formulacao consistente")
                  .codigo,
              0);
    EXPECT_NE(LeArquivo(pasta / "a.txt"), LeArquivo(pasta / "b.txt"));
}

struct Recusa {
    const char* nome;
    std::string de, para;
    const char* mensagem;
};

class LoteTensoesRecusa : public ::testing::TestWithParam<Recusa> {};

TEST_P(LoteTensoesRecusa, SaiComDoisSemTocarAsTabelas) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", ProjetoTeste(GetParam().de, GetParam().para));
    GravaArquivo(pasta / "t.txt", "tabela anterior");
    GravaArquivo(pasta / "s.txt", "tensões anteriores");
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --temperaturas " + Q(pasta / "t.txt") + " --tensoes " +
                                    Q(pasta / "s.txt"));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_NE(s.err.find(GetParam().mensagem), std::string::npos) << s.err;
    EXPECT_EQ(LeArquivo(pasta / "t.txt"), "tabela anterior");
    EXPECT_EQ(LeArquivo(pasta / "s.txt"), "tensões anteriores");
    EXPECT_EQ(pasta.QuantosArquivos(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteTensoesRecusa,
    ::testing::Values(Recusa{"SemModelo", R"("ModeloFluencia": "Bureau",)", "", "Escolha um modelo de fluência"},
                      Recusa{"PassoDeDuasHoras", R"("PassoTempo": 1)", R"("PassoTempo": 2)", "deve ser 1"},
                      Recusa{"RestricaoSemAltura", R"("AlturaRestricao": 1.5)", R"("AlturaRestricao": 0)",
                             "altura H da estrutura"},
                      Recusa{"RestricaoComAlturaNegativa", R"("AlturaRestricao": 1.5)", R"("AlturaRestricao": -3)",
                             "altura H da estrutura, que está negativa (-3)"},
                      Recusa{"PerimetroNuloNoCEB", R"("ModeloFluencia": "Bureau")",
                             R"("ModeloFluencia": "CEB1990", "UmidadeRel": 50, "AreaCEB": 5e6, "PerimetroCEB": 0,
                                "Fcm": 21, "ModuloConstante": true, "ModuloRef": 25000)",
                             "CEB 1990: a função de fluência da carga aplicada com 1 horas de idade"},
                      Recusa{"FcmNuloNoCEB", R"("ModeloFluencia": "Bureau")",
                             R"("ModeloFluencia": "CEB1990", "UmidadeRel": 50, "AreaCEB": 5e6, "PerimetroCEB": 1e4,
                                "ModuloConstante": true, "ModuloRef": 25000)",
                             "CEB 1990"},
                      // The thermal run computes nothing: the refusal says why.
                      Recusa{"CamadaUmDepoisDoFim", R"("TempoTotal": 120)", R"("TempoTotal": 6)",
                             "na hora 8, depois do tempo total de 6 h"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
