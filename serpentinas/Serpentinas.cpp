#include "serpentinas/Serpentinas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "core/Erros.h"
#include "core/Func.h"
#include "core/Membro.h"
#include "core/Numeros.h"

namespace Serpentinas {

namespace {
constexpr double Pi = std::numbers::pi;
}

const std::vector<TPredefinicao>& Predefinicoes() {
    // HDPE 32 × 2,0 mm, the plastic pipe of dam post-cooling; thin-walled steel 1″.
    static const std::vector<TPredefinicao> lista{
        {"PEAD 32 mm", {0.032, 0.002, 0.45}},
        {"Aço 1\u2033", {0.0254, 0.0015, 45.0}},
    };
    return lista;
}

double VazaoMassica(double litrosPorMinuto) { return litrosPorMinuto / 60000.0 * MassaEspecificaAgua; }

double DiametroInterno(const TTubo& t) { return t.DiametroExterno - 2.0 * t.Espessura; }

double Reynolds(const TTubo& t, double litrosPorMinuto) {
    return 4.0 * VazaoMassica(litrosPorMinuto) / (Pi * DiametroInterno(t) * ViscosidadeAgua);
}

namespace {
// Gnielinski (1976), 3000 ≤ Re ≤ 5·10⁶, with Petukhov's smooth-pipe friction factor.
double Gnielinski(double re, double pr) {
    const double f = std::pow(0.790 * std::log(re) - 1.64, -2.0);
    return (f / 8.0) * (re - 1000.0) * pr / (1.0 + 12.7 * std::sqrt(f / 8.0) * (std::pow(pr, 2.0 / 3.0) - 1.0));
}
}  // namespace

double Nusselt(double re, double pr) {
    if (re <= ReynoldsLaminar) return NusseltLaminar;
    if (re >= ReynoldsTurbulento) return Gnielinski(re, pr);
    const double s = (re - ReynoldsLaminar) / (ReynoldsTurbulento - ReynoldsLaminar);
    return NusseltLaminar + s * (Gnielinski(ReynoldsTurbulento, pr) - NusseltLaminar);
}

double CoeficientePelicula(const TTubo& t, double litrosPorMinuto) {
    return Nusselt(Reynolds(t, litrosPorMinuto)) * CondutividadeAgua / DiametroInterno(t);
}

double ResistenciaAguaParede(const TTubo& t, double litrosPorMinuto) {
    const double di = DiametroInterno(t);
    return 1.0 / (CoeficientePelicula(t, litrosPorMinuto) * Pi * di) +
           std::log(t.DiametroExterno / di) / (2.0 * Pi * t.Condutividade);
}

double RaioEquivalente(double espacamento, double alturaFaixa) { return std::sqrt(espacamento * alturaFaixa / Pi); }

double ResistenciaConcretoMedia(double a, double b, double k) {
    const double d = b * b - a * a;
    return (std::pow(b, 4) * std::log(b / a) / (d * d) - (3.0 * b * b - a * a) / (4.0 * d)) / (2.0 * Pi * k);
}

void TCilindro::Define(double a, double b, double k, double rhoC, int nos) {
    const auto n = static_cast<std::size_t>(nos);
    r_.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) r_[i] = a * std::pow(b / a, static_cast<double>(i) / static_cast<double>(n - 1));
    r_.back() = b;
    // Control volume i spans the midpoints to its neighbours (a and b at the ends).
    area_.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double dentro = i == 0 ? a : 0.5 * (r_[i - 1] + r_[i]);
        const double fora = i + 1 == n ? b : 0.5 * (r_[i] + r_[i + 1]);
        area_[i] = Pi * (fora * fora - dentro * dentro) * rhoC;  // capacity per metre, J/(m·°C)
    }
    capacidade_ = 0.0;
    for (double c : area_) capacidade_ += c;
    cond_.assign(n, 0.0);
    for (std::size_t i = 0; i + 1 < n; ++i) cond_[i] = 2.0 * Pi * k / std::log(r_[i + 1] / r_[i]);
    w_.assign(n, 0.0);
    wh_.assign(n, 0.0);
    w1_.assign(n, 0.0);
    diag_.assign(n, 0.0);
    mult_.assign(n, 0.0);
    b_.assign(n, 0.0);
    c_.assign(n, 0.0);
    dtFator_ = -1.0;
}

