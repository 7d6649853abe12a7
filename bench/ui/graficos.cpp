// Speed of the temperature charts: adding a node's 5000-hour curve to the main and
// enlarged charts, and writing the enlarged chart with ten such curves as a metafile.
#include <QApplication>
#include <QCoreApplication>
#include <QSpinBox>
#include <benchmark/benchmark.h>
#include <cmath>

#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/Numeros.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmGrafAmpliado.h"
#include "results/ui/frmGrafico.h"

namespace {

constexpr int Horas = 5000;
constexpr int Nos = 61;

// A member of 6 layers of 10 elements and a full 5000-hour history, written as the
// thermal run writes it.
struct Ambiente {
    Ambiente() : app(msg, arquivos) {
        TDadosModelo& d = app.dados();
        d.NCamadas = 6;
        d.NElemCamada = 10;
        TabelaTexto& t = app.contexto().temperaturas;
        t.Redimensiona(Nos + 1, Horas + 1);
        for (int r = 1; r <= Horas; ++r) {
            t.Celula(0, r) = Numeros::FormataFixo(r, 7, 0);
            for (int n = 1; n <= Nos; ++n)
                t.Celula(n, r) = Numeros::FormataFixo(
                    20.0 + 30.0 * std::exp(-r / 800.0) * (1 - std::exp(-r / 30.0)) * std::sin(n * 3.14159 / Nos) +
                        2.0 * std::sin(r * 2 * 3.14159 / 24.0),
                    7, 2);
        }
        grafico = app.janelas().frmGrafico;
        ampliado = app.janelas().frmGrafAmpliado;
        grafico->show();
        ampliado->show();
        QCoreApplication::processEvents();
    }
    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    Aplicacao app;
    TfrmGrafico* grafico;
    TfrmGrafAmpliado* ampliado;
};

// Built at the first benchmark and destroyed before the QApplication.
Ambiente* ambiente = nullptr;
Ambiente& Unico() {
    if (!ambiente) ambiente = new Ambiente;
    return *ambiente;
}

void AdicionaCurvaNo(benchmark::State& state) {
    Ambiente& a = Unico();
    int no = 1;
    for (auto _ : state) {
        a.grafico->spseNo->setValue(no);
        a.grafico->btnVisualizarClick();
        QCoreApplication::processEvents();  // the charts take the new curve in
        state.PauseTiming();
        a.grafico->btnApagarClick();
        QCoreApplication::processEvents();
        no = no % Nos + 1;
        state.ResumeTiming();
    }
}
BENCHMARK(AdicionaCurvaNo)->Unit(benchmark::kMillisecond);

// The same without painting: what the click itself costs.
void AdicionaCurvaNoSemPintar(benchmark::State& state) {
    Ambiente& a = Unico();
    int no = 1;
    for (auto _ : state) {
        a.grafico->spseNo->setValue(no);
        a.grafico->btnVisualizarClick();
        state.PauseTiming();
        a.grafico->btnApagarClick();
        QCoreApplication::processEvents();
        no = no % Nos + 1;
        state.ResumeTiming();
    }
}
BENCHMARK(AdicionaCurvaNoSemPintar)->Unit(benchmark::kMillisecond);

void SalvaFiguraDezCurvas(benchmark::State& state) {
    Ambiente& a = Unico();
    a.grafico->btnApagarClick();
    for (int no = 1; no <= 10; ++no) {
        a.grafico->spseNo->setValue(no * 6);
        a.grafico->btnVisualizarClick();
    }
    QCoreApplication::processEvents();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto figura = a.ampliado->cGraficoNosAmpl->FiguraWmf();
        bytes = figura.size();
        benchmark::DoNotOptimize(figura.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(SalvaFiguraDezCurvas)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete ambiente;
    return 0;
}
