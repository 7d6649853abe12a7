#include "core/Projeto.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>
#include <vector>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/NumeroJson.h"
#include "core/ProjetoMistura.h"
#include "core/Validacao.h"

namespace Projeto {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* Formato = "norvik-1d/projeto";
constexpr int Versao = 1;

// ---- The fields a project file holds, each under the name of its field. ----

template <class S, class T>
struct Campo {
    const char* nome;
    T S::*membro;
};
template <class S, class T>
constexpr Campo<S, T> C(const char* nome, T S::*membro) { return {nome, membro}; }

using D = TDadosModelo;

// The problem before the layer lists, in the order an engineer reads it.
constexpr auto CamposProblema = std::make_tuple(
    C("UnidadesUsuais", &D::UnidadesUsuais), C("NElemCamada", &D::NElemCamada),
    C("NCamadas", &D::NCamadas), C("NCamadasMembro", &D::NCamadasMembro), C("Fundacao", &D::Fundacao),
    C("TempoTotal", &D::TempoTotal), C("PassoTempo", &D::PassoTempo), C("CalorDiscreto", &D::CalorDiscreto),
    C("Formulacao", &D::Formulacao));

// Written only when it differs from 1, so a file without substeps is saved as before.
constexpr auto CamposSubpassos = std::make_tuple(C("SubpassosPorPasso", &D::SubpassosPorPasso));
// Written only when on, so a file without it is saved as before.
constexpr auto CamposCondutividade = std::make_tuple(C("CondutividadeHidratacao", &D::CondutividadeHidratacao));

// Boundary conditions and the stress data, after the layer lists.
constexpr auto CamposContorno = std::make_tuple(
    C("TAmbConstante", &D::TAmbConstante), C("TAmbConst", &D::TAmbConst), C("TAmbMax", &D::TAmbMax),
    C("TAmbMin", &D::TAmbMin), C("HoraTAmbMax", &D::HoraTAmbMax), C("HoraTAmbMin", &D::HoraTAmbMin),
    C("QRadiacao", &D::QRadiacao), C("TPrescInfAtiva", &D::TPrescInfAtiva), C("TPrescInf", &D::TPrescInf),
    C("TPrescSupAtiva", &D::TPrescSupAtiva), C("TPrescSup", &D::TPrescSup),
    C("CoefConvConstante", &D::CoefConvConstante), C("BetaInf", &D::BetaInf), C("BetaSup", &D::BetaSup),
    C("CuraAtiva", &D::CuraAtiva));

constexpr auto CamposTensoes = std::make_tuple(
    C("ModeloFluencia", &D::ModeloFluencia), C("EBureauA", &D::EBureauA), C("EBureauB", &D::EBureauB),
    C("EEmGPa", &D::EEmGPa), C("FBureauA", &D::FBureauA), C("FBureauB", &D::FBureauB),
    C("ModuloRef", &D::ModuloRef), C("ModuloConstante", &D::ModuloConstante), C("Fcm", &D::Fcm),
    C("ByforsA1", &D::ByforsA1), C("ByforsA2", &D::ByforsA2), C("ByforsA3", &D::ByforsA3),
    C("ByforsA4", &D::ByforsA4), C("CuraACI", &D::CuraACI), C("UmidadeRel", &D::UmidadeRel),
    C("SlumpACI", &D::SlumpACI), C("FinosACI", &D::FinosACI), C("TeorArACI", &D::TeorArACI),
    C("EspessuraMediaACI", &D::EspessuraMediaACI), C("VolSupACI", &D::VolSupACI),
    C("AreaCEB", &D::AreaCEB), C("PerimetroCEB", &D::PerimetroCEB),
    C("MassaEspecifica", &D::MassaEspecifica), C("RelAguaCimento", &D::RelAguaCimento),
    C("RelAgregCimento", &D::RelAgregCimento), C("RelAreiaCimento", &D::RelAreiaCimento),
    C("FatorCimento", &D::FatorCimento), C("EOtimizado", &D::EOtimizado),
    C("ConsideraMaturidade", &D::ConsideraMaturidade), C("CimentoNBR", &D::CimentoNBR),
    C("FckNBR", &D::FckNBR), C("AgregadoNBR", &D::AgregadoNBR), C("UmidadeNBR", &D::UmidadeNBR),
    C("UmidadeSoSuperior", &D::UmidadeSoSuperior), C("PlacaNBR", &D::PlacaNBR), C("AreaNBR", &D::AreaNBR),
    C("PerimetroNBR", &D::PerimetroNBR), C("SlumpNBR", &D::SlumpNBR), C("RestricaoACI", &D::RestricaoACI),
    C("AlturaRestricao", &D::AlturaRestricao), C("ComprimentoRestricao", &D::ComprimentoRestricao),
    C("ResistFlexaoA", &D::ResistFlexaoA), C("ResistFlexaoB", &D::ResistFlexaoB),
    C("ResistTracaoA", &D::ResistTracaoA), C("ResistTracaoB", &D::ResistTracaoB),
    C("ResistDiametralA", &D::ResistDiametralA), C("ResistDiametralB", &D::ResistDiametralB),
    C("ResistComprA", &D::ResistComprA), C("ResistComprB", &D::ResistComprB));

constexpr auto CamposCamada = std::make_tuple(
    C("K", &TCamada::K), C("Espessura", &TCamada::Espessura), C("XIni", &TCamada::XIni), C("Ro", &TCamada::Ro),
    C("CalorEsp", &TCamada::CalorEsp), C("Alfa", &TCamada::Alfa),
    C("HoraConcretagem", &TCamada::HoraConcretagem), C("TInicial", &TCamada::TInicial));

// `Tabela` is handled apart: a list of hourly rates from hour 1.
constexpr auto CamposCalor = std::make_tuple(
    C("Constante", &TCalorInterno::Constante), C("F", &TCalorInterno::F), C("N", &TCalorInterno::N),
    C("Tr", &TCalorInterno::Tr), C("E", &TCalorInterno::E), C("C", &TCalorInterno::C),
    C("B", &TCalorInterno::B));

// The maturity heat, written only when it differs from the start-up record, so a
// file of the age-only heat is saved as before.
constexpr auto CamposMaturidade = std::make_tuple(
    C("Maturidade", &TCalorInterno::Maturidade), C("AlfaU", &TCalorInterno::AlfaU), C("Tau", &TCalorInterno::Tau),
    C("BetaHid", &TCalorInterno::BetaHid), C("EnergiaAtivacao", &TCalorInterno::EnergiaAtivacao),
    C("TRef", &TCalorInterno::TRef), C("TInicialCalorimetro", &TCalorInterno::TInicialCalorimetro));

constexpr auto CamposSuperficie = std::make_tuple(
    C("HDia", &TTrocaCalor::HDia), C("HNoite", &TTrocaCalor::HNoite), C("HoraIniDia", &TTrocaCalor::HoraIniDia),
    C("HoraIniNoite", &TTrocaCalor::HoraIniNoite), C("BetaS", &TTrocaCalor::BetaS),
    C("BetaI", &TTrocaCalor::BetaI), C("DiasCura", &TTrocaCalor::DiasCura),
    C("HoraIniCura", &TTrocaCalor::HoraIniCura), C("HoraFimCura", &TTrocaCalor::HoraFimCura),
    C("BetaSC", &TTrocaCalor::BetaSC));

constexpr const char* ChaveTabela = "Tabela";
constexpr const char* ListaCamadas = "Camadas";
constexpr const char* ListaCalor = "CalorCamadas";
constexpr const char* ListaSuperficie = "Superficie";
constexpr const char* ListaMedicoes = "Medicoes";
constexpr const char* ListaDosagens = "Dosagens";
constexpr const char* ListaRetracao = "RetracaoAutogena";
constexpr const char* ListaAgregados = "Agregados";
constexpr std::size_t MaxSensores = 1000;
constexpr std::size_t MaxLeituras = 1000000;

template <class Tupla, class F>
void ParaCada(const Tupla& campos, F&& f) {
    std::apply([&](const auto&... c) { (f(c), ...); }, campos);
}

// ---- Enumerations as text. ----

template <class E>
struct NomeEnum {
    E valor;
    const char* nome;
};

constexpr NomeEnum<TModeloFluencia> NomesModelo[] = {{TModeloFluencia::Bureau, "Bureau"},
                                                     {TModeloFluencia::ACI209, "ACI209"},
                                                     {TModeloFluencia::CEB1990, "CEB1990"},
                                                     {TModeloFluencia::Bazant, "Bazant"},
                                                     {TModeloFluencia::NBR6118, "NBR6118"}};
constexpr NomeEnum<TCuraACI> NomesCura[] = {
    {TCuraACI::SemCura, "SemCura"}, {TCuraACI::Umida, "Umida"}, {TCuraACI::Vapor, "Vapor"}};
constexpr NomeEnum<TCimentoNBR> NomesCimento[] = {
    {TCimentoNBR::Lento, "Lento"}, {TCimentoNBR::Normal, "Normal"}, {TCimentoNBR::Rapido, "Rapido"}};
constexpr NomeEnum<TAgregadoNBR> NomesAgregado[] = {{TAgregadoNBR::Basalto, "Basalto"},
                                                    {TAgregadoNBR::Granito, "Granito"},
                                                    {TAgregadoNBR::Calcario, "Calcario"},
                                                    {TAgregadoNBR::Arenito, "Arenito"}};
constexpr NomeEnum<TSlumpNBR> NomesSlump[] = {
    {TSlumpNBR::S0a4, "0a4"}, {TSlumpNBR::S5a9, "5a9"}, {TSlumpNBR::S10a15, "10a15"}};
constexpr NomeEnum<TFormulacao> NomesFormulacao[] = {{TFormulacao::Classica, "Classica"},
                                                     {TFormulacao::Consistente, "Consistente"}};

template <class E>
struct TabelaEnum;
template <> struct TabelaEnum<TModeloFluencia> { static constexpr const auto& nomes = NomesModelo; };
template <> struct TabelaEnum<TCuraACI> { static constexpr const auto& nomes = NomesCura; };
template <> struct TabelaEnum<TCimentoNBR> { static constexpr const auto& nomes = NomesCimento; };
template <> struct TabelaEnum<TAgregadoNBR> { static constexpr const auto& nomes = NomesAgregado; };
template <> struct TabelaEnum<TSlumpNBR> { static constexpr const auto& nomes = NomesSlump; };
template <> struct TabelaEnum<TFormulacao> { static constexpr const auto& nomes = NomesFormulacao; };

// ---- Writing. ----

// Shortest text that reads back to the same double; whole values without ".0".
Json Numero(double x, const std::string& chave) {
    if (!std::isfinite(x)) {
        throw ErroEntrada("O projeto não foi salvo: o valor de \"" + chave + "\" não é um número finito");
    }
    return NumeroJson(x);
}

Json Valor(double x, const std::string& chave) { return Numero(x, chave); }
Json Valor(std::int32_t x, const std::string&) { return Json(x); }
Json Valor(bool x, const std::string&) { return Json(x); }
template <class E>
    requires std::is_enum_v<E>
Json Valor(E x, const std::string&) {
    for (const auto& n : TabelaEnum<E>::nomes) {
        if (n.valor == x) return Json(n.nome);
    }
    return Json();
}

template <class S, class Tupla>
Json Registro(const S& s, const Tupla& campos, const std::string& prefixo) {
    Json o = Json::object();
    ParaCada(campos, [&](const auto& c) { o[c.nome] = Valor(s.*(c.membro), prefixo + "." + c.nome); });
    return o;
}

std::string Item(const std::string& lista, int indice) {
    return lista + "[" + std::to_string(indice) + "]";
}

// Records 1..n, where n covers the layers of the member and every later record that
// differs from its start-up value, so reopening restores exactly what the state held.
template <class S, class Igual>
int RegistrosUsados(const std::array<S, MaxCamadas + 1>& a, int nCamadas, Igual igual) {
    const S zero{};
    int n = std::clamp(nCamadas, 0, MaxCamadas);
    for (int L = MaxCamadas; L > n; --L) {
        if (!igual(a[static_cast<std::size_t>(L)], zero)) return L;
    }
    return n;
}

template <class S, class Tupla>
bool MesmosCampos(const S& a, const S& b, const Tupla& campos) {
    bool igual = true;
    ParaCada(campos, [&](const auto& c) {
        // Bitwise for doubles: a stored -0 must survive the round trip too.
        using T = std::remove_cvref_t<decltype(a.*(c.membro))>;
        if constexpr (std::is_same_v<T, double>) {
            igual = igual && std::memcmp(&(a.*(c.membro)), &(b.*(c.membro)), sizeof(double)) == 0;
        } else {
            igual = igual && a.*(c.membro) == b.*(c.membro);
        }
    });
    return igual;
}

// Last hour of the table that holds anything (a stored -0 included); the zeros after
// it are what a shorter list reads back as.
int UltimaHora(const TCalorInterno& c) {
    int h = MaxHoras;
    while (h > 0 && c.Tabela[static_cast<std::size_t>(h)] == 0.0 && !std::signbit(c.Tabela[static_cast<std::size_t>(h)])) {
        --h;
    }
    return h;
}

Json RegistroCalor(const TCalorInterno& c, const std::string& prefixo) {
    Json o = Registro(c, CamposCalor, prefixo);
    if (!MesmosCampos(c, TCalorInterno{}, CamposMaturidade)) {
        ParaCada(CamposMaturidade, [&](const auto& m) { o[m.nome] = Valor(c.*(m.membro), prefixo + "." + m.nome); });
    }
    const int ultima = UltimaHora(c);
    Json tabela = Json::array();
    for (int h = 1; h <= ultima; ++h) {
        tabela.push_back(Numero(c.Tabela[static_cast<std::size_t>(h)], prefixo + ".Tabela[" + std::to_string(h - 1) + "]"));
    }
    o[ChaveTabela] = std::move(tabela);
    return o;
}

void AcrescentaChave(std::string& s, const char* chave, const Json& valor, bool& primeiro) {
    s += primeiro ? "\n  \"" : ",\n  \"";
    primeiro = false;
    s += chave;
    s += "\": ";
    s += valor.dump();
}

void AcrescentaLista(std::string& s, const char* chave, const std::vector<Json>& itens, bool& primeiro) {
    s += primeiro ? "\n  \"" : ",\n  \"";
    primeiro = false;
    s += chave;
    s += "\": [";
    for (std::size_t i = 0; i < itens.size(); ++i) {
        s += i == 0 ? "\n    " : ",\n    ";
        s += itens[i].dump();
    }
    s += itens.empty() ? "]" : "\n  ]";
}

// ---- Reading. ----

constexpr std::string_view PrefixoRecusa = "Arquivo de projeto recusado: ";

[[noreturn]] void Recusa(const std::string& motivo) {
    throw ErroEntrada(std::string(PrefixoRecusa) + motivo);
}

std::string Aspas(const std::string& chave) { return "\"" + chave + "\""; }

// The name of an entry as the engineer finds it in the file, with the layer it is for.
std::string NomeItem(const char* lista, std::size_t indice) {
    return std::string(lista) + "[" + std::to_string(indice) + "] (camada " + std::to_string(indice + 1) + ")";
}

void Le(const Json& j, double& destino, const std::string& chave) {
    if (!j.is_number()) Recusa("a chave " + Aspas(chave) + " deve ser um número");
    destino = j.get<double>();
}

void Le(const Json& j, std::int32_t& destino, const std::string& chave) {
    constexpr auto Min = std::numeric_limits<std::int32_t>::min();
    constexpr auto Max = std::numeric_limits<std::int32_t>::max();
    if (j.is_number_unsigned()) {
        const auto v = j.get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(Max)) Recusa("a chave " + Aspas(chave) + " está fora do alcance de um inteiro");
        destino = static_cast<std::int32_t>(v);
    } else if (j.is_number_integer()) {
        const auto v = j.get<std::int64_t>();
        if (v < Min || v > Max) Recusa("a chave " + Aspas(chave) + " está fora do alcance de um inteiro");
        destino = static_cast<std::int32_t>(v);
    } else if (j.is_number_float()) {
        // 4.0 is a whole number written by another tool; 4.5 is not.
        const double v = j.get<double>();
        if (v != std::trunc(v)) Recusa("a chave " + Aspas(chave) + " deve ser um número inteiro");
        if (v < Min || v > Max) Recusa("a chave " + Aspas(chave) + " está fora do alcance de um inteiro");
        destino = static_cast<std::int32_t>(v);
    } else {
        Recusa("a chave " + Aspas(chave) + " deve ser um número inteiro");
    }
}

