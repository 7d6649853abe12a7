#include "stress/ui/frmTensional.h"

TfrmTensional::TfrmTensional(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
