// Runs the built norvik1d-lote as an engineer would, and checks its exit codes,
// its messages and that a failure never leaves an output file touched.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "RodaLote.h"
#include "core/DadosModelo.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Projeto.h"
#include "results/ExportaTabela.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

// Layer 1 at hour 6, TempoTotal 72, PassoTempo 4: the steps end at hour 70.
const std::string ParaAntes = R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 2, "NCamadas": 1,
  "TempoTotal": 72, "PassoTempo": 4, "QRadiacao": 0,
  "Camadas": [{"K": 2, "Espessura": 1, "Ro": 2400, "CalorEsp": 1000, "HoraConcretagem": 6, "TInicial": 20}],
  "CalorCamadas": [{"Constante": true, "F": 300}]})";

const std::string EspessuraNula = R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 2, "NCamadas": 2,
  "TempoTotal": 48, "PassoTempo": 1,
  "Camadas": [{"K": 2, "Espessura": 1, "Ro": 2400, "CalorEsp": 1000, "HoraConcretagem": 6, "TInicial": 20},
              {"K": 2, "Espessura": 0, "Ro": 2400, "CalorEsp": 1000, "HoraConcretagem": 12, "TInicial": 20}],
  "CalorCamadas": [{"Constante": true, "F": 500}, {"Constante": true, "F": 500}]})";

class LoteExemplo : public ::testing::TestWithParam<const char*> {};

// Every bundled example runs, reports its maximum, and writes the bytes of "Salvar Tudo"
// for the table of the same run made in this process.
TEST_P(LoteExemplo, RodaEGravaOsBytesDoSalvarTudo) {
    PastaTemporaria pasta;
    const std::string projeto = Exemplos + GetParam() + ".n1d.json";
    const std::string tabela = pasta / "t.txt";
    const Saida s = Roda(pasta, Q(projeto) + " --temperaturas " + Q(tabela));
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out.rfind("A Temperatura Máxima de ", 0), 0u) << s.out;

    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(projeto, *dados);
    TabelaTexto historico;
    Progresso progresso;
    const ResultadoTransiente r = TProcesso::ProcessaTransiente(*dados, historico, progresso);
    ASSERT_TRUE(r.Completo);
    EXPECT_EQ(s.out, r.Mensagem + "\n");
    EXPECT_EQ(LeArquivo(tabela), ExportaTabela::Bytes(historico, dados->NElemAtivos));
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

INSTANTIATE_TEST_SUITE_P(Exemplos, LoteExemplo,
                         ::testing::Values("bloco-fundacao-3-camadas", "bloco-fundacao-3-camadas-unidades-usuais",
                                           "bloco-fundacao-3-camadas-consistente",
                                           "bloco-fundacao-3-camadas-consistente-maturidade",
                                           "bloco-fundacao-3-camadas-condutividade-hidratacao",
                                           "muro-10-camadas-cura", "muro-10-camadas-cura-consistente",
                                           "secao-gravidade-40-camadas-adiabatico"),
                         [](const auto& info) {
                             std::string nome;
                             for (const char* p = info.param; *p; ++p) nome += *p == '-' ? '_' : *p;
                             return nome;
                         });

TEST(Lote, ParadaAntesDoTempoTotalGravaEAvisa) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", ParaAntes);
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --temperaturas " + Q(pasta / "t.txt"));
    EXPECT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.out, "") << "sem mensagem de temperatura máxima";
    EXPECT_NE(s.err.find("A análise parou em 70 h, antes do tempo total de 72 h: com passos de 4 h"),
              std::string::npos)
        << s.err;
    const std::string t = LeArquivo(pasta / "t.txt");
    EXPECT_NE(t.find("\r\n70       "), std::string::npos);
    EXPECT_EQ(t.find("\r\n74"), std::string::npos);
}

// A member cut short (a review stopped midway) runs its lower layers only; the tool
// says which, and says nothing when every layer runs.
struct CasoCamadas {
    int analisadas;
    int membro;
    const char* aviso;  // empty: nothing about layers
};
class LoteCamadas : public ::testing::TestWithParam<CasoCamadas> {};