void Le(const Json& j, bool& destino, const std::string& chave) {
    if (!j.is_boolean()) Recusa("a chave " + Aspas(chave) + " deve ser true ou false");
    destino = j.get<bool>();
}

template <class E>
    requires std::is_enum_v<E>
void Le(const Json& j, E& destino, const std::string& chave) {
    std::string lista;
    for (const auto& n : TabelaEnum<E>::nomes) {
        if (j.is_string() && j.get_ref<const std::string&>() == n.nome) {
            destino = n.valor;
            return;
        }
        lista += lista.empty() ? "" : ", ";
        lista += Aspas(n.nome);
    }
    Recusa("a chave " + Aspas(chave) + " deve ser um destes textos: " + lista);
}

// Fills the fields of `campos` from object `o`; any other key is refused unless
// `extra` takes it.
template <class S, class Tupla, class Extra>
void LeRegistro(const Json& o, S& s, const Tupla& campos, const std::string& onde, Extra extra) {
    if (!o.is_object()) Recusa(onde + " deve ser um objeto { ... }");
    for (const auto& item : o.items()) {
        // Named references, not a structured binding: the lambda below captures them.
        const std::string& chave = item.key();
        const Json& valor = item.value();
        bool achou = false;
        ParaCada(campos, [&](const auto& c) {
            if (!achou && chave == c.nome) {
                achou = true;
                Le(valor, s.*(c.membro), onde + "." + chave);
            }
        });
        if (!achou && !extra(chave, valor)) Recusa("chave desconhecida " + Aspas(chave) + " em " + onde);
    }
}

