#include "results/Medicoes.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"

namespace {

std::string Apara(const std::string& s) {
    const auto i = s.find_first_not_of(" \t\r\"");
    if (i == std::string::npos) return {};
    const auto f = s.find_last_not_of(" \t\r\"");
    return s.substr(i, f - i + 1);
}

std::vector<std::string> Divide(const std::string& linha, char sep) {
    std::vector<std::string> r;
    std::string c;
    for (char ch : linha) {
        if (ch == sep) {
            r.push_back(Apara(c));
            c.clear();
        } else {
            c += ch;
        }
    }
    r.push_back(Apara(c));
    return r;
}

std::string Onde(std::size_t linha, std::size_t coluna) {
    return "linha " + std::to_string(linha) + ", coluna " + std::to_string(coluna);
}

// Decimal comma or, when `ponto`, also the decimal point.
double Numero(std::string texto, bool ponto, std::size_t linha, std::size_t coluna) {
    if (ponto) std::replace(texto.begin(), texto.end(), '.', ',');
    try {
        return Numeros::TextoParaReal(texto);
    } catch (const ErroConversao& e) {
        throw ErroEntrada("Arquivo de medições: " + Onde(linha, coluna) + ": " + e.what());
    }
}

// "T1 (0,5 m)" or "T1 @ 0,5".
TSensor Cabecalho(const std::string& c, bool ponto, std::size_t coluna) {
    TSensor s;
    std::string altura;
    if (const auto a = c.rfind('@'); a != std::string::npos) {
        s.Nome = Apara(c.substr(0, a));
        altura = Apara(c.substr(a + 1));
    } else if (const auto p = c.rfind('('); p != std::string::npos && c.back() == ')') {
        s.Nome = Apara(c.substr(0, p));
        altura = Apara(c.substr(p + 1, c.size() - p - 2));
        if (altura.size() >= 1 && altura.back() == 'm') altura = Apara(altura.substr(0, altura.size() - 1));
    } else {
        throw ErroEntrada("Arquivo de medições: linha 1, coluna " + std::to_string(coluna) + ": \"" + c +
                          "\" não dá a altura do sensor; escreva \"Nome (0,5 m)\" ou \"Nome @ 0,5\"");
    }
    if (s.Nome.empty()) s.Nome = "Sensor " + std::to_string(coluna - 1);
    s.Altura = Numero(altura, ponto, 1, coluna);
    if (s.Altura < 0.0)
        throw ErroEntrada("Arquivo de medições: linha 1, coluna " + std::to_string(coluna) +
                          ": a altura do sensor não pode ser negativa");
    return s;
}

long long DiasCivis(long long a, unsigned m, unsigned d) {
    // Days from 1970-01-01 of a proleptic Gregorian date.
    a -= m <= 2;
    const long long era = (a >= 0 ? a : a - 399) / 400;
    const unsigned ano = static_cast<unsigned>(a - era * 400);
    const unsigned dia = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = ano * 365 + ano / 4 - ano / 100 + dia;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

int Inteiro(const std::string& s, std::size_t& i, int digitosMax) {
    int v = 0, n = 0;
    while (i < s.size() && n < digitosMax && s[i] >= '0' && s[i] <= '9') {
        v = v * 10 + (s[i] - '0');
        ++i;
        ++n;
    }
    if (n == 0) throw ErroEntrada("");
    return v;
}

bool DiasNoMes(int a, int m, int d) {
    static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1) return false;
    const bool bissexto = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    return d <= dias[m - 1] + (m == 2 && bissexto ? 1 : 0);
}

}  // namespace

