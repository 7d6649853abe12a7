#include "results/EscritorWmf.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Wmf {

namespace {
constexpr std::size_t TamPlaceable = 22;
constexpr std::size_t TamCabecalho = 18;
}  // namespace

std::int16_t Coordenada(double v) {
    if (!(v == v)) return 0;
    const double r = std::round(v);
    if (r >= 32767.0) return 32767;
    if (r <= -32768.0) return -32768;
    return static_cast<std::int16_t>(r);
}

bool RecortaSegmento(Ponto& a, Ponto& b, const Retangulo& r) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    // p·t <= q for each of the four edges.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.esquerda, r.direita - a.x, a.y - r.topo, r.base - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const Ponto origem = a;
    if (t1 < 1.0) b = {origem.x + t1 * dx, origem.y + t1 * dy};
    if (t0 > 0.0) a = {origem.x + t0 * dx, origem.y + t0 * dy};
    return true;
}

std::vector<Ponto> RecortaPoligono(std::span<const Ponto> poligono, const Retangulo& r) {
    std::vector<Ponto> atual(poligono.begin(), poligono.end());
    std::vector<Ponto> saida;
    // One pass per edge: keep the side where dentro() holds.
    for (int lado = 0; lado < 4 && !atual.empty(); ++lado) {
        auto dentro = [&](const Ponto& p) {
            switch (lado) {
                case 0: return p.x >= r.esquerda;
                case 1: return p.x <= r.direita;
                case 2: return p.y >= r.topo;
                default: return p.y <= r.base;
            }
        };
        auto corte = [&](const Ponto& a, const Ponto& b) {
            double t;
            switch (lado) {
                case 0: t = (r.esquerda - a.x) / (b.x - a.x); break;
                case 1: t = (r.direita - a.x) / (b.x - a.x); break;
                case 2: t = (r.topo - a.y) / (b.y - a.y); break;
                default: t = (r.base - a.y) / (b.y - a.y); break;
            }
            return Ponto{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        };
        saida.clear();
        for (std::size_t i = 0; i < atual.size(); ++i) {
            const Ponto& p = atual[i];
            const Ponto& anterior = atual[(i + atual.size() - 1) % atual.size()];
            const bool pd = dentro(p);
            const bool ad = dentro(anterior);
            if (pd) {
                if (!ad) saida.push_back(corte(anterior, p));
                saida.push_back(p);
            } else if (ad) {
                saida.push_back(corte(anterior, p));
            }
        }
        atual.swap(saida);
    }
    if (atual.size() < 3) atual.clear();
    return atual;
}

TEscritorWmf::TEscritorWmf(int largura, int altura, int unidadesPorPolegada)
    : largura_(Coordenada(largura)),
      altura_(Coordenada(altura)),
      polegada_(static_cast<std::uint16_t>(std::clamp(unidadesPorPolegada, 1, 65535))) {
    dados_.reserve(4096);
    dados_.assign(TamPlaceable + TamCabecalho, std::uint8_t{0});
    // No SETMAPMODE: readers then take the window as the picture (MM_ANISOTROPIC
    // without a viewport made one of them stretch the picture to 1024 × 1024).
    Inicia(Registro::OrigemJanela, 2);
    Palavra(std::int16_t{0});
    Palavra(std::int16_t{0});
    Inicia(Registro::ExtensaoJanela, 2);
    Palavra(altura_);
    Palavra(largura_);
}

void TEscritorWmf::Palavra(std::uint16_t w) {
    dados_.push_back(static_cast<std::uint8_t>(w & 0xFF));
    dados_.push_back(static_cast<std::uint8_t>(w >> 8));
}

void TEscritorWmf::CorRef(Cor c) {
    dados_.push_back(c.r);
    dados_.push_back(c.g);
    dados_.push_back(c.b);
    dados_.push_back(0);
}

void TEscritorWmf::Bytes(std::string_view b) {
    dados_.insert(dados_.end(), b.begin(), b.end());
    if (b.size() % 2 != 0) dados_.push_back(0);
}

void TEscritorWmf::Inicia(Registro funcao, std::size_t palavrasParametros) {
    const auto tamanho = static_cast<std::uint32_t>(3 + palavrasParametros);
    maiorRegistro_ = std::max(maiorRegistro_, tamanho);
    Palavra(static_cast<std::uint16_t>(tamanho & 0xFFFF));
    Palavra(static_cast<std::uint16_t>(tamanho >> 16));
    Palavra(static_cast<std::uint16_t>(funcao));
}

int TEscritorWmf::OcupaSlot() {
    auto livre = std::find(slots_.begin(), slots_.end(), false);
    const auto indice = static_cast<int>(livre - slots_.begin());
    if (livre == slots_.end()) slots_.push_back(true);
    else *livre = true;
    pico_ = std::max(pico_, indice + 1);
    return indice;
}

void TEscritorWmf::ExigeSlot(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(slots_.size()) || !slots_[static_cast<std::size_t>(indice)])
        throw std::logic_error("metarquivo: objeto inexistente");
}

