// The warning of a classic verdict the consistent formulation changes: which verdicts
// count (the peak against its limit, the lifts over the difference limit, the node the
// smallest index rests on), how the node is named, and that nothing is said when both
// formulations agree. The figures are set by hand; the run itself is tested through the
// batch tool on the shipped example.
#include "analise/AvisoFormulacao.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/MembroTeste.h"

namespace {

TResumoTermico Resumo(double tMax, std::vector<double> difs, double limite = 70.0) {
    TResumoTermico r;
    r.Vazio = false;
    r.TMaxima = tMax;
    r.NoTMax = 9;
    r.Limite = limite;
    for (std::size_t i = 0; i < difs.size(); ++i) {
        TResumoTermico::DiferencaCamada c;
        c.Camada = static_cast<int>(i) + 1;
        c.DifMaxima = difs[i];
        r.Camadas.push_back(c);
        r.DifMaxima = std::max(r.DifMaxima, difs[i]);
    }
    return r;
}

// Eleven nodes of two lifts; `minimos` the smallest index of nodes 1..11 (0: no tension).
TIndiceFissuracao Indice(const std::vector<double>& minimos) {
    TIndiceFissuracao r;
    r.Limite = 1.0;
    r.Nos.resize(minimos.size() + 1);
    double menor = 0.0;
    for (std::size_t n = 1; n <= minimos.size(); ++n) {
        auto& no = r.Nos[n];
        no.Camada = n <= 6 ? 1 : 2;
        no.ComTracao = minimos[n - 1] > 0.0;
        no.IndiceMinimo = minimos[n - 1];
        if (no.ComTracao && (r.NoCritico == 0 || no.IndiceMinimo < menor)) {
            r.NoCritico = static_cast<int>(n);
            menor = no.IndiceMinimo;
        }
    }
    return r;
}

const std::vector<double> Classico{1.31, 1.25, 1.26, 1.33, 1.46, 0.625, 1.35, 1.42, 1.40, 1.26, 0.954};
const std::vector<double> ConsistenteNo6Passa{1.30, 1.25, 1.26, 1.33, 1.46, 1.41, 1.35, 1.42, 1.40, 1.26, 0.947};
const std::vector<double> ConsistenteTudoPassa{1.30, 1.25, 1.26, 1.33, 1.46, 1.41, 1.35, 1.42, 1.40, 1.26, 1.05};
const std::vector<double> ConsistenteNo6Baixo{1.30, 1.25, 1.26, 1.33, 1.46, 0.70, 1.35, 1.42, 1.40, 1.26, 0.95};

struct CasoAviso {
    const char* nome;
    TResumoTermico classica, consistente;
    std::optional<std::vector<double>> indiceClassico, indiceConsistente;
    std::optional<double> limiteDiferenca;
    bool termicos;
    std::vector<std::string> trechos;  // each in its own line, in order; none: no warning
};
class Aviso : public ::testing::TestWithParam<CasoAviso> {};

TEST_P(Aviso, DizOQueAConsistenteMuda) {
    const CasoAviso& c = GetParam();
    auto d = teste::Membro(2, 5, 0, 24, 100);
    d->CamadaAtual = 2;
    d->NElemAtivos = 10;
    std::optional<TIndiceFissuracao> ia, ib;
    if (c.indiceClassico) ia = Indice(*c.indiceClassico);
    if (c.indiceConsistente) ib = Indice(*c.indiceConsistente);
    const TAvisoFormulacao a = TAvisoFormulacao::Compara(*d, c.classica, ia ? &*ia : nullptr, c.consistente,
                                                         ib ? &*ib : nullptr, c.limiteDiferenca, c.termicos);
    ASSERT_EQ(a.Linhas.size(), c.trechos.size()) << a.Texto();
    for (std::size_t i = 0; i < c.trechos.size(); ++i)
        EXPECT_NE(a.Linhas[i].find(c.trechos[i]), std::string::npos) << a.Linhas[i];
    const std::string texto = a.Texto();
    if (c.trechos.empty()) {
        EXPECT_EQ(texto, "");
    } else {
        const std::string fim = "Confira na formulação consistente.\n";
        ASSERT_GE(texto.size(), fim.size());
        EXPECT_EQ(texto.substr(texto.size() - fim.size()), fim);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Casos, Aviso,
    ::testing::Values(
        CasoAviso{"NadaMuda", Resumo(68.95, {10.6, 25.2}), Resumo(69.50, {10.7, 26.0}), Classico, ConsistenteNo6Baixo,
                  20.0, true, {}},
        CasoAviso{"PicoPassaOLimite", Resumo(68.95, {10.6}), Resumo(70.19, {10.7}), std::nullopt, std::nullopt, 20.0,
                  true, {"A temperatura máxima (68,95 °C no Nó 9) é da formulação clássica; na consistente é 70,19 °C, "
                         "que atinge o limite de 70 °C."}},
        CasoAviso{"PicoVoltaAbaixo", Resumo(71.00, {}), Resumo(69.99, {}), std::nullopt, std::nullopt, std::nullopt,
                  true, {"na consistente é 69,99 °C, abaixo do limite de 70 °C."}},
        // The node the classic verdict rests on passes in the consistent formulation,
        // whose own smallest index is elsewhere.
        CasoAviso{"NoDoMenorIndicePassa", Resumo(60.0, {}), Resumo(60.5, {}), Classico, ConsistenteNo6Passa,
                  std::nullopt, true,
                  {"O menor índice (0,625 no Nó 6, junta da camada 2) é da formulação clássica; na consistente é "
                   "1,410; o menor da consistente é 0,947 no Nó 11, topo da camada 2."}},
        CasoAviso{"TodoIndicePassa", Resumo(60.0, {}), Resumo(60.5, {}), Classico, ConsistenteTudoPassa, std::nullopt,
                  true, {"na consistente é 1,410; o menor da consistente é 1,050 no Nó 11"}},
        // The smallest node keeps its side; another node crosses.
        CasoAviso{"OutroNoCruza", Resumo(60.0, {}), Resumo(60.5, {}), Classico,
                  std::vector<double>{1.30, 1.25, 1.26, 1.33, 1.46, 0.70, 1.35, 1.42, 1.40, 1.26, 1.02}, std::nullopt,
                  true, {"Abaixo do limite 1 do índice ficam os Nós 6 e 11 na formulação clássica; na consistente, o Nó 6."}},
        CasoAviso{"CamadaPassaADiferenca", Resumo(60.0, {10.6, 19.8}), Resumo(60.5, {10.7, 20.4}), std::nullopt,
                  std::nullopt, 20.0, true,
                  {"nenhuma camada passa dele na formulação clássica (maior 19,80 °C); na consistente passa dele a "
                   "camada 2 (maior 20,40 °C)."}},
        CasoAviso{"DiferencaSemLimite", Resumo(60.0, {10.6, 19.8}), Resumo(60.5, {10.7, 20.4}), std::nullopt,
                  std::nullopt, std::nullopt, true, {}},
        // The index window: the thermal verdicts are the summary's.
        CasoAviso{"SoIndice", Resumo(68.95, {10.6, 19.8}), Resumo(70.19, {10.7, 20.4}), Classico,
                  ConsistenteNo6Passa, 20.0, false, {"O menor índice (0,625 no Nó 6"}},
        CasoAviso{"TudoJunto", Resumo(68.95, {10.6, 25.2}), Resumo(70.19, {10.7, 26.0}), Classico,
                  ConsistenteNo6Passa, 20.0, true, {"A temperatura máxima", "O menor índice"}}),
    [](const auto& info) { return std::string(info.param.nome); });

struct CasoNo {
    int no;
    const char* nome;
};
class NomeDoNo : public ::testing::TestWithParam<CasoNo> {};

TEST_P(NomeDoNo, JuntaEhDaCamadaDeCima) {
    auto d = teste::Membro(3, 5, 0, 24, 100);
    d->CamadaAtual = 2;  // the third lift not yet placed: node 11 is the top
    EXPECT_EQ(TAvisoFormulacao::DescreveNo(*d, GetParam().no), GetParam().nome);
}
INSTANTIATE_TEST_SUITE_P(Casos, NomeDoNo,
                         ::testing::Values(CasoNo{1, "Nó 1, camada 1"}, CasoNo{5, "Nó 5, camada 1"},
                                           CasoNo{6, "Nó 6, junta da camada 2"}, CasoNo{7, "Nó 7, camada 2"},
                                           CasoNo{11, "Nó 11, topo da camada 2"}));

}  // namespace
