// The batch tool's report and spreadsheets on every bundled example: the text of the PDF
// (pdftotext) holds the peak, the hours and the differences that --resumo prints, and each
// CSV opens in Python's csv module with ";" and has one row per computed hour.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "RodaLote.h"
#include "core/DadosModelo.h"
#include "core/Instantes.h"
#include "core/Projeto.h"
#include "relatorio/Relatorio.h"
#include "results/ComparacaoProjetos.h"
#include "results/ExecucaoProjeto.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

// Runs a shell command and gives what it printed (empty when it failed to start).
std::string SaidaDe(const std::string& comando) {
    std::string s;
    if (FILE* f = ::popen(comando.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) s.append(buffer, n);
        ::pclose(f);
    }
    return s;
}

// Runs of blanks and line breaks as one blank: the PDF's text wraps where the page does.
std::string Normaliza(const std::string& s) { return std::regex_replace(s, std::regex("\\s+"), " "); }

std::string TextoPdf(const std::string& pdf) { return Normaliza(SaidaDe("pdftotext -layout " + Q(pdf) + " - 2>/dev/null")); }

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> v;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

std::string Apara(const std::string& s) {
    const auto i = s.find_first_not_of(' ');
    return i == std::string::npos ? std::string() : Normaliza(s.substr(i, s.find_last_not_of(' ') - i + 1));
}

// The report is drawn by the windows' library: a build without Qt refuses --relatorio.
#ifdef NORVIK_RELATORIO_PDF
constexpr bool ComRelatorio = true;
#else
constexpr bool ComRelatorio = false;
#endif

class RelatorioDosExemplos : public ::testing::TestWithParam<const char*> {};

TEST_P(RelatorioDosExemplos, PdfTemOsNumerosDoResumo) {
    if (!ComRelatorio) GTEST_SKIP() << "compilação sem Qt: sem relatório";
    const std::string projeto = Exemplos + GetParam();
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, Q(projeto) + " --resumo --relatorio " + Q(pasta / "r.pdf"));
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_EQ(s.err, "");
    const std::string pdf = LeArquivo(pasta / "r.pdf");
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    EXPECT_EQ(pasta.QuantosArquivos(), 1);  // no temporary left behind

    const std::string texto = TextoPdf(pasta / "r.pdf");
    ASSERT_FALSE(texto.empty()) << "pdftotext (poppler-utils) não está instalado?";
    std::smatch m;
    const std::regex maxima("Temperatura máxima: ([0-9,-]+) °C no Nó ([0-9]+), na hora ([0-9]+)\\.");
    ASSERT_TRUE(std::regex_search(s.out, m, maxima)) << s.out;
    EXPECT_NE(texto.find("Temperatura máxima: " + m[1].str() + " °C no Nó " + m[2].str() + " (altura y ="),
              std::string::npos);
    EXPECT_NE(texto.find("na hora " + m[3].str() + "."), std::string::npos);

    // The headline lines and every lift's row of the summary, as printed.
    bool naTabela = false;
    int camadas = 0;
    for (const std::string& linha : Linhas(s.out)) {
        if (linha.rfind("Maior diferença", 0) == 0 || linha.rfind("Nenhum nó atinge", 0) == 0 ||
            linha.rfind("Nó com mais horas", 0) == 0 || linha.rfind("Nenhuma camada", 0) == 0) {
            EXPECT_NE(texto.find(Normaliza(linha)), std::string::npos) << linha;
        }
        if (linha.find("Nó quente") != std::string::npos) {
            naTabela = true;
            continue;
        }
        if (naTabela && Apara(linha).empty()) naTabela = false;
        if (naTabela) {
            ++camadas;
            EXPECT_NE(texto.find(" " + Apara(linha) + " 20 "), std::string::npos) << linha;
        }
    }
    EXPECT_GT(camadas, 0);
}

