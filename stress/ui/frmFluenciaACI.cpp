#include "stress/ui/frmFluenciaACI.h"

TfrmFluenciaACI::TfrmFluenciaACI(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
