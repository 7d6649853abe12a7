#include "obra/Protecoes.h"

#include <algorithm>
#include <array>

#include "core/Erros.h"
#include "core/Numeros.h"

namespace Protecoes {

namespace {

// R = e/k with the conductivities of the materials at about 24 °C.
constexpr std::array<TPredefinicaoProtecao, 8> Tabela{{
    {"Lona de polietileno (camada de ar)", 0.15},
    {"Manta de espuma de polietileno 10 mm", 0.25},
    {"Manta de lã mineral 25 mm", 0.625},
    {"Manta de lã mineral 50 mm", 1.25},
    {"Placa de poliestireno expandido (EPS) 25 mm", 0.66},
    {"Placa de poliestireno expandido (EPS) 50 mm", 1.32},
    {"Placa de poliestireno extrudado (XPS) 25 mm", 0.86},
    {"Fôrma de compensado 18 mm", 0.15},
}};

}  // namespace

std::span<const TPredefinicaoProtecao> Predefinicoes() { return Tabela; }

std::vector<TProtecao>& DoTopo(TDadosObra& obra, int camada) {
    if (camada < 1 || camada > MaxCamadas) {
        throw ErroEntrada("A camada " + Numeros::FormataInteiro(camada) + " não existe (1 a " +
                          Numeros::FormataInteiro(MaxCamadas) + ").");
    }
    if (obra.ProtecoesTopo.size() <= static_cast<std::size_t>(camada)) {
        obra.ProtecoesTopo.resize(static_cast<std::size_t>(camada + 1));
    }
    return obra.ProtecoesTopo[static_cast<std::size_t>(camada)];
}

const std::vector<TProtecao>* DoTopo(const TDadosObra& obra, int camada) {
    if (camada < 1 || obra.ProtecoesTopo.size() <= static_cast<std::size_t>(camada)) return nullptr;
    return &obra.ProtecoesTopo[static_cast<std::size_t>(camada)];
}

double RetiradaPadrao(double horaCamada, double horaProxima) { return horaProxima - horaCamada + 1.0; }

double HorasDescobertas(const TDadosModelo& d, int camada) {
    if (camada < 1 || camada >= d.NCamadas || camada >= MaxCamadas) return 0.0;
    const std::vector<TProtecao>* lista = DoTopo(ObraDe(d), camada);
    if (!lista) return 0.0;
    const int ultima = UltimaARetirar(*lista);
    if (ultima < 0) return 0.0;
    const double hora = d.Camadas[static_cast<std::size_t>(camada)].HoraConcretagem;
    const double proxima = d.Camadas[static_cast<std::size_t>(camada + 1)].HoraConcretagem;
    return std::max(0.0, RetiradaPadrao(hora, proxima) - (*lista)[static_cast<std::size_t>(ultima)].HoraRetirada);
}

std::vector<std::string> AvisosTopoDescoberto(const TDadosModelo& d) {
    std::vector<std::string> avisos;
    for (int L = 1; L < d.NCamadas && L < MaxCamadas; ++L) {
        const double horas = HorasDescobertas(d, L);
        if (horas > 0.0 && horas <= 1.0)
            avisos.push_back("O topo da camada " + Numeros::FormataInteiro(L) + " fica descoberto por " +
                             Numeros::FormataGeral(horas) + " h entre a retirada da sua proteção e a cobertura pela camada " +
                             Numeros::FormataInteiro(L + 1) + ".");
    }
    return avisos;
}

int UltimaARetirar(const std::vector<TProtecao>& lista) {
    int escolhida = -1;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (escolhida < 0 || lista[i].HoraRetirada >= lista[static_cast<std::size_t>(escolhida)].HoraRetirada)
            escolhida = static_cast<int>(i);
    }
    return escolhida;
}

std::string Descricao(const TProtecao& p) {
    return (p.Nome.empty() ? std::string("Proteção") : p.Nome) + ": R = " + Numeros::FormataGeral(p.R) +
           " m²·°C/W, da hora " + Numeros::FormataGeral(p.HoraColocacao) + " à hora " +
           Numeros::FormataGeral(p.HoraRetirada) + " após o lançamento";
}

}  // namespace Protecoes
