#include "input/ui/frmMembro.h"

TfrmMembro::TfrmMembro(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmMembro::Abre() {}

void TfrmMembro::HabilitaFundacao() {}

void TfrmMembro::MostraEstado() {}
