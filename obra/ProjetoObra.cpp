#include "obra/ProjetoObra.h"

#include <algorithm>
#include <cmath>

#include "core/DadosModelo.h"
#include "core/Erros.h"

namespace ProjetoObra {

namespace {

using Json = nlohmann::ordered_json;

// At most one value per hour of the longest analysis the history can hold.
constexpr std::size_t MaxHorasClima = 1'000'000;

[[noreturn]] void Recusa(const std::string& onde, const std::string& motivo) {
    throw ErroEntrada("\"Obra\"." + onde + ": " + motivo);
}

double Numero(const Json& v, const std::string& onde) {
    if (!v.is_number()) Recusa(onde, "deve ser um número");
    const double x = v.get<double>();
    if (!std::isfinite(x)) Recusa(onde, "deve ser um número finito");
    return x;
}

Json Serie(const std::vector<double>& s) {
    Json a = Json::array();
    for (double v : s) a.push_back(v);
    return a;
}

std::vector<double> LeSerie(const Json& v, const std::string& onde) {
    if (!v.is_array()) Recusa(onde, "deve ser uma lista de números, um por hora");
    if (v.size() > MaxHorasClima) Recusa(onde, "tem mais horas que o máximo de " + std::to_string(MaxHorasClima));
    std::vector<double> s;
    s.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) s.push_back(Numero(v[i], onde + "[" + std::to_string(i) + "]"));
    return s;
}

Json Lista(const std::vector<TProtecao>& lista) {
    Json a = Json::array();
    for (const TProtecao& p : lista) {
        Json o = Json::object();
        o["Nome"] = p.Nome;
        o["R"] = p.R;
        o["HoraColocacao"] = p.HoraColocacao;
        o["HoraRetirada"] = p.HoraRetirada;
        a.push_back(std::move(o));
    }
    return a;
}

std::vector<TProtecao> LeLista(const Json& v, const std::string& onde) {
    if (!v.is_array()) Recusa(onde, "deve ser uma lista de proteções");
    std::vector<TProtecao> lista;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::string item = onde + "[" + std::to_string(i) + "]";
        if (!v[i].is_object()) Recusa(item, "deve ser um objeto { ... }");
        TProtecao p;
        bool temR = false;
        for (const auto& [k, x] : v[i].items()) {
            if (k == "Nome") {
                if (!x.is_string()) Recusa(item + ".Nome", "deve ser um texto");
                p.Nome = x.get<std::string>();
            } else if (k == "R") {
                p.R = Numero(x, item + ".R");
                temR = true;
            } else if (k == "HoraColocacao") {
                p.HoraColocacao = Numero(x, item + ".HoraColocacao");
            } else if (k == "HoraRetirada") {
                p.HoraRetirada = Numero(x, item + ".HoraRetirada");
            } else {
                Recusa(item, "chave desconhecida \"" + k + "\"");
            }
        }
        if (!temR) Recusa(item, "falta a chave \"R\"");
        lista.push_back(std::move(p));
    }
    return lista;
}

// The sides differ from the start-up value (the member of unlimited plan).
bool TemLaterais(const TDadosObra& o) {
    if (o.ComprimentoPlanta != 0.0 || o.LarguraPlanta != 0.0 || o.CoefLateral != TDadosObra{}.CoefLateral) return true;
    for (const auto& l : o.ProtecoesLaterais) {
        if (!l.empty()) return true;
    }
    return false;
}

// Per lift, element 0 for layer 1; the list stops after the last lift with protections.
Json PorCamada(const std::vector<std::vector<TProtecao>>& listas) {
    std::size_t ultima = listas.size();
    while (ultima > 1 && listas[ultima - 1].empty()) --ultima;
    Json a = Json::array();
    for (std::size_t L = 1; L < ultima; ++L) a.push_back(Lista(listas[L]));
    return a;
}

