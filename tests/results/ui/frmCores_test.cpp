#include <QLineEdit>
#include <QTest>

#include "TabelaNumerica.h"
#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "core/PosProcesso.h"
#include "results/ui/frmCores.h"

namespace {

class frmCoresTeste : public AmbienteResultados {
protected:
    void SetUp() override {
        AmbienteResultados::SetUp();
        cores = app->janelas().frmCores;
        app->dados().TMinEscala = 10.0;
        app->dados().TMaxEscala = 50.0;
    }
    // Paints a member of m equal elements over H = 10 m, element e at temperature temp(e) on both nodes.
    template <class F>
    void PintaUniforme(int m, F temp) {
        std::array<TCamada, MaxElementos + 1> el{};
        for (int e = 1; e <= m; ++e) {
            el[e].XIni = (e - 1) * 10.0 / m;
            el[e].Espessura = 10.0 / m;
        }
        for (int e = 1; e <= m; ++e) cores->DesenhaElemento(e, m, temp(e), temp(e), 50.0, 10.0, 10.0, el);
    }
    QColor Pixel(int x, int y) const { return QColor(cores->imGrafico->Imagem().pixel(x, y)); }
    // Row in the middle of element e of m over the 457-pixel picture.
    static int Meio(int e, int m) { return 457 - static_cast<int>(457.0 / 10.0 * (e - 0.5) * 10.0 / m); }

    TfrmCores* cores = nullptr;
};

TEST_F(frmCoresTeste, TamanhosDasFiguras) {
    EXPECT_EQ(cores->imGrafico->Imagem().size(), QSize(281, 457));
    EXPECT_EQ(cores->ImEscala->Imagem().size(), QSize(33, 377));
    EXPECT_EQ(cores->Label5->text(), QStringLiteral(" Instante : Final"));
    EXPECT_EQ(cores->seFotos->value(), 500);
}

TEST_F(frmCoresTeste, CoresNosQuartosDaEscala) {
    const double temps[] = {10, 10, 20, 20, 30, 30, 40, 40, 50, 50};  // x = 0, 0,25, 0,5, 0,75, 1
    PintaUniforme(10, [&](int e) { return temps[e - 1]; });
    const QColor esperadas[] = {QColor(0, 0, 255), QColor(0, 255, 255), QColor(0, 255, 0), QColor(255, 255, 0),
                                QColor(255, 0, 0)};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Pixel(135, Meio(2 * k + 1, 10)), esperadas[k]) << "x = " << k * 0.25;
    EXPECT_EQ(Pixel(50, 200), QColor(Qt::white));
    EXPECT_EQ(cores->stTmax->text(), QStringLiteral("  50,00"));
    EXPECT_EQ(cores->stTr->text(), QStringLiteral("  30,00"));
    EXPECT_EQ(cores->stTmin->text(), QStringLiteral("  10,00"));
}

TEST_F(frmCoresTeste, VinteFaixasPorElementoEmMembroDeDez) {
    std::array<TCamada, MaxElementos + 1> el{};
    for (int e = 1; e <= 10; ++e) {
        el[e].XIni = e - 1.0;
        el[e].Espessura = 1.0;
    }
    // Element 1 from 10 °C below to 50 °C above: its lowest band is at x = 0,025.
    cores->DesenhaElemento(1, 10, 10.0, 50.0, 50.0, 10.0, 10.0, el);
    EXPECT_EQ(Pixel(135, 456), QColor(0, 25, 255));
    EXPECT_EQ(Pixel(135, 457 - 44), QColor(255, 25, 0));  // the top band, x = 0,975
}

TEST_F(frmCoresTeste, MembroDe250ElementosAindaPintaCadaUm) {
    PintaUniforme(250, [](int e) { return e <= 125 ? 30.0 : 50.0; });
    EXPECT_EQ(Pixel(135, Meio(10, 250)), QColor(0, 255, 0));
    EXPECT_EQ(Pixel(135, Meio(240, 250)), QColor(255, 0, 0));
}

TEST_F(frmCoresTeste, LeituraDoMouseSobreFaixaESobreOFundo) {
    app->dados().NCamadas = 1;  // H = 10 m for the height read-out
    app->dados().Camadas[1].Espessura = 10.0;
    cores->show();
    PintaUniforme(10, [](int) { return 30.0; });
    QTest::mouseMove(cores->imGrafico, QPoint(135, 200));
    cores->MostraLeitura(135, 200);
    const double lida = Numeros::TextoParaReal(cores->lbTi->text().toStdString());
    EXPECT_NEAR(lida, 30.0, 40.0 / 377 + 0.005);
    EXPECT_EQ(cores->lbXi->text(), QString::fromStdString(Numeros::FormataFixo(257 * 10.0 / 457, 7, 2)));
    EXPECT_EQ(QColor(cores->imCor->Imagem().pixel(5, 5)), QColor(0, 255, 0));
    const int posicao = cores->PosEscala;

    cores->MostraLeitura(20, 100);  // white background: pointer and temperature stay
    EXPECT_EQ(cores->PosEscala, posicao);
    EXPECT_NEAR(Numeros::TextoParaReal(cores->lbTi->text().toStdString()), lida, 1e-9);
    EXPECT_EQ(cores->lbXi->text(), QString::fromStdString(Numeros::FormataFixo(357 * 10.0 / 457, 7, 2)));
    EXPECT_EQ(QColor(cores->imCor->Imagem().pixel(5, 5)), QColor(Qt::white));
}