TEST_P(LoteCamadas, DizQuaisCamadasAnalisa) {
    const CasoCamadas& c = GetParam();
    PastaTemporaria pasta;
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(Exemplos + "muro-10-camadas-cura.n1d.json", *d);
    d->NCamadas = c.analisadas;
    d->NCamadasMembro = c.membro;
    Projeto::Grava(pasta / "p.n1d.json", *d);
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json"));
    EXPECT_EQ(s.codigo, 0) << s.err;
    if (*c.aviso) {
        EXPECT_NE(s.err.find(std::string("norvik1d-lote: aviso: ") + c.aviso + "\n"), std::string::npos) << s.err;
    } else {
        EXPECT_EQ(s.err.find("camadas do membro"), std::string::npos) << s.err;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Membro, LoteCamadas,
    ::testing::Values(CasoCamadas{2, 4, "A análise considera as camadas 1 a 2 das 4 camadas do membro."},
                      CasoCamadas{1, 10, "A análise considera só a camada 1 das 10 camadas do membro."},
                      CasoCamadas{10, 10, ""}, CasoCamadas{4, 4, ""}));

// A slab 1 m thick at 20 °C in 40 elements, insulated below, its top exposed to air
// at 40 °C with h = 10 W/(m²·°C), stored as h·3600.
std::string Placa(int passo) {
    return R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 40, "NCamadas": 1, "NCamadasMembro": 1,
  "TempoTotal": 24, "PassoTempo": )" + std::to_string(passo) + R"(, "QRadiacao": 0, "TAmbConst": 40,
  "BetaInf": 0, "BetaSup": 36000,
  "Camadas": [{"K": 2, "Espessura": 1, "Ro": 2400, "CalorEsp": 1000, "HoraConcretagem": 0, "TInicial": 20}],
  "CalorCamadas": [{"Constante": true, "F": 0}]})";
}

// The lines of a "Salvar Tudo" file after its header (each line opens with CR LF).
std::vector<std::string> LinhasDados(const std::string& arquivo) {
    std::vector<std::string> linhas;
    std::size_t i = arquivo.find("\r\n");
    while (i != std::string::npos) {
        const std::size_t j = arquivo.find("\r\n", i + 2);
        linhas.push_back(arquivo.substr(i + 2, j == std::string::npos ? std::string::npos : j - i - 2));
        i = j;
    }
    if (!linhas.empty() && linhas.back().empty()) linhas.pop_back();
    if (!linhas.empty()) linhas.erase(linhas.begin());  // the header
    return linhas;
}

// The hour of a line and the value of its last cell.
std::pair<long long, double> HoraETopo(const std::string& linha) {
    const std::size_t fim = linha.find_last_not_of(' ');
    const std::size_t ini = linha.find_last_of(' ', fim);
    return {std::stoll(linha.substr(0, linha.find(' '))),
            Numeros::TextoParaReal(linha.substr(ini + 1, fim - ini))};
}

// Every step exchanges through the top the heat of its whole length: the 2 h run's
// top at 24 h stays within 0,12 °C of the hourly one (the time error of a 2 h step
// of the θ = 2/3 scheme here is 0,07 °C; exchanging one hour's heat per step left
// it 3,8 °C short).
TEST(Lote, PassoDeDuasHorasTrocaOCalorDoPassoInteiro) {
    double topo[3] = {};
    for (int passo : {1, 2}) {
        PastaTemporaria pasta;
        GravaArquivo(pasta / "p.n1d.json", Placa(passo));
        const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --temperaturas " + Q(pasta / "t.txt"));
        ASSERT_EQ(s.codigo, 0) << s.err;
        const std::vector<std::string> linhas = LinhasDados(LeArquivo(pasta / "t.txt"));
        ASSERT_EQ(linhas.size(), 24u / passo);
        const auto [hora, t] = HoraETopo(linhas.back());
        EXPECT_EQ(hora, 24);
        topo[passo] = t;
    }
    EXPECT_GT(topo[1], 32.8);  // the series gives 33,01 °C
    EXPECT_NEAR(topo[2], topo[1], 0.12);
}

