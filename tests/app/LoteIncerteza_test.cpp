// The batch tool's --incerteza: the file it writes is the uncertainty study's CSV of this
// process, byte for byte, the probabilities go to the output, and a command line that
// mixes it with anything else is refused before anything is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <iterator>
#include <string>

#include "RodaLote.h"
#include "core/Numeros.h"
#include "incerteza/Incerteza.h"

namespace {

const std::string Exemplo = std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas-incerteza.json";

// A smaller study on the same base: the example's inputs, fewer samples.
std::string Pequeno(const PastaTemporaria& pasta) {
    std::ifstream f(Exemplo);
    std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    texto.replace(texto.find("\"amostras\": 500"), 15, "\"amostras\": 40");
    texto.replace(texto.find("radier-verao-mantas.n1d.json"), 28,
                  std::string(NORVIK_FONTES) + "/exemplos/radier-verao-mantas.n1d.json");
    std::ofstream(pasta / "e.json") << texto;
    return pasta / "e.json";
}

TEST(LoteIncerteza, GravaOMesmoCsvQueOProcesso) {
    PastaTemporaria pasta;
    const std::string estudo = Pequeno(pasta);
    const Saida s = Roda(pasta, "--incerteza " + Q(estudo) + " --saida " + Q(pasta / "r.csv"));
    ASSERT_EQ(s.codigo, 0) << s.err;
    const TEstudoIncerteza e = Incerteza::Le(estudo);
    const TResultadoIncerteza r = Incerteza::Roda(e);
    EXPECT_EQ(LeArquivo(pasta / "r.csv"), Incerteza::Csv(e, r));
    const TResumoIncerteza resumo = Incerteza::Resume(e, r.Linhas);
    const auto p = [](double x) { return Numeros::FormataFixo(x, 0, 4); };
    EXPECT_EQ(s.out, "40 amostras.\n"
                     "P(temperatura máxima > 70 °C) = " + p(resumo.PicoAcima.P) + " (IC 95 %: " +
                         p(resumo.PicoAcima.Inferior) + " a " + p(resumo.PicoAcima.Superior) + ")\n" +
                         "P(maior diferença > 20 °C) = " + p(resumo.DiferencaAcima.P) + " (IC 95 %: " +
                         p(resumo.DiferencaAcima.Inferior) + " a " + p(resumo.DiferencaAcima.Superior) + ")\n" +
                         "P(menor índice < 1) = " + p(resumo.IndiceAbaixo.P) + " (IC 95 %: " +
                         p(resumo.IndiceAbaixo.Inferior) + " a " + p(resumo.IndiceAbaixo.Superior) + ")\n");
    EXPECT_EQ(pasta.QuantosArquivos(), 2);
}

// The samples in shares, each its own process, merged with the study: the single run's
// file, summary included, byte for byte; the merge refuses to go on without the study
// or with another one.
TEST(LoteIncerteza, PartesJuntadasComOEstudoDaoOArquivoDaExecucaoUnica) {
    PastaTemporaria pasta;
    const std::string estudo = Pequeno(pasta);
    ASSERT_EQ(Roda(pasta, "--incerteza " + Q(estudo) + " --saida " + Q(pasta / "unico.csv")).codigo, 0);
    const std::string unico = LeArquivo(pasta / "unico.csv");
    for (int n : {1, 3}) {
        SCOPED_TRACE(n);
        std::ostringstream partes;
        for (int k = 1; k <= n; ++k) {
            std::ostringstream nome, kn, inicio;
            nome << "p" << n << "-" << k << ".csv";
            kn << k << "/" << n;
            inicio << "Parte " << k << " de " << n << " (amostras ";
            const Saida s =
                Roda(pasta, "--incerteza " + Q(estudo) + " --saida " + Q(pasta / nome.str()) + " --parte " + kn.str());
            ASSERT_EQ(s.codigo, 0) << s.err;
            EXPECT_EQ(s.out.rfind(inicio.str(), 0), 0u) << s.out;
            partes << " " << Q(pasta / nome.str());
        }
        std::ostringstream junto;
        junto << "junto" << n << ".csv";
        const Saida s =
            Roda(pasta, "--junta" + partes.str() + " --incerteza " + Q(estudo) + " --saida " + Q(pasta / junto.str()));
        ASSERT_EQ(s.codigo, 0) << s.err;
        EXPECT_EQ(LeArquivo(pasta / junto.str()), unico);
    }
    const std::string partes = " " + Q(pasta / "p3-1.csv") + " " + Q(pasta / "p3-2.csv") + " " + Q(pasta / "p3-3.csv");
    Saida s = Roda(pasta, "--junta" + partes + " --saida " + Q(pasta / "sem.csv"));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find("dê também --incerteza ESTUDO"), std::string::npos) << s.err;
    // The same inputs with one sample more: not this study's shares.
    std::ofstream(pasta / "outro.json") << [&] {
        std::string t = LeArquivo(estudo);
        t.replace(t.find("\"amostras\": 40"), 14, "\"amostras\": 41");
        return t;
    }();
    s = Roda(pasta, "--junta" + partes + " --incerteza " + Q(pasta / "outro.json") + " --saida " + Q(pasta / "outro.csv"));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find("não são do estudo de incerteza"), std::string::npos) << s.err;
    EXPECT_FALSE(std::filesystem::exists(pasta / "sem.csv"));
    EXPECT_FALSE(std::filesystem::exists(pasta / "outro.csv"));
}