TEST_F(frmCoresTeste, InstanteAntesDaSegundaCamadaSoPintaAPrimeira) {
    Membro(2, 2, 6, 3);  // layer 2 placed at hour 3; member 2 m high
    app->dados().TMinEscala = 20.0;
    app->dados().TMaxEscala = 30.0;
    cores->DefineLimitesHora(1, 6);
    cores->seTIni->setValue(2);
    QTest::mouseClick(cores->btnVisualizar, Qt::LeftButton);
    EXPECT_TRUE(msg.erros.isEmpty());
    EXPECT_EQ(cores->Label5->text(), QStringLiteral("Instante: 2"));
    EXPECT_NE(Pixel(135, 400), QColor(Qt::white));  // layer 1
    EXPECT_EQ(Pixel(135, 100), QColor(Qt::white));  // layer 2 not yet placed
    EXPECT_EQ(app->dados().NElemAtivos, 4);         // the exports keep the whole member
}

TEST_F(frmCoresTeste, InstanteForaDaTabelaMostraErroENadaPinta) {
    Membro(1, 2, 3);
    cores->DefineLimitesHora(0, 10);
    cores->seTIni->setValue(9);
    QTest::mouseClick(cores->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(msg.erros, QStringList{"'' não é um valor de ponto flutuante válido"});
    EXPECT_EQ(Pixel(135, 200), QColor(Qt::white));
}

TEST_F(frmCoresTeste, AnimacaoParaNoUltimoInstante) {
    Membro(1, 2, 5);
    cores->DefineLimitesHora(1, 5);
    cores->seTIni->setValue(2);
    cores->seFotos->setValue(1);
    cores->chkAnimacao->setChecked(true);
    EXPECT_TRUE(cores->tAnimacao->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!cores->chkAnimacao->isChecked(), 5000);
    EXPECT_FALSE(cores->tAnimacao->isActive());
    EXPECT_EQ(cores->seTIni->value(), 5);
    EXPECT_EQ(cores->Label5->text(), QStringLiteral("Instante: 5"));
    EXPECT_TRUE(msg.erros.isEmpty());
}

// Steps of 2 h over 12 h: the table holds hours 2, 4, .. 12 in rows 1 to 6. The
// limits set at the end of a run (H1 + 1 and TempoTotal) go to computed instants, the
// default instant paints, and the animation steps through every instant to the end.
TEST_F(frmCoresTeste, PassoDeDuasHorasPintaEAnimaOsInstantesCalculados) {
    Membro(1, 2, 12);
    TDadosModelo& d = app->dados();
    d.PassoTempo = 2;
    TabelaTexto& t = app->contexto().temperaturas;
    t.Redimensiona(4, 7);
    for (int r = 1; r <= 6; ++r) {
        t.Celula(0, r) = std::to_string(2 * r);
        for (int c = 1; c <= 3; ++c) t.Celula(c, r) = Numeros::FormataFixo(Temperatura(c, 2 * r), 7, 2);
    }
    SincronizaNumeros(app->contexto());
    cores->DefineLimitesHora(1, 12);
    EXPECT_EQ(cores->seTIni->minimum(), 2);
    EXPECT_EQ(cores->seTIni->singleStep(), 2);
    QTest::mouseClick(cores->btnVisualizar, Qt::LeftButton);
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
    EXPECT_EQ(cores->Label5->text(), QStringLiteral("Instante: 2"));

    cores->seTIni->findChild<QLineEdit*>()->setText("7");  // between two steps: the later of the nearest
    QTest::mouseClick(cores->btnVisualizar, Qt::LeftButton);
    EXPECT_EQ(cores->Label5->text(), QStringLiteral("Instante: 8"));

    cores->seTIni->setValue(2);
    cores->seFotos->setValue(1);
    cores->chkAnimacao->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(!cores->chkAnimacao->isChecked(), 5000);
    EXPECT_EQ(cores->seTIni->value(), 12);
    EXPECT_EQ(cores->Label5->text(), QStringLiteral("Instante: 12"));
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
}

TEST_F(frmCoresTeste, FimDeRodadaPintaOEstadoFinalEVoltaAoInstanteFinal) {
    Membro(2, 2, 6, 3);
    cores->DefineLimitesHora(1, 6);
    cores->seTIni->setValue(2);
    QTest::mouseClick(cores->btnVisualizar, Qt::LeftButton);
    ASSERT_EQ(cores->Label5->text(), QStringLiteral("Instante: 2"));
    TDadosModelo& d = app->dados();
    for (int n = 1; n <= 5; ++n) d.Temperaturas[n] = Temperatura(n, 6);
    TPosProcesso::PosProcessa(d, app->contexto().analise.Temperaturas, cores);
    EXPECT_EQ(cores->Label5->text(), QStringLiteral(" Instante : Final"));
    EXPECT_EQ(cores->stTmax->text(), QStringLiteral("  50,00"));  // scale bounds kept: they only widen
    EXPECT_NE(Pixel(135, 100), QColor(Qt::white));                // the whole member of the final state
}

}  // namespace
