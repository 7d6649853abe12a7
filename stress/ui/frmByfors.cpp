#include "stress/ui/frmByfors.h"

TfrmByfors::TfrmByfors(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
