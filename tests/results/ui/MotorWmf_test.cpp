#include "core/ui/MotorWmf.h"

#include <QPainter>
#include <gtest/gtest.h>

#include "results/EscritorWmf.h"
#include "results/LeitorWmf.h"

namespace {

std::uint16_t F(Wmf::Registro r) { return static_cast<std::uint16_t>(r); }

template <class Desenho>
ArquivoWmf Desenha(QSize tamanho, Desenho&& desenho) {
    TMotorWmf figura(tamanho, 96);
    QPainter p(&figura);
    desenho(p);
    p.end();
    return LeWmf(figura.Arquivo());
}

std::vector<const RegistroWmf*> Registros(const ArquivoWmf& a, Wmf::Registro funcao) {
    std::vector<const RegistroWmf*> r;
    for (const auto& x : a.registros)
        if (x.funcao == F(funcao)) r.push_back(&x);
    return r;
}

TEST(MotorWmf, CabecalhoNoTamanhoDaTelaComDezUnidadesPorPixel) {
    const ArquivoWmf a = Desenha(QSize(800, 500), [](QPainter& p) { p.drawLine(0, 0, 10, 10); });
    ASSERT_EQ(a.erro, "");
    EXPECT_EQ(a.direita, 8000);
    EXPECT_EQ(a.base, 5000);
    EXPECT_EQ(a.polegada, 960);
    EXPECT_EQ(a.soma, a.somaCalculada);
    EXPECT_EQ(ConfereObjetos(a), "");
    // A picture too wide for ten units per pixel in 16 bits gets fewer.
    EXPECT_EQ(TMotorWmf::UnidadesPorPixel(QSize(5000, 100)), 6);
    EXPECT_EQ(TMotorWmf::UnidadesPorPixel(QSize(40000, 100)), 1);
}

// Segments drawn one by one, each starting where the last ended, become one
// polyline; a change of pen or a gap starts another.
TEST(MotorWmf, SegmentosEncadeadosViramUmaPolilinha) {
    const ArquivoWmf a = Desenha(QSize(200, 200), [](QPainter& p) {
        p.setPen(QPen(Qt::green, 2));
        for (int i = 0; i < 50; ++i) p.drawLine(QLineF(i, i * 1.5, i + 1, (i + 1) * 1.5));
        p.setPen(QPen(Qt::red, 1));
        p.drawLine(QLineF(50, 75, 60, 80));
        p.drawLine(QLineF(100, 100, 110, 110));
    });
    ASSERT_EQ(a.erro, "");
    const auto linhas = Registros(a, Wmf::Registro::Polilinha);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0]->P(0), 51);
    EXPECT_EQ(linhas[1]->P(0), 2);
    EXPECT_EQ(linhas[2]->P(0), 2);
    EXPECT_EQ(ConfereObjetos(a), "");
    const auto canetas = Registros(a, Wmf::Registro::CriaCaneta);
    ASSERT_EQ(canetas.size(), 2u);
    EXPECT_EQ(canetas[0]->P(1), 20);  // 2 px × 10 units
    EXPECT_EQ(canetas[1]->params[3], 0x00FF);  // red: bytes FF 00 00 00
}

TEST(MotorWmf, CurvaContinuaEmUmRegistro) {
    const ArquivoWmf a = Desenha(QSize(600, 400), [](QPainter& p) {
        p.setPen(QPen(Qt::blue, 2));
        QPointF anterior(0, 200);
        for (int i = 1; i <= 500; ++i) {
            const QPointF atual(i, 200 + 100 * std::sin(i / 20.0));
            p.drawLine(QLineF(anterior, atual));
            anterior = atual;
        }
    });
    const auto linhas = Registros(a, Wmf::Registro::Polilinha);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0]->P(0), 501);
}

// Geometry beyond the picture is cut at its edge before it becomes 16-bit coordinates.
TEST(MotorWmf, RecorteNaBordaDaFiguraENoClip) {
    const ArquivoWmf a = Desenha(QSize(100, 100), [](QPainter& p) {
        p.drawLine(QLineF(-1e6, -1e6, 1e6, 1e6));
        p.setClipRect(QRect(10, 10, 20, 20));
        p.drawLine(QLineF(0, 15, 100, 15));
        p.setClipping(false);
        p.drawLine(QLineF(0, 50, 100, 50));
    });
    const auto linhas = Registros(a, Wmf::Registro::Polilinha);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0]->params, (std::vector<std::uint16_t>{2, 0, 0, 1000, 1000}));
    EXPECT_EQ(linhas[1]->params, (std::vector<std::uint16_t>{2, 100, 150, 300, 150}));
    EXPECT_EQ(linhas[2]->params, (std::vector<std::uint16_t>{2, 0, 500, 1000, 500}));
}

