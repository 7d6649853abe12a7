// The batch tool's --resumo: after the run's messages it prints the thermal summary and,
// with --tensoes, the cracking index, the same texts the engine gives in this process;
// without the tensile strengths in the project it refuses before running.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RodaLote.h"
#include "core/DadosModelo.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"
#include "stress/ProcTensional.h"
#include "stress/RetracaoAutogena.h"

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
    HistoricoNumerico temperaturas, tensoes;
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

// With autogenous shrinkage in a layer, after the index the line of its share in the
// largest tension: the tension of the same project without the key, run apart.
TEST(LoteResumo, ComRetracaoAutogenaAParcelaDelaNaMaiorTracao) {
    PastaTemporaria pasta;
    std::string texto = Projeto(true);
    texto.insert(texto.size() - 1, R"(, "RetracaoAutogena": [{"Camada": 1, "Modelo": "EN1992", "Fck": 50}, )"
                                   R"({"Camada": 2, "Modelo": "fibMC2010", "Fck": 40, "ClasseCimento": "42.5R"}])");
    GravaArquivo(pasta / "p.n1d.json", texto);
    GravaArquivo(pasta / "sem.n1d.json", Projeto(true));
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "s.txt") + " --resumo");
    ASSERT_EQ(s.codigo, 0) << s.err;
    Referencia com(pasta / "p.n1d.json", true), sem(pasta / "sem.n1d.json", true);
    const std::string linha = RetracaoAutogena::LinhaParcela(com.dados->TracaoMaxima, sem.dados->TracaoMaxima,
                                                             sem.dados->NoTracaoMaxima, sem.dados->HoraTracaoMaxima);
    const std::string indice = TIndiceFissuracao::Calcula(*com.dados, com.tensoes, TCurvaTracao::Simples, 1.0).Texto(false);
    EXPECT_NE(s.out.find(indice + "\n" + linha), std::string::npos) << s.out;
    EXPECT_NE(com.dados->TracaoMaxima, sem.dados->TracaoMaxima);
    // Without the key the summary has no such line.
    const Saida s2 = Roda(pasta, Q(pasta / "sem.n1d.json") + " --tensoes " + Q(pasta / "s2.txt") + " --resumo");
    EXPECT_EQ(s2.out.find("Sem a retração autógena"), std::string::npos);
}

// The foundation example with layer 1 as soil without heat, the base held at 80 °C, a
// creep model and the tensile strength: the table's peak, each lift against its own top
// face, and an index of the concrete only.
TEST(LoteResumo, MembroSobreSoloSoOConcretoEAMaximaDaTabela) {
    std::string p = LeArquivo(std::string(NORVIK_FONTES) + "/exemplos/bloco-fundacao-3-camadas.n1d.json");
    auto troca = [&p](const std::string& de, const std::string& para) { p.replace(p.find(de), de.size(), para); };
    troca(R"("TPrescInf": 24)", R"("TPrescInf": 80)");
    troca(R"("Constante": false)", R"("Constante": true)");  // layer 1, F = 0
    troca(R"("Fundacao": false,)", R"("Fundacao": true, "ModeloFluencia": "Bureau", "EBureauA": 0.111137,
  "EBureauB": 0.03547, "FBureauA": 6.0656, "FBureauB": 8.748, "ResistTracaoA": 0.65271, "ResistTracaoB": 0.548387,)");
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", p);
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --tensoes " + Q(pasta / "s.txt") + " --resumo");
    ASSERT_EQ(s.codigo, 0) << s.err;
    for (const char* linha :
         {"Temperatura máxima: 80,00 °C no Nó 1, na hora 9.",  // the run's message says 79,80
          "Maior diferença entre o ponto mais quente de uma camada e a sua face superior, enquanto é a do topo: "
          "30,79 °C na camada 3, na hora 270 (ponto mais quente no Nó 10, face superior no Nó 13).",
          "      2     23,99     151          7        9", "      3     30,79     270         10       13",
          "Nós da fundação (camada 1, Nós 1 a 5) fora do índice: o solo não é concreto.",
          "Menor índice: 1,177 no Nó 9, na hora 153 (P = 29,4 %).", "      5       1   fundação"})
    {
        std::string inteira(1, '\n');  // built by appending: GCC 12 warns falsely on "\n" + temporary
        inteira.append(linha).push_back('\n');
        EXPECT_NE(s.out.find(inteira), std::string::npos) << linha << "\n" << s.out;
    }
}

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
