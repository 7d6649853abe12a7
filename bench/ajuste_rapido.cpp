// One update of the what-if panel on the typical member (bench/dados: 10 lifts × 4
// elements, 720 h), without and with stresses: the trial built from a lever and run with
// its summaries and curves, as the panel's thread does at every change. The target is
// an update within 100 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/Projeto.h"
#include "estudos/AjusteRapido.h"

namespace {

std::string Projeto(const char* nome) {
    std::filesystem::path fonte(__FILE__);
    if (fonte.is_relative()) fonte = std::filesystem::read_symlink("/proc/self/exe").parent_path() / fonte;
    return (fonte.parent_path() / "dados" / nome).lexically_normal().string();
}

void UmaAtualizacao(benchmark::State& state, const char* projeto) {
    auto problema = std::make_shared<TDadosModelo>();
    Projeto::Le(Projeto(projeto), *problema);
    const int temperatura = Estudo::IndiceParametro("TemperaturaLancamento");
    double t = 14.0;
    for (auto _ : state) {
        // Each update a new value, as when the slider is dragged.
        t = t >= 26.0 ? 14.0 : t + 0.5;
        const TEstudo ensaio = AjusteRapido::Ensaio(problema, {{temperatura, t}}, 70.0, 20.0, 1.0);
        const AjusteRapido::TResultado r = AjusteRapido::Roda(ensaio);
        if (!r.Ok) state.SkipWithError(r.Erro.c_str());
        benchmark::DoNotOptimize(r.CurvaTopo.data());
    }
}

}  // namespace

BENCHMARK_CAPTURE(UmaAtualizacao, termico, "tipico.n1d.json")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(UmaAtualizacao, com_tensoes, "tipico-tensoes.n1d.json")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
