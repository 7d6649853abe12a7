#include "obra/Laterais.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Validacao.h"
#include "core/ValoresSI.h"
#include "obra/CondicoesObra.h"
#include "obra/Protecoes.h"

namespace Laterais {

namespace {

std::string Numero(double v) { return Numeros::FormataGeral(v); }

// β for a given U: the one place of the rule.
double Beta(const TDadosObra& o, double U) { return U * AreaPorVolume(o); }

}  // namespace

bool Finita(const TDadosObra& o) { return o.ComprimentoPlanta > 0.0 || o.LarguraPlanta > 0.0; }

double AreaPorVolume(const TDadosObra& o) {
    double a = 0.0;
    if (o.ComprimentoPlanta > 0.0) a += 2.0 / o.ComprimentoPlanta;
    if (o.LarguraPlanta > 0.0) a += 2.0 / o.LarguraPlanta;
    return a;
}

std::vector<TProtecao>& Do(TDadosObra& o, int camada) {
    if (camada < 1 || camada > MaxCamadas) {
        throw ErroEntrada("A camada " + Numeros::FormataInteiro(camada) + " não existe (1 a " +
                          Numeros::FormataInteiro(MaxCamadas) + ").");
    }
    if (o.ProtecoesLaterais.size() <= static_cast<std::size_t>(camada))
        o.ProtecoesLaterais.resize(static_cast<std::size_t>(camada + 1));
    return o.ProtecoesLaterais[static_cast<std::size_t>(camada)];
}

const std::vector<TProtecao>* Do(const TDadosObra& o, int camada) {
    if (camada < 1 || o.ProtecoesLaterais.size() <= static_cast<std::size_t>(camada)) return nullptr;
    return &o.ProtecoesLaterais[static_cast<std::size_t>(camada)];
}

double Coeficiente(const TDadosObra& o, int camada, double idade) {
    const std::vector<TProtecao>* lista = Do(o, camada);
    const double R = lista ? CondicoesObra::Resistencia(*lista, idade) : 0.0;
    // CoefProtegido works in the stored form h·3600.
    return CondicoesObra::CoefProtegido(o.CoefLateral * 3600.0, R) / 3600.0;
}

double Perda(const TDadosModelo& d, double t, int camada) {
    if (Membro::CamadaDaFundacao(d, camada)) return 0.0;
    const TDadosObra& o = ObraDe(d);
    return Beta(o, Coeficiente(o, camada, Membro::Idade(d, camada, t)));
}

double MeiaLargura(const TDadosObra& o) {
    const double a = o.ComprimentoPlanta, b = o.LarguraPlanta;
    if (a > 0.0 && b > 0.0) return 0.5 * std::min(a, b);
    return 0.5 * std::max(a, b);
}

namespace {

double BiotCom(const TDadosModelo& d, const TDadosObra& o, const TValoresSI& si, int camada) {
    if (!Finita(o) || Membro::CamadaDaFundacao(d, camada)) return 0.0;
    const double k = si.Camadas[static_cast<std::size_t>(camada)].K;
    if (!(k > 0.0)) return 0.0;
    // U changes only where a protection goes on or comes off: the largest of those
    // hours within the analysis.
    const double fim = d.TempoTotal - d.Camadas[static_cast<std::size_t>(camada)].HoraConcretagem;
    double U = Coeficiente(o, camada, 0.0);
    if (const std::vector<TProtecao>* lista = Do(o, camada)) {
        for (const TProtecao& p : *lista) {
            for (double idade : {p.HoraColocacao, p.HoraRetirada})
                if (idade >= 0.0 && idade <= fim) U = std::max(U, Coeficiente(o, camada, idade));
        }
    }
    return U * MeiaLargura(o) / k;
}

std::unique_ptr<TValoresSI> SI(const TDadosModelo& d) {
    auto si = std::make_unique<TValoresSI>();
    TValoresSI::Deriva(d, *si);
    return si;
}

}  // namespace

double Biot(const TDadosModelo& d, int camada) { return BiotCom(d, ObraDe(d), *SI(d), camada); }

std::vector<double> BiotPorCamada(const TDadosModelo& d, const TDadosObra& o) {
    std::vector<double> bi(static_cast<std::size_t>(std::clamp(d.NCamadas, 0, MaxCamadas) + 1), 0.0);
    if (!Finita(o)) return bi;
    const auto si = SI(d);
    for (int L = 1; L < static_cast<int>(bi.size()); ++L) bi[static_cast<std::size_t>(L)] = BiotCom(d, o, *si, L);
    return bi;
}

std::string AvisoBiot(const TDadosModelo& d) { return AvisoBiot(d, ObraDe(d)); }

std::string AvisoBiot(const TDadosModelo& d, const TDadosObra& o) {
    const std::vector<double> biot = BiotPorCamada(d, o);
    std::vector<int> camadas;
    double maior = 0.0;
    for (int L = 1; L < static_cast<int>(biot.size()); ++L) {
        const double bi = biot[static_cast<std::size_t>(L)];
        if (bi >= BiotLimite) camadas.push_back(L);
        maior = std::max(maior, bi);
    }
    if (camadas.empty()) return {};
    std::string quais;
    for (std::size_t i = 0; i < camadas.size(); ++i)
        quais += (i == 0 ? "" : i + 1 == camadas.size() ? " e " : ", ") + Numeros::FormataInteiro(camadas[i]);
    const bool uma = camadas.size() == 1;
    return std::string(uma ? "A camada " : "As camadas ") + quais + (uma ? " tem" : " têm") +
           " número de Biot em planta de até " + Numeros::FormataFixo(maior, 0, 2) +
           " (a perda lateral concentrada só é precisa abaixo de " + Numeros::FormataFixo(BiotLimite, 0, 1) +
           "): a diferença de temperatura entre o núcleo e as laterais não é representada.";
}

std::string Problema(const TDadosModelo& d) {
    const TDadosObra& o = ObraDe(d);
    for (const auto& [v, nome] : {std::pair{o.ComprimentoPlanta, "O comprimento"}, std::pair{o.LarguraPlanta, "A largura"}}) {
        if (!std::isfinite(v) || v < 0.0)
            return std::string(nome) + " em planta deve ser positivo, ou zero para extenso nessa direção (é " + Numero(v) +
                   ").";
    }
    if (!Finita(o)) return {};
    if (!std::isfinite(o.CoefLateral) || o.CoefLateral < 0.0)
        return "O coeficiente de troca de calor das laterais não pode ser negativo (é " + Numero(o.CoefLateral) + ").";
    for (std::size_t L = 1; L < o.ProtecoesLaterais.size(); ++L) {
        const std::string face = "das laterais da camada " + Numeros::FormataInteiro(static_cast<long long>(L));
        if (std::string p = CondicoesObra::ProblemaProtecoes(o.ProtecoesLaterais[L], face); !p.empty()) return p;
    }
    return {};
}

void Valida(const TDadosModelo& d, Validacao::Resultado& r) {
    if (!Problema(d).empty()) return;  // refused before any run, with its own message
    if (std::string a = AvisoBiot(d); !a.empty()) r.Avisos.push_back(std::move(a));
}

std::string Descricao(const TDadosObra& o) {
    if (!Finita(o)) return "Membro extenso em planta (sem perda pelas laterais)";
    const double a = o.ComprimentoPlanta, b = o.LarguraPlanta;
    const std::string planta = a > 0.0 && b > 0.0
                                   ? "Bloco de " + Numero(a) + " × " + Numero(b) + " m em planta"
                                   : "Membro extenso numa direção e de " + Numero(std::max(a, b)) + " m na outra";
    return planta + ", coeficiente das laterais descobertas h = " + Numero(o.CoefLateral) + " W/(m²·°C)";
}

std::string Resumo(const TDadosModelo& d) {
    const TDadosObra& o = ObraDe(d);
    if (!Finita(o)) return {};
    static const std::vector<TProtecao> nenhuma;
    const auto lista = [&](int L) -> const std::vector<TProtecao>& {
        const std::vector<TProtecao>* l = Do(o, L);
        return l ? *l : nenhuma;
    };
    std::string grupos;
    const int primeira = Membro::PrimeiraCamadaDeConcreto(d);
    for (int L = primeira; L <= d.NCamadas && L <= MaxCamadas;) {
        int fim = L;
        while (fim + 1 <= d.NCamadas && fim + 1 <= MaxCamadas && lista(fim + 1) == lista(L)) ++fim;
        std::string protecoes;
        for (const TProtecao& p : lista(L)) protecoes += (protecoes.empty() ? "" : "; ") + Protecoes::Descricao(p);
        grupos += std::string(grupos.empty() ? "" : "; ") +
                  (fim == L ? "camada " + Numeros::FormataInteiro(L)
                            : "camadas " + Numeros::FormataInteiro(L) + " a " + Numeros::FormataInteiro(fim)) +
                  ": " + (protecoes.empty() ? std::string("descobertas") : protecoes);
        L = fim + 1;
    }
    return Descricao(o) + (grupos.empty() ? "" : "; laterais: " + grupos) + ".";
}

}  // namespace Laterais
