// The report's content from real runs: the figures are the thermal summary's and the
// cracking index's, the checks follow the limits, the curves are the charts' own, the
// colour map is the colour window's, and a section added from outside goes before the
// conclusion.
#include "relatorio/Relatorio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "PastaTemporaria.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Progresso.h"
#include "analise/Analise.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

Analise Executa(const std::string& arquivo, bool tensoes = false) {
    Progresso semJanela;
    OpcoesAnalise o;
    o.Tensoes = tensoes;
    return Analise::ExecutaArquivo(arquivo, o, semJanela);
}

const TSecaoRelatorio& Secao(const TRelatorio& r, const std::string& comeco) {
    for (const auto& s : r.Secoes)
        if (s.Titulo.rfind(comeco, 0) == 0) return s;
    throw std::runtime_error("sem a seção " + comeco);
}

std::vector<const TBlocoRelatorio*> Blocos(const TSecaoRelatorio& s, TBlocoRelatorio::Especie tipo) {
    std::vector<const TBlocoRelatorio*> v;
    for (const auto& b : s.Blocos)
        if (b.Tipo == tipo) v.push_back(&b);
    return v;
}

struct CasoExemplo {
    const char* arquivo;
    double limiteTemperatura;
    double limiteDiferenca;
    const char* conclusao;  // empty: not checked
};
class RelatorioDoExemplo : public ::testing::TestWithParam<CasoExemplo> {};

TEST_P(RelatorioDoExemplo, NumerosDoResumoMarcasECurvas) {
    const CasoExemplo& c = GetParam();
    const Analise ex = Executa(Exemplos + c.arquivo);
    LimitesRelatorio lim;
    lim.Temperatura = c.limiteTemperatura;
    lim.Diferenca = c.limiteDiferenca;
    const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, nullptr, lim, c.arquivo);
    const TResumoTermico resumo = TResumoTermico::Calcula(*ex.Dados, ex.Temperaturas, c.limiteTemperatura);
    EXPECT_EQ(r.Resumo.Texto(), resumo.Texto());
    EXPECT_FALSE(r.ComIndice);

    // Pass/fail of every lift against the limit, and the verdict from all the checks.
    const TSecaoRelatorio& termica = Secao(r, "2.");
    const auto tabelas = Blocos(termica, TBlocoRelatorio::Especie::Tabela);
    const TTabelaRelatorio* dif = nullptr;
    for (const auto* b : tabelas)
        if (b->Tabela.ColunaMarca >= 0) dif = &b->Tabela;
    ASSERT_NE(dif, nullptr);
    ASSERT_EQ(dif->Linhas.size(), resumo.Camadas.size());
    bool todas = resumo.TMaxima < c.limiteTemperatura;
    for (std::size_t i = 0; i < resumo.Camadas.size(); ++i) {
        const bool passa = resumo.Camadas[i].DifMaxima <= c.limiteDiferenca;
        todas = todas && passa;
        EXPECT_EQ(dif->Linhas[i][static_cast<std::size_t>(dif->ColunaMarca)], Relatorio::Marca(passa)) << i;
    }
    EXPECT_EQ(r.Aprovado, todas);

    // Temperature-time charts: the hottest node first, at most a few top faces on each.
    const auto graficos = Blocos(termica, TBlocoRelatorio::Especie::Grafico);
    const std::size_t n = resumo.Camadas.size();
    const std::size_t porGrafico = Relatorio::CamadasPorGrafico;
    ASSERT_EQ(graficos.size(), std::max<std::size_t>(1, (n + porGrafico - 1) / porGrafico) + 1);  // + the profile
    std::size_t faces = 0;
    for (std::size_t g = 0; g + 1 < graficos.size(); ++g) {
        const TGraficoRelatorio& gr = graficos[g]->Grafico;
        EXPECT_EQ(gr.Curvas.front().Pontos, CurvasTemperatura::HistoricoNo(ex.Temperaturas, resumo.NoTMax));
        ASSERT_TRUE(gr.Limite.has_value());
        EXPECT_EQ(*gr.Limite, c.limiteTemperatura);
        EXPECT_LE(gr.Curvas.size() - 1, porGrafico);
        faces += gr.Curvas.size() - 1;
    }
    EXPECT_EQ(faces, n);

    // The profile at the hour of the peak, against height: the peak is on it, at its node's height.
    const TGraficoRelatorio& perfil = graficos.back()->Grafico;
    bool achou = false;
    for (const auto& p : perfil.Curvas.front().Pontos)
        if (p.x == resumo.TMaxima && p.y == Relatorio::AlturaNo(*ex.Dados, resumo.NoTMax)) achou = true;
    EXPECT_TRUE(achou);

    // The colour map: bands from the base to the top without a gap, each in the colour of
    // its temperature on the run's scale.
    const auto mapas = Blocos(termica, TBlocoRelatorio::Especie::Mapa);
    ASSERT_EQ(mapas.size(), 1u);
    const TMapaRelatorio& m = mapas[0]->Mapa;
    ASSERT_FALSE(m.Faixas.empty());
    EXPECT_DOUBLE_EQ(m.Faixas.front().ya, 0.0);
    EXPECT_NEAR(m.Faixas.back().yb, m.Altura, 1e-9);
    for (std::size_t i = 0; i < m.Faixas.size(); ++i) {
        if (i > 0) {
            EXPECT_NEAR(m.Faixas[i].ya, m.Faixas[i - 1].yb, 1e-9);
        }
        EXPECT_EQ(m.Faixas[i].cor, Cores::CorTemperatura(m.Faixas[i].t, m.TMinEscala, m.TMaxEscala));
        EXPECT_LE(m.Faixas[i].t, resumo.TMaxima + 1e-9);
    }
    EXPECT_EQ(r.Secoes.back().Titulo, TRelatorio::TituloConclusao);
    if (*c.conclusao) {
        EXPECT_EQ(r.Secoes.back().Blocos.front().Texto, c.conclusao);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Exemplos, RelatorioDoExemplo,
    // The block: peak 63,75 °C, lifts of 16,59, 26,20 and 31,06 °C.
    ::testing::Values(CasoExemplo{"bloco-fundacao-3-camadas.n1d.json", 70, 20,
                                  "✘ Não passam: diferença núcleo–superfície nas camadas 2, 3."},
                      CasoExemplo{"bloco-fundacao-3-camadas.n1d.json", 70, 35, "✔ Todas as verificações passam."},
                      CasoExemplo{"bloco-fundacao-3-camadas.n1d.json", 60, 35,
                                  "✘ Não passam: temperatura máxima acima de 60 °C."},
                      CasoExemplo{"bloco-fundacao-3-camadas.n1d.json", 63.75, 31.06,
                                  "✘ Não passam: temperatura máxima acima de 63,75 °C."},  // at the limit: fails
                      CasoExemplo{"bloco-fundacao-3-camadas-consistente.n1d.json", 70, 20, ""},
                      CasoExemplo{"muro-10-camadas-cura.n1d.json", 70, 20, ""},
                      CasoExemplo{"secao-gravidade-40-camadas-adiabatico.n1d.json", 50, 15, ""}));

