// The batch tool's --resumo: after the run's messages it prints the thermal summary and,
// with --tensoes, the cracking index, the same texts the engine gives in this process;
// without the tensile strengths in the project it refuses before running.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RodaLote.h"
#include "core/DadosModelo.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"
#include "stress/ProcTensional.h"

namespace {

// Two layers on a foundation, the second placed a day later, Bureau model, ACI restraint,
// the strength window's defaults for simple tension.
std::string Projeto(bool comResistencias) {
    return std::string(R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 3, "NCamadas": 2, "NCamadasMembro": 2,
  "TempoTotal": 120, "PassoTempo": 1, "Fundacao": true, "TAmbConst": 22, "BetaSup": 43200,
  "Camadas": [{"K": 2.4, "Espessura": 1.5, "XIni": 0, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 8, "TInicial": 22},
              {"K": 2.4, "Espessura": 1.5, "XIni": 1.5, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 32, "TInicial": 24}],
  "CalorCamadas": [{"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7}],
  "ModeloFluencia": "Bureau", "EBureauA": 0.111137, "EBureauB": 0.03547, "FBureauA": 6.0656, "FBureauB": 8.748,)") +
           (comResistencias ? R"( "ResistTracaoA": 0.65271, "ResistTracaoB": 0.548387,)" : "") +
           R"( "RestricaoACI": true, "AlturaRestricao": 1.5, "ComprimentoRestricao": 6})";
}

struct Referencia {
    std::unique_ptr<TDadosModelo> dados = std::make_unique<TDadosModelo>();
    TabelaTexto temperaturas, tensoes;
    std::string termico, tensional;

    Referencia(const std::string& projeto, bool comTensoes) {
        Projeto::Le(projeto, *dados);
        dados->NElemAtivos = dados->NElemCamada;
        Progresso progresso;
        termico = TProcesso::ProcessaTransiente(*dados, temperaturas, progresso).Mensagem;
        if (comTensoes) tensional = TProcTensional::ProcessaTensional(*dados, temperaturas, tensoes, progresso).Mensagem;
    }
};

TEST(LoteResumo, ResumoTermicoDepoisDaMensagem) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", Projeto(false));
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --resumo");
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, "");
    Referencia ref(pasta / "p.n1d.json", false);
    const TResumoTermico resumo = TResumoTermico::Calcula(*ref.dados, ref.temperaturas, 70.0);
    EXPECT_EQ(s.out, ref.termico + "\n\n" + resumo.Texto(false));
    EXPECT_NE(s.out.find("Temperatura máxima: "), std::string::npos);
    EXPECT_EQ(s.out.find("Índice de Fissuração"), std::string::npos);
}

TEST(LoteResumo, ComTensoesImprimeTambemOIndiceDeFissuracao) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", Projeto(true));
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "s.txt") + " --resumo");
    ASSERT_EQ(s.codigo, 0) << s.err;
    Referencia ref(pasta / "p.n1d.json", true);
    const std::string esperado =
        ref.termico + "\n" + ref.tensional + "\n\n" +
        TResumoTermico::Calcula(*ref.dados, ref.temperaturas, 70.0).Texto(false) + "\n" +
        TIndiceFissuracao::Calcula(*ref.dados, ref.tensoes, TCurvaTracao::Simples, 1.0).Texto(false);
    EXPECT_EQ(s.out, esperado);
    EXPECT_NE(s.out.find("Curva de resistência: Tração Simples"), std::string::npos);
}

// Three layers on "Fundação": layer 1 is 2 m of soil without heat, placed at hour 0; two
// lifts of concrete at hours 8 and 80; the base held at `base` °C.
std::string ProjetoSobreSolo(const std::string& base) {
    return R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 4, "NCamadas": 3, "NCamadasMembro": 3,
  "TempoTotal": 200, "PassoTempo": 1, "Fundacao": true, "TAmbConstante": false, "TAmbConst": 25,
  "TAmbMax": 31, "TAmbMin": 19, "HoraTAmbMax": 15, "HoraTAmbMin": 3, "QRadiacao": 0, "TPrescInfAtiva": true,
  "TPrescInf": )" + base + R"(, "BetaSup": 43200,
  "Camadas": [{"K": 1.8, "Espessura": 2, "XIni": 0, "Ro": 1900, "CalorEsp": 900, "Alfa": 1e-05, "HoraConcretagem": 0, "TInicial": 24},
              {"K": 2.4, "Espessura": 1.5, "XIni": 2, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 8, "TInicial": 24},
              {"K": 2.4, "Espessura": 1.5, "XIni": 3.5, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 80, "TInicial": 23}],
  "CalorCamadas": [{"Constante": true, "F": 0},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7}],
  "ModeloFluencia": "Bureau", "EBureauA": 0.111137, "EBureauB": 0.03547, "FBureauA": 6.0656, "FBureauB": 8.748,
  "ResistTracaoA": 0.65271, "ResistTracaoB": 0.548387})";
}

struct CasoSolo {
    const char* nome;
    const char* base;
    std::vector<std::string> linhas;  // each printed whole
};

class LoteResumoSobreSolo : public ::testing::TestWithParam<CasoSolo> {};

TEST_P(LoteResumoSobreSolo, ResumoEIndiceSoDoConcreto) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", ProjetoSobreSolo(GetParam().base));
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "s.txt") + " --resumo");
    ASSERT_EQ(s.codigo, 0) << s.err;
    for (const std::string& linha : GetParam().linhas)
        EXPECT_NE(s.out.find("\n" + linha + "\n"), std::string::npos) << linha << "\n---\n" << s.out;
    // The lowest index lies in the concrete, above the soil's nodes 1 to 5.
    const std::size_t menor = s.out.find("Menor índice: ");
    ASSERT_NE(menor, std::string::npos);
    const std::size_t no = s.out.find(" no Nó ", menor);
    EXPECT_GT(std::stoi(s.out.substr(no + std::string(" no Nó ").size())), 5) << s.out.substr(menor, 60);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteResumoSobreSolo,
    ::testing::Values(
        CasoSolo{"Solo", "24",
                 {"Nós da fundação (camada 1, Nós 1 a 5) fora do índice: o solo não é concreto.",
                  "      5       1   fundação", " Camada  Dif.[°C]    t[h]  Nó quente  Nó topo"}},
        // The table holds 80,00 at node 1 from the first hour: that is the peak, not the run's
        // value before the base was written back.
        CasoSolo{"BaseA80Graus", "80",
                 {"Temperatura máxima: 80,00 °C no Nó 1, na hora 1.", "      1       1   fundação"}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(LoteResumo, SemResistenciasRecusaAntesDeExecutar) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", Projeto(false));
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "s.txt") + " --resumo");
    EXPECT_EQ(s.codigo, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_NE(s.err.find("ResistTracaoA e ResistTracaoB"), std::string::npos) << s.err;
    EXPECT_EQ(pasta.QuantosArquivos(), 1);  // only the project
}

}  // namespace
