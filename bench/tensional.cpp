// Stress run at capacity and in typical cases, on a hand-built temperature history.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>

#include "stress/ModeloTensional.h"
#include "stress/ProcTensional.h"

namespace {

// 300 nodes: 23 layers of 13 elements placed every 6 hours, up to 5000 hours.
// 41 nodes: 5 layers of 8 elements placed every 12 hours, up to 720 hours.
std::unique_ptr<TDadosModelo> Caso(bool capacidade, TModeloFluencia modelo, bool maturidade) {
    auto d = capacidade ? ModeloTensional::Membro({0, 6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 66, 72, 78, 84, 90, 96,
                                                   102, 108, 114, 120, 126, 132},
                                                  13, 5000)
                        : ModeloTensional::Membro({0, 12, 24, 36, 48}, 8, 720);
    d->ModeloFluencia = modelo;
    d->UmidadeRel = 55;
    d->SlumpACI = 50;
    d->FinosACI = 45;
    d->TeorArACI = 5;
    d->EspessuraMediaACI = 2000;
    d->VolSupACI = 1000;
    d->ModuloRef = 25000;
    d->Fcm = 21;
    d->ByforsA1 = 2.0e-5;
    d->ByforsA2 = 0.4152;
    d->ByforsA3 = 3.236;
    d->ByforsA4 = 0.135;
    d->AreaCEB = 5e6;
    d->PerimetroCEB = 1e4;
    d->MassaEspecifica = 2500;
    d->RelAguaCimento = 0.45;
    d->RelAgregCimento = 0.65;
    d->RelAreiaCimento = 0.60;
    d->FatorCimento = 1.0;
    d->ConsideraMaturidade = maturidade;
    d->CimentoNBR = TCimentoNBR::Normal;
    d->FckNBR = 30;
    d->UmidadeNBR = 70;
    d->AreaNBR = 4;
    d->PerimetroNBR = 2;
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

}  // namespace

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
