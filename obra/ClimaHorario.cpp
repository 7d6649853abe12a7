#include "obra/ClimaHorario.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>

#include "core/Cp1252.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/Validacao.h"

namespace {

using Serie = std::vector<std::optional<double>>;

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }

std::vector<std::string> Linhas(const std::string& bruto) {
    // Any of the encodings the tools save in; the byte-order mark goes with it.
    const std::string texto = Cp1252::ParaUtf8(bruto);
    std::vector<std::string> linhas;
    std::size_t i = 0;
    while (i <= texto.size()) {
        std::size_t f = texto.find('\n', i);
        if (f == std::string::npos) f = texto.size();
        std::string l = texto.substr(i, f - i);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        linhas.push_back(std::move(l));
        i = f + 1;
    }
    while (!linhas.empty() && linhas.back().find_first_not_of(" \t") == std::string::npos) linhas.pop_back();
    return linhas;
}

std::vector<std::string> Celulas(const std::string& linha) {
    std::vector<std::string> c;
    std::size_t i = 0;
    while (true) {
        const std::size_t f = linha.find(';', i);
        c.push_back(linha.substr(i, f == std::string::npos ? std::string::npos : f - i));
        if (f == std::string::npos) break;
        i = f + 1;
    }
    for (auto& s : c) {
        const auto a = s.find_first_not_of(" \t\"");
        const auto b = s.find_last_not_of(" \t\"");
        s = a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    }
    return c;
}

// Upper-case ASCII with the accented letters of both encodings dropped, for
// matching column names: "Radiação" and "RADIACAO" both give "RADIAO".
std::string Normaliza(const std::string& s) {
    std::string r;
    for (unsigned char ch : s) {
        if (ch < 0x80) r += static_cast<char>(std::toupper(ch));
    }
    return r;
}

// A cell with the decimal comma or point; "-9999" (or below) and empty are missing
// values, a gap in any column.
std::optional<double> Valor(const std::string& celula, const std::string& onde) {
    if (celula.empty()) return std::nullopt;
    std::string t = celula;
    std::replace(t.begin(), t.end(), '.', ',');
    // The service writes ",5" and "-,5" for 0,5 and -0,5.
    if (t[0] == ',') t = std::string("0") + t;
    else if (t.rfind("-,", 0) == 0) t = std::string("-0") + t.substr(1);
    double v = 0.0;
    try {
        v = Numeros::TextoParaReal(t);
    } catch (const ErroConversao&) {
        throw ErroEntrada("Arquivo de clima: " + onde + " tem \"" + celula + "\", que não é um número.");
    }
    if (v <= -9999.0) return std::nullopt;
    return v;
}

// The reading of a column, refused with the line when it is impossible: air outside
// the range of any site, negative wind or radiation (a wrong unit or a slip).
std::optional<double> Confere(std::optional<double> v, const std::string& nome, const std::string& onde) {
    if (!v) return v;
    if (nome == "temperatura do ar" && !(*v >= Validacao::TMinima && *v <= Validacao::TMaxima)) {
        throw ErroEntrada("Arquivo de clima: " + onde + " tem temperatura do ar de " + Numeros::FormataGeral(*v) +
                          " °C; a faixa aceita é de " + Numeros::FormataGeral(Validacao::TMinima) + " a " +
                          Numeros::FormataGeral(Validacao::TMaxima) + " °C (a temperatura deve estar em °C).");
    }
    if (nome != "temperatura do ar" && *v < 0.0) {
        throw ErroEntrada("Arquivo de clima: " + onde + " tem " + nome + " negativa (" + Numeros::FormataGeral(*v) +
                          "); só valores de 0 para cima são aceitos.");
    }
    return v;
}

