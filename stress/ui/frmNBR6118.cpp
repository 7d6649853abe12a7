#include "stress/ui/frmNBR6118.h"

TfrmNBR6118::TfrmNBR6118(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
