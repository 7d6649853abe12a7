#include <QEvent>
#include <QPaintEvent>
#include <QTest>

#include <vector>

#include "AmbienteResultados.h"
#include "core/ui/Janelas.h"
#include "results/ui/frmCores.h"

namespace {

// The instants an animation paints, frame after frame, from the instant shown to the end.
struct Quadros {
    const char* nome;
    int tempoTotal;
    int passoTempo;   // hours of the thermal step
    int horas;        // hours per frame chosen
    int inicio;
    std::vector<int> esperados;
};

class AnimacaoTeste : public AmbienteResultados, public ::testing::WithParamInterface<Quadros> {
protected:
    // The history of Membro, with a step of `passo` hours: rows at t0 + k·passo.
    void MembroComPasso(int tempoTotal, int passo) {
        Membro(1, 2, tempoTotal);
        TDadosModelo& d = app->dados();
        d.PassoTempo = passo;
        TabelaTexto& t = app->contexto().temperaturas;
        const int linhas = tempoTotal / passo;
        t.Redimensiona(4, linhas + 1);
        for (int r = 1; r <= linhas; ++r) {
            t.Celula(0, r) = std::to_string(passo * r);
            for (int c = 1; c <= 3; ++c) t.Celula(c, r) = Numeros::FormataFixo(Temperatura(c, passo * r), 7, 2);
        }
    }
};

TEST_P(AnimacaoTeste, PintaCadaQuadroAteOUltimoInstante) {
    const Quadros& q = GetParam();
    MembroComPasso(q.tempoTotal, q.passoTempo);
    TfrmCores* cores = app->janelas().frmCores;
    cores->DefineLimitesHora(1, q.tempoTotal);
    cores->seTIni->setValue(q.inicio);
    cores->seHorasQuadro->setValue(q.horas);
    cores->chkAnimacao->setChecked(true);
    std::vector<int> pintados;
    while (cores->chkAnimacao->isChecked() && pintados.size() < 10000) {
        cores->PassoAnimacao();
        if (cores->chkAnimacao->isChecked()) pintados.push_back(cores->seTIni->value());
    }
    EXPECT_EQ(pintados, q.esperados);
    EXPECT_EQ(cores->Label5->text(), QStringLiteral("Instante: ") + QString::number(q.esperados.back()));
    EXPECT_TRUE(msg.erros.isEmpty()) << msg.erros.join("\n").toStdString();
}

std::vector<int> DeAte(int primeiro, int ultimo, int passo) {
    std::vector<int> v;
    for (int t = primeiro; t < ultimo; t += passo) v.push_back(t);
    v.push_back(ultimo);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AnimacaoTeste,
    ::testing::Values(Quadros{"UmaHoraPorQuadro", 5, 1, 1, 2, {3, 4, 5}},
                      Quadros{"DezHorasTerminamNoFim", 25, 1, 10, 2, {12, 22, 25}},
                      Quadros{"HorasArredondadasAoPasso", 12, 2, 3, 2, {6, 10, 12}},
                      Quadros{"MaisHorasQueAAnalise", 12, 2, 100, 4, {12}},
                      // The default over 5000 hours: 105 frames, 52,5 s at 500 ms.
                      Quadros{"PadraoEm5000Horas", 5000, 1, TfrmCores::HorasPorQuadroPadrao, 1, DeAte(49, 5000, 48)}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AmbienteResultados, AnimacaoPadraoToca5000HorasEmMenosDeUmMinutoComAVelocidadeDeSempre) {
    TfrmCores* cores = app->janelas().frmCores;
    EXPECT_EQ(cores->seFotos->minimum(), 1);
    EXPECT_EQ(cores->seFotos->maximum(), 1000);
    EXPECT_EQ(cores->seFotos->singleStep(), 100);
    EXPECT_EQ(cores->seFotos->value(), 500);
    EXPECT_EQ(cores->seHorasQuadro->value(), TfrmCores::HorasPorQuadroPadrao);
    const int quadros = (5000 + TfrmCores::HorasPorQuadroPadrao - 1) / TfrmCores::HorasPorQuadroPadrao;
    EXPECT_LT(quadros * cores->seFotos->value(), 60000);
}

// Records the region of every paint event a widget receives.
class Pinturas : public QObject {
public:
    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (e->type() == QEvent::Paint) regioes[objeto] += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
    QHash<QObject*, QRegion> regioes;
};

// A frame repaints the map, not the window around it nor the bar of "Visualizar".
TEST_F(AmbienteResultados, QuadroDaAnimacaoRepintaSoOMapa) {
    Membro(2, 3, 200);
    TfrmCores* cores = app->janelas().frmCores;
    cores->DefineLimitesHora(1, 200);
    cores->seTIni->setValue(10);
    cores->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cores));
    QApplication::processEvents();
    Pinturas p;
    cores->installEventFilter(&p);
    cores->imGrafico->installEventFilter(&p);
    cores->gaProcesso->installEventFilter(&p);
    const int barra = cores->gaProcesso->value();
    cores->chkAnimacao->setChecked(true);
    cores->tAnimacao->stop();  // the frame is driven by hand
    QTest::qWait(50);
    p.regioes.clear();
    cores->PassoAnimacao();
    EXPECT_EQ(cores->seTIni->value(), 58);
    QTRY_VERIFY_WITH_TIMEOUT(!p.regioes.value(cores->imGrafico).isEmpty(), 2000);
    QTest::qWait(50);
    EXPECT_TRUE(p.regioes.value(cores->gaProcesso).isEmpty());
    EXPECT_EQ(cores->gaProcesso->value(), barra);
    // The window's own paint covers the map and the instant chooser, far from all of it.
    const QRegion janela = p.regioes.value(cores);
    EXPECT_LT(static_cast<double>(janela.boundingRect().width()) * janela.boundingRect().height(),
              0.6 * cores->width() * cores->height())
        << "a janela inteira foi repintada";
    cores->chkAnimacao->setChecked(false);
    cores->close();
}

}  // namespace