// Fills the gaps of `s` (index = hour) up to `ultima`; `hora(k)` names hour k for messages.
std::vector<double> Preenche(const Serie& s, int ultima, const std::string& nome,
                             const std::function<std::string(int)>& hora) {
    std::vector<double> r(static_cast<std::size_t>(ultima + 1), 0.0);
    if (s.empty() || !s[0]) {
        int primeira = 0;
        while (primeira < static_cast<int>(s.size()) && !s[static_cast<std::size_t>(primeira)]) ++primeira;
        if (primeira >= static_cast<int>(s.size())) {
            throw ErroEntrada("Arquivo de clima: nenhum valor de " + nome + " a partir da hora 0 da análise.");
        }
        throw ErroEntrada("Arquivo de clima: o primeiro valor de " + nome + " é o da hora " + hora(primeira) +
                          "; o arquivo deve começar na hora 0 da análise.");
    }
    int anterior = 0;
    for (int k = 0; k <= ultima; ++k) {
        const auto& v = s[static_cast<std::size_t>(k)];
        if (!v) continue;
        const int lacuna = k - anterior - 1;
        if (lacuna > TClimaHorario::MaxLacuna) {
            throw ErroEntrada("Arquivo de clima: falta " + nome + " nas horas " + hora(anterior + 1) + " a " +
                              hora(k - 1) + " (" + Inteiro(lacuna) + " h seguidas); só se interpolam lacunas de até " +
                              Inteiro(TClimaHorario::MaxLacuna) + " h.");
        }
        const double va = *s[static_cast<std::size_t>(anterior)];
        for (int j = anterior + 1; j < k; ++j) {
            r[static_cast<std::size_t>(j)] = va + (*v - va) * (j - anterior) / static_cast<double>(k - anterior);
        }
        r[static_cast<std::size_t>(k)] = *v;
        anterior = k;
    }
    return r;
}

// Last hour with a value.
int Ultima(const Serie& s) {
    for (int k = static_cast<int>(s.size()) - 1; k >= 0; --k) {
        if (s[static_cast<std::size_t>(k)]) return k;
    }
    return -1;
}

// The service leaves the radiation empty at night. A run of missing hours with sun
// on both sides and no longer than the gaps the other columns fill is a gap in the
// daylight, left to be interpolated; any other run (it reaches a dark hour, the start
// or the end of the file, or is longer, as a night between dusk and dawn is) is the
// night: no sun.
void NoiteSemSol(Serie& rad, const std::vector<char>& perdida) {
    const int n = static_cast<int>(rad.size());
    for (int k = 0; k < n;) {
        if (rad[static_cast<std::size_t>(k)]) {
            ++k;
            continue;
        }
        int fim = k;
        while (fim < n && !rad[static_cast<std::size_t>(fim)]) ++fim;
        // A run with a lost reading (−9999) is a gap like in any other column.
        bool temPerdida = false;
        for (int j = k; j < fim; ++j) temPerdida = temPerdida || (j < static_cast<int>(perdida.size()) && perdida[static_cast<std::size_t>(j)]);
        if (temPerdida) {
            k = fim;
            continue;
        }
        const auto sol = [&](int j) { return j >= 0 && j < n && *rad[static_cast<std::size_t>(j)] > 0.0; };
        const bool dia = fim - k <= TClimaHorario::MaxLacuna && sol(k - 1) && sol(fim);
        if (!dia)
            for (int j = k; j < fim; ++j) rad[static_cast<std::size_t>(j)] = 0.0;
        k = fim;
    }
}

void Guarda(Serie& s, int k, std::optional<double> v) {
    if (static_cast<int>(s.size()) <= k) s.resize(static_cast<std::size_t>(k + 1));
    s[static_cast<std::size_t>(k)] = v;
}

