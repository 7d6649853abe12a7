#include "input/ui/frmCondCont.h"

TfrmCondCont::TfrmCondCont(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void TfrmCondCont::Abre() {}