const Json& Lista(const Json& j, const char* chave, std::size_t maximo, const char* oQue) {
    if (!j.is_array()) Recusa("a chave " + Aspas(chave) + " deve ser uma lista [ ... ]");
    if (j.size() > maximo) {
        Recusa("a lista " + Aspas(chave) + " tem " + std::to_string(j.size()) + " " + oQue + ", acima do máximo de " +
               std::to_string(maximo));
    }
    return j;
}

void LeTabela(const Json& j, TCalorInterno& c, const std::string& onde) {
    const std::string chave = onde + ".Tabela";
    if (!j.is_array()) Recusa("a chave " + Aspas(chave) + " deve ser uma lista [ ... ]");
    if (j.size() > static_cast<std::size_t>(MaxHoras)) {
        Recusa("a lista " + Aspas(chave) + " tem " + std::to_string(j.size()) + " horas, acima do máximo de " +
               std::to_string(MaxHoras));
    }
    for (std::size_t i = 0; i < j.size(); ++i) {
        Le(j[i], c.Tabela[i + 1], chave + "[" + std::to_string(i) + "]");
    }
}

// Position of byte `posicao` (1-based, as the parser counts) as line and column.
std::string LinhaColuna(const std::string& texto, std::size_t posicao) {
    std::size_t linha = 1, coluna = 1;
    const std::size_t fim = std::min(posicao > 0 ? posicao - 1 : 0, texto.size());
    for (std::size_t i = 0; i < fim; ++i) {
        if (texto[i] == '\n') {
            ++linha;
            coluna = 1;
        } else {
            ++coluna;
        }
    }
    return "linha " + std::to_string(linha) + ", coluna " + std::to_string(coluna);
}

