#include "stress/ui/frmCEB.h"

TfrmCEB::TfrmCEB(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
