#include "mistura/Cimentos.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/LeituraJson.h"
#include "core/ProjetoMistura.h"

namespace Cimentos {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* Formato = "norvik-1d/cimentos";
constexpr int Versao = 1;

// Typical Portland clinker (phases within the usual ranges of Portland clinker) and
// the same with the low C3A that a sulfate-resisting cement asks of its clinker.
TCimento Clinquer(const char* nome, double blaine) {
    TCimento c;
    c.Nome = nome;
    c.C3S = 58.0;
    c.C2S = 16.0;
    c.C3A = 7.0;
    c.C4AF = 10.0;
    c.SO3 = 3.0;
    c.CaOLivre = 1.0;
    c.MgO = 4.0;
    c.Blaine = blaine;
    return c;
}

TCimento ComAdicoes(TCimento c, double escoria, double pozolana, double filer) {
    c.Escoria = escoria;
    c.Pozolana = pozolana;
    c.CaOPozolana = pozolana > 0.0 ? 3.0 : 0.0;  // low-calcium fly ash or calcined clay
    c.Filer = filer;
    return c;
}

TCimento AltaResistenciaInicial(const char* nome, double c3a) {
    TCimento c = Clinquer(nome, 480.0);
    c.C3S = 63.0;
    c.C2S = 11.0;
    c.C3A = c3a;
    c.C4AF = 17.0 - c3a;
    c.SO3 = 3.5;
    c.CaOLivre = 1.2;
    c.MgO = 3.5;
    return c;
}

constexpr const char* FonteComum =
    "Valores típicos, não de um certificado: substitua pelos do certificado da fábrica. Fases do clínquer na "
    "faixa usual do clínquer Portland (H. F. W. Taylor, Cement Chemistry, 2ª ed., 1997, cap. 1); adições "
    "dentro dos limites de composição da ABNT NBR 16697:2018 para o tipo";

std::string Fonte(const char* limites) { return std::string(FonteComum) + " (" + limites + "); finura Blaine típica do tipo."; }

std::vector<TPreset> Cria() {
    std::vector<TPreset> p;
    p.push_back({ComAdicoes(Clinquer("CP I", 380.0), 0.0, 0.0, 0.0), Fonte("clínquer e sulfatos 95–100 %")});
    p.push_back({ComAdicoes(Clinquer("CP I-S", 380.0), 0.0, 0.0, 8.0), Fonte("clínquer e sulfatos 90–94 %, material carbonático 6–10 %")});
    p.push_back({ComAdicoes(Clinquer("CP II-E", 380.0), 25.0, 0.0, 5.0), Fonte("escória 6–34 %, material carbonático 0–15 %")});
    p.push_back({ComAdicoes(Clinquer("CP II-Z", 390.0), 0.0, 12.0, 5.0), Fonte("pozolana 6–14 %, material carbonático 0–15 %")});
    p.push_back({ComAdicoes(Clinquer("CP II-F", 370.0), 0.0, 0.0, 15.0), Fonte("material carbonático 11–25 %")});
    p.push_back({ComAdicoes(Clinquer("CP III", 420.0), 60.0, 0.0, 5.0), Fonte("escória 35–75 %, material carbonático 0–10 %")});
    p.push_back({ComAdicoes(Clinquer("CP IV", 430.0), 0.0, 35.0, 5.0), Fonte("pozolana 15–50 %, material carbonático 0–10 %")});
    p.push_back({ComAdicoes(AltaResistenciaInicial("CP V-ARI", 8.0), 0.0, 0.0, 5.0), Fonte("material carbonático 0–10 %")});
    p.push_back({ComAdicoes(Clinquer("CP III RS", 420.0), 65.0, 0.0, 3.0),
                 Fonte("resistente a sulfatos: escória 60–70 %, material carbonático até 5 %")});
    p.push_back({ComAdicoes(Clinquer("CP IV RS", 430.0), 0.0, 35.0, 3.0),
                 Fonte("resistente a sulfatos: pozolana 25–40 %, material carbonático até 5 %")});
    p.push_back({ComAdicoes(AltaResistenciaInicial("CP V-ARI RS", 5.0), 0.0, 0.0, 5.0),
                 Fonte("resistente a sulfatos: C3A do clínquer até 8 %, material carbonático até 5 %")});
    return p;
}

[[noreturn]] void Recusa(const std::string& caminho, const std::string& motivo) {
    throw ErroEntrada("Biblioteca de cimentos \"" + caminho + "\" recusada: " + motivo);
}

void ConfereNomes(const std::vector<TCimento>& cimentos) {
    std::set<std::string> nomes;
    for (const TCimento& c : cimentos) {
        if (c.Nome.empty()) throw ErroEntrada("Um cimento da biblioteca precisa de um nome");
        if (Tipico(c.Nome)) throw ErroEntrada("O nome \"" + c.Nome + "\" é de um cimento típico; escolha outro");
        if (!nomes.insert(c.Nome).second) throw ErroEntrada("O nome \"" + c.Nome + "\" aparece duas vezes na biblioteca");
    }
}

}  // namespace

