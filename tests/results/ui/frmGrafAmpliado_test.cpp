#include "results/ui/frmGrafAmpliado.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "results/LeitorWmf.h"
#include "core/ui/MotorWmf.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmGrafEixoAmpliado.h"

namespace {

QList<QPointF> Curva(int n, double base) {
    QList<QPointF> p;
    for (int i = 1; i <= n; ++i) p.append(QPointF(i, base + 10 * std::sin(i / 7.0)));
    return p;
}

std::vector<std::uint8_t> Le(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return {b.begin(), b.end()};
}

class SalvarFigura : public ::testing::Test {
protected:
    SalvarFigura() : app(msg, arquivos), amp(*app.janelas().frmGrafAmpliado) {
        amp.resize(900, 600);
        amp.show();
        QApplication::processEvents();
        amp.cGraficoNosAmpl->AdicionaSerie(QStringLiteral("Nó:1"), Curva(37, 30));
        amp.cGraficoNosAmpl->AdicionaSerie(QStringLiteral("Nó:2"), Curva(53, 20));
        QApplication::processEvents();
    }
    ~SalvarFigura() override { amp.close(); }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app;
    TfrmGrafAmpliado& amp;
    QTemporaryDir pasta;
};

// ".wmf" is appended whatever the chosen name ends with; the file holds together
// the way a strict reader checks it.
TEST_F(SalvarFigura, GravaMetarquivoPlaceableComONomeMaisWmf) {
    const QString nome = pasta.filePath(QStringLiteral("figura.wmf"));
    arquivos.caminhos.push_back(nome);
    amp.btnSalvarFigura->click();
    EXPECT_TRUE(msg.todas.isEmpty()) << msg.todas.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(nome));
    const ArquivoWmf a = LeWmf(Le(nome + QStringLiteral(".wmf")));
    ASSERT_EQ(a.erro, "");
    EXPECT_EQ(a.chave, 0x9AC6CDD7u);
    EXPECT_EQ(a.soma, a.somaCalculada);
    const QSize tela = amp.cGraficoNosAmpl->Vista()->size();
    const int fator = TMotorWmf::UnidadesPorPixel(tela);
    EXPECT_EQ(a.direita, tela.width() * fator);
    EXPECT_EQ(a.base, tela.height() * fator);
    EXPECT_EQ(a.polegada, amp.cGraficoNosAmpl->Vista()->logicalDpiX() * fator);
    EXPECT_EQ(ConfereObjetos(a), "");
    ASSERT_FALSE(arquivos.filtros.isEmpty());
    EXPECT_TRUE(arquivos.filtros.front().contains(QStringLiteral("*.wmf")));
}

TEST_F(SalvarFigura, CancelarNaoGravaNada) {
    amp.btnSalvarFigura->click();
    EXPECT_TRUE(msg.todas.isEmpty());
    EXPECT_TRUE(QDir(pasta.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(SalvarFigura, ErroDeGravacaoEhInformado) {
    const QString nome = pasta.filePath(QStringLiteral("nao/existe/figura"));
    arquivos.caminhos.push_back(nome);
    amp.btnSalvarFigura->click();
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros.front().startsWith(QStringLiteral("Não foi possível gravar a figura em")));
    EXPECT_FALSE(QFile::exists(nome + QStringLiteral(".wmf")));
}

// Another program reads the picture back: titles, legend and one line per curve
// with every point.
TEST_F(SalvarFigura, Wmf2svgLeAFigura) {
    const QString conversor = QStandardPaths::findExecutable(QStringLiteral("wmf2svg"));
    if (conversor.isEmpty()) GTEST_SKIP() << "wmf2svg ausente";
    const QString nome = pasta.filePath(QStringLiteral("grafico"));
    arquivos.caminhos.push_back(nome);
    amp.btnSalvarFigura->click();
    ASSERT_TRUE(msg.todas.isEmpty());
    const QString svg = pasta.filePath(QStringLiteral("grafico.svg"));
    QProcess p;
    p.start(conversor, {QStringLiteral("-o"), svg, nome + QStringLiteral(".wmf")});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    if (qEnvironmentVariableIsSet("NORVIK_GUARDA_FIGURA")) QFile::copy(svg, qEnvironmentVariable("NORVIK_GUARDA_FIGURA"));
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray conteudo = f.readAll();  // raw Windows-1252 text
    // With the advances of each letter the reader places letters one by one: join
    // the text elements in order.
    QString escrito;
    const QRegularExpression elementoTexto(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (auto it = elementoTexto.globalMatch(QString::fromLatin1(conteudo)); it.hasNext();) {
        const QString letra = it.next().captured(1);
        escrito += letra.trimmed().isEmpty() ? QStringLiteral(" ") : letra.trimmed();
    }
    for (const char* texto : {"Tempo X Temperatura", "Tempo (horas)", "Temperatura (Celcius)", "N\xF3:1", "N\xF3:2"})
        EXPECT_TRUE(escrito.contains(QString::fromLatin1(texto))) << texto;

    QMap<int, int> linhasPorPontos;
    const QRegularExpression polilinha(QStringLiteral("<polyline[^>]*points=\"([^\"]*)\""));
    for (auto it = polilinha.globalMatch(QString::fromLatin1(conteudo)); it.hasNext();) {
        const QString pontos = it.next().captured(1).simplified();
        const auto pares = pontos.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ++linhasPorPontos[static_cast<int>(pares.size())];
    }
    EXPECT_EQ(linhasPorPontos.value(37), 1);
    EXPECT_EQ(linhasPorPontos.value(53), 1);
}

TEST(SalvarFiguraEixo, JanelaDoEixoTambemSalva) {
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app(msg, arquivos);
    QTemporaryDir pasta;
    TfrmGrafEixoAmpliado& amp = *app.janelas().frmGrafEixoAmpliado;
    amp.cGraficoEixoAmpl->AdicionaSerie(QStringLiteral("t= 48 h"), Curva(11, 25));
    const QString nome = pasta.filePath(QStringLiteral("eixo.WMF"));
    arquivos.caminhos.push_back(nome);
    amp.btnSalvarFigura->click();
    EXPECT_TRUE(msg.todas.isEmpty());
    const ArquivoWmf a = LeWmf(Le(nome + QStringLiteral(".wmf")));
    ASSERT_EQ(a.erro, "");
    EXPECT_EQ(ConfereObjetos(a), "");
}

}  // namespace
