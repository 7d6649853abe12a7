#include "stress/ui/frmBazant.h"

TfrmBazant::TfrmBazant(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
