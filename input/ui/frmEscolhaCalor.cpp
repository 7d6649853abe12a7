#include "input/ui/frmEscolhaCalor.h"

TfrmEscolhaCalor::TfrmEscolhaCalor(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmEscolhaCalor::Abre() {}

void TfrmEscolhaCalor::MostraEstado() {}
