#pragma once
#include <span>
#include <string>
#include <vector>

#include "core/DadosModelo.h"
#include "obra/DadosObra.h"

// Common blankets, boards and forms with their thermal resistance R = e/k, e the
// thickness and k the conductivity of the material (docs/modelos.md gives the source).
struct TPredefinicaoProtecao {
    const char* Nome;
    double R;  // m²·°C/W
};

namespace Protecoes {

std::span<const TPredefinicaoProtecao> Predefinicoes();

// The protections of the top face of lift L (1-based), creating the empty lists
// up to it.
std::vector<TProtecao>& DoTopo(TDadosObra& obra, int camada);
const std::vector<TProtecao>* DoTopo(const TDadosObra& obra, int camada);

// The default removal of a lift's top protection, in hours after the lift's
// placement: the hour at which the next lift, placed `horaProxima` (hours on the
// analysis clock) covers the top with its own nodes, one hour after its placement,
// so that no hour is left bare.
double RetiradaPadrao(double horaCamada, double horaProxima);

// Hours the top of lift `camada` stays bare between the removal of its last protection
// and the hour the next lift covers it (the rule of RetiradaPadrao); 0 when the lift has
// no top protection, is never bare, or is the last one analysed.
double HorasDescobertas(const TDadosModelo& dados, int camada);
// One sentence for every lift whose top a removal leaves bare for an hour or less before
// the next lift covers it: a short exposure of a hot face that is easy to miss.
std::vector<std::string> AvisosTopoDescoberto(const TDadosModelo& dados);

// The protection of a face that comes off last, the one whose removal exposes the
// face (of two at the same hour, the later in the list): its index, −1 for none.
int UltimaARetirar(const std::vector<TProtecao>& lista);

// One line per protection, for lists and reports: "Manta 25 mm: R = 0,63 m²·°C/W, de 0 a 72 h".
std::string Descricao(const TProtecao& p);

}  // namespace Protecoes
