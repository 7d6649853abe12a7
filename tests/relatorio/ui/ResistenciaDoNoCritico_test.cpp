// The strength curve the PDF report draws beside the critical node's stresses is that of
// the layer whose stress history the node carries: it starts where its stresses start.
#include <gtest/gtest.h>

#include <memory>

#include "core/Historico.h"
#include "core/Progresso.h"
#include "core/Projeto.h"
#include "relatorio/Relatorio.h"
#include "analise/Analise.h"
#include "core/ui/CurvasTensao.h"

namespace {

// First hour with a stress in the node's column.
double PrimeiraHoraComTensao(const HistoricoNumerico& tensoes, int no) {
    for (int r = 1; r < tensoes.Linhas(); ++r)
        if (!tensoes.Vazia(no, r)) return tensoes.Valor(0, r);
    return -1.0;
}

TEST(ResistenciaDoNoCritico, ComecaComAsTensoesDoNo) {
    auto lido = std::make_unique<TDadosModelo>();
    Projeto::Le(NORVIK_FONTES "/exemplos/radier-verao-mantas.n1d.json", *lido);
    OpcoesAnalise opcoes;
    opcoes.Tensoes = true;
    Progresso semJanela;
    const Analise ex = Analise::Executa(std::move(lido), opcoes, semJanela);
    const TDadosModelo& d = *ex.Dados;
    ASSERT_TRUE(ex.ComTensoes);

    const TRelatorio r = Relatorio::Monta(d, ex.Temperaturas, &ex.Tensoes, LimitesRelatorio{}, "radier");
    int critico = 0;
    for (const auto& s : r.Secoes)
        for (const auto& b : s.Blocos)
            if (b.Tipo == TBlocoRelatorio::Especie::Grafico && b.Grafico.NoTensao > 0) critico = b.Grafico.NoTensao;
    // Node 6 is the joint of the two 5-element layers: layer 1's, placed at hour 7.
    ASSERT_EQ(critico, 6);
    const auto curva = CurvasTensao::ResistenciaTempo(d, CurvasTensao::TipoResistencia::Tracao, critico);
    ASSERT_FALSE(curva.pontos.empty());
    EXPECT_EQ(curva.pontos.front().x, 8.0);

    // And so for every node the report could pick.
    for (int no = 1; no < ex.Tensoes.Colunas(); ++no) {
        const auto c = CurvasTensao::ResistenciaTempo(d, CurvasTensao::TipoResistencia::Tracao, no);
        ASSERT_FALSE(c.pontos.empty()) << no;
        EXPECT_EQ(c.pontos.front().x, PrimeiraHoraComTensao(ex.Tensoes, no)) << "Nó " << no;
    }
}

}  // namespace
