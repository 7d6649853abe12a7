#pragma once
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

struct TDadosModelo;
struct TTrabalhoTermico;
namespace Validacao {
struct Resultado;
}

// One run of the embedded cooling pipes: the state the pipes carry from step to step
// (the concrete around each pipe, the on/off state of each lift) and what they
// record. Created by the problem's pipes at the start of a run; the engine calls it
// once per step, never per node.
class TExecucaoResfriamento {
public:
    virtual ~TExecucaoResfriamento() = default;
    // Adds the heat the water removes over the step at time t, with L placed lifts, to
    // trabalho.Sistema (diagonal) and trabalho.Carga, as a fully implicit sink
    // A_i·T_i − B_i at node i (J/m² over the step); A_i and B_i also go to
    // trabalho.ResfriamentoDiag and trabalho.ResfriamentoCarga (the energy balance reads
    // them). May be called again for the same step (the maturity iteration): it depends
    // only on the state the last accepted step left.
    virtual void Aplica(const TDadosModelo& dados, TTrabalhoTermico& trabalho, double t, int L) = 0;
    // The step (or substep) is accepted, its solved temperatures in dados.Temperaturas:
    // the state advances; `fimDoPasso` marks the end of a step of the history.
    virtual void ConcluiPasso(const TDadosModelo& dados, const TTrabalhoTermico& trabalho, bool fimDoPasso) = 0;
};

// What the thermal step asks of the cooling pipes of a problem. The pipes' data and
// physics live in serpentinas/, which implements it.
class TContornoResfriamento {
public:
    virtual ~TContornoResfriamento() = default;
    virtual std::unique_ptr<TContornoResfriamento> Copia() const = 0;

    // Some lift has a pipe row: a run starts the pipes.
    virtual bool EmUso() const = 0;
    // The state of one run; its results are kept in this object (the copy that ran).
    virtual std::unique_ptr<TExecucaoResfriamento> Inicia(const TDadosModelo& dados) = 0;

    // Why the pipes cannot be analysed with `dados`, or empty.
    virtual std::string Problema(const TDadosModelo& dados) const = 0;
    // Impossible and unusual values of the pipes' data, appended to `r`.
    virtual void Valida(Validacao::Resultado& r) const = 0;

    // The project file's key "Serpentinas": whether it must be written, and its value.
    virtual bool TemDados() const = 0;
    virtual nlohmann::ordered_json ParaJson() const = 0;
};

// The pipes of a problem: owned, and copied whole with the problem. Empty (the
// start-up value) the problem has no pipes and the step is the one without them.
class TResfriamentoDoProblema {
public:
    TResfriamentoDoProblema() noexcept;
    ~TResfriamentoDoProblema();
    TResfriamentoDoProblema(const TResfriamentoDoProblema& outra);
    TResfriamentoDoProblema& operator=(const TResfriamentoDoProblema& outra);
    TResfriamentoDoProblema(TResfriamentoDoProblema&&) noexcept;
    TResfriamentoDoProblema& operator=(TResfriamentoDoProblema&&) noexcept;

    explicit operator bool() const { return p_ != nullptr; }
    const TContornoResfriamento* operator->() const { return p_.get(); }
    const TContornoResfriamento* Get() const { return p_.get(); }
    TContornoResfriamento* Get() { return p_.get(); }
    void Define(std::unique_ptr<TContornoResfriamento> p);

    bool EmUso() const { return p_ && p_->EmUso(); }

private:
    std::unique_ptr<TContornoResfriamento> p_;
};

// The reader of the project key "Serpentinas" into fresh pipes (ErroEntrada naming the
// key inside "Serpentinas"). serpentinas/ registers it before main; the project reader
// refuses the key when none is registered.
using TLeitorResfriamento = std::unique_ptr<TContornoResfriamento> (*)(const nlohmann::ordered_json& j);
void RegistraLeitorResfriamento(TLeitorResfriamento leitor);
TLeitorResfriamento LeitorResfriamento();
