// The verification at the capacity of the state: the run with and without the energy
// balance watching it (the observer must cost little beside the run), and the whole
// verification, the run and its refinement, as the window starts it.
#include <benchmark/benchmark.h>

#include "core/MembroTeste.h"
#include "core/Processo.h"
#include "core/TabelaTexto.h"
#include "verificacao/BalancoEnergia.h"
#include "verificacao/Verificacao.h"

namespace {

// Lifts placed a day apart, hydration curve, cooled top, 5000 h; 23 × 13 elements fill
// the 300 nodes, 23 × 6 leave room for the refinement to 12.
std::unique_ptr<TDadosModelo> Caso(int elementos, TFormulacao f) {
    auto d = teste::Membro(23, elementos, 8, 24, 5008);
    teste::CurvaHidratacao(*d);
    d->BetaSup = 10.0 * 3600;
    d->Formulacao = f;
    return d;
}

void Execucao(benchmark::State& state, bool comBalanco) {
    auto d = Caso(13, TFormulacao::Consistente);
    TabelaTexto historico;
    Progresso progresso;
    for (auto _ : state) {
        TBalancoEnergia balanco;
        const ResultadoTransiente r =
            TProcesso::ProcessaTransiente(*d, historico, progresso, nullptr, comBalanco ? &balanco : nullptr);
        benchmark::DoNotOptimize(r.Completo);
        benchmark::DoNotOptimize(balanco.Residuo());
    }
}

void SemBalanco(benchmark::State& s) { Execucao(s, false); }
void ComBalanco(benchmark::State& s) { Execucao(s, true); }

void VerificacaoCompleta(benchmark::State& state) {
    auto d = Caso(6, TFormulacao::Consistente);
    Progresso progresso;
    for (auto _ : state) {
        const TVerificacao v = TVerificacao::Executa(*d, false, progresso);
        benchmark::DoNotOptimize(v.Refinada.TMaxima);
    }
}

}  // namespace

BENCHMARK(SemBalanco)->Unit(benchmark::kMillisecond);
BENCHMARK(ComBalanco)->Unit(benchmark::kMillisecond);
BENCHMARK(VerificacaoCompleta)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