TEST_P(RelatorioDosExemplos, PlanilhaUmaLinhaPorHoraCalculada) {
    const std::string projeto = Exemplos + GetParam();
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, Q(projeto) + " --formato csv --temperaturas " + Q(pasta / "t.csv"));
    ASSERT_EQ(s.codigo, 0) << s.err;
    auto dados = std::make_unique<TDadosModelo>();
    Projeto::Le(projeto, *dados);
    const std::string csv = LeArquivo(pasta / "t.csv");
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::string python = SaidaDe(
        "python3 -c \"import csv,sys\n"
        "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f: linhas = list(csv.reader(f, delimiter=';'))\n"
        "larguras = {len(l) for l in linhas}\n"
        "print(len(linhas) - 1, len(larguras), linhas[0][0], linhas[0][1], linhas[1][0], linhas[-1][0])\" " +
        Q(pasta / "t.csv"));
    const std::string esperado = std::to_string(Instantes::Passos(*dados)) + " 1 t [h] Nó 1 [°C] " +
                                 std::to_string(Instantes::PrimeiraHora(*dados)) + " " +
                                 std::to_string(Instantes::UltimaHora(*dados)) + "\n";
    EXPECT_EQ(python, esperado);
}
// The temperature spreadsheet leaves empty the nodes not yet placed, which the table (and
// so the text export, byte for byte as before) holds as "0,00": a node above node 1 is in
// place once the layer of the element below it was placed before the row's hour.
TEST(PlanilhaDeTemperaturas, NosNaoColocadosVazios) {
    const std::string projeto = Exemplos + "bloco-fundacao-3-camadas-consistente-maturidade.n1d.json";
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, Q(projeto) + " --formato csv --temperaturas " + Q(pasta / "t.csv"));
    ASSERT_EQ(s.codigo, 0) << s.err;
    const Saida texto = Roda(pasta, Q(projeto) + " --temperaturas " + Q(pasta / "t.txt"));
    ASSERT_EQ(texto.codigo, 0) << texto.err;
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(projeto, *d);

    std::vector<std::vector<std::string>> linhas;
    std::istringstream csv(LeArquivo(pasta / "t.csv").substr(3));
    for (std::string linha; std::getline(csv, linha);) {
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        std::vector<std::string> campos;
        std::istringstream l(linha);
        for (std::string c; std::getline(l, c, ';');) campos.push_back(c);
        if (!linha.empty() && linha.back() == ';') campos.emplace_back();
        linhas.push_back(campos);
    }
    std::vector<std::vector<std::string>> tabela;
    std::istringstream txt(LeArquivo(pasta / "t.txt"));
    for (std::string linha; std::getline(txt, linha);) {
        std::vector<std::string> campos;
        std::istringstream l(linha);
        for (std::string c; l >> c;) campos.push_back(c);
        tabela.push_back(campos);
    }
    const int nos = d->NCamadas * d->NElemCamada + 1;
    ASSERT_EQ(nos, 13);
    ASSERT_GT(linhas.size(), 9u);
    int vazias = 0;
    for (std::size_t r = 1; r < linhas.size(); ++r) {
        ASSERT_EQ(linhas[r].size(), static_cast<std::size_t>(nos) + 1) << "linha " << r;
        const double hora = std::stod(linhas[r][0]);
        for (int n = 1; n <= nos; ++n) {
            const int camadaAbaixo = n == 1 ? 1 : (n - 2) / d->NElemCamada + 1;
            const bool colocado = camadaAbaixo == 1 || d->Camadas[camadaAbaixo].HoraConcretagem < hora;
            EXPECT_EQ(linhas[r][static_cast<std::size_t>(n)].empty(), !colocado) << "linha " << r << ", Nó " << n;
            vazias += !colocado;
        }
    }
    EXPECT_GT(vazias, 0);
    // Row 9: layer 1 alone, nodes 6 to 13 empty; the text export keeps their "0,00".
    for (int n = 1; n <= nos; ++n) EXPECT_EQ(linhas[9][static_cast<std::size_t>(n)].empty(), n >= 6) << "Nó " << n;
    const auto linha9 = std::find_if(tabela.begin(), tabela.end(),
                                     [&](const auto& l) { return !l.empty() && l[0] == linhas[9][0]; });
    ASSERT_NE(linha9, tabela.end());
    ASSERT_EQ(linha9->size(), static_cast<std::size_t>(nos) + 1);
    for (int n = 6; n <= nos; ++n) EXPECT_EQ((*linha9)[static_cast<std::size_t>(n)], "0,00") << "Nó " << n;
}

