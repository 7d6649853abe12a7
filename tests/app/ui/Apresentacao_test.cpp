#include <QFile>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/ui/ImagemJpeg.h"
#include "app/ui/frmTelaApresentacao.h"
#include "core/Erros.h"
#include "app/ui/frmEntradaDados.h"

namespace {

QByteArray Figura() {
    QFile f(QStringLiteral(":/app/apresentacao.jpg"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TEST(ImagemJpeg, DecodificaAFiguraDosRecursos) {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);  // registers the resources
    const QImage img = ImagemJpeg::Decodifica(Figura());
    EXPECT_EQ(img.size(), QSize(420, 200));
    EXPECT_TRUE(msg.erros.isEmpty());
    // The same pixels as Qt's own reader.
    QImage qt;
    ASSERT_TRUE(qt.loadFromData(Figura(), "JPEG"));
    EXPECT_EQ(img.convertToFormat(QImage::Format_RGB32), qt.convertToFormat(QImage::Format_RGB32));
}

struct CasoDanificado {
    const char* nome;
    QByteArray (*bytes)();
    const char* trecho;
};

class JpegDanificado : public ::testing::TestWithParam<CasoDanificado> {};

TEST_P(JpegDanificado, ERelatadoSemQueda) {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    try {
        ImagemJpeg::Decodifica(GetParam().bytes());
        FAIL() << "aceitou uma imagem danificada";
    } catch (const ErroEntrada& e) {
        EXPECT_NE(std::string(e.what()).find("Imagem JPEG danificada"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(GetParam().trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    ImagemJpeg, JpegDanificado,
    ::testing::Values(CasoDanificado{"Texto", [] { return QByteArray("not a picture at all"); }, "Not a JPEG file"},
                      CasoDanificado{"Vazio", [] { return QByteArray(); }, ""},
                      CasoDanificado{"Cortado", [] { const QByteArray b = Figura(); return b.left(b.size() * 7 / 10); }, ""},
                      CasoDanificado{"SoCabecalho", [] { return Figura().left(100); }, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(TelaApresentacao, SequenciaUmaVezSoEPassaAJanelaPrincipal) {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos, true);
    TfrmTelaApresentacao* s = app.janelas().frmTelaApresentacao;
    TfrmEntradaDados* principal = app.janelas().frmEntradaDados;
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), "Bem Vindo ao Programa...");
    EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(s->Timer1->isActive());
    EXPECT_EQ(s->Timer1->interval(), 1000);
    EXPECT_FALSE(principal->isVisible());
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();

    ASSERT_TRUE(QTest::qWaitFor([&] { return s->Concluida(); }, 15000));
    EXPECT_FALSE(s->Timer1->isActive());
    EXPECT_EQ(s->ProgressBar1->value(), 100);
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(principal->isVisible());

    // The timer acts once only: the splash never comes back.
    QTest::qWait(1200);
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(principal->isVisible());
}

}  // namespace
