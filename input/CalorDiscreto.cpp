#include "input/CalorDiscreto.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/Erros.h"
#include "core/Numeros.h"
#include "input/UnidadesEntrada.h"

namespace CalorDiscreto {

namespace {

// Keeps the hour counter an exact whole number however long the intervals are.
constexpr long long LimiteHoras = 1LL << 52;

long long Satura(long long v) {
    if (v > LimiteHoras) return LimiteHoras;
    if (v < -LimiteHoras) return -LimiteHoras;
    return v;
}

struct Ponto {
    double dias;
    double temperatura;
};

Ponto Converte(const LinhaTexto& l) {
    const double t = Numeros::TextoParaReal(l.tempo);
    const double T = Numeros::TextoParaReal(l.temperatura);
    return {t, T};
}

bool EhBranco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// One number with a decimal point at `p`, after blanks; advances `p`.
bool LeNumero(const char*& p, const char* fim, double& valor) {
    while (p != fim && EhBranco(*p)) ++p;
    if (p != fim && *p == '+') ++p;
    const auto [q, ec] = std::from_chars(p, fim, valor);
    if (ec != std::errc() || !std::isfinite(valor)) return false;
    p = q;
    return true;
}

}  // namespace

long long HorasDoIntervalo(double dias) {
    const double horas = dias * 24.0;
    if (std::isnan(horas)) return 0;
    const double absoluto = std::trunc(std::fabs(horas) + 1e-6);
    const long long m = absoluto >= static_cast<double>(LimiteHoras)
                            ? LimiteHoras
                            : static_cast<long long>(absoluto);
    return horas < 0.0 ? -m : m;
}

Resultado PreencheTabela(const std::vector<LinhaTexto>& pontos, double ro, double calorEsp,
                         bool unidadesUsuais, std::array<double, MaxHoras + 1>& tabela) {
    Resultado r;
    if (pontos.size() < 2) return r;
    const double roC = ro * calorEsp / 3600.0;
    long long s = 0;
    Ponto anterior = Converte(pontos[0]);
    for (std::size_t i = 1; i < pontos.size(); ++i) {
        const Ponto atual = Converte(pontos[i]);
        const long long m = HorasDoIntervalo(atual.dias - anterior.dias);
        if (m > 0) {
            const double dT = atual.temperatura - anterior.temperatura;
            const double taxa = UnidadesEntrada::TaxaTabelaArmazenada(dT / static_cast<double>(m) * roC,
                                                                      unidadesUsuais);
            if (!std::isfinite(taxa)) {
                throw ErroEntrada("A curva adiabática entre as linhas " + std::to_string(i) + " e " +
                                  std::to_string(i + 1) +
                                  " dá uma taxa de calor que não é um número finito.");
            }
            const long long primeira = std::max<long long>(s + 1, 1);
            const long long ultima = std::min<long long>(s + m, MaxHoras);
            for (long long h = primeira; h <= ultima; ++h) {
                tabela[static_cast<std::size_t>(h)] = taxa;
                ++r.horasEscritas;
            }
            if (s + m > MaxHoras) r.horasOmitidas += s + m - std::max<long long>(s, MaxHoras);
        }
        s = Satura(s + m);
        anterior = atual;
    }
    return r;
}

std::optional<std::vector<PontoArquivo>> LeArquivo(std::istream& entrada) {
    std::vector<PontoArquivo> pontos;
    std::string linha;
    while (std::getline(entrada, linha)) {
        const char* p = linha.data();
        const char* fim = p + linha.size();
        const char* q = p;
        while (q != fim && EhBranco(*q)) ++q;
        if (q == fim) continue;
        PontoArquivo ponto;
        if (!LeNumero(p, fim, ponto.horas)) return std::nullopt;
        // The two numbers are separated by blanks: "1.5x 20" is not a point.
        if (p == fim || !EhBranco(*p)) return std::nullopt;
        if (!LeNumero(p, fim, ponto.temperatura)) return std::nullopt;
        if (p != fim && !EhBranco(*p)) return std::nullopt;
        pontos.push_back(ponto);
    }
    return pontos;
}

}  // namespace CalorDiscreto