Json Analisa(const std::string& texto) {
    // A key given twice would silently lose one of its values: refuse it.
    std::vector<std::set<std::string>> chaves;
    std::string repetida;
    const Json::parser_callback_t vigia = [&](int, nlohmann::json::parse_event_t evento, Json& valor) {
        using E = nlohmann::json::parse_event_t;
        if (evento == E::object_start) {
            chaves.emplace_back();
        } else if (evento == E::object_end) {
            if (!chaves.empty()) chaves.pop_back();
        } else if (evento == E::key && !chaves.empty() && repetida.empty()) {
            const auto& chave = valor.get_ref<const std::string&>();
            if (!chaves.back().insert(chave).second) repetida = chave;
        }
        return true;
    };
    Json j;
    try {
        j = Json::parse(texto, vigia);
    } catch (const nlohmann::json::parse_error& e) {
        Recusa("o texto não é JSON válido (" + LinhaColuna(texto, e.byte) + ")");
    } catch (const nlohmann::json::exception&) {
        Recusa("o texto contém um número fora do alcance de um número real");
    }
    if (!repetida.empty()) Recusa("a chave " + Aspas(repetida) + " aparece mais de uma vez");
    return j;
}

// [{"Nome": "T1", "Altura": 0.5, "Leituras": [[hora, °C], ...]}, ...]
void LeMedicoes(const Json& j, std::vector<TSensor>& destino) {
    const Json& lista = Lista(j, ListaMedicoes, MaxSensores, "sensores");
    std::vector<TSensor> sensores;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const std::string onde = std::string(ListaMedicoes) + "[" + std::to_string(i) + "]";
        const Json& o = lista[i];
        if (!o.is_object()) Recusa(Aspas(onde) + " deve ser um objeto { ... }");
        TSensor s;
        bool temNome = false, temAltura = false, temLeituras = false;
        for (const auto& [k, v] : o.items()) {
            if (k == "Nome") {
                if (!v.is_string()) Recusa("a chave " + Aspas(onde + ".Nome") + " deve ser um texto");
                s.Nome = v.get<std::string>();
                temNome = true;
            } else if (k == "Altura") {
                Le(v, s.Altura, onde + ".Altura");
                temAltura = true;
            } else if (k == "Leituras") {
                const std::string chave = onde + ".Leituras";
                if (!v.is_array()) Recusa("a chave " + Aspas(chave) + " deve ser uma lista [ ... ]");
                if (v.size() > MaxLeituras) Recusa("a lista " + Aspas(chave) + " tem leituras demais");
                for (std::size_t n = 0; n < v.size(); ++n) {
                    const std::string item = chave + "[" + std::to_string(n) + "]";
                    if (!v[n].is_array() || v[n].size() != 2) Recusa("a chave " + Aspas(item) + " deve ser um par [hora, temperatura]");
                    TLeitura l;
                    Le(v[n][0], l.Hora, item + "[0]");
                    Le(v[n][1], l.Temperatura, item + "[1]");
                    // −9999 and readings colder than any air are missing readings.
                    if (Validacao::LeituraAusente(l.Temperatura)) continue;
                    if (!s.Leituras.empty() && !(l.Hora > s.Leituras.back().Hora))
                        Recusa("as horas de " + Aspas(chave) + " devem crescer (item " + std::to_string(n) + ")");
                    s.Leituras.push_back(l);
                }
                temLeituras = true;
            } else {
                Recusa("chave desconhecida " + Aspas(k) + " em " + onde);
            }
        }
        if (!temNome || !temAltura || !temLeituras)
            Recusa(Aspas(onde) + " precisa de \"Nome\", \"Altura\" e \"Leituras\"");
        sensores.push_back(std::move(s));
    }
    destino = std::move(sensores);
}

