#include "results/ui/frmResultadoTensoes.h"

TfrmResultadoTensoes::TfrmResultadoTensoes(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}
