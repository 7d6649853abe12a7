#include "relatorio/Relatorio.h"

#include <algorithm>
#include <cmath>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/ValoresSI.h"
#include "analise/Analise.h"
#include "stress/ProcTensional.h"
#include "stress/RetracaoAutogena.h"
#include "obra/DadosObra.h"
#include "obra/Laterais.h"
#include "serpentinas/DadosSerpentinas.h"

using Numeros::FormataFixo;
using Numeros::FormataGeral;
using Numeros::FormataInteiro;

namespace {

std::string Fixo(double v, int decimais) { return FormataFixo(v + 0.0, 0, decimais); }
std::string Inteiro(long long v) { return FormataInteiro(v); }

// "dia 3, 8 h" of an absolute hour (hour 56): the schedule as the site plans it, day 1 from hour 0.
std::string DiaHora(double hora) {
    const Membro::DiaEHora dh = Membro::DiaHora(Numeros::Trunc(hora));
    return "dia " + Inteiro(dh.Dia) + ", " + Inteiro(dh.Hora) + " h";
}

std::string ModeloCalor(const TDadosModelo& d, int camada, const TValoresSI& si) {
    const TCalorInterno& c = d.CalorCamadas[static_cast<std::size_t>(camada)];
    if (c.Constante) return "taxa constante f = " + FormataGeral(si.Calor[static_cast<std::size_t>(camada)].F) + " W/m³";
    // The maturity model replaces the age of the curve or of the table by the equivalent age.
    const std::string maturidade =
        c.Maturidade ? "; pela maturidade (idade equivalente de Arrhenius): Ea = " + FormataGeral(c.EnergiaAtivacao) +
                           " J/mol, TRef = " + FormataGeral(c.TRef) + " °C" +
                           (d.CalorDiscreto ? ", amostra a " + FormataGeral(c.TInicialCalorimetro) + " °C no início"
                                            : ", αu = " + FormataGeral(c.AlfaU) + ", τ = " + FormataGeral(c.Tau) +
                                                  " h, β = " + FormataGeral(c.BetaHid))
                     : std::string();
    if (d.CalorDiscreto) return "calorímetro adiabático (tabela horária)" + maturidade;
    if (c.Maturidade)
        return "curva de hidratação Q(te) = C·E·4186·αu·exp(−(τ/te)^β): E = " + FormataGeral(c.E) +
               "; C = " + FormataGeral(c.C) + maturidade;
    return "curva de Calmon: N = " + FormataGeral(c.N) + "; Tr = " + FormataGeral(c.Tr) + "; E = " + FormataGeral(c.E) +
           "; C = " + FormataGeral(c.C) + "; B = " + FormataGeral(c.B);
}

// "Manta (R = 0,5 m²·°C/W) das 0 às 72 h" for each protection of a list.
std::string Protecoes(const std::vector<TProtecao>& lista) {
    std::string s;
    for (const TProtecao& p : lista) {
        if (!s.empty()) s += "; ";
        s += (p.Nome.empty() ? std::string("proteção") : p.Nome) + " (R = " + FormataGeral(p.R) + " m²·°C/W) das " +
             FormataGeral(p.HoraColocacao) + " às " + FormataGeral(p.HoraRetirada) + " h";
    }
    return s;
}

TSecaoRelatorio SecaoProblema(const TDadosModelo& d) {
    TSecaoRelatorio s;
    s.Titulo = "1. Problema";
    TValoresSI si;
    TValoresSI::Deriva(d, si);
    s.Paragrafo(std::string("Sistema de unidades do projeto: ") +
                (d.UnidadesUsuais ? "unidades usuais (kcal, cal/g, dia)" : "Sistema Internacional") +
                ". Os valores abaixo estão no Sistema Internacional.");
    s.Paragrafo(std::string("Formulação térmica: ") +
                (d.Formulacao == TFormulacao::Consistente ? "Consistente" : "Clássica") + ". " + Inteiro(d.NCamadas) +
                " camadas" + (d.Fundacao ? " (a camada 1 é a fundação)" : "") + ", " + Inteiro(d.NElemCamada) +
                " elementos por camada, passo de " + Inteiro(Membro::Passo(d)) + " h" +
                (d.Formulacao == TFormulacao::Consistente && d.SubpassosPorPasso > 1
                     ? " em " + Inteiro(d.SubpassosPorPasso) + " subpassos"
                     : "") +
                ", tempo total de " +
                FormataGeral(d.TempoTotal) + " h." +
                (d.CondutividadeHidratacao
                     ? " Nas camadas com calor pela maturidade, a condutividade segue a hidratação: k(α) = k·(1,33 − "
                       "0,33·α) (Schindler 2002), com k o do concreto endurecido."
                     : ""));

    TTabelaRelatorio camadas;
    camadas.Cabecalho = {"Camada", "Espessura [m]", "Base y [m]", "K [W/(m·°C)]", "ρ [kg/m³]", "c [J/(kg·°C)]",
                         "α [1/°C]", "Lançamento [h]", "T lanç. [°C]"};
    for (int L = 1; L <= d.NCamadas; ++L) {
        const TCamada& c = d.Camadas[static_cast<std::size_t>(L)];
        const TCamada& cs = si.Camadas[static_cast<std::size_t>(L)];
        camadas.Linhas.push_back({Inteiro(L) + (Membro::CamadaDaFundacao(d, L) ? " (fundação)" : ""), FormataGeral(c.Espessura),
                                  FormataGeral(c.XIni), FormataGeral(cs.K), FormataGeral(c.Ro),
                                  FormataGeral(cs.CalorEsp), FormataGeral(c.Alfa),
                                  Inteiro(c.HoraConcretagem) + " (" + DiaHora(c.HoraConcretagem) + ")",
                                  FormataGeral(c.TInicial)});
    }
    s.Tabela("Camadas e cronograma de lançamento", std::move(camadas));

    TTabelaRelatorio calor;
    calor.Cabecalho = {"Camada", "Modelo de calor interno"};
    // Consecutive layers of the same concrete share a row ("1 a 40").
    for (int L = 1; L <= d.NCamadas;) {
        const std::string modelo = ModeloCalor(d, L, si);
        int ate = L;
        while (ate < d.NCamadas && ModeloCalor(d, ate + 1, si) == modelo) ++ate;
        calor.Linhas.push_back({ate > L ? Inteiro(L) + " a " + Inteiro(ate) : Inteiro(L), modelo});
        L = ate + 1;
    }
    s.Tabela("Modelo de calor de hidratação", std::move(calor));

    std::string ambiente;
    if (ObraDe(d).ClimaArquivo) {
        const TDadosObra& o = ObraDe(d);
        ambiente = "Clima horário de arquivo" + (o.OrigemClima.empty() ? std::string() : " (" + o.OrigemClima + ")") +
                   ", " + Inteiro(static_cast<long long>(o.Temperatura.size())) + " horas: temperatura do ar" +
                   (o.Vento.empty() ? "" : ", vento (coeficiente da face superior a cada hora)") +
                   (o.Radiacao.empty() ? "" : ", radiação solar global, absorvida só pela face superior com "
                                              "absortividade " + FormataGeral(o.Absortividade)) + ".";
    } else {
        ambiente = d.TAmbConstante ? "Temperatura ambiente constante de " + FormataGeral(d.TAmbConst) + " °C"
                                   : "Temperatura ambiente senoidal entre " + FormataGeral(d.TAmbMin) + " °C (às " +
                                         FormataGeral(d.HoraTAmbMin) + " h) e " + FormataGeral(d.TAmbMax) +
                                         " °C (às " + FormataGeral(d.HoraTAmbMax) + " h)";
        ambiente += "; radiação absorvida de " + FormataGeral(d.QRadiacao) + " W/m² nas faces.";
    }
    s.Paragrafo("Condições de contorno. " + ambiente);
    if (ObraDe(d).CeuAtivo) {
        const TDadosObra& o = ObraDe(d);
        const bool orvalho = o.ClimaArquivo && !o.PontoOrvalho.empty();
        s.Paragrafo("Radiação de onda longa do topo para o céu, com emissividade " + FormataGeral(o.Emissividade) +
                    "; temperatura do céu limpo " +
                    (orvalho ? "pela emissividade de Berdahl e Martin com o ponto de orvalho do arquivo."
                             : "pela fórmula de Swinbank, da temperatura do ar.") +
                    " Sob uma proteção, a troca atua na face externa, em série com a resistência.");
    }
    // Protections of the faces, with their hours counted from the lift's placement.
    if (!ObraDe(d).ProtecoesBase.empty())
        s.Paragrafo("Proteção da face inferior (horas desde o lançamento da camada 1): " +
                    Protecoes(ObraDe(d).ProtecoesBase) + ".");
    for (int L = 1; L <= d.NCamadas && L < static_cast<int>(ObraDe(d).ProtecoesTopo.size()); ++L) {
        const auto& lista = ObraDe(d).ProtecoesTopo[static_cast<std::size_t>(L)];
        if (!lista.empty())
            s.Paragrafo("Proteção do topo da camada " + Inteiro(L) + " (horas desde o seu lançamento): " +
                        Protecoes(lista) + ".");
    }
    // The sides of a block of finite plan size, lumped over its plan section.
    if (const std::string laterais = Laterais::Resumo(d); !laterais.empty())
        s.Paragrafo("Dimensões em planta. " + laterais +
                    " Cada m³ de concreto perde U·(2/Lx + 2/Ly)·(T − T_ar) pelas laterais, U = 1/(1/h + R).");
    for (int L = 1; L <= d.NCamadas; ++L) {
        const TSerpentinasCamada* c = SerpentinasDe(d).DaCamada(L);
        if (!c) continue;
        std::string alturas;
        for (double z : c->Alturas) alturas += (alturas.empty() ? "" : "; ") + FormataGeral(z);
        std::string entrada = c->EntradaDaSerie ? "da série horária" : FormataGeral(c->TEntrada) + " °C";
        std::string operacao = "de " + FormataGeral(c->HoraInicio) + " a " + FormataGeral(c->HoraFim) +
                               " h desde o lançamento";
        if (c->PorTemperatura)
            operacao += ", liga a " + FormataGeral(c->TLiga) + " °C e desliga a " + FormataGeral(c->TDesliga) + " °C";
        s.Paragrafo("Serpentinas de resfriamento na camada " + Inteiro(L) + ": fileiras a " + alturas +
                    " m da base, tubos a cada " + FormataGeral(c->Espacamento) + " m (diâmetro externo " +
                    FormataGeral(c->Tubo.DiametroExterno * 1000.0) + " mm, parede de " +
                    FormataGeral(c->Tubo.Espessura * 1000.0) + " mm com " + FormataGeral(c->Tubo.Condutividade) +
                    " W/(m·°C)), laços de " + FormataGeral(c->Comprimento) + " m com " + FormataGeral(c->Vazao) +
                    " L/min de água a " + entrada + ", " + operacao + ".");
    }
    s.Paragrafo(d.TPrescInfAtiva ? "Face inferior com temperatura prescrita de " + FormataGeral(d.TPrescInf) + " °C."
                                 : "Face inferior com troca de calor por convecção.");
    s.Paragrafo(d.TPrescSupAtiva ? "Face superior com temperatura prescrita de " + FormataGeral(d.TPrescSup) + " °C."
                                 : "Face superior com troca de calor por convecção.");
    if (ObraDe(d).ClimaArquivo && !ObraDe(d).Vento.empty() && !d.CuraAtiva) {
        s.Paragrafo("Coeficiente de convecção inferior " + FormataGeral(si.BetaInf / 3600.0) +
                    " W/(m²·°C); o superior, hora a hora, pela fórmula do CEB no vento do arquivo.");
    } else if (d.CuraAtiva) {
        // With curing the run takes each lift's coefficients from the curing table, never
        // the constant ones nor the wind.
        s.Paragrafo(std::string("Coeficientes de convecção da cura de cada camada (tabela abaixo)") +
                    (ObraDe(d).ClimaArquivo && !ObraDe(d).Vento.empty() ? "; o vento do arquivo não os altera." : "."));
    } else if (d.CoefConvConstante) {
        s.Paragrafo("Coeficientes de convecção constantes: inferior " + FormataGeral(si.BetaInf / 3600.0) +
                    " W/(m²·°C), superior " + FormataGeral(si.BetaSup / 3600.0) + " W/(m²·°C).");
    } else {
        s.Paragrafo("Coeficiente de convecção superior de dia " + FormataGeral(si.Superficie[1].HDia / 3600.0) +
                    " W/(m²·°C) e de noite " + FormataGeral(si.Superficie[1].HNoite / 3600.0) + " W/(m²·°C).");
    }
    if (!d.CuraAtiva) {
        s.Paragrafo("Sem cura das superfícies.");
        return s;
    }
    TTabelaRelatorio cura;
    cura.Cabecalho = {"Camada", "β sup. sem cura [W/(m²·°C)]", "β inf. [W/(m²·°C)]", "Dias de cura",
                      "Das [h]", "Às [h]", "β com cura [W/(m²·°C)]"};
    for (int L = 1; L <= d.NCamadas; ++L) {
        const TTrocaCalor& t = si.Superficie[static_cast<std::size_t>(L)];
        cura.Linhas.push_back({Inteiro(L), FormataGeral(t.BetaS / 3600.0), FormataGeral(t.BetaI / 3600.0),
                               FormataGeral(t.DiasCura), FormataGeral(t.HoraIniCura), FormataGeral(t.HoraFimCura),
                               FormataGeral(t.BetaSC / 3600.0)});
    }
    s.Tabela("Cura das superfícies, por camada", std::move(cura));
    return s;
}

TGraficoRelatorio GraficoTempo(const std::string& titulo, const LimitesRelatorio& limites) {
    TGraficoRelatorio g;
    g.Titulo = titulo;
    g.TituloX = "Tempo (horas)";
    g.TituloY = "Temperatura (°C)";
    g.Limite = limites.Temperatura;
    g.RotuloLimite = "Limite " + FormataGeral(limites.Temperatura) + " °C";
    return g;
}

TMapaRelatorio Mapa(const TDadosModelo& d, const HistoricoNumerico& tabela, double hora) {
    TMapaRelatorio m;
    m.Hora = hora;
    const int linha = Membro::LinhaDaHora(d, Membro::HoraInteira(hora));
    const int t = static_cast<int>(Membro::HoraInteira(hora));
    const int elementos = std::min({Cores::ElementosAtivosEm(d, t), MaxElementos, tabela.Colunas() - 2});
    // The scale of this run: the colour window's own widens over a session.
    m.TMinEscala = d.TMinEscala;
    m.TMaxEscala = d.TMaxEscala;
    if (!(m.TMaxEscala >= m.TMinEscala)) m.TMinEscala = m.TMaxEscala;
    if (linha < 1 || !tabela.Contem(0, linha) || elementos < 1) return m;
    for (int e = 1; e <= elementos; ++e) {
        const TCamada& el = d.Elementos[static_cast<std::size_t>(e)];
        const double ti = tabela.Valor(e, linha);
        const double ts = tabela.Valor(e + 1, linha);
        for (const Cores::Faixa& f : Cores::FaixasElemento(el.XIni, el.Espessura, ti, ts, elementos))
            m.Faixas.push_back({f.ya, f.yb, f.t, Cores::CorTemperatura(f.t, m.TMinEscala, m.TMaxEscala)});
        m.Altura = el.XIni + el.Espessura;
    }
    return m;
}

}  // namespace

