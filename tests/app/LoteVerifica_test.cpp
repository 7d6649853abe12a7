// The batch tool's --verifica: after the run's messages it prints the verification
// report, the same text the verification gives in this process, in the formulation
// that ran and, with --tensoes, with the largest tension of both meshes.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "RodaLote.h"
#include "core/DadosModelo.h"
#include "core/Projeto.h"
#include "verificacao/Verificacao.h"

namespace {

// Two layers on a foundation, the second placed a day later, the Bureau model and the
// ACI restraint, an insulated bottom and a cooled top.
const char* Projeto =
    R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 3, "NCamadas": 2, "NCamadasMembro": 2,
  "TempoTotal": 120, "PassoTempo": 1, "Fundacao": true, "TAmbConst": 22, "BetaSup": 43200, "QRadiacao": 0,
  "Camadas": [{"K": 2.4, "Espessura": 1.5, "XIni": 0, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 8, "TInicial": 22},
              {"K": 2.4, "Espessura": 1.5, "XIni": 1.5, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 32, "TInicial": 24}],
  "CalorCamadas": [{"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7}],
  "ModeloFluencia": "Bureau", "EBureauA": 0.111137, "EBureauB": 0.03547, "FBureauA": 6.0656, "FBureauB": 8.748,
  "RestricaoACI": true, "AlturaRestricao": 1.5, "ComprimentoRestricao": 6})";

struct CasoVerifica {
    const char* nome;
    const char* opcoes;
    TFormulacao formulacao;
    bool tensoes;
};
class LoteVerifica : public ::testing::TestWithParam<CasoVerifica> {};

TEST_P(LoteVerifica, ImprimeORelatorioDaVerificacao) {
    const CasoVerifica& c = GetParam();
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", Projeto);
    std::string args = Q(pasta / "p.n1d.json") + " --verifica" + c.opcoes;
    if (c.tensoes) args += " --tensoes " + Q(pasta / "s.txt");
    const Saida s = Roda(pasta, args);
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, "");

    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(pasta / "p.n1d.json", *dados);
    dados->Formulacao = c.formulacao;
    Progresso semJanela;
    const TVerificacao v = TVerificacao::Executa(*dados, c.tensoes, semJanela);
    std::string relatorio(1, '\n');  // built by appending: GCC 12 warns falsely on "\n" + temporary
    relatorio += v.Texto();
    ASSERT_GE(s.out.size(), relatorio.size()) << s.out;
    EXPECT_EQ(s.out.substr(s.out.size() - relatorio.size()), relatorio) << s.out;
    EXPECT_EQ(s.out.find("Maior tração (MPa)") != std::string::npos, c.tensoes) << s.out;
    EXPECT_EQ(v.Refinada.ElemCamada, 6);
    // The consistent run closes its balance.
    if (c.formulacao == TFormulacao::Consistente) {
        EXPECT_LT(std::fabs(v.Balanco.ResiduoPercentual()), 0.1);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Opcoes, LoteVerifica,
    ::testing::Values(CasoVerifica{"Classica", "", TFormulacao::Classica, false},
                      CasoVerifica{"Consistente", " --formulacao consistente", TFormulacao::Consistente, false},
                      CasoVerifica{"ComTensoes", "", TFormulacao::Classica, true}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