template <class Tupla>
bool LeCampoDoTopo(const Tupla& campos, const std::string& chave, const Json& valor, TDadosModelo& d) {
    bool achou = false;
    ParaCada(campos, [&](const auto& c) {
        if (!achou && chave == c.nome) {
            achou = true;
            Le(valor, d.*(c.membro), chave);
        }
    });
    return achou;
}

template <class Tupla>
void CopiaCampos(const Tupla& campos, const TDadosModelo& origem, TDadosModelo& destino) {
    ParaCada(campos, [&](const auto& c) { destino.*(c.membro) = origem.*(c.membro); });
}

// What keeps a problem from fitting the state (empty when it fits). The same rule
// refuses a file when it is read and a state before it is written, so that every
// file saved can be opened again.
std::string ProblemaDeCapacidade(const TDadosModelo& d) {
    if (d.NCamadas < 0 || d.NCamadas > MaxCamadas) {
        return "\"NCamadas\" vale " + std::to_string(d.NCamadas) + "; o membro pode ter de 0 a " +
               std::to_string(MaxCamadas) + " camadas";
    }
    if (d.NCamadasMembro < 0 || d.NCamadasMembro > MaxCamadas) {
        return "\"NCamadasMembro\" vale " + std::to_string(d.NCamadasMembro) + "; deve ficar entre 0 e " +
               std::to_string(MaxCamadas);
    }
    if (d.NElemCamada < 1) {
        return "\"NElemCamada\" vale " + std::to_string(d.NElemCamada) + "; cada camada precisa de ao menos 1 elemento";
    }
    if (d.PassoTempo < 1) {
        return "\"PassoTempo\" vale " + std::to_string(d.PassoTempo) +
               "; o passo de tempo é de ao menos 1 hora (confirme as condições iniciais)";
    }
    if (d.SubpassosPorPasso < 1 || d.SubpassosPorPasso > MaxSubpassos) {
        return "\"SubpassosPorPasso\" vale " + std::to_string(d.SubpassosPorPasso) + "; deve ficar entre 1 e " +
               std::to_string(MaxSubpassos);
    }
    const long long nos = Membro::NumeroNos(d);
    if (nos > MaxNos) {
        return "o membro teria " + std::to_string(nos) + " nós (NCamadas × NElemCamada + 1), acima do máximo de " +
               std::to_string(MaxNos);
    }
    return {};
}

}  // namespace

