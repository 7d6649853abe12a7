#include "input/ui/frmCondInic.h"

TfrmCondInic::TfrmCondInic(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCondInic::Abre() {}

void TfrmCondInic::MostraEstado() {}