// Node heights of the foundation block: three lifts of 1,5 m in four elements each.
TEST(AlturaDosNos, BlocoDeTresCamadas) {
    const Analise ex = Executa(Exemplos + "bloco-fundacao-3-camadas.n1d.json");
    const std::pair<int, double> casos[] = {{1, 0.0}, {2, 0.375}, {5, 1.5}, {10, 3.375}, {12, 4.125}, {13, 4.5}};
    for (const auto& [no, y] : casos) EXPECT_DOUBLE_EQ(Relatorio::AlturaNo(*ex.Dados, no), y) << no;
}

// Two layers on a foundation with a creep model, the restraint and the simple tensile
// strength: the stress section carries the index table of the index window and the chart
// of its critical node; without the strengths the report says so instead of failing.
std::string ProjetoTensional(bool comResistencias) {
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

TEST(RelatorioTensional, IndiceENoCriticoOuAFaltaDasResistencias) {
    for (const bool comResistencias : {true, false}) {
        PastaTemporaria pasta;
        GravaArquivo(pasta / "p.n1d.json", ProjetoTensional(comResistencias));
        const Analise ex = Executa(pasta / "p.n1d.json", true);
        const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, &ex.Tensoes, {}, "p");
        const TSecaoRelatorio& ten = Secao(r, "3.");
        EXPECT_EQ(ten.Blocos.front().Texto, ex.MensagemTensoes);
        EXPECT_EQ(r.ComIndice, comResistencias);
        const auto graficos = Blocos(ten, TBlocoRelatorio::Especie::Grafico);
        ASSERT_EQ(graficos.size(), 1u);
        if (!comResistencias) {
            EXPECT_NE(r.TextoCorrido().find("não foi informada"), std::string::npos);
            EXPECT_EQ(graficos[0]->Grafico.NoTensao, ex.Dados->NoTracaoMaxima);
            continue;
        }
        const TIndiceFissuracao ind = TIndiceFissuracao::Calcula(*ex.Dados, ex.Tensoes, TCurvaTracao::Simples, 1.0);
        EXPECT_EQ(r.Indice.Texto(), ind.Texto());
        EXPECT_EQ(graficos[0]->Grafico.NoTensao, ind.NoCritico);
        const auto tabelas = Blocos(ten, TBlocoRelatorio::Especie::Tabela);
        ASSERT_EQ(tabelas.size(), 1u);
        EXPECT_EQ(tabelas[0]->Tabela.Linhas.size(), ind.Nos.size() - 1);
        EXPECT_NE(r.TextoCorrido().find(ind.LinhaCritico()), std::string::npos);
    }
}