void TSecaoRelatorio::Paragrafo(std::string texto) {
    TBlocoRelatorio b;
    b.Texto = std::move(texto);
    Blocos.push_back(std::move(b));
}

void TSecaoRelatorio::Tabela(std::string legenda, TTabelaRelatorio tabela) {
    TBlocoRelatorio b;
    b.Tipo = TBlocoRelatorio::Especie::Tabela;
    b.Texto = std::move(legenda);
    b.Tabela = std::move(tabela);
    Blocos.push_back(std::move(b));
}

void TSecaoRelatorio::Grafico(TGraficoRelatorio grafico) {
    TBlocoRelatorio b;
    b.Tipo = TBlocoRelatorio::Especie::Grafico;
    b.Texto = grafico.Titulo;
    b.Grafico = std::move(grafico);
    Blocos.push_back(std::move(b));
}

void TSecaoRelatorio::Mapa(std::string legenda, TMapaRelatorio mapa) {
    TBlocoRelatorio b;
    b.Tipo = TBlocoRelatorio::Especie::Mapa;
    b.Texto = std::move(legenda);
    b.Mapa = std::move(mapa);
    Blocos.push_back(std::move(b));
}

void TRelatorio::AcrescentaSecao(TSecaoRelatorio secao) {
    const bool comConclusao = !Secoes.empty() && Secoes.back().Titulo == TituloConclusao;
    Secoes.insert(comConclusao ? Secoes.end() - 1 : Secoes.end(), std::move(secao));
}