// The series read into a whole: every series ends at the last hour all of them cover.
TClimaHorario Monta(const Serie& temp, const Serie* vento, const Serie* rad, const std::function<std::string(int)>& hora) {
    int ultima = Ultima(temp);
    if (ultima < 0) throw ErroEntrada("Arquivo de clima: nenhuma hora com temperatura do ar.");
    // A column without any value is a column the file does not give.
    if (vento && Ultima(*vento) < 0) vento = nullptr;
    if (rad && Ultima(*rad) < 0) rad = nullptr;
    if (vento) ultima = std::min(ultima, Ultima(*vento));
    if (rad) ultima = std::min(ultima, Ultima(*rad));
    TClimaHorario c;
    c.Temperatura = Preenche(temp, ultima, "temperatura do ar", hora);
    if (vento) c.Vento = Preenche(*vento, ultima, "velocidade do vento", hora);
    if (rad) c.Radiacao = Preenche(*rad, ultima, "radiação", hora);
    return c;
}

// A dew point outside the range of any air is a lost reading, a gap.
std::optional<double> Orvalho(std::optional<double> v) {
    if (v && !(*v >= Validacao::TMinima && *v <= Validacao::TMaxima)) return std::nullopt;
    return v;
}

// The dew point, when the file gives it, over the hours the other series cover. It only
// refines the sky's emissivity: a column with a long gap, or shorter than the others,
// is left out (the sky then from the air alone) instead of refusing the file.
void AcrescentaOrvalho(TClimaHorario& c, Serie orvalho, const std::function<std::string(int)>& hora) {
    const int ultima = c.UltimaHora();
    if (Ultima(orvalho) < ultima) return;
    orvalho.resize(static_cast<std::size_t>(ultima + 1));
    try {
        c.PontoOrvalho = Preenche(orvalho, ultima, "ponto de orvalho", hora);
    } catch (const ErroEntrada&) {
        c.PontoOrvalho.clear();
    }
}

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long long DiasCivis(int a, int m, int d) {
    a -= m <= 2;
    const long long era = (a >= 0 ? a : a - 399) / 400;
    const long long ano = a - era * 400;
    const long long diaAno = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long diaEra = ano * 365 + ano / 4 - ano / 100 + diaAno;
    return era * 146097 + diaEra - 719468;
}

bool DataValida(int a, int m, int d) {
    if (a < 1900 || a > 2200 || m < 1 || m > 12 || d < 1) return false;
    static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissexto = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    return d <= dias[m - 1] + (m == 2 && bissexto ? 1 : 0);
}

bool SoDigitos(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// "2024/01/15", "2024-01-15" or "15/01/2024" → days since 1970.
std::optional<long long> Data(const std::string& s) {
    std::string t = s;
    std::replace(t.begin(), t.end(), '-', '/');
    const auto p1 = t.find('/');
    const auto p2 = p1 == std::string::npos ? std::string::npos : t.find('/', p1 + 1);
    if (p2 == std::string::npos) return std::nullopt;
    const std::string a = t.substr(0, p1), b = t.substr(p1 + 1, p2 - p1 - 1), c = t.substr(p2 + 1);
    if (!SoDigitos(a) || !SoDigitos(b) || !SoDigitos(c)) return std::nullopt;
    // At most four digits in any part: the conversions below cannot overflow.
    if (b.size() > 2 || (a.size() != 4 && a.size() > 2) || (c.size() != 4 && c.size() > 2)) return std::nullopt;
    int ano = 0, mes = std::stoi(b), dia = 0;
    if (a.size() == 4) {
        ano = std::stoi(a);
        dia = std::stoi(c);
    } else if (c.size() == 4) {
        ano = std::stoi(c);
        dia = std::stoi(a);
    } else {
        return std::nullopt;
    }
    if (!DataValida(ano, mes, dia)) return std::nullopt;
    return DiasCivis(ano, mes, dia);
}

// "0000 UTC", "1300", "13:00" → whole hour.
std::optional<int> Hora(const std::string& s) {
    std::string t;
    for (char ch : s) {
        if (std::isdigit(static_cast<unsigned char>(ch))) t += ch;
        else if (ch == ':' || ch == ' ') continue;
        else break;
    }
    if (t.size() != 4 && t.size() != 3) return std::nullopt;
    const int v = std::stoi(t);
    const int h = v / 100;
    if (h > 23 || v % 100 != 0) return std::nullopt;
    return h;
}

std::string DataHoraUtc(long long horaUtc) {
    long long dias = horaUtc >= 0 ? horaUtc / 24 : (horaUtc - 23) / 24;
    const int h = static_cast<int>(horaUtc - dias * 24);
    // Civil date from days (inverse of DiasCivis).
    dias += 719468;
    const long long era = (dias >= 0 ? dias : dias - 146096) / 146097;
    const long long de = dias - era * 146097;
    const long long ae = (de - de / 1460 + de / 36524 - de / 146096) / 365;
    const long long da = de - (365 * ae + ae / 4 - ae / 100);
    const long long mp = (5 * da + 2) / 153;
    const long long d = da - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long a = ae + era * 400 + (m <= 2);
    auto dois = [](long long v) {
        std::string r = Inteiro(v);
        return r.size() < 2 ? std::string(2 - r.size(), '0') + r : r;
    };
    return dois(d) + "/" + dois(m) + "/" + Inteiro(a) + " " + dois(h) + " UTC";
}

}  // namespace