// Rectangles go out as four-point polygons with their own pen and brush.
TEST(MotorWmf, RetanguloViraPoligono) {
    const ArquivoWmf a = Desenha(QSize(100, 100), [](QPainter& p) {
        p.setBrush(QColor(255, 255, 0));
        p.drawRect(QRectF(10, 20, 30, 40));
        p.setBrush(QColor(0, 0, 255, 0));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(0, 0, 5, 5));  // invisible: nothing to write
    });
    EXPECT_TRUE(Registros(a, static_cast<Wmf::Registro>(0x041B)).empty());
    const auto poligonos = Registros(a, Wmf::Registro::Poligono);
    ASSERT_EQ(poligonos.size(), 1u);
    EXPECT_EQ(poligonos[0]->params, (std::vector<std::uint16_t>{4, 100, 200, 400, 200, 400, 600, 100, 600}));
    const auto pinceis = Registros(a, Wmf::Registro::CriaPincel);
    ASSERT_EQ(pinceis.size(), 1u);
    EXPECT_EQ(pinceis[0]->params[0], 0);                // solid
    EXPECT_EQ(pinceis[0]->params[1], 0xFFFF);           // R, G
    EXPECT_EQ(pinceis[0]->params[2], 0x0000);           // B, 0
    EXPECT_EQ(ConfereObjetos(a), "");
}

// Text in Windows-1252 at its baseline, with its colour, and the turned axis title
// as a font at 90 degrees.
TEST(MotorWmf, TextoEmCp1252ComCorEFonteGirada) {
    const ArquivoWmf a = Desenha(QSize(300, 300), [](QPainter& p) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSize(9);
        p.setFont(f);
        p.setPen(QColor(10, 20, 30));
        p.drawText(QPointF(20, 40), QStringLiteral("Tração °×–"));
        p.translate(50, 250);
        p.rotate(-90);
        p.drawText(QPointF(0, 0), QStringLiteral("Temperatura (Celcius)"));
    });
    ASSERT_EQ(a.erro, "");
    const auto textos = Registros(a, Wmf::Registro::TextoExt);
    ASSERT_EQ(textos.size(), 2u);
    const RegistroWmf& t = *textos[0];
    EXPECT_EQ(t.P(0), 400);
    EXPECT_EQ(t.P(1), 200);
    ASSERT_EQ(t.P(2), 10);
    std::string bytes;
    for (int i = 0; i < 5; ++i) {
        bytes += static_cast<char>(t.params[4 + static_cast<std::size_t>(i)] & 0xFF);
        bytes += static_cast<char>(t.params[4 + static_cast<std::size_t>(i)] >> 8);
    }
    EXPECT_EQ(bytes, "Tra\xE7\xE3o \xB0\xD7\x96");
    ASSERT_EQ(t.params.size(), 4u + 5u + 10u);  // advances follow, one per byte
    int soma = 0;
    for (std::size_t i = 9; i < t.params.size(); ++i) soma += t.P(i);
    EXPECT_GT(soma, 0);

    const auto cores = Registros(a, Wmf::Registro::CorTexto);
    ASSERT_EQ(cores.size(), 1u);
    EXPECT_EQ(cores[0]->params, (std::vector<std::uint16_t>{0x140A, 0x001E}));
    const auto fontes = Registros(a, Wmf::Registro::CriaFonte);
    ASSERT_EQ(fontes.size(), 2u);
    EXPECT_EQ(fontes[0]->P(0), -120);  // 9 pt at 96 dpi = 12 px, × 10
    EXPECT_EQ(fontes[0]->P(2), 0);
    EXPECT_EQ(fontes[1]->P(2), 900);
    EXPECT_EQ(fontes[1]->P(3), 900);
    EXPECT_EQ((fontes[0]->params[6] >> 8) & 0xFF, 0);  // charset ANSI
    const auto alinhamentos = Registros(a, Wmf::Registro::AlinhamentoTexto);
    ASSERT_EQ(alinhamentos.size(), 1u);
    EXPECT_EQ(alinhamentos[0]->params[0], Wmf::AlinhaLinhaBase);
    EXPECT_EQ(ConfereObjetos(a), "");
}

}  // namespace
