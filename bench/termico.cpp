// Thermal runs at the capacity of the state, at a typical size, and the capacity
// run with the literal dense step, to show what the band solver saves. The capacity
// run in the consistent formulation must cost at most 1,5 times the classic one; with
// the maturity heat (an Arrhenius factor and the curve per element and step) it is
// measured beside them, and so is the block of finite plan size, whose sides lose heat
// (a volumetric loss per lift and step); a member of unlimited plan takes no part of it.
#include <benchmark/benchmark.h>

#include "core/MembroTeste.h"
#include "core/SolverDenso.h"
#include "core/Processo.h"
#include "core/Historico.h"
#include "obra/DadosObra.h"
#include "obra/Laterais.h"

namespace {

std::unique_ptr<TDadosModelo> Caso(int camadas, int elementos, double horas) {
    return teste::MembroDeBancada(camadas, elementos, horas);
}

void Roda(benchmark::State& state, int camadas, int elementos, double horas, bool denso,
          TFormulacao formulacao = TFormulacao::Classica, bool maturidade = false, bool laterais = false) {
    auto d = Caso(camadas, elementos, horas);
    // A 3 × 3 m block, each lift in plywood side forms for its first 72 hours.
    if (laterais) {
        TDadosObra& o = ObraEditavel(*d);
        o.ComprimentoPlanta = o.LarguraPlanta = 3.0;
        for (int L = 1; L <= camadas; ++L) Laterais::Do(o, L).push_back({"forma", 0.15, 0.0, 72.0});
    }
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
void CapacidadeLaterais(benchmark::State& s) { Roda(s, 23, 13, 5000, false, TFormulacao::Classica, false, true); }

}  // namespace

BENCHMARK(Capacidade)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeConsistente)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeMaturidade)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeLaterais)->Unit(benchmark::kMillisecond);
BENCHMARK(Tipico)->Unit(benchmark::kMillisecond);
BENCHMARK(CapacidadeDenso)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
