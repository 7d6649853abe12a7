#include "verificacao/Verificacao.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "results/ExecucaoProjeto.h"
#include "results/ResumoTermico.h"

namespace {

using Figuras = TVerificacao::Figuras;

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }
std::string Fixo(double v, int decimais) { return Verificacao::Fixo(v, 0, decimais); }
std::string Variacao(double v, int decimais) {
    std::string s = Fixo(v, decimais);
    if (v > 0.0) s.insert(s.begin(), '+');
    return s;
}

Figuras Roda(const TDadosModelo& origem, int elementos, bool tensoes, ObservadorPasso* observador,
             Progresso& progresso) {
    auto dados = std::make_unique<TDadosModelo>(origem);
    dados->NElemCamada = elementos;
    // Nothing of an earlier stress run may pass for this one's.
    dados->TracaoMaxima = 0.0;
    dados->NoTracaoMaxima = 0;
    dados->HoraTracaoMaxima = 0;
    OpcoesExecucao opcoes;
    opcoes.Tensoes = tensoes;
    opcoes.Observador = observador;
    const TExecucaoProjeto ex = ExecucaoProjeto::Executa(std::move(dados), opcoes, progresso);

    Figuras f;
    f.ElemCamada = elementos;
    f.Nos = static_cast<int>(Membro::NumeroNos(*ex.Dados));
    f.Completo = ex.Termico.Completo;
    const TResumoTermico r = TResumoTermico::Calcula(*ex.Dados, ex.Temperaturas, 70.0);
    if (!r.Vazio) {
        f.TMaxima = r.TMaxima;
        f.NoTMax = r.NoTMax;
        f.HoraTMax = r.HoraTMax;
        f.TemDiferenca = r.CamadaDif != 0;
        f.DifMaxima = r.DifMaxima;
        f.CamadaDif = r.CamadaDif;
    }
    if (ex.ComTensoes && ex.Dados->NoTracaoMaxima > 0 && ex.Dados->TracaoMaxima < 0.0) {
        f.TemTracao = true;
        f.TracaoMaxima = 0.0 - ex.Dados->TracaoMaxima;
        f.NoTracao = ex.Dados->NoTracaoMaxima;
        f.HoraTracao = ex.Dados->HoraTracaoMaxima;
    }
    return f;
}

std::string Coluna(const std::string& s, std::size_t largura) {
    // Width in characters, not bytes: the texts carry accents.
    std::size_t letras = 0;
    for (unsigned char c : s) letras += (c & 0xC0) != 0x80;
    std::string r;
    if (letras < largura) r.assign(largura - letras, ' ');
    r += s;
    return r;
}

std::string LinhaTabela(const std::string& nome, const std::string& a, const std::string& b, const std::string& v) {
    std::string s = "  ";
    s += nome;
    std::size_t letras = 0;
    for (unsigned char c : nome) letras += (c & 0xC0) != 0x80;
    if (letras < 34) s += std::string(34 - letras, ' ');
    return s + Coluna(a, 12) + Coluna(b, 12) + Coluna(v, 12) + "\n";
}

}  // namespace

bool TVerificacao::DependeDaMalha() const {
    if (!Refinou) return false;
    if (std::fabs(Refinada.TMaxima - Original.TMaxima) > LimiteMalha) return true;
    return Original.TemDiferenca && Refinada.TemDiferenca &&
           std::fabs(Refinada.DifMaxima - Original.DifMaxima) > LimiteMalha;
}

TVerificacao TVerificacao::Executa(const TDadosModelo& dados, bool tensoes, Progresso& progresso) {
    TVerificacao v;
    v.Formulacao = dados.Formulacao;
    v.ComTensoes = tensoes;
    const int ne = dados.NElemCamada;
    v.Original = Roda(dados, ne, tensoes, &v.Balanco, progresso);

    const int capacidade = dados.NCamadas > 0 ? (MaxNos - 1) / dados.NCamadas : 0;
    const int refinada = std::min(2 * ne, capacidade);
    v.Refinou = refinada > ne;
    v.Limitada = refinada < 2 * ne;
    if (v.Refinou) v.Refinada = Roda(dados, refinada, tensoes, nullptr, progresso);
    return v;
}

