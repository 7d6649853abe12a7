#include "results/EscritorWmf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "results/LeitorWmf.h"

using namespace Wmf;

namespace {
std::vector<Ponto> Reta(int n) {
    std::vector<Ponto> p;
    for (int i = 0; i < n; ++i) p.push_back({static_cast<double>(i % 1000), static_cast<double>(i / 1000)});
    return p;
}
}  // namespace

TEST(EscritorWmf, CabecalhosChecksumETamanhoConferem) {
    TEscritorWmf e(8000, 5000, 960);
    const int c = e.CriaCaneta(EstiloCaneta::Solida, 20, {0, 128, 0});
    e.Seleciona(c);
    e.Polilinha(Reta(3));
    const ArquivoWmf a = LeWmf(e.Termina());
    ASSERT_EQ(a.erro, "");
    EXPECT_EQ(a.chave, ChavePlaceable);
    EXPECT_EQ(a.esquerda, 0);
    EXPECT_EQ(a.topo, 0);
    EXPECT_EQ(a.direita, 8000);
    EXPECT_EQ(a.base, 5000);
    EXPECT_EQ(a.polegada, 960);
    EXPECT_EQ(a.soma, a.somaCalculada);
    EXPECT_EQ(a.tipo, 1);
    EXPECT_EQ(a.tamCabecalho, 9);
    EXPECT_EQ(a.versao, 0x0300);
    EXPECT_EQ(a.objetos, 1);
    EXPECT_EQ(ConfereObjetos(a), "");
    // Window origin, then extent as height, width; no map mode record.
    ASSERT_GE(a.registros.size(), 2u);
    EXPECT_EQ(a.registros[0].funcao, static_cast<std::uint16_t>(Registro::OrigemJanela));
    EXPECT_EQ(a.registros[1].funcao, static_cast<std::uint16_t>(Registro::ExtensaoJanela));
    EXPECT_EQ(a.registros[1].P(0), 5000);
    EXPECT_EQ(a.registros[1].P(1), 8000);
    for (const auto& r : a.registros) EXPECT_NE(r.funcao, 0x0103);
    // The pen: style, width as a point (w, 0), colour R, G, B, 0.
    const RegistroWmf& caneta = a.registros[2];
    EXPECT_EQ(caneta.funcao, static_cast<std::uint16_t>(Registro::CriaCaneta));
    EXPECT_EQ(caneta.params, (std::vector<std::uint16_t>{0, 20, 0, 0x8000, 0x0000}));
}

// Slots: lowest free first, freed slots reused; the header holds the peak.
TEST(EscritorWmf, TabelaDeObjetosReusaSlotsEGuardaPico) {
    TEscritorWmf e(100, 100, 96);
    const int a = e.CriaCaneta(EstiloCaneta::Solida, 1, {});
    const int b = e.CriaPincel(EstiloPincel::Solido, {255, 255, 255});
    Fonte f;
    f.face = "DejaVu Sans";
    const int c = e.CriaFonte(f);
    EXPECT_EQ((std::vector<int>{a, b, c}), (std::vector<int>{0, 1, 2}));
    e.Seleciona(a);
    const int d = e.CriaCaneta(EstiloCaneta::Tracejada, 1, {});
    EXPECT_EQ(d, 3);
    e.Seleciona(d);
    e.Apaga(a);
    EXPECT_EQ(e.CriaCaneta(EstiloCaneta::Solida, 2, {}), 0);
    EXPECT_THROW(e.Seleciona(7), std::logic_error);
    EXPECT_THROW(e.Apaga(a + 9), std::logic_error);
    const ArquivoWmf arq = LeWmf(e.Termina());
    EXPECT_EQ(arq.objetos, 4);
    EXPECT_EQ(ConfereObjetos(arq), "");
}

struct CasoDivisao {
    int pontos;
    std::vector<int> pedacos;
};
class DivisaoPolilinha : public ::testing::TestWithParam<CasoDivisao> {};

// A long curve is cut into records of at most 8000 points that repeat the joint.
TEST_P(DivisaoPolilinha, PedacosRepetemOPontoDeJuncao) {
    const auto& caso = GetParam();
    TEscritorWmf e(2000, 2000, 96);
    const auto pontos = Reta(caso.pontos);
    e.Polilinha(pontos);
    const ArquivoWmf a = LeWmf(e.Termina());
    ASSERT_EQ(a.erro, "");
    std::vector<int> pedacos;
    std::size_t inicio = 0;
    for (const auto& r : a.registros) {
        if (r.funcao != static_cast<std::uint16_t>(Registro::Polilinha)) continue;
        const int n = r.P(0);
        pedacos.push_back(n);
        ASSERT_EQ(r.palavras, 4u + 2u * static_cast<unsigned>(n));
        // First point of each piece is the last of the one before.
        EXPECT_EQ(r.P(1), static_cast<std::int16_t>(pontos[inicio].x));
        EXPECT_EQ(r.P(2), static_cast<std::int16_t>(pontos[inicio].y));
        inicio += static_cast<std::size_t>(n - 1);
    }
    EXPECT_EQ(pedacos, caso.pedacos);
    EXPECT_EQ(inicio + (caso.pontos >= 2 ? 1 : 0), static_cast<std::size_t>(caso.pontos >= 2 ? caso.pontos : 0));
    EXPECT_EQ(ConfereObjetos(a), "");
}
INSTANTIATE_TEST_SUITE_P(EscritorWmf, DivisaoPolilinha,
                         ::testing::Values(CasoDivisao{1, {}}, CasoDivisao{2, {2}}, CasoDivisao{8000, {8000}},
                                           CasoDivisao{8001, {8000, 2}}, CasoDivisao{20000, {8000, 8000, 4002}}));