std::string Texto(const TDadosModelo& d) {
    if (const std::string p = ProblemaDeCapacidade(d); !p.empty()) {
        throw ErroEntrada("O projeto não foi salvo: " + p);
    }
    return Conteudo(d);
}

std::string ConteudoTermico(const TDadosModelo& d) {
    auto copia = std::make_unique<TDadosModelo>(d);
    const auto inicial = std::make_unique<TDadosModelo>();
    CopiaCampos(CamposTensoes, *inicial, *copia);
    copia->Medicoes.clear();
    return Conteudo(*copia);
}

std::string Conteudo(const TDadosModelo& d) {
    std::string s = "{";
    bool primeiro = true;
    AcrescentaChave(s, "formato", Json(Formato), primeiro);
    AcrescentaChave(s, "versao", Json(Versao), primeiro);
    auto escalares = [&](const auto& campos) {
        ParaCada(campos, [&](const auto& c) {
            const Json v = Valor(d.*(c.membro), c.nome);
            if (!v.is_null()) AcrescentaChave(s, c.nome, v, primeiro);  // no creep model chosen
        });
    };
    escalares(CamposProblema);
    if (d.SubpassosPorPasso != 1) escalares(CamposSubpassos);
    if (d.CondutividadeHidratacao) escalares(CamposCondutividade);

    std::vector<Json> itens;
    const int nCamadas = RegistrosUsados(d.Camadas, d.NCamadas,
                                         [](const TCamada& a, const TCamada& b) { return MesmosCampos(a, b, CamposCamada); });
    for (int L = 1; L <= nCamadas; ++L) {
        itens.push_back(Registro(d.Camadas[static_cast<std::size_t>(L)], CamposCamada, Item(ListaCamadas, L - 1)));
    }
    AcrescentaLista(s, ListaCamadas, itens, primeiro);

    itens.clear();
    const int nCalor = RegistrosUsados(d.CalorCamadas, d.NCamadas, [](const TCalorInterno& a, const TCalorInterno& b) {
        return MesmosCampos(a, b, CamposCalor) && MesmosCampos(a, b, CamposMaturidade) && UltimaHora(a) == 0;
    });
    for (int L = 1; L <= nCalor; ++L) {
        itens.push_back(RegistroCalor(d.CalorCamadas[static_cast<std::size_t>(L)], Item(ListaCalor, L - 1)));
    }
    AcrescentaLista(s, ListaCalor, itens, primeiro);

    // Surface records past the last one in use are zero: the list stops there.
    itens.clear();
    const int nSuperficie = RegistrosUsados(d.Superficie, 0, [](const TTrocaCalor& a, const TTrocaCalor& b) {
        return MesmosCampos(a, b, CamposSuperficie);
    });
    for (int L = 1; L <= nSuperficie; ++L) {
        itens.push_back(Registro(d.Superficie[static_cast<std::size_t>(L)], CamposSuperficie, Item(ListaSuperficie, L - 1)));
    }
    AcrescentaLista(s, ListaSuperficie, itens, primeiro);

    escalares(CamposContorno);
    if (d.Obra && d.Obra->TemDados()) AcrescentaChave(s, "Obra", d.Obra->ParaJson(), primeiro);
    if (d.Resfriamento && d.Resfriamento->TemDados())
        AcrescentaChave(s, "Serpentinas", d.Resfriamento->ParaJson(), primeiro);
    escalares(CamposTensoes);
    // Only a project with measurements has the key: every other file is as before.
    if (!d.Medicoes.empty()) {
        itens.clear();
        for (std::size_t i = 0; i < d.Medicoes.size(); ++i) {
            const TSensor& sensor = d.Medicoes[i];
            const std::string onde = "Medicoes[" + std::to_string(i) + "]";
            Json o = Json::object();
            o["Nome"] = sensor.Nome;
            o["Altura"] = Numero(sensor.Altura, onde + ".Altura");
            Json leituras = Json::array();
            for (const TLeitura& l : sensor.Leituras) {
                leituras.push_back(Json::array({Numero(l.Hora, onde + ".Leituras"), Numero(l.Temperatura, onde + ".Leituras")}));
            }
            o["Leituras"] = std::move(leituras);
            itens.push_back(std::move(o));
        }
        AcrescentaLista(s, ListaMedicoes, itens, primeiro);
    }
    // Likewise the mixes: only a project with one has the key.
    if (!d.Dosagens.empty()) {
        itens.clear();
        for (const Json& o : ProjetoMistura::ParaJson(d.Dosagens)) itens.push_back(o);
        AcrescentaLista(s, ListaDosagens, itens, primeiro);
    }
    if (!d.RetracaoAutogena.empty()) {
        itens.clear();
        for (const Json& o : ProjetoMistura::ParaJson(d.RetracaoAutogena)) itens.push_back(o);
        AcrescentaLista(s, ListaRetracao, itens, primeiro);
    }
    if (!d.Agregados.empty()) {
        itens.clear();
        for (const Json& o : ProjetoMistura::ParaJson(d.Agregados)) itens.push_back(o);
        AcrescentaLista(s, ListaAgregados, itens, primeiro);
    }
    s += "\n}\n";
    return s;
}

