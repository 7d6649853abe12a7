// The what-if panel's trials: each against a plain run of the same problem changed by
// hand, the levers each problem offers, the uniform member, cancellation and the
// values written into the problem.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>

#include "analise/Analise.h"
#include "core/Membro.h"
#include "core/Projeto.h"
#include "estudos/AjusteRapido.h"
#include "obra/DadosObra.h"
#include "obra/Laterais.h"
#include "obra/Protecoes.h"
#include "serpentinas/DadosSerpentinas.h"

namespace {

const std::string Exemplos = std::string(NORVIK_FONTES) + "/exemplos/";

std::shared_ptr<TDadosModelo> Le(const std::string& arquivo) {
    auto d = std::make_shared<TDadosModelo>();
    Projeto::Le(Exemplos + arquivo, *d);
    return d;
}

int Parametro(const char* chave) { return Estudo::IndiceParametro(chave); }

void CadaCamada(TDadosModelo& d, const std::function<void(int)>& f) {
    for (int L = Membro::PrimeiraCamadaDeConcreto(d); L <= Membro::CamadasDoMembro(d); ++L) f(L);
}

struct CasoEnsaio {
    const char* nome;
    const char* arquivo;
    std::vector<std::pair<const char*, double>> alavancas;
    // The same change made by hand on the problem, as an engineer would type it.
    std::function<void(TDadosModelo&)> aMao;
};

class Ensaio : public ::testing::TestWithParam<CasoEnsaio> {};

TEST_P(Ensaio, NumerosSaoOsDeUmaExecucaoDoProblemaMudadoAMao) {
    const CasoEnsaio& c = GetParam();
    const auto problema = Le(c.arquivo);
    const std::string antes = Projeto::Conteudo(*problema);
    std::vector<std::pair<int, double>> valores;
    for (const auto& [chave, v] : c.alavancas) valores.emplace_back(Parametro(chave), v);
    const TEstudo ensaio = AjusteRapido::Ensaio(problema, valores, 70.0, 20.0, 1.0);
    ASSERT_EQ(ensaio.Variacoes.size(), c.alavancas.size());
    const AjusteRapido::TResultado r = AjusteRapido::Roda(ensaio);
    ASSERT_TRUE(r.Ok) << r.Erro;
    EXPECT_EQ(Projeto::Conteudo(*problema), antes) << "o ensaio mudou o problema";

    TDadosModelo mudado = *problema;
    c.aMao(mudado);
    OpcoesAnalise op;
    op.Tensoes = Estudo::ComTensoes(mudado);
    op.LimiteResumo = 70.0;
    if (op.Tensoes) op.Indice = OpcoesAnalise::ParametrosIndice{TCurvaTracao::Simples, 1.0};
    Progresso semJanela;
    const Analise a = Analise::Executa(mudado, op, semJanela);
    ASSERT_TRUE(a.Termico.Completo);
    EXPECT_EQ(r.TMaxima, a.Resumo->TMaxima);
    EXPECT_EQ(r.DifMaxima, a.Resumo->DifMaxima);
    EXPECT_EQ(r.NoMaisQuente, a.Resumo->NoTMax);
    EXPECT_EQ(r.ComTensoes, op.Tensoes);
    if (a.Indice && a.Indice->NoCritico) {
        ASSERT_TRUE(r.ComIndice);
        EXPECT_EQ(r.IndiceMinimo, a.Indice->Nos[static_cast<std::size_t>(a.Indice->NoCritico)].IndiceMinimo);
    } else {
        EXPECT_FALSE(r.ComIndice);
    }
    EXPECT_EQ(r.Atende, a.Resumo->TMaxima < 70.0 && a.Resumo->DifMaxima <= 20.0 &&
                            (!r.ComIndice || r.IndiceMinimo >= 1.0));
    EXPECT_EQ(r.CurvaMaisQuente, CurvasTemperatura::HistoricoNo(a.Temperaturas, a.Resumo->NoTMax));
    EXPECT_EQ(r.CurvaTopo, CurvasTemperatura::HistoricoNo(a.Temperaturas, a.AtivosTermico + 1));
    EXPECT_FALSE(r.CurvaTopo.empty());
    // The panel's numbers are not those of the problem as it stands.
    const Analise original = Analise::Executa(*problema, op, semJanela);
    EXPECT_NE(r.CurvaMaisQuente, CurvasTemperatura::HistoricoNo(original.Temperaturas, original.Resumo->NoTMax));
}

const CasoEnsaio Ensaios[] = {
    {"ConsumoETemperatura", "muro-10-camadas-cura.n1d.json",
     {{"ConsumoCimento", 260}, {"TemperaturaLancamento", 25}},
     [](TDadosModelo& d) {
         CadaCamada(d, [&](int L) {
             d.CalorCamadas[L].C = 260;
             d.Camadas[L].TInicial = 25;
         });
     }},
    // Hourly heat tables: the heat scale takes the place of the cement content.
    {"EscalaDoCalorHorario", "secao-gravidade-40-camadas-adiabatico.n1d.json", {{"EscalaCalor", 0.8}},
     [](TDadosModelo& d) {
         CadaCamada(d, [&](int L) {
             auto& t = d.CalorCamadas[L].Tabela;
             for (std::size_t h = 1; h < t.Guardadas(); ++h) t[h] *= 0.8;
         });
     }},
    {"IntervaloDoMuro", "muro-10-camadas-cura.n1d.json", {{"IntervaloLancamento", 24}},
     [](TDadosModelo& d) {
         // Each lift a day after the one below; the hours after the last placement stay.
         const int ultima = d.Camadas[10].HoraConcretagem;
         CadaCamada(d, [&](int L) { d.Camadas[L].HoraConcretagem = d.Camadas[1].HoraConcretagem + 24 * (L - 1); });
         d.TempoTotal += d.Camadas[10].HoraConcretagem - ultima;
     }},
    {"AlturaDoMuro", "muro-10-camadas-cura.n1d.json", {{"AlturaCamada", 2.5}},
     [](TDadosModelo& d) {
         // Four lifts of 2,5 m, placed at the wall's interval.
         const int ultima = d.Camadas[10].HoraConcretagem;
         const int intervalo = d.Camadas[2].HoraConcretagem - d.Camadas[1].HoraConcretagem;
         for (int L = 1; L <= 4; ++L) {
             d.Camadas[L] = d.Camadas[1];
             d.Camadas[L].Espessura = 2.5;
             d.Camadas[L].XIni = 2.5 * (L - 1);
             d.Camadas[L].HoraConcretagem = d.Camadas[1].HoraConcretagem + intervalo * (L - 1);
         }
         for (int L = 5; L <= 10; ++L) {
             d.Camadas[L] = TCamada{};
             d.CalorCamadas[L] = TCalorInterno{};
             d.Superficie[L] = TTrocaCalor{};
         }
         d.NCamadas = d.NCamadasMembro = 4;
         d.TempoTotal += d.Camadas[4].HoraConcretagem - ultima;
     }},
    {"ResistenciaDasMantas", "radier-verao-mantas.n1d.json", {{"ResistenciaProtecaoTopo", 0.05}},
     [](TDadosModelo& d) {
         for (auto& lista : ObraEditavel(d).ProtecoesTopo)
             if (!lista.empty()) lista[static_cast<std::size_t>(Protecoes::UltimaARetirar(lista))].R = 0.05;
     }},
    {"FormaLateral", "bloco-3x3-duas-camadas-formas-laterais.n1d.json", {{"HoraRetiradaFormaLateral", 12}},
     [](TDadosModelo& d) {
         CadaCamada(d, [&](int L) {
             auto& lista = Laterais::Do(ObraEditavel(d), L);
             if (!lista.empty()) lista[static_cast<std::size_t>(Protecoes::UltimaARetirar(lista))].HoraRetirada = 12;
         });
     }},
    {"AguaDasSerpentinas", "secao-barragem-15-camadas-serpentinas.n1d.json",
     {{"TemperaturaAguaSerpentinas", 6}, {"VazaoAguaSerpentinas", 45}},
     [](TDadosModelo& d) {
         for (auto& c : SerpentinasEditavel(d).Camadas) {
             if (c.Alturas.empty()) continue;
             c.TEntrada = 6;
             c.EntradaDaSerie = false;
             c.Vazao = 45;
         }
     }},
};

INSTANTIATE_TEST_SUITE_P(Alavancas, Ensaio, ::testing::ValuesIn(Ensaios),
                         [](const auto& info) { return std::string(info.param.nome); });

struct CasoOferta {
    const char* nome;
    const char* arquivo;
    std::function<void(TDadosModelo&)> muda;
    std::set<std::string> chaves;
};

class Oferta : public ::testing::TestWithParam<CasoOferta> {};

TEST_P(Oferta, SoAsAlavancasQueOProblemaTem) {
    auto d = Le(GetParam().arquivo);
    if (GetParam().muda) GetParam().muda(*d);
    std::set<std::string> chaves;
    for (const auto& a : AjusteRapido::Alavancas(*d)) {
        const TParametroEstudo& p = Estudo::Parametros()[static_cast<std::size_t>(a.Parametro)];
        chaves.emplace(p.Chave);
        EXPECT_EQ(a.Atual, p.Le(*d)) << p.Chave;
        EXPECT_LE(a.Minimo, a.Atual) << p.Chave;
        EXPECT_GE(a.Maximo, a.Atual) << p.Chave;
    }
    EXPECT_EQ(chaves, GetParam().chaves);
}

const CasoOferta Ofertas[] = {
    {"MuroUniforme", "muro-10-camadas-cura.n1d.json", nullptr,
     {"AlturaCamada", "IntervaloLancamento", "TemperaturaLancamento", "ConsumoCimento"}},
    {"MuroComUmaCamadaMaisAlta", "muro-10-camadas-cura.n1d.json",
     [](TDadosModelo& d) { d.Camadas[4].Espessura = 1.5; }, {"TemperaturaLancamento", "ConsumoCimento"}},
    {"MuroComUmIntervaloDiferente", "muro-10-camadas-cura.n1d.json",
     [](TDadosModelo& d) { d.Camadas[10].HoraConcretagem += 6; }, {"TemperaturaLancamento", "ConsumoCimento"}},
    {"MuroComOutroConcretoNoTopo", "muro-10-camadas-cura.n1d.json",
     [](TDadosModelo& d) { d.Camadas[10].K = 1.9; }, {"TemperaturaLancamento", "ConsumoCimento"}},
    {"MuroComCalorConstante", "muro-10-camadas-cura.n1d.json",
     [](TDadosModelo& d) { d.CalorCamadas[3].Constante = true; },
     {"TemperaturaLancamento", "EscalaCalor"}},
    // Its two lifts keep different blankets: not a member rebuilt from its first lift.
    {"RadierComMantas", "radier-verao-mantas.n1d.json", nullptr,
     {"TemperaturaLancamento", "ConsumoCimento", "HoraRetiradaProtecao", "ResistenciaProtecaoTopo"}},
    // Its two lifts are placed at different temperatures.
    {"BlocoComFormas", "bloco-3x3-duas-camadas-formas-laterais.n1d.json", nullptr,
     {"TemperaturaLancamento", "ConsumoCimento", "HoraRetiradaFormaLateral"}},
    {"BlocoComFormasUniforme", "bloco-3x3-duas-camadas-formas-laterais.n1d.json",
     [](TDadosModelo& d) { d.Camadas[2].TInicial = d.Camadas[1].TInicial; },
     {"AlturaCamada", "IntervaloLancamento", "TemperaturaLancamento", "ConsumoCimento",
      "HoraRetiradaFormaLateral"}},
    {"BarragemComSerpentinas", "secao-barragem-15-camadas-serpentinas.n1d.json", nullptr,
     {"AlturaCamada", "IntervaloLancamento", "TemperaturaLancamento", "ConsumoCimento",
      "TemperaturaAguaSerpentinas", "VazaoAguaSerpentinas"}},
    {"UmaSoCamada", "muro-10-camadas-cura.n1d.json", [](TDadosModelo& d) { d.NCamadas = d.NCamadasMembro = 1; },
     {"TemperaturaLancamento", "ConsumoCimento"}},
};

INSTANTIATE_TEST_SUITE_P(Problemas, Oferta, ::testing::ValuesIn(Ofertas),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(AjusteRapido, AlavancaNoValorDoProblemaNaoEntraNoEnsaio) {
    const auto d = Le("muro-10-camadas-cura.n1d.json");
    const TEstudo e = AjusteRapido::Ensaio(
        d, {{Parametro("TemperaturaLancamento"), 20.0}, {Parametro("ConsumoCimento"), 280.0}}, 70, 20, 1);
    ASSERT_EQ(d->Camadas[1].TInicial, 20.0);
    ASSERT_EQ(e.Variacoes.size(), 1u);
    EXPECT_EQ(e.Variacoes[0].Parametro, Parametro("ConsumoCimento"));
}

TEST(AjusteRapido, CanceladoNaoDevolveNumeros) {
    const auto d = Le("muro-10-camadas-cura.n1d.json");
    const TEstudo e = AjusteRapido::Ensaio(d, {{Parametro("TemperaturaLancamento"), 12.0}}, 70, 20, 1);
    std::atomic<bool> cancela{true};
    const AjusteRapido::TResultado r = AjusteRapido::Roda(e, &cancela);
    EXPECT_TRUE(r.Cancelado);
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.CurvaMaisQuente.empty());
    cancela = false;
    EXPECT_TRUE(AjusteRapido::Roda(e, &cancela).Ok);
}

TEST(AjusteRapido, AplicarDaOProblemaDoEnsaio) {
    const auto d = Le("radier-verao-mantas.n1d.json");
    const TEstudo e = AjusteRapido::Ensaio(
        d, {{Parametro("IntervaloLancamento"), 48}, {Parametro("ResistenciaProtecaoTopo"), 0.3}}, 70, 20, 1);
    TDadosModelo aplicado = *d;
    AjusteRapido::Aplica(e, aplicado);
    EXPECT_EQ(Projeto::Conteudo(aplicado), Projeto::Conteudo(*Estudo::MontaCaso(e, AjusteRapido::Valores(e))));
    EXPECT_NE(Projeto::Conteudo(aplicado), Projeto::Conteudo(*d));
}

}  // namespace
