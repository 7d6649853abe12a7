// "Serpentinas de Resfriamento" as a user works it: from the boundary conditions, rows
// in one lift with the steel preset, "Ok" as one change, undo; the run and the window of
// the water and the heat with its CSV.
#include <QAction>
#include <QDir>
#include <QPixmap>
#include <QComboBox>
#include <QFile>
#include <QTableWidget>

#include "analise/Analise.h"
#include "app/ui/frmEntradaDados.h"
#include "core/ui/HistoricoProblema.h"
#include "input/ui/DialogosCamadasTeste.h"
#include "input/ui/frmCondCont.h"
#include "PastaTemporaria.h"
#include "serpentinas/DadosSerpentinas.h"
#include "serpentinas/Serpentinas.h"
#include "serpentinas/ui/frmResultadoSerpentinas.h"
#include "serpentinas/ui/frmSerpentinas.h"

namespace {

const QString Bloco = QString::fromUtf8(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json");

class SerpentinasJanela : public DialogosCamadas {
protected:
    TfrmSerpentinas* f() { return j.frmSerpentinas; }
    void SetUp() override {
        arquivos.caminhos.push_back(Bloco);
        j.frmEntradaDados->AbrirProjeto->trigger();
        ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
        ASSERT_GE(d.NCamadas, 2);
        j.frmCondCont->Abre();
        ASSERT_TRUE(j.frmCondCont->isVisible());
        Clica(j.frmCondCont, "btnSerpentinas");
        ASSERT_TRUE(f()->isVisible());
    }
    // Rows at 0,3 and 0,6 of lift 2, steel, 25 L/min of water at 14 °C.
    void EntraCamada2() {
        f()->cbCamada->setCurrentIndex(1);
        f()->chkTem->setChecked(true);
        Digita(f(), "edAlturas", "0,3; 0,6");
        Digita(f(), "edEspacamento", "1,2");
        f()->cbTubo->setCurrentIndex(1);
        Digita(f(), "edVazao", "25");
        Digita(f(), "edTEntrada", "14");
    }
};

TEST_F(SerpentinasJanela, OkGuardaUmaMudancaQueSeDesfazEMostraOGuardado) {
    EXPECT_FALSE(d.Resfriamento);
    EntraCamada2();
    // The flow regime is shown as the flow is typed.
    EXPECT_TRUE(f()->lbEscoamento->text().contains(QStringLiteral("turbulento"))) << f()->lbEscoamento->text().toStdString();
    Clica(f(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_FALSE(f()->isVisible());
    const TSerpentinasCamada* c = SerpentinasDe(d).DaCamada(2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Alturas, (std::vector<double>{0.3, 0.6}));
    EXPECT_EQ(c->Espacamento, 1.2);
    EXPECT_EQ(c->Tubo, Serpentinas::Predefinicoes()[1].Tubo);
    EXPECT_EQ(c->Vazao, 25.0);
    EXPECT_EQ(c->TEntrada, 14.0);
    EXPECT_EQ(SerpentinasDe(d).DaCamada(1), nullptr);
    EXPECT_EQ(app.historico().Pilha().undoText(), QStringLiteral("Serpentinas de Resfriamento"));

    // Opened again: the stored lift, as stored.
    Clica(j.frmCondCont, "btnSerpentinas");
    EXPECT_EQ(f()->cbCamada->currentIndex(), 1);
    EXPECT_TRUE(f()->chkTem->isChecked());
    EXPECT_EQ(f()->edAlturas->text(), QStringLiteral("0,3; 0,6"));
    EXPECT_EQ(f()->edEspacamento->text(), QStringLiteral("1,2"));
    EXPECT_EQ(f()->cbTubo->currentIndex(), 1);
    EXPECT_FALSE(f()->edDiametro->isEnabled());

    app.historico().Pilha().undo();
    EXPECT_FALSE(SerpentinasDe(d).EmUso());
    EXPECT_FALSE(f()->chkTem->isChecked());
}

TEST_F(SerpentinasJanela, AlturaQueNaoConverteMantemACamada) {
    EntraCamada2();
    Digita(f(), "edAlturas", "0.3");
    f()->cbCamada->setCurrentIndex(2);
    EXPECT_EQ(f()->cbCamada->currentIndex(), 1);
    ASSERT_EQ(msg.erros.size(), 1);
    Clica(f(), "btnCancelar");
    EXPECT_FALSE(d.Resfriamento);
}

TEST_F(SerpentinasJanela, ExecucaoMostraAguaECalorESalvaCsv) {
    EntraCamada2();
    Clica(f(), "btnTodas");
    Clica(f(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    j.frmCondCont->close();
    Clica(j.frmEntradaDados, "btnRUN");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();

    j.frmEntradaDados->findChild<QAction*>(QStringLiteral("ResultadoSerpentinas1"))->trigger();
    TfrmResultadoSerpentinas* r = j.frmResultadoSerpentinas;
    ASSERT_TRUE(r->isVisible());
    const TResultadosSerpentinas& res = SerpentinasDe(*app.contexto().analise.Dados).Resultados;
    ASSERT_FALSE(res.Vazio());
    EXPECT_EQ(static_cast<int>(res.Camadas.size()), d.NCamadas - (d.Fundacao ? 1 : 0));
    EXPECT_EQ(r->tabela->rowCount(), static_cast<int>(res.Horas.size()));
    EXPECT_EQ(r->tabela->columnCount(), 1 + 2 * static_cast<int>(res.Camadas.size()));
    EXPECT_EQ(r->tabela->horizontalHeaderItem(1)->text(), QStringLiteral("Saída C%1 (°C)").arg(res.Camadas[0]));
    EXPECT_EQ(r->grafico->chart()->series().size(), static_cast<qsizetype>(res.Camadas.size()));
    EXPECT_TRUE(r->lbTotais->text().contains(QStringLiteral("MJ/m²")));

    PastaTemporaria pasta;
    const QString csv = QString::fromStdString(pasta / "agua.csv");
    arquivos.caminhos.push_back(csv);
    Clica(r, "btnCsv");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    QFile arquivo(csv);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(arquivo.readAll());
    EXPECT_TRUE(texto.contains(QStringLiteral("Hora (h);Saída da água camada"))) << texto.left(200).toStdString();
    EXPECT_EQ(texto.count(QStringLiteral("\r\n")), static_cast<int>(res.Horas.size()) + 1);
}

// The river water from a column of an hourly file: read, chosen for the lift, kept at "Ok".
TEST_F(SerpentinasJanela, SerieHorariaDaAguaLidaEGuardada) {
    PastaTemporaria pasta;
    GravaArquivo(pasta / "clima.csv", "hora;temperatura;agua\n0;25;16\n1;24;16,5\n2;23;17\n");
    EntraCamada2();
    EXPECT_FALSE(f()->chkSerie->isEnabled());
    arquivos.caminhos.push_back(QString::fromStdString(pasta / "clima.csv"));
    Clica(f(), "btnSerie");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_TRUE(f()->chkSerie->isChecked());
    EXPECT_FALSE(f()->edTEntrada->isEnabled());
    EXPECT_TRUE(f()->lbSerie->text().contains(QStringLiteral("clima.csv, coluna agua, horas 0 a 2")));
    Clica(f(), "btnOk");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(SerpentinasDe(d).SerieEntrada, (std::vector<double>{16.0, 16.5, 17.0}));
    ASSERT_NE(SerpentinasDe(d).DaCamada(2), nullptr);
    EXPECT_TRUE(SerpentinasDe(d).DaCamada(2)->EntradaDaSerie);
    // A column the file lacks is refused and the series kept.
    Clica(j.frmCondCont, "btnSerpentinas");
    Digita(f(), "edColuna", "rio");
    arquivos.caminhos.push_back(QString::fromStdString(pasta / "clima.csv"));
    Clica(f(), "btnSerie");
    ASSERT_EQ(msg.erros.size(), 1);
    EXPECT_TRUE(msg.erros.front().contains(QStringLiteral("não tem a coluna \"rio\""))) << msg.erros.front().toStdString();
    EXPECT_TRUE(f()->lbSerie->text().contains(QStringLiteral("clima.csv")));
}

// Pictures of the dialog and of the results window for looking them over; written only
// when NORVIK_CAPTURAS names a folder.
TEST_F(SerpentinasJanela, Capturas) {
    const QString pasta = qEnvironmentVariable("NORVIK_CAPTURAS");
    if (pasta.isEmpty()) GTEST_SKIP() << "NORVIK_CAPTURAS não definida";
    QDir().mkpath(pasta);
    EntraCamada2();
    f()->chkGatilho->setChecked(true);
    f()->resize(f()->sizeHint());
    QTest::qWait(50);
    EXPECT_TRUE(f()->grab().save(pasta + QStringLiteral("/serpentinas-dialogo.png")));
    Clica(f(), "btnTodas");
    Clica(f(), "btnOk");
    j.frmCondCont->close();
    Clica(j.frmEntradaDados, "btnRUN");
    ASSERT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    j.frmResultadoSerpentinas->Abre();
    QTest::qWait(50);
    EXPECT_TRUE(j.frmResultadoSerpentinas->grab().save(pasta + QStringLiteral("/serpentinas-resultados.png")));
    j.frmResultadoSerpentinas->cbGrandeza->setCurrentIndex(1);
    QTest::qWait(50);
    EXPECT_TRUE(j.frmResultadoSerpentinas->grab().save(pasta + QStringLiteral("/serpentinas-calor.png")));
}

}  // namespace
