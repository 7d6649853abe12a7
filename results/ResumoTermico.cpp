#include "results/ResumoTermico.h"

#include <algorithm>

#include "core/ArquivoAtomico.h"
#include "core/Cp1252.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "obra/Laterais.h"
#include "obra/Protecoes.h"
#include "serpentinas/DadosSerpentinas.h"

using Numeros::FormataFixo;
using Numeros::FormataGeral;
using Numeros::FormataInteiro;

namespace {

// Temperatures are read as the "%7.2f" text shows them; differences are taken in
// hundredths so that 45,67 − 30,12 prints 15,55 and not a binary neighbour of it.
long long Centesimos(double t) { return Numeros::Round(t * 100.0); }

std::string Temperatura(double t) { return FormataFixo(t + 0.0, 0, 2); }

std::string Alinha(const std::string& texto, std::size_t largura) {
    return std::string(largura - std::min(largura, texto.size()), ' ') + texto;
}

}  // namespace

TResumoTermico TResumoTermico::Calcula(const TDadosModelo& d, const HistoricoNumerico& tabela, double limite) {
    TResumoTermico r;
    r.Limite = limite;
    r.Avisos = Protecoes::AvisosTopoDescoberto(d);
    r.Laterais = ::Laterais::Resumo(d);
    if (std::string a = ::Laterais::AvisoBiot(d); !a.empty()) r.Avisos.push_back(std::move(a));
    r.Serpentinas = LinhaSerpentinas(SerpentinasDe(d).Resultados);
    const int colunas = tabela.Colunas();
    r.HorasAcima.assign(static_cast<std::size_t>(std::max(colunas, 1)), 0.0);
    if (colunas < 2 || d.NElemCamada < 1 || d.NCamadas < 1) return r;

    int camadas = 1;
    double anterior = d.Camadas[1].HoraConcretagem;  // start of the step of the next row
    bool primeiraT = true;
    long long difMaxima = 0;  // in hundredths, of the headline and of the current top lift
    long long difCamada = 0;
    std::vector<double> linha(static_cast<std::size_t>(colunas), 0.0);

    for (int lin = 1; lin < tabela.Linhas(); ++lin) {
        if (tabela.Vazia(0, lin)) continue;  // a row no step wrote
        const double hora = tabela.Valor(0, lin);
        // The layer whose placement hour opens this step entered before it was solved.
        if (Membro::EntraNoPasso(d, camadas, anterior)) ++camadas;
        const double duracao = hora - anterior;
        anterior = hora;

        const int topo = std::min(Membro::UltimoNo(d, camadas), colunas - 1);
        bool completa = true;
        for (int n = 1; n <= topo && completa; ++n) completa = !tabela.Vazia(n, lin);
        if (!completa) continue;
        int quente = 1;
        for (int n = 1; n <= topo; ++n) {
            const double t = tabela.Valor(n, lin);
            linha[static_cast<std::size_t>(n)] = t;
            // Strictly higher: a tie keeps the earlier hour, then the lower node.
            if (t > linha[static_cast<std::size_t>(quente)]) quente = n;
            if (t >= limite) r.HorasAcima[static_cast<std::size_t>(n)] += duracao;
        }
        const double tQuente = linha[static_cast<std::size_t>(quente)];
        if (primeiraT || tQuente > r.TMaxima) {
            r.TMaxima = tQuente;
            r.NoTMax = quente;
            r.HoraTMax = hora;
            primeiraT = false;
        }

        // The top lift against its own top face; the soil under the member is no lift.
        const int camadaTopo = Membro::CamadaDoNo(d, topo);
        if (Membro::NoDaFundacao(d, topo)) continue;
        int quenteCamada = topo;
        for (int n = topo - 1; n >= 1 && Membro::CamadaDoNo(d, n) == camadaTopo; --n)
            if (linha[static_cast<std::size_t>(n)] >= linha[static_cast<std::size_t>(quenteCamada)]) quenteCamada = n;
        const long long dif =
            Centesimos(linha[static_cast<std::size_t>(quenteCamada)]) - Centesimos(linha[static_cast<std::size_t>(topo)]);
        r.Diferenca.push_back({hora, static_cast<double>(dif) / 100.0});
        // Lifts come to the top in placement order: a new one opens its own entry.
        const DiferencaCamada atual{camadaTopo, static_cast<double>(dif) / 100.0, hora, quenteCamada, topo};
        if (r.Camadas.empty() || r.Camadas.back().Camada != camadaTopo) {
            r.Camadas.push_back(atual);
            difCamada = dif;
        } else if (dif > difCamada) {
            r.Camadas.back() = atual;
            difCamada = dif;
        }
        if (r.CamadaDif == 0 || dif > difMaxima) {
            difMaxima = dif;
            r.CamadaDif = camadaTopo;
            r.DifMaxima = static_cast<double>(dif) / 100.0;
            r.HoraDifMaxima = hora;
            r.NoQuenteDif = quenteCamada;
            r.NoTopoDif = topo;
        }
    }
    r.Vazio = primeiraT;
    for (int n = 1; n < colunas; ++n) {
        const double h = r.HorasAcima[static_cast<std::size_t>(n)];
        if (h > r.HorasPior) {
            r.HorasPior = h;
            r.NoPior = n;
        }
    }
    return r;
}

