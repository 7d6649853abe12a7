// The batch tool's --calibra prints the report of the fit made in this process, and
// refuses what it cannot fit before running.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "RodaLote.h"
#include "core/Projeto.h"
#include "estudos/Calibracao.h"
#include "results/Medicoes.h"

namespace {

const std::string Muro = std::string(NORVIK_FONTES) + "/exemplos/muro-10-camadas-cura.n1d.json";
const char* Sensores = "Data;S1 (0,5 m);S2 (0.9 m)\n2026-05-01 10:00;30,1;29\n2026-05-01 20:00;38;37,5\n"
                       "2026-05-02 06:00;44;43\n2026-05-02 16:00;47;46,2\n";

TEST(LoteCalibracao, ImprimeORelatorioDoAjuste) {
    PastaTemporaria pasta;
    std::ofstream(pasta / "m.csv") << Sensores;
    const Saida s = Roda(pasta, Q(Muro) + " --medicoes " + Q(pasta / "m.csv") +
                                    " --origem '2026-05-01 00:00' --calibra E,TLanc --ate 40");
    ASSERT_EQ(s.codigo, 0) << s.err;
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(Muro, *d);
    d->Medicoes = Medicoes::LeArquivo(pasta / "m.csv", "2026-05-01 00:00");
    EXPECT_EQ(s.out, Calibracao::Ajusta(*d, Calibracao::LeLista("E,TLanc"), 40).Texto());
}

struct Recusa {
    const char* nome;
    const char* args;
    const char* mensagem;
};

class LoteCalibracaoRecusa : public ::testing::TestWithParam<Recusa> {};

TEST_P(LoteCalibracaoRecusa, Codigo2) {
    PastaTemporaria pasta;
    std::ofstream(pasta / "m.csv") << Sensores;
    std::string args = GetParam().args;
    for (const auto& [marca, valor] : {std::pair<std::string, std::string>{"{P}", Q(Muro)}, {"{M}", Q(pasta / "m.csv")}}) {
        for (std::size_t i; (i = args.find(marca)) != std::string::npos;) args.replace(i, marca.size(), valor);
    }
    const Saida s = Roda(pasta, args);
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find(GetParam().mensagem), std::string::npos) << s.err;
    EXPECT_TRUE(s.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Linhas, LoteCalibracaoRecusa,
    ::testing::Values(Recusa{"SemCalibra", "{P} --medicoes {M}", "só valem com --calibra"},
                      Recusa{"SemMedicoes", "{P} --calibra E", "o projeto não tem medições"},
                      Recusa{"ParametroRuim", "{P} --medicoes {M} --origem '2026-05-01 00:00' --calibra X",
                             "parâmetro de calibração desconhecido \"X\""},
                      Recusa{"DataSemOrigem", "{P} --medicoes {M} --calibra E", "linha 2, coluna 1"},
                      Recusa{"AteRuim", "{P} --medicoes {M} --origem '2026-05-01 00:00' --calibra E --ate x",
                             "--ate: 'x' não é"},
                      Recusa{"ComTabela", "{P} --medicoes {M} --calibra E --temperaturas t.txt", "não se combina"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
