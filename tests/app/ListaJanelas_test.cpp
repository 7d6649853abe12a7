// Every top-level window the application creates is in the list it deletes on closing,
// once: a window left out outlives its application (and its problem). Windows created
// with a parent, and the group the boundary-conditions dialog embeds, belong to it.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string Le(const std::string& relativo) {
    std::ifstream f(std::string(NORVIK_FONTES) + "/" + relativo);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::map<std::string, int> Nomes(const std::string& texto, const std::regex& padrao) {
    std::map<std::string, int> r;
    for (auto it = std::sregex_iterator(texto.begin(), texto.end(), padrao); it != std::sregex_iterator(); ++it)
        ++r[(*it)[1].str()];
    return r;
}

TEST(ListaJanelas, CadaJanelaCriadaEApagadaUmaVez) {
    const auto criadas = Nomes(Le("app/ui/CriaJanelas.inc"), std::regex(R"(j\.(\w+) = new T\w+\(ctx\);)"));
    const auto listadas = Nomes(Le("app/ui/ListaJanelas.inc"), std::regex(R"(JANELA\((\w+)\))"));
    ASSERT_GT(criadas.size(), 40u);
    for (const auto& [nome, vezes] : criadas) {
        if (nome == "gbxClimaHorario") continue;
        EXPECT_EQ(vezes, 1) << nome;
        EXPECT_EQ(listadas.count(nome), 1u) << nome << " é criada e nunca apagada";
    }
    for (const auto& [nome, vezes] : listadas) {
        EXPECT_EQ(vezes, 1) << nome << " seria apagada duas vezes";
        EXPECT_EQ(criadas.count(nome), 1u) << nome << " é apagada sem ser criada aqui";
    }
}

}  // namespace
