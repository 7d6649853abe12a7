// --clima: the weather file read into the run as the boundary-conditions dialog reads it
// (our CSV, or the station's from a local hour 0 and time zone), the project file left
// as it is; each refusal in Portuguese with exit 2. A run with the file gives the table
// the same project gives with that weather saved in it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "RodaLote.h"
#include "core/MembroTeste.h"
#include "core/Projeto.h"
#include "obra/ClimaHorario.h"

namespace {

const std::string Estacao = std::string(NORVIK_FONTES) + "/tests/obra/amostras/estacao-automatica.csv";

// Two days of a warm afternoon and a sunny noon; `lacuna` hours from hour 10 left out.
std::string CsvProprio(int lacuna = 0) {
    std::string s = "hora;temperatura;vento;radiacao\n";
    for (int h = 0; h <= 44; ++h) {
        if (h >= 10 && h < 10 + lacuna) continue;
        const double dia = std::sin((h % 24 - 6) * 3.14159265358979 / 12.0);
        s += std::to_string(h) + ";" + std::to_string(24 + 6 * dia) + ";2;" + std::to_string(std::max(0.0, 700 * dia)) +
             "\n";
    }
    return s;
}

// One 1,2 m lift with the hydration curve, cooled at the top, 40 h.
void GravaProjeto(const std::string& caminho, const TClimaHorario* clima) {
    auto d = teste::Membro(1, 4, 0, 0, 40);
    d->Camadas[1].Espessura = 1.2;
    teste::CurvaHidratacao(*d);
    d->BetaSup = 12.0 * 3600.0;
    if (clima) {
        clima->Aplica(d->Obra);
        d->Obra.ClimaArquivo = true;
    }
    Projeto::Grava(caminho, *d);
}

enum class Arquivo { Proprio, Estacao, ComLacuna, Nenhum };
struct CasoClima {
    const char* nome;
    Arquivo arquivo;
    std::string opcoes;    // after the project and --clima
    const char* mensagem;  // nullptr: the run succeeds
};
class LoteClima : public ::testing::TestWithParam<CasoClima> {};

TEST_P(LoteClima, LeComoODialogoOuRecusa) {
    const CasoClima& c = GetParam();
    PastaTemporaria pasta;
    const std::string projeto = pasta / "p.n1d.json";
    GravaProjeto(projeto, nullptr);
    const std::string antes = LeArquivo(projeto);
    std::string clima = pasta / "clima.csv";
    if (c.arquivo == Arquivo::Proprio) GravaArquivo(clima, CsvProprio());
    if (c.arquivo == Arquivo::ComLacuna) GravaArquivo(clima, CsvProprio(8));
    if (c.arquivo == Arquivo::Estacao) clima = Estacao;
    std::string args = Q(projeto) + " --temperaturas " + Q(pasta / "t.txt");
    if (c.arquivo != Arquivo::Nenhum) args += " --clima " + Q(clima);
    const Saida s = Roda(pasta, args + c.opcoes);
    EXPECT_EQ(LeArquivo(projeto), antes);
    if (c.mensagem) {
        EXPECT_EQ(s.codigo, 2) << s.out;
        EXPECT_NE(s.err.find(c.mensagem), std::string::npos) << s.err;
        return;
    }
    ASSERT_EQ(s.codigo, 0) << s.err;
    const TClimaHorario lido = c.arquivo == Arquivo::Estacao
                                   ? TClimaHorario::LeInmet(LeArquivo(clima), TClimaHorario::LeData("15/01/2024", 0, -3))
                                   : TClimaHorario::LeCsv(LeArquivo(clima));
    GravaProjeto(pasta / "com-clima.n1d.json", &lido);
    const Saida esperado = Roda(pasta, Q(pasta / "com-clima.n1d.json") + " --temperaturas " + Q(pasta / "e.txt"));
    ASSERT_EQ(esperado.codigo, 0) << esperado.err;
    EXPECT_EQ(LeArquivo(pasta / "t.txt"), LeArquivo(pasta / "e.txt"));
    EXPECT_EQ(s.out, esperado.out);
    // The weather matters: the project's own constant ambient gives another table.
    ASSERT_EQ(Roda(pasta, Q(projeto) + " --temperaturas " + Q(pasta / "s.txt")).codigo, 0);
    EXPECT_NE(LeArquivo(pasta / "t.txt"), LeArquivo(pasta / "s.txt"));
}
INSTANTIATE_TEST_SUITE_P(
    Casos, LoteClima,
    ::testing::Values(
        CasoClima{"CsvProprio", Arquivo::Proprio, "", nullptr},
        CasoClima{"Estacao", Arquivo::Estacao, " --origem-clima " + Q("2024-01-15 00:00") + " --fuso -3", nullptr},
        CasoClima{"EstacaoFusoPadrao", Arquivo::Estacao, " --origem-clima " + Q("2024-01-15 00:00"), nullptr},
        CasoClima{"EstacaoSemOrigem", Arquivo::Estacao, "", "é de estação automática: dê a data e a hora local"},
        CasoClima{"ProprioComOrigem", Arquivo::Proprio, " --origem-clima " + Q("2024-01-15 00:00"),
                  "valem só para o CSV de estação automática"},
        CasoClima{"OrigemNoutroFormato", Arquivo::Estacao, " --origem-clima " + Q("15/01/2024 00:00"),
                  "como \"AAAA-MM-DD HH:MM\""},
        CasoClima{"OrigemComMinutos", Arquivo::Estacao, " --origem-clima " + Q("2024-01-15 00:30"),
                  "é uma hora cheia"},
        CasoClima{"OrigemForaDoArquivo", Arquivo::Estacao, " --origem-clima " + Q("2024-01-20 00:00"),
                  "o arquivo de clima \""},
        CasoClima{"FusoQueNaoEhNumero", Arquivo::Estacao, " --origem-clima " + Q("2024-01-15 00:00") + " --fuso x",
                  "--fuso deve ser seguida do fuso"},
        CasoClima{"LacunaLonga", Arquivo::ComLacuna, "", "o arquivo de clima \""},
        CasoClima{"ArquivoQueNaoExiste", Arquivo::Nenhum, " --clima /nao/existe.csv",
                  "não foi possível abrir o arquivo de clima \"/nao/existe.csv\""},
        CasoClima{"FusoSemClima", Arquivo::Nenhum, " --fuso -3", "--origem-clima e --fuso só valem com --clima"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
