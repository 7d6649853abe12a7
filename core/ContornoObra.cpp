#include "core/ContornoObra.h"

#include <utility>

TObraDoProblema::TObraDoProblema() noexcept = default;
TObraDoProblema::~TObraDoProblema() = default;
TObraDoProblema::TObraDoProblema(TObraDoProblema&&) noexcept = default;
TObraDoProblema& TObraDoProblema::operator=(TObraDoProblema&&) noexcept = default;

TObraDoProblema::TObraDoProblema(const TObraDoProblema& outra) : p_(outra.p_ ? outra.p_->Copia() : nullptr) {}

TObraDoProblema& TObraDoProblema::operator=(const TObraDoProblema& outra) {
    if (this != &outra) p_ = outra.p_ ? outra.p_->Copia() : nullptr;
    return *this;
}

void TObraDoProblema::Define(std::unique_ptr<TContornoObra> p) { p_ = std::move(p); }

namespace {
// Constant-initialised: the registration may run before any other static of core.
TLeitorObra leitorObra = nullptr;
}  // namespace

void RegistraLeitorObra(TLeitorObra leitor) { leitorObra = leitor; }
TLeitorObra LeitorObra() { return leitorObra; }
