#include "results/ui/frmEixoTensional.h"

TfrmEixoTensional::TfrmEixoTensional(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
