#include "stress/ui/frmACI.h"

TfrmACI::TfrmACI(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
