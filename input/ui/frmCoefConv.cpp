#include "input/ui/frmCoefConv.h"

TfrmCoefConv::TfrmCoefConv(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCoefConv::Abre() {}
