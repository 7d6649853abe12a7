// Stress run at capacity and in typical cases, on a hand-built temperature history.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>

#include "stress/AvaliadorFluencia.h"
#include "stress/ModeloTensional.h"
#include "stress/ProcTensional.h"
#include "stress/Superposicao.h"

namespace {

// 300 nodes: 23 layers of 13 elements placed every 6 hours, up to 5000 hours.
// 41 nodes: 5 layers of 8 elements placed every 12 hours, up to 720 hours.
std::unique_ptr<TDadosModelo> Caso(bool capacidade, TModeloFluencia modelo, bool maturidade) {
    auto d = capacidade ? ModeloTensional::Membro({0, 6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 66, 72, 78, 84, 90, 96,
                                                   102, 108, 114, 120, 126, 132},
                                                  13, 5000)
                        : ModeloTensional::Membro({0, 12, 24, 36, 48}, 8, 720);
    d->ModeloFluencia = modelo;
    d->ConsideraMaturidade = maturidade;
    d->RestricaoACI = true;
    d->AlturaRestricao = 10;
    d->ComprimentoRestricao = 20;
    return d;
}

void Executa(benchmark::State& estado, bool capacidade, TModeloFluencia modelo, bool maturidade) {
    auto d = Caso(capacidade, modelo, maturidade);
    const auto temp = ModeloTensional::Temperaturas(
        *d, [](int n, int h) { return 20.0 + 25.0 * std::exp(-h / 300.0) * (1.0 - std::exp(-h / 20.0)) + 0.01 * n; });
    const int fios = static_cast<int>(estado.range(0));
    TabelaTexto tens;
    Progresso p;
    for (auto _ : estado) {
        auto r = TProcTensional::ProcessaTensional(*d, temp, tens, p, fios);
        benchmark::DoNotOptimize(r);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    estado.counters["pico_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
}

// The parts of the run at capacity, for its profile: the compliance entries alone (every
// row of the triangle, computed into one reused row), and the superposition with them,
// tile sizes and threads as arguments.
void Fluencia(benchmark::State& estado) {
    auto d = Caso(true, TModeloFluencia::Bureau, false);
    const int H = 5000;
    const TAvaliadorFluencia avaliador(*d, H);
    std::vector<double> linha(H);
    for (auto _ : estado) {
        for (int i = 0; i < H; ++i) avaliador.Trecho(i, 0, i + 1, linha.data());
        benchmark::DoNotOptimize(linha.data());
    }
    estado.counters["entradas"] = 0.5 * H * (H + 1.0);
}

void Superposicao(benchmark::State& estado) {
    auto d = Caso(true, TModeloFluencia::Bureau, false);
    const TAvaliadorFluencia avaliador(*d, 5000);
    std::vector<int> horas;
    for (int n = 1; n <= 300; ++n) {
        const int camada = n <= 14 ? 1 : (n - 1 + 12) / 13;  // the node between two layers is the lower one's
        horas.push_back(5000 - 6 * (camada - 1));
    }
    const Ladrilhos l{static_cast<int>(estado.range(0)), static_cast<int>(estado.range(1))};
    const int fios = static_cast<int>(estado.range(2));
    double somas = 0.0;
    for (const int h : horas) somas += 0.5 * h * h;
    for (auto _ : estado) {
        TSuperposicao s(horas);
        for (int no = 0; no < s.Nos(); ++no)
            for (int i = 0; i < s.Horas(no); ++i) s(no, i) = 1e-5 * std::sin(0.01 * i + no);
        benchmark::DoNotOptimize(s.Resolve(avaliador, fios, l));
    }
    estado.counters["somas"] = somas;
}

}  // namespace

BENCHMARK(Fluencia)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Superposicao)
    ->Args({64, 256, 1})->Args({64, 256, 2})->Args({32, 128, 1})->Args({128, 128, 1})->Args({64, 512, 1})->Args({256, 64, 1})
    ->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(Executa, capacidade_bureau, true, TModeloFluencia::Bureau, false)
    ->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(Executa, tipico_bureau, false, TModeloFluencia::Bureau, false)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Executa, tipico_aci209, false, TModeloFluencia::ACI209, false)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Executa, tipico_ceb1990, false, TModeloFluencia::CEB1990, false)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Executa, tipico_bazant, false, TModeloFluencia::Bazant, false)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Executa, tipico_nbr6118, false, TModeloFluencia::NBR6118, false)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Executa, tipico_bazant_maturidade, false, TModeloFluencia::Bazant, true)
    ->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
