#include "input/ui/frmCura.h"

TfrmCura::TfrmCura(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCura::Abre() {}

void TfrmCura::MostraEstado() {}
