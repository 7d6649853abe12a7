#include "estudos/RodaEstudo.h"

#include <algorithm>
#include <exception>
#include <new>
#include <thread>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "estudos/PlanilhaCsv.h"
#include "analise/Analise.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

namespace {

constexpr TCurvaTracao Curva = TCurvaTracao::Simples;

std::string Fixo(double v, int decimais) { return Numeros::FormataFixo(v + 0.0, 0, decimais); }


}  // namespace

namespace RodaEstudo {

TResultadoCaso RodaCaso(const TEstudo& estudo, const std::vector<double>& valores) {
    std::unique_ptr<TDadosModelo> area;
    return RodaCaso(estudo, valores, area);
}

TResultadoCaso RodaCaso(const TEstudo& estudo, const std::vector<double>& valores, std::unique_ptr<TDadosModelo>& area) {
    TResultadoCaso r;
    try {
        if (!area) area = std::make_unique<TDadosModelo>();
        Estudo::MontaCaso(estudo, valores, *area);
        r = RodaMontado(estudo, area);
    } catch (const std::bad_alloc&) {
        r.Erro = "memória insuficiente";
    } catch (const std::exception& e) {
        r.Erro = e.what();
    }
    r.Valores = valores;
    return r;
}

TResultadoCaso RodaMontado(const TEstudo& estudo, std::unique_ptr<TDadosModelo>& area) {
    TResultadoCaso r;
    try {
        std::unique_ptr<TDadosModelo> dados = std::move(area);
        if (!dados) throw ErroEntrada("falta o problema do caso");
        r.ComTensoes = Estudo::ComTensoes(*dados);
        OpcoesAnalise opcoes;
        opcoes.Tensoes = r.ComTensoes;
        // One level of threads: the study shares the cores among its cases.
        opcoes.LinhasTensoes = 1;
        Progresso semJanela;
        Analise ex = Analise::Executa(std::move(dados), opcoes, semJanela);
        if (!ex.Termico.Completo) throw ErroEntrada(TProcesso::MensagemFim(ex.Termico, *ex.Dados));
        const TResumoTermico resumo = TResumoTermico::Calcula(*ex.Dados, ex.Temperaturas, estudo.LimiteTemperatura);
        r.TMaxima = resumo.TMaxima;
        r.HorasAcima = resumo.HorasPior;
        r.DifMaxima = resumo.DifMaxima;
        bool atende = resumo.TMaxima < estudo.LimiteTemperatura && resumo.DifMaxima <= estudo.LimiteDiferenca;
        if (r.ComTensoes) {
            r.TracaoMaxima = 0.0 - ex.Dados->TracaoMaxima;
            const TIndiceFissuracao indice = TIndiceFissuracao::Calcula(*ex.Dados, ex.Tensoes, Curva, estudo.LimiteIndice);
            r.ComIndice = indice.NoCritico != 0;
            if (r.ComIndice) {
                r.IndiceMinimo = indice.Nos[static_cast<std::size_t>(indice.NoCritico)].IndiceMinimo;
                atende = atende && r.IndiceMinimo >= estudo.LimiteIndice;
            }
        }
        r.Atende = atende;
        r.Ok = true;
        area = std::move(ex.Dados);
    } catch (const std::bad_alloc&) {
        r.Erro = "memória insuficiente";
    } catch (const std::exception& e) {
        r.Erro = e.what();
    }
    return r;
}

std::vector<char> EmParalelo(std::size_t n, const OpcoesEstudo& opcoes,
                             const std::function<void(std::size_t, std::unique_ptr<TDadosModelo>&)>& caso) {
    std::vector<char> feito(n, 0);
    int threads = opcoes.Threads > 0 ? opcoes.Threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, static_cast<int>(std::max<std::size_t>(1, n)));
    std::atomic<std::size_t> proximo{0};
    // Each worker takes the next case and writes only its own slot.
    // Each worker also keeps its own state from case to case, overwritten whole by the
    // base before each: the kernel does not hand out and zero 13 MB of pages per case.
    const auto trabalha = [&] {
        std::unique_ptr<TDadosModelo> area;
        for (;;) {
            if (opcoes.Cancela && opcoes.Cancela->load()) return;
            const std::size_t i = proximo.fetch_add(1);
            if (i >= n) return;
            caso(i, area);
            feito[i] = 1;
            if (opcoes.Feitos) opcoes.Feitos->fetch_add(1);
        }
    };
    std::vector<std::thread> grupo;
    for (int t = 1; t < threads; ++t) grupo.emplace_back(trabalha);
    trabalha();
    for (auto& t : grupo) t.join();
    return feito;
}

