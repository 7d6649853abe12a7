// Bad project files: each is refused with a message naming what is wrong, and the
// problem in memory stays as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/Erros.h"
#include "core/Projeto.h"

namespace {

std::string Exemplo() {
    std::ifstream f(NORVIK_FONTES "/exemplos/bloco-fundacao-3-camadas.n1d.json", std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The example with the first `de` replaced by `para`.
std::string Troca(const std::string& de, const std::string& para) {
    std::string t = Exemplo();
    const auto p = t.find(de);
    EXPECT_NE(p, std::string::npos) << de;
    if (p != std::string::npos) t.replace(p, de.size(), para);
    return t;
}

struct ArquivoRuim {
    const char* nome;
    std::string texto;
    const char* mensagem;
};

std::string NomeDaLinha(const ::testing::TestParamInfo<ArquivoRuim>& info) { return info.param.nome; }

class ProjetoInvalido : public ::testing::TestWithParam<ArquivoRuim> {};

TEST_P(ProjetoInvalido, RecusadoComMensagemEEstadoIntacto) {
    auto d = std::make_unique<TDadosModelo>();
    d->NCamadas = 2;
    d->NElemCamada = 3;
    d->PassoTempo = 2;
    d->TempoTotal = 77;
    d->Camadas[1].Espessura = 0.75;
    const std::string antes = Projeto::Texto(*d);
    try {
        Projeto::LeTexto(GetParam().texto, *d);
        FAIL() << "aceito";
    } catch (const ErroEntrada& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().mensagem);
    }
    EXPECT_EQ(Projeto::Texto(*d), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Arquivo, ProjetoInvalido,
    ::testing::Values(
        ArquivoRuim{"Vazio", "", "Arquivo de projeto recusado: o texto não é JSON válido (linha 1, coluna 1)"},
        ArquivoRuim{"Branco", " \r\n\t\n", "Arquivo de projeto recusado: o texto não é JSON válido (linha 3, coluna 1)"},
        ArquivoRuim{"Letras", "projeto", "Arquivo de projeto recusado: o texto não é JSON válido (linha 1, coluna 1)"},
        ArquivoRuim{"Cortado", Exemplo().substr(0, 201), "Arquivo de projeto recusado: o texto não é JSON válido (linha 11, coluna 3)"},
        ArquivoRuim{"VirgulaDecimal", Troca("\"TempoTotal\": 512", "\"TempoTotal\": 512,5"), "Arquivo de projeto recusado: o texto não é JSON válido (linha 9, coluna 21)"},
        ArquivoRuim{"NumeroEntreAspas", Troca("\"TempoTotal\": 512", "\"TempoTotal\": \"512\""), "Arquivo de projeto recusado: a chave \"TempoTotal\" deve ser um número"},
        ArquivoRuim{"Enorme", Troca("\"TempoTotal\": 512", "\"TempoTotal\": 1e400"), "Arquivo de projeto recusado: o texto contém um número fora do alcance de um número real"},
        ArquivoRuim{"EnormeNaCamada", Troca("\"Espessura\": 1.5", "\"Espessura\": -1e999"), "Arquivo de projeto recusado: o texto contém um número fora do alcance de um número real"},
        ArquivoRuim{"NaN", Troca("\"TempoTotal\": 512", "\"TempoTotal\": NaN"), "Arquivo de projeto recusado: o texto não é JSON válido (linha 9, coluna 17)"},
        ArquivoRuim{"Infinito", Troca("\"TempoTotal\": 512", "\"TempoTotal\": Infinity"), "Arquivo de projeto recusado: o texto não é JSON válido (linha 9, coluna 17)"},
        ArquivoRuim{"PassoNegativo", Troca("\"PassoTempo\": 1", "\"PassoTempo\": -1"), "Arquivo de projeto recusado: \"PassoTempo\" vale -1; o passo de tempo é de ao menos 1 hora (confirme as condições iniciais)"},
        ArquivoRuim{"InteiroComFracao", Troca("\"PassoTempo\": 1", "\"PassoTempo\": 1.5"), "Arquivo de projeto recusado: a chave \"PassoTempo\" deve ser um número inteiro"},
        ArquivoRuim{"InteiroAlemDeInt32", Troca("\"NElemCamada\": 4", "\"NElemCamada\": 99999999999"), "Arquivo de projeto recusado: a chave \"NElemCamada\" está fora do alcance de um inteiro"},
        ArquivoRuim{"CamadasAlemDaCapacidade", Troca("\"NCamadas\": 3", "\"NCamadas\": 301"), "Arquivo de projeto recusado: \"NCamadas\" vale 301; o membro pode ter de 0 a 300 camadas"},
        ArquivoRuim{"NosAlemDaCapacidade", Troca("\"NElemCamada\": 4", "\"NElemCamada\": 100"), "Arquivo de projeto recusado: o membro teria 301 nós (NCamadas × NElemCamada + 1), acima do máximo de 300"},
        ArquivoRuim{"ChaveDesconhecida", Troca("\"TempoTotal\"", "\"TempoTotl\""), "Arquivo de projeto recusado: chave desconhecida \"TempoTotl\""},
        ArquivoRuim{"ChaveRepetida", Troca("\"TempoTotal\": 512", "\"TempoTotal\": 512, \"TempoTotal\": 24"),
                    "Arquivo de projeto recusado: a chave \"TempoTotal\" aparece mais de uma vez"}),
    NomeDaLinha);

}  // namespace