TClimaHorario TClimaHorario::LeCsv(const std::string& texto) {
    const auto linhas = Linhas(texto);
    if (linhas.empty()) throw ErroEntrada("Arquivo de clima vazio.");
    const auto cab = Celulas(linhas[0]);
    int cHora = -1, cTemp = -1, cVento = -1, cRad = -1, cOrv = -1;
    for (std::size_t i = 0; i < cab.size(); ++i) {
        const std::string n = Normaliza(cab[i]);
        const int ii = static_cast<int>(i);
        if (n == "HORA") cHora = ii;
        else if (n == "TEMPERATURA") cTemp = ii;
        else if (n == "VENTO") cVento = ii;
        else if (n == "RADIACAO" || n == "RADIAO") cRad = ii;
        else if (n == "ORVALHO") cOrv = ii;
        // The river water of the cooling pipes, read by their dialog.
        else if (n == "AGUA" || n == "GUA") continue;
        else if (!n.empty()) throw ErroEntrada("Arquivo de clima: coluna desconhecida \"" + cab[i] + "\" no cabeçalho.");
    }
    if (cHora != 0 || cTemp < 0) {
        throw ErroEntrada("Arquivo de clima: a primeira linha deve ser o cabeçalho hora;temperatura;vento;radiacao "
                          "(vento e radiação opcionais).");
    }
    Serie temp, vento, rad, orvalho;
    int horaAnterior = -1;
    for (std::size_t l = 1; l < linhas.size(); ++l) {
        if (linhas[l].find_first_not_of(" \t;") == std::string::npos) continue;
        const auto c = Celulas(linhas[l]);
        const std::string onde = "a linha " + Inteiro(static_cast<long long>(l + 1));
        const auto h = Valor(c[0], onde);
        // The range first: the cast of a value beyond long long is undefined.
        if (!h || !(*h >= 0.0 && *h <= 1e6) || *h != std::trunc(*h)) {
            throw ErroEntrada("Arquivo de clima: " + onde + " não começa por uma hora inteira (\"" + c[0] + "\").");
        }
        const int k = static_cast<int>(*h);
        if (k <= horaAnterior) {
            throw ErroEntrada("Arquivo de clima: " + onde + " tem a hora " + Inteiro(k) +
                              ", que não vem depois da hora " + Inteiro(horaAnterior) + ".");
        }
        horaAnterior = k;
        auto celula = [&](int col) { return col >= 0 && col < static_cast<int>(c.size()) ? c[static_cast<std::size_t>(col)] : std::string(); };
        Guarda(temp, k, Confere(Valor(celula(cTemp), onde), "temperatura do ar", onde));
        if (cVento >= 0) Guarda(vento, k, Confere(Valor(celula(cVento), onde), "velocidade do vento", onde));
        if (cRad >= 0) Guarda(rad, k, Confere(Valor(celula(cRad), onde), "radiação", onde));
        if (cOrv >= 0) Guarda(orvalho, k, Orvalho(Valor(celula(cOrv), onde)));
    }
    TClimaHorario c = Monta(temp, cVento >= 0 ? &vento : nullptr, cRad >= 0 ? &rad : nullptr,
                            [](int k) { return Inteiro(k); });
    if (cOrv >= 0) AcrescentaOrvalho(c, std::move(orvalho), [](int k) { return Inteiro(k); });
    c.Origem = "CSV horário, horas 0 a " + Inteiro(c.UltimaHora());
    return c;
}