std::string TVerificacao::Texto() const {
    const bool consistente = Formulacao == TFormulacao::Consistente;
    std::string s = "Verificação da análise térmica (formulação " +
                    std::string(consistente ? "consistente" : "clássica") + ")\n\n";

    s += "Verificação de malha\n";
    if (!Refinou) {
        s += "  A malha não pode ser refinada: com " + Inteiro(Original.ElemCamada) +
             " elementos por camada o membro já está no limite de " + Inteiro(MaxNos) + " nós.\n";
        s += LinhaTabela("Temperatura máxima (°C)", Fixo(Original.TMaxima, 2), "", "");
        if (Original.TemDiferenca)
            s += LinhaTabela("Maior dif. núcleo–superfície (°C)", Fixo(Original.DifMaxima, 2), "", "");
        if (Original.TemTracao) s += LinhaTabela("Maior tração (MPa)", Fixo(Original.TracaoMaxima, 2), "", "");
    } else {
        if (Limitada)
            s += "  O refinamento foi limitado pela capacidade de " + Inteiro(MaxNos) + " nós: " +
                 Inteiro(Refinada.ElemCamada) + " elementos por camada em vez de " +
                 Inteiro(2 * Original.ElemCamada) + ".\n";
        s += LinhaTabela("", Inteiro(Original.ElemCamada) + " el/cam", Inteiro(Refinada.ElemCamada) + " el/cam",
                         "variação");
        s += LinhaTabela("Nós", Inteiro(Original.Nos), Inteiro(Refinada.Nos), "");
        s += LinhaTabela("Temperatura máxima (°C)", Fixo(Original.TMaxima, 2), Fixo(Refinada.TMaxima, 2),
                         Variacao(Refinada.TMaxima - Original.TMaxima, 2));
        if (Original.TemDiferenca && Refinada.TemDiferenca)
            s += LinhaTabela("Maior dif. núcleo–superfície (°C)", Fixo(Original.DifMaxima, 2),
                             Fixo(Refinada.DifMaxima, 2), Variacao(Refinada.DifMaxima - Original.DifMaxima, 2));
        if (ComTensoes) {
            if (Original.TemTracao && Refinada.TemTracao)
                s += LinhaTabela("Maior tração (MPa)", Fixo(Original.TracaoMaxima, 2), Fixo(Refinada.TracaoMaxima, 2),
                                 Variacao(Refinada.TracaoMaxima - Original.TracaoMaxima, 2));
            else
                s += "  Maior tração: a análise de tensões não encontrou tração em uma das malhas.\n";
        }
        if (!Original.Completo || !Refinada.Completo)
            s += "  Atenção: a análise térmica não chegou ao tempo total; as figuras são até onde ela foi.\n";
        std::string mudancas = "a temperatura máxima muda " + Fixo(std::fabs(Refinada.TMaxima - Original.TMaxima), 2) + " °C";
        if (Original.TemDiferenca && Refinada.TemDiferenca)
            mudancas += " e a diferença núcleo–superfície " +
                        Fixo(std::fabs(Refinada.DifMaxima - Original.DifMaxima), 2) + " °C";
        s += DependeDaMalha() ? "  O resultado depende da malha: ao refinar, " + mudancas + " (mais de " +
                                    Fixo(LimiteMalha, 0) + " °C).\n"
                              : "  O resultado não depende da malha: ao refinar, " + mudancas + " (até " +
                                    Fixo(LimiteMalha, 0) + " °C).\n";
    }
    if (!consistente)
        s += "  A formulação clássica pode não convergir ao refinar a malha (a face prescrita sobrescrita depois de "
             "cada passo, o nó da junta na temperatura de lançamento); a formulação consistente converge.\n";

    s += '\n';
    s += Balanco.Texto();
    return s;
}
