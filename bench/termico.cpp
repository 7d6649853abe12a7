// Thermal runs at the capacity of the state, at a typical size, and the capacity
// run with the literal dense step, to show what the band solver saves. The capacity
// run in the consistent formulation must cost at most 1,5 times the classic one; with
// the maturity heat (an Arrhenius factor and the curve per element and step) it is
// measured beside them.
#include <benchmark/benchmark.h>

#include "core/MembroTeste.h"
#include "core/SolverDenso.h"
#include "core/Processo.h"
#include "core/Historico.h"

namespace {

std::unique_ptr<TDadosModelo> Caso(int camadas, int elementos, double horas) {
    return teste::MembroDeBancada(camadas, elementos, horas);
}

void Roda(benchmark::State& state, int camadas, int elementos, double horas, bool denso,
          TFormulacao formulacao = TFormulacao::Classica, bool maturidade = false) {
    auto d = Caso(camadas, elementos, horas);
    d->Formulacao = formulacao;
    // The heat of each element by its own equivalent age, with the defaults of a Portland cement.
    for (int L = 1; maturidade && L <= camadas; ++L) d->CalorCamadas[L].Maturidade = true;
    HistoricoNumerico historico;
    Progresso progresso;
    denso::MetodoDenso metodoDenso;
    for (auto _ : state) {
        const ResultadoTransiente r =
            denso ? TProcesso::ProcessaTransiente(*d, historico, progresso, nullptr, metodoDenso)
                  : TProcesso::ProcessaTransiente(*d, historico, progresso);
        benchmark::DoNotOptimize(r.Completo);
        if (!r.Completo) state.SkipWithError("rodada incompleta");
    }
    state.counters["nos"] = camadas * elementos + 1;
    state.counters["TMax"] = d->TMaxima;
}

void Capacidade(benchmark::State& s) { Roda(s, 23, 13, 5000, false); }
void Tipico(benchmark::State& s) { Roda(s, 10, 4, 720, false); }
void CapacidadeDenso(benchmark::State& s) { Roda(s, 23, 13, 5000, true); }
void CapacidadeConsistente(benchmark::State& s) { Roda(s, 23, 13, 5000, false, TFormulacao::Consistente); }
void CapacidadeMaturidade(benchmark::State& s) { Roda(s, 23, 13, 5000, false, TFormulacao::Consistente, true); }

}  // namespace

BENCHMARK(Capacidade)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeConsistente)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeMaturidade)->Unit(benchmark::kMillisecond);
BENCHMARK(Tipico)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeDenso)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
