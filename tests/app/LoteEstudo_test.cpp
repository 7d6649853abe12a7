// The batch tool's --estudo: the file it writes is the study's CSV of this process, byte
// for byte, and a command line that mixes the study with a project run is refused. With
// --parte each process runs a share, and --junta gives back the single run's file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "RodaLote.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"

namespace {

const std::string Exemplo = std::string(NORVIK_FONTES) + "/exemplos/estudo-muro-10-camadas.estudo.json";

TEST(LoteEstudo, GravaOMesmoCsvQueOProcesso) {
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, "--estudo " + Q(Exemplo) + " --saida " + Q(pasta / "r.csv"));
    ASSERT_EQ(s.codigo, 0) << s.err;
    const TEstudo estudo = Estudo::Le(Exemplo);
    EXPECT_EQ(LeArquivo(pasta / "r.csv"), RodaEstudo::Csv(estudo, RodaEstudo::Roda(estudo)));
    EXPECT_EQ(s.out, "54 casos; 16 atendem aos limites.\n");
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

// The shares of every split, each run as its own process as a job array would, merged
// (in reverse order, as a shell glob may list them) into the single run's file.
TEST(LoteEstudo, PartesJuntadasDaoOArquivoDaExecucaoUnica) {
    PastaTemporaria pasta;
    ASSERT_EQ(Roda(pasta, "--estudo " + Q(Exemplo) + " --saida " + Q(pasta / "unico.csv")).codigo, 0);
    const std::string unico = LeArquivo(pasta / "unico.csv");
    for (int n : {1, 2, 3, 7}) {
        SCOPED_TRACE(n);
        std::ostringstream partes;
        for (int k = n; k >= 1; --k) {
            std::ostringstream nome, kn, inicio;
            nome << "p" << n << "-" << k << ".csv";
            kn << k << "/" << n;
            inicio << "Parte " << k << " de " << n << " (casos ";
            const Saida s =
                Roda(pasta, "--estudo " + Q(Exemplo) + " --saida " + Q(pasta / nome.str()) + " --parte " + kn.str());
            ASSERT_EQ(s.codigo, 0) << s.err;
            EXPECT_EQ(s.out.rfind(inicio.str(), 0), 0u) << s.out;
            partes << " " << Q(pasta / nome.str());
        }
        std::ostringstream junto, esperado;
        junto << "junto" << n << ".csv";
        esperado << n << " partes juntadas em \"" << (pasta / junto.str()) << "\".\n";
        const Saida s = Roda(pasta, "--junta" + partes.str() + " --saida " + Q(pasta / junto.str()));
        ASSERT_EQ(s.codigo, 0) << s.err;
        EXPECT_EQ(s.out, esperado.str());
        EXPECT_EQ(LeArquivo(pasta / junto.str()), unico);
    }
    // A missing share: nothing written.
    const Saida s = Roda(pasta, "--junta " + Q(pasta / "p3-1.csv") + " " + Q(pasta / "p3-3.csv") + " --saida " +
                                    Q(pasta / "incompleto.csv"));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find("falta a parte 2 de 3"), std::string::npos) << s.err;
    EXPECT_FALSE(std::filesystem::exists(pasta / "incompleto.csv"));
}

// A study none of whose cases ran is a failure (exit 2), with the reason of the first;
// the file still tells each case's message. Not a terminal: no progress lines.
TEST(LoteEstudo, TodosOsCasosFalhandoSaiCom2) {
    PastaTemporaria pasta;
    const std::string projeto = std::string(NORVIK_FONTES) + "/exemplos/muro-10-camadas-cura.n1d.json";
    std::ofstream(pasta / "e.json") << R"({"formato": "norvik-1d/estudo", "projeto": ")" << projeto
                                    << R"(", "parametros": {"ElementosCamada": [100, 200]}})";
    const Saida s = Roda(pasta, "--estudo " + Q(pasta / "e.json") + " --saida " + Q(pasta / "r.csv"));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find("nenhum caso do estudo rodou; o primeiro disse: o caso tem 1001 nós"), std::string::npos)
        << s.err;
    EXPECT_EQ(s.err.find('\r'), std::string::npos) << s.err;
    EXPECT_EQ(s.out, "2 casos; 0 atendem aos limites; 2 não rodaram (veja a coluna Mensagem).\n");
}

using Recusa = RecusaLote;

class LoteEstudoRecusa : public ::testing::TestWithParam<Recusa> {};

TEST_P(LoteEstudoRecusa, NadaEGravado) { ConfereRecusa(GetParam(), Exemplo); }

INSTANTIATE_TEST_SUITE_P(
    Linhas, LoteEstudoRecusa,
    ::testing::Values(Recusa{"SemSaida", "--estudo {E}", "falta --saida"},
                      Recusa{"SaidaSemEstudo", "--saida {S}", "--saida só vale com --estudo"},
                      Recusa{"ComProjeto", "x.n1d.json --estudo {E} --saida {S}", "não se combina"},
                      Recusa{"SobreOEstudo", "--estudo {E} --saida {E}", "sobrescreveria o próprio estudo"},
                      Recusa{"EstudoAusente", "--estudo nao-existe.json --saida {S}", "Não foi possível abrir o estudo"},
                      Recusa{"ParteZero", "--estudo {E} --saida {S} --parte 0/3", "--parte deve ser K/N com 1 ≤ K ≤ N"},
                      Recusa{"ParteAlemDoTotal", "--estudo {E} --saida {S} --parte 4/3", "--parte deve ser K/N"},
                      Recusa{"ParteSemEstudo", "x.n1d.json --parte 1/2", "--parte só vale com --estudo"},
                      Recusa{"JuntaSemSaida", "--junta {E}", "falta --saida RESULTADO.csv para juntar as partes"},
                      Recusa{"JuntaVazia", "--junta --saida {S}", "falta o arquivo de ao menos uma parte"},
                      Recusa{"JuntaComEstudo", "--junta {S} --estudo {E} --saida {S}", "--junta não se combina"},
                      Recusa{"JuntaSobreAParte", "--junta {E} --saida {E}", "sobrescreveria a parte"},
                      Recusa{"JuntaNaoParte", "--junta {E} --saida {S}", "não é o arquivo de uma parte de estudo"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