// The bundled gravity section steps by 2 h: its table holds one line per computed
// instant, each with all its values, none left blank.
TEST(Lote, PassoDeDuasHorasGravaSoOsInstantesCalculados) {
    PastaTemporaria pasta;
    const std::string projeto = Exemplos + "secao-gravidade-40-camadas-adiabatico.n1d.json";
    const Saida s = Roda(pasta, Q(projeto) + " --temperaturas " + Q(pasta / "t.txt"));
    ASSERT_EQ(s.codigo, 0) << s.err;
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(projeto, *dados);
    ASSERT_EQ(dados->PassoTempo, 2);
    const std::vector<std::string> linhas = LinhasDados(LeArquivo(pasta / "t.txt"));
    const long long t0 = dados->Camadas[1].HoraConcretagem;
    ASSERT_EQ(static_cast<double>(linhas.size()), (dados->TempoTotal - static_cast<double>(t0)) / 2);
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        ASSERT_EQ(HoraETopo(linhas[k]).first, t0 + 2 * static_cast<long long>(k + 1)) << k;
        EXPECT_EQ(linhas[k].find(std::string(14, ' ')), std::string::npos) << "célula vazia na linha " << k;
    }
}

struct CasoSemPasso {
    const char* nome;
    int hora1;
    const char* motivo;
};
class LoteSemPasso : public ::testing::TestWithParam<CasoSemPasso> {};

// An analysis that computes no step says why: its layer 1 is placed at or after the end.
TEST_P(LoteSemPasso, DizPorQueNaoCalculou) {
    PastaTemporaria pasta;
    std::string projeto = ParaAntes;
    projeto.replace(projeto.find(R"("HoraConcretagem": 6)"), 20,
                    R"("HoraConcretagem": )" + std::to_string(GetParam().hora1));
    projeto.replace(projeto.find(R"("PassoTempo": 4)"), 15, R"("PassoTempo": 1)");
    GravaArquivo(pasta / "p.n1d.json", projeto);
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json"));
    EXPECT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, std::string("norvik1d-lote: A análise não calculou nenhum passo: a camada 1 é concretada na hora ") +
                         GetParam().motivo + " Sem mensagem de temperatura máxima.\n");
}
INSTANTIATE_TEST_SUITE_P(
    Lote, LoteSemPasso,
    ::testing::Values(CasoSemPasso{"NoProprioTempoTotal", 72, "72, que é o próprio tempo total de 72 h. Aumente o tempo total."},
                      CasoSemPasso{"DepoisDoTempoTotal", 2147483646,
                                   "2147483646, depois do tempo total de 72 h. Corrija a hora de concretagem da "
                                   "camada 1 ou o tempo total."}),
    [](const auto& info) { return std::string(info.param.nome); });

struct CasoFalha {
    const char* nome;
    std::string projeto;     // written as p.n1d.json when not empty
    std::string argumentos;  // $P: the project, $T: the output table, $D: the folder
    std::string prefixo;
    const char* mensagem;
};

class LoteFalha : public ::testing::TestWithParam<CasoFalha> {};

std::string Substitui(std::string s, const std::string& de, const std::string& para) {
    for (std::size_t p = s.find(de); p != std::string::npos; p = s.find(de, p + para.size())) s.replace(p, de.size(), para);
    return s;
}

