#include "obra/DadosObra.h"

#include <nlohmann/json.hpp>

#include "core/Func.h"
#include "obra/CondicoesObra.h"
#include "obra/Laterais.h"
#include "obra/ProjetoObra.h"

std::unique_ptr<TContornoObra> TDadosObra::Copia() const { return std::make_unique<TDadosObra>(*this); }

bool TDadosObra::UsaClimaArquivo() const { return ClimaArquivo; }

bool TDadosObra::EmUso() const { return CondicoesObra::EmUso(*this); }

double TDadosObra::TemperaturaAr(double t) const { return CondicoesObra::TemperaturaAr(*this, t); }

void TDadosObra::AplicaCoeficientes(const TDadosModelo& dados, double t, int L, TCoeficientes& h) const {
    CondicoesObra::AplicaVento(*this, dados.CuraAtiva, t, h);
    CondicoesObra::AplicaCeu(dados, t, h);
    CondicoesObra::AplicaProtecoes(dados, t, L, h);
}

double TDadosObra::FluxoSolarTopo(const TDadosModelo& dados, double t, int L, double hProtegido) const {
    return CondicoesObra::FluxoSolarTopo(dados, t, L, hProtegido);
}

bool TDadosObra::TemLaterais() const { return Laterais::Finita(*this); }

double TDadosObra::FluxoCeuTopo(const TDadosModelo& dados, double t, int L, double hProtegido, double& fracao,
                                double& arCeu) const {
    return CondicoesObra::FluxoCeuTopo(dados, t, L, hProtegido, fracao, arCeu);
}


double TDadosObra::PerdaLateral(const TDadosModelo& dados, double t, int camada) const {
    return Laterais::Perda(dados, t, camada);
}

std::string TDadosObra::Problema(const TDadosModelo& dados) const {
    if (std::string p = CondicoesObra::Problema(dados); !p.empty()) return p;
    return Laterais::Problema(dados);
}

void TDadosObra::Valida(const TDadosModelo& dados, Validacao::Resultado& r) const {
    CondicoesObra::Valida(*this, r);
    Laterais::Valida(dados, r);
}

bool TDadosObra::TemDados() const { return ProjetoObra::TemDados(*this); }

nlohmann::ordered_json TDadosObra::ParaJson() const { return ProjetoObra::ParaJson(*this); }

const TDadosObra& ObraDe(const TDadosModelo& dados) {
    static const TDadosObra inicial;
    const auto* obra = dynamic_cast<const TDadosObra*>(dados.Obra.Get());
    return obra ? *obra : inicial;
}

TDadosObra& ObraEditavel(TDadosModelo& dados) {
    auto* obra = dynamic_cast<TDadosObra*>(dados.Obra.Get());
    if (obra) return *obra;
    auto nova = std::make_unique<TDadosObra>();
    obra = nova.get();
    dados.Obra.Define(std::move(nova));
    return *obra;
}
