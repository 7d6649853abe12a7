#include "results/ui/frmCores.h"

TfrmCores::TfrmCores(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
