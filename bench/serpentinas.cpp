// The cooling pipes' cost per step: the typical member and the member at the capacity
// of the state with one pipe row in every lift (six loop segments of a 24-node cylinder,
// four substeps each), beside the same runs without pipes.
#include <benchmark/benchmark.h>

#include "core/Historico.h"
#include "core/MembroTeste.h"
#include "core/Processo.h"
#include "serpentinas/DadosSerpentinas.h"

namespace {

void Roda(benchmark::State& state, int camadas, int elementos, double horas, bool tubos) {
    auto d = teste::MembroDeBancada(camadas, elementos, horas);
    if (tubos) {
        auto& s = SerpentinasEditavel(*d);
        s.Camadas.resize(static_cast<std::size_t>(camadas) + 1);
        for (int L = 1; L <= camadas; ++L) {
            TSerpentinasCamada& c = s.Camadas[static_cast<std::size_t>(L)];
            c.Alturas = {0.5};
            c.HoraFim = 1e9;
        }
    }
    HistoricoNumerico historico;
    Progresso progresso;
    for (auto _ : state) {
        const ResultadoTransiente r = TProcesso::ProcessaTransiente(*d, historico, progresso);
        benchmark::DoNotOptimize(r.Completo);
        if (!r.Completo) state.SkipWithError("rodada incompleta");
    }
    state.counters["TMax"] = d->TMaxima;
}

void Tipico(benchmark::State& s) { Roda(s, 10, 4, 720, false); }
void TipicoComSerpentinas(benchmark::State& s) { Roda(s, 10, 4, 720, true); }
void Capacidade(benchmark::State& s) { Roda(s, 23, 13, 5000, false); }
void CapacidadeComSerpentinas(benchmark::State& s) { Roda(s, 23, 13, 5000, true); }

}  // namespace

BENCHMARK(Tipico)->Unit(benchmark::kMillisecond);
BENCHMARK(TipicoComSerpentinas)->Unit(benchmark::kMillisecond);
BENCHMARK(Capacidade)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeComSerpentinas)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