// A sample the problem cannot take is a row with its message, not a failed study: of
// eight strata of k in (−1, 3), the two below zero.
TEST(LoteIncerteza, AmostrasRecusadasContadas) {
    PastaTemporaria pasta;
    std::ofstream(pasta / "e.json") << R"({"formato": "norvik-1d/incerteza", "projeto": ")" << NORVIK_FONTES
                                    << R"(/exemplos/radier-verao-mantas.n1d.json", "entradas": {
        "Condutividade": {"distribuicao": "uniforme", "min": -1, "max": 3}}, "amostragem": {"amostras": 8}})";
    const Saida s = Roda(pasta, "--incerteza " + Q(pasta / "e.json") + " --saida " + Q(pasta / "r.csv"));
    EXPECT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.out.substr(0, s.out.find('\n') + 1), "8 amostras; 2 não rodaram (veja a coluna Mensagem).\n");
    const std::string csv = LeArquivo(pasta / "r.csv");
    EXPECT_NE(csv.find("Sem resultado;2\r\n"), std::string::npos);
    EXPECT_NE(csv.find("; deve ser maior que 0\"\r\n"), std::string::npos);
}

using Recusa = RecusaLote;

class LoteIncertezaRecusa : public ::testing::TestWithParam<Recusa> {};

TEST_P(LoteIncertezaRecusa, NadaEGravado) { ConfereRecusa(GetParam(), Exemplo); }

INSTANTIATE_TEST_SUITE_P(
    Linhas, LoteIncertezaRecusa,
    ::testing::Values(Recusa{"SemSaida", "--incerteza {E}", "falta --saida RESULTADO.csv para o estudo de incerteza"},
                      Recusa{"ComProjeto", "x.n1d.json --incerteza {E} --saida {S}", "--incerteza não se combina"},
                      Recusa{"ComEstudo", "--estudo {E} --incerteza {E} --saida {S}", "--incerteza não se combina"},
                      Recusa{"ComResumo", "--incerteza {E} --saida {S} --resumo", "--incerteza não se combina"},
                      Recusa{"SobreOEstudo", "--incerteza {E} --saida {E}", "sobrescreveria o próprio estudo de incerteza"},
                      Recusa{"PastaAusente", "--incerteza {E} --saida /nao/existe/r.csv", "/nao/existe/r.csv"},
                      Recusa{"Ausente", "--incerteza nao-existe.json --saida {S}",
                             "Não foi possível abrir o estudo de incerteza"},
                      Recusa{"DuasVezes", "--incerteza {E} --incerteza {E} --saida {S}", "foi dada mais de uma vez"},
                      Recusa{"ParteInvalida", "--incerteza {E} --saida {S} --parte 3/2", "--parte deve ser K/N"},
                      Recusa{"ParteComJunta", "--junta {S} --incerteza {E} --saida {S} --parte 1/2",
                             "--parte não se combina com --junta"},
                      Recusa{"JuntaSobreOEstudo", "--junta {S} --incerteza {E} --saida {E}",
                             "sobrescreveria o próprio estudo de incerteza"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
