#include "input/ui/frmCalorInterno.h"

TfrmCalorInterno::TfrmCalorInterno(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCalorInterno::MostraEstado() {}
