#include "verificacao/Verificacao.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <memory>
#include <vector>

#include "core/Membro.h"
#include "core/Numeros.h"
#include "analise/Analise.h"
#include "results/ResumoTermico.h"
#include "stress/IndiceFissuracao.h"

namespace {

using Figuras = TVerificacao::Figuras;

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }
std::string Fixo(double v, int decimais) { return Verificacao::Fixo(v, 0, decimais); }
std::string Variacao(double v, int decimais) {
    std::string s = Fixo(v, decimais);
    if (v > 0.0) s.insert(s.begin(), '+');
    return s;
}

struct Variante {
    int Elementos = 0;
    TFormulacao Formulacao = TFormulacao::Classica;
    int Subpassos = 1;
};

Figuras Roda(const TDadosModelo& origem, const Variante& v, bool tensoes, ObservadorPasso* observador,
             Progresso& progresso) {
    auto dados = std::make_unique<TDadosModelo>(origem);
    dados->NElemCamada = v.Elementos;
    DefineFormulacao(*dados, v.Formulacao);
    dados->SubpassosPorPasso = v.Subpassos;
    // Nothing of an earlier stress run may pass for this one's.
    dados->TracaoMaxima = 0.0;
    dados->NoTracaoMaxima = 0;
    dados->HoraTracaoMaxima = 0;
    OpcoesAnalise opcoes;
    opcoes.Tensoes = tensoes;
    opcoes.Observador = observador;
    if (tensoes && TIndiceFissuracao::ResistenciasDefinidas(*dados, TCurvaTracao::Simples))
        opcoes.Indice = OpcoesAnalise::ParametrosIndice{TCurvaTracao::Simples, TVerificacao::LimiteIndice};
    Figuras f = FigurasDaAnalise(Analise::Executa(std::move(dados), opcoes, progresso));
    f.ElemCamada = v.Elementos;
    return f;
}