// With autogenous shrinkage the stress section gives, after the run's message, the largest
// tension of the same problem run without it (the shrinkage's share); without shrinkage
// the section is as before.
struct CasoParcela {
    const char* nome;
    const char* retracao;  // the key's value, empty: none
};
class ParcelaAutogenaNoRelatorio : public ::testing::TestWithParam<CasoParcela> {};

TEST_P(ParcelaAutogenaNoRelatorio, ComESemARetracao) {
    const CasoParcela& c = GetParam();
    std::string texto = ProjetoTensional(true);
    if (*c.retracao) texto.insert(texto.size() - 1, std::string(R"(, "RetracaoAutogena": )") + c.retracao);
    PastaTemporaria pasta;
    GravaArquivo(pasta / "p.n1d.json", texto);
    const Analise ex = Executa(pasta / "p.n1d.json", true);
    const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, &ex.Tensoes, {}, "p");
    const TSecaoRelatorio& ten = Secao(r, "3.");
    ASSERT_GE(ten.Blocos.size(), 2u);
    EXPECT_EQ(ten.Blocos[0].Texto, ex.MensagemTensoes);
    const bool temLinha = ten.Blocos[1].Texto.rfind("Sem a retração autógena", 0) == 0;
    if (!*c.retracao) {
        EXPECT_FALSE(temLinha);
        return;
    }
    ASSERT_TRUE(temLinha) << ten.Blocos[1].Texto;
    // The reference: the same file with the key taken out, run from the start.
    PastaTemporaria outra;
    GravaArquivo(outra / "p.n1d.json", ProjetoTensional(true));
    const Analise sem = Executa(outra / "p.n1d.json", true);
    ASSERT_LT(ex.Dados->TracaoMaxima, sem.Dados->TracaoMaxima);  // the shrinkage pulls
    const auto fixo = [](double v) { return Numeros::FormataFixo(v + 0.0, 0, 2); };
    const std::string esperada = "Sem a retração autógena, a maior tração seria " + fixo(-sem.Dados->TracaoMaxima) +
                                 " MPa (Nó " + std::to_string(sem.Dados->NoTracaoMaxima) + ", " +
                                 std::to_string(sem.Dados->HoraTracaoMaxima) + " horas); a retração autógena responde por " +
                                 fixo(sem.Dados->TracaoMaxima - ex.Dados->TracaoMaxima) + " MPa da maior tração (" +
                                 fixo(-ex.Dados->TracaoMaxima) + " MPa).";
    EXPECT_EQ(ten.Blocos[1].Texto, esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, ParcelaAutogenaNoRelatorio,
    ::testing::Values(CasoParcela{"SemRetracao", ""},
                      CasoParcela{"EN1992", R"([{"Camada": 1, "Modelo": "EN1992", "Fck": 40}, {"Camada": 2, "Modelo": "EN1992", "Fck": 40}])"},
                      CasoParcela{"Fib", R"([{"Camada": 1, "Modelo": "fibMC2010", "Fck": 50, "ClasseCimento": "32.5N"},
                                                 {"Camada": 2, "Modelo": "fibMC2010", "Fck": 30, "ClasseCimento": "52.5R"}])"}),
    [](const ::testing::TestParamInfo<CasoParcela>& i) { return std::string(i.param.nome); });

TEST(RelatorioTensional, SemTabelaDeTensoesNaoHaSecao) {
    const Analise ex = Executa(Exemplos + "bloco-fundacao-3-camadas.n1d.json");
    const HistoricoNumerico vazia;
    const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, &vazia, {}, "p");
    EXPECT_THROW(Secao(r, "3."), std::runtime_error);
}

