// A thousand cases of the typical member (10 lifts × 4 elements, 720 h) as a schedule
// study on every core: placing interval × placing temperature × cement content, 10 each.
// The target is under 10 s for the thousand on a 2-core machine.
#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

#include "core/MembroTeste.h"
#include "estudos/Estudo.h"
#include "estudos/RodaEstudo.h"

namespace {

// The typical member of the thermal benchmark: 10 lifts × 4 elements, 720 h.
std::shared_ptr<TDadosModelo> Tipico() { return teste::MembroDeBancada(10, 4, 720); }

TEstudo MilCasos() {
    TEstudo e;
    e.Base = Tipico();
    e.Projeto = "tipico";
    TVariacao intervalo{Estudo::IndiceParametro("IntervaloLancamento"), {}};
    TVariacao temperatura{Estudo::IndiceParametro("TemperaturaLancamento"), {}};
    TVariacao consumo{Estudo::IndiceParametro("ConsumoCimento"), {}};
    for (int i = 0; i < 10; ++i) {
        intervalo.Valores.push_back(12 + 6 * i);
        temperatura.Valores.push_back(12 + 2 * i);
        consumo.Valores.push_back(250 + 15 * i);
    }
    e.Variacoes = {intervalo, temperatura, consumo};
    return e;
}

void MilCasosDoMembroTipico(benchmark::State& state) {
    const TEstudo e = MilCasos();
    OpcoesEstudo op;
    op.Threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const TResultadoEstudo r = RodaEstudo::Roda(e, op);
        benchmark::DoNotOptimize(r.Casos.data());
        for (const auto& c : r.Casos)
            if (!c.Ok) state.SkipWithError(c.Erro.c_str());
    }
    state.counters["casos"] = 1000;
}

// One case alone, for the cost per case.
void UmCaso(benchmark::State& state) {
    const TEstudo e = MilCasos();
    for (auto _ : state) benchmark::DoNotOptimize(RodaEstudo::RodaCaso(e, {48, 20, 320}).TMaxima);
}

}  // namespace

BENCHMARK(MilCasosDoMembroTipico)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(UmCaso)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
