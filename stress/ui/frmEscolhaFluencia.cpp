#include "stress/ui/frmEscolhaFluencia.h"

TfrmEscolhaFluencia::TfrmEscolhaFluencia(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
