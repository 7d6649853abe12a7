#pragma once
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

struct TDadosModelo;
struct TCoeficientes;
namespace Validacao {
struct Resultado;
}

// What the thermal step asks of the site (hourly weather, protections of the faces).
// The engine knows only this; the site data and its physics live in obra/, which
// implements it. Coefficients are in the stored SI form of the engine, h·3600 with h
// in W/(m²·°C). The engine asks at most once per step, never per node.
class TContornoObra {
public:
    virtual ~TContornoObra() = default;
    virtual std::unique_ptr<TContornoObra> Copia() const = 0;

    // The ambient of every hour comes from the weather file; the constant absorbed flux
    // is not used.
    virtual bool UsaClimaArquivo() const = 0;
    // The site data changes the run: a weather file in use or some protection listed.
    virtual bool EmUso() const = 0;
    // Air temperature at t (h, absolute clock).
    virtual double TemperaturaAr(double t) const = 0;
    // The faces' coefficients of lift L at t under the site: the hour's wind at the top,
    // then the protections on at t.
    virtual void AplicaCoeficientes(const TDadosModelo& dados, double t, int L, TCoeficientes& h) const = 0;
    // Solar flux entering the top face of lift L at t, W/m²; `hProtegido` the top
    // coefficient under the protections, stored form.
    virtual double FluxoSolarTopo(const TDadosModelo& dados, double t, int L, double hProtegido) const = 0;
    // The sides of a block of finite plan size lose heat: false for a member of unlimited
    // plan, whose run never asks PerdaLateral.
    virtual bool TemLaterais() const = 0;
    // Volumetric loss coefficient β of lift `camada` through its sides at t, W/(m³·°C):
    // each unit volume loses β·(T − T_ar). Asked once per lift and step.
    virtual double PerdaLateral(const TDadosModelo& dados, double t, int camada) const = 0;
    // Long-wave exchange of the top face of lift L with the sky at t, linearised: the
    // coefficient h_r joins the top coefficient (AplicaCoeficientes) and this returns
    // the rest, the flux h_r·(T_céu − T_ar) reaching the concrete through the
    // protections, W/m² (negative: a loss). For the energy balance, the face's radiation
    // is `fracao` (h_r/(h + h_r)) of what crosses the top plus `arCeu`, W/m², the exchange
    // between air and sky at the outer face. All zero when the exchange is off.
    virtual double FluxoCeuTopo(const TDadosModelo& dados, double t, int L, double hProtegido, double& fracao,
                                double& arCeu) const = 0;

    // Why the site data cannot be analysed with `dados`, or empty.
    virtual std::string Problema(const TDadosModelo& dados) const = 0;
    // Impossible and unusual values of the site data, appended to `r`; `dados` for what
    // depends on the member (the plan Biot number of each lift).
    virtual void Valida(const TDadosModelo& dados, Validacao::Resultado& r) const = 0;

    // The project file's key "Obra": whether the site differs from the start-up value,
    // and its value.
    virtual bool TemDados() const = 0;
    virtual nlohmann::ordered_json ParaJson() const = 0;
};

// The site of a problem: owned, and copied whole with the problem (a study case or a
// calibration trial carries its own). Empty (the start-up value) the problem has no
// site data and the run is that of the dialogs alone.
class TObraDoProblema {
public:
    TObraDoProblema() noexcept;
    ~TObraDoProblema();
    TObraDoProblema(const TObraDoProblema& outra);
    TObraDoProblema& operator=(const TObraDoProblema& outra);
    TObraDoProblema(TObraDoProblema&&) noexcept;
    TObraDoProblema& operator=(TObraDoProblema&&) noexcept;

    explicit operator bool() const { return p_ != nullptr; }
    const TContornoObra* operator->() const { return p_.get(); }
    const TContornoObra* Get() const { return p_.get(); }
    TContornoObra* Get() { return p_.get(); }
    void Define(std::unique_ptr<TContornoObra> p);

    bool UsaClimaArquivo() const { return p_ && p_->UsaClimaArquivo(); }
    bool EmUso() const { return p_ && p_->EmUso(); }
    bool TemLaterais() const { return p_ && p_->TemLaterais(); }

private:
    std::unique_ptr<TContornoObra> p_;
};

// The reader of the project key "Obra" into a fresh site (ErroEntrada naming the key
// inside "Obra"). obra/ registers it before main; the project reader refuses the key
// when none is registered.
using TLeitorObra = std::unique_ptr<TContornoObra> (*)(const nlohmann::ordered_json& j);
void RegistraLeitorObra(TLeitorObra leitor);
TLeitorObra LeitorObra();