std::string TRelatorio::TextoCorrido() const {
    std::string s = Titulo + "\n" + Subtitulo + "\n";
    for (const TSecaoRelatorio& sec : Secoes) {
        s += sec.Titulo + "\n";
        for (const TBlocoRelatorio& b : sec.Blocos) {
            s += b.Texto + "\n";
            if (b.Tipo != TBlocoRelatorio::Especie::Tabela) continue;
            for (const auto& linha : {b.Tabela.Cabecalho}) {
                for (const auto& c : linha) s += c + " ";
                s += "\n";
            }
            for (const auto& linha : b.Tabela.Linhas) {
                for (const auto& c : linha) s += c + " ";
                s += "\n";
            }
        }
    }
    return s;
}

namespace Relatorio {

bool TemTensoes(const HistoricoNumerico& t) { return t.Linhas() >= 2 && t.Colunas() >= 2 && t.TemCabecalho(); }

double AlturaNo(const TDadosModelo& d, int no) {
    return Membro::AlturaNaMalha(d, no, d.NElemAtivos);
}

const char* Marca(bool passa) { return passa ? "passa" : "não passa"; }

TRelatorio Monta(const TDadosModelo& d, const HistoricoNumerico& temperaturas, const HistoricoNumerico* tensoes,
                 const LimitesRelatorio& limites, const std::string& projeto, const TResultadosSerpentinas* serpentinas) {
    if (!std::isfinite(limites.Temperatura) || !std::isfinite(limites.Diferenca) || !std::isfinite(limites.Indice))
        throw ErroEntrada("Os limites do relatório precisam ser números.");
    TRelatorio r;
    r.Titulo = "Norvik 1D — Relatório de Controle Térmico";
    r.Subtitulo = "Projeto: " + projeto;
    r.Resumo = TResumoTermico::Calcula(d, temperaturas, limites.Temperatura);
    const TResultadosSerpentinas& agua = serpentinas ? *serpentinas : SerpentinasDe(d).Resultados;
    r.Resumo.Serpentinas = TResumoTermico::LinhaSerpentinas(agua);
    const TResumoTermico& res = r.Resumo;
    r.Secoes.push_back(SecaoProblema(d));

    TSecaoRelatorio termica;
    termica.Titulo = "2. Resultados térmicos";
    if (res.Vazio) {
        termica.Paragrafo("A tabela de temperaturas não tem linhas calculadas.");
        r.Aprovado = false;
        r.Secoes.push_back(std::move(termica));
        return r;
    }
    if (!d.TermicoCompleto) termica.Paragrafo("Atenção: a análise térmica não chegou ao tempo total.");
    const double yMax = AlturaNo(d, res.NoTMax);
    termica.Paragrafo("Temperatura máxima: " + Fixo(res.TMaxima, 2) + " °C no Nó " + Inteiro(res.NoTMax) +
                      " (altura y = " + Fixo(yMax, 3) + " m), na hora " + FormataGeral(res.HoraTMax) + ".");
    const bool passaT = res.TMaxima < limites.Temperatura;
    r.Aprovado = r.Aprovado && passaT;
    termica.Paragrafo(std::string(passaT ? "✔ " : "✘ ") + "Limite de temperatura " + FormataGeral(res.Limite) +
                      " °C: " + Marca(passaT) + ".");
    if (res.NoPior == 0) {
        termica.Paragrafo("Nenhum nó atinge " + FormataGeral(res.Limite) + " °C.");
    } else {
        termica.Paragrafo("Nó com mais horas a " + FormataGeral(res.Limite) + " °C ou acima: Nó " + Inteiro(res.NoPior) +
                          ", " + FormataGeral(res.HorasPior) + " horas.");
        TTabelaRelatorio horas;
        horas.Cabecalho = {"Nó", "Altura y [m]", "Horas a " + FormataGeral(res.Limite) + " °C ou acima"};
        for (std::size_t n = 1; n < res.HorasAcima.size(); ++n)
            if (res.HorasAcima[n] > 0)
                horas.Linhas.push_back({Inteiro(static_cast<long long>(n)),
                                        Fixo(AlturaNo(d, static_cast<int>(n)), 3), FormataGeral(res.HorasAcima[n])});
        termica.Tabela("Horas no limite de temperatura ou acima, por nó", std::move(horas));
    }
    termica.Paragrafo(res.LinhaDiferenca());
    for (const std::string& a : res.Avisos) termica.Paragrafo(a);
    if (!res.Serpentinas.empty()) {
        termica.Paragrafo(res.Serpentinas);
        TTabelaRelatorio tab;
        tab.Cabecalho = {"Camada", "Calor retirado [MJ/m²]", "Maior saída da água [°C]", "t [h]"};
        for (std::size_t k = 0; k < agua.Camadas.size(); ++k) {
            double maior = -1e300, hora = 0.0;
            for (std::size_t s = 0; s < agua.Horas.size(); ++s)
                if (agua.Saida[k][s] > maior) {
                    maior = agua.Saida[k][s];
                    hora = agua.Horas[s];
                }
            const bool correu = maior > -1e300;
            tab.Linhas.push_back({Inteiro(agua.Camadas[k]), Fixo(agua.Total[k], 1), correu ? Fixo(maior, 2) : "—",
                                  correu ? FormataGeral(hora) : "—"});
        }
        termica.Tabela("Água das serpentinas de resfriamento, por camada", std::move(tab));
    }
    if (!res.Camadas.empty()) {
        TTabelaRelatorio dif;
        dif.Cabecalho = {"Camada", "Dif. máx. [°C]", "t [h]", "Nó quente", "Nó topo", "Limite [°C]", "Verificação"};
        dif.ColunaMarca = 6;
        for (const auto& c : res.Camadas) {
            const bool passa = c.DifMaxima <= limites.Diferenca;
            r.Aprovado = r.Aprovado && passa;
            dif.Linhas.push_back({Inteiro(c.Camada), Fixo(c.DifMaxima, 2), FormataGeral(c.Hora), Inteiro(c.NoQuente),
                                  Inteiro(c.NoTopo), FormataGeral(limites.Diferenca), Marca(passa)});
        }
        termica.Tabela("Maior diferença núcleo–superfície de cada camada, enquanto é a do topo", std::move(dif));
    }

    // The hottest node and the top face of every lift, a few lifts per chart.
    const auto quente = CurvasTemperatura::HistoricoNo(temperaturas, res.NoTMax);
    const std::size_t n = res.Camadas.size();
    for (std::size_t i = 0; i == 0 || i < n; i += CamadasPorGrafico) {
        const std::size_t fim = std::min(n, i + CamadasPorGrafico);
        std::string titulo = "Temperatura × tempo: nó mais quente";
        if (n > 0)
            titulo += n > static_cast<std::size_t>(CamadasPorGrafico)
                          ? " e faces superiores das camadas " + Inteiro(res.Camadas[i].Camada) + " a " +
                                Inteiro(res.Camadas[fim - 1].Camada)
                          : " e face superior de cada camada";
        TGraficoRelatorio g = GraficoTempo(titulo, limites);
        g.Curvas.push_back({"Nó " + Inteiro(res.NoTMax) + " (mais quente)", quente});
        for (std::size_t k = i; k < fim; ++k) {
            const auto& c = res.Camadas[k];
            g.Curvas.push_back({"Topo da camada " + Inteiro(c.Camada) + " (Nó " + Inteiro(c.NoTopo) + ")",
                                CurvasTemperatura::HistoricoNo(temperaturas, c.NoTopo)});
        }
        termica.Grafico(std::move(g));
        if (n == 0) break;
    }

    // The axis at the hour of the peak, against height.
    const int linhaMax = Membro::LinhaDaHora(d, Membro::HoraInteira(res.HoraTMax));
    TGraficoRelatorio perfil;
    perfil.Titulo = "Perfil no eixo na hora da máxima (" + FormataGeral(res.HoraTMax) + " h)";
    perfil.TituloX = "Temperatura (°C)";
    perfil.TituloY = "Altura y (m)";
    TCurvaRelatorio curva{"Hora " + FormataGeral(res.HoraTMax), {}};
    for (const auto& p : CurvasTemperatura::PerfilLinha(temperaturas, linhaMax, temperaturas.Colunas() - 1))
        curva.Pontos.push_back({p.y, AlturaNo(d, static_cast<int>(p.x))});
    perfil.Curvas.push_back(std::move(curva));
    termica.Grafico(std::move(perfil));
    termica.Mapa("Mapa de cores na hora da máxima (" + FormataGeral(res.HoraTMax) + " h)",
                 Mapa(d, temperaturas, res.HoraTMax));
    r.Secoes.push_back(std::move(termica));

    if (tensoes && TemTensoes(*tensoes)) {
        TSecaoRelatorio ten;
        ten.Titulo = "3. Resultados tensionais";
        ten.Paragrafo(TProcTensional::MensagemTracao(d));
        if (const auto sem = Analise::SemRetracaoAutogena(d, temperaturas))
            ten.Paragrafo(RetracaoAutogena::LinhaParcela(d.TracaoMaxima, sem->Tracao, sem->No, sem->Hora));
        if (!TIndiceFissuracao::ResistenciasDefinidas(d, limites.Curva)) {
            ten.Paragrafo(std::string("Índice de fissuração não calculado: a resistência à ") +
                          TIndiceFissuracao::NomeCurva(limites.Curva) + " não foi informada.");
        } else {
            r.Indice = TIndiceFissuracao::Calcula(d, *tensoes, limites.Curva, limites.Indice);
            r.ComIndice = true;
            const TIndiceFissuracao& ind = r.Indice;
            ten.Paragrafo(std::string("Índice de fissuração pela curva de ") + TIndiceFissuracao::NomeCurva(ind.Curva) +
                          ", limite " + FormataGeral(ind.Limite) + ".");
            ten.Paragrafo(ind.LinhaCritico());
            if (ind.NosFundacao > 0) ten.Paragrafo(ind.LinhaFundacao());
            TTabelaRelatorio tab;
            tab.Cabecalho = {"Nó", "Camada", "Índice mín.", "t [h]", "Tensão [MPa]", "Resist. [MPa]", "P [%]",
                             "Verificação"};
            tab.ColunaMarca = 7;
            for (std::size_t k = 1; k < ind.Nos.size(); ++k) {
                const auto& no = ind.Nos[k];
                if (no.Fundacao || !no.ComTracao) {
                    tab.Linhas.push_back({Inteiro(static_cast<long long>(k)), Inteiro(no.Camada),
                                          no.Fundacao ? "fundação" : "sem tração", "", "", "", "", ""});
                    continue;
                }
                const bool passa = !(no.IndiceMinimo < ind.Limite);
                r.Aprovado = r.Aprovado && passa;
                tab.Linhas.push_back({Inteiro(static_cast<long long>(k)), Inteiro(no.Camada),
                                      Fixo(no.IndiceMinimo, 3), FormataGeral(no.Hora), Fixo(no.Tensao, 4),
                                      Fixo(no.Resistencia, 4), Fixo(100.0 * no.Probabilidade, 1), Marca(passa)});
            }
            ten.Tabela("Índice de fissuração por nó", std::move(tab));
        }
        const int critico = r.ComIndice && r.Indice.NoCritico > 0 ? r.Indice.NoCritico : d.NoTracaoMaxima;
        if (critico > 0 && critico < tensoes->Colunas()) {
            TGraficoRelatorio g;
            g.Titulo = "Tensão × tempo do nó crítico (Nó " + Inteiro(critico) + ") e sua resistência";
            g.TituloX = "Tempo (horas)";
            g.TituloY = "Tensão (MPa)";
            g.NoTensao = critico;
            ten.Grafico(std::move(g));
        }
        r.Secoes.push_back(std::move(ten));
    }

    TSecaoRelatorio conclusao;
    conclusao.Titulo = TRelatorio::TituloConclusao;
    if (r.Aprovado) {
        conclusao.Paragrafo("✔ Todas as verificações passam.");
    } else {
        // What fails, so the reader goes straight to it.
        std::string falhas;
        auto junta = [&falhas](const std::string& item) { falhas += (falhas.empty() ? "" : "; ") + item; };
        if (!(res.TMaxima < limites.Temperatura))
            junta("temperatura máxima acima de " + FormataGeral(limites.Temperatura) + " °C");
        std::string camadas;
        for (const auto& c : res.Camadas)
            if (c.DifMaxima > limites.Diferenca) camadas += (camadas.empty() ? "" : ", ") + Inteiro(c.Camada);
        if (!camadas.empty()) junta("diferença núcleo–superfície nas camadas " + camadas);
        if (r.ComIndice && !r.Indice.NosAbaixoDoLimite().empty()) {
            std::string nos;
            for (int no : r.Indice.NosAbaixoDoLimite()) nos += (nos.empty() ? "" : ", ") + Inteiro(no);
            junta("índice de fissuração abaixo de " + FormataGeral(r.Indice.Limite) + " nos nós " + nos);
        }
        conclusao.Paragrafo("✘ Não passam: " + falhas + ".");
    }
    r.Secoes.push_back(std::move(conclusao));
    return r;
}

void AcrescentaComparacao(TRelatorio& r, const TComparacaoProjetos& c) {
    std::size_t numeradas = r.Secoes.size();
    if (!r.Secoes.empty() && r.Secoes.back().Titulo == TRelatorio::TituloConclusao) --numeradas;
    TSecaoRelatorio s;
    s.Titulo = Inteiro(static_cast<long long>(numeradas + 1)) + ". " + TituloComparacao;
    s.Paragrafo("A: " + c.A.Nome + " (o projeto deste relatório); B: " + c.B.Nome + ".");
    s.Paragrafo("Índice de fissuração pela Tração Simples; \"—\" onde um projeto não tem análise tensional "
                "(ou a resistência à tração simples) ou não tem a grandeza.");
    TTabelaRelatorio tab;
    tab.Cabecalho = {"Grandeza", "A", "B", "B − A"};
    for (const TComparacaoProjetos::Linha& l : c.Linhas()) tab.Linhas.push_back({l.Grandeza, l.ValorA, l.ValorB, l.Diferenca});
    s.Tabela("Comparação dos dois projetos", std::move(tab));
    r.AcrescentaSecao(std::move(s));
}

void AcrescentaVerificacao(TRelatorio& r, const VerificacaoRelatorio& v, const TAvisoFormulacao& aviso) {
    std::size_t numeradas = r.Secoes.size();
    if (!r.Secoes.empty() && r.Secoes.back().Titulo == TRelatorio::TituloConclusao) --numeradas;
    TSecaoRelatorio s;
    s.Titulo = Inteiro(static_cast<long long>(numeradas + 1)) + ". " + TituloVerificacao;
    s.Paragrafo(std::string("Os números deste relatório são da formulação ") +
                (v.Consistente ? "consistente" : "clássica") +
                ". O problema foi refeito com o dobro de elementos por camada, com o passo de tempo dividido "
                "(a formulação consistente com o dobro de subpassos) e na formulação " +
                (v.Consistente ? "clássica" : "consistente") + "; índice de fissuração pela Tração Simples.");
    TTabelaRelatorio tab;
    tab.Cabecalho = {"Verificação", "Grandeza", "Original", "Alterado", "Variação"};
    for (const auto& l : v.Linhas) tab.Linhas.push_back({l.begin(), l.end()});
    if (!tab.Linhas.empty()) s.Tabela("Malha, passo de tempo e formulação", std::move(tab));
    for (const auto& n : v.Notas) s.Paragrafo(n);
    if (!v.Veredito.empty()) s.Paragrafo(v.Veredito);
    r.AcrescentaSecao(std::move(s));
    if (aviso.Vazio() || r.Secoes.empty() || r.Secoes.back().Titulo != TRelatorio::TituloConclusao) return;
    std::string texto = aviso.Texto();
    if (!texto.empty() && texto.back() == '\n') texto.pop_back();
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    r.Secoes.back().Paragrafo("Atenção: " + texto);
}

TAvisoFormulacao AvisoFormulacao(const TRelatorio& r, const TDadosModelo& problema, const LimitesRelatorio& limites,
                                 Progresso& progresso) {
    if (r.Resumo.Vazio) return {};
    return TAvisoFormulacao::Calcula(problema, r.Resumo, r.ComIndice ? &r.Indice : nullptr, limites.Diferenca,
                                     progresso);
}

}  // namespace Relatorio
