#include "stress/ui/CurvasTensao.h"

#include <algorithm>
#include <cmath>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "stress/Restricao.h"

namespace CurvasTensao {

namespace {
// Reads one cell: false ends the curve (a cell that is not a number).
bool LeCelula(const TabelaTexto& tabela, int coluna, int linha, double& valor) {
    try {
        valor = tabela.Valor(coluna, linha);
        return true;
    } catch (const ErroConversao&) {
        return false;
    }
}
}  // namespace

std::vector<Ponto> HistoricoNo(const TabelaTexto& tabela, int no) {
    std::vector<Ponto> pontos;
    if (no < 1 || no >= tabela.Colunas()) return pontos;
    pontos.reserve(static_cast<std::size_t>(std::max(tabela.Linhas() - 1, 0)));
    for (int r = 1; r < tabela.Linhas(); ++r) {
        if (tabela.Celula(no, r).empty()) continue;
        double hora = 0.0, tensao = 0.0;
        if (!LeCelula(tabela, 0, r, hora) || !LeCelula(tabela, no, r, tensao)) break;
        pontos.push_back({hora, tensao});
    }
    return pontos;
}

std::vector<Ponto> PerfilLinha(const TabelaTexto& tabela, int linha, int nos) {
    std::vector<Ponto> pontos;
    if (linha < 1 || linha >= tabela.Linhas()) return pontos;
    const int ultimo = std::min(nos, tabela.Colunas() - 1);
    for (int j = 1; j <= ultimo; ++j) {
        if (tabela.Celula(j, linha).empty()) continue;
        double tensao = 0.0;
        if (!LeCelula(tabela, j, linha, tensao)) break;
        pontos.push_back({static_cast<double>(j), tensao});
    }
    return pontos;
}

Resistencia ParametrosResistencia(const TDadosModelo& d, TipoResistencia tipo) {
    switch (tipo) {
        case TipoResistencia::Flexao: return {d.ResistFlexaoA, d.ResistFlexaoB, -1.0};
        case TipoResistencia::Tracao: return {d.ResistTracaoA, d.ResistTracaoB, -1.0};
        case TipoResistencia::Diametral: return {d.ResistDiametralA, d.ResistDiametralB, -1.0};
        case TipoResistencia::Compressao: break;
    }
    return {d.ResistComprA, d.ResistComprB, 1.0};
}

int CamadaResistencia(const TDadosModelo& d, int no) {
    // The layer whose stress history the node carries: the joint belongs to the lower one.
    const int camada = d.NElemCamada > 0 ? Membro::CamadaDoNo(d, no) : 1;
    return std::clamp(camada, 1, std::clamp(d.NCamadas, 1, MaxCamadas));
}

namespace {
// Adds (x, ±S(z)) while the denominator holds.
bool AcrescentaPonto(CurvaResistencia& curva, const Resistencia& r, double x, double z) {
    const double s = ::CurvaResistencia(z, r.a, r.b);
    if (!std::isfinite(s)) {
        curva.divisaoPorZero = true;
        return false;
    }
    curva.pontos.push_back({x, r.sinal * s});
    return true;
}
}  // namespace

CurvaResistencia ResistenciaTempo(const TDadosModelo& d, TipoResistencia tipo, int no) {
    const Resistencia r = ParametrosResistencia(d, tipo);
    const int camada = CamadaResistencia(d, no);
    const long long n = Membro::HorasDaCamada(d, camada);
    CurvaResistencia curva;
    curva.pontos.reserve(static_cast<std::size_t>(std::max(n, 0LL)));
    // Age i hours of the layer, drawn at its absolute hour.
    for (long long i = 1; i <= n; ++i)
        if (!AcrescentaPonto(curva, r, Membro::HoraAbsoluta(d, camada, static_cast<double>(i)), static_cast<double>(i) / 24.0))
            break;
    return curva;
}

CurvaResistencia ResistenciaEixo(const TDadosModelo& d, TipoResistencia tipo, int hora, int nos) {
    const Resistencia r = ParametrosResistencia(d, tipo);
    CurvaResistencia curva;
    for (int j = 1; j <= nos; ++j)
        if (!AcrescentaPonto(curva, r, static_cast<double>(j), static_cast<double>(hora) / 24.0)) break;
    return curva;
}

}  // namespace CurvasTensao