namespace Medicoes {

double HorasDataHora(const std::string& texto) {
    const std::string t = Apara(texto);
    const auto invalida = [&] {
        return ErroEntrada("\"" + t + "\" não é uma data e hora válida (AAAA-MM-DD HH:MM ou DD/MM/AAAA HH:MM)");
    };
    try {
        std::size_t i = 0;
        int a = 0, m = 0, d = 0;
        const int primeiro = Inteiro(t, i, 4);
        if (i < t.size() && t[i] == '-') {
            a = primeiro;
            ++i;
            m = Inteiro(t, i, 2);
            if (i >= t.size() || t[i++] != '-') throw invalida();
            d = Inteiro(t, i, 2);
        } else if (i < t.size() && t[i] == '/') {
            d = primeiro;
            ++i;
            m = Inteiro(t, i, 2);
            if (i >= t.size() || t[i++] != '/') throw invalida();
            a = Inteiro(t, i, 4);
        } else {
            throw invalida();
        }
        if (i >= t.size() || (t[i] != ' ' && t[i] != 'T')) throw invalida();
        while (i < t.size() && (t[i] == ' ' || t[i] == 'T')) ++i;
        const int h = Inteiro(t, i, 2);
        if (i >= t.size() || t[i++] != ':') throw invalida();
        const int min = Inteiro(t, i, 2);
        int seg = 0;
        if (i < t.size() && t[i] == ':') {
            ++i;
            seg = Inteiro(t, i, 2);
        }
        if (i != t.size() || !DiasNoMes(a, m, d) || h > 23 || min > 59 || seg > 59) throw invalida();
        return static_cast<double>(DiasCivis(a, static_cast<unsigned>(m), static_cast<unsigned>(d))) * 24.0 + h +
               min / 60.0 + seg / 3600.0;
    } catch (const ErroEntrada& e) {
        if (std::string(e.what()).empty()) throw invalida();
        throw;
    }
}

std::vector<TSensor> LeTexto(const std::string& bruto, const std::string& origem) {
    std::string texto = bruto;
    if (texto.rfind("\xEF\xBB\xBF", 0) == 0) texto.erase(0, 3);
    std::vector<std::string> linhas;
    {
        std::string l;
        for (char c : texto) {
            if (c == '\n') {
                linhas.push_back(l);
                l.clear();
            } else {
                l += c;
            }
        }
        linhas.push_back(l);
    }
    while (!linhas.empty() && Apara(linhas.back()).empty()) linhas.pop_back();
    if (linhas.empty()) throw ErroEntrada("Arquivo de medições vazio");
    const std::string& cab = linhas[0];
    const char sep = cab.find(';') != std::string::npos ? ';' : cab.find('\t') != std::string::npos ? '\t' : ',';
    const bool ponto = true;  // with ',' between cells only the point can be decimal
    const auto titulos = Divide(cab, sep);
    if (titulos.size() < 2) {
        throw ErroEntrada("Arquivo de medições: a linha 1 deve nomear a coluna da hora e ao menos um sensor, "
                          "separados por ';'");
    }
    const bool comData = !origem.empty();
    const double zero = comData ? HorasDataHora(origem) : 0.0;
    std::vector<TSensor> sensores;
    for (std::size_t c = 1; c < titulos.size(); ++c) sensores.push_back(Cabecalho(titulos[c], ponto, c + 1));
    for (std::size_t n = 1; n < linhas.size(); ++n) {
        if (Apara(linhas[n]).empty()) continue;
        const auto celulas = Divide(linhas[n], sep);
        if (celulas.size() > titulos.size())
            throw ErroEntrada("Arquivo de medições: a linha " + std::to_string(n + 1) + " tem " +
                              std::to_string(celulas.size()) + " colunas e o cabeçalho " + std::to_string(titulos.size()));
        double hora = 0.0;
        if (comData) {
            try {
                hora = HorasDataHora(celulas[0]) - zero;
            } catch (const ErroEntrada& e) {
                throw ErroEntrada("Arquivo de medições: " + Onde(n + 1, 1) + ": " + e.what());
            }
        } else {
            hora = Numero(celulas[0], ponto, n + 1, 1);
        }
        for (std::size_t c = 1; c < celulas.size(); ++c) {
            if (celulas[c].empty()) continue;
            TSensor& s = sensores[c - 1];
            if (!s.Leituras.empty() && !(hora > s.Leituras.back().Hora))
                throw ErroEntrada("Arquivo de medições: " + Onde(n + 1, 1) + ": as horas devem crescer de uma linha para a outra");
            s.Leituras.push_back({hora, Numero(celulas[c], ponto, n + 1, c + 1)});
        }
    }
    for (const auto& s : sensores)
        if (s.Leituras.empty()) throw ErroEntrada("Arquivo de medições: o sensor \"" + s.Nome + "\" não tem leitura");
    return sensores;
}

std::vector<TSensor> LeArquivo(const std::string& caminho, const std::string& origem) {
    std::ifstream f(caminho, std::ios::binary);
    if (!f) throw ErroEntrada("Não foi possível abrir o arquivo de medições \"" + caminho + "\"");
    const std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) throw ErroEntrada("Não foi possível ler o arquivo de medições \"" + caminho + "\"");
    return LeTexto(texto, origem);
}

double AlturaNo(const TDadosModelo& d, int no) {
    const int ne = std::max(1, static_cast<int>(d.NElemCamada));
    int L = (no - 1) / ne + 1;
    int k = (no - 1) % ne;
    if (L > d.NCamadas) {  // the top face
        L = d.NCamadas;
        k = ne;
    }
    const int primeira = Membro::PrimeiraCamadaDeConcreto(d);
    const double base = d.Camadas[static_cast<std::size_t>(std::min(primeira, std::max(1, static_cast<int>(d.NCamadas))))].XIni;
    const TCamada& c = d.Camadas[static_cast<std::size_t>(std::max(L, 1))];
    return c.XIni + k * (c.Espessura / ne) - base;
}