int TEscritorWmf::CriaCaneta(EstiloCaneta estilo, int largura, Cor cor) {
    Inicia(Registro::CriaCaneta, 5);
    Palavra(static_cast<std::uint16_t>(estilo));
    Palavra(Coordenada(std::max(largura, 1)));
    Palavra(std::int16_t{0});
    CorRef(cor);
    return OcupaSlot();
}

int TEscritorWmf::CriaPincel(EstiloPincel estilo, Cor cor) {
    Inicia(Registro::CriaPincel, 4);
    Palavra(static_cast<std::uint16_t>(estilo));
    CorRef(cor);
    Palavra(std::uint16_t{0});
    return OcupaSlot();
}

int TEscritorWmf::CriaFonte(const Fonte& f) {
    Inicia(Registro::CriaFonte, 25);
    Palavra(f.altura);
    Palavra(f.largura);
    Palavra(f.escapamento);
    Palavra(f.orientacao);
    Palavra(f.peso);
    dados_.push_back(f.italico ? 1 : 0);
    dados_.push_back(f.sublinhado ? 1 : 0);
    dados_.push_back(f.riscado ? 1 : 0);
    dados_.push_back(f.conjunto);
    dados_.push_back(0);     // OutPrecision: default
    dados_.push_back(0);     // ClipPrecision: default
    dados_.push_back(0);     // Quality: default
    dados_.push_back(0x22);  // swiss family, variable pitch
    std::uint8_t face[32] = {};
    std::copy_n(f.face.begin(), std::min<std::size_t>(f.face.size(), 31), face);
    dados_.insert(dados_.end(), face, face + 32);
    return OcupaSlot();
}

void TEscritorWmf::Seleciona(int indice) {
    ExigeSlot(indice);
    Inicia(Registro::SelecionaObjeto, 1);
    Palavra(static_cast<std::uint16_t>(indice));
}

void TEscritorWmf::Apaga(int indice) {
    ExigeSlot(indice);
    Inicia(Registro::ApagaObjeto, 1);
    Palavra(static_cast<std::uint16_t>(indice));
    slots_[static_cast<std::size_t>(indice)] = false;
}

void TEscritorWmf::DefineFundoTransparente(bool transparente) {
    Inicia(Registro::ModoFundo, 2);
    Palavra(static_cast<std::uint16_t>(transparente ? 1 : 2));
    Palavra(std::uint16_t{0});
}

void TEscritorWmf::DefineCorTexto(Cor cor) {
    Inicia(Registro::CorTexto, 2);
    CorRef(cor);
}

void TEscritorWmf::DefineAlinhamentoTexto(std::uint16_t alinhamento) {
    Inicia(Registro::AlinhamentoTexto, 2);
    Palavra(alinhamento);
    Palavra(std::uint16_t{0});
}

