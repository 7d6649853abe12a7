#include "stress/ui/frmF.h"

TfrmF::TfrmF(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmF::AdicionaCurva(double, double) { show(); }