// A run that may fail without failing the verification: its message instead.
Figuras RodaOuDiz(const TDadosModelo& origem, const Variante& v, bool tensoes, Progresso& progresso, std::string& erro) {
    try {
        return Roda(origem, v, tensoes, nullptr, progresso);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        erro = e.what();
        if (erro.empty()) erro = "falha sem mensagem";
    }
    return {};
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

TVerificacao::Figuras FigurasDaAnalise(const Analise& ex) {
    Figuras f;
    f.ElemCamada = ex.Dados->NElemCamada;
    f.Nos = static_cast<int>(Membro::NumeroNos(*ex.Dados));
    f.Completo = ex.Termico.Completo;
    f.Formulacao = ex.Dados->Formulacao;
    f.Subpassos = ex.Dados->Formulacao == TFormulacao::Consistente ? std::max(1, ex.Dados->SubpassosPorPasso) : 1;
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
    if (ex.Indice && ex.Indice->NoCritico > 0) {
        f.TemIndice = true;
        f.NoIndice = ex.Indice->NoCritico;
        f.IndiceMinimo = ex.Indice->Nos[static_cast<std::size_t>(f.NoIndice)].IndiceMinimo;
    }
    return f;
}

bool TVerificacao::DependeDaMalha() const {
    if (!Refinou) return false;
    if (std::fabs(Refinada.TMaxima - Original.TMaxima) > LimiteMalha) return true;
    return Original.TemDiferenca && Refinada.TemDiferenca &&
           std::fabs(Refinada.DifMaxima - Original.DifMaxima) > LimiteMalha;
}

bool TVerificacao::Muda(const Figuras& a, const Figuras& b) {
    if (std::fabs(b.TMaxima - a.TMaxima) > LimiteMalha) return true;
    if (a.TemDiferenca && b.TemDiferenca && std::fabs(b.DifMaxima - a.DifMaxima) > LimiteMalha) return true;
    return a.TemIndice && b.TemIndice && (a.IndiceMinimo < LimiteIndice) != (b.IndiceMinimo < LimiteIndice);
}

bool TVerificacao::DependeDoPasso() const { return ErroPasso.empty() && ErroOutra.empty() && Muda(BasePasso(), Passo); }

bool TVerificacao::DependeDaFormulacao() const { return ErroOutra.empty() && Muda(Original, Outra); }

TVerificacao TVerificacao::Executa(const TDadosModelo& dados, bool tensoes, Progresso& progresso) {
    TVerificacao v;
    v.Formulacao = dados.Formulacao;
    v.ComTensoes = tensoes;
    const int ne = dados.NElemCamada;
    const int subpassos = std::max(1, dados.SubpassosPorPasso);
    const bool consistente = dados.Formulacao == TFormulacao::Consistente;
    v.Original = Roda(dados, {ne, dados.Formulacao, subpassos}, tensoes, &v.Balanco, progresso);

    const int capacidade = dados.NCamadas > 0 ? (MaxNos - 1) / dados.NCamadas : 0;
    const int refinada = std::min(2 * ne, capacidade);
    v.Refinou = refinada > ne;
    v.Limitada = refinada < 2 * ne;
    if (v.Refinou) v.Refinada = Roda(dados, {refinada, dados.Formulacao, subpassos}, tensoes, nullptr, progresso);

    const TFormulacao outra = consistente ? TFormulacao::Classica : TFormulacao::Consistente;
    v.Outra = RodaOuDiz(dados, {ne, outra, subpassos}, tensoes, progresso, v.ErroOutra);
    v.Passo = RodaOuDiz(dados, {ne, TFormulacao::Consistente, 2 * subpassos}, tensoes, progresso, v.ErroPasso);
    // What was asked of a run that failed, for its message.
    v.Outra.Formulacao = outra;
    v.Passo.Formulacao = TFormulacao::Consistente;
    v.Passo.Subpassos = 2 * subpassos;
    return v;
}

namespace {

std::string NomeFormulacao(TFormulacao f) { return f == TFormulacao::Consistente ? "consistente" : "clássica"; }

std::string NomeSubpassos(int s) { return Inteiro(s) + (s == 1 ? " subpasso" : " subpassos"); }

// The rows two runs are compared by: name, both values, the change.
std::vector<std::array<std::string, 4>> Grandezas(const Figuras& a, const Figuras& b, bool tensoes) {
    std::vector<std::array<std::string, 4>> r;
    r.push_back({"Temperatura máxima (°C)", Fixo(a.TMaxima, 2), Fixo(b.TMaxima, 2), Variacao(b.TMaxima - a.TMaxima, 2)});
    if (a.TemDiferenca && b.TemDiferenca)
        r.push_back({"Maior dif. núcleo–superfície (°C)", Fixo(a.DifMaxima, 2), Fixo(b.DifMaxima, 2),
                     Variacao(b.DifMaxima - a.DifMaxima, 2)});
    if (tensoes && a.TemTracao && b.TemTracao)
        r.push_back({"Maior tração (MPa)", Fixo(a.TracaoMaxima, 2), Fixo(b.TracaoMaxima, 2),
                     Variacao(b.TracaoMaxima - a.TracaoMaxima, 2)});
    if (a.TemIndice && b.TemIndice) {
        r.push_back({"Menor índice de fissuração", Fixo(a.IndiceMinimo, 3), Fixo(b.IndiceMinimo, 3),
                     Variacao(b.IndiceMinimo - a.IndiceMinimo, 3)});
        r.push_back({"Nó do menor índice", Inteiro(a.NoIndice), Inteiro(b.NoIndice), ""});
    }
    return r;
}

// What moves between two runs, for the sentences: "a temperatura máxima muda 0,12 °C …".
std::string Mudancas(const Figuras& a, const Figuras& b) {
    std::string s = "a temperatura máxima muda " + Fixo(std::fabs(b.TMaxima - a.TMaxima), 2) + " °C";
    if (a.TemDiferenca && b.TemDiferenca)
        s += " e a diferença núcleo–superfície " + Fixo(std::fabs(b.DifMaxima - a.DifMaxima), 2) + " °C";
    return s;
}

// "; o menor índice vai de … a …, do mesmo lado do limite 1,0", empty without both indices.
std::string MudancaIndice(const Figuras& a, const Figuras& b) {
    std::string s;
    if (a.TemIndice && b.TemIndice) {
        const bool cruza = (a.IndiceMinimo < TVerificacao::LimiteIndice) != (b.IndiceMinimo < TVerificacao::LimiteIndice);
        s += "; o menor índice vai de " + Fixo(a.IndiceMinimo, 3) + " a " + Fixo(b.IndiceMinimo, 3) +
             (cruza ? ", do outro lado do limite " : ", do mesmo lado do limite ") +
             Fixo(TVerificacao::LimiteIndice, 1);
    }
    return s;
}

std::string Comparacao(const std::string& rotuloA, const std::string& rotuloB, const Figuras& a, const Figuras& b,
                       bool tensoes) {
    std::string s = LinhaTabela("", rotuloA, rotuloB, "variação");
    for (const auto& g : Grandezas(a, b, tensoes)) s += LinhaTabela(g[0], g[1], g[2], g[3]);
    if (!a.Completo || !b.Completo)
        s += "  Atenção: a análise térmica não chegou ao tempo total; as figuras são até onde ela foi.\n";
    return s;
}

std::string Limite() { return Fixo(TVerificacao::LimiteMalha, 0) + " °C"; }

}  // namespace

std::string TVerificacao::Texto() const {
    const bool consistente = Formulacao == TFormulacao::Consistente;
    std::string s = "Verificação da análise térmica (formulação " + NomeFormulacao(Formulacao) + ")\n\n";

    s += "Verificação de malha\n";
    if (!Refinou) {
        s += "  A malha não pode ser refinada: com " + Inteiro(Original.ElemCamada) +
             " elementos por camada o membro já está no limite de " + Inteiro(MaxNos) + " nós.\n";
        s += LinhaTabela("Temperatura máxima (°C)", Fixo(Original.TMaxima, 2), "", "");
        if (Original.TemDiferenca)
            s += LinhaTabela("Maior dif. núcleo–superfície (°C)", Fixo(Original.DifMaxima, 2), "", "");
        if (Original.TemTracao) s += LinhaTabela("Maior tração (MPa)", Fixo(Original.TracaoMaxima, 2), "", "");
        if (Original.TemIndice)
            s += LinhaTabela("Menor índice de fissuração", Fixo(Original.IndiceMinimo, 3), "", "");
    } else {
        if (Limitada)
            s += "  O refinamento foi limitado pela capacidade de " + Inteiro(MaxNos) + " nós: " +
                 Inteiro(Refinada.ElemCamada) + " elementos por camada em vez de " +
                 Inteiro(2 * Original.ElemCamada) + ".\n";
        s += LinhaTabela("", Inteiro(Original.ElemCamada) + " el/cam", Inteiro(Refinada.ElemCamada) + " el/cam",
                         "variação");
        s += LinhaTabela("Nós", Inteiro(Original.Nos), Inteiro(Refinada.Nos), "");
        for (const auto& g : Grandezas(Original, Refinada, ComTensoes)) s += LinhaTabela(g[0], g[1], g[2], g[3]);
        if (ComTensoes && !(Original.TemTracao && Refinada.TemTracao))
            s += "  Maior tração: a análise de tensões não encontrou tração em uma das malhas.\n";
        if (!Original.Completo || !Refinada.Completo)
            s += "  Atenção: a análise térmica não chegou ao tempo total; as figuras são até onde ela foi.\n";
        const std::string mudancas = Mudancas(Original, Refinada);
        const std::string indice = MudancaIndice(Original, Refinada);
        const bool temperaturas = std::fabs(Refinada.TMaxima - Original.TMaxima) > LimiteMalha ||
                                  (Original.TemDiferenca && Refinada.TemDiferenca &&
                                   std::fabs(Refinada.DifMaxima - Original.DifMaxima) > LimiteMalha);
        s += std::string(DependeDaMalha() ? "  O resultado depende da malha" : "  O resultado não depende da malha") +
             ": ao refinar, " + mudancas + (temperaturas ? " (mais de " : " (até ") + Limite() + ")" + indice + ".\n";
    }
    if (!consistente)
        s += "  A formulação clássica pode não convergir ao refinar a malha (a face prescrita sobrescrita depois de "
             "cada passo, o nó da junta na temperatura de lançamento); a formulação consistente converge.\n";

    s += "\nVerificação do passo de tempo\n";
    if (!ErroPasso.empty() || !ErroOutra.empty()) {
        s += "  Não foi possível refazer o problema com o passo refinado: " +
             (ErroPasso.empty() ? ErroOutra : ErroPasso) + "\n";
    } else {
        const Figuras& base = BasePasso();
        if (!consistente)
            s += "  O passo da formulação clássica não se divide: a referência é a formulação consistente, "
                 "com o dobro de subpassos por passo.\n";
        s += Comparacao(NomeSubpassos(base.Subpassos), NomeSubpassos(Passo.Subpassos), base, Passo, ComTensoes);
        const std::string mudancas = Mudancas(base, Passo) + MudancaIndice(base, Passo);
        s += DependeDoPasso() ? "  O resultado depende do passo de tempo: ao dividi-lo, " + mudancas + ".\n"
                              : "  O resultado não depende do passo de tempo: ao dividi-lo, " + mudancas + ".\n";
    }

    s += "\nVerificação da formulação\n";
    if (!ErroOutra.empty()) {
        s += "  Não foi possível refazer o problema na formulação " + NomeFormulacao(Outra.Formulacao) + ": " +
             ErroOutra + "\n";
    } else {
        s += Comparacao(NomeFormulacao(Original.Formulacao), NomeFormulacao(Outra.Formulacao), Original, Outra,
                        ComTensoes);
        const std::string mudancas = Mudancas(Original, Outra) + MudancaIndice(Original, Outra);
        s += DependeDaFormulacao()
                 ? "  O resultado depende da formulação: na " + NomeFormulacao(Outra.Formulacao) + ", " + mudancas + ".\n"
                 : "  O resultado não depende da formulação: na " + NomeFormulacao(Outra.Formulacao) + ", " + mudancas +
                       ".\n";
    }

    s += "\n" + Veredito() + "\n\n";
    s += Balanco.Texto();
    return s;
}

std::string TVerificacao::Veredito() const {
    std::vector<std::string> mudam;
    if (DependeDaMalha()) mudam.push_back("a malha");
    if (DependeDoPasso()) mudam.push_back("o passo de tempo");
    if (DependeDaFormulacao()) mudam.push_back("a formulação");
    const std::string indice =
        ComTensoes ? " ou o menor índice de fissuração cruza o limite " + Fixo(LimiteIndice, 1) : std::string();
    if (mudam.empty())
        return "Conclusão: nem a malha, nem o passo de tempo, nem a formulação mudam o resultado (a temperatura "
               "máxima e a diferença núcleo–superfície mudam até " + Limite() +
               (ComTensoes ? " e o menor índice de fissuração fica do mesmo lado do limite " + Fixo(LimiteIndice, 1)
                           : std::string()) + ").";
    std::string quais;
    for (std::size_t i = 0; i < mudam.size(); ++i)
        quais += (i == 0 ? "" : i + 1 == mudam.size() ? " e " : ", ") + mudam[i];
    return "Conclusão: " + std::string(mudam.size() == 1 ? "muda" : "mudam") + " o resultado " + quais +
           " (a temperatura máxima ou a diferença núcleo–superfície muda mais de " + Limite() + indice +
           "). Confira o resultado com " + (mudam.size() == 1 ? "esse ajuste" : "esses ajustes") + ".";
}

std::vector<std::string> TVerificacao::Notas() const {
    std::vector<std::string> r;
    if (!ErroPasso.empty()) r.push_back("O passo refinado não pôde ser calculado: " + ErroPasso);
    if (!ErroOutra.empty())
        r.push_back("A formulação " + NomeFormulacao(Outra.Formulacao) + " não pôde ser calculada: " + ErroOutra);
    return r;
}

std::vector<std::array<std::string, 5>> TVerificacao::Linhas() const {
    std::vector<std::array<std::string, 5>> r;
    if (Refinou)
        for (const auto& g : Grandezas(Original, Refinada, ComTensoes))
            r.push_back({"Malha: " + Inteiro(Original.ElemCamada) + " → " + Inteiro(Refinada.ElemCamada) + " el/cam", g[0],
                         g[1], g[2], g[3]});
    if (ErroPasso.empty() && ErroOutra.empty())
        for (const auto& g : Grandezas(BasePasso(), Passo, ComTensoes))
            r.push_back({"Passo: " + NomeSubpassos(BasePasso().Subpassos) + " → " + Inteiro(Passo.Subpassos), g[0], g[1],
                         g[2], g[3]});
    if (ErroOutra.empty())
        for (const auto& g : Grandezas(Original, Outra, ComTensoes))
            r.push_back({"Formulação: " + NomeFormulacao(Original.Formulacao) + " → " + NomeFormulacao(Outra.Formulacao),
                         g[0], g[1], g[2], g[3]});
    return r;
}