std::vector<std::vector<TProtecao>> LePorCamada(const Json& v, const std::string& onde) {
    if (!v.is_array()) Recusa(onde, "deve ser uma lista, elemento 0 para a camada 1");
    if (v.size() > static_cast<std::size_t>(MaxCamadas)) Recusa(onde, "tem mais camadas que o máximo");
    std::vector<std::vector<TProtecao>> listas(v.size() + 1);
    for (std::size_t i = 0; i < v.size(); ++i)
        listas[i + 1] = LeLista(v[i], onde + "[" + std::to_string(i) + "] (camada " + std::to_string(i + 1) + ")");
    return listas;
}

Json Laterais(const TDadosObra& o) {
    Json j = Json::object();
    j["Comprimento"] = o.ComprimentoPlanta;
    j["Largura"] = o.LarguraPlanta;
    j["Coeficiente"] = o.CoefLateral;
    j["Protecoes"] = PorCamada(o.ProtecoesLaterais);
    return j;
}

void LeLaterais(const Json& j, TDadosObra& o) {
    const std::string onde = "Laterais";
    if (!j.is_object()) Recusa(onde, "deve ser um objeto { ... }");
    for (const auto& [k, v] : j.items()) {
        const std::string chave = onde + "." + k;
        const auto naoNegativo = [&] {
            const double x = Numero(v, chave);
            if (x < 0.0) Recusa(chave, "não pode ser negativo");
            return x;
        };
        if (k == "Comprimento") {
            o.ComprimentoPlanta = naoNegativo();
        } else if (k == "Largura") {
            o.LarguraPlanta = naoNegativo();
        } else if (k == "Coeficiente") {
            o.CoefLateral = naoNegativo();
        } else if (k == "Protecoes") {
            o.ProtecoesLaterais = LePorCamada(v, chave);
        } else {
            Recusa(onde, "chave desconhecida \"" + k + "\"");
        }
    }
}

Json Constituinte(const TemperaturaMistura::Constituinte& c) {
    Json j = Json::object();
    j["Massa"] = c.Massa;
    j["Temperatura"] = c.Temperatura;
    j["CalorEspecifico"] = c.CalorEspecifico;
    return j;
}

Json Mistura(const TDadosObra& o) {
    const TemperaturaMistura::Mistura& m = *o.MisturaLancamento;
    Json j = Json::object();
    j["Cimento"] = Constituinte(m.Cimento);
    Json agregados = Json::array();
    for (const auto& a : m.Agregados) {
        Json x = Json::object();
        x["Nome"] = a.Nome;
        x["Massa"] = a.Massa;
        x["Temperatura"] = a.Temperatura;
        x["CalorEspecifico"] = a.CalorEspecifico;
        x["Umidade"] = a.Umidade;
        agregados.push_back(std::move(x));
    }
    j["Agregados"] = std::move(agregados);
    j["Agua"] = Constituinte(m.Agua);
    j["Gelo"] = Constituinte(m.Gelo);
    j["CalorFusao"] = m.CalorFusao;
    j["Ganho"] = m.Ganho;
    Json camadas = Json::array();
    for (int c : o.CamadasMistura) camadas.push_back(c);
    j["Camadas"] = std::move(camadas);
    return j;
}

// Every key of an object named, none unknown, each read by `le`.
template <class F>
void LeObjeto(const Json& j, const std::string& onde, std::initializer_list<const char*> chaves, F le) {
    if (!j.is_object()) Recusa(onde, "deve ser um objeto { ... }");
    for (const auto& [k, v] : j.items()) {
        if (std::find_if(chaves.begin(), chaves.end(), [&](const char* c) { return k == c; }) == chaves.end())
            Recusa(onde, "chave desconhecida \"" + k + "\"");
        le(k, v, onde + "." + k);
    }
    for (const char* c : chaves) {
        if (!j.contains(c)) Recusa(onde, std::string("falta a chave \"") + c + "\"");
    }
}

