#include "core/Resfriamento.h"

#include <utility>

TResfriamentoDoProblema::TResfriamentoDoProblema() noexcept = default;
TResfriamentoDoProblema::~TResfriamentoDoProblema() = default;
TResfriamentoDoProblema::TResfriamentoDoProblema(TResfriamentoDoProblema&&) noexcept = default;
TResfriamentoDoProblema& TResfriamentoDoProblema::operator=(TResfriamentoDoProblema&&) noexcept = default;

TResfriamentoDoProblema::TResfriamentoDoProblema(const TResfriamentoDoProblema& outra)
    : p_(outra.p_ ? outra.p_->Copia() : nullptr) {}

TResfriamentoDoProblema& TResfriamentoDoProblema::operator=(const TResfriamentoDoProblema& outra) {
    if (this != &outra) p_ = outra.p_ ? outra.p_->Copia() : nullptr;
    return *this;
}

void TResfriamentoDoProblema::Define(std::unique_ptr<TContornoResfriamento> p) { p_ = std::move(p); }

namespace {
// Constant-initialised: the registration may run before any other static of core.
TLeitorResfriamento leitorResfriamento = nullptr;
}  // namespace

void RegistraLeitorResfriamento(TLeitorResfriamento leitor) { leitorResfriamento = leitor; }
TLeitorResfriamento LeitorResfriamento() { return leitorResfriamento; }
