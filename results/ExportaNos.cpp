#include "results/ExportaNos.h"

#include <string_view>

#include "core/ArquivoAtomico.h"
#include "core/Cp1252.h"
#include "core/Erros.h"
#include "core/Numeros.h"

namespace ExportaNos {

namespace {

std::string_view CelulaOuVazia(const TabelaTexto& tabela, int coluna, int linha) {
    return tabela.Contem(coluna, linha) ? std::string_view(tabela.Celula(coluna, linha)) : std::string_view();
}

bool EmBranco(std::string_view texto) { return texto.find_first_not_of(' ') == std::string_view::npos; }

// Hands each line to `saida`, then reports its number.
template <class Saida>
void Percorre(const TabelaTexto& tabela, const std::vector<int>& nos, Saida&& saida,
              const std::function<void(int)>& aCadaLinha) {
    std::string linha;
    linha.reserve(16 * nos.size() + 32);

    linha = "\r\n";
    for (std::size_t j = 1; j <= nos.size(); ++j) {
        if (j == 1) linha += "t[h]       ";
        Cp1252::Acrescenta(linha, "Nó:");
        linha += Numeros::FormataInteiro(nos[j - 1]);
        linha.append(j >= 10 ? 9 : 10, ' ');
    }
    saida(linha);
    int numero = 1;
    if (aCadaLinha) aCadaLinha(numero);

    for (int r = 1; r < tabela.Linhas(); ++r) {
        const std::string_view tempo = tabela.Celula(0, r);
        if (EmBranco(tempo)) continue;
        linha = "\r\n";
        if (!nos.empty()) {
            long long hora = 0;
            try {
                hora = Numeros::TextoParaInteiro(tempo);
            } catch (const ErroConversao&) {
                throw ErroEntrada(TArquivoAtomico::MensagemPadrao);
            }
            Cp1252::Acrescenta(linha, tempo);
            linha.append(static_cast<std::size_t>(LacunaTempo(hora)), ' ');
            for (int n : nos) {
                Cp1252::Acrescenta(linha, CelulaOuVazia(tabela, n, r));
                linha.append(7, ' ');
            }
        }
        saida(linha);
        if (aCadaLinha) aCadaLinha(++numero);
    }
}

}  // namespace

int LacunaTempo(long long hora) {
    if (hora < 10) return 7;
    if (hora < 100) return 6;
    if (hora < 1000) return 5;
    return 4;
}

std::string Bytes(const TabelaTexto& tabela, const std::vector<int>& nos) {
    std::string s;
    Percorre(tabela, nos, [&](const std::string& linha) { s += linha; }, {});
    return s;
}

void Grava(const std::string& caminho, const TabelaTexto& tabela, const std::vector<int>& nos,
           const std::function<void(int)>& aCadaLinha) {
    TArquivoAtomico arquivo(caminho);
    Percorre(tabela, nos, [&](const std::string& linha) { arquivo.Escreve(linha); }, aCadaLinha);
    arquivo.Conclui();
}

}  // namespace ExportaNos
