#include "stress/IndiceFissuracao.h"

#include <algorithm>
#include <cmath>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "results/ResumoTermico.h"
#include "stress/ProcTensional.h"
#include "stress/Restricao.h"

using Numeros::FormataFixo;
using Numeros::FormataGeral;
using Numeros::FormataInteiro;

namespace {

std::string Alinha(const std::string& texto, std::size_t largura) {
    return std::string(largura - std::min(largura, texto.size()), ' ') + texto;
}

std::string Percentual(double p) { return FormataFixo(100.0 * p, 0, 1) + " %"; }

}  // namespace

double TIndiceFissuracao::Probabilidade(double indice) {
    return 1.0 - std::exp(-std::pow(indice / 0.92, -4.29));
}

const char* TIndiceFissuracao::NomeCurva(TCurvaTracao curva) {
    switch (curva) {
        case TCurvaTracao::Flexao: return "Tração na Flexão";
        case TCurvaTracao::Diametral: return "Tração por Compressão Diâmetral";
        case TCurvaTracao::Simples: break;
    }
    return "Tração Simples";
}

void TIndiceFissuracao::Coeficientes(const TDadosModelo& d, TCurvaTracao curva, double& a, double& b) {
    switch (curva) {
        case TCurvaTracao::Flexao: a = d.ResistFlexaoA, b = d.ResistFlexaoB; return;
        case TCurvaTracao::Diametral: a = d.ResistDiametralA, b = d.ResistDiametralB; return;
        case TCurvaTracao::Simples: break;
    }
    a = d.ResistTracaoA, b = d.ResistTracaoB;
}

bool TIndiceFissuracao::ResistenciasDefinidas(const TDadosModelo& d, TCurvaTracao curva) {
    // The strength window leaves every pair at zero until its first Ok.
    double a = 0.0, b = 0.0;
    Coeficientes(d, curva, a, b);
    return a != 0.0 || b != 0.0;
}

TIndiceFissuracao TIndiceFissuracao::Calcula(const TDadosModelo& d, const TabelaTexto& tensoes, TCurvaTracao curva,
                                             double limite) {
    if (!ResistenciasDefinidas(d, curva))
        throw ErroEntrada(std::string("Entre primeiro com as tensões resistentes (\"Tensões Resistentes\"): a curva \"") +
                          NomeCurva(curva) + "\" não tem valores.");
    double a = 0.0, b = 0.0;
    Coeficientes(d, curva, a, b);

    TIndiceFissuracao r;
    r.Curva = curva;
    r.Limite = limite;
    const int colunas = tensoes.Colunas();
    r.Nos.resize(static_cast<std::size_t>(std::max(colunas, 1)));
    const int camadas = std::clamp(d.NCamadas, 1, MaxCamadas);
    // The hour column is read once for all nodes; an empty cell marks a row no run wrote.
    std::vector<double> horas(static_cast<std::size_t>(std::max(tensoes.Linhas(), 1)), 0.0);
    std::vector<char> escrita(horas.size(), 0);
    for (int lin = 1; lin < tensoes.Linhas(); ++lin) {
        if (tensoes.Celula(0, lin).empty()) continue;
        horas[static_cast<std::size_t>(lin)] = tensoes.Valor(0, lin);
        escrita[static_cast<std::size_t>(lin)] = 1;
    }
    for (int n = 1; n < colunas; ++n) {
        No& no = r.Nos[static_cast<std::size_t>(n)];
        // The node's concrete is that of the layer whose stress history it carries.
        const int camada = std::clamp(d.NElemCamada > 0 ? Membro::CamadaDoNo(d, n) : 1, 1, camadas);
        no.Camada = camada;
        // The soil is not concrete: no strength of its own, no index.
        if (d.NElemCamada > 0 && Membro::NoDaFundacao(d, n)) {
            no.Fundacao = true;
            r.NosFundacao = n;
            continue;
        }
        for (int lin = 1; lin < tensoes.Linhas(); ++lin) {
            if (!escrita[static_cast<std::size_t>(lin)] || tensoes.Celula(n, lin).empty()) continue;
            const double sigma = tensoes.Valor(n, lin);
            if (!(sigma < 0.0)) continue;  // compression or zero: no index
            const double hora = horas[static_cast<std::size_t>(lin)];
            const double idade = Membro::Idade(d, camada, hora) / 24.0;
            const double f = CurvaResistencia(idade, a, b);
            if (!std::isfinite(f) || f <= 0.0)
                throw ErroCalculo(std::string("A curva \"") + NomeCurva(curva) + "\" não dá uma resistência positiva " +
                                  "na idade de " + FormataGeral(idade) + " dias (Nó " + FormataInteiro(n) +
                                  ", hora " + FormataGeral(hora) + "): verifique a e b.");
            const double indice = f / -sigma;
            no.Indices.push_back({hora, indice});
            if (!no.ComTracao || indice < no.IndiceMinimo) {
                no.ComTracao = true;
                no.IndiceMinimo = indice;
                no.Hora = hora;
                no.Tensao = sigma;
                no.Resistencia = f;
            }
        }
        if (!no.ComTracao) continue;
        no.Probabilidade = Probabilidade(no.IndiceMinimo);
        if (r.NoCritico == 0 || no.IndiceMinimo < r.Nos[static_cast<std::size_t>(r.NoCritico)].IndiceMinimo)
            r.NoCritico = n;
    }
    return r;
}

