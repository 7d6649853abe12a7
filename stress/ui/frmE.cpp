#include "stress/ui/frmE.h"

TfrmE::TfrmE(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmE::AdicionaCurva(double, double) { show(); }
