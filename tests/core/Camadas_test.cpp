// The layering of the source folders, checked on every #include of the tree.
//
//   core (pure) < input, obra, stress, mistura < results < analise < relatorio, estudos, verificacao
//   < incerteza
//   < core/ui < the subsystems' ui/ < app/ui < the programs (app, app/lote, verificacao/gera)
//
// A pure folder includes only pure folders of a lower level, and never Qt. A subsystem's
// ui/ includes core/ui, pure code of any folder and no other ui/: a window reaches
// another subsystem's windows only through the registry's interfaces in core/ui. app/ui
// (the main window and the construction of the registry) and the programs may include
// anything. No two folders include each other, directly or through others.
// docs/arquitetura.md draws the same picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

enum class Tipo { Puro, Janelas, Registro, Programa };

struct Pasta {
    std::string nome;
    int nivel;
    Tipo tipo;
};

// The rule table: every folder of source code and its level. A new folder gets its row
// here (and in docs/arquitetura.md) before its first file builds.
const std::vector<Pasta>& Pastas() {
    static const std::vector<Pasta> pastas{
        {"core", 0, Tipo::Puro},
        {"input", 1, Tipo::Puro},
        {"obra", 1, Tipo::Puro},
        {"stress", 1, Tipo::Puro},
        {"mistura", 1, Tipo::Puro},
        {"serpentinas", 1, Tipo::Puro},
        {"results", 2, Tipo::Puro},
        {"analise", 3, Tipo::Puro},
        {"relatorio", 4, Tipo::Puro},
        {"estudos", 4, Tipo::Puro},
        {"verificacao", 4, Tipo::Puro},
        {"incerteza", 5, Tipo::Puro},
        {"core/ui", 5, Tipo::Janelas},
        {"input/ui", 6, Tipo::Janelas},
        {"obra/ui", 6, Tipo::Janelas},
        {"stress/ui", 6, Tipo::Janelas},
        {"results/ui", 6, Tipo::Janelas},
        {"analise/ui", 6, Tipo::Janelas},
        {"relatorio/ui", 6, Tipo::Janelas},
        {"estudos/ui", 6, Tipo::Janelas},
        {"verificacao/ui", 6, Tipo::Janelas},
        {"mistura/ui", 6, Tipo::Janelas},
        {"serpentinas/ui", 6, Tipo::Janelas},
        {"incerteza/ui", 6, Tipo::Janelas},
        {"app/ui", 7, Tipo::Registro},
        {"app", 8, Tipo::Programa},
        {"app/lote", 8, Tipo::Programa},
        {"verificacao/gera", 8, Tipo::Programa},
    };
    return pastas;
}

// Includes against the layering not yet removed (none today). The test fails when one
// of them goes, so that the list only shrinks.
const std::set<std::pair<std::string, std::string>>& Pendentes() {
    static const std::set<std::pair<std::string, std::string>> pendentes{};
    return pendentes;
}

// Top-level folders of the tree that hold no program code.
bool ForaDoCodigo(const std::string& raiz) {
    static const std::set<std::string> fora{"tests", "bench", "fuzz", "docs", "exemplos", "scripts"};
    return fora.count(raiz) || raiz.rfind("build", 0) == 0 || raiz.rfind('.', 0) == 0;
}

// The row of the longest folder of the table that holds `caminho` (relative, with '/').
const Pasta* PastaDe(const std::string& caminho) {
    const Pasta* melhor = nullptr;
    for (const Pasta& p : Pastas())
        if (caminho.rfind(p.nome + "/", 0) == 0 && (!melhor || p.nome.size() > melhor->nome.size())) melhor = &p;
    return melhor;
}

const Pasta& Linha(const std::string& nome) {
    for (const Pasta& p : Pastas())
        if (p.nome == nome) return p;
    throw std::logic_error("pasta fora da tabela: " + nome);
}

// Why `origem` may not include `destino`, or nothing when it may.
std::optional<std::string> Proibido(const Pasta& origem, const Pasta& destino) {
    if (origem.nome == destino.nome) return std::nullopt;
    switch (origem.tipo) {
    case Tipo::Puro:
        if (destino.tipo != Tipo::Puro) return "código puro inclui janelas ou programa";
        if (destino.nivel >= origem.nivel) return "código puro inclui uma pasta do mesmo nível ou acima";
        return std::nullopt;
    case Tipo::Janelas:
        if (destino.tipo == Tipo::Puro) return std::nullopt;
        if (destino.nome == "core/ui") return std::nullopt;
        return "janela inclui as janelas de outro subsistema (use o registro em core/ui)";
    case Tipo::Registro:
        if (destino.tipo == Tipo::Programa) return "o registro inclui um programa";
        return std::nullopt;
    case Tipo::Programa:
        return std::nullopt;
    }
    return std::nullopt;
}