bool TClimaHorario::PareceInmet(const std::string& texto) {
    const auto linhas = Linhas(texto);
    for (std::size_t l = 0; l < linhas.size() && l < 20; ++l) {
        const std::string n = Normaliza(linhas[l]);
        if (n.find("BULBO SECO") != std::string::npos) return l > 0;
    }
    return false;
}

TClimaHorario::Inicio TClimaHorario::LeData(const std::string& data, int horaLocal, int fuso) {
    const auto a = data.find('/');
    const auto b = a == std::string::npos ? std::string::npos : data.find('/', a + 1);
    Inicio r;
    bool ok = b != std::string::npos;
    if (ok) {
        const std::string d = data.substr(0, a), m = data.substr(a + 1, b - a - 1), y = data.substr(b + 1);
        ok = SoDigitos(d) && SoDigitos(m) && SoDigitos(y) && y.size() == 4 && d.size() <= 2 && m.size() <= 2;
        if (ok) {
            r.Dia = std::stoi(d);
            r.Mes = std::stoi(m);
            r.Ano = std::stoi(y);
            ok = DataValida(r.Ano, r.Mes, r.Dia);
        }
    }
    if (!ok) throw ErroEntrada("'" + data + "' não é uma data válida (dd/mm/aaaa).");
    if (horaLocal < 0 || horaLocal > 23) throw ErroEntrada("A hora local do início deve estar entre 0 e 23.");
    if (fuso < -12 || fuso > 14) throw ErroEntrada("O fuso horário deve estar entre -12 e 14 horas.");
    r.HoraLocal = horaLocal;
    r.FusoHoras = fuso;
    return r;
}

