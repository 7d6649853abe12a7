#include "stress/ui/frmFluencia.h"

TfrmFluencia::TfrmFluencia(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