struct Inclusao {
    std::string arquivo;  // relative to the source root
    int linha;
    std::string alvo;     // as written
};

struct Arvore {
    std::vector<std::string> arquivos;
    std::vector<Inclusao> locais;  // #include "..."
    std::vector<Inclusao> qt;      // #include <Q...> / <qt...>
    std::vector<std::string> semPasta;
};

Arvore Le(const fs::path& raiz) {
    Arvore a;
    const std::regex local(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const std::regex qt(R"(^\s*#\s*include\s*<((Q|qt)[^>]*)>)");
    for (const auto& topo : fs::directory_iterator(raiz)) {
        if (!topo.is_directory()) continue;
        const std::string nome = topo.path().filename().string();
        if (ForaDoCodigo(nome)) continue;
        for (const auto& e : fs::recursive_directory_iterator(topo.path())) {
            if (!e.is_regular_file()) continue;
            const std::string ext = e.path().extension().string();
            if (ext != ".h" && ext != ".cpp" && ext != ".inc") continue;
            const std::string rel = fs::relative(e.path(), raiz).generic_string();
            if (!PastaDe(rel)) {
                a.semPasta.push_back(rel);
                continue;
            }
            a.arquivos.push_back(rel);
            std::ifstream f(e.path());
            std::string s;
            for (int n = 1; std::getline(f, s); ++n) {
                std::smatch m;
                if (std::regex_search(s, m, local)) a.locais.push_back({rel, n, m[1]});
                else if (std::regex_search(s, m, qt)) a.qt.push_back({rel, n, m[1]});
            }
        }
    }
    std::sort(a.arquivos.begin(), a.arquivos.end());
    return a;
}

// The folder an include names: a path from the root, or a file beside the includer.
const Pasta* AlvoDe(const Inclusao& i) {
    if (const Pasta* p = PastaDe(i.alvo)) return p;
    return PastaDe(i.arquivo);
}

// Groups of two or more folders that reach each other (strongly connected components).
std::vector<std::vector<std::string>> Ciclos(const std::map<std::string, std::set<std::string>>& arestas) {
    std::set<std::string> nos;
    for (const auto& [a, bs] : arestas) {
        nos.insert(a);
        nos.insert(bs.begin(), bs.end());
    }
    std::map<std::string, int> indice, baixo;
    std::set<std::string> naPilha;
    std::vector<std::string> pilha;
    std::vector<std::vector<std::string>> grupos;
    int proximo = 0;
    std::function<void(const std::string&)> visita = [&](const std::string& v) {
        indice[v] = baixo[v] = proximo++;
        pilha.push_back(v);
        naPilha.insert(v);
        if (auto it = arestas.find(v); it != arestas.end())
            for (const std::string& w : it->second) {
                if (!indice.count(w)) {
                    visita(w);
                    baixo[v] = std::min(baixo[v], baixo[w]);
                } else if (naPilha.count(w)) {
                    baixo[v] = std::min(baixo[v], indice[w]);
                }
            }
        if (baixo[v] == indice[v]) {
            std::vector<std::string> grupo;
            std::string w;
            do {
                w = pilha.back();
                pilha.pop_back();
                naPilha.erase(w);
                grupo.push_back(w);
            } while (w != v);
            if (grupo.size() > 1) {
                std::sort(grupo.begin(), grupo.end());
                grupos.push_back(grupo);
            }
        }
    };
    for (const std::string& v : nos)
        if (!indice.count(v)) visita(v);
    std::sort(grupos.begin(), grupos.end());
    return grupos;
}

// --- the checker itself, on cases whose answer is known -------------------------------

struct CasoRegra {
    const char* origem;
    const char* destino;
    bool permitido;
};

class RegraCamadas : public testing::TestWithParam<CasoRegra> {};

TEST_P(RegraCamadas, PermiteSoDescerOuUsarOKitComum) {
    const CasoRegra& c = GetParam();
    EXPECT_EQ(!Proibido(Linha(c.origem), Linha(c.destino)).has_value(), c.permitido)
        << c.origem << " -> " << c.destino;
}

INSTANTIATE_TEST_SUITE_P(Tabela, RegraCamadas,
                         testing::Values(CasoRegra{"results", "core", true},
                                         CasoRegra{"results", "stress", true},
                                         CasoRegra{"stress", "results", false},
                                         CasoRegra{"stress", "obra", false},
                                         CasoRegra{"mistura", "core", true},
                                         CasoRegra{"mistura", "input", false},
                                         CasoRegra{"input/ui", "mistura/ui", false},
                                         CasoRegra{"core", "obra", false},
                                         CasoRegra{"obra", "results", false},
                                         CasoRegra{"analise", "results", true},
                                         CasoRegra{"results", "analise", false},
                                         CasoRegra{"estudos", "analise", true},
                                         CasoRegra{"estudos", "relatorio", false},
                                         CasoRegra{"incerteza", "estudos", true},
                                         CasoRegra{"estudos", "incerteza", false},
                                         CasoRegra{"core", "core/ui", false},
                                         CasoRegra{"relatorio", "relatorio/ui", false},
                                         CasoRegra{"stress/ui", "core/ui", true},
                                         CasoRegra{"stress/ui", "results", true},
                                         CasoRegra{"stress/ui", "estudos", true},
                                         CasoRegra{"stress/ui", "results/ui", false},
                                         CasoRegra{"obra/ui", "input/ui", false},
                                         CasoRegra{"core/ui", "results/ui", false},
                                         CasoRegra{"core/ui", "results", true},
                                         CasoRegra{"results/ui", "app/ui", false},
                                         CasoRegra{"app/ui", "results/ui", true},
                                         CasoRegra{"app/ui", "app/lote", false},
                                         CasoRegra{"app/lote", "relatorio/ui", true}));

TEST(CiclosEntrePastas, AchaCadaGrupoUmaVez) {
    const auto grupos = Ciclos({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a", "d"}}, {"d", {}}, {"e", {"f"}}, {"f", {"e"}}});
    ASSERT_EQ(grupos.size(), 2u);
    EXPECT_EQ(grupos[0], (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(grupos[1], (std::vector<std::string>{"e", "f"}));
    EXPECT_TRUE(Ciclos({{"a", {"b"}}, {"b", {"c"}}, {"a", {"c"}}}).empty());
}

TEST(PastaDoArquivo, AMaisLongaDaTabela) {
    EXPECT_EQ(PastaDe("core/Numeros.h")->nome, "core");
    EXPECT_EQ(PastaDe("core/ui/Janelas.h")->nome, "core/ui");
    EXPECT_EQ(PastaDe("app/lote/main.cpp")->nome, "app/lote");
    EXPECT_EQ(PastaDe("app/main.cpp")->nome, "app");
    EXPECT_EQ(PastaDe("verificacao/gera/main.cpp")->nome, "verificacao/gera");
    EXPECT_EQ(PastaDe("bench/lote.cpp"), nullptr);
}

// --- the tree -----------------------------------------------------------------------

TEST(Camadas, CadaIncludeDaArvoreRespeitaAsCamadas) {
    const Arvore a = Le(NORVIK_FONTES);
    ASSERT_GT(a.arquivos.size(), 100u);
    for (const std::string& s : a.semPasta) ADD_FAILURE() << s << ": pasta sem linha na tabela de camadas";

    int contra = 0;
    std::set<std::pair<std::string, std::string>> pendentesVistos;
    std::map<std::string, std::set<std::string>> arestas;
    for (const Inclusao& i : a.locais) {
        const Pasta* origem = PastaDe(i.arquivo);
        const Pasta* destino = AlvoDe(i);
        if (!origem || !destino) continue;
        if (origem->nome != destino->nome) arestas[origem->nome].insert(destino->nome);
        if (const auto porque = Proibido(*origem, *destino)) {
            ++contra;
            if (Pendentes().count({i.arquivo, i.alvo})) {
                pendentesVistos.insert({i.arquivo, i.alvo});
                continue;
            }
            ADD_FAILURE() << i.arquivo << ":" << i.linha << ": #include \"" << i.alvo << "\" — " << origem->nome
                          << " -> " << destino->nome << ": " << *porque;
        }
    }
    for (const Inclusao& i : a.qt) {
        const Pasta* origem = PastaDe(i.arquivo);
        if (origem->tipo != Tipo::Puro) continue;
        ++contra;
        ADD_FAILURE() << i.arquivo << ":" << i.linha << ": #include <" << i.alvo << "> — código puro inclui Qt";
    }
    for (const auto& [arquivo, alvo] : Pendentes())
        if (!pendentesVistos.count({arquivo, alvo}))
            ADD_FAILURE() << arquivo << ": #include \"" << alvo << "\" saiu ou passou a valer: tire-o da lista de pendentes";
    const auto ciclos = Ciclos(arestas);
    for (const auto& g : ciclos) {
        std::ostringstream o;
        for (const std::string& p : g) o << " " << p;
        ADD_FAILURE() << "ciclo entre as pastas:" << o.str();
    }
    std::cout << "[ camadas  ] " << a.arquivos.size() << " arquivos, " << a.locais.size() << " includes locais; "
              << contra << " contra as camadas; " << ciclos.size() << " ciclos entre pastas\n";
}

}  // namespace
