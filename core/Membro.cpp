#include "core/Membro.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Numeros.h"

namespace Membro {

namespace {
const TCamada& Camada(const TDadosModelo& d, int camada) { return d.Camadas[static_cast<std::size_t>(camada)]; }
}  // namespace

long long NumeroNos(const TDadosModelo& d) { return NumeroElementos(d) + 1; }

long long NumeroElementos(const TDadosModelo& d) { return static_cast<long long>(d.NCamadas) * d.NElemCamada; }

int NosAtivos(const TDadosModelo& d) { return d.NElemAtivos + 1; }

int CamadaDoNo(const TDadosModelo& d, int n) {
    if (n <= d.NElemCamada + 1) return 1;
    return (n - 1 + d.NElemCamada - 1) / d.NElemCamada;
}

bool NoDaFundacao(const TDadosModelo& d, int n) { return d.Fundacao && CamadaDoNo(d, n) == 1; }

bool CamadaDaFundacao(const TDadosModelo& d, int camada) { return d.Fundacao && camada == 1; }

int PrimeiraCamadaDeConcreto(const TDadosModelo& d) { return d.Fundacao ? 2 : 1; }

double BaseDoConcreto(const TDadosModelo& d) { return d.Fundacao ? Camada(d, 1).Espessura : 0.0; }

int PrimeiroNo(const TDadosModelo& d, int camada) { return camada <= 1 ? 1 : (camada - 1) * d.NElemCamada + 2; }

int UltimoNo(const TDadosModelo& d, int camada) { return camada * d.NElemCamada + 1; }

int CamadaDoElemento(const TDadosModelo& d, int elemento) { return (elemento - 1) / d.NElemCamada + 1; }

std::vector<double> Alturas(const TDadosModelo& d) {
    const int ne = std::max(d.NElemCamada, 0);
    const int camadas = std::clamp(d.NCamadas, 0, MaxCamadas);
    std::vector<double> y(ne > 0 ? static_cast<std::size_t>(camadas * ne + 2) : 2, 0.0);
    if (ne == 0) return y;
    // The element starts at the end of the one below: y(e) = y(e − 1) + h(e − 1), h = espessura/ne.
    std::size_t e = 1;
    double h = 0.0;
    for (int L = 1; L <= camadas; ++L) {
        const double he = Camada(d, L).Espessura / ne;
        for (int k = 1; k <= ne; ++k, ++e) {
            if (e > 1) y[e] = y[e - 1] + h;
            h = he;
        }
    }
    if (e > 1) y[e] = y[e - 1] + h;
    return y;
}

double AlturaNaMalha(const TDadosModelo& d, int no, int ultimoElemento) {
    const int e = std::clamp(no, 1, std::max(ultimoElemento, 1));
    const TCamada& el = d.Elementos[static_cast<std::size_t>(std::min(e, MaxElementos))];
    return no > ultimoElemento ? el.XIni + el.Espessura : el.XIni;
}

int CamadasDoMembro(const TDadosModelo& d) { return std::min(d.NCamadas, d.NCamadasMembro); }

int CamadasDoCronograma(const TDadosModelo& d) { return std::clamp(CamadasDoMembro(d), 1, MaxCamadas); }

std::string CamadasAnalisadas(const TDadosModelo& d) {
    if (d.NCamadas >= d.NCamadasMembro) return {};
    const std::string de = " das " + std::to_string(d.NCamadasMembro) + " camadas do membro.";
    if (d.NCamadas < 1) return "A análise não considera nenhuma" + de;
    if (d.NCamadas == 1) return "A análise considera só a camada 1" + de;
    return "A análise considera as camadas 1 a " + std::to_string(d.NCamadas) + de;
}

bool EntraNoPasso(const TDadosModelo& d, int camadas, double inicio) {
    return inicio != 0.0 && camadas < CamadasDoCronograma(d) && Camada(d, camadas + 1).HoraConcretagem == inicio;
}

int CamadasColocadas(const TDadosModelo& d, double hora) {
    const double t0 = Lancamento(d, 1);
    if (hora < t0) return 0;
    const int limite = CamadasDoCronograma(d);
    const double P = Passo(d);
    // Each layer enters at the start of a later step than the one before (layer 2 may
    // take the first step, t0 itself), on its exact hour, and shows in the rows after.
    int L = 1;
    double entrada = t0;
    while (L < limite) {
        const double h = Lancamento(d, L + 1);
        if (h < t0 || std::fmod(h - t0, P) != 0.0 || (L == 1 ? h < entrada : h <= entrada)) break;
        if (!EntraNoPasso(d, L, h) || !(h < hora)) break;
        ++L;
        entrada = h;
    }
    return L;
}

int CamadasAntesDe(const TDadosModelo& d, double hora, int ultima) {
    int n = 1;
    for (int k = 2; k <= std::min(ultima, MaxCamadas); ++k)
        if (Lancamento(d, k) < hora) ++n;
    return n;
}

double Lancamento(const TDadosModelo& d, int camada) { return Camada(d, camada).HoraConcretagem; }

double Idade(const TDadosModelo& d, int camada, double hora) { return hora - Lancamento(d, camada); }

double HoraAbsoluta(const TDadosModelo& d, int camada, double idade) { return Lancamento(d, camada) + idade; }

long long UltimaHoraInteira(const TDadosModelo& d) { return Numeros::Trunc(d.TempoTotal); }

long long HorasDaCamada(const TDadosModelo& d, int camada) {
    return UltimaHoraInteira(d) - Camada(d, camada).HoraConcretagem;
}

long long HoraInteira(double hora) { return Numeros::Round(hora); }

DiaEHora DiaHora(long long hora) {
    const long long dia = (hora >= 0 ? hora / 24 : -((-hora + 23) / 24)) + 1;
    return {dia, hora - (dia - 1) * 24};
}

long long HoraDoDia(long long dia, long long hora) { return (dia - 1) * 24 + hora; }

int Passo(const TDadosModelo& d) { return d.PassoTempo > 1 ? d.PassoTempo : 1; }

int Passos(const TDadosModelo& d) {
    const double k = std::floor((d.TempoTotal - Lancamento(d, 1)) / Passo(d));
    if (!(k > 0.0)) return 0;
    return static_cast<int>(std::min(k, static_cast<double>(std::numeric_limits<int>::max() - 1)));
}

double HoraDaLinha(const TDadosModelo& d, int linha) {
    return Lancamento(d, 1) + static_cast<double>(linha) * Passo(d);
}

int LinhaDaHora(const TDadosModelo& d, long long hora) {
    const long long desde = hora - Camada(d, 1).HoraConcretagem;
    if (desde < 0 || desde % Passo(d) != 0) return -1;
    return static_cast<int>(desde / Passo(d));
}

int LinhaMaisProxima(const TDadosModelo& d, long long hora, int primeiro) {
    const int ultimo = Passos(d);
    const long long desde = hora - Camada(d, 1).HoraConcretagem;
    // Nearest multiple of the step; halfway between two, the later one.
    const long long P = Passo(d);
    long long k = desde < 0 ? 0 : (desde + P / 2) / P;
    k = std::clamp<long long>(k, primeiro, std::max(ultimo, primeiro));
    return static_cast<int>(k);
}

long long PrimeiraHora(const TDadosModelo& d) { return static_cast<long long>(Camada(d, 1).HoraConcretagem) + Passo(d); }

long long UltimaHora(const TDadosModelo& d) {
    const int k = std::max(Passos(d), 1);
    return static_cast<long long>(Camada(d, 1).HoraConcretagem) + static_cast<long long>(k) * Passo(d);
}

int LinhasDoHistorico(const TDadosModelo& d) {
    double linhas = Passos(d) + 1.0;
    // Round of the hours, halves to even (nearbyint: it also takes the hours past a long long).
    if (d.PassoTempo == 1) linhas = std::max(linhas, std::nearbyint(d.TempoTotal - Lancamento(d, 1)) + 1.0);
    return static_cast<int>(std::min(linhas, static_cast<double>(std::numeric_limits<int>::max())));
}

long long LinhaHoraria(const TDadosModelo& d, long long hora) { return hora - Camada(d, 1).HoraConcretagem; }

}  // namespace Membro