TClimaHorario TClimaHorario::LeInmet(const std::string& texto, const Inicio& inicio) {
    const auto linhas = Linhas(texto);
    std::size_t lCab = linhas.size();
    for (std::size_t l = 0; l < linhas.size(); ++l) {
        const std::string n = Normaliza(linhas[l]);
        if (n.rfind("DATA", 0) == 0 && n.find("HORA") != std::string::npos && n.find("BULBO SECO") != std::string::npos) {
            lCab = l;
            break;
        }
    }
    if (lCab == linhas.size()) {
        throw ErroEntrada("Arquivo de clima: não se achou o cabeçalho da estação (Data;Hora UTC;…;TEMPERATURA DO AR - "
                          "BULBO SECO, HORARIA (°C);…).");
    }
    const auto cab = Celulas(linhas[lCab]);
    int cHora = -1, cTemp = -1, cVento = -1, cRad = -1, cOrv = -1;
    for (std::size_t i = 0; i < cab.size(); ++i) {
        const std::string n = Normaliza(cab[i]);
        const int ii = static_cast<int>(i);
        if (i > 0 && cHora < 0 && n.rfind("HORA", 0) == 0) cHora = ii;
        else if (n.find("BULBO SECO") != std::string::npos) cTemp = ii;
        else if (n.find("VENTO") != std::string::npos && n.find("VELOCIDADE") != std::string::npos) cVento = ii;
        else if (n.find("RADIA") != std::string::npos && n.find("GLOBAL") != std::string::npos) cRad = ii;
        else if (n.find("PONTO DE ORVALHO") != std::string::npos) cOrv = ii;
    }
    if (cHora < 0) throw ErroEntrada("Arquivo de clima: o cabeçalho da estação não tem a coluna da hora UTC.");

    const long long inicioUtc = DiasCivis(inicio.Ano, inicio.Mes, inicio.Dia) * 24 + inicio.HoraLocal - inicio.FusoHoras;
    Serie temp, vento, rad, orvalho;
    std::vector<char> radPerdida;  // hours whose radiation reads −9999
    long long anterior = -1;
    for (std::size_t l = lCab + 1; l < linhas.size(); ++l) {
        if (linhas[l].find_first_not_of(" \t;") == std::string::npos) continue;
        const auto c = Celulas(linhas[l]);
        const std::string onde = "a linha " + Inteiro(static_cast<long long>(l + 1));
        const auto dia = Data(c[0]);
        const auto hora = c.size() > static_cast<std::size_t>(cHora) ? Hora(c[static_cast<std::size_t>(cHora)]) : std::nullopt;
        if (!dia || !hora) throw ErroEntrada("Arquivo de clima: " + onde + " não tem data e hora UTC válidas.");
        const long long k = *dia * 24 + *hora - inicioUtc;
        if (k <= anterior && k >= 0) {
            throw ErroEntrada("Arquivo de clima: " + onde + " repete ou volta no tempo (" + DataHoraUtc(k + inicioUtc) + ").");
        }
        if (k < 0) continue;
        if (k > 1'000'000) break;
        anterior = k;
        auto celula = [&](int col) { return col >= 0 && col < static_cast<int>(c.size()) ? c[static_cast<std::size_t>(col)] : std::string(); };
        const int kk = static_cast<int>(k);
        Guarda(temp, kk, Confere(Valor(celula(cTemp), onde), "temperatura do ar", onde));
        if (cVento >= 0) Guarda(vento, kk, Confere(Valor(celula(cVento), onde), "velocidade do vento", onde));
        if (cOrv >= 0) Guarda(orvalho, kk, Orvalho(Valor(celula(cOrv), onde)));
        if (cRad >= 0) {
            // kJ/m² in the hour → mean W/m²; slightly negative readings (the sensor's
            // offset in the dark) are no sun. An empty cell is left to NoiteSemSol (night or a
            // short daytime gap); −9999 is a reading lost, a gap like in any other column.
            const std::string bruto = celula(cRad);
            const auto v = Valor(bruto, onde);
            Guarda(rad, kk, v ? std::optional<double>(std::max(0.0, *v) * 1000.0 / 3600.0) : std::nullopt);
            if (!v && !bruto.empty()) {
                if (static_cast<int>(radPerdida.size()) <= kk) radPerdida.resize(static_cast<std::size_t>(kk + 1), 0);
                radPerdida[static_cast<std::size_t>(kk)] = 1;
            }
        }
    }
    if (temp.empty()) {
        throw ErroEntrada("Arquivo de clima: nenhuma linha a partir da hora 0 da análise (" + DataHoraUtc(inicioUtc) + ").");
    }
    if (cRad >= 0) {
        rad.resize(temp.size());
        NoiteSemSol(rad, radPerdida);
    }
    const auto nome = [&](int k) { return Inteiro(k) + " (" + DataHoraUtc(k + inicioUtc) + ")"; };
    TClimaHorario r = Monta(temp, cVento >= 0 ? &vento : nullptr, cRad >= 0 ? &rad : nullptr, nome);
    if (cOrv >= 0) AcrescentaOrvalho(r, std::move(orvalho), nome);
    r.Origem = "Estação automática, hora 0 em " + DataHoraUtc(inicioUtc) + ", horas 0 a " + Inteiro(r.UltimaHora());
    return r;
}

void TClimaHorario::Aplica(TDadosObra& obra) const {
    obra.ClimaArquivo = true;
    obra.Temperatura = Temperatura;
    obra.Vento = Vento;
    obra.Radiacao = Radiacao;
    obra.PontoOrvalho = PontoOrvalho;
    obra.OrigemClima = Origem;
}
