// The work of one batch-tool process on the typical member (10 layers × 4 elements,
// 720 h) and at capacity (300 nodes, 5000 h; with stresses, Bureau and the ACI
// restraint), as the tool does it: read the project
// file into a fresh state, run, write the tables in the layout of "Salvar Tudo".
// The projects are in bench/dados (the members of termico.cpp), to time the whole
// process as well:  /usr/bin/time build/norvik1d-lote bench/dados/capacidade.n1d.json
//                     --temperaturas /tmp/t.txt
#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/GravacaoConjunta.h"
#include "core/Historico.h"
#include "core/Progresso.h"
#include "analise/Analise.h"
#include "results/ExportaTabela.h"

namespace {

// bench/dados beside this file; a relative __FILE__ is relative to the build
// folder, where the benchmark runs from.
std::string Projeto(const char* nome) {
    std::filesystem::path fonte(__FILE__);
    if (fonte.is_relative()) fonte = std::filesystem::read_symlink("/proc/self/exe").parent_path() / fonte;
    return (fonte.parent_path() / "dados" / nome).lexically_normal().string();
}

void Lote(benchmark::State& state, const char* projeto, bool tensoes) {
    const std::string arquivo = Projeto(projeto);
    const auto pasta = std::filesystem::temp_directory_path();
    const std::string temperaturas = (pasta / "norvik-bench-lote-t.txt").string();
    const std::string tabelaTensoes = (pasta / "norvik-bench-lote-s.txt").string();
    Progresso semJanela;
    OpcoesAnalise opcoes;
    opcoes.Tensoes = tensoes;
    for (auto _ : state) {
        try {
            Analise ex = Analise::ExecutaArquivo(arquivo, opcoes, semJanela);
            if (!ex.Termico.Completo) state.SkipWithError("rodada incompleta");
            // As the tool writes them: together, a block of rows at a time.
            TGravacaoConjunta saidas;
            const auto tabela = [&](const std::string& caminho, const HistoricoNumerico& numeros, int ativos) {
                saidas.AcrescentaPorPartes(caminho, [&](const std::function<void(std::string_view)>& escreve) {
                    ExportaTabela::Escreve(numeros, ativos, escreve);
                });
            };
            tabela(temperaturas, ex.Temperaturas, ex.AtivosTermico);
            if (tensoes) tabela(tabelaTensoes, ex.Tensoes, ex.Dados->NElemAtivos);
            saidas.Conclui();
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    std::remove(temperaturas.c_str());
    std::remove(tabelaTensoes.c_str());
}

void LoteTipico(benchmark::State& s) { Lote(s, "tipico.n1d.json", false); }
void LoteTipicoTensoes(benchmark::State& s) { Lote(s, "tipico-tensoes.n1d.json", true); }
void LoteCapacidade(benchmark::State& s) { Lote(s, "capacidade.n1d.json", false); }
void LoteCapacidadeTensoes(benchmark::State& s) { Lote(s, "capacidade-tensoes.n1d.json", true); }

}  // namespace

BENCHMARK(LoteTipico)->Unit(benchmark::kMillisecond);
BENCHMARK(LoteTipicoTensoes)->Unit(benchmark::kMillisecond);
BENCHMARK(LoteCapacidade)->Unit(benchmark::kMillisecond);
BENCHMARK(LoteCapacidadeTensoes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