TResultadoEstudo Roda(const TEstudo& estudo, const OpcoesEstudo& opcoes) {
    std::vector<std::vector<double>> casos = Estudo::Casos(estudo);
    const auto total = static_cast<long long>(casos.size());
    const long long fim = opcoes.Fim < 0 ? total : std::min(opcoes.Fim, total);
    const long long inicio = std::clamp(opcoes.Inicio, 0LL, fim);
    casos.erase(casos.begin() + fim, casos.end());
    casos.erase(casos.begin(), casos.begin() + inicio);
    TResultadoEstudo res;
    res.ComTensoes = Estudo::ComTensoes(*estudo.Base);
    res.Casos.resize(casos.size());
    const std::vector<char> feito = EmParalelo(casos.size(), opcoes, [&](std::size_t i, std::unique_ptr<TDadosModelo>& area) {
        res.Casos[i] = RodaCaso(estudo, casos[i], area);
    });

    if (std::find(feito.begin(), feito.end(), 0) != feito.end()) {
        res.Cancelado = true;
        std::vector<TResultadoCaso> feitos;
        for (std::size_t i = 0; i < casos.size(); ++i) {
            if (feito[i]) feitos.push_back(std::move(res.Casos[i]));
        }
        res.Casos = std::move(feitos);
    }
    return res;
}

std::vector<std::string> Colunas(const TEstudo& estudo, bool comTensoes) {
    std::vector<std::string> c;
    for (const auto& v : estudo.Variacoes) c.push_back(Estudo::Parametros()[static_cast<std::size_t>(v.Parametro)].Cabecalho());
    c.push_back("Temperatura máxima (°C)");
    c.push_back("Horas acima de " + Numeros::FormataGeral(estudo.LimiteTemperatura) + " °C (h)");
    c.push_back("Maior diferença núcleo–superfície (°C)");
    if (comTensoes) {
        c.push_back("Maior tração (MPa)");
        c.push_back("Menor índice de fissuração (-)");
    }
    c.push_back("Atende aos limites");
    c.push_back("Mensagem");
    return c;
}

std::vector<std::string> Celulas(const TEstudo&, const TResultadoCaso& caso, bool comTensoes) {
    std::vector<std::string> c;
    for (double v : caso.Valores) c.push_back(Numeros::FormataGeral(v));
    if (caso.Ok) {
        c.push_back(Fixo(caso.TMaxima, 2));
        c.push_back(Numeros::FormataGeral(caso.HorasAcima));
        c.push_back(Fixo(caso.DifMaxima, 2));
        if (comTensoes) {
            c.push_back(Fixo(caso.TracaoMaxima, 2));
            c.push_back(caso.ComIndice ? Fixo(caso.IndiceMinimo, 3) : std::string());
        }
    } else {
        c.insert(c.end(), comTensoes ? 5 : 3, std::string());
    }
    c.push_back(caso.Ok && caso.Atende ? "Sim" : "Não");
    c.push_back(caso.Erro);
    return c;
}

std::string Csv(const TEstudo& estudo, const TResultadoEstudo& resultado) {
    std::string s = "\xEF\xBB\xBF";
    PlanilhaCsv::Linha(s, Colunas(estudo, resultado.ComTensoes));
    for (const auto& caso : resultado.Casos) PlanilhaCsv::Linha(s, Celulas(estudo, caso, resultado.ComTensoes));
    return s;
}

void GravaCsv(const std::string& caminho, const TEstudo& estudo, const TResultadoEstudo& resultado) {
    TArquivoAtomico::Grava(caminho, Csv(estudo, resultado));
}

}  // namespace RodaEstudo
