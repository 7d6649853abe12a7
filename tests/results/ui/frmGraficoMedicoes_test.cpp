// "Medições..." on the temperature chart: the sensors file imported through the dialog,
// the markers over the curve at the sensor's height with its RMS, and a bad file that
// leaves the measurements held before it.
#include <QChart>
#include <QFile>
#include <QLineSeries>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTest>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmGrafico.h"

namespace {

class GraficoMedicoes : public AmbienteResultados {
protected:
    TfrmGrafico* janela() { return app->contexto().janelas.frmGrafico; }
    QString Grava(const char* nome, const char* texto) {
        const QString c = Caminho(QString::fromLatin1(nome));
        QFile f(c);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texto);
        return c;
    }
};

TEST_F(GraficoMedicoes, SobrepoeOSensorNaCurvaDaSuaAlturaComORms) {
    Membro(2, 2, 10, 3);
    app->dados().TermicoCompleto = true;
    // Node 2, at 0,5 m, reads 22 + hora/100 in the table: 0,5 above at hour 1, exact at hour 2.
    arquivos.caminhos.push_back(Grava("m.csv", "Data;T1 (0,5 m)\n2026-01-01 01:00;22,51\n2026-01-01 02:00;22.02\n"));
    janela()->edOrigem->setText(QStringLiteral("2026-01-01 00:00"));
    janela()->ImportaMedicoes();
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join('\n').toStdString();
    ASSERT_EQ(app->dados().Medicoes.size(), 1u);
    EXPECT_EQ(janela()->lblRMS->text(), QStringLiteral("T1 (0,5 m): RMS 0,35 °C em 2 leituras"));
    ASSERT_EQ(janela()->cGraficoNos->NumeroSeries(), 2);
    ASSERT_EQ(janela()->cGraficoNos->Series().size(), 1);
    EXPECT_EQ(janela()->cGraficoNos->Series()[0]->count(), 10);  // hours 1 to 10 at 0,5 m
    auto* marcas = qobject_cast<QScatterSeries*>(janela()->cGraficoNos->Grafico()->series().back());
    ASSERT_NE(marcas, nullptr);
    EXPECT_EQ(marcas->count(), 2);
    EXPECT_EQ(marcas->name(), QStringLiteral("T1 (0,5 m)"));

    // A bad file: the message names the line, and the measurements stay.
    janela()->edOrigem->clear();
    arquivos.caminhos.push_back(Grava("ruim.csv", "Hora;T1 (0,5 m)\n1;x\n"));
    janela()->ImportaMedicoes();
    ASSERT_FALSE(msg.erros.isEmpty());
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("linha 2, coluna 2"))) << msg.erros[0].toStdString();
    EXPECT_EQ(app->dados().Medicoes[0].Leituras.size(), 2u);
}

TEST_F(GraficoMedicoes, SemAnaliseCompletaNaoSobrepoe) {
    Membro(2, 2, 10, 3);
    app->dados().Medicoes = {{"T1", 0.5, {{1, 20}}}};
    QTest::mouseClick(janela()->btnMedicoes, Qt::LeftButton);
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros[0].contains(QStringLiteral("análise térmica completa")));
    EXPECT_EQ(janela()->cGraficoNos->NumeroSeries(), 0);
}

}  // namespace
