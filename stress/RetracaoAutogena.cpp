#include "stress/RetracaoAutogena.h"

#include <cmath>

#include "core/Maturidade.h"
#include "core/Numeros.h"

namespace RetracaoAutogena {

double Final(double fck) { return 2.5 * (fck - 10.0) * 1e-6; }

double Deformacao(double fck, double dias) {
    if (!(dias > 0.0)) return 0.0;
    return (1.0 - std::exp(-0.2 * std::sqrt(dias))) * Final(fck);
}

double AlfaFib(TClasseCimento classe) {
    switch (classe) {
        case TClasseCimento::C325N: return 800.0;
        case TClasseCimento::C325R:
        case TClasseCimento::C425N: return 700.0;
        case TClasseCimento::C425R:
        case TClasseCimento::C525N:
        case TClasseCimento::C525R: return 600.0;
    }
    return 700.0;
}

double FinalFib(double fcm, TClasseCimento classe) {
    const double x = (fcm / 10.0) / (6.0 + fcm / 10.0);
    return AlfaFib(classe) * std::pow(x, 2.5) * 1e-6;
}

double DeformacaoFib(double fcm, TClasseCimento classe, double dias) {
    if (!(dias > 0.0)) return 0.0;
    // The same time function as the European standard's.
    return (1.0 - std::exp(-0.2 * std::sqrt(dias))) * FinalFib(fcm, classe);
}

double Deformacao(const TRetracaoAutogena& r, double dias) {
    if (r.Modelo == TModeloRetracao::FibMC2010) return DeformacaoFib(r.Fck + DeltaFcm, r.Classe, dias);
    return Deformacao(r.Fck, dias);
}

const char* NomeClasse(TClasseCimento classe) {
    switch (classe) {
        case TClasseCimento::C325N: return "32,5 N";
        case TClasseCimento::C325R: return "32,5 R";
        case TClasseCimento::C425N: return "42,5 N";
        case TClasseCimento::C425R: return "42,5 R";
        case TClasseCimento::C525N: return "52,5 N";
        case TClasseCimento::C525R: return "52,5 R";
    }
    return "";
}


std::string LinhaParcela(double com, double sem, int noSem, int horaSem) {
    // 0 − x keeps a zero from printing as "-0,00".
    const double tracaoCom = 0.0 - com, tracaoSem = 0.0 - sem;
    std::string s = "Sem a retração autógena, a maior tração seria " + Numeros::FormataFixo(tracaoSem, 0, 2) + " MPa";
    if (noSem > 0) s += " (Nó " + Numeros::FormataInteiro(noSem) + ", " + Numeros::FormataInteiro(horaSem) + " horas)";
    return s + "; a retração autógena responde por " + Numeros::FormataFixo(tracaoCom - tracaoSem + 0.0, 0, 2) + " MPa da maior tração (" +
           Numeros::FormataFixo(tracaoCom, 0, 2) + " MPa).";
}

std::vector<double> Historia(const TDadosModelo& d, int camada, int horas, const std::function<double(int)>& temperatura) {
    const auto r = d.RetracaoAutogena.find(camada);
    if (r == d.RetracaoAutogena.end() || horas <= 0) return {};
    const TRetracaoAutogena escolha = r->second;
    std::vector<double> e(static_cast<std::size_t>(horas));
    const bool maturidade = Maturidade::Ativa(d, camada);
    const TCalorInterno& calor = d.CalorCamadas[static_cast<std::size_t>(camada)];
    double idade = 0.0;  // h
    double anterior = d.Camadas[static_cast<std::size_t>(camada)].TInicial;
    for (int k = 0; k < horas; ++k) {
        if (maturidade) {
            const double T = temperatura(k);
            idade += Maturidade::FatorArrhenius(calor.EnergiaAtivacao, calor.TRef, 0.5 * (anterior + T));
            anterior = T;
        } else {
            idade = k + 1.0;
        }
        e[static_cast<std::size_t>(k)] = Deformacao(escolha, idade / 24.0);
    }
    return e;
}

}  // namespace RetracaoAutogena