TCilindro::Resposta TCilindro::Prepara(double dt, double rAgua, int subpassos) {
    const std::size_t n = r_.size();
    const bool agua = rAgua > 0.0 && std::isfinite(rAgua);
    rAgua_ = agua ? rAgua : 0.0;
    dt_ = dt;
    // Substeps of (C/dts + conduction + 1/R at node 0)·w' = C/dts·w − E/R·e₀, for E = 0
    // from the accepted state (wh) and for a unit drive from rest (w1), by the Thomas
    // algorithm. The elimination and the unit response depend only on the step, the
    // water and the substeps: kept while they stay the same.
    if (dt != dtFator_ || rAgua_ != rFator_ || subpassos != subFator_) {
        dtFator_ = dt;
        rFator_ = rAgua_;
        subFator_ = subpassos;
        const double dts = dt / subpassos;
        for (std::size_t i = 0; i < n; ++i) {
            c_[i] = area_[i] / dts;
            diag_[i] = c_[i] + (i > 0 ? cond_[i - 1] : 0.0) + (i + 1 < n ? cond_[i] : 0.0);
        }
        if (agua) diag_[0] += 1.0 / rAgua_;
        for (std::size_t i = 1; i < n; ++i) {
            mult_[i] = -cond_[i - 1] / diag_[i - 1];
            diag_[i] += mult_[i] * cond_[i - 1];
        }
        for (std::size_t i = 0; i < n; ++i) diag_[i] = 1.0 / diag_[i];  // kept inverted
        std::fill(w1_.begin(), w1_.end(), 0.0);
        if (agua)
            for (int s = 0; s < subpassos; ++s) Resolve(w1_, -1.0 / rAgua_);
        m1_ = Media(w1_);
    }
    wh_ = w_;
    for (int s = 0; s < subpassos; ++s) Resolve(wh_, 0.0);
    m0_ = Media(w_);
    mh_ = Media(wh_);
    Resposta r;
    r.M0 = m0_;
    r.C = capacidade_;
    if (!agua) return r;
    // What the cylinder loses is what the water takes: q = −C·(mean(w') − mean(w))/dt,
    // with w' = wh + E·w1.
    r.G = -capacidade_ * m1_ / dt;
    r.Q = -capacidade_ * (mh_ - m0_) / dt;
    return r;
}

void TCilindro::Resolve(std::vector<double>& w, double fonte) {
    const std::size_t n = w.size();
    for (std::size_t i = 0; i < n; ++i) b_[i] = c_[i] * w[i];
    b_[0] += fonte;
    for (std::size_t i = 1; i < n; ++i) b_[i] -= mult_[i] * b_[i - 1];
    w[n - 1] = b_[n - 1] * diag_[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) w[i] = (b_[i] + cond_[i] * w[i + 1]) * diag_[i];
}

double TCilindro::Conclui(double drive) {
    if (!(rAgua_ > 0.0)) {
        w_.swap(wh_);
        return 0.0;
    }
    for (std::size_t i = 0; i < w_.size(); ++i) w_[i] = wh_[i] + drive * w1_[i];
    return -capacidade_ * (mh_ + drive * m1_ - m0_) / dt_;
}

double TCilindro::Media(const std::vector<double>& w) const {
    double s = 0.0;
    for (std::size_t i = 0; i < w.size(); ++i) s += area_[i] * w[i];
    return s / capacidade_;
}

double TCilindro::MediaDesvio() const { return Media(w_); }

namespace {
// The loop's heat per metre P + B·T_sem and the mean start deviation of its segments.
struct Marcha {
    double P = 0.0, B = 0.0, M0 = 0.0, C = 0.0;
};
Marcha Marcha0(const std::vector<TCilindro::Resposta>& seg, double comprimento, double mc, double tEntrada) {
    // T_in,j = α + β·T_sem, from α = Tentrada, β = 0 at the inlet.
    const double dx = comprimento / static_cast<double>(seg.size());
    double alfa = tEntrada, beta = 0.0;
    Marcha m;
    for (const TCilindro::Resposta& r : seg) {
        const double eps = -std::expm1(-r.G * dx / mc);
        alfa = alfa * (1.0 - eps) + eps * r.Q / r.G;
        beta = beta * (1.0 - eps) + eps;
        m.M0 += r.M0;
        m.C = r.C;
    }
    m.M0 /= static_cast<double>(seg.size());
    m.P = mc * (alfa - tEntrada) / comprimento;
    m.B = mc * beta / comprimento;
    return m;
}
bool ComAgua(const std::vector<TCilindro::Resposta>& seg) {
    for (const TCilindro::Resposta& r : seg)
        if (!(r.G > 0.0)) return false;
    return !seg.empty();
}
}  // namespace

TLaco Laco(const std::vector<TCilindro::Resposta>& seg, double comprimento, double mc, double tEntrada, double dt) {
    if (!ComAgua(seg)) return {};
    const Marcha m = Marcha0(seg, comprimento, mc, tEntrada);
    // T̄ = T_sem + M0 − q·dt/C with q = P + B·T_sem: q = B/(1 − dt·B/C)·(T̄ − (M0 − P/B)).
    TLaco l;
    l.Geff = m.B / (1.0 - dt * m.B / m.C);
    l.TRef = m.M0 - m.P / m.B;
    return l;
}

double AguaDoLaco(const std::vector<TCilindro::Resposta>& seg, double comprimento, double mc, double tEntrada,
                  double dt, double tMedia, std::vector<double>& drives) {
    drives.assign(seg.size(), 0.0);
    if (!ComAgua(seg)) return tEntrada;
    const Marcha m = Marcha0(seg, comprimento, mc, tEntrada);
    const double tSem = (tMedia - m.M0 + dt * m.P / m.C) / (1.0 - dt * m.B / m.C);
    const double dx = comprimento / static_cast<double>(seg.size());
    double t = tEntrada;
    for (std::size_t j = 0; j < seg.size(); ++j) {
        const TCilindro::Resposta& r = seg[j];
        const double eps = -std::expm1(-r.G * dx / mc);
        const double q = mc * eps * (tSem + r.Q / r.G - t) / dx;  // W/m
        // The segment's mean water gives q = G·(T_sem − Tagua) + Q.
        drives[j] = (q - r.Q) / r.G;
        t += q * dx / mc;
    }
    return t;
}

