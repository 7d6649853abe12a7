// The bundled block in CP III against the same block in CP V-ARI: each file's heat records
// are those its mix gives (so the file cannot drift from the model), and the figures of
// their lines in the README (peak, largest core-to-top difference, smallest index).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analise/Analise.h"
#include "core/Numeros.h"
#include "core/Projeto.h"
#include "mistura/Cimentos.h"
#include "mistura/Hidratacao.h"

namespace {

struct CasoExemplo {
    const char* arquivo;
    const char* cimento;
    const char* maxima;
    const char* diferenca;
    const char* indice;
};
class ExemploDoCimento : public testing::TestWithParam<CasoExemplo> {};

TEST_P(ExemploDoCimento, RegistrosDaDosagemENumerosDoReadme) {
    const CasoExemplo& c = GetParam();
    auto d = std::make_unique<TDadosModelo>();
    Projeto::Le(std::string(NORVIK_FONTES) + "/exemplos/" + c.arquivo, *d);
    ASSERT_EQ(d->Dosagens.size(), 3u);
    for (int L = 1; L <= 3; ++L) {
        const TDosagem& m = d->Dosagens.at(L);
        EXPECT_EQ(m.Cimento, Cimentos::Tipico(c.cimento)->Cimento) << L;
        TCalorInterno esperado = d->CalorCamadas[static_cast<std::size_t>(L)];
        Hidratacao::Aplica(Hidratacao::Calcula(m), m, d->CalorDiscreto, esperado);
        const TCalorInterno& q = d->CalorCamadas[static_cast<std::size_t>(L)];
        EXPECT_EQ(q.E, esperado.E) << L;
        EXPECT_EQ(q.AlfaU, esperado.AlfaU) << L;
        EXPECT_EQ(q.Tau, esperado.Tau) << L;
        EXPECT_EQ(q.BetaHid, esperado.BetaHid) << L;
        EXPECT_EQ(q.EnergiaAtivacao, esperado.EnergiaAtivacao) << L;
    }
    OpcoesAnalise o;
    o.Tensoes = true;
    o.LimiteResumo = 70.0;
    o.Indice = OpcoesAnalise::ParametrosIndice{TCurvaTracao::Simples, 1.0};
    Progresso nada;
    const Analise a = Analise::Executa(std::move(d), o, nada);
    EXPECT_EQ(Numeros::FormataFixo(a.Resumo->TMaxima, 0, 2), c.maxima);
    EXPECT_EQ(Numeros::FormataFixo(a.Resumo->DifMaxima, 0, 2), c.diferenca);
    ASSERT_GT(a.Indice->NoCritico, 0);
    EXPECT_EQ(Numeros::FormataFixo(a.Indice->Nos[static_cast<std::size_t>(a.Indice->NoCritico)].IndiceMinimo, 0, 3),
              c.indice);
}

INSTANTIATE_TEST_SUITE_P(Exemplos, ExemploDoCimento,
                         testing::Values(CasoExemplo{"bloco-fundacao-3-camadas-cp-iii.n1d.json", "CP III", "54,66",
                                                     "24,31", "2,044"},
                                         CasoExemplo{"bloco-fundacao-3-camadas-cp-v-ari.n1d.json", "CP V-ARI", "60,79",
                                                     "28,58", "1,159"}));

}  // namespace