TEST(EscritorWmf, CoordenadasArredondamEFicamNoIntervaloDe16Bits) {
    EXPECT_EQ(Coordenada(1.5), 2);
    EXPECT_EQ(Coordenada(-1.5), -2);
    EXPECT_EQ(Coordenada(32766.6), 32767);
    EXPECT_EQ(Coordenada(1e9), 32767);
    EXPECT_EQ(Coordenada(-1e9), -32768);
    EXPECT_EQ(Coordenada(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Coordenada(std::numeric_limits<double>::infinity()), 32767);
}

// EXTTEXTOUT: Y before X, byte count, no options, string padded to even, Dx per byte.
TEST(EscritorWmf, TextoLevaPosicaoBytesEAvancos) {
    TEscritorWmf e(100, 100, 96);
    const std::string texto = "Tra\xE7\xE3o \xB0\xD7\x96";  // "Tração °×–" in Windows-1252
    const std::vector<std::int16_t> dx(texto.size(), 7);
    e.Texto({10, 40}, texto, dx);
    e.Texto({3, 4}, "ab", {});
    const ArquivoWmf a = LeWmf(e.Termina());
    ASSERT_EQ(a.erro, "");
    std::vector<const RegistroWmf*> textos;
    for (const auto& r : a.registros)
        if (r.funcao == static_cast<std::uint16_t>(Registro::TextoExt)) textos.push_back(&r);
    ASSERT_EQ(textos.size(), 2u);
    const RegistroWmf& t = *textos[0];
    EXPECT_EQ(t.P(0), 40);
    EXPECT_EQ(t.P(1), 10);
    EXPECT_EQ(t.P(2), static_cast<std::int16_t>(texto.size()));
    EXPECT_EQ(t.P(3), 0);
    std::string bytes;
    for (std::size_t i = 0; i < (texto.size() + 1) / 2; ++i) {
        bytes += static_cast<char>(t.params[4 + i] & 0xFF);
        bytes += static_cast<char>(t.params[4 + i] >> 8);
    }
    EXPECT_EQ(bytes.substr(0, texto.size()), texto);
    const std::size_t inicioDx = 4 + (texto.size() + 1) / 2;
    ASSERT_EQ(t.params.size(), inicioDx + texto.size());
    EXPECT_EQ(t.P(inicioDx), 7);
    // Without matching advances the record stops after the string.
    EXPECT_EQ(textos[1]->params.size(), 5u);
}

TEST(EscritorWmf, PoligonoEnormeViraContorno) {
    TEscritorWmf e(100, 100, 96);
    e.Poligono(Reta(3));
    e.Poligono(Reta(MaxPontosPoligono + 1));
    const ArquivoWmf a = LeWmf(e.Termina());
    ASSERT_EQ(a.erro, "");
    int poligonos = 0, polilinhas = 0;
    for (const auto& r : a.registros) {
        poligonos += r.funcao == static_cast<std::uint16_t>(Registro::Poligono);
        polilinhas += r.funcao == static_cast<std::uint16_t>(Registro::Polilinha);
    }
    EXPECT_EQ(poligonos, 1);
    EXPECT_EQ(polilinhas, 5);  // 32769 outline points in pieces of 8000
}

struct CasoSegmento {
    const char* nome;
    Ponto a, b;
    bool visivel;
    Ponto ra, rb;
};
class RecorteSegmento : public ::testing::TestWithParam<CasoSegmento> {};

TEST_P(RecorteSegmento, CortaNaBorda) {
    const auto& c = GetParam();
    const Retangulo r{0, 0, 100, 50};
    Ponto a = c.a, b = c.b;
    ASSERT_EQ(RecortaSegmento(a, b, r), c.visivel);
    if (!c.visivel) return;
    EXPECT_NEAR(a.x, c.ra.x, 1e-9);
    EXPECT_NEAR(a.y, c.ra.y, 1e-9);
    EXPECT_NEAR(b.x, c.rb.x, 1e-9);
    EXPECT_NEAR(b.y, c.rb.y, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(
    EscritorWmf, RecorteSegmento,
    ::testing::Values(CasoSegmento{"dentro", {10, 10}, {20, 20}, true, {10, 10}, {20, 20}},
                      CasoSegmento{"fora", {-10, -10}, {-1, 60}, false, {}, {}},
                      CasoSegmento{"atravessa", {-50, 25}, {150, 25}, true, {0, 25}, {100, 25}},
                      CasoSegmento{"diagonal", {-10, -10}, {60, 60}, true, {0, 0}, {50, 50}},
                      CasoSegmento{"vertical_fora", {120, 0}, {120, 50}, false, {}, {}},
                      CasoSegmento{"na_borda", {0, 0}, {100, 0}, true, {0, 0}, {100, 0}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(EscritorWmf, RecortePoligonoFicaNoRetangulo) {
    const Retangulo r{0, 0, 10, 10};
    const std::vector<Ponto> quadrado{{-5, -5}, {5, -5}, {5, 5}, {-5, 5}};
    const auto recortado = RecortaPoligono(quadrado, r);
    ASSERT_EQ(recortado.size(), 4u);
    double area = 0;
    for (std::size_t i = 0; i < recortado.size(); ++i) {
        const Ponto& p = recortado[i];
        const Ponto& q = recortado[(i + 1) % recortado.size()];
        area += p.x * q.y - q.x * p.y;
        EXPECT_TRUE(p.x >= 0 && p.x <= 10 && p.y >= 0 && p.y <= 10);
    }
    EXPECT_NEAR(std::abs(area) / 2, 25.0, 1e-9);
    EXPECT_TRUE(RecortaPoligono(std::vector<Ponto>{{20, 20}, {30, 20}, {30, 30}}, r).empty());
}