// Exit 2, the message on standard error, nothing on standard output, and the earlier
// output file exactly as it was, with no temporary left beside it.
TEST_P(LoteFalha, SaiComDoisENaoTocaASaida) {
    const CasoFalha& c = GetParam();
    PastaTemporaria pasta;
    if (!c.projeto.empty()) GravaArquivo(pasta / "p.n1d.json", c.projeto);
    GravaArquivo(pasta / "t.txt", "tabela anterior");
    std::string args = Substitui(c.argumentos, "$P", Q(pasta / "p.n1d.json"));
    args = Substitui(args, "$T", Q(pasta / "t.txt"));
    args = Substitui(args, "$D", pasta.Caminho().string());
    const Saida s = Roda(pasta, args, c.prefixo);
    EXPECT_EQ(s.codigo, 2);
    EXPECT_EQ(s.out, "");
    EXPECT_NE(s.err.find(c.mensagem), std::string::npos) << s.err;
    EXPECT_EQ(LeArquivo(pasta / "t.txt"), "tabela anterior");
    EXPECT_EQ(pasta.QuantosArquivos(), c.projeto.empty() ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LoteFalha,
    ::testing::Values(
        CasoFalha{"SemArgumentos", "", "", "", "falta o arquivo de projeto"},
        CasoFalha{"OpcaoDesconhecida", ParaAntes, "$P --temperatura $T", "", "opção desconhecida: --temperatura"},
        CasoFalha{"FormulacaoDesconhecida", ParaAntes, "$P --formulacao exata", "",
                  "--formulacao deve ser seguida de consistente ou classica"},
        CasoFalha{"OpcaoSemArquivo", ParaAntes, "$P --temperaturas", "", "falta o nome do arquivo depois de --temperaturas"},
        CasoFalha{"ProjetoInexistente", "", "$D/nao.n1d.json --temperaturas $T", "", "Não foi possível abrir"},
        CasoFalha{"ProjetoRecusado", R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamadas": 2})",
                  "$P --temperaturas $T", "", "chave desconhecida \"NElemCamadas\""},
        CasoFalha{"TabelasNoMesmoArquivo", ParaAntes, "$P --temperaturas $T --tensoes $T", "",
                  "teriam o mesmo arquivo"},
        // A zero thickness is now refused before any arithmetic (it used to fail at hour 13).
        CasoFalha{"CalculoFalha", EspessuraNula, "$P --temperaturas $T", "",
                  "A espessura da camada 2 vale 0 m; deve ser um número maior que zero."},
        CasoFalha{"SaidaSobreOProjeto", ParaAntes, "$P --temperaturas $P", "", "sobrescreveria o próprio arquivo"},
        CasoFalha{"PastaDeSaidaInexistente", ParaAntes, "$P --temperaturas $D/nao/t.txt", "", "a pasta não existe"}),
    [](const auto& info) { return std::string(info.param.nome); });

// A 2 m slab with 100 W/m³ between faces held at 20 °C, steady after 3000 h: 45,00 °C
// at mid-height in the consistent formulation, short of it in the classic one.
std::string PlacaPrescrita(const std::string& formulacao) {
    return R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 4, "NCamadas": 1,
  "TempoTotal": 3000, "PassoTempo": 1, "QRadiacao": 0, "TPrescInfAtiva": true, "TPrescInf": 20,
  "TPrescSupAtiva": true, "TPrescSup": 20, )" + formulacao + R"(
  "Camadas": [{"K": 2, "Espessura": 2, "Ro": 2400, "CalorEsp": 1000, "TInicial": 20}],
  "CalorCamadas": [{"Constante": true, "F": 100}]})";
}

struct CasoFormulacao {
    const char* nome;
    const char* chave;   // what the project says
    const char* opcao;   // the command line's override
    bool consistente;    // which one ran
};
class LoteFormulacao : public ::testing::TestWithParam<CasoFormulacao> {};

TEST_P(LoteFormulacao, OProjetoEscolheEAOpcaoPrevalece) {
    const CasoFormulacao& c = GetParam();
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", PlacaPrescrita(c.chave));
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + c.opcao);
    ASSERT_EQ(s.codigo, 0) << s.err;
    const bool em45 = s.out.rfind("A Temperatura Máxima de  45,00 Celcius ,ocorreu no Nó 3", 0) == 0;
    EXPECT_EQ(em45, c.consistente) << s.out;
}
INSTANTIATE_TEST_SUITE_P(
    Casos, LoteFormulacao,
    ::testing::Values(CasoFormulacao{"Ausente", "", "", false},
                      CasoFormulacao{"DoProjeto", R"("Formulacao": "Consistente",)", "", true},
                      CasoFormulacao{"ClassicaNoProjeto", R"("Formulacao": "Classica",)", "", false},
                      CasoFormulacao{"OpcaoConsistente", "", " --formulacao consistente", true},
                      CasoFormulacao{"OpcaoClassica", R"("Formulacao": "Consistente",)", " --formulacao classica", false}),
    [](const auto& info) { return std::string(info.param.nome); });

// A disk that fills up while the table is written (the shell's file-size limit, in
// blocks of 512 bytes): exit 2 and the earlier table intact.
TEST(Lote, DiscoCheioNaoEhSucesso) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "t.txt", "tabela anterior");
    const Saida s = Roda(pasta,
                         Q(Exemplos + "secao-gravidade-40-camadas-adiabatico.n1d.json") + " --temperaturas " +
                             Q(pasta / "t.txt"),
                         "ulimit -f 200; exec ");
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find("Não foi possível salvar o arquivo"), std::string::npos) << s.err;
    EXPECT_EQ(s.out, "") << "uma tabela não gravada não é anunciada como sucesso";
    EXPECT_EQ(LeArquivo(pasta / "t.txt"), "tabela anterior");
    EXPECT_EQ(pasta.QuantosArquivos(), 1);
}

}  // namespace
