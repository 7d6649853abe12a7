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

namespace {

template <class Tabela>
Resultado Preenche(const std::vector<LinhaTexto>& pontos, double ro, double calorEsp, bool unidadesUsuais,
                   Tabela& tabela) {
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

}  // namespace

Resultado PreencheTabela(const std::vector<LinhaTexto>& pontos, double ro, double calorEsp,
                         bool unidadesUsuais, std::array<double, MaxHoras + 1>& tabela) {
    return Preenche(pontos, ro, calorEsp, unidadesUsuais, tabela);
}

Resultado PreencheTabela(const std::vector<LinhaTexto>& pontos, double ro, double calorEsp,
                         bool unidadesUsuais, TTabelaHoraria<MaxHoras>& tabela) {
    return Preenche(pontos, ro, calorEsp, unidadesUsuais, tabela);
}

namespace {

// One point of the file at `p`; false when the line is not one.
bool LePonto(const char* p, const char* fim, PontoArquivo& ponto) {
    if (!LeNumero(p, fim, ponto.horas)) return false;
    // The two numbers are separated by blanks: "1.5x 20" is not a point.
    if (p == fim || !EhBranco(*p)) return false;
    if (!LeNumero(p, fim, ponto.temperatura)) return false;
    // "20,5" is not read as 20: what follows the temperature starts with a blank.
    return p == fim || EhBranco(*p);
}

// A line quoted in a message: without its line end, and short.
std::string TextoCitado(std::string linha) {
    while (!linha.empty() && (linha.back() == '\r' || linha.back() == '\n')) linha.pop_back();
    constexpr std::size_t Maximo = 60;
    if (linha.size() <= Maximo) return linha;
    std::size_t corte = Maximo;
    // Never in the middle of a UTF-8 character.
    while (corte > 0 && (static_cast<unsigned char>(linha[corte]) & 0xC0) == 0x80) --corte;
    return linha.substr(0, corte) + "...";
}

}  // namespace

std::optional<std::vector<PontoArquivo>> LeArquivo(std::istream& entrada, LinhaRecusada* recusa) {
    std::vector<PontoArquivo> pontos;
    std::string linha;
    long long numero = 0;
    while (std::getline(entrada, linha)) {
        ++numero;
        const char* p = linha.data();
        const char* fim = p + linha.size();
        const char* q = p;
        while (q != fim && EhBranco(*q)) ++q;
        if (q == fim) continue;
        PontoArquivo ponto;
        if (!LePonto(p, fim, ponto)) {
            if (recusa) *recusa = LinhaRecusada{numero, TextoCitado(linha)};
            return std::nullopt;
        }
        pontos.push_back(ponto);
    }
    return pontos;
}

std::string MensagemLinhaRecusada(const LinhaRecusada& recusa) {
    return "Linha " + std::to_string(recusa.numero) + " do arquivo não pôde ser lida: '" + recusa.texto +
           "'. Cada linha deve ter o tempo em horas e a temperatura adiabática em °C, separados por espaço, "
           "com ponto decimal; o que vier depois da temperatura deve estar separado dela por espaço. "
           "Nada foi importado.";
}

}  // namespace CalorDiscreto