std::vector<int> TIndiceFissuracao::NosAbaixoDoLimite() const {
    std::vector<int> nos;
    for (std::size_t n = 1; n < Nos.size(); ++n)
        if (Nos[n].ComTracao && Nos[n].IndiceMinimo < Limite) nos.push_back(static_cast<int>(n));
    return nos;
}

std::string TIndiceFissuracao::Texto(bool comHistorico) const {
    std::string s = "Índice de Fissuração\n\n";
    s += std::string("Curva de resistência: ") + NomeCurva(Curva) + "\n";
    s += "Limite do índice: " + FormataGeral(Limite) + "\n";
    s += "Probabilidade de fissuração P = 1 - exp(-(I/0,92)^-4,29), Japan Concrete Institute (2008), informativa.\n";
    if (NosFundacao > 0) s += LinhaFundacao() + "\n";
    if (NoCritico == 0) return s + "\n" + LinhaCritico() + "\n";

    s += LinhaCritico() + "\n";
    const std::vector<int> abaixo = NosAbaixoDoLimite();
    if (abaixo.empty()) {
        s += "Nenhum nó abaixo do limite.\n";
    } else {
        s += "Nós abaixo do limite:";
        for (std::size_t i = 0; i < abaixo.size(); ++i) s += (i ? ", " : " ") + FormataInteiro(abaixo[i]);
        s += ".\n";
    }

    s += "\n     Nó  Camada  Índice mín.   t[h]  Tensão[MPa]  Resist.[MPa]        P\n";
    for (std::size_t n = 1; n < Nos.size(); ++n) {
        const No& no = Nos[n];
        s += Alinha(FormataInteiro(static_cast<long long>(n)), 7) + Alinha(FormataInteiro(no.Camada), 8);
        if (no.Fundacao) {
            s += "   fundação\n";
            continue;
        }
        if (!no.ComTracao) {
            s += "   sem tração\n";
            continue;
        }
        s += Alinha(FormataFixo(no.IndiceMinimo, 0, 3), 13) + Alinha(FormataGeral(no.Hora), 7) +
             Alinha(FormataFixo(no.Tensao, 0, 4), 13) + Alinha(FormataFixo(no.Resistencia, 0, 4), 14) +
             Alinha(Percentual(no.Probabilidade), 10) + (no.IndiceMinimo < Limite ? "  abaixo do limite" : "") + "\n";
    }
    if (!comHistorico) return s;
    s += "\nÍndice por hora em tração:\n";
    for (std::size_t n = 1; n < Nos.size(); ++n) {
        if (!Nos[n].ComTracao) continue;
        s += "\nNó " + FormataInteiro(static_cast<long long>(n)) + "\n   t[h]       Índice\n";
        for (const Ponto& p : Nos[n].Indices)
            s += Alinha(FormataGeral(p.hora), 7) + Alinha(FormataFixo(p.valor, 0, 4), 13) + "\n";
    }
    return s;
}

std::string TIndiceFissuracao::LinhaCritico() const {
    if (NoCritico == 0) {
        if (NosFundacao > 0 && NosFundacao + 1 >= static_cast<int>(Nos.size()))
            return "Só há nós da fundação: não há concreto para o índice de fissuração.";
        // The soil may be in tension; the verdict speaks of the concrete only.
        if (NosFundacao > 0) return "Nenhum nó de concreto está tracionado: não há índice de fissuração.";
        return "Nenhum nó está tracionado: não há índice de fissuração.";
    }
    const No& critico = Nos[static_cast<std::size_t>(NoCritico)];
    return "Menor índice: " + FormataFixo(critico.IndiceMinimo, 0, 3) + " no Nó " + FormataInteiro(NoCritico) +
           ", na hora " + FormataGeral(critico.Hora) + " (P = " + Percentual(critico.Probabilidade) + ").";
}

std::string TIndiceFissuracao::LinhaFundacao() const {
    if (NosFundacao == 0) return "";
    return "Nós da fundação (camada 1, Nós 1 a " + FormataInteiro(NosFundacao) +
           ") fora do índice: o solo não é concreto.";
}

std::string TIndiceFissuracao::Bytes() const { return ResumoArquivo::Bytes(Texto()); }

void TIndiceFissuracao::Grava(const std::string& caminho) const { TArquivoAtomico::Grava(caminho, Bytes()); }