std::string TResumoTermico::LinhaSerpentinas(const TResultadosSerpentinas& r) {
    if (r.Vazio() || r.Camadas.empty()) return {};
    double total = 0.0, saida = -1e300, hora = 0.0;
    int camada = 0;
    for (std::size_t k = 0; k < r.Camadas.size(); ++k) {
        total += r.Total[k];
        for (std::size_t s = 0; s < r.Horas.size(); ++s)
            if (r.Saida[k][s] > saida) {
                saida = r.Saida[k][s];
                camada = r.Camadas[k];
                hora = r.Horas[s];
            }
    }
    std::string s = "Serpentinas de resfriamento em " + FormataInteiro(static_cast<long long>(r.Camadas.size())) +
                    (r.Camadas.size() == 1 ? " camada" : " camadas") + ": a água retirou " + FormataFixo(total, 0, 1) +
                    " MJ por m² de planta";
    if (camada > 0)
        s += "; a maior temperatura de saída foi " + Temperatura(saida) + " °C (camada " + FormataInteiro(camada) +
             ", hora " + FormataGeral(hora) + ")";
    return s + ".";
}

std::string TResumoTermico::Texto(bool comDiferencaPorHora) const {
    std::string s = "Resumo Térmico\n\n";
    if (Vazio) return s + "A tabela de temperaturas não tem linhas calculadas.\n";
    s += "Temperatura máxima: " + Temperatura(TMaxima) + " °C no Nó " + FormataInteiro(NoTMax) + ", na hora " +
         FormataGeral(HoraTMax) + ".\n";
    s += LinhaDiferenca() + "\n";
    const std::string limite = FormataGeral(Limite);
    if (NoPior == 0) {
        s += "Nenhum nó atinge " + limite + " °C.\n";
    } else {
        s += "Nó com mais horas a " + limite + " °C ou acima: Nó " + FormataInteiro(NoPior) + ", " +
             FormataGeral(HorasPior) + " horas.\n";
    }
    if (!Laterais.empty()) s += Laterais + "\n";
    for (const std::string& a : Avisos) s += a + "\n";
    if (!Serpentinas.empty()) s += Serpentinas + "\n";
    if (!Camadas.empty()) {
        s += "\nDiferença entre o ponto mais quente e a face superior de cada camada, enquanto é a do topo:\n"
             " Camada  Dif.[°C]    t[h]  Nó quente  Nó topo\n";
        for (const DiferencaCamada& c : Camadas) {
            s += Alinha(FormataInteiro(c.Camada), 7) + Alinha(FormataFixo(c.DifMaxima + 0.0, 0, 2), 10) +
                 Alinha(FormataGeral(c.Hora), 8) + Alinha(FormataInteiro(c.NoQuente), 11) +
                 Alinha(FormataInteiro(c.NoTopo), 9) + "\n";
        }
    }
    s += "\nHoras a " + limite + " °C ou acima, por nó:\n     Nó     Horas\n";
    for (std::size_t n = 1; n < HorasAcima.size(); ++n) {
        std::string linha = FormataInteiro(static_cast<long long>(n));
        std::string horas = FormataGeral(HorasAcima[n]);
        s += std::string(7 - std::min<std::size_t>(7, linha.size()), ' ') + linha +
             std::string(10 - std::min<std::size_t>(10, horas.size()), ' ') + horas + "\n";
    }
    if (!comDiferencaPorHora) return s;
    s += "\nDiferença entre o ponto mais quente da camada do topo e a sua face superior:\n   t[h]  Dif.[°C]\n";
    for (const Ponto& p : Diferenca) {
        std::string hora = FormataGeral(p.hora);
        s += std::string(7 - std::min<std::size_t>(7, hora.size()), ' ') + hora + "   " + FormataFixo(p.valor + 0.0, 7, 2) +
             "\n";
    }
    return s;
}

std::string TResumoTermico::LinhaDiferenca() const {
    if (CamadaDif == 0) return "Nenhuma camada de concreto está no topo nas horas da tabela: não há diferença.";
    return "Maior diferença entre o ponto mais quente de uma camada e a sua face superior, enquanto é a do topo: " +
           Temperatura(DifMaxima) + " °C na camada " + FormataInteiro(CamadaDif) + ", na hora " +
           FormataGeral(HoraDifMaxima) + " (ponto mais quente no Nó " + FormataInteiro(NoQuenteDif) +
           ", face superior no Nó " + FormataInteiro(NoTopoDif) + ").";
}

std::string TResumoTermico::Definicao() {
    return "Temperatura máxima: a maior temperatura da tabela entre os nós já lançados, como a tabela a mostra "
           "(uma face com temperatura prescrita conta com o valor prescrito). Em empate vale a primeira hora e, "
           "nela, o nó de menor número.\n\n"
           "Diferença entre o ponto mais quente e a face superior: para cada camada de concreto, enquanto ela é a "
           "camada do topo (do seu lançamento até o lançamento da camada seguinte, ou até o fim da análise), a "
           "temperatura do seu nó mais quente menos a do nó da sua face superior exposta. Os nós da camada são os "
           "que a análise de tensões lhe atribui: o nó da junta com a camada de baixo pertence à de baixo, de modo "
           "que o calor da camada de baixo não entra na diferença da camada nova. Com \"Fundação\", a camada 1 é "
           "o solo e não é avaliada. A maior diferença é a maior entre as camadas, com a camada, a hora e os nós; "
           "em empate vale a primeira hora e o nó de menor número.\n\n"
           "Horas no limite ou acima: as horas de cada nó com temperatura igual ou acima do limite; cada linha "
           "conta as horas do passo que a termina.";
}

std::string TResumoTermico::Bytes() const { return ResumoArquivo::Bytes(Texto()); }

void TResumoTermico::Grava(const std::string& caminho) const { TArquivoAtomico::Grava(caminho, Bytes()); }
