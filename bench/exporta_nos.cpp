// "Salvar Nós" at the capacity of the state: every one of 300 nodes chosen, 5000
// hours, written through the atomic file with the per-line callback the window uses.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "core/Numeros.h"
#include "core/TabelaTexto.h"
#include "results/ExportaNos.h"

namespace {

TabelaTexto TabelaCapacidade() {
    constexpr int nos = 300;
    constexpr int horas = 5000;
    TabelaTexto t(nos + 1, horas + 1);
    t.Celula(0, 0) = "  Tempo[h]";
    for (int c = 1; c <= nos; ++c) t.Celula(c, 0) = "    Nó " + std::to_string(c);
    for (int r = 1; r <= horas; ++r) {
        t.Celula(0, r) = std::to_string(r);
        for (int c = 1; c <= nos; ++c) t.Celula(c, r) = Numeros::FormataFixo(20.0 + 0.01 * ((r * 7 + c) % 4000), 7, 2);
    }
    return t;
}

void SalvarNosCapacidade(benchmark::State& state) {
    const TabelaTexto t = TabelaCapacidade();
    std::vector<int> nos(300);
    std::iota(nos.begin(), nos.end(), 1);
    const std::string caminho = (std::filesystem::temp_directory_path() / "norvik-bench-nos.txt").string();
    int linhas = 0;
    for (auto _ : state) ExportaNos::Grava(caminho, t, nos, [&](int i) { linhas = i; });
    benchmark::DoNotOptimize(linhas);
    std::filesystem::remove(caminho);
}
BENCHMARK(SalvarNosCapacidade)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
