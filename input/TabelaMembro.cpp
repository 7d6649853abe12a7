#include "input/TabelaMembro.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "core/Agregados.h"
#include "core/Cp1252.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "input/UnidadesEntrada.h"

namespace TabelaMembro {

std::string Titulo(Coluna coluna, bool usuais) {
    switch (coluna) {
        case Espessura: return "Espessura [m]";
        case Condutividade: return usuais ? "Condutividade [kCal/m.d.C]" : "Condutividade [W/m.C]";
        case MassaEspecifica: return "Massa Específica [Kg/m^3]";
        case CalorEspecifico: return usuais ? "Calor espec. [Cal/g.C]" : "Calor espec. [J/kg.C]";
        case Dilatacao: return "Dilatação [(10^-6)/°C]";
        case Dia: return "Dia";
        case Hora: return "Hora";
        case TInicial: return "T inicial [ºC]";
        case Constante: return "Calor constante";
        case C: return "C [Kg/m^3]";
        case E: return "E [Cal/g]";
        case Tr: return "Tr [C]";
        case N: return "n";
        case B: return "b";
        case F: return usuais ? "f [cal/d.m^3]" : "f [W/m^3]";
        case Agregado: return "Agregado";
        case NumColunas: break;
    }
    return {};
}

Linha LinhaDoEstado(const TDadosModelo& d, int L) {
    const TCamada& c = d.Camadas[static_cast<std::size_t>(L)];
    const TCalorInterno& q = d.CalorCamadas[static_cast<std::size_t>(L)];
    const auto g = [](double v) { return Numeros::FormataGeral(v); };
    // Day and hour of the placement as the initial-conditions dialog takes them.
    const auto [dia, hora] = Membro::DiaHora(c.HoraConcretagem);
    Linha l;
    l[Espessura] = g(c.Espessura);
    l[Condutividade] = g(UnidadesEntrada::CondutividadeDigitada(c.K, d.UnidadesUsuais));
    l[MassaEspecifica] = g(c.Ro);
    l[CalorEspecifico] = g(c.CalorEsp);
    l[Dilatacao] = g(UnidadesEntrada::DilatacaoDigitada(c.Alfa));
    l[Dia] = std::to_string(dia);
    l[Hora] = std::to_string(hora);
    l[TInicial] = g(c.TInicial);
    l[Constante] = q.Constante ? "Sim" : "Não";
    l[C] = g(q.C);
    l[E] = g(q.E);
    l[Tr] = g(q.Tr);
    l[N] = g(q.N);
    l[B] = g(q.B);
    l[F] = g(UnidadesEntrada::TaxaConstanteDigitada(q.F, d.UnidadesUsuais));
    const auto a = d.Agregados.find(L);
    l[Agregado] = Agregados::Propriedades(a != d.Agregados.end() ? a->second : TAgregado::Outro).Nome;
    return l;
}

namespace {
// "Empty or a single blank", as the initial-conditions dialog tests its fields.
bool Vazio(const std::string& s) { return s.empty() || s == " "; }

[[noreturn]] void Recusa(int L, int coluna, bool usuais, const std::string& mensagem, ErroCelula* erro) {
    const std::string texto =
        "Camada " + std::to_string(L) + ", coluna \"" + Titulo(static_cast<Coluna>(coluna), usuais) + "\": " + mensagem;
    if (erro) *erro = {L - 1, coluna, texto};
    throw ErroEntrada(texto);
}
}  // namespace

Camada Converte(const Linha& l, int L, bool usuais, ErroCelula* erro) {
    // The messages of the dialogs for the fields they test; the conversion's for the others.
    const std::pair<int, const char*> obrigatorias[] = {
        {Espessura, "Não existe camada sem espessura. Inserir a camada novamente."},
        {Dia, "Entre com um valor para o dia de concretagem desta camada."},
        {Hora, "Entre com um valor para a hora de concretagem desta camada."},
        {TInicial, "Entre com um valor para a temperatura inicial de concretagem desta camada."},
    };
    for (const auto& [coluna, mensagem] : obrigatorias)
        if (Vazio(l[static_cast<std::size_t>(coluna)])) Recusa(L, coluna, usuais, mensagem, erro);

    int coluna = 0;
    try {
        auto real = [&](int c) {
            coluna = c;
            return Numeros::TextoParaReal(l[static_cast<std::size_t>(c)]);
        };
        auto inteiro = [&](int c) {
            coluna = c;
            return Numeros::TextoParaInteiro(l[static_cast<std::size_t>(c)]);
        };
        Camada k;
        k.Espessura = real(Espessura);
        k.K = UnidadesEntrada::CondutividadeArmazenada(real(Condutividade), usuais);
        k.Ro = real(MassaEspecifica);
        k.CalorEsp = real(CalorEspecifico);
        k.Alfa = UnidadesEntrada::DilatacaoArmazenada(real(Dilatacao));
        const long long dia = inteiro(Dia);
        const long long hora = inteiro(Hora);
        const long long h = Membro::HoraDoDia(dia, hora);
        if (h < INT32_MIN || h > INT32_MAX) {
            Recusa(L, Dia, usuais,
                   "A hora de concretagem do dia " + std::to_string(dia) + " às " + std::to_string(hora) +
                       " h está fora do alcance.",
                   erro);
        }
        k.HoraConcretagem = static_cast<std::int32_t>(h);
        k.TInicial = real(TInicial);
        coluna = Constante;
        const std::string& cst = l[Constante];
        if (cst == "Sim" || cst == "sim" || cst == "1") {
            k.Constante = true;
        } else if (cst == "Não" || cst == "não" || cst == "Nao" || cst == "nao" || cst == "0" || cst.empty()) {
            k.Constante = false;
        } else {
            Recusa(L, Constante, usuais, "'" + cst + "' não é \"Sim\" nem \"Não\"", erro);
        }
        k.C = real(C);
        k.E = real(E);
        k.Tr = real(Tr);
        k.N = real(N);
        k.B = real(B);
        k.F = UnidadesEntrada::TaxaConstanteArmazenada(real(F), usuais);
        const std::string& agregado = l[Agregado];
        if (!Vazio(agregado)) {
            const auto a = Agregados::PeloNome(agregado);
            if (!a) {
                Recusa(L, Agregado, usuais,
                       "'" + agregado + "' não é Basalto, Granito, Gnaisse, Quartzito, Calcário, Arenito nem Outro",
                       erro);
            }
            k.Agregado = *a;
        }
        return k;
    } catch (const ErroConversao& e) {
        Recusa(L, coluna, usuais, e.what(), erro);
    }
}

void Aplica(TDadosModelo& d, const std::vector<Linha>& linhas, const std::vector<int>& origem, bool fundacao,
            int elementosPorCamada) {
    const int n = static_cast<int>(linhas.size());
    if (n > MaxCamadas) {
        throw ErroEntrada("O membro pode ter até " + std::to_string(MaxCamadas) + " camadas; a tabela tem " +
                          std::to_string(n) + ".");
    }
    const long long nos = static_cast<long long>(n) * std::max(elementosPorCamada, 1) + 1;
    if (nos > MaxNos) {
        throw ErroEntrada("Com " + std::to_string(elementosPorCamada) + " elementos por camada, " + std::to_string(n) +
                          " camadas dariam " + std::to_string(nos) + " nós; a análise comporta " +
                          std::to_string(MaxNos) + ".");
    }
    std::vector<Camada> camadas;
    camadas.reserve(linhas.size());
    for (int i = 0; i < n; ++i) camadas.push_back(Converte(linhas[static_cast<std::size_t>(i)], i + 1, d.UnidadesUsuais));

    // Nothing can fail from here on. The heat records (hourly table, maturity) and the
    // curing records that travel with their rows are taken before any is overwritten.
    const int antes = std::clamp(std::max(d.NCamadas, d.NCamadasMembro), 0, MaxCamadas);
    auto calores = std::make_unique<std::array<TCalorInterno, MaxCamadas + 1>>();
    std::array<TTrocaCalor, MaxCamadas + 1> superficie{};
    for (int i = 0; i < n; ++i) {
        const int o = i < static_cast<int>(origem.size()) ? origem[static_cast<std::size_t>(i)] : 0;
        if (o >= 1 && o <= MaxCamadas) {
            (*calores)[static_cast<std::size_t>(i + 1)] = d.CalorCamadas[static_cast<std::size_t>(o)];
            superficie[static_cast<std::size_t>(i + 1)] = d.Superficie[static_cast<std::size_t>(o)];
        }
    }
    double xIni = 0.0;
    for (int L = 1; L <= n; ++L) {
        const Camada& k = camadas[static_cast<std::size_t>(L - 1)];
        TCamada& c = d.Camadas[static_cast<std::size_t>(L)];
        c.XIni = xIni;
        c.Espessura = k.Espessura;
        c.K = k.K;
        c.Ro = k.Ro;
        c.CalorEsp = k.CalorEsp;
        c.Alfa = k.Alfa;
        c.HoraConcretagem = k.HoraConcretagem;
        c.TInicial = k.TInicial;
        // The layer dialog shows the next start in the general format and reads it back.
        xIni = Numeros::TextoParaReal(Numeros::FormataGeral(c.XIni + c.Espessura));
        TCalorInterno& q = d.CalorCamadas[static_cast<std::size_t>(L)];
        q = (*calores)[static_cast<std::size_t>(L)];
        q.Constante = k.Constante;
        q.F = k.F;
        q.C = k.C;
        q.E = k.E;
        q.Tr = k.Tr;
        q.N = k.N;
        q.B = k.B;
        d.Superficie[static_cast<std::size_t>(L)] = superficie[static_cast<std::size_t>(L)];
    }
    d.Agregados.clear();
    for (int L = 1; L <= n; ++L) {
        const TAgregado a = camadas[static_cast<std::size_t>(L - 1)].Agregado;
        if (a != TAgregado::Outro) d.Agregados[L] = a;
    }
    for (int L = n + 1; L <= antes; ++L) {
        d.Camadas[static_cast<std::size_t>(L)] = TCamada{};
        d.CalorCamadas[static_cast<std::size_t>(L)] = TCalorInterno{};
        d.Superficie[static_cast<std::size_t>(L)] = TTrocaCalor{};
    }
    d.NCamadas = n;
    d.NCamadasMembro = n;
    d.Fundacao = fundacao;
}

bool PreencheAgregado(Linha& linha, bool usuais) {
    const auto a = Agregados::PeloNome(linha[Agregado]);
    if (!a) return false;
    const Agregados::TPropriedades& p = Agregados::Propriedades(*a);
    if (!p.CalorEspCal && !p.AlfaMicro && !p.K) return false;
    if (p.CalorEspCal) linha[CalorEspecifico] = Numeros::FormataGeral(usuais ? *p.CalorEspCal : *p.CalorEspJ);
    if (p.AlfaMicro) linha[Dilatacao] = Numeros::FormataGeral(*p.AlfaMicro);
    if (p.K) linha[Condutividade] = Numeros::FormataGeral(UnidadesEntrada::CondutividadeDigitada(*p.K, usuais));
    return true;
}

std::vector<std::vector<std::string>> Colagem(std::string_view bruto) {
    const std::string texto = Cp1252::ParaUtf8(bruto);
    std::vector<std::string> linhas;
    std::string atual;
    for (char c : texto) {
        if (c == '\n') {
            if (!atual.empty() && atual.back() == '\r') atual.pop_back();
            linhas.push_back(atual);
            atual.clear();
        } else {
            atual += c;
        }
    }
    if (!atual.empty() && atual.back() == '\r') atual.pop_back();
    if (!atual.empty()) linhas.push_back(atual);
    const char separador = texto.find('\t') != std::string::npos ? '\t' : ';';
    std::vector<std::vector<std::string>> saida;
    for (const std::string& l : linhas) {
        std::vector<std::string> celulas(1);
        for (char c : l) {
            if (c == separador) celulas.emplace_back();
            else celulas.back() += c;
        }
        saida.push_back(std::move(celulas));
    }
    return saida;
}

std::string ProblemaColagem(const std::vector<std::vector<std::string>>& linhas, int coluna0, bool usuais) {
    const int cabem = NumColunas - std::clamp(coluna0, 0, static_cast<int>(NumColunas));
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        // Trailing blank cells (a spreadsheet's last tab) hold nothing to lose.
        int usadas = static_cast<int>(linhas[i].size());
        while (usadas > 0 && linhas[i][static_cast<std::size_t>(usadas - 1)].find_first_not_of(" \t\r") == std::string::npos)
            --usadas;
        if (usadas > cabem) {
            return "A linha " + std::to_string(i + 1) + " da colagem tem " + std::to_string(usadas) +
                   " colunas, mas a partir da coluna \"" + Titulo(static_cast<Coluna>(coluna0), usuais) +
                   "\" a tabela tem só " + std::to_string(cabem) + ". Nada foi colado.";
        }
    }
    return {};
}

}  // namespace TabelaMembro