void TEscritorWmf::DefinePreenchimentoAlternado(bool alternado) {
    Inicia(Registro::ModoPreenchimento, 2);
    Palavra(static_cast<std::uint16_t>(alternado ? 1 : 2));
    Palavra(std::uint16_t{0});
}

void TEscritorWmf::Polilinha(std::span<const Ponto> pontos) {
    if (pontos.size() < 2) return;
    std::size_t inicio = 0;
    while (inicio + 1 < pontos.size()) {
        const std::size_t n = std::min<std::size_t>(MaxPontosPolilinha, pontos.size() - inicio);
        Inicia(Registro::Polilinha, 1 + 2 * n);
        Palavra(static_cast<std::uint16_t>(n));
        for (std::size_t i = inicio; i < inicio + n; ++i) {
            Palavra(Coordenada(pontos[i].x));
            Palavra(Coordenada(pontos[i].y));
        }
        inicio += n - 1;  // the next piece starts at this one's last point
    }
}

void TEscritorWmf::Poligono(std::span<const Ponto> pontos) {
    if (pontos.size() < 3) return;
    if (pontos.size() > static_cast<std::size_t>(MaxPontosPoligono)) {
        std::vector<Ponto> contorno(pontos.begin(), pontos.end());
        contorno.push_back(pontos.front());
        Polilinha(contorno);
        return;
    }
    Inicia(Registro::Poligono, 1 + 2 * pontos.size());
    Palavra(static_cast<std::uint16_t>(pontos.size()));
    for (const Ponto& p : pontos) {
        Palavra(Coordenada(p.x));
        Palavra(Coordenada(p.y));
    }
}

void TEscritorWmf::Texto(Ponto origem, std::string_view texto, std::span<const std::int16_t> dx) {
    if (texto.empty()) return;
    if (texto.size() > 32767) texto = texto.substr(0, 32767);
    const bool comDx = dx.size() == texto.size();
    const std::size_t palavras = 4 + (texto.size() + 1) / 2 + (comDx ? texto.size() : 0);
    Inicia(Registro::TextoExt, palavras);
    Palavra(Coordenada(origem.y));
    Palavra(Coordenada(origem.x));
    Palavra(static_cast<std::uint16_t>(texto.size()));
    Palavra(std::uint16_t{0});  // no options: no rectangle follows
    Bytes(texto);
    if (comDx)
        for (std::int16_t d : dx) Palavra(d);
}

std::vector<std::uint8_t> TEscritorWmf::Termina() {
    Inicia(Registro::Fim, 0);
    auto poe16 = [&](std::size_t pos, std::uint16_t v) {
        dados_[pos] = static_cast<std::uint8_t>(v & 0xFF);
        dados_[pos + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    auto poe32 = [&](std::size_t pos, std::uint32_t v) {
        poe16(pos, static_cast<std::uint16_t>(v & 0xFFFF));
        poe16(pos + 2, static_cast<std::uint16_t>(v >> 16));
    };
    poe32(0, ChavePlaceable);
    poe16(4, 0);
    poe16(6, 0);
    poe16(8, 0);
    poe16(10, static_cast<std::uint16_t>(largura_));
    poe16(12, static_cast<std::uint16_t>(altura_));
    poe16(14, polegada_);
    poe32(16, 0);
    std::uint16_t soma = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        soma ^= static_cast<std::uint16_t>(dados_[i] | (dados_[i + 1] << 8));
    poe16(20, soma);

    const std::size_t c = TamPlaceable;
    poe16(c + 0, 1);       // on disk
    poe16(c + 2, 9);       // header WORDs
    poe16(c + 4, 0x0300);  // version 3
    poe32(c + 6, static_cast<std::uint32_t>((dados_.size() - TamPlaceable) / 2));
    poe16(c + 10, static_cast<std::uint16_t>(std::max(pico_, 1)));
    poe32(c + 12, maiorRegistro_);
    poe16(c + 16, 0);
    return std::move(dados_);
}

}  // namespace Wmf
