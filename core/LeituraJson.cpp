#include "core/LeituraJson.h"

#include <cmath>
#include <cstdlib>
#include <set>

#include "core/Erros.h"

namespace LeituraJson {

namespace {

// A walk over a text the parser took (or refused only for a number's range) that
// reports each key with its path and each number with its place. Nothing here
// decides validity: the parser does.
struct Passeio {
    const std::string& t;
    std::size_t i = 0;

    void Espacos() {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n' || t[i] == '\r')) ++i;
    }
    // The raw string at t[i] == '"', without its quotes; escapes kept as written.
    std::string Texto() {
        std::string s;
        ++i;
        while (i < t.size() && t[i] != '"') {
            if (t[i] == '\\' && i + 1 < t.size()) s += t[i++];
            s += t[i++];
        }
        ++i;
        return s;
    }
    // Calls aoChave(caminho, posição) for every key, aoNumero(texto, posição) for every
    // number; stops (returning true) as soon as one of them returns true.
    template <class FC, class FN>
    bool Valor(std::vector<std::string>& caminho, FC& aoChave, FN& aoNumero, int profundidade) {
        Espacos();
        if (i >= t.size() || profundidade > 512) return false;
        const char c = t[i];
        if (c == '{') {
            ++i;
            std::set<std::string> vistas;
            for (;;) {
                Espacos();
                if (i >= t.size()) return false;
                if (t[i] == '}') {
                    ++i;
                    return false;
                }
                if (t[i] == ',') {
                    ++i;
                    continue;
                }
                if (t[i] != '"') return false;
                const std::size_t pos = i;
                caminho.push_back(Texto());
                const bool repetida = !vistas.insert(caminho.back()).second;
                if (aoChave(caminho, pos, repetida)) return true;
                Espacos();
                if (i < t.size() && t[i] == ':') ++i;
                if (Valor(caminho, aoChave, aoNumero, profundidade + 1)) return true;
                caminho.pop_back();
            }
        }
        if (c == '[') {
            ++i;
            for (;;) {
                Espacos();
                if (i >= t.size()) return false;
                if (t[i] == ']') {
                    ++i;
                    return false;
                }
                if (t[i] == ',') {
                    ++i;
                    continue;
                }
                const std::size_t antes = i;
                if (Valor(caminho, aoChave, aoNumero, profundidade + 1)) return true;
                if (i == antes) return false;
            }
        }
        if (c == '"') {
            Texto();
            return false;
        }
        const std::size_t pos = i;
        while (i < t.size() && std::string_view("+-.0123456789eEtruefalsn").find(t[i]) != std::string_view::npos) ++i;
        if (i == pos) return false;
        return aoNumero(t.substr(pos, i - pos), pos);
    }
};

std::string Entre(const std::string& texto, std::size_t pos) { return " (" + LinhaColuna(texto, pos) + ")"; }

}  // namespace

std::string LinhaColuna(const std::string& texto, std::size_t posicao) {
    std::size_t linha = 1, coluna = 1;
    const std::size_t fim = std::min(posicao, texto.size());
    for (std::size_t i = 0; i < fim; ++i) {
        if (texto[i] == '\n') {
            ++linha;
            coluna = 1;
        } else if ((static_cast<unsigned char>(texto[i]) & 0xC0) != 0x80) {
            ++coluna;  // a character, not each byte of it
        }
    }
    return "linha " + std::to_string(linha) + ", coluna " + std::to_string(coluna);
}

nlohmann::ordered_json Analisa(const std::string& texto) {
    using Json = nlohmann::ordered_json;
    Json j;
    bool foraDoAlcance = false;
    try {
        j = Json::parse(texto);
    } catch (const nlohmann::json::parse_error& e) {
        // The parser counts bytes from 1 and points just past what it could not take.
        const std::size_t pos = e.byte > 0 ? e.byte - 1 : 0;
        throw ErroEntrada("o texto não é JSON válido" + Entre(texto, pos));
    } catch (const nlohmann::json::exception&) {
        foraDoAlcance = true;
    }
    // The walk finds the place of a repeated key or of a number beyond a double.
    std::string erro;
    auto aoChave = [&](const std::vector<std::string>& caminho, std::size_t pos, bool repetida) {
        if (!repetida) return false;
        erro = "a chave \"" + caminho.back() + "\" aparece mais de uma vez" + Entre(texto, pos);
        return true;
    };
    auto aoNumero = [&](const std::string& n, std::size_t pos) {
        if (!foraDoAlcance || n == "true" || n == "false" || n == "null") return false;
        const double v = std::strtod(n.c_str(), nullptr);
        if (std::isfinite(v)) return false;
        erro = "o número " + n + " está fora do alcance de um número real" + Entre(texto, pos);
        return true;
    };
    std::vector<std::string> caminho;
    Passeio{texto}.Valor(caminho, aoChave, aoNumero, 0);
    if (!erro.empty()) throw ErroEntrada(erro);
    if (foraDoAlcance) throw ErroEntrada("o texto contém um número fora do alcance de um número real");
    return j;
}

std::string OndeChave(const std::string& texto, const std::vector<std::string>& procurado) {
    std::string r;
    auto aoChave = [&](const std::vector<std::string>& caminho, std::size_t pos, bool) {
        if (caminho != procurado) return false;
        r = Entre(texto, pos);
        return true;
    };
    auto aoNumero = [](const std::string&, std::size_t) { return false; };
    std::vector<std::string> caminho;
    Passeio{texto}.Valor(caminho, aoChave, aoNumero, 0);
    return r;
}

void LeArquivo(const std::string& texto, const std::string& prefixo, const std::string& formato,
               const std::function<bool(const nlohmann::ordered_json&, std::vector<std::string>&)>& leChaves) {
    nlohmann::ordered_json j;
    try {
        j = Analisa(texto);
    } catch (const ErroEntrada& erro) {
        throw ErroEntrada(prefixo + erro.what());
    }
    if (!j.is_object()) throw ErroEntrada(prefixo + "o arquivo deve conter um objeto { ... }");
    std::vector<std::string> lendo;
    bool temFormato = false;
    try {
        temFormato = leChaves(j, lendo);
    } catch (const ErroEntrada& erro) {
        throw ErroEntrada(erro.what() + OndeChave(texto, lendo));
    }
    if (!temFormato) throw ErroEntrada(prefixo + "falta \"formato\": \"" + formato + "\"");
}

}  // namespace LeituraJson
