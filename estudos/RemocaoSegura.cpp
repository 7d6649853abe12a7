#include "estudos/RemocaoSegura.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "obra/Protecoes.h"
#include "analise/Analise.h"
#include "stress/ProcTensional.h"
#include "obra/DadosObra.h"

namespace {

std::string Inteiro(long long v) { return Numeros::FormataInteiro(v); }

std::string Indice(double v) {
    return v >= TRemocaoSegura::SemTracao ? std::string("sem tração") : Numeros::FormataFixo(v, 0, 2);
}

}  // namespace

double TRemocaoSegura::IndiceMinimo(const TIndiceFissuracao& indice, int camada, double desde) {
    double minimo = SemTracao;
    for (std::size_t n = 1; n < indice.Nos.size(); ++n) {
        const auto& no = indice.Nos[n];
        if (no.Camada != camada || no.Fundacao || !no.ComTracao) continue;
        for (const auto& p : no.Indices) {
            if (p.hora >= desde) minimo = std::min(minimo, p.valor);
        }
    }
    return minimo;
}

TRemocaoSegura TRemocaoSegura::Busca(const TDadosModelo& dados, int camada, int protecao, double limite,
                                     TCurvaTracao curva, Progresso& progresso) {
    TRemocaoSegura r;
    r.Camada = camada;
    r.Limite = limite;
    r.Curva = curva;
    if (camada < 1 || camada > dados.NCamadas) {
        throw ErroEntrada("A camada " + Inteiro(camada) + " não existe no membro (1 a " + Inteiro(dados.NCamadas) + ").");
    }
    const auto* lista = Protecoes::DoTopo(ObraDe(dados), camada);
    if (!lista || lista->empty()) {
        throw ErroEntrada("A camada " + Inteiro(camada) + " não tem proteções no topo: não há retirada a antecipar.");
    }
    if (protecao == 0) {
        // The one that comes off last is the one whose removal exposes the face.
        protecao = Protecoes::UltimaARetirar(*lista) + 1;
    }
    if (protecao < 1 || protecao > static_cast<int>(lista->size())) {
        throw ErroEntrada("A camada " + Inteiro(camada) + " tem " + Inteiro(static_cast<long long>(lista->size())) +
                          " proteções; não há a proteção " + Inteiro(protecao) + ".");
    }
    if (dados.ModeloFluencia == TModeloFluencia::Nenhum) {
        throw ErroEntrada("A remoção mais cedo segura precisa da análise de tensões: escolha o modelo de fluência "
                          "e seus parâmetros antes.");
    }
    TProcTensional::ValidaParametros(dados);
    if (!TIndiceFissuracao::ResistenciasDefinidas(dados, curva)) {
        throw ErroEntrada(std::string("A remoção mais cedo segura precisa da resistência à ") +
                          TIndiceFissuracao::NomeCurva(curva) + " (entre as resistências na janela de tensões).");
    }
    const TProtecao& escolhida = (*lista)[static_cast<std::size_t>(protecao - 1)];
    r.Protecao = protecao;
    r.NomeProtecao = escolhida.Nome;
    r.HoraPlanejada = escolhida.HoraRetirada;

    // One complete run with the protection taken off `hora` hours after placement.
    auto indiceCom = [&](double hora) {
        auto copia = std::make_unique<TDadosModelo>(dados);
        ObraEditavel(*copia).ProtecoesTopo[static_cast<std::size_t>(camada)][static_cast<std::size_t>(protecao - 1)].HoraRetirada = hora;
        OpcoesAnalise opcoes;
        opcoes.Tensoes = true;
        opcoes.Indice = OpcoesAnalise::ParametrosIndice{curva, limite};
        Progresso semJanela;
        const Analise ex = Analise::Executa(std::move(copia), opcoes, semJanela);
        ++r.Analises;
        return IndiceMinimo(*ex.Indice, camada, Membro::HoraAbsoluta(dados, camada, hora));
    };

    r.IndicePlanejada = indiceCom(r.HoraPlanejada);
    const int primeira = static_cast<int>(std::ceil(std::max(0.0, escolhida.HoraColocacao)));
    const int ultima = static_cast<int>(std::floor(r.HoraPlanejada));
    progresso.MaximoGauge(std::max(1, ultima - primeira + 1));
    for (int h = primeira; h <= ultima; ++h) {
        progresso.PosicaoGauge(h - primeira);
        progresso.Status("Remoção mais cedo segura: retirada na hora " + Inteiro(h));
        progresso.Repinta();
        const double ind = static_cast<double>(h) == r.HoraPlanejada ? r.IndicePlanejada : indiceCom(h);
        if (ind >= limite) {
            r.Encontrada = true;
            r.Hora = h;
            r.IndiceHora = ind;
            break;
        }
    }
    return r;
}

std::string TRemocaoSegura::Texto() const {
    const std::string qual = "proteção " + Inteiro(Protecao) + (NomeProtecao.empty() ? "" : " (" + NomeProtecao + ")") +
                             " do topo da camada " + Inteiro(Camada);
    std::string s = "Remoção mais cedo segura da " + qual + ", índice de fissuração (" +
                    TIndiceFissuracao::NomeCurva(Curva) + ") ≥ " + Numeros::FormataFixo(Limite, 0, 2) + ":\n";
    if (Encontrada) {
        s += "  retirada na hora " + Inteiro(Hora) + " após o lançamento; índice mínimo dali em diante: " +
             Indice(IndiceHora) + ".\n";
    } else {
        s += "  nenhuma hora até a retirada planejada mantém o índice no limite.\n";
    }
    s += "  Retirada planejada na hora " + Numeros::FormataGeral(HoraPlanejada) +
         ": índice mínimo dali em diante: " + Indice(IndicePlanejada) + ".\n";
    s += "  " + Inteiro(Analises) + " análises térmicas e de tensões.\n";
    return s;
}
