#include "results/ui/frmSalvarNo.h"

TfrmSalvarNo::TfrmSalvarNo(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