void Grava(const std::string& caminho, const TDadosModelo& dados) {
    const std::string texto = Texto(dados);
    TArquivoAtomico::Grava(caminho, texto, "Não foi possível salvar o projeto em \"" + caminho + "\"");
}

namespace {

// `completo`: the problem is to be run (a file opened); otherwise it is a state still
// being entered, held only to the layer counts that size the state.
void LeTextoCom(const std::string& texto, TDadosModelo& dados, bool completo) {
    const Json j = Analisa(texto);
    if (!j.is_object()) Recusa("o arquivo não contém um objeto JSON { ... }");

    const auto formato = j.find("formato");
    if (formato == j.end()) Recusa("falta a chave \"formato\"; o arquivo não é um projeto do Norvik 1D");
    if (!formato->is_string() || formato->get_ref<const std::string&>() != Formato) {
        Recusa("a chave \"formato\" vale " + formato->dump() + " e não \"" + Formato +
               "\"; o arquivo não é um projeto do Norvik 1D");
    }
    const auto versao = j.find("versao");
    if (versao == j.end()) Recusa("falta a chave \"versao\"");
    if (!versao->is_number_integer()) Recusa("a chave \"versao\" deve ser um número inteiro");
    const auto numeroVersao = versao->get<std::int64_t>();
    if (numeroVersao > Versao) {
        Recusa("o arquivo é da versão " + std::to_string(numeroVersao) + ", mais nova que a versão " +
               std::to_string(Versao) + " que este programa lê");
    }
    if (numeroVersao < 1) Recusa("versão " + std::to_string(numeroVersao) + " desconhecida");

    // A fresh state: every key that is absent keeps its start-up value.
    auto novo = std::make_unique<TDadosModelo>();
    bool temMembro = false;
    for (const auto& [chave, valor] : j.items()) {
        if (chave == "formato" || chave == "versao") continue;
        if (LeCampoDoTopo(CamposProblema, chave, valor, *novo) || LeCampoDoTopo(CamposSubpassos, chave, valor, *novo) ||
            LeCampoDoTopo(CamposCondutividade, chave, valor, *novo) ||
            LeCampoDoTopo(CamposContorno, chave, valor, *novo) ||
            LeCampoDoTopo(CamposTensoes, chave, valor, *novo)) {
            temMembro = temMembro || chave == "NCamadasMembro";
            continue;
        }
        if (chave == ListaCamadas) {
            const Json& lista = Lista(valor, ListaCamadas, MaxCamadas, "camadas");
            for (std::size_t i = 0; i < lista.size(); ++i) {
                LeRegistro(lista[i], novo->Camadas[i + 1], CamposCamada, NomeItem(ListaCamadas, i),
                           [](const std::string&, const Json&) { return false; });
            }
        } else if (chave == ListaCalor) {
            const Json& lista = Lista(valor, ListaCalor, MaxCamadas, "camadas");
            for (std::size_t i = 0; i < lista.size(); ++i) {
                TCalorInterno& c = novo->CalorCamadas[i + 1];
                const std::string onde = NomeItem(ListaCalor, i);
                LeRegistro(lista[i], c, CamposCalor, onde, [&](const std::string& k, const Json& v) {
                    if (k == ChaveTabela) {
                        LeTabela(v, c, onde);
                        return true;
                    }
                    bool achou = false;
                    ParaCada(CamposMaturidade, [&](const auto& m) {
                        if (!achou && k == m.nome) {
                            achou = true;
                            Le(v, c.*(m.membro), onde + "." + k);
                        }
                    });
                    return achou;
                });
            }
        } else if (chave == ListaSuperficie) {
            const Json& lista = Lista(valor, ListaSuperficie, MaxCamadas, "registros");
            for (std::size_t i = 0; i < lista.size(); ++i) {
                LeRegistro(lista[i], novo->Superficie[i + 1], CamposSuperficie, NomeItem(ListaSuperficie, i),
                           [](const std::string&, const Json&) { return false; });
            }
        } else if (chave == "Obra" && LeitorObra()) {
            try {
                novo->Obra.Define(LeitorObra()(valor));
            } catch (const ErroEntrada& e) {
                Recusa(e.what());
            }
        } else if (chave == "Serpentinas" && LeitorResfriamento()) {
            try {
                novo->Resfriamento.Define(LeitorResfriamento()(valor));
            } catch (const ErroEntrada& e) {
                Recusa(e.what());
            }
        } else if (chave == ListaMedicoes) {
            LeMedicoes(valor, novo->Medicoes);
        } else if (chave == ListaDosagens) {
            try {
                ProjetoMistura::Le(valor, novo->Dosagens);
            } catch (const ErroEntrada& e) {
                Recusa(e.what());
            }
        } else if (chave == ListaRetracao) {
            try {
                ProjetoMistura::Le(valor, novo->RetracaoAutogena);
            } catch (const ErroEntrada& e) {
                Recusa(e.what());
            }
        } else if (chave == ListaAgregados) {
            try {
                ProjetoMistura::Le(valor, novo->Agregados);
            } catch (const ErroEntrada& e) {
                Recusa(e.what());
            }
        } else {
            Recusa("chave desconhecida " + Aspas(chave));
        }
    }
    if (!temMembro) novo->NCamadasMembro = novo->NCamadas;
    if (!completo) {
        if (novo->NCamadas < 0 || novo->NCamadas > MaxCamadas || novo->NCamadasMembro < 0 ||
            novo->NCamadasMembro > MaxCamadas) {
            Recusa(ProblemaDeCapacidade(*novo));
        }
        CopiaProblema(*novo, dados);
        dados.TermicoCompleto = false;
        return;
    }
    // The site data and the sensors are refused here when impossible (negative wind,
    // radiation, air outside any site's range, a sensor outside the member); the
    // layers' values are the dialogs' and are refused by the run.
    {
        Validacao::Resultado v;
        if (novo->Obra) novo->Obra->Valida(*novo, v);
        if (novo->Resfriamento) novo->Resfriamento->Valida(v);
        Validacao::ValidaSensores(*novo, v);
        if (!v.Valido()) Recusa(v.Erros.front());
    }

    // A problem that does not fit the state is refused here, not in the run.
    if (const std::string p = ProblemaDeCapacidade(*novo); !p.empty()) Recusa(p);

    // All valid: the problem replaces the one in memory. The run state and the colour
    // scale stay; the history no longer belongs to this problem.
    CopiaProblema(*novo, dados);
    dados.TermicoCompleto = false;
}

}  // namespace

