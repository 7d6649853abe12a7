#include "results/ComparacaoProjetos.h"

#include <gtest/gtest.h>

#include "core/Alturas.h"
#include "core/Progresso.h"
#include "core/Projeto.h"
#include "core/Numeros.h"
#include "analise/Analise.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

Analise Roda(const std::string& arquivo, bool tensoes) {
    Progresso p;
    OpcoesAnalise o;
    o.Tensoes = tensoes;
    return Analise::ExecutaArquivo(Exemplos + arquivo, o, p);
}

TComparacaoProjetos::Execucao De(const std::string& nome, const Analise& r) {
    return {nome, r.Dados.get(), &r.Temperaturas, r.ComTensoes ? &r.Tensoes : nullptr};
}

const TComparacaoProjetos::Linha& Linha(const std::vector<TComparacaoProjetos::Linha>& ls, const std::string& inicio) {
    for (const auto& l : ls)
        if (l.Grandeza.rfind(inicio, 0) == 0) return l;
    throw std::runtime_error("sem a linha " + inicio);
}

// The classical and consistent twins of the same block: the figures are each run's
// own summary, the height is the node's, and B − A is their difference as printed.
TEST(ComparacaoProjetos, DuasFormulacoesDoMesmoBloco) {
    const Analise a = Roda("bloco-fundacao-3-camadas.n1d.json", false);
    const Analise b = Roda("bloco-fundacao-3-camadas-consistente.n1d.json", false);
    const auto c = TComparacaoProjetos::Calcula(De("classica", a), De("consistente", b));
    const TResumoTermico ra = TResumoTermico::Calcula(*a.Dados, a.Temperaturas, 70.0);
    const TResumoTermico rb = TResumoTermico::Calcula(*b.Dados, b.Temperaturas, 70.0);
    EXPECT_EQ(c.A.TMaxima, ra.TMaxima);
    EXPECT_EQ(c.B.TMaxima, rb.TMaxima);
    EXPECT_EQ(c.B.DifMaxima, rb.DifMaxima);
    EXPECT_EQ(c.A.AlturaTMax, Alturas::DosNos(*a.Dados)[static_cast<std::size_t>(ra.NoTMax)]);
    EXPECT_FALSE(c.A.IndiceMinimo.has_value());

    const auto linhas = c.Linhas();
    const auto& tmax = Linha(linhas, "Temperatura máxima");
    EXPECT_EQ(tmax.ValorA, Numeros::FormataFixo(ra.TMaxima, 0, 2));
    EXPECT_EQ(tmax.Diferenca, Numeros::FormataFixo(rb.TMaxima - ra.TMaxima, 0, 2));
    EXPECT_NE(tmax.ValorA.find(','), std::string::npos);
    EXPECT_EQ(Linha(linhas, "Menor índice").ValorA, "—");
    EXPECT_EQ(Linha(linhas, "Menor índice").Diferenca, "—");
    const std::string texto = c.Texto();
    EXPECT_NE(texto.find("A: classica\nB: consistente\n"), std::string::npos);
}

// A run compared with itself differs by zero everywhere, the stress index included.
TEST(ComparacaoProjetos, ProjetoConsigoMesmoComTensoes) {
    auto d = std::make_unique<TDadosModelo>();
    Projeto::LeTexto(R"({"formato": "norvik-1d/projeto", "versao": 1, "NElemCamada": 3, "NCamadas": 2,
  "TempoTotal": 120, "PassoTempo": 1, "Fundacao": true, "TAmbConst": 22, "BetaSup": 43200,
  "Camadas": [{"K": 2.4, "Espessura": 1.5, "XIni": 0, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 8, "TInicial": 22},
              {"K": 2.4, "Espessura": 1.5, "XIni": 1.5, "Ro": 2400, "CalorEsp": 950, "Alfa": 1e-05, "HoraConcretagem": 32, "TInicial": 24}],
  "CalorCamadas": [{"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7},
                   {"Constante": false, "N": 0.45, "E": 80, "C": 330, "B": 7}],
  "ModeloFluencia": "Bureau", "EBureauA": 0.111137, "EBureauB": 0.03547, "FBureauA": 6.0656, "FBureauB": 8.748,
  "RestricaoACI": true, "AlturaRestricao": 1.5, "ComprimentoRestricao": 6,
  "ResistTracaoA": 0.65271, "ResistTracaoB": 0.548387})", *d);
    Progresso p;
    OpcoesAnalise o;
    o.Tensoes = true;
    const Analise a = Analise::Executa(std::move(d), o, p);
    ASSERT_TRUE(a.ComTensoes);
    const auto c = TComparacaoProjetos::Calcula(De("muro", a), De("muro", a));
    ASSERT_TRUE(c.A.IndiceMinimo.has_value());
    EXPECT_GT(*c.A.IndiceMinimo, 0.0);
    for (const auto& l : c.Linhas()) {
        EXPECT_EQ(l.ValorA, l.ValorB) << l.Grandeza;
        EXPECT_TRUE(l.Diferenca == "—" || l.Diferenca == "0" || l.Diferenca == "0,00" || l.Diferenca == "-0,00")
            << l.Grandeza << ": " << l.Diferenca;
    }
}

}  // namespace
