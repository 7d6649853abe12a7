#include "analise/AvisoFormulacao.h"

#include <exception>
#include <new>

#include "analise/Analise.h"
#include "core/Membro.h"
#include "core/Numeros.h"

namespace {

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }
std::string Fixo(double v, int decimais) { return Numeros::FormataFixo(v, 0, decimais); }
std::string Geral(double v) { return Numeros::FormataGeral(v); }

std::string Lista(const std::vector<int>& v) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) s += (i == 0 ? "" : i + 1 == v.size() ? " e " : ", ") + Inteiro(v[i]);
    return s;
}

bool Abaixo(double indice, double limite) { return indice < limite; }

// Lifts whose difference passes the limit; the report's rule (≤ limit passes).
std::vector<int> CamadasAcima(const TResumoTermico& r, double limite) {
    std::vector<int> v;
    for (const auto& c : r.Camadas)
        if (c.DifMaxima > limite) v.push_back(c.Camada);
    return v;
}

}  // namespace

std::string TAvisoFormulacao::DescreveNo(const TDadosModelo& d, int no) {
    const int camada = Membro::CamadaDoNo(d, no);
    const std::string s = "Nó " + Inteiro(no) + ", ";
    if (no == Membro::UltimoNo(d, camada)) {
        if (camada < d.CamadaAtual) return s + "junta da camada " + Inteiro(camada + 1);
        return s + "topo da camada " + Inteiro(camada);
    }
    return s + "camada " + Inteiro(camada);
}

std::string TAvisoFormulacao::Texto() const {
    if (Linhas.empty()) return {};
    std::string s;
    for (const auto& l : Linhas) s += l + "\n";
    s.insert(s.size() - 1, " Confira na formulação consistente.");
    return s;
}

TAvisoFormulacao TAvisoFormulacao::Compara(const TDadosModelo& d, const TResumoTermico& a,
                                           const TIndiceFissuracao* ia, const TResumoTermico& b,
                                           const TIndiceFissuracao* ib, std::optional<double> limiteDiferenca, bool termicos) {
    TAvisoFormulacao r;
    if (!termicos) limiteDiferenca.reset();
    if (termicos && !a.Vazio && !b.Vazio && (a.TMaxima < a.Limite) != (b.TMaxima < a.Limite)) {
        r.Linhas.push_back("A temperatura máxima (" + Fixo(a.TMaxima, 2) + " °C no Nó " + Inteiro(a.NoTMax) +
                           ") é da formulação clássica; na consistente é " + Fixo(b.TMaxima, 2) + " °C, " +
                           (b.TMaxima < a.Limite ? "abaixo do" : "que atinge o") + " limite de " + Geral(a.Limite) +
                           " °C.");
    }
    if (limiteDiferenca && !a.Vazio && !b.Vazio) {
        const auto ca = CamadasAcima(a, *limiteDiferenca);
        const auto cb = CamadasAcima(b, *limiteDiferenca);
        if (ca != cb) {
            const auto frase = [](const std::vector<int>& v) {
                return v.empty() ? std::string("nenhuma camada passa dele")
                                 : (v.size() == 1 ? "passa dele a camada " : "passam dele as camadas ") + Lista(v);
            };
            r.Linhas.push_back("Na diferença núcleo–superfície (limite " + Geral(*limiteDiferenca) + " °C), " +
                               frase(ca) + " na formulação clássica (maior " + Fixo(a.DifMaxima, 2) +
                               " °C); na consistente " + frase(cb) + " (maior " + Fixo(b.DifMaxima, 2) + " °C).");
        }
    }
    if (ia && ib && ia->NoCritico > 0 && ib->Nos.size() == ia->Nos.size()) {
        const double limite = ia->Limite;
        const int no = ia->NoCritico;
        const auto& na = ia->Nos[static_cast<std::size_t>(no)];
        const auto& nb = ib->Nos[static_cast<std::size_t>(no)];
        // The node the classic verdict rests on, judged in the consistent formulation.
        const bool mesmoLado = nb.ComTracao ? Abaixo(na.IndiceMinimo, limite) == Abaixo(nb.IndiceMinimo, limite)
                                            : !Abaixo(na.IndiceMinimo, limite);
        const std::string classico = "O menor índice (" + Fixo(na.IndiceMinimo, 3) + " no " + DescreveNo(d, no) +
                                     ") é da formulação clássica; ";
        std::string menorConsistente;
        if (ib->NoCritico > 0 && ib->NoCritico != no)
            menorConsistente = "; o menor da consistente é " +
                               Fixo(ib->Nos[static_cast<std::size_t>(ib->NoCritico)].IndiceMinimo, 3) + " no " +
                               DescreveNo(d, ib->NoCritico);
        if (!mesmoLado) {
            r.Linhas.push_back(classico + "na consistente é " +
                               (nb.ComTracao ? Fixo(nb.IndiceMinimo, 3) : std::string("sem tração")) +
                               menorConsistente + ".");
        } else if (ib->NoCritico > 0 &&
                   Abaixo(na.IndiceMinimo, limite) != Abaixo(ib->Nos[static_cast<std::size_t>(ib->NoCritico)].IndiceMinimo, limite)) {
            r.Linhas.push_back(classico + "na consistente o menor é " +
                               Fixo(ib->Nos[static_cast<std::size_t>(ib->NoCritico)].IndiceMinimo, 3) + " no " +
                               DescreveNo(d, ib->NoCritico) + ".");
        } else if (ia->NosAbaixoDoLimite() != ib->NosAbaixoDoLimite()) {
            const auto frase = [](const std::vector<int>& v) {
                return v.empty() ? std::string("nenhum nó") : (v.size() == 1 ? "o Nó " : "os Nós ") + Lista(v);
            };
            r.Linhas.push_back("Abaixo do limite " + Geral(limite) + " do índice ficam " + frase(ia->NosAbaixoDoLimite()) +
                               " na formulação clássica; na consistente, " + frase(ib->NosAbaixoDoLimite()) + ".");
        }
    }
    return r;
}

TAvisoFormulacao TAvisoFormulacao::Calcula(const TDadosModelo& problema, const TResumoTermico& resumo,
                                           const TIndiceFissuracao* indice, std::optional<double> limiteDiferenca,
                                           Progresso& progresso, bool termicos) {
    if (problema.Formulacao != TFormulacao::Classica || resumo.Vazio) return {};
    OpcoesAnalise opcoes;
    opcoes.Formulacao = TFormulacao::Consistente;
    opcoes.LimiteResumo = resumo.Limite;
    if (indice) {
        opcoes.Tensoes = true;
        opcoes.Indice = OpcoesAnalise::ParametrosIndice{indice->Curva, indice->Limite};
    }
    Analise consistente;
    try {
        consistente = Analise::Executa(problema, opcoes, progresso);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return {};
    }
    if (!consistente.Termico.Completo || !consistente.Resumo) return {};
    return Compara(problema, resumo, indice, *consistente.Resumo,
                   consistente.Indice ? &*consistente.Indice : nullptr, limiteDiferenca, termicos);
}