void LeTexto(const std::string& texto, TDadosModelo& dados) { LeTextoCom(texto, dados, true); }

void LeRascunho(const std::string& texto, TDadosModelo& dados) { LeTextoCom(texto, dados, false); }

void CopiaProblema(const TDadosModelo& origem, TDadosModelo& destino) {
    CopiaCampos(CamposProblema, origem, destino);
    CopiaCampos(CamposSubpassos, origem, destino);
    CopiaCampos(CamposCondutividade, origem, destino);
    CopiaCampos(CamposContorno, origem, destino);
    CopiaCampos(CamposTensoes, origem, destino);
    destino.Camadas = origem.Camadas;
    destino.CalorCamadas = origem.CalorCamadas;
    destino.Superficie = origem.Superficie;
    destino.Obra = origem.Obra;
    destino.Resfriamento = origem.Resfriamento;
    destino.Medicoes = origem.Medicoes;
    destino.Dosagens = origem.Dosagens;
    destino.RetracaoAutogena = origem.RetracaoAutogena;
    destino.Agregados = origem.Agregados;
}

void Le(const std::string& caminho, TDadosModelo& dados) {
    std::error_code ec;
    if (std::filesystem::is_directory(caminho, ec)) {
        throw ErroEntrada("Não foi possível abrir o arquivo de projeto \"" + caminho + "\": o nome é de uma pasta");
    }
    std::ifstream f(caminho, std::ios::binary);
    if (!f) throw ErroEntrada("Não foi possível abrir o arquivo de projeto \"" + caminho + "\"");
    std::string texto;
    try {
        texto.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        f.setstate(std::ios::badbit);
    }
    if (f.bad()) throw ErroEntrada("Não foi possível ler o arquivo de projeto \"" + caminho + "\"");
    try {
        LeTexto(texto, dados);
    } catch (const ErroEntrada& e) {
        // The same message, naming the file: Arquivo de projeto "x" recusado: ...
        std::string m = e.what();
        if (m.rfind(PrefixoRecusa, 0) == 0) {
            m = "Arquivo de projeto \"" + caminho + "\" recusado: " + m.substr(PrefixoRecusa.size());
        }
        throw ErroEntrada(m);
    }
}

}  // namespace Projeto
