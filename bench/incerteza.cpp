// A thousand samples of the typical member (10 lifts × 4 elements, 720 h) with stresses
// as an uncertainty study on every core: placing temperature, heat, conductivity,
// expansion, tensile strength, modulus and restraint all scatter, Latin hypercube. The
// target is under 10 s for the thousand on a 2-core machine. Also the drawing of the
// samples and the summary of the rows alone, which must cost nothing beside the runs.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/MembroTeste.h"
#include "incerteza/Incerteza.h"

namespace {

// The typical member of the schedule study's benchmark, with its stresses.
std::shared_ptr<TDadosModelo> Tipico() {
    std::shared_ptr<TDadosModelo> d = teste::MembroDeBancada(10, 4, 720);
    d->ModeloFluencia = TModeloFluencia::Bureau;
    d->EBureauA = 0.111137;
    d->EBureauB = 0.03547;
    d->FBureauA = 6.0656;
    d->FBureauB = 8.748;
    d->RestricaoACI = true;
    d->AlturaRestricao = 1.5;
    d->ComprimentoRestricao = 6;
    d->ResistTracaoA = 2.1;
    d->ResistTracaoB = 0.3;
    return d;
}

TEstudoIncerteza MilAmostras() {
    return Incerteza::LeTexto(R"({"formato": "norvik-1d/incerteza", "projeto": "tipico", "entradas": {
        "TemperaturaLancamento": {"distribuicao": "normal", "media": 20, "desvio": 2},
        "EscalaCalor": {"distribuicao": "normal", "media": 1, "desvio": 0.05},
        "Condutividade": {"distribuicao": "triangular", "min": 1.7, "moda": 2, "max": 2.4},
        "CoefDilatacao": {"distribuicao": "uniforme", "min": 8, "max": 12},
        "EscalaResistencia": {"distribuicao": "lognormal", "media": 1, "desvio": 0.1},
        "EscalaModulo": {"distribuicao": "normal", "media": 1, "desvio": 0.08, "truncamento": {"min": 0.7}},
        "FatorRestricao": {"distribuicao": "uniforme", "min": 0.7, "max": 1}},
        "amostragem": {"amostras": 1000, "metodo": "hipercubo", "semente": 1}})",
                              "", Tipico());
}

void MilAmostrasDoMembroTipico(benchmark::State& state) {
    const TEstudoIncerteza e = MilAmostras();
    OpcoesEstudo op;
    op.Threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const TResultadoIncerteza r = Incerteza::Roda(e, op);
        benchmark::DoNotOptimize(r.Linhas.data());
        for (const auto& l : r.Linhas)
            if (!l.Ok) state.SkipWithError(l.Erro.c_str());
    }
    state.counters["amostras"] = 1000;
}

void SorteioEResumo(benchmark::State& state) {
    const TEstudoIncerteza e = MilAmostras();
    std::vector<TLinhaIncerteza> linhas;
    for (const auto& v : Incerteza::Valores(e)) {
        TLinhaIncerteza l;
        l.Valores = v;
        l.Ok = true;
        l.TMaxima = 50 + v[0];
        l.DifMaxima = 10 + v[1];
        l.ComIndice = true;
        l.IndiceMinimo = v[4] / v[6];
        linhas.push_back(l);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Incerteza::Valores(e).data());
        benchmark::DoNotOptimize(Incerteza::CsvResumo(e, Incerteza::Resume(e, linhas)).data());
    }
}

}  // namespace

BENCHMARK(MilAmostrasDoMembroTipico)->Arg(2)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(SorteioEResumo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