namespace {

// Upper case, the accented letters (bytes beyond ASCII) left out, blanks trimmed.
std::string Normaliza(const std::string& s) {
    std::string r;
    for (unsigned char ch : s)
        if (ch < 0x80 && ch != ' ' && ch != '\t' && ch != '"') r += static_cast<char>(std::toupper(ch));
    return r;
}

std::vector<std::string> Celulas(const std::string& linha, char separador) {
    std::vector<std::string> c(1);
    for (char ch : linha) {
        if (ch == separador) c.emplace_back();
        else c.back() += ch;
    }
    for (auto& x : c) {
        const auto i = x.find_first_not_of(" \t\"");
        const auto f = x.find_last_not_of(" \t\"");
        x = i == std::string::npos ? std::string() : x.substr(i, f - i + 1);
    }
    return c;
}

[[noreturn]] void RecusaSerie(const std::string& motivo) {
    throw ErroEntrada("Série da água das serpentinas: " + motivo);
}

}  // namespace

std::vector<double> LeSerieCsv(const std::string& texto, const std::string& coluna) {
    std::vector<std::string> linhas;
    std::string atual;
    std::size_t inicio = texto.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    for (std::size_t i = inicio; i < texto.size(); ++i) {
        const char ch = texto[i];
        if (ch == '\n') {
            linhas.push_back(atual);
            atual.clear();
        } else if (ch != '\r') {
            atual += ch;
        }
    }
    if (!atual.empty()) linhas.push_back(atual);
    if (linhas.empty()) RecusaSerie("o arquivo está vazio.");
    const char sep = linhas[0].find(';') != std::string::npos ? ';' : ',';
    const auto cab = Celulas(linhas[0], sep);
    const std::string alvo = Normaliza(coluna);
    int col = -1;
    for (std::size_t i = 0; i < cab.size(); ++i)
        if (!alvo.empty() && Normaliza(cab[i]) == alvo) col = static_cast<int>(i);
    if (cab.empty() || Normaliza(cab[0]) != "HORA")
        RecusaSerie("a primeira linha deve ser o cabeçalho, começando por \"hora\".");
    if (col < 1) RecusaSerie("o cabeçalho não tem a coluna \"" + coluna + "\".");
    std::vector<std::optional<double>> valores;
    long long anterior = -1;
    for (std::size_t l = 1; l < linhas.size(); ++l) {
        if (linhas[l].find_first_not_of(" \t;,") == std::string::npos) continue;
        const auto c = Celulas(linhas[l], sep);
        const std::string onde = "a linha " + Numeros::FormataInteiro(static_cast<long long>(l + 1));
        const auto numero = [&](std::string t) -> std::optional<double> {
            if (t.empty()) return std::nullopt;
            for (char& ch : t)
                if (ch == '.') ch = ',';
            try {
                return Numeros::TextoParaReal(t);
            } catch (const ErroConversao&) {
                RecusaSerie(onde + " tem \"" + t + "\", que não é um número.");
            }
        };
        const auto h = numero(c[0]);
        if (!h || !(*h >= 0.0 && *h <= 1e6) || *h != std::trunc(*h) || static_cast<long long>(*h) <= anterior)
            RecusaSerie(onde + " não começa por uma hora inteira depois da anterior.");
        anterior = static_cast<long long>(*h);
        valores.resize(static_cast<std::size_t>(anterior) + 1);
        valores.back() = numero(static_cast<std::size_t>(col) < c.size() ? c[static_cast<std::size_t>(col)] : "");
    }
    if (valores.empty() || !valores.front())
        RecusaSerie("a coluna \"" + coluna + "\" deve ter valor na hora 0.");
    while (!valores.back()) valores.pop_back();
    std::vector<double> serie(valores.size());
    std::size_t ultimo = 0;
    for (std::size_t k = 0; k < valores.size(); ++k) {
        if (!valores[k]) continue;
        if (k - ultimo - 1 > static_cast<std::size_t>(MaxLacunaAgua) && k > ultimo + 1)
            RecusaSerie("faltam as horas " + Numeros::FormataInteiro(static_cast<long long>(ultimo + 1)) + " a " +
                        Numeros::FormataInteiro(static_cast<long long>(k - 1)) + ", mais de " +
                        Numeros::FormataInteiro(MaxLacunaAgua) + " horas seguidas.");
        serie[k] = *valores[k];
        for (std::size_t j = ultimo + 1; j < k; ++j)
            serie[j] = serie[ultimo] + (serie[k] - serie[ultimo]) * static_cast<double>(j - ultimo) /
                                           static_cast<double>(k - ultimo);
        ultimo = k;
    }
    return serie;
}

}  // namespace Serpentinas