const std::vector<TPreset>& Tipicos() {
    static const std::vector<TPreset> tipicos = Cria();
    return tipicos;
}

const TPreset* Tipico(const std::string& nome) {
    for (const TPreset& p : Tipicos())
        if (p.Cimento.Nome == nome) return &p;
    return nullptr;
}

std::vector<TCimento> LeBiblioteca(const std::string& caminho) {
    std::error_code ec;
    if (!std::filesystem::exists(caminho, ec)) return {};
    std::ifstream f(caminho, std::ios::binary);
    if (!f) throw ErroEntrada("Não foi possível abrir a biblioteca de cimentos \"" + caminho + "\"");
    const std::string texto{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    std::vector<TCimento> cimentos;
    try {
        const Json j = LeituraJson::Analisa(texto);
        if (!j.is_object()) Recusa(caminho, "o arquivo não contém um objeto JSON { ... }");
        bool temFormato = false, temVersao = false, temLista = false;
        for (const auto& [k, v] : j.items()) {
            if (k == "formato") {
                if (!v.is_string() || v.get<std::string>() != Formato)
                    Recusa(caminho, std::string("a chave \"formato\" deve valer \"") + Formato + "\"");
                temFormato = true;
            } else if (k == "versao") {
                if (!v.is_number_integer() || v.get<std::int64_t>() != Versao)
                    Recusa(caminho, "a chave \"versao\" deve valer " + std::to_string(Versao));
                temVersao = true;
            } else if (k == "Cimentos") {
                if (!v.is_array()) Recusa(caminho, "a chave \"Cimentos\" deve ser uma lista [ ... ]");
                for (std::size_t i = 0; i < v.size(); ++i)
                    cimentos.push_back(ProjetoMistura::LeCimento(v[i], "Cimentos[" + std::to_string(i) + "]"));
                temLista = true;
            } else {
                Recusa(caminho, "chave desconhecida \"" + k + "\"");
            }
        }
        if (!temFormato || !temVersao || !temLista) Recusa(caminho, "faltam \"formato\", \"versao\" ou \"Cimentos\"");
        ConfereNomes(cimentos);
    } catch (const ErroEntrada& e) {
        const std::string m = e.what();
        if (m.rfind("Biblioteca de cimentos", 0) == 0) throw;
        Recusa(caminho, m);
    }
    return cimentos;
}

std::string TextoBiblioteca(const std::vector<TCimento>& cimentos) {
    ConfereNomes(cimentos);
    Json j = Json::object();
    j["formato"] = Formato;
    j["versao"] = Versao;
    Json lista = Json::array();
    for (const TCimento& c : cimentos) lista.push_back(ProjetoMistura::CimentoParaJson(c));
    j["Cimentos"] = std::move(lista);
    return j.dump(2) + "\n";
}

void GravaBiblioteca(const std::string& caminho, const std::vector<TCimento>& cimentos) {
    const std::string texto = TextoBiblioteca(cimentos);
    TArquivoAtomico::Grava(caminho, texto, "Não foi possível salvar a biblioteca de cimentos em \"" + caminho + "\"");
}

std::vector<TCimento> Acrescenta(std::vector<TCimento> biblioteca, const TCimento& c) {
    for (TCimento& existente : biblioteca) {
        if (existente.Nome == c.Nome) {
            existente = c;
            return biblioteca;
        }
    }
    biblioteca.push_back(c);
    return biblioteca;
}

}  // namespace Cimentos