INSTANTIATE_TEST_SUITE_P(Exemplos, RelatorioDosExemplos,
                         ::testing::Values("bloco-fundacao-3-camadas.n1d.json",
                                           "bloco-fundacao-3-camadas-consistente.n1d.json",
                                           "bloco-fundacao-3-camadas-unidades-usuais.n1d.json",
                                           "muro-10-camadas-cura.n1d.json",
                                           "secao-gravidade-40-camadas-adiabatico.n1d.json"),
                         [](const auto& info) {
                             std::string n = info.param;
                             n = n.substr(0, n.find('.'));
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

// The limits are the user's: the summary and the report judge against the same ones.
struct CasoLimite {
    const char* nome;
    const char* opcoes;
    const char* noResumo;    // in --resumo's text
    const char* noRelatorio; // in the PDF's text
};
class LimitesDoRelatorio : public ::testing::TestWithParam<CasoLimite> {};

TEST_P(LimitesDoRelatorio, ResumoERelatorioUsamOsMesmosLimites) {
    if (!ComRelatorio) GTEST_SKIP() << "compilação sem Qt: sem relatório";
    const CasoLimite& c = GetParam();
    PastaTemporaria pasta;
    const Saida s = Roda(pasta, Q(Exemplos + "bloco-fundacao-3-camadas.n1d.json") + " --resumo --relatorio " +
                                    Q(pasta / "r.pdf") + " " + c.opcoes);
    ASSERT_EQ(s.codigo, 0) << s.err;
    EXPECT_NE(s.out.find(c.noResumo), std::string::npos) << s.out;
    EXPECT_NE(TextoPdf(pasta / "r.pdf").find(c.noRelatorio), std::string::npos);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, LimitesDoRelatorio,
    ::testing::Values(
        // Peak 63,75 °C: under the default 70, over 60.
        CasoLimite{"Padrao", "", "Nenhum nó atinge 70 °C.", "Limite de temperatura 70 °C: passa."},
        CasoLimite{"Temperatura60", "--limite-temperatura 60", "Nó com mais horas a 60 °C ou acima",
                   "Limite de temperatura 60 °C: não passa."},
        CasoLimite{"VirgulaDecimal", "--limite-temperatura 63,5", "a 63,5 °C ou acima", "63,5 °C: não passa."},
        // Lifts of 16,59, 26,20 and 31,06 °C: all pass against 35, the first only against 20.
        CasoLimite{"Diferenca35", "--limite-diferenca 35", "31,06", "3 31,06 270 10 13 35 passa"},
        CasoLimite{"Diferenca20", "", "16,59", "2 26,20 150 6 9 20 não passa"}),
    [](const auto& info) { return std::string(info.param.nome); });

// Refusals leave nothing behind and say why.
struct CasoRecusa {
    const char* nome;
    const char* opcoes;
    const char* mensagem;
    bool soComRelatorio = false;  // refused only once the report can be made
};
class RecusasDoRelatorio : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(RecusasDoRelatorio, SaiComDoisSemArquivos) {
    if (GetParam().soComRelatorio && !ComRelatorio) GTEST_SKIP() << "compilação sem Qt: sem relatório";
    PastaTemporaria pasta;
    std::string opcoes = GetParam().opcoes;
    opcoes = std::regex_replace(opcoes, std::regex("\\$D"), pasta.Caminho().string());
    const Saida s = Roda(pasta, Q(Exemplos + "bloco-fundacao-3-camadas.n1d.json") + " " + opcoes);
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find(GetParam().mensagem), std::string::npos) << s.err;
    EXPECT_EQ(pasta.QuantosArquivos(), 0);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, RecusasDoRelatorio,
    ::testing::Values(CasoRecusa{"PastaDoRelatorioInexistente", "--relatorio $D/nao/r.pdf", "a pasta não existe"},
                      CasoRecusa{"PastaDaPlanilhaInexistente",
                                 "--formato csv --temperaturas $D/nao/t.csv --relatorio $D/r.pdf", "a pasta não existe"},
                      CasoRecusa{"LimiteNaoNumerico", "--relatorio $D/r.pdf --limite-temperatura quente",
                                 "--limite-temperatura deve ser seguida de um número"},
                      CasoRecusa{"FormatoDesconhecido", "--formato xls --temperaturas $D/t.xls",
                                 "--formato deve ser seguida de texto ou csv"},
                      CasoRecusa{"RelatorioSobreATabela", "--temperaturas $D/x --relatorio $D/x",
                                 "o relatório e uma tabela teriam o mesmo arquivo"},
                      CasoRecusa{"ComparaSemRelatorio", "--compara $D/o.n1d.json --temperaturas $D/t.txt",
                                 "--compara só vale com --relatorio"},
                      CasoRecusa{"ComparaSobreORelatorio", "--relatorio $D/r.pdf --compara $D/r.pdf",
                                 "sobrescreveria o projeto de comparação"},
                      CasoRecusa{"ComparaInexistente", "--relatorio $D/r.pdf --compara $D/nao.n1d.json",
                                 "nao.n1d.json\": Não foi possível abrir", true}),
    [](const auto& info) { return std::string(info.param.nome); });

// The report with --compara holds the comparison table row by row: the same rows
// TComparacaoProjetos gives for the two runs made here with the tool's options.
struct CasoComparacao {
    const char* nome;
    const char* projetoA;
    const char* projetoB;  // "$D/…" is a copy written by the test
    bool tensoes;
    const char* formulacao;  // "" keeps each project's own
};
class ComparacaoNoRelatorio : public ::testing::TestWithParam<CasoComparacao> {};

std::string Expande(const std::string& s, const PastaTemporaria& pasta) {
    return std::regex_replace(s, std::regex("^\\$D"), pasta.Caminho().string());
}

TEST_P(ComparacaoNoRelatorio, PdfTemAsLinhasDaTabela) {
    if (!ComRelatorio) GTEST_SKIP() << "compilação sem Qt: sem relatório";
    const CasoComparacao& c = GetParam();
    PastaTemporaria pasta;
    // The mat with its blankets taken off two days earlier: the stresses change too.
    std::string radier = LeArquivo(Exemplos + "radier-verao-mantas.n1d.json");
    radier.replace(radier.find(R"("HoraRetirada": 120)"), 19, R"("HoraRetirada": 72)");
    GravaArquivo(pasta / "radier-cedo.n1d.json", radier);
    const std::string a = Exemplos + c.projetoA, b = Expande(c.projetoB, pasta);
    std::string opcoes = " --relatorio " + Q(pasta / "r.pdf") + " --compara " + Q(b);
    if (c.tensoes) opcoes += " --tensoes " + Q(pasta / "t.txt");
    if (*c.formulacao) opcoes += std::string(" --formulacao ") + c.formulacao;
    const Saida s = Roda(pasta, Q(a) + opcoes);
    ASSERT_EQ(s.codigo, 0) << s.err;

    OpcoesExecucao op;
    op.Tensoes = c.tensoes;
    if (std::string(c.formulacao) == "consistente") op.Formulacao = TFormulacao::Consistente;
    Progresso nada;
    const TExecucaoProjeto ea = ExecucaoProjeto::ExecutaArquivo(a, op, nada);
    const TExecucaoProjeto eb = ExecucaoProjeto::ExecutaArquivo(b, op, nada);
    const auto comparacao = TComparacaoProjetos::Calcula(
        {std::filesystem::path(a).filename().string(), ea.Dados.get(), &ea.Temperaturas, c.tensoes ? &ea.Tensoes : nullptr},
        {std::filesystem::path(b).filename().string(), eb.Dados.get(), &eb.Temperaturas, c.tensoes ? &eb.Tensoes : nullptr});
    // The PDF's fonts join "fi" into one glyph.
    const std::string texto = std::regex_replace(TextoPdf(pasta / "r.pdf"), std::regex("ﬁ"), "fi");
    EXPECT_NE(texto.find(Relatorio::TituloComparacao), std::string::npos);
    int comIndice = 0;
    for (const auto& l : comparacao.Linhas()) {
        const std::string linha = l.Grandeza + " " + l.ValorA + " " + l.ValorB + " " + l.Diferenca;
        EXPECT_NE(texto.find(linha), std::string::npos) << linha;
        comIndice += l.Grandeza.starts_with("Menor índice") && l.ValorA != "—" ? 1 : 0;
    }
    EXPECT_EQ(comIndice, c.tensoes ? 1 : 0);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, ComparacaoNoRelatorio,
    ::testing::Values(CasoComparacao{"DuasFormulacoes", "bloco-fundacao-3-camadas.n1d.json",
                                     NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas-consistente.n1d.json", false, ""},
                      CasoComparacao{"FormulacaoDoLoteNosDois", "bloco-fundacao-3-camadas.n1d.json",
                                     NORVIK_FONTES "/exemplos/muro-10-camadas-cura.n1d.json", false, "consistente"},
                      CasoComparacao{"MantasRetiradasAntesComTensoes", "radier-verao-mantas.n1d.json",
                                     "$D/radier-cedo.n1d.json", true, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

// A failure of the other project names it and writes nothing.
TEST(ComparacaoRecusada, OutroProjetoSemFluencia) {
    if (!ComRelatorio) GTEST_SKIP() << "compilação sem Qt: sem relatório";
    PastaTemporaria pasta;
    const std::string outro = Exemplos + "bloco-fundacao-3-camadas.n1d.json";
    const Saida s = Roda(pasta, Q(Exemplos + "radier-verao-mantas.n1d.json") + " --tensoes " + Q(pasta / "t.txt") +
                                    " --relatorio " + Q(pasta / "r.pdf") + " --compara " + Q(outro));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find("o projeto de comparação \"" + outro + "\": "), std::string::npos) << s.err;
    EXPECT_NE(s.err.find("modelo de fluência"), std::string::npos) << s.err;
    EXPECT_EQ(pasta.QuantosArquivos(), 0);
}

// An earlier report survives a run that fails: the new one is written whole or not at all.
TEST(RelatorioAtomico, FalhaDaAnaliseDeixaORelatorioAnterior) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "r.pdf", "anterior");
    std::string p = LeArquivo(Exemplos + "bloco-fundacao-3-camadas.n1d.json");
    p.replace(p.find(R"("Espessura": 1.5)"), 16, R"("Espessura": 0)");
    GravaArquivo(pasta / "p.n1d.json", p);
    const Saida s = Roda(pasta, Q(pasta / "p.n1d.json") + " --relatorio " + Q(pasta / "r.pdf"));
    EXPECT_EQ(s.codigo, 2);
    EXPECT_EQ(LeArquivo(pasta / "r.pdf"), "anterior");
    EXPECT_EQ(pasta.QuantosArquivos(), 2);
}

}  // namespace
