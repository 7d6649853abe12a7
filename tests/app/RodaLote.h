#pragma once
// Runs the built norvik1d-lote through the shell and collects what it said.
#include <sys/wait.h>

#include <gtest/gtest.h>

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

// A command line the tool must refuse, as a row of a table: in `args`, {E} stands for a
// study file and {S} for an output in the test's folder.
struct RecusaLote {
    const char* nome;
    const char* args;
    const char* mensagem;
};

// Runs the row with `estudo` for {E}: exit 2, the message on standard error, nothing written.
inline void ConfereRecusa(const RecusaLote& r, const std::string& estudo) {
    PastaTemporaria pasta;
    std::string args = r.args;
    for (const auto& [marca, valor] : {std::pair<std::string, std::string>{"{E}", Q(estudo)}, {"{S}", Q(pasta / "r.csv")}}) {
        for (std::size_t i; (i = args.find(marca)) != std::string::npos;) args.replace(i, marca.size(), valor);
    }
    const Saida s = Roda(pasta, args);
    EXPECT_EQ(s.codigo, 2);
    EXPECT_NE(s.err.find(r.mensagem), std::string::npos) << s.err;
    EXPECT_EQ(pasta.QuantosArquivos(), 0);
}