namespace {

// Linear in height at one row; nothing when a cell is empty or unreadable.
std::optional<double> NaLinha(const TabelaTexto& t, int linha, int a, int b, double w) {
    try {
        if (t.Celula(a, linha).Vista().find_first_not_of(' ') == std::string::npos) return std::nullopt;
        if (t.Celula(b, linha).Vista().find_first_not_of(' ') == std::string::npos) return std::nullopt;
        const double ta = t.Valor(a, linha);
        const double tb = t.Valor(b, linha);
        return ta + w * (tb - ta);
    } catch (const ErroConversao&) {
        return std::nullopt;
    }
}

struct Nos {
    int a = 0, b = 0;
    double w = 0.0;
    double Lancamento = 0.0;  // placement of the element between them: its cells hold nothing before
};

std::optional<Nos> NosEmVolta(const TDadosModelo& d, const TabelaTexto& t, double altura) {
    const int nos = static_cast<int>(std::min<long long>(Membro::NumeroNos(d), t.Colunas() - 1));
    if (nos < 2) return std::nullopt;
    const double tol = 1e-9;
    if (altura < AlturaNo(d, 1) - tol || altura > AlturaNo(d, nos) + tol) return std::nullopt;
    for (int n = 1; n < nos; ++n) {
        const double za = AlturaNo(d, n), zb = AlturaNo(d, n + 1);
        if (altura <= zb + tol) {
            const double w = zb > za ? std::clamp((altura - za) / (zb - za), 0.0, 1.0) : 0.0;
            return Nos{n, n + 1, w, Membro::Lancamento(d, Membro::CamadaDoElemento(d, n))};
        }
    }
    return std::nullopt;
}

double HoraLinha(const TabelaTexto& t, int linha) {
    try {
        return t.Valor(0, linha);
    } catch (const ErroConversao&) {
        return std::nan("");
    }
}

}  // namespace

std::optional<double> Calculada(const TDadosModelo& d, const TabelaTexto& t, double altura, double hora) {
    const auto nos = NosEmVolta(d, t, altura);
    if (!nos) return std::nullopt;
    // Rows hold increasing hours: the first at or after the hour.
    int lo = 1, hi = t.Linhas() - 1;
    while (hi >= 1 && !std::isfinite(HoraLinha(t, hi))) --hi;
    if (hi < 1 || !(hora >= HoraLinha(t, 1) - 1e-9) || hora > HoraLinha(t, hi) + 1e-9) return std::nullopt;
    while (lo < hi) {
        const int meio = (lo + hi) / 2;
        if (HoraLinha(t, meio) < hora - 1e-9) lo = meio + 1;
        else hi = meio;
    }
    const double h1 = HoraLinha(t, lo);
    if (!(h1 > nos->Lancamento)) return std::nullopt;
    const auto v1 = NaLinha(t, lo, nos->a, nos->b, nos->w);
    if (!v1) return std::nullopt;
    if (std::fabs(h1 - hora) <= 1e-9 || lo == 1) return v1;
    const double h0 = HoraLinha(t, lo - 1);
    if (!(h0 > nos->Lancamento)) return std::nullopt;
    const auto v0 = NaLinha(t, lo - 1, nos->a, nos->b, nos->w);
    if (!v0) return std::nullopt;
    return *v0 + (hora - h0) / (h1 - h0) * (*v1 - *v0);
}

std::vector<TLeitura> CurvaCalculada(const TDadosModelo& d, const TabelaTexto& t, double altura) {
    std::vector<TLeitura> r;
    const auto nos = NosEmVolta(d, t, altura);
    if (!nos) return r;
    for (int linha = 1; linha < t.Linhas(); ++linha) {
        const double h = HoraLinha(t, linha);
        if (!std::isfinite(h)) break;
        if (!(h > nos->Lancamento)) continue;
        if (const auto v = NaLinha(t, linha, nos->a, nos->b, nos->w)) r.push_back({h, *v});
    }
    return r;
}

Comparacao Compara(const TDadosModelo& d, const TabelaTexto& t, const TSensor& s, double ateHora) {
    Comparacao c;
    double soma = 0.0;
    for (const TLeitura& l : s.Leituras) {
        if (l.Hora > ateHora) break;
        if (const auto v = Calculada(d, t, s.Altura, l.Hora)) {
            const double e = l.Temperatura - *v;
            soma += e * e;
            ++c.Pontos;
        }
    }
    if (c.Pontos > 0) c.RMS = std::sqrt(soma / c.Pontos);
    return c;
}

}  // namespace Medicoes
