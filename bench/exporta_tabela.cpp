// "Salvar Tudo" of a table at the capacity of the state: 5000 hours by 300 nodes,
// written to disk through the atomic file, with the per-row callback the window uses.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/Numeros.h"
#include "core/TabelaTexto.h"
#include "results/ExportaTabela.h"

namespace {

TabelaTexto TabelaCapacidade() {
    constexpr int nos = 300;
    constexpr int horas = 5000;
    TabelaTexto t(nos + 1, horas + 1);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c <= nos; ++c) t.Celula(c, 0) = "    Nó " + std::to_string(c);
    for (int r = 1; r <= horas; ++r) {
        t.Celula(0, r) = std::to_string(8 + r);
        for (int c = 1; c <= nos; ++c) t.Celula(c, r) = Numeros::FormataFixo(20.0 + 0.01 * ((r * 7 + c) % 4000), 7, 2);
    }
    return t;
}

void SalvarTudoCapacidade(benchmark::State& state) {
    const TabelaTexto t = TabelaCapacidade();
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
    const TabelaTexto t = TabelaCapacidade();
    for (auto _ : state) benchmark::DoNotOptimize(ExportaTabela::Bytes(t, 299));
}
BENCHMARK(BytesCapacidade)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
