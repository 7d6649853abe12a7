#include "stress/ui/frmCoefRestr.h"

TfrmCoefRestr::TfrmCoefRestr(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
