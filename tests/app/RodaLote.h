#pragma once
// Runs the built norvik1d-lote through the shell and collects what it said.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PastaTemporaria.h"

inline const std::string BinarioLote = std::string(NORVIK_BINARIOS) + "/norvik1d-lote";

// Quoted for the shell (built by appending: GCC 12 warns falsely on "'" + temporary).
inline std::string Q(const std::string& caminho) {
    std::string q(1, '\'');
    q.append(caminho);
    q.push_back('\'');
    return q;
}

struct Saida {
    int codigo = -1;
    std::string out;
    std::string err;
};

// Standard output and error go to files beside the folder, so the folder itself holds
// only what the tool wrote. `prefixo` goes before the command (a file-size limit).
inline Saida Roda(const PastaTemporaria& pasta, const std::string& args, const std::string& prefixo = "") {
    const std::string out = pasta.Caminho().string() + ".out";
    const std::string err = pasta.Caminho().string() + ".err";
    const std::string comando = prefixo + Q(BinarioLote) + " " + args + " >" + Q(out) + " 2>" + Q(err);
    const int estado = std::system(("sh -c \"" + comando + "\"").c_str());
    Saida s;
    s.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    s.out = LeArquivo(out);
    s.err = LeArquivo(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return s;
}