TemperaturaMistura::Constituinte LeConstituinte(const Json& j, const std::string& onde) {
    TemperaturaMistura::Constituinte c;
    LeObjeto(j, onde, {"Massa", "Temperatura", "CalorEspecifico"}, [&](const std::string& k, const Json& v, const std::string& n) {
        (k == "Massa" ? c.Massa : k == "Temperatura" ? c.Temperatura : c.CalorEspecifico) = Numero(v, n);
    });
    return c;
}

void LeMistura(const Json& j, TDadosObra& o) {
    const std::string onde = "MisturaLancamento";
    TemperaturaMistura::Mistura m;
    std::vector<int> camadas;
    LeObjeto(j, onde, {"Cimento", "Agregados", "Agua", "Gelo", "CalorFusao", "Ganho", "Camadas"},
             [&](const std::string& k, const Json& v, const std::string& n) {
                 if (k == "Cimento") {
                     m.Cimento = LeConstituinte(v, n);
                 } else if (k == "Agua") {
                     m.Agua = LeConstituinte(v, n);
                 } else if (k == "Gelo") {
                     m.Gelo = LeConstituinte(v, n);
                 } else if (k == "CalorFusao") {
                     m.CalorFusao = Numero(v, n);
                 } else if (k == "Ganho") {
                     m.Ganho = Numero(v, n);
                 } else if (k == "Agregados") {
                     if (!v.is_array()) Recusa(n, "deve ser uma lista de agregados");
                     for (std::size_t i = 0; i < v.size(); ++i) {
                         TemperaturaMistura::Agregado a;
                         const std::string item = n + "[" + std::to_string(i) + "]";
                         LeObjeto(v[i], item, {"Nome", "Massa", "Temperatura", "CalorEspecifico", "Umidade"},
                                  [&](const std::string& ka, const Json& va, const std::string& na) {
                                      if (ka == "Nome") {
                                          if (!va.is_string()) Recusa(na, "deve ser um texto");
                                          a.Nome = va.get<std::string>();
                                      } else {
                                          (ka == "Massa"         ? a.Massa
                                           : ka == "Temperatura" ? a.Temperatura
                                           : ka == "Umidade"     ? a.Umidade
                                                                 : a.CalorEspecifico) = Numero(va, na);
                                      }
                                  });
                         m.Agregados.push_back(std::move(a));
                     }
                 } else {
                     if (!v.is_array()) Recusa(n, "deve ser uma lista de camadas");
                     for (std::size_t i = 0; i < v.size(); ++i) {
                         const std::string item = n + "[" + std::to_string(i) + "]";
                         if (!v[i].is_number_integer()) Recusa(item, "deve ser um número inteiro de camada");
                         const long long c = v[i].get<long long>();
                         if (c < 1 || c > MaxCamadas) Recusa(item, "não é uma camada do membro");
                         if (!camadas.empty() && c <= camadas.back()) Recusa(n, "deve listar as camadas em ordem, sem repetir");
                         camadas.push_back(static_cast<int>(c));
                     }
                 }
             });
    // The same checks as the worksheet's, so that a file cannot hold a mix it refuses.
    try {
        (void)TemperaturaMistura::Temperatura(m);
    } catch (const ErroEntrada& e) {
        Recusa(onde, e.what());
    }
    o.MisturaLancamento = std::move(m);
    o.CamadasMistura = std::move(camadas);
}

}  // namespace

bool TemDados(const TDadosObra& o) {
    if (TemLaterais(o) || o.MisturaLancamento) return true;
    if (o.ClimaArquivo || !o.Temperatura.empty() || !o.ProtecoesBase.empty() || o.Absortividade != 0.65) return true;
    if (o.CeuAtivo || o.Emissividade != 0.9 || !o.PontoOrvalho.empty()) return true;
    for (const auto& l : o.ProtecoesTopo) {
        if (!l.empty()) return true;
    }
    return false;
}

