#include "obra/DeltaTAdmissivel.h"

#include <algorithm>
#include <cmath>

#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "stress/Funcao.h"
#include "stress/ProcTensional.h"

int TDeltaTAdmissivel::CamadaNoTopo(const TDadosModelo& d, double hora) {
    // The lift on top in the row of that hour is the last the run has placed.
    return Membro::CamadasColocadas(d, hora);
}

TDeltaTAdmissivel TDeltaTAdmissivel::Calcula(const TDadosModelo& d, const TResumoTermico& resumo, TCurvaTracao curva,
                                             double K) {
    if (d.ModeloFluencia == TModeloFluencia::Nenhum) {
        throw ErroEntrada("O ΔT admissível precisa do módulo de elasticidade: escolha o modelo de fluência.");
    }
    TProcTensional::ValidaParametros(d);
    if (!TIndiceFissuracao::ResistenciasDefinidas(d, curva)) {
        throw ErroEntrada(std::string("O ΔT admissível precisa da resistência à ") + TIndiceFissuracao::NomeCurva(curva) +
                          ".");
    }
    if (!(K > 0.0) || !std::isfinite(K)) throw ErroEntrada("O fator de restrição K deve ser positivo.");
    double a = 0.0, b = 0.0;
    TIndiceFissuracao::Coeficientes(d, curva, a, b);

    TDeltaTAdmissivel r;
    r.K = K;
    // The maturity correction of the double power law reads the node's temperatures;
    // the modulus is taken at the reference 20 °C.
    std::vector<double> referencia;
    for (const auto& p : resumo.Diferenca) {
        const int L = CamadaNoTopo(d, p.hora);
        if (L < 1) continue;
        const TCamada& c = d.Camadas[static_cast<std::size_t>(L)];
        const long long idadeH = Membro::HoraInteira(Membro::Idade(d, L, p.hora));
        if (idadeH < 1 || idadeH > MaxHoras) continue;
        const int j = static_cast<int>(idadeH);
        if (referencia.size() < static_cast<std::size_t>(j + 2)) referencia.assign(static_cast<std::size_t>(j + 2), 20.0);
        const double J = TFuncao::FuncaoFluencia(d, j, j, referencia.data());
        const double z = idadeH / 24.0;
        const double ft = z / (a + b * z);
        const double adm = ft * J / (c.Alfa * K);
        if (!std::isfinite(adm) || !(J > 0.0)) continue;
        r.Admissivel.push_back({p.hora, adm});
        if (p.valor > adm) r.Excede.push_back({p.hora, p.valor});
    }
    return r;
}

std::string TDeltaTAdmissivel::Linha() const {
    const std::string k = "K = " + Numeros::FormataGeral(K);
    if (Admissivel.empty()) return "Sem ΔT admissível: nenhuma hora com idade de 1 h ou mais na camada do topo.";
    if (Excede.empty()) return "A diferença calculada não passa da admissível em nenhuma hora (" + k + ").";
    return "Diferença acima da admissível em " + Numeros::FormataInteiro(static_cast<long long>(Excede.size())) +
           " horas, da hora " + Numeros::FormataGeral(Excede.front().hora) + " à hora " +
           Numeros::FormataGeral(Excede.back().hora) + " (" + k + ").";
}
