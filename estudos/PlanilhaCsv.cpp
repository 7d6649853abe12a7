#include "estudos/PlanilhaCsv.h"

#include "core/Erros.h"

namespace PlanilhaCsv {

void Linha(std::string& s, const std::vector<std::string>& celulas) {
    for (std::size_t i = 0; i < celulas.size(); ++i) {
        if (i) s += ';';
        const std::string& c = celulas[i];
        if (c.find_first_of(";\"\r\n") == std::string::npos) {
            s += c;
            continue;
        }
        s += '"';
        for (char x : c) {
            if (x == '"') s += '"';
            s += x;
        }
        s += '"';
    }
    s += "\r\n";
}

std::vector<std::vector<std::string>> Registros(std::string_view t) {
    std::vector<std::vector<std::string>> r;
    std::vector<std::string> registro;
    std::string celula;
    bool aspas = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (aspas) {
            if (c != '"') {
                celula += c;
            } else if (i + 1 < t.size() && t[i + 1] == '"') {
                celula += '"';
                ++i;
            } else {
                aspas = false;
            }
        } else if (c == '"') {
            aspas = true;
        } else if (c == ';') {
            registro.push_back(std::move(celula));
            celula.clear();
        } else if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') {
            registro.push_back(std::move(celula));
            celula.clear();
            r.push_back(std::move(registro));
            registro.clear();
            ++i;
        } else {
            celula += c;
        }
    }
    if (aspas || !celula.empty() || !registro.empty())
        throw ErroEntrada("a planilha termina no meio de um registro (aspas abertas ou falta a quebra de linha)");
    return r;
}

}  // namespace PlanilhaCsv