TEST(ExtensaoDoRelatorio, SecaoAcrescentadaAntesDaConclusao) {
    const Analise ex = Executa(Exemplos + "bloco-fundacao-3-camadas.n1d.json");
    TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, nullptr, {}, "p");
    const std::size_t antes = r.Secoes.size();
    TSecaoRelatorio comparacao;
    comparacao.Titulo = "4. Comparação";
    comparacao.Paragrafo("outro projeto");
    r.AcrescentaSecao(comparacao);
    ASSERT_EQ(r.Secoes.size(), antes + 1);
    EXPECT_EQ(r.Secoes[antes - 1].Titulo, "4. Comparação");
    EXPECT_EQ(r.Secoes.back().Titulo, TRelatorio::TituloConclusao);
}

// The plan size and the side forms in the data, and the Biot warning in the thermal
// results, only for a block of finite plan size.
TEST(LateraisNoRelatorio, SoNoBlocoDeDimensoesFinitas) {
    for (const char* arquivo : {"bloco-3x3-duas-camadas-formas-laterais.n1d.json", "bloco-fundacao-3-camadas.n1d.json"}) {
        SCOPED_TRACE(arquivo);
        const bool bloco = std::string(arquivo).find("laterais") != std::string::npos;
        const Analise ex = Executa(Exemplos + arquivo);
        const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, nullptr, {}, arquivo);
        int planta = 0, biot = 0;
        for (const auto& secao : r.Secoes)
            for (const TBlocoRelatorio* b : Blocos(secao, TBlocoRelatorio::Especie::Paragrafo)) {
                if (b->Texto.rfind("Dimensões em planta. Bloco de 3 × 3 m em planta", 0) == 0 &&
                    b->Texto.find("camadas 1 a 2: Fôrma de compensado 18 mm") != std::string::npos)
                    ++planta;
                if (b->Texto.find("núcleo e as laterais não é representada") != std::string::npos) ++biot;
            }
        EXPECT_EQ(planta, bloco ? 1 : 0);
        EXPECT_EQ(biot, bloco ? 1 : 0);
    }
}

TEST(LimitesDoRelatorio, NaoNumericoRecusado) {
    const Analise ex = Executa(Exemplos + "bloco-fundacao-3-camadas.n1d.json");
    for (const double ruim : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        LimitesRelatorio l;
        l.Diferenca = ruim;
        EXPECT_THROW(Relatorio::Monta(*ex.Dados, ex.Temperaturas, nullptr, l, "p"), ErroEntrada);
    }
}

}  // namespace

namespace {

// The problem section says what the run used: the weather file and the protections of
// the site, the maturity heat model, instead of the constant ambient and the age-only curve.
struct CasoDescricao {
    const char* arquivo;
    const char* contem;
    const char* naoContem;
};
class DescricaoDoProblema : public ::testing::TestWithParam<CasoDescricao> {};

TEST_P(DescricaoDoProblema, DizOQueAAnaliseUsou) {
    const CasoDescricao& c = GetParam();
    const Analise ex = Executa(Exemplos + c.arquivo);
    const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, nullptr, LimitesRelatorio{}, c.arquivo);
    const std::string texto = r.TextoCorrido();
    EXPECT_NE(texto.find(c.contem), std::string::npos) << texto;
    EXPECT_EQ(texto.find(c.naoContem), std::string::npos) << texto;
}
INSTANTIATE_TEST_SUITE_P(
    Exemplos, DescricaoDoProblema,
    ::testing::Values(
        CasoDescricao{"radier-verao-mantas.n1d.json", "Clima horário de arquivo", "Temperatura ambiente constante"},
        CasoDescricao{"radier-verao-mantas.n1d.json", "Manta de lã mineral 25 mm (segunda) (R = 0,625 m²·°C/W) das 0 às 168 h",
                      "Coeficientes de convecção constantes"},
        CasoDescricao{"bloco-fundacao-3-camadas-consistente-maturidade.n1d.json", "pela maturidade", "curva de Calmon"},
        CasoDescricao{"bloco-fundacao-3-camadas-consistente-maturidade.n1d.json", "pela maturidade",
                      "a condutividade segue a hidratação"},
        CasoDescricao{"bloco-fundacao-3-camadas-condutividade-hidratacao.n1d.json",
                      "a condutividade segue a hidratação: k(α) = k·(1,33 − 0,33·α) (Schindler 2002)", "curva de Calmon"},
        CasoDescricao{"bloco-fundacao-3-camadas.n1d.json", "curva de Calmon", "maturidade"},
        // The schedule's day counts from 1, as typed in the placement dialog: hour 127 is day 6 at 7 h.
        CasoDescricao{"radier-verao-mantas.n1d.json", "127 (dia 6, 7 h)", "(dia 5, 7 h)"},
        CasoDescricao{"bloco-fundacao-3-camadas.n1d.json", "8 (dia 1, 8 h)", "(dia 0,"}));

