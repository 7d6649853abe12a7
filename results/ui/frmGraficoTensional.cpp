#include "results/ui/frmGraficoTensional.h"

TfrmGraficoTensional::TfrmGraficoTensional(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
