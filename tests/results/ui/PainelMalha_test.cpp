#include <utility>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "core/ui/PainelMalha.h"
#include "results/ui/frmResultados.h"

namespace {

class PainelMalhaTeste : public AmbienteResultados {};

bool LinhaTemCor(const QImage& img, int y0, int y1, const QColor& cor) {
    for (int y = y0; y < y1 && y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (QColor(img.pixel(x, y)) == cor) return true;
    return false;
}

TEST_F(PainelMalhaTeste, CamadaOnzeNaCorDoFundoELegendaAqua) {
    Membro(11, 1, 2);
    TPainelMalha painel(app->contexto(), VarianteMalha::Resultados);
    painel.resize(250, 420);
    painel.show();
    painel.DesenhaMalha();
    const QImage& img = painel.pbMalha->Imagem();
    const int P = img.height();
    const double s = (P - 4) / 11.0;
    auto meio = [&](int L) { return static_cast<int>(P - s * (L - 0.5) + 2); };
    const QColor fundo = painel.palette().color(QPalette::Button);
    EXPECT_EQ(QColor(img.pixel(54, meio(1))), QColor(0, 0, 255));
    EXPECT_EQ(QColor(img.pixel(54, meio(10))), QColor(0, 255, 255));
    EXPECT_EQ(QColor(img.pixel(54, meio(11))), fundo);
    EXPECT_EQ(QColor(img.pixel(50, meio(11))), QColor(Qt::black));  // only the outline
    EXPECT_EQ(QColor(img.pixel(30, meio(1))), fundo);               // left of the column at 50
    const QImage& legenda = painel.pbLegenda->Imagem();
    EXPECT_TRUE(LinhaTemCor(legenda, 70 + 17 * 10, 70 + 17 * 11, QColor(0, 255, 255)));
    EXPECT_TRUE(LinhaTemCor(legenda, 70, 70 + 17, QColor(0, 0, 255)));
}

TEST_F(PainelMalhaTeste, VariantesDeGraficoUsamColuna25a33) {
    Membro(1, 4, 2);
    TPainelMalha painel(app->contexto(), VarianteMalha::Grafico);
    painel.resize(220, 300);
    painel.show();
    painel.DesenhaMalha();
    const QImage& img = painel.pbMalha->Imagem();
    const int P = img.height();
    EXPECT_EQ(QColor(img.pixel(29, P / 2)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(img.pixel(25, P / 2)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(33, P / 2)), QColor(Qt::black));
    EXPECT_NE(QColor(img.pixel(34, P / 2)), QColor(0, 0, 255));
}

TEST_F(PainelMalhaTeste, SemMembroSoFundoELegenda) {
    TPainelMalha painel(app->contexto(), VarianteMalha::Resultados);
    painel.resize(250, 300);
    painel.DesenhaMalha();
    const QImage& img = painel.pbMalha->Imagem();
    EXPECT_EQ(QColor(img.pixel(54, img.height() / 2)), painel.palette().color(QPalette::Button));
}

// Three-digit element numbers end left of the column: its inside holds only the
// layer colour and the element outlines.
class NumerosLongos : public PainelMalhaTeste,
                      public ::testing::WithParamInterface<std::pair<VarianteMalha, std::pair<int, int>>> {};

TEST_P(NumerosLongos, NaoEntramNaColuna) {
    Membro(1, 150, 2);
    TPainelMalha painel(app->contexto(), GetParam().first);
    painel.resize(250, 900);
    painel.show();
    painel.DesenhaMalha();
    const QImage& img = painel.pbMalha->Imagem();
    const auto [x1, x2] = GetParam().second;
    int invadidos = 0;
    for (int y = 0; y < img.height(); ++y) {
        if (QColor(img.pixel(x2, y)) != QColor(Qt::black)) continue;  // above or below the column
        for (int x = x1 + 1; x < x2; ++x) {
            const QColor c(img.pixel(x, y));
            if (c.red() > 60 || c.green() > 60) ++invadidos;  // neither blue nor an outline
        }
    }
    EXPECT_EQ(invadidos, 0);
}
INSTANTIATE_TEST_SUITE_P(Variantes, NumerosLongos,
                         ::testing::Values(std::pair{VarianteMalha::Grafico, std::pair{25, 33}},
                                           std::pair{VarianteMalha::Resultados, std::pair{50, 58}}));

}  // namespace