// The report's verification: its section before the conclusion, stating the formulation
// of the report's numbers; the warning in the conclusion only when the consistent
// formulation changes one of the report's verdicts (the raft example with its stresses:
// the peak crosses 70 °C and the joint node's index 1,0); none for a consistent run.
struct CasoVerificacaoRelatorio {
    const char* nome;
    const char* arquivo;
    bool tensoes;
    std::optional<TFormulacao> formulacao;
    double limiteTemperatura;
    std::vector<std::string> aviso;  // in the conclusion's warning; none: no warning
};
class VerificacaoNoRelatorio : public ::testing::TestWithParam<CasoVerificacaoRelatorio> {};

TEST_P(VerificacaoNoRelatorio, SecaoEAvisoNaConclusao) {
    const CasoVerificacaoRelatorio& c = GetParam();
    Progresso semJanela;
    OpcoesAnalise o;
    o.Tensoes = c.tensoes;
    o.Formulacao = c.formulacao;
    const Analise ex = Analise::ExecutaArquivo(Exemplos + c.arquivo, o, semJanela);
    LimitesRelatorio limites;
    limites.Temperatura = c.limiteTemperatura;
    TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, c.tensoes ? &ex.Tensoes : nullptr, limites, "p");
    const std::size_t antes = r.Secoes.size();
    Relatorio::VerificacaoRelatorio v;
    v.Consistente = ex.Dados->Formulacao == TFormulacao::Consistente;
    v.Linhas = {{"Malha: 5 → 10 el/cam", "Temperatura máxima (°C)", "68,95", "69,56", "+0,61"}};
    v.Veredito = "Conclusão: muda o resultado a formulação.";
    Relatorio::AcrescentaVerificacao(r, v, Relatorio::AvisoFormulacao(r, *ex.Dados, limites, semJanela));
    ASSERT_EQ(r.Secoes.size(), antes + 1);
    const TSecaoRelatorio& secao = r.Secoes[antes - 1];
    EXPECT_EQ(secao.Titulo, std::to_string(antes) + ". " + Relatorio::TituloVerificacao);
    ASSERT_FALSE(secao.Blocos.empty());
    EXPECT_NE(secao.Blocos[0].Texto.find(v.Consistente ? "são da formulação consistente" : "são da formulação clássica"),
              std::string::npos);
    ASSERT_EQ(Blocos(secao, TBlocoRelatorio::Especie::Tabela).size(), 1u);
    EXPECT_EQ(secao.Blocos.back().Texto, v.Veredito);

    const TSecaoRelatorio& conclusao = r.Secoes.back();
    ASSERT_EQ(conclusao.Titulo, TRelatorio::TituloConclusao);
    const std::string ultimo = conclusao.Blocos.back().Texto;
    if (c.aviso.empty()) {
        EXPECT_EQ(ultimo.find("Atenção"), std::string::npos) << ultimo;
        return;
    }
    EXPECT_EQ(ultimo.rfind("Atenção: ", 0), 0u) << ultimo;
    for (const auto& t : c.aviso) EXPECT_NE(ultimo.find(t), std::string::npos) << t << "\n" << ultimo;
    EXPECT_EQ(ultimo.find('\n'), std::string::npos);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, VerificacaoNoRelatorio,
    ::testing::Values(
        CasoVerificacaoRelatorio{"RadierClassico", "radier-verao-mantas.n1d.json", true, std::nullopt, 70.0,
                                 {"A temperatura máxima (68,95 °C no Nó 9) é da formulação clássica",
                                  "O menor índice (0,625 no Nó 6, junta da camada 2) é da formulação clássica; na "
                                  "consistente é 1,41",
                                  "Confira na formulação consistente."}},
        CasoVerificacaoRelatorio{"RadierSemTensoes", "radier-verao-mantas.n1d.json", false, std::nullopt, 70.0,
                                 {"A temperatura máxima (68,95 °C no Nó 9)"}},
        CasoVerificacaoRelatorio{"RadierLimite75", "radier-verao-mantas.n1d.json", false, std::nullopt, 75.0, {}},
        CasoVerificacaoRelatorio{"RadierConsistente", "radier-verao-mantas.n1d.json", true, TFormulacao::Consistente,
                                 70.0, {}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

#include <functional>

#include "core/Projeto.h"
#include "obra/DadosObra.h"

namespace {

// The boundary conditions the run used, as the report tells them, and the short bare
// spell of a top between its blanket's removal and the next lift: the site example
// (blanket of lift 1 off at 120 h, lift 2 placed at 127 h after lift 1 at 7 h) changed
// one way per row.
struct CasoContorno {
    const char* nome;
    std::function<void(TDadosModelo&)> altera;
    const char* contem;
    const char* naoContem;
};
class ContornoNoRelatorio : public ::testing::TestWithParam<CasoContorno> {};

TEST_P(ContornoNoRelatorio, DizOQueARodadaUsou) {
    const CasoContorno& c = GetParam();
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(Exemplos + "radier-verao-mantas.n1d.json", *d);
    c.altera(*d);
    Progresso semJanela;
    const Analise ex = Analise::Executa(std::move(d), OpcoesAnalise{}, semJanela);
    const TRelatorio r = Relatorio::Monta(*ex.Dados, ex.Temperaturas, nullptr, LimitesRelatorio{}, "radier");
    const std::string texto = r.TextoCorrido();
    EXPECT_NE(texto.find(c.contem), std::string::npos) << texto;
    if (*c.naoContem) {
        EXPECT_EQ(texto.find(c.naoContem), std::string::npos) << texto;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Radier, ContornoNoRelatorio,
    ::testing::Values(
        CasoContorno{"vento", [](TDadosModelo&) {},
                     "o superior, hora a hora, pela fórmula do CEB no vento do arquivo",
                     "Coeficientes de convecção constantes"},
        // With curing the wind is not used: neither it nor the unused constants are claimed.
        CasoContorno{"curaComVento", [](TDadosModelo& d) { d.CuraAtiva = true; },
                     "Coeficientes de convecção da cura de cada camada (tabela abaixo); o vento do arquivo não os altera.",
                     "Coeficientes de convecção constantes"},
        CasoContorno{"curaSemClima",
                     [](TDadosModelo& d) {
                         d.CuraAtiva = true;
                         ObraEditavel(d).ClimaArquivo = false;
                     },
                     "Coeficientes de convecção da cura de cada camada (tabela abaixo).", "vento do arquivo"},
        CasoContorno{"constantesSemClima", [](TDadosModelo& d) { ObraEditavel(d).ClimaArquivo = false; },
                     "Coeficientes de convecção constantes: inferior 2 W/(m²·°C), superior 15 W/(m²·°C).",
                     "pela fórmula do CEB"},
        // The blanket off at 120 h: one hour bare before lift 2 covers the top at 128 h.
        CasoContorno{"descobertoUmaHora", [](TDadosModelo&) {},
                     "O topo da camada 1 fica descoberto por 1 h entre a retirada da sua proteção e a cobertura "
                     "pela camada 2.",
                     ""},
        // The sky's exchange says which sky it used; off, it is not claimed.
        CasoContorno{"semCeu", [](TDadosModelo&) {}, "Condições de contorno.", "para o céu"},
        CasoContorno{"ceuDoAr", [](TDadosModelo& d) { ObraEditavel(d).CeuAtivo = true; },
                     "Radiação de onda longa do topo para o céu, com emissividade 0,9; temperatura do céu limpo pela "
                     "fórmula de Swinbank",
                     "Berdahl"},
        CasoContorno{"ceuDoOrvalho",
                     [](TDadosModelo& d) {
                         TDadosObra& o = ObraEditavel(d);
                         o.CeuAtivo = true;
                         o.Emissividade = 0.85;
                         o.PontoOrvalho.assign(o.Temperatura.size(), 15.0);
                     },
                     "com emissividade 0,85; temperatura do céu limpo pela emissividade de Berdahl e Martin com o "
                     "ponto de orvalho do arquivo.",
                     "Swinbank"}),
    [](const ::testing::TestParamInfo<CasoContorno>& i) { return std::string(i.param.nome); });

}  // namespace
