// The revision of the problem: what makes results of a revision stand or go.
#include "core/ui/HistoricoProblema.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct CasoRevisao {
    const char* nome;
    std::function<void(HistoricoProblema&, TDadosModelo&)> muda;
    bool novaRevisao;
    bool termicaVigente;   // results of the temperatures alone still stand
    bool completaVigente;  // results of the whole problem still stand
};
class RevisaoDoProblema : public ::testing::TestWithParam<CasoRevisao> {};

TEST_P(RevisaoDoProblema, VigenciaDosResultados) {
    const CasoRevisao& c = GetParam();
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = 2;
    d->CalorCamadas[1].E = 80;
    HistoricoProblema h(*d);
    int sinais = 0;
    QObject::connect(&h, &HistoricoProblema::RevisaoMudou, [&] { ++sinais; });
    const long r = h.Revisao();
    c.muda(h, *d);
    EXPECT_EQ(h.Revisao() != r, c.novaRevisao);
    EXPECT_EQ(sinais > 0, c.novaRevisao);
    EXPECT_EQ(h.Vigente(r, true), c.termicaVigente);
    EXPECT_EQ(h.Vigente(r, false), c.completaVigente);
    // Results made now always stand.
    EXPECT_TRUE(h.Vigente(h.Revisao(), false));
}

void Calor(HistoricoProblema& h, TDadosModelo& d) {
    h.Altera(QStringLiteral("Calor Interno, camada 1"), [&] { d.CalorCamadas[1].E = 90; });
}

INSTANTIATE_TEST_SUITE_P(
    Mudancas, RevisaoDoProblema,
    ::testing::Values(
        CasoRevisao{"Nada", [](HistoricoProblema&, TDadosModelo&) {}, false, true, true},
        CasoRevisao{"MudancaSemEfeito",
                    [](HistoricoProblema& h, TDadosModelo& d) {
                        h.Altera(QStringLiteral("Calor Interno, camada 1"), [&] { d.CalorCamadas[1].E = 80; });
                    },
                    false, true, true},
        CasoRevisao{"Termica", Calor, true, false, false},
        CasoRevisao{"Tensoes",
                    [](HistoricoProblema& h, TDadosModelo& d) {
                        h.Altera(QStringLiteral("Fluência"), [&] { d.EBureauA = 0.2; });
                    },
                    true, true, false},
        CasoRevisao{"Medicoes",
                    [](HistoricoProblema& h, TDadosModelo& d) {
                        h.Altera(QStringLiteral("Medições"), [&] { d.Medicoes.push_back({"S", 0.5, {{1, 20}}}); });
                    },
                    true, true, false},
        // Back to the same problem, but by a new revision: not taken for the one computed.
        CasoRevisao{"DesfazTermica",
                    [](HistoricoProblema& h, TDadosModelo& d) {
                        Calor(h, d);
                        h.Pilha().undo();
                    },
                    true, false, false},
        CasoRevisao{"DesfazTensoes",
                    [](HistoricoProblema& h, TDadosModelo& d) {
                        h.Altera(QStringLiteral("Fluência"), [&] { d.EBureauA = 0.2; });
                        h.Pilha().undo();
                        h.Pilha().redo();
                    },
                    true, true, false},
        // Another project or a new one.
        CasoRevisao{"Limpa", [](HistoricoProblema& h, TDadosModelo&) { h.Limpa(); }, true, false, false}),
    [](const ::testing::TestParamInfo<CasoRevisao>& i) { return std::string(i.param.nome); });

}  // namespace
