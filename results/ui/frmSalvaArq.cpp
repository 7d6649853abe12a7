#include "results/ui/frmSalvaArq.h"

TfrmSalvaArq::TfrmSalvaArq(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