Json ParaJson(const TDadosObra& o) {
    Json j = Json::object();
    j["ClimaArquivo"] = o.ClimaArquivo;
    j["OrigemClima"] = o.OrigemClima;
    j["Absortividade"] = o.Absortividade;
    j["Temperatura"] = Serie(o.Temperatura);
    j["Vento"] = Serie(o.Vento);
    j["Radiacao"] = Serie(o.Radiacao);
    // Written only when used, so that files without them stay as they were.
    if (!o.PontoOrvalho.empty()) j["PontoOrvalho"] = Serie(o.PontoOrvalho);
    if (o.CeuAtivo) j["CeuAtivo"] = true;
    if (o.Emissividade != 0.9) j["Emissividade"] = o.Emissividade;
    j["ProtecoesTopo"] = PorCamada(o.ProtecoesTopo);
    j["ProtecoesBase"] = Lista(o.ProtecoesBase);
    // Written only when used, so that a project without it writes back as it was read.
    if (TemLaterais(o)) j["Laterais"] = Laterais(o);
    if (o.MisturaLancamento) j["MisturaLancamento"] = Mistura(o);
    return j;
}

void Le(const Json& j, TDadosObra& o) {
    if (!j.is_object()) throw ErroEntrada("\"Obra\" deve ser um objeto { ... }");
    TDadosObra novo;
    for (const auto& [k, v] : j.items()) {
        if (k == "ClimaArquivo") {
            if (!v.is_boolean()) Recusa(k, "deve ser true ou false");
            novo.ClimaArquivo = v.get<bool>();
        } else if (k == "OrigemClima") {
            if (!v.is_string()) Recusa(k, "deve ser um texto");
            novo.OrigemClima = v.get<std::string>();
        } else if (k == "Absortividade") {
            novo.Absortividade = Numero(v, k);
            if (novo.Absortividade < 0.0 || novo.Absortividade > 1.0) Recusa(k, "deve estar entre 0 e 1");
        } else if (k == "Temperatura") {
            novo.Temperatura = LeSerie(v, k);
        } else if (k == "Vento") {
            novo.Vento = LeSerie(v, k);
        } else if (k == "Radiacao") {
            novo.Radiacao = LeSerie(v, k);
        } else if (k == "PontoOrvalho") {
            novo.PontoOrvalho = LeSerie(v, k);
        } else if (k == "CeuAtivo") {
            if (!v.is_boolean()) Recusa(k, "deve ser true ou false");
            novo.CeuAtivo = v.get<bool>();
        } else if (k == "Emissividade") {
            novo.Emissividade = Numero(v, k);
            if (novo.Emissividade < 0.0 || novo.Emissividade > 1.0) Recusa(k, "deve estar entre 0 e 1");
        } else if (k == "ProtecoesTopo") {
            novo.ProtecoesTopo = LePorCamada(v, k);
        } else if (k == "ProtecoesBase") {
            novo.ProtecoesBase = LeLista(v, k);
        } else if (k == "Laterais") {
            LeLaterais(v, novo);
        } else if (k == "MisturaLancamento") {
            LeMistura(v, novo);
        } else {
            throw ErroEntrada("\"Obra\": chave desconhecida \"" + k + "\"");
        }
    }
    const auto outra = [&](const std::vector<double>& s) { return !s.empty() && s.size() != novo.Temperatura.size(); };
    if (outra(novo.Vento) || outra(novo.Radiacao) || outra(novo.PontoOrvalho)) {
        throw ErroEntrada("\"Obra\": \"Vento\", \"Radiacao\" e \"PontoOrvalho\" devem ter uma hora para cada hora de "
                          "\"Temperatura\"");
    }
    o = std::move(novo);
}

}  // namespace ProjetoObra

namespace {
std::unique_ptr<TContornoObra> LeDoProjeto(const nlohmann::ordered_json& j) {
    auto obra = std::make_unique<TDadosObra>();
    ProjetoObra::Le(j, *obra);
    return obra;
}
}  // namespace

// Registered before main. Nothing else in core/ names this file, so the build keeps it
// in every program by this symbol (norvik_nucleo's link options).
extern "C" {
extern const bool norvik_leitor_obra_registrado;
const bool norvik_leitor_obra_registrado = (RegistraLeitorObra(&LeDoProjeto), true);
}
