#include "serpentinas/ProjetoSerpentinas.h"

#include <cmath>
#include <functional>
#include <string>

#include "core/DadosModelo.h"
#include "core/Erros.h"

namespace ProjetoSerpentinas {

namespace {

using Json = nlohmann::ordered_json;

// At most one value per hour of the longest analysis the history can hold.
constexpr std::size_t MaxHorasSerie = 1'000'000;
constexpr std::size_t MaxFileiras = 50;

[[noreturn]] void Recusa(const std::string& onde, const std::string& motivo) {
    throw ErroEntrada("\"Serpentinas\"." + onde + ": " + motivo);
}

double Numero(const Json& v, const std::string& onde) {
    if (!v.is_number()) Recusa(onde, "deve ser um número");
    const double x = v.get<double>();
    if (!std::isfinite(x)) Recusa(onde, "deve ser um número finito");
    return x;
}

bool Logico(const Json& v, const std::string& onde) {
    if (!v.is_boolean()) Recusa(onde, "deve ser true ou false");
    return v.get<bool>();
}

std::vector<double> Lista(const Json& v, const std::string& onde, std::size_t maximo) {
    if (!v.is_array()) Recusa(onde, "deve ser uma lista de números");
    if (v.size() > maximo) Recusa(onde, "tem mais de " + std::to_string(maximo) + " valores");
    std::vector<double> s;
    s.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) s.push_back(Numero(v[i], onde + "[" + std::to_string(i) + "]"));
    return s;
}

Json Serie(const std::vector<double>& s) {
    Json a = Json::array();
    for (double v : s) a.push_back(v);
    return a;
}

Json Camada(const TSerpentinasCamada& c) {
    Json o = Json::object();
    o["Alturas"] = Serie(c.Alturas);
    o["Espacamento"] = c.Espacamento;
    o["DiametroExterno"] = c.Tubo.DiametroExterno;
    o["EspessuraParede"] = c.Tubo.Espessura;
    o["CondutividadeParede"] = c.Tubo.Condutividade;
    o["Comprimento"] = c.Comprimento;
    o["Vazao"] = c.Vazao;
    o["TEntrada"] = c.TEntrada;
    o["EntradaDaSerie"] = c.EntradaDaSerie;
    o["HoraInicio"] = c.HoraInicio;
    o["HoraFim"] = c.HoraFim;
    o["PorTemperatura"] = c.PorTemperatura;
    o["TLiga"] = c.TLiga;
    o["TDesliga"] = c.TDesliga;
    return o;
}

TSerpentinasCamada LeCamada(const Json& v, const std::string& onde) {
    if (!v.is_object()) Recusa(onde, "deve ser um objeto { ... }");
    TSerpentinasCamada c;
    const std::vector<std::pair<const char*, double*>> numeros{
        {"Espacamento", &c.Espacamento},         {"DiametroExterno", &c.Tubo.DiametroExterno},
        {"EspessuraParede", &c.Tubo.Espessura}, {"CondutividadeParede", &c.Tubo.Condutividade},
        {"Comprimento", &c.Comprimento},         {"Vazao", &c.Vazao},
        {"TEntrada", &c.TEntrada},               {"HoraInicio", &c.HoraInicio},
        {"HoraFim", &c.HoraFim},                 {"TLiga", &c.TLiga},
        {"TDesliga", &c.TDesliga}};
    for (const auto& [k, x] : v.items()) {
        const std::string campo = onde + "." + k;
        if (k == "Alturas") {
            c.Alturas = Lista(x, campo, MaxFileiras);
            continue;
        }
        if (k == "EntradaDaSerie") {
            c.EntradaDaSerie = Logico(x, campo);
            continue;
        }
        if (k == "PorTemperatura") {
            c.PorTemperatura = Logico(x, campo);
            continue;
        }
        bool achou = false;
        for (const auto& [nome, destino] : numeros) {
            if (k == nome) {
                *destino = Numero(x, campo);
                achou = true;
                break;
            }
        }
        if (!achou) Recusa(onde, "chave desconhecida \"" + k + "\"");
    }
    return c;
}

}  // namespace

bool TemDados(const TDadosSerpentinas& s) { return s.EmUso() || !s.SerieEntrada.empty(); }

Json ParaJson(const TDadosSerpentinas& s) {
    Json j = Json::object();
    // Element 0 for layer 1; the list stops after the last lift with pipes.
    std::size_t ultima = s.Camadas.size();
    while (ultima > 1 && s.Camadas[ultima - 1].Alturas.empty()) --ultima;
    Json camadas = Json::array();
    for (std::size_t L = 1; L < ultima; ++L) camadas.push_back(Camada(s.Camadas[L]));
    j["Camadas"] = std::move(camadas);
    j["SerieEntrada"] = Serie(s.SerieEntrada);
    j["OrigemSerie"] = s.OrigemSerie;
    return j;
}

void Le(const Json& j, TDadosSerpentinas& s) {
    if (!j.is_object()) throw ErroEntrada("\"Serpentinas\" deve ser um objeto { ... }");
    TDadosSerpentinas novo;
    for (const auto& [k, v] : j.items()) {
        if (k == "Camadas") {
            if (!v.is_array()) Recusa(k, "deve ser uma lista, elemento 0 para a camada 1");
            if (v.size() > static_cast<std::size_t>(MaxCamadas)) Recusa(k, "tem mais camadas que o máximo");
            novo.Camadas.assign(v.size() + 1, {});
            for (std::size_t i = 0; i < v.size(); ++i)
                novo.Camadas[i + 1] = LeCamada(v[i], k + "[" + std::to_string(i) + "] (camada " + std::to_string(i + 1) + ")");
        } else if (k == "SerieEntrada") {
            novo.SerieEntrada = Lista(v, k, MaxHorasSerie);
        } else if (k == "OrigemSerie") {
            if (!v.is_string()) Recusa(k, "deve ser um texto");
            novo.OrigemSerie = v.get<std::string>();
        } else {
            throw ErroEntrada("\"Serpentinas\": chave desconhecida \"" + k + "\"");
        }
    }
    s = std::move(novo);
}

}  // namespace ProjetoSerpentinas

namespace {
std::unique_ptr<TContornoResfriamento> LeDoProjeto(const nlohmann::ordered_json& j) {
    auto s = std::make_unique<TDadosSerpentinas>();
    ProjetoSerpentinas::Le(j, *s);
    return s;
}
}  // namespace

// Registered before main. Nothing else in core/ names this file, so the build keeps it
// in every program by this symbol (norvik_nucleo's link options).
extern "C" {
extern const bool norvik_leitor_serpentinas_registrado;
const bool norvik_leitor_serpentinas_registrado = (RegistraLeitorResfriamento(&LeDoProjeto), true);
}
