// "Salvar Tudo" of a table at the capacity of the state: 5000 hours by 300 nodes,
// written to disk through the atomic file, with the per-row callback the window uses.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "TabelaCapacidade.h"
#include "results/ExportaTabela.h"

namespace {

void SalvarTudoCapacidade(benchmark::State& state) {
    const TabelaTexto t = TabelaCapacidade(8);
    const std::string caminho = (std::filesystem::temp_directory_path() / "norvik-bench-tudo.txt").string();
    long long linhas = 0;
    for (auto _ : state) {
        ExportaTabela::Grava(caminho, t, 299, [&](int r) { linhas += r; });
    }
    benchmark::DoNotOptimize(linhas);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(caminho));
    std::remove(caminho.c_str());
}
BENCHMARK(SalvarTudoCapacidade)->Unit(benchmark::kMillisecond);

void BytesCapacidade(benchmark::State& state) {
    const TabelaTexto t = TabelaCapacidade(8);
    for (auto _ : state) benchmark::DoNotOptimize(ExportaTabela::Bytes(t, 299));
}
BENCHMARK(BytesCapacidade)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
