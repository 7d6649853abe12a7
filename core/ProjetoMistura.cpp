#include "core/ProjetoMistura.h"

#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "core/NumeroJson.h"

namespace ProjetoMistura {

namespace {

using Json = nlohmann::ordered_json;

[[noreturn]] void Recusa(const std::string& onde, const std::string& motivo) {
    throw ErroEntrada("\"" + onde + "\": " + motivo);
}

double Numero(const Json& v, const std::string& onde) {
    if (!v.is_number()) Recusa(onde, "deve ser um número");
    const double x = v.get<double>();
    if (!std::isfinite(x)) Recusa(onde, "deve ser um número finito");
    return x;
}

double Percentual(const Json& v, const std::string& onde) {
    const double x = Numero(v, onde);
    if (x < 0.0 || x > 100.0) Recusa(onde, "é um percentual e deve ficar entre 0 e 100");
    return x;
}

double Positivo(const Json& v, const std::string& onde) {
    const double x = Numero(v, onde);
    if (!(x > 0.0)) Recusa(onde, "deve ser maior que zero");
    return x;
}

struct CampoPercentual {
    const char* nome;
    double TCimento::*membro;
};
constexpr CampoPercentual FasesCimento[] = {
    {"C3S", &TCimento::C3S},         {"C2S", &TCimento::C2S},       {"C3A", &TCimento::C3A},
    {"C4AF", &TCimento::C4AF},       {"SO3", &TCimento::SO3},       {"CaOLivre", &TCimento::CaOLivre},
    {"MgO", &TCimento::MgO},         {"Escoria", &TCimento::Escoria}, {"Pozolana", &TCimento::Pozolana},
    {"CaOPozolana", &TCimento::CaOPozolana}, {"Filer", &TCimento::Filer}};

struct CampoDosagem {
    const char* nome;
    double TDosagem::*membro;
    bool percentual;
};
constexpr CampoDosagem CamposDosagem[] = {
    {"Escoria", &TDosagem::Escoria, true},      {"Pozolana", &TDosagem::Pozolana, true},
    {"CaOPozolana", &TDosagem::CaOPozolana, true}, {"Silica", &TDosagem::Silica, true},
    {"Filer", &TDosagem::Filer, true},          {"Aglomerante", &TDosagem::Aglomerante, false},
    {"AguaAglomerante", &TDosagem::AguaAglomerante, false}};

// Reads every key of `o` through `le`, which returns false for a key it does not
// know; refuses an unknown key and, at the end, a missing one.
void LeObjeto(const Json& o, const std::string& onde, const std::vector<std::string>& obrigatorias,
              const std::function<bool(const std::string&, const Json&)>& le) {
    if (!o.is_object()) Recusa(onde, "deve ser um objeto { ... }");
    std::set<std::string> vistas;
    for (const auto& [k, v] : o.items()) {
        if (!le(k, v)) Recusa(onde, "chave desconhecida \"" + k + "\"");
        vistas.insert(k);
    }
    for (const std::string& k : obrigatorias)
        if (!vistas.count(k)) Recusa(onde, "falta a chave \"" + k + "\"");
}

// The names of the shrinkage models and cement classes in the file.
constexpr const char* NomeEN = "EN1992";
constexpr const char* NomeFib = "fibMC2010";
struct NomeClasse {
    const char* nome;
    TClasseCimento classe;
};
constexpr NomeClasse NomesClasses[] = {{"32.5N", TClasseCimento::C325N}, {"32.5R", TClasseCimento::C325R},
                                       {"42.5N", TClasseCimento::C425N}, {"42.5R", TClasseCimento::C425R},
                                       {"52.5N", TClasseCimento::C525N}, {"52.5R", TClasseCimento::C525R}};

struct NomeDoAgregado {
    const char* nome;
    TAgregado agregado;
};
constexpr NomeDoAgregado NomesAgregados[] = {{"Basalto", TAgregado::Basalto},     {"Granito", TAgregado::Granito},
                                             {"Gnaisse", TAgregado::Gnaisse},     {"Quartzito", TAgregado::Quartzito},
                                             {"Calcario", TAgregado::Calcario},   {"Arenito", TAgregado::Arenito}};

int LeCamada(const Json& v, const std::string& onde) {
    if (!v.is_number_integer() || v.get<std::int64_t>() < 1 || v.get<std::int64_t>() > MaxCamadas)
        Recusa(onde, "deve ser um número inteiro de 1 a " + std::to_string(MaxCamadas));
    return static_cast<int>(v.get<std::int64_t>());
}

const char* TextoClasse(TClasseCimento c) {
    for (const auto& n : NomesClasses)
        if (n.classe == c) return n.nome;
    return "";
}

}  // namespace

Json CimentoParaJson(const TCimento& c) {
    Json o = Json::object();
    o["Nome"] = c.Nome;
    for (const auto& f : FasesCimento) o[f.nome] = NumeroJson(c.*(f.membro));
    o["Blaine"] = NumeroJson(c.Blaine);
    return o;
}

TCimento LeCimento(const Json& j, const std::string& onde) {
    TCimento c;
    std::vector<std::string> obrigatorias{"Nome", "Blaine"};
    for (const auto& f : FasesCimento) obrigatorias.push_back(f.nome);
    LeObjeto(j, onde, obrigatorias, [&](const std::string& k, const Json& v) {
        if (k == "Nome") {
            if (!v.is_string()) Recusa(onde + ".Nome", "deve ser um texto");
            c.Nome = v.get<std::string>();
            return true;
        }
        if (k == "Blaine") {
            c.Blaine = Positivo(v, onde + ".Blaine");
            return true;
        }
        for (const auto& f : FasesCimento) {
            if (k == f.nome) {
                c.*(f.membro) = Percentual(v, onde + "." + k);
                return true;
            }
        }
        return false;
    });
    if (c.Escoria + c.Pozolana + c.Filer > 100.0) Recusa(onde, "as adições do cimento passam de 100 %");
    return c;
}

Json ParaJson(const TDosagens& dosagens) {
    Json lista = Json::array();
    for (const auto& [camada, d] : dosagens) {
        Json o = Json::object();
        o["Camada"] = camada;
        o["Cimento"] = CimentoParaJson(d.Cimento);
        for (const auto& f : CamposDosagem) o[f.nome] = NumeroJson(d.*(f.membro));
        lista.push_back(std::move(o));
    }
    return lista;
}

void Le(const Json& j, TDosagens& dosagens) {
    if (!j.is_array()) Recusa("Dosagens", "deve ser uma lista [ ... ]");
    if (j.size() > static_cast<std::size_t>(MaxCamadas)) Recusa("Dosagens", "tem mais camadas que o máximo");
    TDosagens novas;
    std::vector<std::string> obrigatorias{"Camada", "Cimento"};
    for (const auto& f : CamposDosagem) obrigatorias.push_back(f.nome);
    for (std::size_t i = 0; i < j.size(); ++i) {
        const std::string onde = "Dosagens[" + std::to_string(i) + "]";
        TDosagem d;
        int camada = 0;
        LeObjeto(j[i], onde, obrigatorias, [&](const std::string& k, const Json& v) {
            if (k == "Camada") {
                if (!v.is_number_integer() || v.get<std::int64_t>() < 1 || v.get<std::int64_t>() > MaxCamadas)
                    Recusa(onde + ".Camada", "deve ser um número inteiro de 1 a " + std::to_string(MaxCamadas));
                camada = static_cast<int>(v.get<std::int64_t>());
                return true;
            }
            if (k == "Cimento") {
                d.Cimento = LeCimento(v, onde + ".Cimento");
                return true;
            }
            for (const auto& f : CamposDosagem) {
                if (k == f.nome) {
                    d.*(f.membro) = f.percentual ? Percentual(v, onde + "." + k) : Positivo(v, onde + "." + k);
                    return true;
                }
            }
            return false;
        });
        if (d.Escoria + d.Pozolana + d.Silica + d.Filer > 100.0) Recusa(onde, "as adições do aglomerante passam de 100 %");
        if (novas.count(camada)) Recusa(onde + ".Camada", "a camada " + std::to_string(camada) + " já tem dosagem");
        if (!novas.empty() && camada < novas.rbegin()->first)
            Recusa(onde + ".Camada", "as camadas devem vir em ordem crescente");
        novas.emplace(camada, d);
    }
    dosagens = std::move(novas);
}

Json ParaJson(const TRetracoesAutogenas& retracoes) {
    Json lista = Json::array();
    for (const auto& [camada, r] : retracoes) {
        Json o = Json::object();
        o["Camada"] = camada;
        o["Modelo"] = r.Modelo == TModeloRetracao::FibMC2010 ? NomeFib : NomeEN;
        o["Fck"] = NumeroJson(r.Fck);
        if (r.Modelo == TModeloRetracao::FibMC2010) o["ClasseCimento"] = TextoClasse(r.Classe);
        lista.push_back(std::move(o));
    }
    return lista;
}

void Le(const Json& j, TRetracoesAutogenas& retracoes) {
    const std::string nome = "RetracaoAutogena";
    if (!j.is_array()) Recusa(nome, "deve ser uma lista [ ... ]");
    if (j.size() > static_cast<std::size_t>(MaxCamadas)) Recusa(nome, "tem mais camadas que o máximo");
    TRetracoesAutogenas novas;
    for (std::size_t i = 0; i < j.size(); ++i) {
        const std::string onde = nome + "[" + std::to_string(i) + "]";
        TRetracaoAutogena r;
        int camada = 0;
        bool temClasse = false;
        LeObjeto(j[i], onde, {"Camada", "Modelo", "Fck"}, [&](const std::string& k, const Json& v) {
            if (k == "Camada") {
                if (!v.is_number_integer() || v.get<std::int64_t>() < 1 || v.get<std::int64_t>() > MaxCamadas)
                    Recusa(onde + ".Camada", "deve ser um número inteiro de 1 a " + std::to_string(MaxCamadas));
                camada = static_cast<int>(v.get<std::int64_t>());
                return true;
            }
            if (k == "Modelo") {
                const std::string m = v.is_string() ? v.get<std::string>() : "";
                if (m == NomeEN) r.Modelo = TModeloRetracao::EN1992;
                else if (m == NomeFib) r.Modelo = TModeloRetracao::FibMC2010;
                else Recusa(onde + ".Modelo", std::string("deve ser \"") + NomeEN + "\" ou \"" + NomeFib + "\"");
                return true;
            }
            if (k == "ClasseCimento") {
                const std::string c = v.is_string() ? v.get<std::string>() : "";
                bool achou = false;
                for (const auto& n : NomesClasses) {
                    if (c == n.nome) {
                        r.Classe = n.classe;
                        achou = true;
                    }
                }
                if (!achou) Recusa(onde + ".ClasseCimento", "deve ser 32.5N, 32.5R, 42.5N, 42.5R, 52.5N ou 52.5R");
                temClasse = true;
                return true;
            }
            if (k == "Fck") {
                r.Fck = Numero(v, onde + ".Fck");
                if (r.Fck < 12.0 || r.Fck > 90.0) Recusa(onde + ".Fck", "deve ficar entre 12 e 90 MPa");
                return true;
            }
            return false;
        });
        // The class belongs to the fib model alone: required by it, refused with the other.
        if (r.Modelo == TModeloRetracao::FibMC2010 && !temClasse) Recusa(onde, "falta a chave \"ClasseCimento\"");
        if (r.Modelo != TModeloRetracao::FibMC2010 && temClasse)
            Recusa(onde + ".ClasseCimento", "só o modelo \"fibMC2010\" tem classe do cimento");
        if (novas.count(camada)) Recusa(onde + ".Camada", "a camada " + std::to_string(camada) + " já tem retração");
        if (!novas.empty() && camada < novas.rbegin()->first)
            Recusa(onde + ".Camada", "as camadas devem vir em ordem crescente");
        novas.emplace(camada, r);
    }
    retracoes = std::move(novas);
}

const char* NomeAgregado(TAgregado a) {
    for (const auto& n : NomesAgregados)
        if (n.agregado == a) return n.nome;
    return "Outro";
}

Json ParaJson(const TAgregados& agregados) {
    Json lista = Json::array();
    for (const auto& [camada, a] : agregados) {
        Json o = Json::object();
        o["Camada"] = camada;
        o["Agregado"] = NomeAgregado(a);
        lista.push_back(std::move(o));
    }
    return lista;
}

void Le(const Json& j, TAgregados& agregados) {
    const std::string nome = "Agregados";
    if (!j.is_array()) Recusa(nome, "deve ser uma lista [ ... ]");
    if (j.size() > static_cast<std::size_t>(MaxCamadas)) Recusa(nome, "tem mais camadas que o máximo");
    TAgregados novos;
    for (std::size_t i = 0; i < j.size(); ++i) {
        const std::string onde = nome + "[" + std::to_string(i) + "]";
        int camada = 0;
        TAgregado agregado = TAgregado::Outro;
        LeObjeto(j[i], onde, {"Camada", "Agregado"}, [&](const std::string& k, const Json& v) {
            if (k == "Camada") {
                camada = LeCamada(v, onde + ".Camada");
                return true;
            }
            if (k == "Agregado") {
                const std::string a = v.is_string() ? v.get<std::string>() : "";
                for (const auto& n : NomesAgregados)
                    if (a == n.nome) agregado = n.agregado;
                if (agregado == TAgregado::Outro)
                    Recusa(onde + ".Agregado", "deve ser Basalto, Granito, Gnaisse, Quartzito, Calcario ou Arenito");
                return true;
            }
            return false;
        });
        if (novos.count(camada)) Recusa(onde + ".Camada", "a camada " + std::to_string(camada) + " já tem agregado");
        if (!novos.empty() && camada < novos.rbegin()->first)
            Recusa(onde + ".Camada", "as camadas devem vir em ordem crescente");
        novos.emplace(camada, agregado);
    }
    agregados = std::move(novos);
}

}  // namespace ProjetoMistura
